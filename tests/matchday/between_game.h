#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>

#include "base/random.h"
#include "data/mls_module.h"
#include "match/match_engine.h"
#include "support/scripted_dialogs.h"
#include "ui/screen.h"

namespace kervale::test {

// The small game of the between-matchday tests: clubs 1 Alder, 2 Birch,
// 3 Cedar, 4 Damson, 20 Elm, 200 Fir; club c's players are 10c + 1.. for the
// first four (kPlayers in slots 1..kPlayers), the user manages club 1. Player
// 99 is an empty record, NumPlayers is 99.
inline constexpr int kNumPlayers = 99;
inline constexpr int kEmptyPlayer = 99;
inline constexpr int kPlayers = 5;
inline int playerOf(int club, int slot) { return 10 * club + slot; }

inline std::unique_ptr<MLSModule> betweenGame() {
  auto game = makeEmptyGame();
  MLSModule& g = *game;
  g.NumPlayers = kNumPlayers;
  g.MyTeam = 1;
  g.ManagerName = "Robin Hale";
  g.CurrentWeek = 10;
  g.NumTactics = 6;
  g.NumFlows = 4;
  const char* names[] = {"", "Alder", "Birch", "Cedar", "Damson"};
  for (int c = 1; c <= kLastClub; ++c) g.ManagerApproval(c) = 0.5;
  for (int c = 1; c <= 4; ++c) {
    g.TeamName(c) = names[c];
    g.TeamMoney(c) = 1000000;
    g.TeamReputation(c) = 10 * c;
    g.TeamSquadCount(c) = kPlayers;
    for (int s = 1; s <= kPlayers; ++s) {
      const int p = playerOf(c, s);
      g.TeamSquad(s, c) = p;
      g.PlayerTeam(p) = c;
      g.PlayerName(p) = std::string(names[c]) + " " + std::to_string(s);
      g.PlayerDefense(p) = 5;
      g.PlayerMidfield(p) = 5;
      g.PlayerAttack(p) = 5;
      g.PlayerGoalkeeping(p) = 1;
      g.PlayerForm(p) = 50;
    }
  }
  g.TeamName(20) = "Elm";
  g.TeamName(200) = "Fir";
  return game;
}

// The value of Rnd that makes Int(Rnd * n) + 1 give k.
inline double drawing(int k, int n) { return (k - 0.5) / n; }

// The market's 1000 player draws: these players first, then the empty record.
inline void scriptMarket(std::initializer_list<int> players) {
  int left = 1000;
  for (int p : players) {
    rng().script({drawing(p, kNumPlayers)});
    --left;
  }
  for (; left > 0; --left) rng().script({drawing(kEmptyPlayer, kNumPlayers)});
}

// `count` more draws of the same value.
inline void scriptRepeated(double value, int count) {
  for (int i = 0; i < count; ++i) rng().script({value});
}

// Each test starts from the small game, strict dialogs, no scripted draws and
// a match screen whose members carry nothing from an earlier test.
class BetweenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    replaceGame(betweenGame());
    rng().clearScript();
    engine().matchdaydone = false;
    engine().minutedone = false;
    engine().betweentally = {};
    engine().transfermoves.clear();
  }
  void TearDown() override {
    rng().clearScript();
    replaceGame(nullptr);
  }
  static MatchEngine& engine() { return ui::screen<MatchEngine>(); }
  static MLSModule& game() { return mls(); }

  ScriptedDialogs dialogs;
};

}  // namespace kervale::test
