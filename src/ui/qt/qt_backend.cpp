#include "ui/qt/qt_backend.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QEventLoop>
#include <QGroupBox>
#include <QIcon>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>

#include "ui/control.h"
#include "ui/form.h"
#include "ui/menu.h"

namespace kervale::ui {

namespace {

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// Char 13, alone or followed by a line feed, breaks a line.
QString withLineBreaks(std::string_view s) {
  QString t = qs(s);
  t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  t.replace(QChar('\r'), QChar('\n'));
  return t;
}

// A multi-line text box holds CR LF line ends.
std::string withCrLf(const QString& s) {
  QString t = s;
  t.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
  return t.toStdString();
}

int px(int twips) { return static_cast<int>(std::lround(twips / static_cast<double>(kTwipsPerPixel))); }

// Colours with the top bit set name a system colour by its index.
Colour systemColour(Colour index) {
  switch (index) {
    case 0x05:  // window background
    case 0x0E:  // highlighted text
      return kWhite;
    case 0x08:  // window text
    case 0x12:  // button text
    case 0x07:  // menu text
      return kBlack;
    case 0x0D:  // highlight
      return rgbColour(0, 0, 128);
    case 0x11:  // grey text
      return rgbColour(128, 128, 128);
    default:
      return kButtonFace;
  }
}

QColor qcolour(Colour c) {
  if ((c & 0x80000000u) != 0) c = systemColour(c & 0xFFu);
  return QColor(redOf(c), greenOf(c), blueOf(c));
}

QFont qfont(const Font& f) {
  QFont font = QApplication::font();
  if (!f.name.empty() && f.name != "MS Sans Serif") {
    font.setFamilies({qs(f.name)});
    QString name = qs(f.name).toLower();
    if (name.contains(QStringLiteral("courier")) || name.contains(QStringLiteral("mono"))) {
      font.setStyleHint(QFont::TypeWriter);
    } else if (name.contains(QStringLiteral("times")) || name.contains(QStringLiteral("serif"))) {
      font.setStyleHint(name.contains(QStringLiteral("sans")) ? QFont::SansSerif : QFont::Serif);
    } else {
      font.setStyleHint(QFont::SansSerif);
    }
  }
  if (f.size > 0) font.setPointSizeF(f.size);
  font.setBold(f.bold);
  font.setItalic(f.italic);
  font.setUnderline(f.underline);
  return font;
}

// Text colours are left alone in the disabled group, so a disabled control
// still looks disabled.
void setForeground(QWidget* w, QPalette::ColorRole role, const QColor& c) {
  QPalette p = w->palette();
  if (p.color(QPalette::Active, role) == c && p.color(QPalette::Inactive, role) == c) return;
  p.setColor(QPalette::Active, role, c);
  p.setColor(QPalette::Inactive, role, c);
  w->setPalette(p);
}

void setBackground(QWidget* w, QPalette::ColorRole role, const QColor& c) {
  QPalette p = w->palette();
  if (p.color(QPalette::Active, role) == c && p.color(QPalette::Disabled, role) == c) return;
  p.setColor(role, c);
  w->setPalette(p);
}

Qt::Alignment horizontal(Alignment a) {
  switch (a) {
    case Alignment::Right:
      return Qt::AlignRight;
    case Alignment::Center:
      return Qt::AlignHCenter;
    case Alignment::Left:
      break;
  }
  return Qt::AlignLeft;
}

int mouseButtons(Qt::MouseButtons b) {
  return ((b & Qt::LeftButton) ? 1 : 0) | ((b & Qt::RightButton) ? 2 : 0) | ((b & Qt::MiddleButton) ? 4 : 0);
}

int shiftState(Qt::KeyboardModifiers m) {
  return ((m & Qt::ShiftModifier) ? 1 : 0) | ((m & Qt::ControlModifier) ? 2 : 0) | ((m & Qt::AltModifier) ? 4 : 0);
}

// Labels, images, shapes and lines sit below the other controls.
bool isGraphical(ControlKind k) {
  return k == ControlKind::Label || k == ControlKind::Image || k == ControlKind::Shape || k == ControlKind::Line;
}

bool isListWidget(ControlKind k) {
  return k == ControlKind::ListBox || k == ControlKind::DriveListBox || k == ControlKind::DirListBox ||
         k == ControlKind::FileListBox;
}

// Visible and enabled take the frames the control stands in into account.
bool shownWithFrames(const Control& c) {
  int depth = 0;
  for (const Control* p = &c; p != nullptr && depth < 32; p = p->container(), ++depth) {
    if (!p->visible()) return false;
  }
  return true;
}

bool enabledWithFrames(const Control& c) {
  int depth = 0;
  for (const Control* p = &c; p != nullptr && depth < 32; p = p->container(), ++depth) {
    if (!p->enabled()) return false;
  }
  return true;
}

Qt::PenStyle penStyle(int borderStyle) {
  switch (borderStyle) {
    case 0:
      return Qt::NoPen;
    case 2:
      return Qt::DashLine;
    case 3:
      return Qt::DotLine;
    case 4:
      return Qt::DashDotLine;
    case 5:
      return Qt::DashDotDotLine;
    default:
      return Qt::SolidLine;
  }
}

Qt::BrushStyle fillPattern(int fillStyle) {
  switch (fillStyle) {
    case 0:
      return Qt::SolidPattern;
    case 2:
      return Qt::HorPattern;
    case 3:
      return Qt::VerPattern;
    case 4:
      return Qt::BDiagPattern;
    case 5:
      return Qt::FDiagPattern;
    case 6:
      return Qt::CrossPattern;
    case 7:
      return Qt::DiagCrossPattern;
    default:
      return Qt::NoBrush;
  }
}

// The client area of a form: its colour and its picture, scaled to fill.
class Surface : public QWidget {
 public:
  explicit Surface(QWidget* parent) : QWidget(parent) {}
  void setLook(const QColor& back, const QPixmap& picture) {
    back_ = back;
    picture_ = picture;
    scaled_ = QPixmap();
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), back_);
    if (picture_.isNull()) return;
    if (scaled_.size() != size()) {
      scaled_ = picture_.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    p.drawPixmap(0, 0, scaled_);
  }

 private:
  QColor back_;
  QPixmap picture_;
  QPixmap scaled_;
};

// A shape or a line, painted from the control's state.
class ShapeWidget : public QWidget {
 public:
  ShapeWidget(QWidget* parent, ControlKind kind) : QWidget(parent), kind_(kind) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }
  void setState(const ControlState& s, QPoint origin) {
    state_ = s;
    origin_ = origin;
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    const ControlState& s = state_;
    QPen pen(qcolour(s.borderColor), std::max(1, s.borderWidth));
    if (kind_ == ControlKind::Line) {
      // A line with no border style would be invisible: draw it solid.
      pen.setStyle(s.borderStyle >= 2 ? penStyle(s.borderStyle) : Qt::SolidLine);
      p.setRenderHint(QPainter::Antialiasing, s.x1 != s.x2 && s.y1 != s.y2);
      p.setPen(pen);
      p.drawLine(QPoint(px(s.x1), px(s.y1)) - origin_, QPoint(px(s.x2), px(s.y2)) - origin_);
      return;
    }
    pen.setStyle(penStyle(s.borderStyle));
    pen.setJoinStyle(Qt::MiterJoin);
    QRectF r = QRectF(rect());
    if (s.shape == ShapeType::Square || s.shape == ShapeType::Circle || s.shape == ShapeType::RoundedSquare) {
      double side = std::min(r.width(), r.height());
      r = QRectF(r.center().x() - side / 2, r.center().y() - side / 2, side, side);
    }
    double inset = pen.style() == Qt::NoPen ? 0.0 : pen.widthF() / 2;
    r.adjust(inset, inset, -inset, -inset);
    bool round = s.shape != ShapeType::Rectangle && s.shape != ShapeType::Square;
    p.setRenderHint(QPainter::Antialiasing, round);
    auto draw = [&](const QBrush& brush, const QPen& outline) {
      p.setBrush(brush);
      p.setPen(outline);
      switch (s.shape) {
        case ShapeType::Oval:
        case ShapeType::Circle:
          p.drawEllipse(r);
          break;
        case ShapeType::RoundedRectangle:
        case ShapeType::RoundedSquare: {
          double radius = std::min(r.width(), r.height()) / 6;
          p.drawRoundedRect(r, radius, radius);
          break;
        }
        default:
          p.drawRect(r);
          break;
      }
    };
    if (s.opaque) draw(QBrush(qcolour(s.backColor)), Qt::NoPen);
    draw(QBrush(qcolour(s.fillColor), fillPattern(s.fillStyle)), pen);
  }

 private:
  ControlKind kind_;
  ControlState state_;
  QPoint origin_;
};

}  // namespace

// The window of one shown form and the widgets of its controls.
class FormWindow : public QMainWindow {
 public:
  FormWindow(QtBackend& backend, Form& form);

  Form& form() const { return form_; }
  QWidget* surface() const { return surface_; }
  QWidget* widgetOf(const Control& c) const {
    auto it = byControl_.find(&c);
    return it == byControl_.end() ? nullptr : it->second->widget;
  }
  QAction* actionOf(const MenuItem& m) const {
    auto it = actions_.find(&m);
    return it == actions_.end() ? nullptr : it->second;
  }

  // Model to widgets: everything, or only what changed.
  void push(bool all);
  // The form was unloaded: hidden now, deleted when the event loop is back.
  void kill();
  bool live() const { return !dead_ && !backend_.ended_; }

  QEventLoop* modalLoop = nullptr;
  bool dirty = false;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct View {
    Control* control = nullptr;
    QWidget* widget = nullptr;
    ControlState last;
    bool fresh = true;    // nothing pushed yet
    bool resync = false;  // the user acted on it: the widget may differ from the model
    bool doubleClicked = false;
  };

  void addView(Control& c);
  void restack();
  QWidget* createWidget(View& v);
  void apply(View& v, bool all);
  void applyVisibility(View& v);
  void applyForm(bool all);
  void buildMenus(QWidget* parent, const std::vector<MenuItem*>& items);
  void applyMenu(MenuItem& m, QAction* a);
  void applyMenus(bool all);
  void reconcile();
  // Runs a user action on the model, then has the widget re-read the model.
  template <class F>
  void act(View& v, F&& action);
  void pressButton(bool cancel);

  QtBackend& backend_;
  Form& form_;
  Surface* surface_;
  std::vector<std::unique_ptr<View>> views_;
  std::unordered_map<const Control*, View*> byControl_;
  std::unordered_map<QObject*, View*> sources_;  // widgets whose mouse and keys reach a control
  std::unordered_map<const MenuItem*, QAction*> actions_;
  FormState lastForm_;
  bool formFresh_ = true;
  bool menusResync_ = false;
  bool dead_ = false;
};

FormWindow::FormWindow(QtBackend& backend, Form& form) : backend_(backend), form_(form) {
  surface_ = new Surface(this);
  setCentralWidget(surface_);
  if (!form_.menuBar().empty()) buildMenus(menuBar(), form_.menuBar());
  for (Control* c : form_.controls()) addView(*c);
  restack();
  push(true);
}

void FormWindow::addView(Control& c) {
  auto v = std::make_unique<View>();
  v->control = &c;
  v->widget = createWidget(*v);
  byControl_[&c] = v.get();
  views_.push_back(std::move(v));
}

void FormWindow::restack() {
  for (auto it = views_.rbegin(); it != views_.rend(); ++it) {
    if (isGraphical((*it)->control->kind())) (*it)->widget->lower();
  }
  // Frames and picture boxes hold other controls, so they stand behind everything.
  for (auto it = views_.rbegin(); it != views_.rend(); ++it) {
    const ControlKind kind = (*it)->control->kind();
    if (kind == ControlKind::Frame || kind == ControlKind::PictureBox) (*it)->widget->lower();
  }
}

template <class F>
void FormWindow::act(View& v, F&& action) {
  if (!live()) return;
  QPointer<FormWindow> self(this);
  action();
  if (!self || !live()) return;
  v.resync = true;
  backend_.formChanged(form_);
}

QWidget* FormWindow::createWidget(View& v) {
  Control& c = *v.control;
  View* view = &v;
  QWidget* w = nullptr;
  switch (c.kind()) {
    case ControlKind::Label: {
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
      auto* list = new QListWidget(surface_);
      list->setSelectionMode(QAbstractItemView::SingleSelection);
      QObject::connect(list, &QListWidget::currentRowChanged, this, [this, view](int row) {
        if (row >= 0) act(*view, [view, row] { view->control->userSelectItem(row); });
      });
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

void FormWindow::applyVisibility(View& v) {
  bool visible = shownWithFrames(*v.control);
  if (v.widget->isHidden() == visible) v.widget->setVisible(visible);
  bool enabled = enabledWithFrames(*v.control);
  if (v.widget->testAttribute(Qt::WA_Disabled) == enabled) v.widget->setEnabled(enabled);
}

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
      auto* list = static_cast<QListWidget*>(w);
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

void FormWindow::applyForm(bool all) {
  const FormState& s = form_.state();
  FormState& l = lastForm_;
  const bool f = all || formFresh_;
  if (f || s.caption != l.caption) setWindowTitle(qs(s.caption));
  if (f || s.borderStyle != l.borderStyle || s.controlBox != l.controlBox) {
    Qt::WindowFlags flags = Qt::Window;
    if (s.borderStyle == 0) {
      flags |= Qt::FramelessWindowHint;
    } else if (!s.controlBox) {
      flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    } else if (s.borderStyle == 1 || s.borderStyle == 3) {
      flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
      if (s.borderStyle == 1) flags |= Qt::WindowMinimizeButtonHint;
    }
    if (windowFlags() != flags) {
      bool wasVisible = isVisible();
      setWindowFlags(flags);  // hides the window
      if (wasVisible) show();
    }
  }
  if (f || s.width != l.width || s.height != l.height || s.borderStyle != l.borderStyle) {
    QSize size(std::max(1, px(s.width)), std::max(1, px(s.height)));
    if (s.borderStyle == 2) {
      setMinimumSize(0, 0);
      setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
      resize(size);
    } else {
      setFixedSize(size);
    }
  }
  if (f || s.left != l.left || s.top != l.top) {
    if (s.left != 0 || s.top != 0) {
      move(px(s.left), px(s.top));
    } else if (QScreen* screen = QGuiApplication::primaryScreen()) {
      // No place given: the middle of the screen.
      QRect area = screen->availableGeometry();
      move(area.center() - QPoint(width() / 2, height() / 2));
    }
  }
  if (f || s.backColor != l.backColor || s.picture != l.picture) {
    static_cast<Surface*>(surface_)->setLook(qcolour(s.backColor), backend_.picture(s.picture));
  }
  if (!f && s.maximized != l.maximized && isVisible()) {
    if (s.maximized) {
      showMaximized();
    } else {
      showNormal();
    }
  }
  l = s;
  formFresh_ = false;
}

void FormWindow::buildMenus(QWidget* parent, const std::vector<MenuItem*>& items) {
  for (MenuItem* item : items) {
    QAction* action = nullptr;
    if (!item->children().empty()) {
      auto* menu = new QMenu(parent);
      action = menu->menuAction();
      // Opening a menu clicks its title: the handler may set up the items.
      QObject::connect(menu, &QMenu::aboutToShow, this, [this, item] {
        if (!live()) return;
        QPointer<FormWindow> self(this);
        item->userClick();
        if (self && live()) push(false);
      });
      buildMenus(menu, item->children());
    } else {
      action = new QAction(parent);
      QObject::connect(action, &QAction::triggered, this, [this, item] {
        if (!live()) return;
        QPointer<FormWindow> self(this);
        item->userClick();
        if (!self || !live()) return;
        menusResync_ = true;
        backend_.formChanged(form_);
      });
    }
    parent->addAction(action);
    actions_[item] = action;
  }
}

void FormWindow::applyMenu(MenuItem& m, QAction* a) {
  const QSignalBlocker blocker(a);
  const MenuState& s = m.state();
  bool separator = s.caption == "-";
  if (a->isSeparator() != separator && a->menu() == nullptr) a->setSeparator(separator);
  if (!separator) a->setText(qs(s.caption));
  a->setVisible(s.visible);
  a->setEnabled(s.enabled);
  if (s.checked) a->setCheckable(true);
  if (a->isCheckable()) a->setChecked(s.checked);
}

void FormWindow::applyMenus(bool all) {
  bool any = false;
  for (MenuItem* m : form_.allMenus()) {
    if (!all && !menusResync_ && !m->changed()) continue;
    m->clearChanged();
    any = true;
    if (QAction* a = actionOf(*m)) applyMenu(*m, a);
  }
  menusResync_ = false;
  if (!any || form_.menuBar().empty()) return;
  bool shown = std::any_of(form_.menuBar().begin(), form_.menuBar().end(), [](MenuItem* m) { return m->visible(); });
  if (menuBar()->isHidden() == shown) menuBar()->setVisible(shown);
}

// Controls made after the window was built (a control array growing). Controls
// go only with their form, whose window goes first.
void FormWindow::reconcile() {
  const auto& controls = form_.controls();
  if (controls.size() == views_.size()) return;
  for (Control* c : controls) {
    if (byControl_.count(c) == 0) addView(*c);
  }
  restack();
}

void FormWindow::push(bool all) {
  form_.clearChanged();
  dirty = false;
  applyForm(all);
  reconcile();
  bool framesChanged = false;
  for (auto& v : views_) {
    Control& c = *v->control;
    if (!all && !v->fresh && !v->resync && !c.changed()) continue;
    c.clearChanged();
    if (c.kind() == ControlKind::Frame) framesChanged = true;
    apply(*v, all);
  }
  if (framesChanged) {
    for (auto& v : views_) applyVisibility(*v);
  }
  applyMenus(all);
}

void FormWindow::kill() {
  dead_ = true;
  if (modalLoop != nullptr) {
    modalLoop->quit();
    modalLoop = nullptr;
  }
  hide();
  deleteLater();
}

void FormWindow::closeEvent(QCloseEvent* event) {
  // The model decides; a form that stays loaded keeps its window.
  event->ignore();
  if (live()) form_.userClose();
}

void FormWindow::pressButton(bool cancel) {
  for (auto& v : views_) {
    Control& c = *v->control;
    if (c.kind() != ControlKind::CommandButton || !(cancel ? c.state().isCancel : c.state().isDefault)) continue;
    View* view = v.get();
    act(*view, [view] { view->control->userClick(); });
    return;
  }
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
  if (live() && event->modifiers() == Qt::NoModifier) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
      pressButton(false);
      return;
    }
    if (event->key() == Qt::Key_Escape) {
      pressButton(true);
      return;
    }
  }
  QMainWindow::keyPressEvent(event);
}

bool FormWindow::event(QEvent* event) {
  // A dead window may outlive the backend until its deferred deletion.
  if (event->type() != QEvent::WindowActivate || dead_) return QMainWindow::event(event);
  if (backend_.activating_ == &form_) backend_.activating_ = nullptr;
  // While the window system catches up with the last show, the activations it
  // reports for earlier ones are stale.
  bool stale = backend_.activating_ != nullptr && backend_.activatingSince_.elapsed() < 1000;
  if (!stale && live() && isVisible() && Form::active() != &form_) {
    QPointer<FormWindow> self(this);
    if (Form* before = Form::active()) before->userDeactivate();
    if (self && live()) form_.userActivate();
    if (!self) return true;
  }
  return QMainWindow::event(event);
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
  auto it = sources_.find(watched);
  if (it == sources_.end()) return QMainWindow::eventFilter(watched, event);
  if (!live()) {
    // Nothing more reaches an unloaded form.
    switch (event->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::KeyPress:
        return true;
      default:
        return false;
    }
  }
  View& v = *it->second;
  Control& c = *v.control;
  QPointer<FormWindow> self(this);
  auto gone = [&] { return !self || !live(); };
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
    case QEvent::MouseButtonDblClick: {
      auto* me = static_cast<QMouseEvent*>(event);
      QPointF pos = me->position();
      if (watched != v.widget) pos = static_cast<QWidget*>(watched)->mapTo(v.widget, pos);
      double x = pos.x() * kTwipsPerPixel, y = pos.y() * kTwipsPerPixel;
      int shift = shiftState(me->modifiers());
      if (!c.form().loaded()) return false;
      if (event->type() == QEvent::MouseButtonPress) {
        if (c.onMouseDown) {
          auto run = c.onMouseDown;
          run(mouseButtons(me->button()), shift, x, y);
        }
      } else if (event->type() == QEvent::MouseMove) {
        if (c.onMouseMove) {
          auto run = c.onMouseMove;
          run(mouseButtons(me->buttons()), shift, x, y);
        }
      } else if (event->type() == QEvent::MouseButtonRelease) {
        if (c.onMouseUp) {
          auto run = c.onMouseUp;
          run(mouseButtons(me->button()), shift, x, y);
        }
        // Labels, pictures and frames click on release inside them.
        bool clicks = c.kind() == ControlKind::Label || c.kind() == ControlKind::Image ||
                      c.kind() == ControlKind::PictureBox || c.kind() == ControlKind::Frame;
        // The release that ends a double click clicks no more.
        bool second = std::exchange(v.doubleClicked, false);
        if (clicks && !second && !gone() && me->button() == Qt::LeftButton &&
            v.widget->rect().contains(pos.toPoint())) {
          act(v, [&c] { c.userClick(); });
        }
      } else if (c.kind() == ControlKind::Label || c.kind() == ControlKind::Image ||
                 c.kind() == ControlKind::PictureBox || c.kind() == ControlKind::Frame) {
        v.doubleClicked = true;
        act(v, [&c] { c.userDblClick(); });
      }
      return gone();
    }
    case QEvent::KeyPress: {
      if (!c.onKeyPress || !c.form().loaded()) return false;
      auto* ke = static_cast<QKeyEvent*>(event);
      QString text = ke->text();
      if (text.size() != 1 || text[0].unicode() == 0 || text[0].unicode() > 255) return false;
      int keyAscii = text[0].unicode();
      auto run = c.onKeyPress;
      run(keyAscii);
      if (gone()) return true;
      if (keyAscii == 0) return true;  // the handler swallowed the key
      v.resync = true;
      backend_.formChanged(form_);
      return false;
    }
    default:
      return false;
  }
}

// ---- QtBackend

QtBackend::QtBackend() = default;

QtBackend::~QtBackend() {
  for (auto& [form, window] : windows_) {
    (void)form;
    delete window;
  }
  windows_.clear();
  if (busy_) QApplication::restoreOverrideCursor();
}

FormWindow* QtBackend::find(const Form& form) const {
  auto it = windows_.find(&form);
  return it == windows_.end() ? nullptr : it->second;
}

QWidget* QtBackend::window(const Form& form) const { return find(form); }

QWidget* QtBackend::surface(const Form& form) const {
  FormWindow* w = find(form);
  return w != nullptr ? w->surface() : nullptr;
}

QWidget* QtBackend::widget(const Control& control) const {
  FormWindow* w = find(control.form());
  return w != nullptr ? w->widgetOf(control) : nullptr;
}

QAction* QtBackend::action(const MenuItem& item) const {
  FormWindow* w = find(item.form());
  return w != nullptr ? w->actionOf(item) : nullptr;
}

QPixmap QtBackend::picture(const std::string& file) {
  if (file.empty()) return QPixmap();
  auto it = pictures_.find(file);
  if (it != pictures_.end()) return it->second;
  QPixmap pixmap;
  // A missing file is tried again next time: it may appear later.
  if (!pixmap.load(qs(file))) return QPixmap();
  pictures_.emplace(file, pixmap);
  return pixmap;
}

void QtBackend::scheduleFlush() {
  if (flushPending_) return;
  flushPending_ = true;
  QTimer::singleShot(0, &context_, [this] { flush(); });
}

void QtBackend::flush() {
  flushPending_ = false;
  std::vector<Form*> forms;
  forms.swap(dirty_);
  if (ended_) return;
  for (Form* form : forms) {
    FormWindow* w = find(*form);
    if (w != nullptr && w->dirty) w->push(false);
  }
}

void QtBackend::formChanged(Form& form) {
  FormWindow* w = find(form);
  if (ended_ || w == nullptr) return;
  if (!w->dirty) {
    w->dirty = true;
    dirty_.push_back(&form);
  }
  scheduleFlush();
}

void QtBackend::refresh(Form& form) {
  FormWindow* w = find(form);
  if (ended_ || w == nullptr) return;
  w->push(false);
  w->repaint();
}

void QtBackend::formShown(Form& form, bool modal) {
  if (ended_) return;
  FormWindow* w = find(form);
  if (w == nullptr) {
    w = new FormWindow(*this, form);
    windows_[&form] = w;
  } else {
    w->push(false);
  }
  if (modal && w->modalLoop == nullptr) {
    if (w->isVisible()) w->hide();  // modality changes only on a hidden window
    w->setWindowModality(Qt::ApplicationModal);
  } else if (!modal && w->modalLoop == nullptr && w->windowModality() != Qt::NonModal) {
    if (w->isVisible()) w->hide();
    w->setWindowModality(Qt::NonModal);
  }
  if (form.state().maximized) {
    // Fill the screen even where no window manager maximizes windows.
    if (QScreen* screen = QGuiApplication::primaryScreen()) w->setGeometry(screen->availableGeometry());
    w->showMaximized();
  } else {
    w->show();
  }
  w->raise();
  w->activateWindow();
  // The form shown becomes the active one, as it does without a window system.
  activating_ = &form;
  activatingSince_.start();
  if (Form* before = Form::active(); before != &form) {
    if (before != nullptr) before->userDeactivate();
    if (form.shown()) form.userActivate();
  }
  w = find(form);  // a handler may have unloaded it
  if (!modal || w == nullptr || w->modalLoop != nullptr || !form.shown() || ended_) return;
  QEventLoop loop;
  w->modalLoop = &loop;
  loops_.push_back(&loop);
  loop.exec();
  std::erase(loops_, &loop);
  if (FormWindow* still = find(form); still != nullptr && still->modalLoop == &loop) still->modalLoop = nullptr;
}

void QtBackend::formHidden(Form& form) {
  if (activating_ == &form) activating_ = nullptr;
  FormWindow* w = find(form);
  if (w == nullptr) return;
  if (w->modalLoop != nullptr) {
    w->modalLoop->quit();
    w->modalLoop = nullptr;
  }
  w->hide();
}

void QtBackend::formUnloaded(Form& form) { dropWindow(form); }

void QtBackend::dropWindow(Form& form) {
  if (activating_ == &form) activating_ = nullptr;
  auto it = windows_.find(&form);
  if (it == windows_.end()) return;
  FormWindow* w = it->second;
  windows_.erase(it);
  w->kill();
  if (endWhenAllUnloaded_ && windows_.empty() && !ended_) {
    // Checked once the handler that unloaded the form has finished: it may show another.
    QTimer::singleShot(0, &context_, [this] {
      if (windows_.empty() && !ended_) endProgram();
    });
  }
}

void QtBackend::endProgram() {
  if (ended_) return;
  ended_ = true;
  auto windows = std::move(windows_);
  windows_.clear();
  dirty_.clear();
  for (auto& [form, window] : windows) {
    (void)form;
    window->kill();
  }
  for (QEventLoop* loop : loops_) loop->quit();
  setBusyCursor(false);
  QCoreApplication::exit(0);
}

MsgResult QtBackend::messageBox(std::string_view text, MsgButtons buttons, MsgIcon icon, std::string_view title) {
  using SB = QMessageBox::StandardButton;
  QMessageBox::StandardButtons set;
  MsgResult fallback = MsgResult::OK;
  switch (buttons) {
    case MsgButtons::OK:
      set = SB::Ok;
      break;
    case MsgButtons::OKCancel:
      set = SB::Ok | SB::Cancel;
      fallback = MsgResult::Cancel;
      break;
    case MsgButtons::AbortRetryIgnore:
      set = SB::Abort | SB::Retry | SB::Ignore;
      fallback = MsgResult::Abort;
      break;
    case MsgButtons::YesNoCancel:
      set = SB::Yes | SB::No | SB::Cancel;
      fallback = MsgResult::Cancel;
      break;
    case MsgButtons::YesNo:
      set = SB::Yes | SB::No;
      fallback = MsgResult::No;
      break;
    case MsgButtons::RetryCancel:
      set = SB::Retry | SB::Cancel;
      fallback = MsgResult::Cancel;
      break;
  }
  if (ended_) return fallback;
  QMessageBox::Icon qicon = QMessageBox::NoIcon;
  switch (icon) {
    case MsgIcon::Critical:
      qicon = QMessageBox::Critical;
      break;
    case MsgIcon::Question:
      qicon = QMessageBox::Question;
      break;
    case MsgIcon::Exclamation:
      qicon = QMessageBox::Warning;
      break;
    case MsgIcon::Information:
      qicon = QMessageBox::Information;
      break;
    case MsgIcon::None:
      break;
  }
  // No parent: a handler may unload the form that would own the box.
  QMessageBox box(qicon, qs(title), withLineBreaks(text), set);
  box.setTextFormat(Qt::PlainText);
  // The first button is the default one.
  for (SB b : {SB::Ok, SB::Abort, SB::Retry, SB::Yes}) {
    if (set.testFlag(b)) {
      box.setDefaultButton(b);
      break;
    }
  }
  box.exec();
  switch (box.standardButton(box.clickedButton())) {
    case SB::Ok:
      return MsgResult::OK;
    case SB::Cancel:
      return MsgResult::Cancel;
    case SB::Abort:
      return MsgResult::Abort;
    case SB::Retry:
      return MsgResult::Retry;
    case SB::Ignore:
      return MsgResult::Ignore;
    case SB::Yes:
      return MsgResult::Yes;
    case SB::No:
      return MsgResult::No;
    default:
      return fallback;
  }
}

std::optional<std::string> QtBackend::inputBox(std::string_view prompt, std::string_view title,
                                               std::string_view defaultText) {
  if (ended_) return std::nullopt;
  QInputDialog dialog;
  dialog.setInputMode(QInputDialog::TextInput);
  dialog.setWindowTitle(qs(title));
  dialog.setLabelText(withLineBreaks(prompt));
  dialog.setTextValue(qs(defaultText));
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.textValue().toStdString();
}

void QtBackend::doEvents() {
  if (ended_) return;
  QCoreApplication::processEvents();
  sinceEvents_.start();
}

void QtBackend::yieldToEvents() {
  // A hidden match yields every minute, far more often than a window needs to
  // stay responsive; a turn of the event loop costs more than the minute.
  constexpr qint64 kYieldEveryMs = 4;
  if (sinceEvents_.isValid() && sinceEvents_.elapsed() < kYieldEveryMs) return;
  doEvents();
}

ScreenMetrics QtBackend::screen() const {
  ScreenMetrics m;
  if (QScreen* s = QGuiApplication::primaryScreen()) {
    m.widthPixels = s->geometry().width();
    m.heightPixels = s->geometry().height();
  }
  m.twipsPerPixelX = kTwipsPerPixel;
  m.twipsPerPixelY = kTwipsPerPixel;
  return m;
}

void QtBackend::setBusyCursor(bool busy) {
  if (busy == busy_) return;
  busy_ = busy;
  if (busy) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

void QtBackend::beep() { QApplication::beep(); }

}  // namespace kervale::ui
