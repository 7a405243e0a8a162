// The season end in the real window (offscreen): the summary and the wait bar
// render, and the summary's button, clicked, leads on to the draft.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPushButton>
#include <QTimer>
#include <string>

#include "data/mls_module.h"
#include "offseason/a_league_wait.h"
#include "offseason/college_draft.h"
#include "offseason/end_of_season.h"
#include "offseason/off_season.h"
#include "qt/qt_app.h"
#include "shell/main_module.h"
#include "ui/qt/qt_backend.h"
#include "ui/screen.h"

namespace kervale {
namespace {

bool rendered(ui::QtBackend& qt, ui::Form& form) {
  QWidget* window = qt.window(form);
  return window != nullptr && window->isVisible() && !window->grab().toImage().isNull();
}

// The button's own click (its signal), whatever window an earlier test left modal.
void click(ui::QtBackend& qt, ui::CommandButton& button) { qobject_cast<QPushButton*>(qt.widget(button))->click(); }

// Fourteen MLS clubs (no expansion vote); the user manages an English club,
// so the draft needs no pick of his.
void smallWorld() {
  replaceGame(makeEmptyGame());
  MLSModule& g = mls();
  g.MLSTeamCount = 14;
  g.MyTeam = 60;
  g.CurrentWeek = 42;
  for (int c = 1; c <= 14; ++c) g.TeamName(c) = "Club " + std::to_string(c);
}

TEST(SeasonEndQt, SummaryRendersAndItsButtonLeadsToTheDraft) {
  test::qtApp();
  test::WindowBackend qt;
  ui::setBackend(&qt);
  const QString before = QDir::currentPath();
  QDir::setCurrent(KERVALE_WORLD_DIR);
  smallWorld();
  const test::Watchdog watchdog(10000, "the off-season", [&qt] { qt.endProgram(); });

  EndOfSeason& summary = ui::screen<EndOfSeason>();
  CollegeDraft& draft = ui::screen<CollegeDraft>();
  bool summaryShown = false;
  bool draftShown = false;
  // Acts on each screen once its window is up, as a player would.
  QTimer player;
  QObject::connect(&player, &QTimer::timeout, [&] {
    if (summary.loaded() && rendered(qt, summary)) {
      summaryShown = true;
      click(qt, summary.Command1);
    } else if (draft.loaded() && rendered(qt, draft)) {
      draftShown = true;
      draft.Command2.userClick();
      draft.Command1.userClick();
    }
  });
  player.start(10);
  MainModule& hub = ui::screen<MainModule>();  // as in the game, the hub stays open behind
  hub.Show();
  const int ends = seasonEndsRun();
  runOffSeason();

  EXPECT_TRUE(summaryShown);
  EXPECT_TRUE(draftShown);
  EXPECT_FALSE(qt.programEnded());
  EXPECT_EQ(seasonEndsRun(), ends + 1);
  EXPECT_EQ(mls().CurrentSeason, 1);
  EXPECT_EQ(mls().CurrentWeek, 42);
  EXPECT_FALSE(summary.loaded());
  EXPECT_FALSE(draft.loaded());

  ALeagueWait& wait = ui::screen<ALeagueWait>();
  mls().BarDivisor = 2;
  showALeagueWait();
  QCoreApplication::processEvents();
  EXPECT_TRUE(rendered(qt, wait));
  QWidget* bar = qt.widget(wait.Shape1);
  ASSERT_NE(bar, nullptr) << "the wait bar has no window";
  EXPECT_TRUE(bar->isVisible());
  mls().BarDivisor = 0;
  wait.drawBar();
  QCoreApplication::processEvents();
  EXPECT_FALSE(bar->isVisible()) << "no bar for a divisor of 0";
  wait.Unload();
  hub.Unload();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  ui::setBackend(nullptr);
  QDir::setCurrent(before);
}

}  // namespace
}  // namespace kervale
