#include "ui/qt/form_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

#include "ui/qt/qt_convert.h"
#include "ui/qt/qt_widgets.h"

namespace kervale::ui {

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
  // A picture that fills the window, or that a frame stands on, is a backdrop:
  // frames stand in front of it.
  for (auto it = views_.rbegin(); it != views_.rend(); ++it) {
    if (fillsWindow(*(*it)->control) || holdsFrame(*(*it)->control)) (*it)->widget->lower();
  }
}

bool FormWindow::holdsFrame(const Control& c) const {
  if (c.kind() != ControlKind::PictureBox && c.kind() != ControlKind::Image) return false;
  const ControlState& p = c.state();
  for (const Control* frame : form_.controls()) {
    if (frame->kind() != ControlKind::Frame) continue;
    const ControlState& f = frame->state();
    if (f.left >= p.left && f.top >= p.top && f.left + f.width <= p.left + p.width &&
        f.top + f.height <= p.top + p.height) {
      return true;
    }
  }
  return false;
}

bool FormWindow::fillsWindow(const Control& c) const {
  if (c.kind() != ControlKind::PictureBox && c.kind() != ControlKind::Image) return false;
  const ControlState& s = c.state();
  const FormState& f = form_.state();
  // The form's size is its outer one: allow for the border and the title bar.
  return s.left <= 0 && s.top <= 0 && s.left + s.width >= f.width * 9 / 10 && s.top + s.height >= f.height * 8 / 10;
}

void FormWindow::applyVisibility(View& v) {
  bool visible = shownWithFrames(*v.control);
  if (v.widget->isHidden() == visible) v.widget->setVisible(visible);
  bool enabled = enabledWithFrames(*v.control);
  if (v.widget->testAttribute(Qt::WA_Disabled) == enabled) v.widget->setEnabled(enabled);
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
      // Halves of the free room, not QRect::center(), which lies half a pixel
      // up and left: a window as large as the screen would stand at -1, -1.
      const QRect area = screen->availableGeometry();
      move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
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
  applyFocus(all);
}

void FormWindow::applyFocus(bool all) {
  const FormState& s = form_.state();
  const bool asked = s.focusRequests != focusRequests_;
  focusRequests_ = s.focusRequests;
  if (!(asked || all) || s.focus == nullptr) return;
  QWidget* w = widgetOf(*s.focus);
  if (w == nullptr) return;
  // The keys go to the active window: a box that closed may have left
  // another one active.
  if (isVisible() && !isActiveWindow()) activateWindow();
  w->setFocus(Qt::OtherFocusReason);
  // The style draws the focus frame, so the player sees where the keys go.
  setAttribute(Qt::WA_KeyboardFocusChange);
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
      // Return presses the button that has the focus, else the default one.
      auto* focused = qobject_cast<QPushButton*>(focusWidget());
      if (focused != nullptr && focused->isEnabled()) {
        focused->click();
      } else {
        pressButton(false);
      }
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

}  // namespace kervale::ui
