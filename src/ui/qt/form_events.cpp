#include <QKeyEvent>
#include <QMouseEvent>
#include <utility>

#include "ui/qt/form_window.h"
#include "ui/qt/qt_convert.h"

namespace kervale::ui {

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

}  // namespace kervale::ui
