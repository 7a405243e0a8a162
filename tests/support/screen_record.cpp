#include "support/screen_record.h"

#include <cstdio>
#include <sstream>

namespace kervale::test {

namespace {

std::string hexColour(Colour c) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%06X", static_cast<unsigned>(c));
  return buffer;
}

// Line breaks inside captions are kept visible, so that one change stays one line.
std::string quoted(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '\r') {
      out += "\\r";
    } else if (c == '\n') {
      out += "\\n";
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string nameOf(const ui::Control& c) { return c.name() + "(" + std::to_string(c.index()) + ")"; }

// A hidden control shows nothing of itself; what it holds is written once it shows.
std::string lookOf(const ui::Control& c) {
  const ui::ControlState& s = c.state();
  if (!s.visible) return "visible=0";
  std::string look = "caption=" + quoted(s.caption);
  if (!s.text.empty()) look += " text=" + quoted(s.text);
  look += " fore=" + hexColour(s.foreColor) + " back=" + hexColour(s.backColor);
  if (!s.picture.empty()) look += " picture=" + quoted(s.picture);
  look += " value=" + std::to_string(s.value) + " selected=" + std::to_string(s.listIndex);
  look += std::string(" visible=1 enabled=") + (s.enabled ? "1" : "0");
  return look;
}

bool startsWith(const std::vector<std::string>& items, const std::vector<std::string>& prefix) {
  if (prefix.size() > items.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (items[i] != prefix[i]) return false;
  }
  return true;
}

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

}  // namespace

ScreenRecord::ScreenRecord(const ui::Form& form) : form_(form), seen_(form.controls().size()) {}

void ScreenRecord::take(const std::string& when) {
  const auto& controls = form_.controls();
  for (std::size_t k = 0; k < controls.size(); ++k) {
    const ui::Control& control = *controls[k];
    const std::string prefix = when + " " + nameOf(control);
    std::string look = lookOf(control);
    if (first_ || look != seen_[k].look) {
      text_ += prefix + " " + look + "\n";
      seen_[k].look = std::move(look);
    }
    takeItems(prefix, control, seen_[k].items);
  }
  first_ = false;
}

void ScreenRecord::note(const std::string& when, const std::string& seen) { text_ += when + " " + quoted(seen) + "\n"; }

void ScreenRecord::takeItems(const std::string& prefix, const ui::Control& control, std::vector<std::string>& items) {
  const std::vector<std::string>& now = control.state().items;
  if (now == items) return;
  std::size_t from = items.size();
  if (!startsWith(now, items)) {
    text_ += prefix + " items " + std::to_string(now.size()) + "\n";
    from = 0;
  }
  for (std::size_t i = from; i < now.size(); ++i) text_ += prefix + " + " + quoted(now[i]) + "\n";
  items = now;
}

std::string firstDifference(const std::string& expected, const std::string& actual) {
  const std::vector<std::string> want = linesOf(expected);
  const std::vector<std::string> got = linesOf(actual);
  for (std::size_t i = 0; i < want.size() || i < got.size(); ++i) {
    const std::string* a = i < want.size() ? &want[i] : nullptr;
    const std::string* b = i < got.size() ? &got[i] : nullptr;
    if (a != nullptr && b != nullptr && *a == *b) continue;
    return "line " + std::to_string(i + 1) + "\n  expected: " + (a ? *a : "<end of record>") +
           "\n  actual:   " + (b ? *b : "<end of record>");
  }
  return "";
}

}  // namespace kervale::test
