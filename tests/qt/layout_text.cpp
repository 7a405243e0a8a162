#include "qt/layout_text.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>

namespace kervale::test {

namespace {

int wrapFlags(const QLabel* l) { return static_cast<int>(l->alignment()) | (l->wordWrap() ? Qt::TextWordWrap : 0); }

// A plain label: a scrolling text is a label's child, not the control's widget.
QLabel* plainLabel(QWidget* w) {
  auto* l = qobject_cast<QLabel*>(w);
  return l != nullptr && l->pixmap().isNull() && !l->text().isEmpty() ? l : nullptr;
}

// The box draws its text in the field left of its arrow, a pixel in from each side.
int comboTextRoom(QComboBox* combo) {
  QStyleOptionComboBox option;
  option.initFrom(combo);
  option.editable = combo->isEditable();
  option.frame = combo->hasFrame();
  option.subControls = QStyle::SC_All;
  const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
  return field.width() - 2;
}

}  // namespace

QStringList captionLines(const ui::Control& c) {
  QString text = QString::fromStdString(c.caption());
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace('\r', '\n');
  return text.split('\n');
}

TextRoom textRoom(const ui::Control& c, QWidget* w) {
  const QStyle* style = w->style();
  if (auto* l = qobject_cast<QLabel*>(w)) return {captionLines(c), l->contentsRect().width()};
  if (auto* g = qobject_cast<QGroupBox*>(w)) return {{g->title()}, w->width() - 16};
  if (auto* b = qobject_cast<QAbstractButton*>(w)) {
    QString text = b->text().remove('&');
    if (b->inherits("QPushButton")) return {{text}, w->width() - 6};
    const bool radio = b->inherits("QRadioButton");
    const int mark = style->pixelMetric(radio ? QStyle::PM_ExclusiveIndicatorWidth : QStyle::PM_IndicatorWidth) +
                     style->pixelMetric(radio ? QStyle::PM_RadioButtonLabelSpacing : QStyle::PM_CheckBoxLabelSpacing);
    return {{text}, w->width() - mark};
  }
  if (auto* list = qobject_cast<QListWidget*>(w)) {
    TextRoom r{{}, list->viewport()->width() - 4};
    for (int i = 0; i < list->count(); ++i) r.lines.push_back(list->item(i)->text());
    return r;
  }
  if (auto* combo = qobject_cast<QComboBox*>(w)) {
    TextRoom r{{}, comboTextRoom(combo)};
    for (int i = 0; i < combo->count(); ++i) r.lines.push_back(combo->itemText(i));
    if (combo->currentIndex() < 0) r.lines.push_back(combo->placeholderText());
    return r;
  }
  return {};
}

QRect drawnText(QWidget* w) {
  QLabel* l = plainLabel(w);
  if (l == nullptr) return {};
  const QRect inside = l->contentsRect();
  const QRect text = l->fontMetrics().boundingRect(inside, wrapFlags(l), l->text());
  return text.intersected(inside).translated(l->pos());
}

std::vector<QRect> inkRows(QWidget* w) {
  const QRect text = drawnText(w);
  if (text.isEmpty()) return {};
  const QFontMetrics m = w->fontMetrics();
  std::vector<QRect> rows;
  for (int top = text.top(); top + m.ascent() - m.capHeight() <= text.bottom(); top += m.lineSpacing()) {
    const int inkTop = top + m.ascent() - m.capHeight();
    const int inkBottom = std::min(top + m.ascent() + m.descent() - 1, text.bottom());
    rows.emplace_back(QPoint(text.left(), inkTop), QPoint(text.right(), inkBottom));
  }
  return rows;
}

int neededHeight(QWidget* w) {
  QLabel* l = plainLabel(w);
  if (l == nullptr) return 0;
  const QRect inside = l->contentsRect();
  return l->fontMetrics()
      .boundingRect(QRect(inside.topLeft(), QSize(inside.width(), 1 << 20)), wrapFlags(l), l->text())
      .height();
}

QPoint textSpot(QWidget* w) {
  if (!drawnText(w).isEmpty()) return drawnText(w).center();
  if (auto* g = qobject_cast<QGroupBox*>(w); g != nullptr && !g->title().isEmpty()) {
    QStyleOptionGroupBox option;
    option.initFrom(g);
    option.text = g->title();
    option.subControls = QStyle::SC_GroupBoxLabel;
    const QRect title = g->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, g);
    if (!title.isEmpty()) return title.center() + g->pos();
  }
  return w->geometry().center();
}

}  // namespace kervale::test
