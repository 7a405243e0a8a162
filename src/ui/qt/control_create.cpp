#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "ui/qt/form_window.h"
#include "ui/qt/qt_convert.h"
#include "ui/qt/qt_widgets.h"

namespace kervale::ui {

QWidget* FormWindow::createWidget(View& v) {
  Control& c = *v.control;
  View* view = &v;
  QWidget* w = nullptr;
  switch (c.kind()) {
    case ControlKind::Label: {
      if (c.state().scrollBars) {
        auto* scrolling = new ScrollingLabel(surface_);
        sources_[scrolling->label()] = view;
        scrolling->label()->installEventFilter(this);
        w = scrolling;
        break;
      }
      auto* label = new QLabel(surface_);
      label->setTextFormat(Qt::PlainText);
      label->setMouseTracking(true);
      w = label;
      break;
    }
    case ControlKind::CommandButton: {
      auto* button = new QPushButton(surface_);
      button->setAutoDefault(false);
      QObject::connect(button, &QPushButton::clicked, this,
                       [this, view] { act(*view, [view] { view->control->userClick(); }); });
      w = button;
      break;
    }
    case ControlKind::TextBox:
      if (c.state().multiLine) {
        auto* edit = new QPlainTextEdit(surface_);
        QObject::connect(edit, &QPlainTextEdit::textChanged, this, [this, view, edit] {
          act(*view, [view, edit] { view->control->userSetText(withCrLf(edit->toPlainText())); });
        });
        w = edit;
      } else {
        auto* edit = new QLineEdit(surface_);
        QObject::connect(edit, &QLineEdit::textEdited, this, [this, view](const QString& text) {
          act(*view, [view, &text] { view->control->userSetText(text.toStdString()); });
        });
        w = edit;
      }
      break;
    case ControlKind::ListBox:
    case ControlKind::DriveListBox:
    case ControlKind::DirListBox:
    case ControlKind::FileListBox: {
      auto* list = new ListWidget(surface_);
      list->setSelectionMode(QAbstractItemView::SingleSelection);
      list->onUserRow = [this, view](int row) { act(*view, [view, row] { view->control->userSelectItem(row); }); };
      QObject::connect(list, &QListWidget::itemDoubleClicked, this,
                       [this, view] { act(*view, [view] { view->control->userDblClick(); }); });
      sources_[list->viewport()] = view;
      w = list;
      break;
    }
    case ControlKind::ComboBox: {
      auto* combo = new QComboBox(surface_);
      QObject::connect(combo, &QComboBox::activated, this,
                       [this, view](int row) { act(*view, [view, row] { view->control->userSelectItem(row); }); });
      w = combo;
      break;
    }
    case ControlKind::CheckBox: {
      auto* box = new QCheckBox(surface_);
      // The model decides the new value.
      QObject::connect(box, &QCheckBox::clicked, this,
                       [this, view] { act(*view, [view] { view->control->userClick(); }); });
      w = box;
      break;
    }
    case ControlKind::OptionButton: {
      auto* option = new QRadioButton(surface_);
      option->setAutoExclusive(false);  // the model keeps the group
      QObject::connect(option, &QRadioButton::clicked, this,
                       [this, view] { act(*view, [view] { view->control->userClick(); }); });
      w = option;
      break;
    }
    case ControlKind::HScrollBar:
    case ControlKind::VScrollBar: {
      auto* bar = new QScrollBar(c.kind() == ControlKind::HScrollBar ? Qt::Horizontal : Qt::Vertical, surface_);
      // A drag moves the value as Scroll; Change comes with the value.
      bar->setTracking(false);
      QObject::connect(bar, &QScrollBar::valueChanged, this,
                       [this, view](int value) { act(*view, [view, value] { view->control->userSetValue(value); }); });
      QObject::connect(bar, &QScrollBar::sliderMoved, this,
                       [this, view](int value) { act(*view, [view, value] { view->control->userScroll(value); }); });
      w = bar;
      break;
    }
    case ControlKind::Frame:
      w = new QGroupBox(surface_);
      break;
    case ControlKind::Image:
    case ControlKind::PictureBox: {
      auto* picture = new QLabel(surface_);
      picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      picture->setMouseTracking(true);
      w = picture;
      break;
    }
    case ControlKind::Shape:
    case ControlKind::Line:
      w = new ShapeWidget(surface_, c.kind());
      break;
  }
  w->setObjectName(qs(c.index() >= 0 ? c.name() + "(" + std::to_string(c.index()) + ")" : c.name()));
  sources_[w] = view;
  w->installEventFilter(this);
  if (c.onMouseMove) w->setMouseTracking(true);  // moves without a button held
  if (isListWidget(c.kind())) {
    QWidget* viewport = static_cast<QListWidget*>(w)->viewport();
    viewport->installEventFilter(this);
    if (c.onMouseMove) viewport->setMouseTracking(true);
  }
  return w;
}

}  // namespace kervale::ui
