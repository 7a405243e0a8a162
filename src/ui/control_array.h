#pragma once

#include <map>
#include <memory>
#include <stdexcept>
#include <string>

#include "ui/control.h"

namespace kervale::ui {

class Form;

// An indexed control array: teambutton(i). Indexes need not start at 0 or be
// contiguous; a missing index is a fault caught at once.
template <class T>
class ControlArray {
 public:
  ControlArray(Form& form, std::string name, int first, int last) : form_(form), name_(std::move(name)) {
    for (int i = first; i <= last; ++i) add(i);
  }
  T& operator()(int index) const {
    auto it = elements_.find(index);
    if (it == elements_.end()) {
      throw std::out_of_range(name_ + "(" + std::to_string(index) + ") does not exist");
    }
    return *it->second;
  }
  T& add(int index) {
    auto& slot = elements_[index];
    if (!slot) slot = std::make_unique<T>(form_, name_, index);
    return *slot;
  }
  bool exists(int index) const { return elements_.count(index) != 0; }
  int lbound() const { return elements_.empty() ? 0 : elements_.begin()->first; }
  int ubound() const { return elements_.empty() ? -1 : elements_.rbegin()->first; }
  int count() const { return static_cast<int>(elements_.size()); }
  const std::string& name() const { return name_; }

  // Calls handler(index) for the given event of every element.
  template <class Handler>
  void onClick(Handler handler) {
    for (auto& [i, c] : elements_) c->onClick = [handler, i = i] { handler(i); };
  }
  template <class Handler>
  void onChange(Handler handler) {
    for (auto& [i, c] : elements_) c->onChange = [handler, i = i] { handler(i); };
  }
  template <class Handler>
  void onDblClick(Handler handler) {
    for (auto& [i, c] : elements_) c->onDblClick = [handler, i = i] { handler(i); };
  }
  template <class Fn>
  void forEach(Fn fn) const {
    for (auto& [i, c] : elements_) fn(i, *c);
  }

 private:
  Form& form_;
  std::string name_;
  std::map<int, std::unique_ptr<T>> elements_;
};

}  // namespace kervale::ui
