// The layout check's rule on text over pictures: the player may choose any
// picture, so a text drawn over one stands on a plain backing, its own or a
// control behind it that fills its box.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QRegion>
#include <QScrollArea>
#include <QStyle>
#include <QStyleOptionButton>

#include "qt/layout_rules.h"
#include "qt/layout_text.h"
#include "ui/control.h"

namespace kervale::test {

using ui::ControlKind;

namespace {

bool isPicture(const LayoutCheck::Shown& s) {
  const ControlKind k = s.control->kind();
  if (k != ControlKind::Image && k != ControlKind::PictureBox) return false;
  auto* l = qobject_cast<QLabel*>(s.widget);
  return l != nullptr && !l->pixmap().isNull();
}

// Whether a control paints the whole of its box, so that what lies behind it
// does not show.
bool fillsBox(const LayoutCheck::Shown& s) {
  QWidget* w = s.widget;
  const ControlKind k = s.control->kind();
  if (k == ControlKind::Line) return false;
  if (k == ControlKind::Shape) return s.control->state().opaque || s.control->state().fillStyle == 0;
  if (isPicture(s)) return false;
  if (auto* scrolling = qobject_cast<QScrollArea*>(w); scrolling != nullptr && scrolling->widget() != nullptr) {
    return scrolling->widget()->autoFillBackground();
  }
  if (qobject_cast<QLabel*>(w) != nullptr || qobject_cast<QGroupBox*>(w) != nullptr ||
      qobject_cast<QCheckBox*>(w) != nullptr || qobject_cast<QRadioButton*>(w) != nullptr) {
    return w->autoFillBackground();
  }
  return true;  // buttons, lists, boxes: a face of their own
}

// Where a control draws text on what lies behind it, in the surface's
// coordinates; empty when it draws none or fills its own box.
QRect textWithoutBacking(const LayoutCheck::Shown& s) {
  QWidget* w = s.widget;
  if (w->autoFillBackground()) return {};
  if (auto* scrolling = qobject_cast<QScrollArea*>(w); scrolling != nullptr && scrolling->widget() != nullptr) {
    QWidget* inner = scrolling->widget();
    const QRect text = drawnText(inner);
    if (inner->autoFillBackground() || text.isEmpty()) return {};
    const QRect view = scrolling->viewport()->geometry().translated(w->pos());
    return text.translated(scrolling->viewport()->mapTo(w, QPoint(0, 0)) + w->pos()).intersected(view);
  }
  auto* button = qobject_cast<QAbstractButton*>(w);
  const bool mark = qobject_cast<QCheckBox*>(w) != nullptr || qobject_cast<QRadioButton*>(w) != nullptr;
  if (mark && !button->text().isEmpty()) {
    QStyleOptionButton option;
    option.initFrom(button);
    const bool radio = qobject_cast<QRadioButton*>(w) != nullptr;
    const QStyle::SubElement text = radio ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents;
    return w->style()->subElementRect(text, &option, button).translated(w->pos());
  }
  return s.text;
}

}  // namespace

void LayoutCheck::checkBacking(const Shown& s, const std::vector<Shown>& shown) {
  const QRect text = textWithoutBacking(s);
  if (text.isEmpty()) return;
  for (const Shown& picture : shown) {
    if (picture.stack >= s.stack || !isPicture(picture)) continue;
    QRegion bare = QRegion(text.intersected(picture.box));
    for (const Shown& between : shown) {
      if (between.stack > picture.stack && between.stack < s.stack && fillsBox(between)) bare -= between.box;
    }
    if (bare.isEmpty()) continue;
    fail(*s.control, "backing",
         "its text is drawn over " + picture.widget->objectName().toStdString() + " with no backing");
    return;
  }
}

}  // namespace kervale::test
