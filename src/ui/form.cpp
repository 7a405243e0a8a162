#include "ui/form.h"

#include <algorithm>

#include "ui/backend.h"

namespace kervale::ui {

namespace {

Form* g_active = nullptr;

// Runs its action when the scope ends, however it ends.
template <class F>
struct Reset {
  F action;
  ~Reset() { action(); }
};
template <class F>
Reset(F) -> Reset<F>;

}  // namespace

Form::Form(std::string name) : name_(std::move(name)) {}

Form::~Form() {
  if (g_active == this) g_active = nullptr;
  // The controls are gone already; the window system must forget the window.
  if (loaded_) backend().formUnloaded(*this);
}

Form* Form::active() { return g_active; }

void Form::designDone() {
  design_ = state_;
  for (Control* c : controls_) {
    c->captureDesign();
    c->clearChanged();
  }
  for (MenuItem* m : menus_) {
    m->captureDesign();
    m->clearChanged();
  }
  changed_ = false;
}

void Form::resetToDesign() {
  state_ = design_;
  for (Control* c : controls_) c->resetToDesign();
  for (MenuItem* m : menus_) m->resetToDesign();
}

void Form::Load() {
  if (loaded_) return;
  resetToDesign();
  loaded_ = true;
  Form_Load();
}

void Form::Show(ShowMode mode) {
  if (unloading_) return;
  Load();
  if (!loaded_) return;  // the load handler unloaded the form again
  if (!shown_) {
    // The window reads the whole state when it appears.
    shown_ = true;
    changed_ = false;
  }
  bool modal = mode == ShowMode::Modal;
  if (!modal) {
    backend().formShown(*this, false);
    return;
  }
  modal_ = true;
  Reset guard{[this] { modal_ = false; }};
  backend().formShown(*this, true);
}

void Form::Hide() {
  if (!shown_) return;
  shown_ = false;
  if (g_active == this) g_active = nullptr;
  backend().formHidden(*this);
}

bool Form::Unload(UnloadMode mode) {
  // A handler of the unload itself asking again changes nothing.
  if (!loaded_ || unloading_) return false;
  unloading_ = true;
  // Reset even when a handler throws (a test's unexpected dialog), so the form can unload later.
  Reset guard{[this] { unloading_ = false; }};
  int cancel = 0;
  Form_QueryUnload(cancel, mode);
  if (cancel == 0) Form_Unload(cancel);
  if (cancel != 0) return false;
  // Flags first, so that whatever the window system does while closing
  // finds the form unloaded and ignores user actions.
  shown_ = false;
  loaded_ = false;
  modal_ = false;
  if (g_active == this) g_active = nullptr;
  backend().formUnloaded(*this);
  resetToDesign();
  changed_ = false;
  return true;
}

void Form::Refresh() {
  if (shown_) backend().refresh(*this);
}

void Form::markChanged() {
  if (!shown_ || changed_) return;
  changed_ = true;
  backend().formChanged(*this);
}

void Form::setCaption(std::string caption) {
  if (state_.caption == caption) return;
  state_.caption = std::move(caption);
  markChanged();
}

void Form::move(int left, int top, int width, int height) {
  if (state_.left == left && state_.top == top && state_.width == width && state_.height == height) return;
  state_.left = left;
  state_.top = top;
  state_.width = width;
  state_.height = height;
  markChanged();
}

void Form::setWidth(int w) { move(state_.left, state_.top, w, state_.height); }
void Form::setHeight(int h) { move(state_.left, state_.top, state_.width, h); }

#define KERVALE_FORM_SETTER(Name, field, Type) \
  void Form::Name(Type v) {                    \
    if (state_.field == v) return;             \
    state_.field = v;                          \
    markChanged();                             \
  }
KERVALE_FORM_SETTER(setBackColor, backColor, Colour)
KERVALE_FORM_SETTER(setBorderStyle, borderStyle, int)
KERVALE_FORM_SETTER(setControlBox, controlBox, bool)
KERVALE_FORM_SETTER(setMaximized, maximized, bool)
#undef KERVALE_FORM_SETTER

void Form::setPicture(std::string file) {
  if (state_.picture == file) return;
  state_.picture = std::move(file);
  markChanged();
}

Control* Form::findControl(const std::string& name, int index) const {
  for (Control* c : controls_) {
    if (c->index() == index && c->name() == name) return c;
  }
  return nullptr;
}

void Form::userClose() { Unload(UnloadMode::CloseBox); }

bool Form::userShortcut(const std::string& keys) {
  for (MenuItem* item : menus_) {
    if (keys.empty() || item->shortcut() != keys) continue;
    item->userClick();
    return true;
  }
  return false;
}

void Form::userActivate() {
  if (!loaded_ || g_active == this) return;
  g_active = this;
  Form_Activate();
}

void Form::userDeactivate() {
  if (g_active != this) return;
  g_active = nullptr;
  if (loaded_) Form_Deactivate();
}

void Form::attach(Control& c) {
  controls_.push_back(&c);
  markChanged();
}

// Controls and menus go only when the form itself is destroyed: nothing to tell the window system.
void Form::detach(Control& c) { std::erase(controls_, &c); }

void Form::attach(MenuItem& m) {
  menus_.push_back(&m);
  if (m.parent() == nullptr) menuBar_.push_back(&m);
  markChanged();
}

void Form::detach(MenuItem& m) {
  std::erase(menus_, &m);
  std::erase(menuBar_, &m);
}

void Form::controlChanged(Control&) { markChanged(); }

void Form::requestFocus(const Control& c) {
  state_.focus = &c;
  ++state_.focusRequests;
  markChanged();
}

void Form::menuChanged(MenuItem&) { markChanged(); }

}  // namespace kervale::ui
