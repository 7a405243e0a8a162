#include "ui/qt/qt_widgets.h"

#include <QEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <algorithm>

#include "ui/qt/qt_convert.h"

namespace kervale::ui {

void Surface::setLook(const QColor& back, const QPixmap& picture) {
  back_ = back;
  picture_ = picture;
  scaled_ = QPixmap();
  update();
}

void Surface::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), back_);
  if (picture_.isNull()) return;
  if (scaled_.size() != size()) {
    scaled_ = picture_.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }
  p.drawPixmap(0, 0, scaled_);
}

ShapeWidget::ShapeWidget(QWidget* parent, ControlKind kind) : QWidget(parent), kind_(kind) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeWidget::setState(const ControlState& s, QPoint origin) {
  state_ = s;
  origin_ = origin;
  update();
}

void ShapeWidget::paintEvent(QPaintEvent*) {
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

ScrollingLabel::ScrollingLabel(QWidget* parent) : QScrollArea(parent), label_(new QLabel) {
  setFrameShape(QFrame::NoFrame);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setWidgetResizable(true);
  setAutoFillBackground(false);
  viewport()->setAutoFillBackground(false);
  label_->setTextFormat(Qt::PlainText);
  label_->setWordWrap(true);
  label_->setMouseTracking(true);
  setWidget(label_);
  parent->installEventFilter(this);
}

void ScrollingLabel::place(const QRect& wanted) {
  wanted_ = wanted;
  fit();
}

void ScrollingLabel::fit() {
  const QRect shown = wanted_.intersected(parentWidget()->rect());
  setGeometry(shown.isValid() ? shown : QRect(wanted_.topLeft(), QSize(0, 0)));
}

bool ScrollingLabel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == parentWidget() && event->type() == QEvent::Resize) fit();
  return QScrollArea::eventFilter(watched, event);
}

ListWidget::ListWidget(QWidget* parent) : QListWidget(parent) {
  QObject::connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
    if (byUser_ && row >= 0 && onUserRow) onUserRow(row);
  });
}

template <class F>
void ListWidget::byUser(F&& input) {
  byUser_ = true;
  input();
  byUser_ = false;
}

void ListWidget::mousePressEvent(QMouseEvent* event) {
  byUser([&] { QListWidget::mousePressEvent(event); });
}

void ListWidget::mouseMoveEvent(QMouseEvent* event) {
  byUser([&] { QListWidget::mouseMoveEvent(event); });
}

void ListWidget::setHeading(const QString& text) {
  if (text == headingText_) return;
  headingText_ = text;
  if (heading_ == nullptr) {
    heading_ = new QLabel(this);
    heading_->setTextFormat(Qt::PlainText);
    heading_->setAutoFillBackground(true);
    heading_->setBackgroundRole(QPalette::Button);
  }
  heading_->setVisible(!text.isEmpty());
  heading_->setToolTip(text);
  setViewportMargins(0, text.isEmpty() ? 0 : fontMetrics().height() + 2, 0, 0);
  placeHeading();
}

void ListWidget::placeHeading() {
  if (heading_ == nullptr || headingText_.isEmpty()) return;
  const int frame = frameWidth();
  const QRect line(frame, frame, width() - 2 * frame, fontMetrics().height() + 2);
  heading_->setGeometry(line);
  // A long folder keeps its end, the part the user is in.
  heading_->setText(fontMetrics().elidedText(headingText_, Qt::ElideLeft, line.width() - 4));
}

void ListWidget::resizeEvent(QResizeEvent* event) {
  QListWidget::resizeEvent(event);
  placeHeading();
}

void ListWidget::focusInEvent(QFocusEvent* event) {
  // Qt makes the first row current when none is; the model's choice stands.
  const QModelIndex before = currentIndex();
  QListWidget::focusInEvent(event);
  if (currentIndex() == before) return;
  const QSignalBlocker blocker(this);
  selectionModel()->setCurrentIndex(before, QItemSelectionModel::NoUpdate);
}

void ListWidget::keyPressEvent(QKeyEvent* event) {
  byUser([&] { QListWidget::keyPressEvent(event); });
}

}  // namespace kervale::ui
