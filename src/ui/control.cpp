#include "ui/control.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "ui/form.h"

namespace kervale::ui {

namespace fs = std::filesystem;

namespace {

// One row of a list in the standard font, for bringing an item into view.
constexpr int kListRowTwips = 195;

bool isList(ControlKind k) {
  return k == ControlKind::ListBox || k == ControlKind::ComboBox || k == ControlKind::FileListBox ||
         k == ControlKind::DirListBox || k == ControlKind::DriveListBox;
}

bool isScrollBar(ControlKind k) { return k == ControlKind::HScrollBar || k == ControlKind::VScrollBar; }

bool isFolderList(ControlKind k) {
  return k == ControlKind::FileListBox || k == ControlKind::DirListBox || k == ControlKind::DriveListBox;
}

// The user can reach a control only on a loaded form, when it and its frames
// are visible and enabled.
bool reachable(const Control& c) {
  if (!c.form().loaded()) return false;
  for (const Control* p = &c; p != nullptr; p = p->container()) {
    if (!p->visible() || !p->enabled()) return false;
  }
  return true;
}

char lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

bool lessNoCase(const std::string& a, const std::string& b) {
  auto cmp = [](char x, char y) { return lower(x) < lower(y); };
  if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), cmp)) return true;
  if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), cmp)) return false;
  return a < b;
}

// Case-insensitive glob with * and ?.
bool globMatch(std::string_view pat, std::string_view name) {
  std::size_t p = 0, n = 0, starP = std::string_view::npos, starN = 0;
  while (n < name.size()) {
    if (p < pat.size() && (pat[p] == '?' || lower(pat[p]) == lower(name[n]))) {
      ++p;
      ++n;
    } else if (p < pat.size() && pat[p] == '*') {
      starP = p++;
      starN = n;
    } else if (starP != std::string_view::npos) {
      p = starP + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (p < pat.size() && pat[p] == '*') ++p;
  return p == pat.size();
}

std::string_view trim(std::string_view s) {
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
  return s;
}

// "*.usa;*.sav": any of the patterns; "*.*" matches names without a dot too.
bool matchesPattern(std::string_view patterns, std::string_view name) {
  while (true) {
    std::size_t semi = patterns.find(';');
    std::string_view one = trim(patterns.substr(0, semi));
    if (one == "*.*" || one == "*") return true;
    if (!one.empty() && globMatch(one, name)) return true;
    if (semi == std::string_view::npos) return false;
    patterns.remove_prefix(semi + 1);
  }
}

// Absolute and without "." / ".." parts or a trailing separator.
std::string normalFolder(const std::string& path) {
  std::error_code ec;
  fs::path p = path.empty() ? fs::current_path(ec) : fs::path(path);
  if (p.is_relative()) {
    fs::path abs = fs::absolute(p, ec);
    if (!ec) p = abs;
  }
  p = p.lexically_normal();
  std::string s = p.string();
  while (s.size() > 1 && s.back() == '/') s.pop_back();
  return s;
}

enum class Entries { Files, Folders };

// Names in folder, sorted; unreadable folders and entries are skipped.
std::vector<std::string> readFolder(const std::string& folder, Entries what, std::string_view patterns) {
  std::vector<std::string> names;
  std::error_code ec;
  fs::directory_iterator it(folder, ec), end;
  for (; !ec && it != end; it.increment(ec)) {
    std::string name = it->path().filename().string();
    if (name.empty() || name.front() == '.') continue;  // hidden
    std::error_code typeEc;
    if (what == Entries::Folders) {
      if (!it->is_directory(typeEc)) continue;
    } else {
      if (!it->is_regular_file(typeEc) || !matchesPattern(patterns, name)) continue;
    }
    names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end(), lessNoCase);
  return names;
}

}  // namespace

Control::Control(Form& form, ControlKind kind, std::string name, int index)
    : form_(form), kind_(kind), name_(std::move(name)), index_(index) {
  switch (kind_) {
    case ControlKind::TextBox:
    case ControlKind::ListBox:
    case ControlKind::ComboBox:
    case ControlKind::DriveListBox:
    case ControlKind::DirListBox:
    case ControlKind::FileListBox:
      state_.backColor = kWindowBackground;
      break;
    default:
      break;
  }
  design_ = state_;
  form_.attach(*this);
}

Control::~Control() { form_.detach(*this); }

void Control::markChanged() {
  changed_ = true;
  form_.controlChanged(*this);
}

void Control::fire(const std::function<void()>& handler) const {
  if (!handler) return;
  // A copy, so that a handler may replace itself while it runs.
  auto run = handler;
  run();
}

void Control::resetToDesign() {
  state_ = design_;
  if (isFolderList(kind_)) {
    if (kind_ == ControlKind::DriveListBox) {
      refreshDirList();
    } else {
      state_.path = normalFolder(state_.path);
      if (kind_ == ControlKind::DirListBox) {
        refreshDirList();
      } else {
        refreshFileList();
      }
    }
  }
  markChanged();
}

// ---- common properties

void Control::setCaption(std::string caption) {
  if (caption == state_.caption) return;
  state_.caption = std::move(caption);
  markChanged();
  if (kind_ == ControlKind::Label) fire(onChange);
}

void Control::setText(std::string text) {
  if (text == state_.text) return;
  state_.text = std::move(text);
  markChanged();
  fire(onChange);
}

#define KERVALE_SETTER(Name, field, Type) \
  void Control::Name(Type v) {            \
    if (state_.field == v) return;        \
    state_.field = v;                     \
    markChanged();                        \
  }
KERVALE_SETTER(setLeft, left, int)
KERVALE_SETTER(setTop, top, int)
KERVALE_SETTER(setWidth, width, int)
KERVALE_SETTER(setHeight, height, int)
KERVALE_SETTER(setVisible, visible, bool)
KERVALE_SETTER(setEnabled, enabled, bool)
KERVALE_SETTER(setBackColor, backColor, Colour)
KERVALE_SETTER(setForeColor, foreColor, Colour)
KERVALE_SETTER(setOpaque, opaque, bool)
KERVALE_SETTER(setAlignment, alignment, Alignment)
KERVALE_SETTER(setBorderStyle, borderStyle, int)
KERVALE_SETTER(setWordWrap, wordWrap, bool)
KERVALE_SETTER(setAutoSize, autoSize, bool)
KERVALE_SETTER(setScrollBars, scrollBars, bool)
KERVALE_SETTER(setElide, elide, bool)
KERVALE_SETTER(setMultiLine, multiLine, bool)
KERVALE_SETTER(setLocked, locked, bool)
KERVALE_SETTER(setDefault, isDefault, bool)
KERVALE_SETTER(setCancel, isCancel, bool)
KERVALE_SETTER(setSmallChange, smallChange, int)
KERVALE_SETTER(setLargeChange, largeChange, int)
KERVALE_SETTER(setStretch, stretch, bool)
KERVALE_SETTER(setShape, shape, ShapeType)
KERVALE_SETTER(setFillStyle, fillStyle, int)
KERVALE_SETTER(setFillColor, fillColor, Colour)
KERVALE_SETTER(setBorderColor, borderColor, Colour)
KERVALE_SETTER(setBorderWidth, borderWidth, int)
#undef KERVALE_SETTER

void Control::move(int left, int top, int width, int height) {
  if (state_.left == left && state_.top == top && state_.width == width && state_.height == height) return;
  state_.left = left;
  state_.top = top;
  state_.width = width;
  state_.height = height;
  markChanged();
}

void Control::setFont(const Font& f) {
  if (state_.font == f) return;
  state_.font = f;
  markChanged();
}

void Control::setFontBold(bool bold) {
  if (state_.font.bold == bold) return;
  state_.font.bold = bold;
  markChanged();
}

void Control::setFontSize(double size) {
  if (state_.font.size == size) return;
  state_.font.size = size;
  markChanged();
}

void Control::setToolTipText(std::string t) {
  if (state_.toolTipText == t) return;
  state_.toolTipText = std::move(t);
  markChanged();
}

void Control::setTag(std::string t) { state_.tag = std::move(t); }

void Control::SetFocus() { form_.requestFocus(*this); }

void Control::setPicture(std::string file) {
  if (state_.picture == file) return;
  state_.picture = std::move(file);
  markChanged();
}

void Control::setLinePoints(int x1, int y1, int x2, int y2) {
  if (state_.x1 == x1 && state_.y1 == y1 && state_.x2 == x2 && state_.y2 == y2) return;
  state_.x1 = x1;
  state_.y1 = y1;
  state_.x2 = x2;
  state_.y2 = y2;
  markChanged();
}

// ---- values

void Control::setValue(int v) {
  if (kind_ == ControlKind::CheckBox) {
    v = (v == 0 || v == 2) ? v : 1;  // True (-1) counts as ticked
    if (v == state_.value) return;
    state_.value = v;
    markChanged();
    fire(onClick);
  } else if (kind_ == ControlKind::OptionButton) {
    v = v != 0 ? 1 : 0;
    if (v == state_.value) return;
    state_.value = v;
    markChanged();
    if (v == 1) {
      for (Control* other : form_.controls()) {
        if (other != this && other->kind_ == ControlKind::OptionButton && other->container_ == container_ &&
            other->state_.value != 0) {
          other->state_.value = 0;
          other->markChanged();
        }
      }
      fire(onClick);
    }
  } else if (isScrollBar(kind_)) {
    // Min may lie above Max: the bar then runs the other way.
    v = std::clamp(v, std::min(state_.min, state_.max), std::max(state_.min, state_.max));
    if (v == state_.value) return;
    state_.value = v;
    markChanged();
    fire(onChange);
  } else {
    if (v == state_.value) return;
    state_.value = v;
    markChanged();
  }
}

void Control::setMin(int v) {
  if (state_.min == v) return;
  state_.min = v;
  markChanged();
  if (isScrollBar(kind_)) setValue(state_.value);  // pulls the value into the new range
}

void Control::setMax(int v) {
  if (state_.max == v) return;
  state_.max = v;
  markChanged();
  if (isScrollBar(kind_)) setValue(state_.value);
}

// ---- lists

void Control::addItem(std::string item) { addItemAt(std::move(item), listCount()); }

void Control::addItemAt(std::string item, int position) {
  if (position < 0 || position > listCount()) return;
  state_.items.insert(state_.items.begin() + position, std::move(item));
  state_.itemData.insert(state_.itemData.begin() + position, 0);
  if (state_.listIndex >= position) ++state_.listIndex;
  markChanged();
}

void Control::removeItem(int position) {
  if (position < 0 || position >= listCount()) return;
  state_.items.erase(state_.items.begin() + position);
  state_.itemData.erase(state_.itemData.begin() + position);
  if (state_.listIndex == position) {
    state_.listIndex = -1;
  } else if (state_.listIndex > position) {
    --state_.listIndex;
  }
  state_.topIndex = std::clamp(state_.topIndex, 0, std::max(0, listCount() - 1));
  markChanged();
}

void Control::clear() {
  state_.items.clear();
  state_.itemData.clear();
  state_.listIndex = -1;
  state_.topIndex = 0;
  markChanged();
}

const std::string& Control::list(int position) const {
  static const std::string kNone;
  if (position < 0 || position >= listCount()) return kNone;
  return state_.items[position];
}

void Control::setList(int position, std::string item) {
  if (position < 0 || position >= listCount() || state_.items[position] == item) return;
  state_.items[position] = std::move(item);
  markChanged();
}

std::int32_t Control::itemData(int position) const {
  if (position < 0 || position >= static_cast<int>(state_.itemData.size())) return 0;
  return state_.itemData[position];
}

void Control::setItemData(int position, std::int32_t data) {
  if (position < 0 || position >= static_cast<int>(state_.itemData.size())) return;
  state_.itemData[position] = data;
}

void Control::setListIndex(int position) {
  if (position < -1 || position >= listCount()) return;
  bool moved = position != state_.listIndex;
  state_.listIndex = position;
  bool textChanged = false;
  if (kind_ == ControlKind::ComboBox) {
    const std::string& item = list(position);
    textChanged = state_.text != item;
    state_.text = item;
  }
  if (position >= 0 && kind_ != ControlKind::ComboBox) {
    int rows = std::max(1, state_.height / kListRowTwips);
    if (position < state_.topIndex) {
      state_.topIndex = position;
    } else if (position >= state_.topIndex + rows) {
      state_.topIndex = position - rows + 1;
    }
  }
  if (moved || textChanged) markChanged();
  if (moved) fire(onClick);
}

void Control::setTopIndex(int position) {
  position = std::clamp(position, 0, std::max(0, listCount() - 1));
  if (state_.topIndex == position) return;
  state_.topIndex = position;
  markChanged();
}

// ---- drive, folder and file lists

void Control::refreshDirList() {
  if (kind_ == ControlKind::DriveListBox) {
    // One drive on this system.
    static const std::string kRoot = "/";
    state_.items = {kRoot};
    state_.path = kRoot;
    state_.listIndex = 0;
  } else {
    state_.items = readFolder(state_.path, Entries::Folders, "");
    if (state_.path != "/") state_.items.insert(state_.items.begin(), "..");  // the way up
    state_.listIndex = -1;
  }
  state_.itemData.assign(state_.items.size(), 0);
  state_.topIndex = 0;
}

void Control::refreshFileList() {
  state_.items = readFolder(state_.path, Entries::Files, state_.pattern);
  state_.itemData.assign(state_.items.size(), 0);
  state_.listIndex = -1;
  state_.topIndex = 0;
}

void Control::setPath(std::string path) {
  if (!isFolderList(kind_)) {
    if (state_.path == path) return;
    state_.path = std::move(path);
    markChanged();
    return;
  }
  std::string before = state_.path;
  if (kind_ == ControlKind::DriveListBox) {
    refreshDirList();  // "/" whatever was asked: there is no other drive
  } else {
    state_.path = normalFolder(path);
    if (kind_ == ControlKind::DirListBox) {
      refreshDirList();
    } else {
      refreshFileList();
    }
  }
  markChanged();
  if (state_.path != before) fire(onChange);
}

void Control::setPattern(std::string pattern) {
  state_.pattern = std::move(pattern);
  if (kind_ == ControlKind::FileListBox) refreshFileList();
  markChanged();
}

std::string Control::fileName() const {
  if (kind_ != ControlKind::FileListBox) return "";
  return list(state_.listIndex);
}

// ---- user actions

void Control::userClick() {
  if (!reachable(*this)) return;
  switch (kind_) {
    case ControlKind::CheckBox:
      setValue(state_.value == 1 ? 0 : 1);  // fires Click
      break;
    case ControlKind::OptionButton:
      setValue(1);  // fires Click when it becomes selected
      break;
    default:
      fire(onClick);
      break;
  }
}

void Control::userDblClick() {
  if (!reachable(*this)) return;
  if (kind_ == ControlKind::DirListBox && state_.listIndex >= 0) {
    // Opening a folder of the list makes it the list's folder.
    setPath((fs::path(state_.path) / state_.items[state_.listIndex]).string());
    if (!reachable(*this)) return;
  }
  fire(onDblClick);
}

void Control::userSetText(std::string text) {
  if (!reachable(*this) || state_.locked) return;
  setText(std::move(text));
}

void Control::userSetValue(int value) {
  if (!reachable(*this)) return;
  setValue(value);
}

void Control::userSelectItem(int position) {
  if (!reachable(*this) || !isList(kind_)) return;
  setListIndex(position);
  if (kind_ == ControlKind::DriveListBox && reachable(*this)) setPath(list(position));
}

void Control::userScroll(int value) {
  if (!reachable(*this) || !isScrollBar(kind_)) return;
  // The value follows the thumb, so Change fires as the value moves.
  setValue(value);
  fire(onScroll);
}

void setTextBacking(Control& text) {
  text.setOpaque(true);
  text.setBackColor(kTextBacking);
}

}  // namespace kervale::ui
