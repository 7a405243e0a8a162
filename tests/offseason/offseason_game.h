#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "base/random.h"
#include "data/mls_module.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

namespace kervale::test {

// A bare game: MLS clubs 1..MLSTeamCount named "Club c", conference by
// parity, clubs 1..14 in the orders, no players. Dialogs get default
// answers and are logged; the generator is seeded.
class OffSeasonTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  static MLSModule& g() { return mls(); }
  // Adds a named player to club `club`, slot `slot`; returns his number.
  int addPlayer(int club, int slot, double keeping, double defence, double midfield, double attack);
  // The English divisions 1..4 as clubs 53..144 in table order (20 clubs in
  // the first, 24 in the others), each club with fewer points than the one
  // above it, so the order stands when the tables are sorted.
  static void englishDivisionsInOrder();
  // Copies the off-season's files from the world into a temporary working folder.
  void inWorldFiles();

  ScriptedDialogs dialogs{ui::HeadlessBackend::Policy::Defaults};
  TempDir dir;
  std::optional<ScopedCurrentDir> cwd;
};

}  // namespace kervale::test
