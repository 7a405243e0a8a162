// The college draft in the real window (offscreen): it renders, and a pick
// made with the mouse reaches the draft while Begin Draft waits.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <string>

#include "data/mls_module.h"
#include "data/squad_moves.h"
#include "offseason/college_draft.h"
#include "qt/qt_app.h"
#include "ui/qt/qt_backend.h"
#include "ui/screen.h"

namespace kervale {
namespace {

// Fourteen MLS clubs of eleven; the user's club 1 has the fewest points.
void smallLeague() {
  replaceGame(makeEmptyGame());
  MLSModule& g = mls();
  g.MLSTeamCount = 14;
  g.MyTeam = 1;
  for (int c = 1; c <= 14; ++c) {
    g.TeamName(c) = "Club " + std::to_string(c);
    g.TeamWins(c) = c;
    for (int s = 1; s <= 11; ++s) {
      const int p = g.NumPlayers + 1;
      g.NumPlayers = static_cast<MLSModule::Int16>(p);
      g.PlayerName(p) = "Player " + std::to_string(p);
      g.PlayerDefense(p) = g.PlayerMidfield(p) = g.PlayerAttack(p) = 3;
      movePlayer(g, p, c, s);
    }
  }
}

TEST(CollegeDraftQt, RendersAndTakesAMousePickWhileTheDraftWaits) {
  test::qtApp();
  test::WindowBackend qt;
  ui::setBackend(&qt);
  const test::Watchdog watchdog(10000, "the draft", [&qt] { qt.endProgram(); });
  const QString before = QDir::currentPath();
  QDir::setCurrent(KERVALE_WORLD_DIR);
  smallLeague();
  CollegeDraft& draft = ui::screen<CollegeDraft>();
  draft.Show();
  QCoreApplication::processEvents();
  QWidget* window = qt.window(draft);
  ASSERT_NE(window, nullptr);
  EXPECT_FALSE(window->grab().toImage().isNull());
  auto* list = qobject_cast<QListWidget*>(qt.widget(draft.List1));
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->count(), 50);

  bool waited = false;
  bool shown = false;
  QTimer::singleShot(0, [&] {
    waited = draft.waiting();
    // The user clicks what the window shows: let it show the pick button enabled.
    auto* pick = qobject_cast<QPushButton*>(qt.widget(draft.Command4));
    shown = QTest::qWaitFor([pick] { return pick->isEnabled(); });
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(2)).center());
    QTimer::singleShot(0, [] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box != nullptr) box->button(QMessageBox::Yes)->click();
    });
    QTest::mouseClick(pick, Qt::LeftButton);
  });
  QTest::mouseClick(qobject_cast<QPushButton*>(qt.widget(draft.Command2)), Qt::LeftButton);

  EXPECT_TRUE(waited);
  EXPECT_TRUE(shown);
  EXPECT_TRUE(draft.ended());
  EXPECT_FALSE(qt.programEnded());
  EXPECT_EQ(draft.playrName.caption(), draft.pool()[3].name);
  EXPECT_EQ(mls().PlayerName(mls().TeamSquad(20, 1)), draft.pool()[3].name);
  draft.Command1.userClick();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  ui::setBackend(nullptr);
  QDir::setCurrent(before);
}

}  // namespace
}  // namespace kervale
