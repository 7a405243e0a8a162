// Between window tests, whatever the last one left: its queued calls, boxes
// still up, an application told to quit (a watchdog's end), the working
// folder, the game and the scripted dialogs; and a test that gets stuck
// fails instead of hanging. One failing window test thus fails alone.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <filesystem>
#include <memory>
#include <system_error>

#include "data/mls_module.h"
#include "qt/qt_app.h"
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

// A window test still running after this long is stuck (a box nobody
// answers, a wait nothing ends): it fails, and its loops are ended.
constexpr int kLongestWindowTestMs = 60000;

void endStuckTest() {
  ADD_FAILURE() << "the window test still ran after " << kLongestWindowTestMs << " ms";
  if (QWidget* box = QApplication::activeModalWidget()) box->close();
  QCoreApplication::exit(1);
}

class WindowTestGuard : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override {
    folder_ = std::filesystem::current_path();
    qtApp();
    stuck_ = std::make_unique<QTimer>();
    stuck_->setSingleShot(true);
    QObject::connect(stuck_.get(), &QTimer::timeout, endStuckTest);
    stuck_->start(kLongestWindowTestMs);
  }

  void OnTestEnd(const ::testing::TestInfo&) override {
    stuck_.reset();
    std::error_code ignored;
    std::filesystem::current_path(folder_, ignored);
    ui::setBackend(nullptr);
    ui::headless().reset();
    replaceGame(nullptr);
    // Calls the test queued and never ran would reach its locals, gone now.
    QCoreApplication::removePostedEvents(QThread::currentThread(), QEvent::MetaCall);
    closeLeftoverWindows();
    clearQuitRequest();
  }

  std::filesystem::path folder_;
  std::unique_ptr<QTimer> stuck_;
};

const bool kGuarded = [] {
  ::testing::UnitTest::GetInstance()->listeners().Append(new WindowTestGuard);
  return true;
}();

}  // namespace
}  // namespace kervale::test
