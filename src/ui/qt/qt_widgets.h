#pragma once

#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QScrollArea>
#include <QWidget>
#include <functional>

#include "ui/control.h"

// Widgets of our own: a form's client area, shapes and lines, and lists.
namespace kervale::ui {

// The client area of a form: its colour and its picture, scaled to fill.
class Surface : public QWidget {
 public:
  explicit Surface(QWidget* parent) : QWidget(parent) {}
  void setLook(const QColor& back, const QPixmap& picture);

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QColor back_;
  QPixmap picture_;
  QPixmap scaled_;
};

// A shape or a line, painted from the control's state.
class ShapeWidget : public QWidget {
 public:
  ShapeWidget(QWidget* parent, ControlKind kind);
  void setState(const ControlState& s, QPoint origin);

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  ControlKind kind_;
  ControlState state_;
  QPoint origin_;
};

// A label whose text may be taller than the label: the text scrolls, and the
// view ends at the window's edge, so that its last lines can be reached.
class ScrollingLabel : public QScrollArea {
 public:
  explicit ScrollingLabel(QWidget* parent);
  QLabel* label() const { return label_; }
  // The place the form gives it, in its parent; shown as far as the parent reaches.
  void place(const QRect& wanted);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void fit();
  QLabel* label_;
  QRect wanted_;
};

// A list that reports only the rows the user chooses, by mouse or keys. Rows
// set by the program, and the first row Qt makes current when the list gets
// the focus, are not reported.
class ListWidget : public QListWidget {
 public:
  explicit ListWidget(QWidget* parent);
  std::function<void(int row)> onUserRow;
  // A line above the rows (a folder list's folder); empty: none.
  void setHeading(const QString& text);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void placeHeading();
  QLabel* heading_ = nullptr;
  QString headingText_;
  template <class F>
  void byUser(F&& input);
  bool byUser_ = false;
};

}  // namespace kervale::ui
