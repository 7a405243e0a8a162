#include <QApplication>
#include <cstdio>

#include "shell/frm_splash.h"
#include "ui/backend.h"
#include "ui/qt/qt_backend.h"
#include "ui/screen.h"

namespace {

using namespace kervale::ui;

bool displayAvailable() {
  return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
         !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

}  // namespace

int main(int argc, char** argv) {
  if (!displayAvailable()) {
    std::fputs(
        "kervale: no display found (DISPLAY and WAYLAND_DISPLAY are not set).\n"
        "Run it on a desktop, or under a virtual display:\n"
        "  xvfb-run -s \"-screen 0 1024x768x24\" kervale\n"
        "or without any display:\n"
        "  QT_QPA_PLATFORM=offscreen kervale\n",
        stderr);
    return 1;
  }
  QApplication app(argc, argv);
  QtBackend qt;
  qt.setEndWhenAllUnloaded(true);
  setBackend(&qt);
  // The start-up screen tests the screen mode in its load; a failed test may
  // end the program before the event loop starts.
  screen<kervale::frmSplash>().Show();
  int status = 0;
  // Ending before the loop runs leaves nothing to wait for.
  if (!qt.programEnded()) status = QApplication::exec();
  setBackend(nullptr);
  return status;
}
