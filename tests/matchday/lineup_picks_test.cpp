// The selection passes of a computer line-up, pick by pick.
#include "matchday/lineup_picks.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <utility>

#include "data/mls_module.h"

namespace kervale::test {
namespace {

using namespace lineups;

constexpr int kClub = 4;

// Slot s holds player 100 + s: a keeper, defenders in 2..5, 13 and 14,
// midfielders in 6..9 and 15..17, forwards in 10, 11 and 18..20.
class LineupPicks : public ::testing::Test {
 protected:
  LineupPicks() {
    replaceGame(makeEmptyGame());
    MLSModule& g = mls();
    for (int s = 1; s <= kSlots; ++s) {
      const int p = 100 + s;
      g.TeamSquad(s, kClub) = p;
      g.PlayerName(p) = "P" + std::to_string(p);
      const bool defender = (s >= 2 && s <= 5) || s == 13 || s == 14;
      const bool midfielder = (s >= 6 && s <= 9) || (s >= 15 && s <= 17);
      g.PlayerGoalkeeping(p) = s == 1 ? 10.0f : 1.0f;
      g.PlayerDefense(p) = defender ? 10 : 1;
      g.PlayerMidfield(p) = midfielder ? 10 : 1;
      g.PlayerAttack(p) = !defender && !midfielder && s != 1 ? 6 : 1;
    }
  }
  ~LineupPicks() override { replaceGame(nullptr); }

  static void defence(int slot, double rating) { mls().PlayerDefense(100 + slot) = rating; }
};

TEST_F(LineupPicks, EveryPickPushesOutAndLooksAgainAsTheRepeatedScanDoes) {
  // Scanned in slot order; each new best pushes a slot out, and it is looked at again.
  for (auto [slot, rating] : {std::pair{2, 9.0}, {3, 12.0}, {4, 10.0}, {5, 11.0}, {13, 10.0}, {14, 8.0}}) {
    defence(slot, rating);
  }
  SquadView squad(mls(), kClub);
  squad.listLines();
  Picks picks;
  selectionPass(picks, squad, kDefence, 2, 2, 5);
  const std::array<int, 4> slots = {picks.slotAt(2), picks.slotAt(3), picks.slotAt(4), picks.slotAt(5)};
  EXPECT_EQ(slots, (std::array<int, 4>{3, 5, 4, 13}));
  const std::array<double, 4> best = {picks.best(2), picks.best(3), picks.best(4), picks.best(5)};
  EXPECT_EQ(best, (std::array<double, 4>{12, 11, 10, 10}));
  EXPECT_FALSE(picks.placed(2));
  EXPECT_FALSE(picks.placed(14));
}

TEST_F(LineupPicks, OnlyTheLinesOwnFitPlayersFromTheFirstCandidateOnAreLookedAt) {
  defence(13, 30);              // the best defender, but before the first candidate of the pass below
  mls().PlayerInjury(115) = 2;  // the first bench midfielder is suspended
  mls().PlayerMidfield(116) = 14;
  SquadView squad(mls(), kClub);
  squad.listLines();
  Picks picks;
  selectionPass(picks, squad, kMidfield, 14, 6, 9);
  // Slot 16 takes the first position and 17 the next; the slots they push
  // out come before the first candidate and are not looked at again.
  EXPECT_EQ(picks.slotAt(6), 16);
  EXPECT_EQ(picks.slotAt(7), 17);
  EXPECT_EQ(picks.slotAt(8), 8);
  EXPECT_EQ(picks.slotAt(9), 9);
  EXPECT_EQ(picks.best(6), 14);
  EXPECT_EQ(picks.best(8), 0);
  EXPECT_FALSE(picks.placed(6));
  EXPECT_FALSE(picks.placed(15));
  EXPECT_EQ(squad.ofLine[kMidfield][0], 6);
}

TEST_F(LineupPicks, ASwapMovesEverythingTheSlotHeld) {
  mls().PlayerInjury(103) = 1;
  SquadView squad(mls(), kClub);
  squad.swapSlots(3, 12);
  EXPECT_EQ(squad.player[3], 112);
  EXPECT_EQ(squad.player[12], 103);
  EXPECT_TRUE(squad.fit[3]);
  EXPECT_FALSE(squad.fit[12]);
  EXPECT_EQ(squad.type[3], kAttack);
  EXPECT_EQ(squad.rating[kDefence][12], 10);
}

// A squad cell read as its player: an empty cell, one past the player table
// and a negative one are no one; a fraction names the player it rounds to.
TEST_F(LineupPicks, TheViewReadsEachCellAsThePlayerItNames) {
  MLSModule& g = mls();
  g.TeamSquad(7, kClub) = 0;
  g.TeamSquad(8, kClub) = kLastPlayer + 1;
  g.TeamSquad(9, kClub) = -3;
  g.TeamSquad(10, kClub) = 104.6;  // player 105, a defender
  const SquadView squad(g, kClub);
  for (int slot : {7, 8, 9}) {
    EXPECT_EQ(squad.player[slot], 0) << slot;
    EXPECT_FALSE(squad.fit[slot]) << slot;
    EXPECT_EQ(squad.type[slot], kNoLine) << slot;
  }
  EXPECT_EQ(squad.player[10], 105);
  EXPECT_TRUE(squad.fit[10]);
  EXPECT_EQ(squad.type[10], kDefence);
  EXPECT_EQ(squad.player[0], 0);
  EXPECT_FALSE(squad.fit[0]);
  EXPECT_EQ(squad.keeping[1], 10);
}

// A squad cell names the player its value rounds to, halves to even, within
// the player records; anything else names no one.
TEST(SquadCells, ACellNamesThePlayerItRoundsTo) {
  const std::pair<double, int> cases[] = {
      {1, 1},
      {0.6, 1},
      {0.5, 0},
      {1.5, 2},
      {2.5, 2},
      {104.4, 104},
      {-3, 0},
      {0, 0},
      {-0.4, 0},
      {kLastPlayer, kLastPlayer},
      {kLastPlayer + 0.5, kLastPlayer},
      {kLastPlayer + 0.6, 0},
      {std::nan(""), 0},
      {1e300, 0},
  };
  for (const auto& [cell, player] : cases) EXPECT_EQ(squadCellPlayer(cell), player) << cell;
}

// The memory of picks gives back only what was made from the same squad, to
// the bit, and the same formation digits, and never a pick that drew.
TEST_F(LineupPicks, ThePickMemoryRecallsOnlyThePicksOfTheSameSquad) {
  MLSModule& g = mls();
  PickMemory memory;
  const FormationDigits fourFour{false, 4, 4};
  const SquadView first(g, kClub);
  Picks picks;
  picks.place(2, 13, 10);
  EXPECT_FALSE(memory.recall(g, kClub, fourFour));
  memory.note(kClub, first, fourFour);
  memory.keep(kClub, picks, false);
  const auto recalled = memory.recall(g, kClub, fourFour);
  ASSERT_TRUE(recalled);
  EXPECT_EQ(recalled->picks.slotAt(2), 13);
  EXPECT_EQ(recalled->picks.best(2), 10);
  EXPECT_EQ(recalled->squad.player, first.player);
  EXPECT_FALSE(memory.recall(g, kClub, FormationDigits{false, 4, 5}));
  EXPECT_FALSE(memory.recall(g, kClub, FormationDigits{true, 4, 4}));
  EXPECT_FALSE(memory.recall(g, kClub + 1, fourFour));

  // A rating one step of its last bit away, an injury, or another order is another squad.
  defence(3, std::nextafter(10.0, 11.0));
  EXPECT_FALSE(memory.recall(g, kClub, fourFour));
  defence(3, 10);
  g.PlayerInjury(104) = 1;
  EXPECT_FALSE(memory.recall(g, kClub, fourFour));
  g.PlayerInjury(104) = 0;
  std::swap(g.TeamSquad(2, kClub), g.TeamSquad(3, kClub));
  EXPECT_FALSE(memory.recall(g, kClub, fourFour));

  // Two orders are kept side by side; a third makes room in the one not used last.
  memory.note(kClub, SquadView(g, kClub), fourFour);
  memory.keep(kClub, Picks(), false);
  EXPECT_TRUE(memory.recall(g, kClub, fourFour));
  std::swap(g.TeamSquad(2, kClub), g.TeamSquad(3, kClub));
  EXPECT_TRUE(memory.recall(g, kClub, fourFour));
  std::swap(g.TeamSquad(2, kClub), g.TeamSquad(3, kClub));
  EXPECT_TRUE(memory.recall(g, kClub, fourFour));
  std::swap(g.TeamSquad(4, kClub), g.TeamSquad(5, kClub));
  memory.note(kClub, SquadView(g, kClub), fourFour);
  memory.keep(kClub, Picks(), false);
  EXPECT_TRUE(memory.recall(g, kClub, fourFour));
  std::swap(g.TeamSquad(4, kClub), g.TeamSquad(5, kClub));
  EXPECT_TRUE(memory.recall(g, kClub, fourFour));
  std::swap(g.TeamSquad(2, kClub), g.TeamSquad(3, kClub));
  EXPECT_FALSE(memory.recall(g, kClub, fourFour));

  // A pick whose formation was drawn is not kept.
  memory.note(kClub, SquadView(g, kClub), fourFour);
  memory.keep(kClub, picks, true);
  EXPECT_FALSE(memory.recall(g, kClub, fourFour));
}

// The squad held by the tables is compared as a view read afresh would be:
// each cell as the player it names, fitness by injury and name, every value
// to the bit.
TEST_F(LineupPicks, AHeldSquadReadsAsTheViewReadAfresh) {
  MLSModule& g = mls();
  g.TeamSquad(10, kClub) = 104.6;  // player 105
  g.TeamSquad(7, kClub) = kLastPlayer + 1;
  const SquadView view(g, kClub);
  EXPECT_TRUE(view.heldBy(g, kClub));
  EXPECT_FALSE(view.heldBy(g, kClub + 1));

  g.TeamSquad(10, kClub) = 105.4;  // the same player
  g.TeamSquad(7, kClub) = -2;      // no one, as before
  EXPECT_TRUE(view.heldBy(g, kClub));
  g.TeamSquad(10, kClub) = 105.6;
  EXPECT_FALSE(view.heldBy(g, kClub));
  g.TeamSquad(10, kClub) = 105;

  const auto changed = [&](auto change, auto undo) {
    change();
    const bool held = view.heldBy(g, kClub);
    undo();
    return !held && view.heldBy(g, kClub);
  };
  EXPECT_TRUE(changed([&] { g.PlayerName(112) = ""; }, [&] { g.PlayerName(112) = "P112"; }));
  EXPECT_TRUE(changed([&] { g.PlayerInjury(120) = 2; }, [&] { g.PlayerInjury(120) = 0; }));
  EXPECT_TRUE(changed([&] { g.PlayerGoalkeeping(101) = 10.5f; }, [&] { g.PlayerGoalkeeping(101) = 10.0f; }));
  EXPECT_TRUE(changed([&] { g.PlayerMidfield(106) = -0.0; }, [&] { g.PlayerMidfield(106) = 10; }));
  EXPECT_TRUE(changed([&] { g.PlayerAttack(120) = 7; }, [&] { g.PlayerAttack(120) = 6; }));
  EXPECT_TRUE(changed([&] { g.PlayerDefense(113) = 0; }, [&] { g.PlayerDefense(113) = 10; }));
  // The same value with its sign flipped is another squad too.
  g.PlayerAttack(111) = 0;
  const SquadView zero(g, kClub);
  g.PlayerAttack(111) = -0.0;
  EXPECT_FALSE(zero.heldBy(g, kClub));
  // What a view does not read leaves it held.
  g.PlayerForm(112) = 1;
  g.PlayerAttack(111) = 0;
  EXPECT_TRUE(zero.heldBy(g, kClub));
}

}  // namespace
}  // namespace kervale::test
