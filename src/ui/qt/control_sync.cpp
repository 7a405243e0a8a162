// Model to widgets: each kind of control has its own apply function, which
// pushes what changed since the last push (or everything on a fresh one).
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>

#include "ui/qt/form_window.h"
#include "ui/qt/qt_convert.h"
#include "ui/qt/qt_widgets.h"

namespace kervale::ui {

namespace {

// What one apply function needs: the state now, the state pushed last time,
// and whether everything is to be pushed.
struct Change {
  const ControlState& now;
  const ControlState& last;
  bool everything;
  bool caption() const { return everything || now.caption != last.caption; }
  bool size() const { return everything || now.width != last.width || now.height != last.height; }
};

void applyBackColour(QWidget* widget, const Change& c, bool opaque) {
  widget->setAutoFillBackground(opaque);
  if (opaque) setBackground(widget, QPalette::Window, qcolour(c.now.backColor));
}

void applyBorder(QFrame* frame, const Change& c) {
  if (!c.everything && c.now.borderStyle == c.last.borderStyle) return;
  frame->setFrameStyle(c.now.borderStyle != 0 ? QFrame::Panel | QFrame::Sunken : QFrame::NoFrame);
  frame->setLineWidth(1);
}

void applyListColours(QWidget* widget, const Change& c) {
  setBackground(widget, QPalette::Base, qcolour(c.now.backColor));
  setForeground(widget, QPalette::Text, qcolour(c.now.foreColor));
}

void applyGeometry(QWidget* widget, ControlKind kind, const Change& c) {
  const ControlState& s = c.now;
  const ControlState& l = c.last;
  if (kind == ControlKind::Line) {
    if (!c.everything && s.x1 == l.x1 && s.y1 == l.y1 && s.x2 == l.x2 && s.y2 == l.y2 &&
        s.borderWidth == l.borderWidth) {
      return;
    }
    const int pad = std::max(1, s.borderWidth);
    QRect box = QRect(QPoint(px(s.x1), px(s.y1)), QPoint(px(s.x2), px(s.y2))).normalized();
    box.adjust(-pad, -pad, pad, pad);
    widget->setGeometry(box);
  } else if (c.everything || s.left != l.left || s.top != l.top || c.size()) {
    const QRect place(px(s.left), px(s.top), std::max(0, px(s.width)), std::max(0, px(s.height)));
    if (auto* scrolling = dynamic_cast<ScrollingLabel*>(widget)) {
      scrolling->place(place);
    } else {
      widget->setGeometry(place);
    }
  }
}

// A one-line label whose text is wider than the label shows it cut with an
// ellipsis, and the whole text as its tip. A pixel too wide is no cut: the
// last glyph's edge is clipped unseen.
void applyLabelText(QLabel* label, const ControlState& s) {
  const QString text = withLineBreaks(s.caption);
  const QFontMetrics metrics = label->fontMetrics();
  const int room = label->contentsRect().width();
  const bool oneLine = !label->wordWrap() && !s.autoSize && !text.contains('\n');
  const bool fits = !oneLine || metrics.horizontalAdvance(text) <= room + 1;
  const QString shown = fits ? text : metrics.elidedText(text, Qt::ElideRight, room);
  if (label->text() != shown) label->setText(shown);
  if (s.toolTipText.empty()) label->setToolTip(fits ? QString() : text);
}

void applyLabel(QLabel* label, const Change& c) {
  const ControlState& s = c.now;
  // A label one line high never wraps: a wrapped second line would be hidden.
  const bool roomForTwoLines = label->height() >= 2 * label->fontMetrics().lineSpacing();
  label->setWordWrap(s.autoSize ? s.wordWrap : roomForTwoLines);
  // A box of one line (a grid's cell, a link) holds its text in its middle,
  // level with the buttons and lists of its row; a row of a table barely
  // taller than its line keeps it at the top, where lines between rows pass.
  const int spare = label->contentsRect().height() - label->fontMetrics().height();
  const bool boxOfOneLine = !label->wordWrap() && (s.opaque || s.borderStyle != 0) && spare > 5;
  const Qt::Alignment alignment = horizontal(s.alignment) | (boxOfOneLine ? Qt::AlignVCenter : Qt::AlignTop);
  if (label->alignment() != alignment) label->setAlignment(alignment);
  applyBackColour(label, c, s.opaque);
  setForeground(label, QPalette::WindowText, qcolour(s.foreColor));
  applyBorder(label, c);
  applyLabelText(label, s);
  if (!s.autoSize) return;
  if (s.wordWrap) {
    label->resize(label->width(), label->heightForWidth(label->width()));
  } else {
    label->resize(label->sizeHint());
  }
}

// A scrolling label wraps its text and never shortens it: the view scrolls.
void applyScrollingLabel(ScrollingLabel* view, const Change& c) {
  const ControlState& s = c.now;
  QLabel* label = view->label();
  if (c.everything || s.alignment != c.last.alignment) label->setAlignment(horizontal(s.alignment) | Qt::AlignTop);
  if (c.everything || !(s.font == c.last.font)) label->setFont(qfont(s.font));
  applyBackColour(label, c, s.opaque);
  setForeground(label, QPalette::WindowText, qcolour(s.foreColor));
  applyBorder(view, c);
  if (c.caption()) label->setText(withLineBreaks(s.caption));
}

void applyButton(QPushButton* button, QtBackend& backend, const Change& c) {
  const ControlState& s = c.now;
  if (c.caption()) button->setText(qs(s.caption));
  // A graphical button shows its picture, scaled into the button.
  if (c.everything || s.picture != c.last.picture || c.size()) {
    const QPixmap pixmap = backend.picture(s.picture);
    button->setIcon(pixmap.isNull() ? QIcon() : QIcon(pixmap));
    button->setIconSize(QSize(s.width / kTwipsPerPixel - 6, s.height / kTwipsPerPixel - 6));
  }
  button->setDefault(s.isDefault);
  // The face colour is the style's own and follows the desktop's scheme; any
  // other colour marks the button.
  if (c.everything || s.backColor != c.last.backColor) {
    if (s.backColor == kButtonFace) {
      button->setPalette(QPalette());
    } else {
      setBackground(button, QPalette::Button, qcolour(s.backColor));
    }
  }
}

void applyTextBox(QWidget* widget, const Change& c) {
  const ControlState& s = c.now;
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    if (edit->text() != qs(s.text)) edit->setText(qs(s.text));
    edit->setAlignment(horizontal(s.alignment) | Qt::AlignVCenter);
    edit->setReadOnly(s.locked);
  } else {
    auto* multi = static_cast<QPlainTextEdit*>(widget);
    if (withCrLf(multi->toPlainText()) != s.text) {
      const QString shown = withLineBreaks(s.text);
      if (multi->toPlainText() != shown) multi->setPlainText(shown);
    }
    multi->setReadOnly(s.locked);
  }
  applyListColours(widget, c);
}

// Rows added at the end (a commentary growing) keep the list where the user
// scrolled it; any other change rebuilds it. True when rebuilt.
bool applyRows(QListWidget* list, const Change& c) {
  const ControlState& s = c.now;
  const ControlState& l = c.last;
  if (!c.everything && s.items == l.items) return false;
  std::size_t keep = 0;
  bool rebuilt = false;
  if (!c.everything && s.items.size() >= l.items.size() && list->count() == static_cast<int>(l.items.size()) &&
      std::equal(l.items.begin(), l.items.end(), s.items.begin())) {
    keep = l.items.size();
  } else {
    list->clear();
    rebuilt = true;
  }
  QStringList rows;
  rows.reserve(static_cast<qsizetype>(s.items.size() - keep));
  for (std::size_t i = keep; i < s.items.size(); ++i) rows.push_back(qs(s.items[i]));
  list->addItems(rows);
  return rebuilt;
}

void applyList(ListWidget* list, ControlKind kind, const Change& c) {
  const ControlState& s = c.now;
  if (kind == ControlKind::DirListBox) list->setHeading(qs(s.path));
  const bool rebuilt = applyRows(list, c);
  if (c.everything || s.topIndex != c.last.topIndex || rebuilt) {
    if (QListWidgetItem* top = list->item(s.topIndex)) list->scrollToItem(top, QAbstractItemView::PositionAtTop);
  }
  if (list->currentRow() != s.listIndex) {
    if (s.listIndex >= 0 && s.listIndex < list->count()) {
      list->setCurrentRow(s.listIndex);
      list->scrollToItem(list->currentItem());
    } else {
      list->setCurrentRow(-1);
      list->clearSelection();
    }
  }
  applyListColours(list, c);
}

void applyCombo(QComboBox* combo, const Change& c) {
  const ControlState& s = c.now;
  if (c.everything || s.items != c.last.items) {
    QStringList items;
    items.reserve(static_cast<qsizetype>(s.items.size()));
    for (const std::string& item : s.items) items.push_back(qs(item));
    combo->clear();
    combo->addItems(items);
  }
  const int want = s.listIndex < combo->count() ? s.listIndex : -1;
  if (combo->currentIndex() != want) combo->setCurrentIndex(want);
  // A text that is no item shows while nothing is selected.
  combo->setPlaceholderText(qs(s.text));
  applyListColours(combo, c);
  setBackground(combo, QPalette::Button, qcolour(s.backColor));
  setForeground(combo, QPalette::ButtonText, qcolour(s.foreColor));
}

void applyCheckOrOption(QAbstractButton* button, const Change& c) {
  const ControlState& s = c.now;
  if (c.caption()) button->setText(qs(s.caption));
  if (auto* box = qobject_cast<QCheckBox*>(button)) {
    const Qt::CheckState want = s.value == 1 ? Qt::Checked : s.value == 2 ? Qt::PartiallyChecked : Qt::Unchecked;
    if (box->checkState() != want) box->setCheckState(want);
  } else if (button->isChecked() != (s.value != 0)) {
    button->setChecked(s.value != 0);
  }
  // As a button's: the face is the style's own and follows the desktop's
  // scheme; any other colour is the box's backing.
  button->setBackgroundRole(s.backColor == kButtonFace ? QPalette::Button : QPalette::Window);
  applyBackColour(button, c, s.opaque);
  setForeground(button, QPalette::WindowText, qcolour(s.foreColor));
}

void applyScrollBar(QScrollBar* bar, const Change& c) {
  const ControlState& s = c.now;
  const bool reversed = s.min > s.max;
  bar->setRange(std::min(s.min, s.max), std::max(s.min, s.max));
  bar->setInvertedAppearance(reversed);
  bar->setInvertedControls(reversed);
  bar->setSingleStep(s.smallChange);
  bar->setPageStep(s.largeChange);
  // Never fight the user's drag.
  if (!bar->isSliderDown() && bar->value() != s.value) bar->setValue(s.value);
}

void applyFrame(QGroupBox* group, const Change& c) {
  if (c.caption()) group->setTitle(qs(c.now.caption));
  applyBackColour(group, c, c.now.opaque);
  setForeground(group, QPalette::WindowText, qcolour(c.now.foreColor));
}

void applyPicture(QLabel* picture, ControlKind kind, QtBackend& backend, const Change& c) {
  const ControlState& s = c.now;
  if (c.everything || s.picture != c.last.picture) {
    const QPixmap pixmap = backend.picture(s.picture);
    if (pixmap.isNull()) {
      picture->clear();
    } else {
      picture->setPixmap(pixmap);
    }
  }
  picture->setScaledContents(s.stretch);
  if (kind == ControlKind::PictureBox) {
    applyBackColour(picture, c, s.opaque);
    applyBorder(picture, c);
  } else {
    picture->setAutoFillBackground(false);
  }
}

}  // namespace

void FormWindow::apply(View& v, bool all) {
  const Change change{v.control->state(), v.last, all || v.fresh};
  QWidget* w = v.widget;
  const QSignalBlocker blocker(w);
  const ControlKind kind = v.control->kind();
  applyGeometry(w, kind, change);
  applyVisibility(v);
  if (change.everything || change.now.toolTipText != change.last.toolTipText)
    w->setToolTip(withLineBreaks(change.now.toolTipText));
  if (change.everything || !(change.now.font == change.last.font)) w->setFont(qfont(change.now.font));

  switch (kind) {
    case ControlKind::Label:
      if (auto* scrolling = dynamic_cast<ScrollingLabel*>(w)) {
        applyScrollingLabel(scrolling, change);
      } else {
        applyLabel(static_cast<QLabel*>(w), change);
      }
      break;
    case ControlKind::CommandButton:
      applyButton(static_cast<QPushButton*>(w), backend_, change);
      break;
    case ControlKind::TextBox:
      applyTextBox(w, change);
      break;
    case ControlKind::ListBox:
    case ControlKind::DriveListBox:
    case ControlKind::DirListBox:
    case ControlKind::FileListBox:
      applyList(static_cast<ListWidget*>(w), kind, change);
      break;
    case ControlKind::ComboBox:
      applyCombo(static_cast<QComboBox*>(w), change);
      break;
    case ControlKind::CheckBox:
    case ControlKind::OptionButton:
      applyCheckOrOption(static_cast<QAbstractButton*>(w), change);
      break;
    case ControlKind::HScrollBar:
    case ControlKind::VScrollBar:
      applyScrollBar(static_cast<QScrollBar*>(w), change);
      break;
    case ControlKind::Frame:
      applyFrame(static_cast<QGroupBox*>(w), change);
      break;
    case ControlKind::Image:
    case ControlKind::PictureBox:
      applyPicture(static_cast<QLabel*>(w), kind, backend_, change);
      break;
    case ControlKind::Shape:
    case ControlKind::Line:
      static_cast<ShapeWidget*>(w)->setState(change.now, w->pos());
      break;
  }
  v.last = v.control->state();
  v.fresh = false;
  v.resync = false;
}

}  // namespace kervale::ui
