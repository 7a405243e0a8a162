#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "data/mls_module.h"
#include "standin/stand_in_user.h"
#include "support/scripted_dialogs.h"

namespace kervale {
class MainModule;
}

namespace kervale::test {

// A small started game made by hand: clubs 1..8 with sixteen named players
// each (club 1 is the user's), tactical tables under which matches score, a
// referee, a fixture grid of pairs, reference counts, the leagues' divisions
// and standings orders, and the calendar at Monday January 1 of season 1,
// round 1.
std::unique_ptr<MLSModule> smallGame();

// Player number of squad slot `slot` of club `club` in smallGame().
int smallGamePlayer(int club, int slot);

// Parses a saved game's text over a copy of the running game, which must not
// change, and returns why it was refused; fails the test when it loads.
std::string savedGameRefusal(const std::string& text);

// Each test starts with smallGame() running, a seeded generator and strict
// dialogs; the shell's screens are unloaded afterwards.
class ShellTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // From here on a matchday is played as the player plays it: a talk, quick
  // simulation, the minute button after the final score. Its boxes vary with
  // the play, so every box gets its default answer.
  void playMatchdays();
  // Final-score boxes shown so far: the user's matches, or every match when
  // ShowAllMatches is on.
  int finalScoreBoxes() const;
  static MLSModule& g() { return mls(); }
  static MainModule& hub();
  // The club news lines in order.
  static std::vector<std::string> news();

  ScriptedDialogs dialogs;
  std::optional<StandInUser> standIn;
};

}  // namespace kervale::test
