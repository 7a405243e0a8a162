#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "data/mls_module.h"
#include "support/scripted_dialogs.h"

namespace kervale::test {

// A small started game made by hand: clubs 1..8 with sixteen named players
// each (club 1 is the user's), a fixture grid of pairs, reference counts, and
// the calendar at Monday January 1 of season 1, round 1.
std::unique_ptr<MLSModule> smallGame();

// Player number of squad slot `slot` of club `club` in smallGame().
int smallGamePlayer(int club, int slot);

// Each test starts with smallGame() running, a seeded generator and strict
// dialogs; the shell's screens are unloaded afterwards.
class ShellTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  ScriptedDialogs dialogs;
};

}  // namespace kervale::test
