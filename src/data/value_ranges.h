#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kervale {

// What a value may hold. Lines is a text the game itself writes with line
// breaks (CR or LF) in it; no other control character is allowed in a text.
// Colour is a colour text, "&H" and hex digits.
enum class ValueKind { Number, Whole, Text, Lines, Colour };

struct Bounds {
  double low = 0;
  double high = 0;
};

// The range of one value a data file or a saved game carries, under the name
// of the table it fills (or of the file's own count). The ranges are what
// play can produce, so that any game the program saved loads again.
struct ValueRange {
  std::string_view name;
  ValueKind kind = ValueKind::Whole;
  double low = 0;
  double high = 0;
  // Empty is allowed: a blank cell of a saved game, a "" text of a data file.
  bool emptyAllowed = false;
  // Where play moves a value on from where a data file left it: what a data
  // file may hold, so that every game started from it saves within low..high.
  // None: a data file may hold all of low..high.
  std::optional<Bounds> dataFile = std::nullopt;
};

// Every range, one row per name.
const std::vector<ValueRange>& valueRanges();
// The row of name; std::logic_error when the table has none (a programming
// fault: every value read must have its row).
const ValueRange& valueRange(std::string_view name);
// The row of name as a data file must keep to it: low and high are its
// dataFile bounds where it has them.
const ValueRange& dataFileRange(std::string_view name);

// "" when value fits range, else what is wrong ("is 40.5, outside 0 to 40",
// "is 2.5, not a whole number").
std::string numberProblem(const ValueRange& range, double value);
// "" when text fits range, else what is wrong ("is empty", "holds control
// character 7", "is \"red\", not a colour").
std::string textProblem(const ValueRange& range, std::string_view text);

}  // namespace kervale
