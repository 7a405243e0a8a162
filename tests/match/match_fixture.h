#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "base/random.h"
#include "data/mls_module.h"
#include "match/match_engine.h"
#include "support/scripted_dialogs.h"
#include "team/locker_room.h"
#include "ui/screen.h"

namespace kervale::test {

inline constexpr int kHome = 3;
inline constexpr int kAway = 7;
inline constexpr int kUser = 12;  // a club of its own, so the two above play a computer match

// Zone of row r, column c on the 5 x 5 grid.
inline int zoneAt(int r, int c) { return 5 * (r - 1) + c; }

// Flows, positions and one neutral tactic: the home side drives the ball to
// the right and towards the middle row, the away side to the left; every zone
// weight is 1. Positions 1 defender, 2 midfielder, 3 forward.
inline void buildTacticalTables(MLSModule& g) {
  g.NumFlows = 2;
  g.FlowName(1) = "Direct";
  g.FlowName(2) = "Patient";
  for (int flow = 1; flow <= 2; ++flow) {
    for (int r = 1; r <= 5; ++r) {
      for (int c = 1; c <= 5; ++c) {
        const int z = zoneAt(r, c);
        const int towardsMiddle = r < 3 ? r + 1 : (r > 3 ? r - 1 : r);
        g.FlowTable1(z, flow, 1) = zoneAt(towardsMiddle, c < 5 ? c + 1 : 5);
        g.FlowTable1(z, flow, 2) = zoneAt(towardsMiddle, c > 1 ? c - 1 : 1);
        for (int side = 1; side <= 2; ++side) {
          g.FlowTable2(z, flow, side) = 1;
          g.FlowTable3(z, flow, side) = 1;
          g.FlowTable4(z, flow, side) = 1;
        }
      }
    }
  }
  g.NumPositions = 3;
  g.PositionName(1) = "DEF";
  g.PositionName(2) = "MID";
  g.PositionName(3) = "FWD";
  const double factors[4][4] = {{0, 0, 0, 0}, {0, 1, 0.4, 0.1}, {0, 0.4, 1, 0.4}, {0, 0.1, 0.4, 1}};
  for (int p = 1; p <= 3; ++p) {
    g.PositionPickWeight(p) = p;
    for (int flow = 1; flow <= 2; ++flow) {
      for (int k = 1; k <= 3; ++k) g.PositionFactor(p, flow, k) = factors[p][k];
    }
  }
  g.NumTactics = 2;
  g.TacticName(1) = "Balanced";
  g.TacticName(2) = "Attacking";
  for (int k = 1; k <= 3; ++k) g.TacticFactor(1, k) = 1;
  g.TacticFactor(2, 1) = 0.9;
  g.TacticFactor(2, 2) = 1;
  g.TacticFactor(2, 3) = 1.2;
}

// A club with players firstPlayer.. in slots 1..20: a keeper, then four
// defenders, four midfielders and two forwards, all rated `skill`.
inline void buildClub(MLSModule& g, int club, int firstPlayer, double skill, const std::string& name) {
  g.TeamName(club) = name;
  g.TeamVenue(club) = name + " Ground";
  g.TeamLogo(club) = name + ".gif";
  g.TeamColour1(club) = club == kHome ? "&HFF" : "&HFF0000";
  g.TeamColour2(club) = "&HFFFFFF";
  g.StadiumCapacity(club) = 20000;
  g.TeamFanDemand(club) = 0.5;
  g.TicketPrice(club) = 20;
  g.TeamReputation(club) = 40;
  g.TeamMorale(club) = 1;
  g.TeamTactic(club) = 1;
  g.TeamFlow(club) = 1;
  g.TeamFormation(club) = 1;
  for (int slot = 1; slot <= 20; ++slot) {
    const int p = firstPlayer + slot - 1;
    g.TeamSquad(slot, club) = p;
    g.PlayerTeam(p) = club;
    g.PlayerName(p) = name.substr(0, 1) + std::to_string(slot);
    g.PlayerGoalkeeping(p) = slot == 1 ? static_cast<float>(skill) : 1.0f;
    g.PlayerDefense(p) = skill;
    g.PlayerMidfield(p) = skill;
    g.PlayerAttack(p) = skill;
    g.PlayerHeading(p) = skill;
    g.PlayerAggression(p) = 30;
  }
  for (int j = 1; j <= 10; ++j) g.TeamPosition(j, club) = j <= 4 ? 1 : (j <= 8 ? 2 : 3);
  g.TeamSquadCount(club) = 20;
  g.TeamKeyPlayerSlot(club) = 10;
}

// A game with the two match clubs (and the user's club elsewhere), commentary
// lines "Line k" and two referees.
inline void buildMatchGame(double homeSkill = 10, double awaySkill = 10) {
  replaceGame(makeEmptyGame());
  MLSModule& g = mls();
  buildTacticalTables(g);
  buildClub(g, kHome, 1, homeSkill, "Harbour");
  buildClub(g, kAway, 101, awaySkill, "Ridge");
  buildClub(g, kUser, 201, 10, "Lakeside");
  g.NumPlayers = 300;
  g.MyTeam = kUser;
  g.CommentarySpeed = 0;
  for (int k = 1; k <= 50; ++k) g.CommentaryLine(k) = "Line " + std::to_string(k);
  g.NumRefs = 2;
  g.RefName(1) = "Ada Whistle";
  g.RefName(2) = "Bert Flag";
  g.RefStrictness(1) = 5;
  g.RefStrictness(2) = 9;
}

// Keepers nobody can beat: the score stays where a test puts it.
inline void keepersStopEverything(std::initializer_list<int> clubs = {kHome, kAway}) {
  MLSModule& g = mls();
  for (int club : clubs) g.PlayerGoalkeeping(g.TeamSquad(1, club)) = 1e9f;
}

// The match screen with its load doing nothing, so a test can show it (a
// watched match) without running a matchday.
class ShownMatch : public MatchEngine {
 protected:
  void Form_Load() override {}
};

inline LockerRoom& lockerRoom() { return ui::screen<LockerRoom>(); }

class MatchTest : public ::testing::Test {
 protected:
  MatchTest() {
    buildMatchGame();
    rng().seed(4711);
    match.hometeam = kHome;
    match.awayteam = kAway;
  }
  ~MatchTest() override {
    rng().clearScript();
    lockerRoom().Unload();
    replaceGame(nullptr);
  }

  // Plays the match as the user's own: shown, the talks ended at once.
  void makeUserMatch(bool home = true) { mls().MyTeam = home ? kHome : kAway; }

  // The items of a list, in order.
  static std::vector<std::string> items(const ui::ListBox& list) { return list.state().items; }

  ScriptedDialogs dialogs;
  MatchEngine match;
};

}  // namespace kervale::test
