// The bracket viewer, the cup round viewer, the roll of honour and the hub
// items that open the competition screens.
#include <cstdint>
#include <string>
#include <vector>

#include "competitions_game.h"
#include "shell/main_module.h"

namespace kervale::test {
namespace {

using Brackets = CompetitionsTest;

constexpr Colour kBlue = 0xFF0000;

// East clubs 1..4 and West clubs 11..14 stored in number order.
void storeConferences() {
  MLSModule& game = mls();
  game.MLSMatchesPerRound = 4;
  for (int k = 1; k <= 4; ++k) {
    game.EastOrder(k) = k;
    game.WestOrder(k) = 10 + k;
  }
}

TEST_F(Brackets, TheMLSViewSeedsEightClubsAndShowsFourByConference) {
  storeConferences();
  standing(3, 6, 0);   // East 3 climbs to the top
  standing(14, 3, 0);  // and West 4
  g().PlayoffTeams = 8;
  g().PlayoffSFTeam(1) = 3;
  g().PlayoffSFResult(1) = 2;
  showPlayoffs(0);
  const std::vector<double> seeds = {3, 4, 2, 1, 14, 11, 12, 13};
  for (int k = 1; k <= 8; ++k) EXPECT_EQ(g().PlayoffQFTeam(k), seeds[k - 1]) << k;
  EXPECT_EQ(playoffs().round1(1).caption(), name(3));
  EXPECT_EQ(playoffs().eastawayscore.caption(), "2");

  g().PlayoffTeams = 4;
  g().PlayoffQFTeam.fill(0);
  g().PlayoffEastHomeScore = 1;
  g().MLSFinalTeam2 = 12;
  g().MLSFinalScore2 = 0;
  showPlayoffs(0);
  MLS_Playoffs& p = playoffs();
  EXPECT_EQ(g().PlayoffQFTeam(1), 0) << "four clubs seed no quarter-finals";
  EXPECT_EQ(p.round1(1).caption(), "");
  EXPECT_EQ(p.eastaway.caption(), name(2));  // place 2 above place 1
  EXPECT_EQ(p.easthome.caption(), name(3));
  EXPECT_EQ(p.easthomescore.caption(), "1");
  EXPECT_EQ(p.westhome.caption(), name(14));
  EXPECT_EQ(p.champhome.caption(), name(12));
  EXPECT_EQ(p.finalawayscore.caption(), "0");

  g().PlayoffTeams = 0;
  showPlayoffs(0);
  EXPECT_EQ(playoffs().eastaway.caption(), "") << "neither size: only the final";
  EXPECT_EQ(playoffs().champhome.caption(), name(12));
}

TEST_F(Brackets, LeaguePlayoffsSeedTheTopFourByTheStandings) {
  // Stored A, B, C with points 3, 3, 6 and goal differences 0, 2, -1.
  for (int k = 1; k <= 18; ++k) {
    g().ALeagueOrder(k) = 16 + k;
    g().D3Order(k) = 34 + k;
  }
  for (int first : {17, 35}) {
    standing(first, 3, 0);
    standing(first + 1, 3, 2);
    standing(first + 2, 6, -1);
  }
  g().ALeaguePlayoffSFScore(3) = 2;  // the score beside seed 3
  showPlayoffs(5);
  const std::vector<double> aLeague = {19, 18, 17, 20};
  for (int k = 1; k <= 4; ++k) EXPECT_EQ(g().ALeaguePlayoffSFTeam(k), aLeague[k - 1]) << k;
  EXPECT_EQ(playoffs().eastaway.caption(), name(20));
  EXPECT_EQ(playoffs().easthome.caption(), name(19));
  EXPECT_EQ(playoffs().westhomescore.caption(), "2");
  showPlayoffs(7);
  const std::vector<double> d3 = {37, 36, 35, 38};
  for (int k = 1; k <= 4; ++k) EXPECT_EQ(g().D3PlayoffSFTeam(k), d3[k - 1]) << k;
}

TEST_F(Brackets, CupRoundsShowTheirSlotsAndTheUsersClubInBlue) {
  g().MyTeam = 5;
  for (int s = 1; s <= 60; ++s) g().USCupPrelimTeam(s) = 100 + s;
  g().USCupRound1Team(3) = 5;
  g().USCupRound1Team(4) = 9;
  g().USCupRound1Result(3) = "2";
  g().USCupRound2Team(2) = 5;
  g().USCupFinalTeam(1) = 5;
  showUsOpenCup();
  UsOpenCup& c = cup();
  struct Round {
    ui::CommandButton* button;
    const char* caption;
    int slots;
    int blueSlot;  // 0: none
  };
  const Round rounds[] = {
      {&c.Rd1, "Round 1", 64, 3},
      {&c.Finals, "Final", 2, 1},
      {&c.Command3, "First Stage", 60, 0},
      {&c.Rd2, "Round 2", 32, 2},
      {&c.Rd3, "Round 3", 16, 0},
      {&c.Rd4, "US Open Cup Round 4", 8, 0},
      {&c.Semis, "US Open Cup Semifinals", 4, 0},
      {&c.Rd1, "Round 1", 64, 3},
  };
  for (const Round& r : rounds) {
    SCOPED_TRACE(r.caption);
    r.button->userClick();
    EXPECT_EQ(c.WhatRound.caption(), r.caption);
    for (int s = 1; s <= 64; ++s) {
      EXPECT_EQ(c.TeamNames(s).caption() == " ", s > r.slots) << s;
      if (s <= r.slots) {
        EXPECT_EQ(c.TeamNames(s).foreColor() == kBlue, s == r.blueSlot) << s;
      }
    }
  }
  // The last click showed Round 1 again.
  EXPECT_EQ(c.theresult(3).caption(), "2");
  EXPECT_EQ(c.TeamNames(5).caption(), "(bye)") << "an undrawn slot is a bye";
  EXPECT_EQ(c.theresult(5).caption(), "");
}

TEST_F(Brackets, TheRollOfHonourListsCompletedSeasonsByTheirYear) {
  for (int s = 0; s <= 100; ++s) {
    g().MLSChampionHistory(s) = 1 + s % 10;
    g().CupWinnerHistory(s) = static_cast<std::int16_t>(11 + s % 10);
    g().WorldClubWinnerHistory(s) = 21 + s % 10;
  }
  struct Case {
    double season;
    int rows;
    const char* topYear;  // "" when the top row is hidden
    int topSeason;
  };
  const Case cases[] = {{-1, 0, "", 0},        {0, 0, "", 0},           {1, 1, " 2002", 0},
                        {20, 18, " 2021", 19}, {101, 18, " 2102", 100}, {102, 17, "", 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.season);
    g().CurrentSeason = c.season;
    showLeagueChamp();
    LeagueChamp& r = roll();
    int shown = 0;
    for (int i = 0; i <= 17; ++i) shown += r.Label4(i).visible() && r.Label7(i).visible() ? 1 : 0;
    EXPECT_EQ(shown, c.rows);
    EXPECT_EQ(r.Label4(0).visible(), *c.topYear != 0);
    if (*c.topYear == 0) continue;
    EXPECT_EQ(r.Label4(0).caption(), c.topYear);
    EXPECT_EQ(r.Label5(0).caption(), name(1 + c.topSeason % 10));
    EXPECT_EQ(r.Label6(0).caption(), name(11 + c.topSeason % 10));
    EXPECT_EQ(r.Label7(0).caption(), name(21 + c.topSeason % 10));
  }
}

TEST_F(Brackets, HubItemsOpenTheirScreens) {
  MainModule& hub = ui::screen<MainModule>();
  const std::pair<ui::MenuItem*, const char*> viewers[] = {
      {&hub.Canada_Cupview, "Quorra Canada Cup"},     {&hub.Champs_league, "European Champions League"},
      {&hub.Copa_Liberadores, "Copa Liberadores"},    {&hub.World_Cup_Show, "World Club Cup"},
      {&hub.Concacafcupsee, "CONCACAF Cup"},          {&hub.A_League_Playoffthingy, "A-League Playoffs"},
      {&hub.D3ProPlayView, "D3 Pro League Playoffs"}, {&hub.MLS_Playoffs_Form_Show, "MLS Playoffs"},
  };
  for (const auto& [item, caption] : viewers) {
    ASSERT_TRUE(item->onClick) << item->name();
    item->onClick();
    EXPECT_TRUE(playoffs().shown());
    EXPECT_EQ(playoffs().caption(), caption);
  }
  EXPECT_FALSE(hub.MexLeaguePlayoffSHow.onClick);
  // Each new window takes the focus from the last one.
  const std::pair<ui::MenuItem*, ui::Form*> others[] = {
      {&hub.MLSTabelesSHow, &tables()}, {&hub.Stats_Menu_Cup, &cup()}, {&hub.View_Winners, &roll()}};
  for (const auto& [item, form] : others) {
    item->onClick();
    EXPECT_TRUE(form->shown()) << item->name();
  }
  EXPECT_FALSE(tables().loaded());
  roll().userDeactivate();
  EXPECT_TRUE(roll().loaded()) << "the roll of honour closes only by its button";

  // The Tables item opens the user's own league.
  g().EnglishDivision(60 - 52) = 3;
  g().LeagueOrder(2, 10) = 210;
  const std::pair<double, const char*> clubs[] = {
      {20, "A-League"}, {40, "D3 Pro League"},   {60, "English Division Two"},
      {210, "Grupo 3"}, {230, "Australian NSL"}, {5, "A-League"}};
  for (const auto& [club, title] : clubs) {
    g().MyTeam = club;
    hub.Java_Tabulas.onClick();
    EXPECT_EQ(leagueTable().Label2.caption(), title) << club;
  }
}

}  // namespace
}  // namespace kervale::test
