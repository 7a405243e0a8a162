// Play Next Match in the real window: after the round the match screen's
// minute button or close box brings the hub back, and the program goes on.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "data/mls_module.h"
#include "match/match_engine.h"
#include "qt/qt_app.h"
#include "shell/main_module.h"
#include "ui/qt/qt_backend.h"
#include "ui/screen.h"

namespace kervale {
namespace {

struct Outcome {
  bool matchUpAfterTheRound = false;
  bool hubGoneAfterTheRound = false;
  bool hubBack = false;
  bool matchGone = false;
  bool programGoesOn = false;
};

// A round without matches (an empty game in round 9), played from the menu.
Outcome playNextMatchThen(const std::function<void(ui::QtBackend&, MatchEngine&)>& leave) {
  test::qtApp();
  test::WindowBackend qt;
  ui::setBackend(&qt);
  qt.setEndWhenAllUnloaded(true);
  auto game = makeEmptyGame();
  game->MyTeam = 1;
  game->CurrentWeek = 9;
  game->WeekDay = 2;
  replaceGame(std::move(game));
  MainModule& hub = ui::screen<MainModule>();
  MatchEngine& match = ui::screen<MatchEngine>();
  Outcome seen;
  hub.Show();
  QTimer::singleShot(0, [&] {
    qt.action(hub.Play_Match)->trigger();
    seen.matchUpAfterTheRound = match.shown();
    seen.hubGoneAfterTheRound = !hub.loaded();
    leave(qt, match);
    QTimer::singleShot(0, [&] {
      seen.hubBack = hub.shown();
      seen.matchGone = !match.loaded();
      seen.programGoesOn = !qt.programEnded();
      QCoreApplication::exit(0);
    });
  });
  const test::Watchdog watchdog(5000, "the round played from the menu", [] { QCoreApplication::exit(1); });
  EXPECT_EQ(QApplication::exec(), 0);
  for (ui::Form* f : {static_cast<ui::Form*>(&match), static_cast<ui::Form*>(&hub)}) {
    if (f->loaded()) f->Unload();
  }
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  ui::setBackend(nullptr);
  replaceGame(nullptr);
  return seen;
}

TEST(PlayNextMatchQt, TheMinuteButtonOrTheCloseBoxBringsTheHubBack) {
  const std::function<void(ui::QtBackend&, MatchEngine&)> ways[] = {
      [](ui::QtBackend& qt, MatchEngine& m) {
        QTest::mouseClick(qobject_cast<QPushButton*>(qt.widget(m.Minbox)), Qt::LeftButton);
      },
      [](ui::QtBackend& qt, MatchEngine& m) { qt.window(m)->close(); },
  };
  for (const auto& leave : ways) {
    const Outcome seen = playNextMatchThen(leave);
    EXPECT_TRUE(seen.matchUpAfterTheRound);
    EXPECT_TRUE(seen.hubGoneAfterTheRound);
    EXPECT_TRUE(seen.hubBack);
    EXPECT_TRUE(seen.matchGone);
    EXPECT_TRUE(seen.programGoesOn);
  }
}

}  // namespace
}  // namespace kervale
