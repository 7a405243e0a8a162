#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ui/form.h"

namespace kervale::test {

// What a player of a screen sees, written down as it changes: each take adds
// a line for every control whose caption, text, colours, picture, value,
// selection, visibility or enabled state differs from the last take (a hidden
// control only as hidden), and a line for every list item added since (or the
// whole list, once it was cleared or rewritten). The first take writes every
// control.
class ScreenRecord {
 public:
  explicit ScreenRecord(const ui::Form& form);

  // Adds the changes since the last take, each line starting with `when`.
  void take(const std::string& when);
  // Adds a line of something else the player saw (a box's text), quoted as captions are.
  void note(const std::string& when, const std::string& seen);
  const std::string& text() const { return text_; }

 private:
  struct Seen {
    std::string look;                // every property but the items, as one text
    std::vector<std::string> items;  // list and combo boxes
  };
  void takeItems(const std::string& prefix, const ui::Control& control, std::vector<std::string>& items);

  const ui::Form& form_;
  std::vector<Seen> seen_;
  bool first_ = true;
  std::string text_;
};

// The first line where two records differ, numbered from 1, with both
// versions; "" when they are equal.
std::string firstDifference(const std::string& expected, const std::string& actual);

}  // namespace kervale::test
