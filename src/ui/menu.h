#pragma once

#include <functional>
#include <string>
#include <vector>

namespace kervale::ui {

class Form;

struct MenuState {
  std::string caption;  // "&File": the letter after & is the access key; "-" a separator
  bool visible = true;
  bool enabled = true;
  bool checked = false;
  std::string shortcut;  // "Ctrl+O"; empty for none
};

// A menu item of a form's menu bar. Top-level items have no parent; the
// window system shows visible items in the order they were created.
class MenuItem {
 public:
  MenuItem(Form& form, std::string name, std::string caption, MenuItem* parent = nullptr, int index = -1);
  ~MenuItem();
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;

  Form& form() const { return form_; }
  const std::string& name() const { return name_; }
  int index() const { return index_; }
  MenuItem* parent() const { return parent_; }
  const std::vector<MenuItem*>& children() const { return children_; }

  const MenuState& state() const { return state_; }
  void captureDesign() { design_ = state_; }
  void resetToDesign();

  const std::string& caption() const { return state_.caption; }
  void setCaption(std::string caption);
  bool visible() const { return state_.visible; }
  void setVisible(bool v);
  bool enabled() const { return state_.enabled; }
  void setEnabled(bool v);
  bool checked() const { return state_.checked; }
  void setChecked(bool v);
  const std::string& shortcut() const { return state_.shortcut; }
  void setShortcut(std::string keys);

  // Fires onClick when the item and every parent are enabled and visible.
  void userClick();
  std::function<void()> onClick;

  bool changed() const { return changed_; }
  void clearChanged() { changed_ = false; }

 private:
  void markChanged();

  Form& form_;
  std::string name_;
  int index_;
  MenuItem* parent_;
  std::vector<MenuItem*> children_;
  MenuState state_;
  MenuState design_;
  bool changed_ = false;
};

}  // namespace kervale::ui
