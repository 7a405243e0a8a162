#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "competitions/a_league_table.h"
#include "competitions/league_champ.h"
#include "competitions/mls_playoffs.h"
#include "competitions/tables.h"
#include "competitions/us_open_cup.h"
#include "data/mls_module.h"
#include "support/scripted_dialogs.h"
#include "ui/screen.h"

namespace kervale::test {

// An empty game whose clubs are named "Club <number>"; the standings
// screens are unloaded afterwards.
class CompetitionsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    replaceGame(std::make_unique<MLSModule>());
    for (int c = 1; c <= kLastClub; ++c) g().TeamName(c) = name(c);
  }
  void TearDown() override {
    for (ui::Form* form :
         {static_cast<ui::Form*>(&tables()), static_cast<ui::Form*>(&leagueTable()),
          static_cast<ui::Form*>(&playoffs()), static_cast<ui::Form*>(&cup()), static_cast<ui::Form*>(&roll())}) {
      if (form->loaded()) form->Unload();
    }
    replaceGame(nullptr);
  }

  static MLSModule& g() { return mls(); }
  static std::string name(int club) { return "Club " + std::to_string(club); }
  static Tables& tables() { return ui::screen<Tables>(); }
  static ALeagueTable& leagueTable() { return ui::screen<ALeagueTable>(); }
  static MLS_Playoffs& playoffs() { return ui::screen<MLS_Playoffs>(); }
  static UsOpenCup& cup() { return ui::screen<UsOpenCup>(); }
  static LeagueChamp& roll() { return ui::screen<LeagueChamp>(); }

  // League counters giving the points and goal difference asked for.
  static void standing(int club, int points, int difference) {
    g().TeamWins(club) = points / 3;
    g().TeamDraws(club) = points % 3;
    g().TeamGames(club) = points / 3 + points % 3;
    g().TeamGoalsFor(club) = difference > 0 ? difference : 0;
    g().TeamGoalsAgainst(club) = difference < 0 ? -difference : 0;
  }

  ScriptedDialogs dialogs;
};

}  // namespace kervale::test
