#pragma once

#include <QApplication>
#include <QImage>
#include <QPalette>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "ui/form.h"
#include "ui/qt/qt_backend.h"

namespace kervale::test {

// The one application of the window tests, made on first use. Offscreen, its
// screen is 1024 x 768 at 96 dots per inch, so both layouts of the game fit,
// and stands at 64, 32 on the desktop.
QApplication& qtApp();

// Where window tests put what a person may want to look at (grabs of
// windows): a folder under the build folder, made on first use.
std::string outputFile(const std::string& name);

// The real window system for one window test (the application is made when
// needed). It remembers every form it shows; when it goes, however the test
// ended, each of them still loaded is unloaded headless with default answers,
// and so is every form their unload handlers show, so the next window test
// starts from unloaded screens.
class WindowBackend : public ui::QtBackend {
 public:
  WindowBackend();
  ~WindowBackend() override;
  WindowBackend(const WindowBackend&) = delete;
  WindowBackend& operator=(const WindowBackend&) = delete;

  void formShown(ui::Form& form, bool modal) override;
  void formUnloaded(ui::Form& form) override;

 private:
  std::vector<ui::Form*> shown_;  // shown and not unloaded since: loaded, and alive
};

// Ends a wait that nothing else ends: after `ms` milliseconds the test fails,
// naming what waited, and `end` runs (ending the backend's program, or the
// application's loop). What a watchdog ends stays ended only for its own
// test: after each window test the application's loops run again.
class Watchdog {
 public:
  Watchdog(int ms, std::string what, std::function<void()> end);
  bool fired() const { return fired_; }

 private:
  QTimer timer_;
  bool fired_ = false;
};

// The desktop's colour scheme for one test: dark or light, switched while
// windows are up as a desktop does; the scheme before it comes back at the end.
class DesktopScheme {
 public:
  DesktopScheme() = default;
  ~DesktopScheme();
  DesktopScheme(const DesktopScheme&) = delete;
  DesktopScheme& operator=(const DesktopScheme&) = delete;

  // Light text on dark windows and buttons.
  static QPalette dark();
  // Dark text on light windows and buttons.
  static QPalette light();
  // The application's palette becomes `scheme`; the windows take it in.
  void use(const QPalette& scheme);

 private:
  QPalette before_ = qtApp().palette();
};

// Whether the form's window is up and shows more than one colour.
inline bool rendered(const ui::QtBackend& qt, const ui::Form& form) {
  QCoreApplication::processEvents();
  QWidget* window = qt.window(form);
  if (window == nullptr || !window->isVisible()) return false;
  const QImage shot = window->grab().toImage();
  for (int y = 0; y < shot.height(); y += 3) {
    for (int x = 0; x < shot.width(); x += 3) {
      if (shot.pixel(x, y) != shot.pixel(0, 0)) return true;
    }
  }
  return false;
}

}  // namespace kervale::test
