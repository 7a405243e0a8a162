#include <QApplication>
#include <cstdio>

#include "ui/backend.h"
#include "ui/control.h"
#include "ui/form.h"
#include "ui/qt/qt_backend.h"
#include "ui/screen.h"

namespace {

using namespace kervale::ui;

// The first window of the program.
class StartForm : public Form {
 public:
  StartForm() : Form("StartForm") {
    state_.caption = "Kervale";
    state_.width = 4800;
    state_.height = 2400;
    state_.borderStyle = 3;
    Label1.setCaption("Kervale");
    Label1.move(240, 240, 4200, 600);
    Label1.setAlignment(Alignment::Center);
    Label1.setOpaque(false);
    Label1.setFont(Font{"MS Sans Serif", 18, true, false, false});
    Command2.setCaption("&Quit");
    Command2.move(1680, 1080, 1335, 495);
    Command2.setCancel(true);
    Command2.onClick = [] { backend().endProgram(); };
    designDone();
  }

  Label Label1{*this, "Label1"};
  CommandButton Command2{*this, "Command2"};
};

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
  screen<StartForm>().Show();
  int status = 0;
  // Ending before the loop runs leaves nothing to wait for.
  if (!qt.programEnded()) status = QApplication::exec();
  setBackend(nullptr);
  return status;
}
