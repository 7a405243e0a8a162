#include "ui/qt/qt_backend.h"

#include <QApplication>
#include <QEventLoop>
#include <QScreen>
#include <QTimer>
#include <algorithm>

#include "ui/qt/form_window.h"
#include "ui/qt/qt_convert.h"

namespace kervale::ui {

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

std::vector<Form*> QtBackend::forms() const {
  std::vector<Form*> shown;
  for (const auto& [form, window] : windows_) shown.push_back(&window->form());
  return shown;
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
