#include "ui/menu.h"

#include <algorithm>

#include "ui/form.h"

namespace kervale::ui {

MenuItem::MenuItem(Form& form, std::string name, std::string caption, MenuItem* parent, int index)
    : form_(form), name_(std::move(name)), index_(index), parent_(parent) {
  state_.caption = std::move(caption);
  design_ = state_;
  if (parent_ != nullptr) parent_->children_.push_back(this);
  form_.attach(*this);
}

MenuItem::~MenuItem() {
  form_.detach(*this);
  if (parent_ != nullptr) std::erase(parent_->children_, this);
  for (MenuItem* child : children_) child->parent_ = nullptr;
}

void MenuItem::markChanged() {
  changed_ = true;
  form_.menuChanged(*this);
}

void MenuItem::resetToDesign() {
  state_ = design_;
  markChanged();
}

void MenuItem::setCaption(std::string caption) {
  if (state_.caption == caption) return;
  state_.caption = std::move(caption);
  markChanged();
}

void MenuItem::setVisible(bool v) {
  if (state_.visible == v) return;
  state_.visible = v;
  markChanged();
}

void MenuItem::setEnabled(bool v) {
  if (state_.enabled == v) return;
  state_.enabled = v;
  markChanged();
}

void MenuItem::setChecked(bool v) {
  if (state_.checked == v) return;
  state_.checked = v;
  markChanged();
}

void MenuItem::setShortcut(std::string keys) {
  if (state_.shortcut == keys) return;
  state_.shortcut = std::move(keys);
  markChanged();
}

void MenuItem::userClick() {
  if (!form_.loaded() || state_.caption == "-") return;
  for (const MenuItem* m = this; m != nullptr; m = m->parent_) {
    if (!m->state_.enabled || !m->state_.visible) return;
  }
  if (!onClick) return;
  auto run = onClick;  // the handler may replace itself
  run();
}

}  // namespace kervale::ui
