// The layout check's rules on rows and columns: an option is as high as its
// mark, a one-line text in a box sits in its middle, a column is wide enough
// for its texts, and a full-window screen's background covers the screen.
#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <map>

#include "qt/layout_rules.h"
#include "qt/layout_text.h"
#include "ui/control.h"

namespace kervale::test {

using ui::ControlKind;

namespace {

// A label drawn as a box: a background or a border of its own.
bool boxedLabel(QWidget* w) {
  auto* l = qobject_cast<QLabel*>(w);
  return l != nullptr && (l->autoFillBackground() || l->frameShape() != QFrame::NoFrame);
}

// Whether a label shows its caption shortened.
bool shortened(const ui::Control& c, QWidget* w) {
  auto* l = qobject_cast<QLabel*>(w);
  if (l == nullptr || !c.state().elide || c.caption().empty()) return false;
  const TextRoom r = textRoom(c, w);
  return r.lines.size() == 1 && w->fontMetrics().horizontalAdvance(r.lines.front()) > r.room + 1;
}

// The label of another column standing just left of a cell, on its row.
const LayoutCheck::Shown* leftNeighbour(const LayoutCheck::Shown& cell, const std::vector<LayoutCheck::Shown>& shown) {
  for (const LayoutCheck::Shown& s : shown) {
    if (s.control->index() < 0 || s.control->name() == cell.control->name()) continue;
    const int gap = cell.box.left() - s.box.right() - 1;
    const int shared = std::min(cell.box.bottom(), s.box.bottom()) - std::max(cell.box.top(), s.box.top()) + 1;
    if (gap >= 0 && gap <= 10 && shared * 2 >= cell.box.height()) return &s;
  }
  return nullptr;
}

// A screen's background: its largest picture standing at the window's left
// edge (a badge or a photo stands inside). A screen without one shows the
// window's own colour throughout, with no band to leave.
const LayoutCheck::Shown* background(const std::vector<LayoutCheck::Shown>& shown) {
  const LayoutCheck::Shown* largest = nullptr;
  for (const LayoutCheck::Shown& s : shown) {
    const ControlKind k = s.control->kind();
    if ((k != ControlKind::Image && k != ControlKind::PictureBox) || s.box.left() > 0) continue;
    if (largest == nullptr || s.box.width() * s.box.height() > largest->box.width() * largest->box.height())
      largest = &s;
  }
  return largest;
}

}  // namespace

// An option or check box lower than its mark shows the mark cut, and marks
// stacked closer than that run into each other.
void LayoutCheck::checkMarkHeight(const Shown& s) {
  auto* button = qobject_cast<QAbstractButton*>(s.widget);
  if (button == nullptr ||
      (qobject_cast<QRadioButton*>(button) == nullptr && qobject_cast<QCheckBox*>(button) == nullptr))
    return;
  const bool radio = qobject_cast<QRadioButton*>(button) != nullptr;
  const int mark = button->style()->pixelMetric(
      radio ? QStyle::PM_ExclusiveIndicatorHeight : QStyle::PM_IndicatorHeight, nullptr, button);
  const int needed = std::max(mark, button->fontMetrics().height()) + 2;
  if (button->height() >= needed) return;
  fail(*s.control, "high",
       "is " + std::to_string(button->height()) + " px high; its mark and text need " + std::to_string(needed));
}

// A text of one line in a box (a grid's cell, a link) sits in the box's
// middle, as the texts of buttons and lists beside it do; in a box only a
// little taller than its line (a table's row) it may stand at the top.
void LayoutCheck::checkMiddle(const Shown& s) {
  auto* l = qobject_cast<QLabel*>(s.widget);
  if (s.text.isEmpty() || !boxedLabel(s.widget) || l->wordWrap() || l->text().contains('\n')) return;
  const QRect inside = l->contentsRect().translated(l->pos());
  const QRect line(s.text.left(), s.text.top(), s.text.width(), l->fontMetrics().height());
  const int above = line.top() - inside.top();
  const int below = inside.bottom() - line.bottom();
  if (std::abs(above - below) <= 5) return;
  fail(*s.control, "middle",
       "its text sits " + std::to_string(above) + " px below its top and " + std::to_string(below) +
           " px above its bottom");
}

// A column (a control array of labels) that shortens every text it shows
// while the column beside it shortens none has its room in the wrong place:
// shortening is for the odd long text.
void LayoutCheck::checkColumns(const std::vector<Shown>& shown) {
  std::map<std::string, std::vector<const Shown*>> columns;
  for (const Shown& s : shown) {
    if (s.control->index() >= 0 && s.control->kind() == ControlKind::Label && !s.control->caption().empty())
      columns[s.control->name()].push_back(&s);
  }
  for (const auto& [name, cells] : columns) {
    if (cells.size() < 2) continue;
    const Shown* roomy = nullptr;
    bool allCut = true;
    for (const Shown* cell : cells) {
      const Shown* beside = leftNeighbour(*cell, shown);
      allCut = allCut && shortened(*cell->control, cell->widget) && beside != nullptr &&
               !shortened(*beside->control, beside->widget);
      roomy = beside;
    }
    if (!allCut) continue;
    fail(*cells.front()->control, "column",
         "shortens all " + std::to_string(cells.size()) + " texts of " + name + " while " + roomy->control->name() +
             " beside it has room");
  }
}

// A full-window screen's background picture reaches the bottom edge of the
// screen its layout is made for, less the window's own menu bar: a band below
// it shows the window's bare colour. Towards the right it may stop short (the
// hub's right column stands on the window's own colour). A window as large as
// that screen is a full-window screen too, maximized or not.
void LayoutCheck::checkFillsScreen(const ui::Form& form, const std::vector<Shown>& shown) {
  if (screen_.isEmpty()) return;
  const QWidget* window = qt_.window(form);
  const bool takesScreen = window->width() >= screen_.width() && window->height() >= screen_.height();
  if (!form.state().maximized && !takesScreen) return;
  const QWidget* surface = qt_.surface(form);
  const QSize menus = window->size() - surface->size();
  const QSize wanted = (screen_ - menus).boundedTo(surface->size());
  const Shown* backdrop = background(shown);
  if (backdrop == nullptr) return;
  const QRect& box = backdrop->box;
  if (box.bottom() + 1 >= wanted.height()) return;
  fail(*backdrop->control, "fills",
       "ends at " + std::to_string(box.right() + 1) + " x " + std::to_string(box.bottom() + 1) + " px of a " +
           std::to_string(wanted.width()) + " x " + std::to_string(wanted.height()) + " screen");
}

}  // namespace kervale::test
