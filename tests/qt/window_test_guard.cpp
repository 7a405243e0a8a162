// Between window tests, whatever the last one left: its queued calls, boxes
// still up, an application told to quit (a watchdog's end), the working
// folder, the game and the scripted dialogs. One failing window test thus
// fails alone.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <filesystem>
#include <system_error>

#include "data/mls_module.h"
#include "ui/headless/headless_backend.h"

namespace kervale::test {
namespace {

// Once asked to quit, every event loop of the application returns at once
// until the application's own loop runs again; one turn of it clears that.
void clearQuitRequest() {
  QTimer::singleShot(0, QCoreApplication::instance(), [] { QCoreApplication::exit(0); });
  QCoreApplication::exec();
}

void closeLeftoverWindows() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->isVisible()) window->hide();
    if (qobject_cast<QDialog*>(window) != nullptr) window->deleteLater();
  }
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class WindowTestGuard : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override { folder_ = std::filesystem::current_path(); }

  void OnTestEnd(const ::testing::TestInfo&) override {
    std::error_code ignored;
    std::filesystem::current_path(folder_, ignored);
    ui::setBackend(nullptr);
    ui::headless().reset();
    replaceGame(nullptr);
    if (QCoreApplication::instance() == nullptr) return;
    // Calls the test queued and never ran would reach its locals, gone now.
    QCoreApplication::removePostedEvents(QThread::currentThread(), QEvent::MetaCall);
    closeLeftoverWindows();
    clearQuitRequest();
  }

  std::filesystem::path folder_;
};

const bool kGuarded = [] {
  ::testing::UnitTest::GetInstance()->listeners().Append(new WindowTestGuard);
  return true;
}();

}  // namespace
}  // namespace kervale::test
