// The competition screens in the real window, offscreen.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <memory>
#include <string>
#include <utility>

#include "competitions/a_league_table.h"
#include "competitions/league_champ.h"
#include "competitions/mls_playoffs.h"
#include "competitions/tables.h"
#include "competitions/us_open_cup.h"
#include "data/mls_module.h"
#include "qt/qt_app.h"
#include "ui/qt/qt_backend.h"
#include "ui/screen.h"

namespace kervale {
namespace {

class StandingsQt : public ::testing::Test {
 protected:
  void SetUp() override {
    test::qtApp();
    replaceGame(std::make_unique<MLSModule>());
    MLSModule& g = mls();
    for (int c = 1; c <= kLastClub; ++c) g.TeamName(c) = "Club " + std::to_string(c);
    for (int k = 1; k <= 24; ++k) g.LeagueOrder(k, 2) = g.LeagueOrder(k, 8) = 52 + k;
    for (int s = 1; s <= 64; ++s) g.USCupRound1Team(s) = 52 + s;
    qt_ = std::make_unique<test::WindowBackend>();
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
  QString shown(const ui::Control& c) { return qobject_cast<QLabel*>(qt_->widget(c))->text(); }

  std::unique_ptr<ui::QtBackend> qt_;
};

TEST_F(StandingsQt, EveryScreenRendersAndTheirControlsAnswer) {
  // Each window takes the focus from the one before, which then closes.
  const std::pair<void (*)(), ui::Form*> screens[] = {
      {showTables, &ui::screen<Tables>()},
      {[] { showPlayoffs(2); }, &ui::screen<MLS_Playoffs>()},
      {showLeagueChamp, &ui::screen<LeagueChamp>()},
      {showUsOpenCup, &ui::screen<UsOpenCup>()},
      {[] { showLeagueTable(2); }, &ui::screen<ALeagueTable>()},
  };
  for (const auto& [open, form] : screens) {
    open();
    QCoreApplication::processEvents();
    ASSERT_NE(qt_->window(*form), nullptr) << form->name();
    EXPECT_FALSE(qt_->window(*form)->grab().isNull()) << form->name();
  }

  ALeagueTable& table = ui::screen<ALeagueTable>();
  EXPECT_TRUE(qt_->widget(table.eastname(24))->isVisible());
  qt_->action(table.Group1)->trigger();
  QCoreApplication::processEvents();
  EXPECT_EQ(shown(table.Label2), "Grupo 1");
  EXPECT_FALSE(qt_->widget(table.eastname(24))->isVisible());

  showUsOpenCup();
  QCoreApplication::processEvents();
  UsOpenCup& cup = ui::screen<UsOpenCup>();
  EXPECT_EQ(shown(cup.TeamNames(64)), "Club 116");
  qobject_cast<QPushButton*>(qt_->widget(cup.Finals))->click();
  QCoreApplication::processEvents();
  EXPECT_EQ(shown(cup.WhatRound), "Final");
  EXPECT_EQ(shown(cup.TeamNames(64)), " ");
}

}  // namespace
}  // namespace kervale
