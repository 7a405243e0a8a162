// The competition screens in the real window, offscreen.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>

#include "competitions/a_league_table.h"
#include "competitions/league_champ.h"
#include "competitions/mls_playoffs.h"
#include "competitions/tables.h"
#include "competitions/us_open_cup.h"
#include "data/mls_module.h"
#include "ui/qt/qt_backend.h"
#include "ui/screen.h"

namespace kervale {
namespace {

void ensureApp() {
  if (QApplication::instance() != nullptr) return;
  static int argc = 1;
  static char name[] = "test_qt";
  static char* argv[] = {name, nullptr};
  new QApplication(argc, argv);  // lives to the end of the program
}

class StandingsQt : public ::testing::Test {
 protected:
  void SetUp() override {
    ensureApp();
    replaceGame(std::make_unique<MLSModule>());
    MLSModule& g = mls();
    for (int c = 1; c <= kLastClub; ++c) g.TeamName(c) = "Club " + std::to_string(c);
    g.MLSMatchesPerRound = 5;
    g.PlayoffTeams = 8;
    for (int k = 1; k <= 24; ++k) {
      if (k <= 5) {
        g.EastOrder(k) = k;
        g.WestOrder(k) = 5 + k;
      }
      if (k <= 18) g.ALeagueOrder(k) = 16 + k;
      for (int league = 1; league <= 12; ++league) g.LeagueOrder(k, league) = 52 + k;
    }
    for (int s = 1; s <= 64; ++s) g.USCupRound1Team(s) = 52 + s;
    g.CurrentSeason = 3;
    qt_ = std::make_unique<ui::QtBackend>();
    ui::setBackend(qt_.get());
  }
  void TearDown() override {
    for (ui::Form* form : forms()) {
      if (form->loaded()) form->Unload();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ui::setBackend(nullptr);
    qt_.reset();
    replaceGame(nullptr);
  }
  static std::vector<ui::Form*> forms() {
    return {&ui::screen<Tables>(), &ui::screen<ALeagueTable>(), &ui::screen<MLS_Playoffs>(), &ui::screen<UsOpenCup>(),
            &ui::screen<LeagueChamp>()};
  }
  QString shown(const ui::Control& c) {
    auto* label = qobject_cast<QLabel*>(qt_->widget(c));
    return label != nullptr ? label->text() : QString();
  }

  std::unique_ptr<ui::QtBackend> qt_;
};

TEST_F(StandingsQt, EveryScreenRenders) {
  const std::function<void()> openers[] = {showTables, [] { showLeagueTable(2); }, [] { showPlayoffs(0); },
                                           showUsOpenCup, showLeagueChamp};
  const std::vector<ui::Form*> screens = forms();
  for (std::size_t i = 0; i < screens.size(); ++i) {
    SCOPED_TRACE(screens[i]->name());
    openers[i]();
    QCoreApplication::processEvents();
    QWidget* window = qt_->window(*screens[i]);
    ASSERT_NE(window, nullptr);
    const QPixmap picture = window->grab();
    EXPECT_FALSE(picture.isNull());
    EXPECT_GT(picture.width(), 400);
    screens[i]->Unload();
  }
}

TEST_F(StandingsQt, ALeagueMenuItemRefreshesTheTable) {
  showLeagueTable(2);
  ALeagueTable& table = ui::screen<ALeagueTable>();
  QCoreApplication::processEvents();
  EXPECT_EQ(shown(table.Label2), "English Division One");
  EXPECT_TRUE(qt_->widget(table.eastname(24))->isVisible());
  QAction* group = qt_->action(table.Group1);
  ASSERT_NE(group, nullptr);
  group->trigger();
  QCoreApplication::processEvents();
  EXPECT_EQ(shown(table.Label2), "Grupo 1");
  EXPECT_FALSE(qt_->widget(table.eastname(24))->isVisible());
  EXPECT_EQ(shown(table.eastname(1)), "Club 53");
}

TEST_F(StandingsQt, ARoundButtonRedrawsTheCupList) {
  showUsOpenCup();
  UsOpenCup& cup = ui::screen<UsOpenCup>();
  QCoreApplication::processEvents();
  EXPECT_EQ(shown(cup.TeamNames(64)), "Club 116");
  auto* finals = qobject_cast<QPushButton*>(qt_->widget(cup.Finals));
  ASSERT_NE(finals, nullptr);
  finals->click();
  QCoreApplication::processEvents();
  EXPECT_EQ(shown(cup.WhatRound), "Final");
  EXPECT_EQ(shown(cup.TeamNames(1)), "(bye)");
  EXPECT_EQ(shown(cup.TeamNames(64)), " ");
}

}  // namespace
}  // namespace kervale
