// The hub in the real window: its shortcuts reach their items, and its close
// box asks before the game is lost.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "data/mls_module.h"
#include "qt/qt_app.h"
#include "shell/load_bg_picture.h"
#include "shell/main_module.h"
#include "shell/shell_game.h"
#include "ui/qt/qt_backend.h"
#include "ui/screen.h"

namespace kervale {
namespace {

class HubQt : public ::testing::Test {
 protected:
  void SetUp() override {
    test::qtApp();
    ui::setBackend(&qt);
    replaceGame(test::smallGame());
    hub().Show();
    QCoreApplication::processEvents();
  }
  void TearDown() override {
    for (ui::Form* f : {static_cast<ui::Form*>(&ui::screen<LoadBgPicture>()), static_cast<ui::Form*>(&hub())}) {
      if (f->loaded()) f->Unload();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ui::setBackend(nullptr);
    replaceGame(nullptr);
  }
  static MainModule& hub() { return ui::screen<MainModule>(); }

  // Closes the hub's window and answers the quit question.
  void closeAnswering(QMessageBox::StandardButton answer) {
    QTimer::singleShot(0, [answer] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) box->button(answer)->click();
    });
    qt.window(hub())->close();
    QCoreApplication::processEvents();
  }

  test::WindowBackend qt;
};

TEST_F(HubQt, ShortcutsCarryTheirKeysToTheWindow) {
  EXPECT_EQ(qt.action(hub().Load_Game)->shortcut(), QKeySequence("Ctrl+O"));
  EXPECT_EQ(qt.action(hub().Save_Game)->shortcut(), QKeySequence("Ctrl+S"));
  EXPECT_EQ(qt.action(hub().Call_Chairman)->shortcut(), QKeySequence("Ctrl+C"));
  QWidget* window = qt.window(hub());
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  QTest::keyClick(window, Qt::Key_O, Qt::ControlModifier);
  EXPECT_TRUE(ui::screen<LoadBgPicture>().shown()) << "Ctrl+O opens the picker";
}

TEST_F(HubQt, TheCloseBoxAsksFirst) {
  closeAnswering(QMessageBox::No);
  EXPECT_TRUE(hub().loaded());
  EXPECT_FALSE(qt.programEnded());
  closeAnswering(QMessageBox::Yes);
  EXPECT_FALSE(hub().loaded());
  EXPECT_TRUE(qt.programEnded());
}

}  // namespace
}  // namespace kervale
