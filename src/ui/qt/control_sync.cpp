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

void FormWindow::apply(View& v, bool all) {
  const ControlState& s = v.control->state();
  ControlState& l = v.last;
  const bool f = all || v.fresh;
  QWidget* w = v.widget;
  const QSignalBlocker blocker(w);
  const ControlKind kind = v.control->kind();

  if (kind == ControlKind::Line) {
    if (f || s.x1 != l.x1 || s.y1 != l.y1 || s.x2 != l.x2 || s.y2 != l.y2 || s.borderWidth != l.borderWidth) {
      int pad = std::max(1, s.borderWidth);
      QRect box = QRect(QPoint(px(s.x1), px(s.y1)), QPoint(px(s.x2), px(s.y2))).normalized();
      box.adjust(-pad, -pad, pad, pad);
      w->setGeometry(box);
    }
  } else if (f || s.left != l.left || s.top != l.top || s.width != l.width || s.height != l.height) {
    w->setGeometry(px(s.left), px(s.top), std::max(0, px(s.width)), std::max(0, px(s.height)));
  }
  applyVisibility(v);
  if (f || s.toolTipText != l.toolTipText) w->setToolTip(qs(s.toolTipText));
  if (f || !(s.font == l.font)) w->setFont(qfont(s.font));

  auto backColour = [&](bool opaque) {
    w->setAutoFillBackground(opaque);
    if (opaque) setBackground(w, QPalette::Window, qcolour(s.backColor));
  };
  auto frame = [&](QFrame* fr) {
    if (f || s.borderStyle != l.borderStyle) {
      fr->setFrameStyle(s.borderStyle != 0 ? QFrame::Panel | QFrame::Sunken : QFrame::NoFrame);
      fr->setLineWidth(1);
    }
  };
  auto listColours = [&] {
    setBackground(w, QPalette::Base, qcolour(s.backColor));
    setForeground(w, QPalette::Text, qcolour(s.foreColor));
  };

  switch (kind) {
    case ControlKind::Label: {
      auto* label = static_cast<QLabel*>(w);
      if (f || s.caption != l.caption) label->setText(withLineBreaks(s.caption));
      if (f || s.alignment != l.alignment) label->setAlignment(horizontal(s.alignment) | Qt::AlignTop);
      label->setWordWrap(!s.autoSize || s.wordWrap);
      backColour(s.opaque);
      setForeground(w, QPalette::WindowText, qcolour(s.foreColor));
      frame(label);
      if (s.autoSize) {
        if (s.wordWrap) {
          label->resize(label->width(), label->heightForWidth(label->width()));
        } else {
          label->resize(label->sizeHint());
        }
      }
      break;
    }
    case ControlKind::CommandButton: {
      auto* button = static_cast<QPushButton*>(w);
      if (f || s.caption != l.caption) button->setText(qs(s.caption));
      // A graphical button shows its picture, scaled into the button.
      if (f || s.picture != l.picture || s.width != l.width || s.height != l.height) {
        const QPixmap pixmap = backend_.picture(s.picture);
        button->setIcon(pixmap.isNull() ? QIcon() : QIcon(pixmap));
        button->setIconSize(QSize(s.width / kTwipsPerPixel - 6, s.height / kTwipsPerPixel - 6));
      }
      button->setDefault(s.isDefault);
      break;
    }
    case ControlKind::TextBox:
      if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        if (edit->text() != qs(s.text)) edit->setText(qs(s.text));
        edit->setAlignment(horizontal(s.alignment) | Qt::AlignVCenter);
        edit->setReadOnly(s.locked);
      } else {
        auto* multi = static_cast<QPlainTextEdit*>(w);
        if (withCrLf(multi->toPlainText()) != s.text) {
          QString shown = withLineBreaks(s.text);
          if (multi->toPlainText() != shown) multi->setPlainText(shown);
        }
        multi->setReadOnly(s.locked);
      }
      listColours();
      break;
    case ControlKind::ListBox:
    case ControlKind::DriveListBox:
    case ControlKind::DirListBox:
    case ControlKind::FileListBox: {
      auto* list = static_cast<ListWidget*>(w);
      if (kind == ControlKind::DirListBox) list->setHeading(qs(s.path));
      bool rebuilt = false;
      if (f || s.items != l.items) {
        // Items added at the end (a commentary growing) keep the list where the user scrolled it.
        std::size_t keep = 0;
        if (!f && s.items.size() >= l.items.size() && list->count() == static_cast<int>(l.items.size()) &&
            std::equal(l.items.begin(), l.items.end(), s.items.begin())) {
          keep = l.items.size();
        } else {
          list->clear();
          rebuilt = true;
        }
        QStringList items;
        items.reserve(static_cast<qsizetype>(s.items.size() - keep));
        for (std::size_t i = keep; i < s.items.size(); ++i) items.push_back(qs(s.items[i]));
        list->addItems(items);
      }
      if (f || s.topIndex != l.topIndex || rebuilt) {
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
      listColours();
      break;
    }
    case ControlKind::ComboBox: {
      auto* combo = static_cast<QComboBox*>(w);
      if (f || s.items != l.items) {
        QStringList items;
        items.reserve(static_cast<qsizetype>(s.items.size()));
        for (const std::string& item : s.items) items.push_back(qs(item));
        combo->clear();
        combo->addItems(items);
      }
      int want = s.listIndex < combo->count() ? s.listIndex : -1;
      if (combo->currentIndex() != want) combo->setCurrentIndex(want);
      // A text that is no item shows while nothing is selected.
      combo->setPlaceholderText(qs(s.text));
      listColours();
      setBackground(w, QPalette::Button, qcolour(s.backColor));
      setForeground(w, QPalette::ButtonText, qcolour(s.foreColor));
      break;
    }
    case ControlKind::CheckBox:
    case ControlKind::OptionButton: {
      auto* button = static_cast<QAbstractButton*>(w);
      if (f || s.caption != l.caption) button->setText(qs(s.caption));
      if (auto* box = qobject_cast<QCheckBox*>(w)) {
        Qt::CheckState want = s.value == 1 ? Qt::Checked : s.value == 2 ? Qt::PartiallyChecked : Qt::Unchecked;
        if (box->checkState() != want) box->setCheckState(want);
      } else if (button->isChecked() != (s.value != 0)) {
        button->setChecked(s.value != 0);
      }
      backColour(s.opaque);
      setForeground(w, QPalette::WindowText, qcolour(s.foreColor));
      break;
    }
    case ControlKind::HScrollBar:
    case ControlKind::VScrollBar: {
      auto* bar = static_cast<QScrollBar*>(w);
      bool reversed = s.min > s.max;
      bar->setRange(std::min(s.min, s.max), std::max(s.min, s.max));
      bar->setInvertedAppearance(reversed);
      bar->setInvertedControls(reversed);
      bar->setSingleStep(s.smallChange);
      bar->setPageStep(s.largeChange);
      // Never fight the user's drag.
      if (!bar->isSliderDown() && bar->value() != s.value) bar->setValue(s.value);
      break;
    }
    case ControlKind::Frame: {
      auto* group = static_cast<QGroupBox*>(w);
      if (f || s.caption != l.caption) group->setTitle(qs(s.caption));
      backColour(s.opaque);
      setForeground(w, QPalette::WindowText, qcolour(s.foreColor));
      break;
    }
    case ControlKind::Image:
    case ControlKind::PictureBox: {
      auto* picture = static_cast<QLabel*>(w);
      if (f || s.picture != l.picture) {
        QPixmap pixmap = backend_.picture(s.picture);
        if (pixmap.isNull()) {
          picture->clear();
        } else {
          picture->setPixmap(pixmap);
        }
      }
      picture->setScaledContents(s.stretch);
      if (kind == ControlKind::PictureBox) {
        backColour(s.opaque);
        frame(picture);
      } else {
        picture->setAutoFillBackground(false);
      }
      break;
    }
    case ControlKind::Shape:
    case ControlKind::Line:
      static_cast<ShapeWidget*>(w)->setState(s, w->pos());
      break;
  }
  l = s;
  v.fresh = false;
  v.resync = false;
}

}  // namespace kervale::ui
