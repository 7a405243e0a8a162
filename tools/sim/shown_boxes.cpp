#include "shown_boxes.h"

#include <cstddef>

#include "ui/headless/headless_backend.h"

namespace kervale::sim {

namespace {

std::size_t& boxesWritten() {
  static std::size_t count = 0;
  return count;
}

}  // namespace

void writeShownBoxes(std::ostream& out) {
  const auto& log = ui::headless().log();
  for (std::size_t& k = boxesWritten(); k < log.size(); ++k) {
    const ui::DialogRecord& box = log[k];
    out << (box.kind == ui::DialogRecord::Kind::Input ? "input " : "box ") << ui::describeDialog(box) << " -> "
        << box.answer << "\n";
  }
}

void passShownBoxes() { boxesWritten() = ui::headless().log().size(); }

}  // namespace kervale::sim
