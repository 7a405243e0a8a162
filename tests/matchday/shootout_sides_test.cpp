// Who kicks against whom in a shoot-out: each side's kickers of slots 11 down
// to 7 face the other side's keeper in slot 1.
#include <gtest/gtest.h>

#include <string>

#include "base/random.h"
#include "data/mls_module.h"
#include "match/match_engine.h"
#include "support/scripted_dialogs.h"

namespace kervale::test {
namespace {

constexpr int kHome = 3;
constexpr int kAway = 5;

int playerOf(int club, int slot) { return (club == kHome ? 0 : 20) + slot; }

class ShootoutSides : public ::testing::Test {
 protected:
  ShootoutSides() {
    replaceGame(makeEmptyGame());
    rng().clearScript();
    MLSModule& g = mls();
    g.MyTeam = kHome;
    for (int club : {kHome, kAway}) {
      for (int slot = 1; slot <= 20; ++slot) {
        const int p = playerOf(club, slot);
        g.TeamSquad(slot, club) = p;
        g.PlayerAttack(p) = 10;
        g.PlayerGoalkeeping(p) = 0;
      }
    }
    match.hometeam = kHome;
    match.awayteam = kAway;
    match.homegoals = 0;
    match.awaygoals = 0;
  }
  ~ShootoutSides() override {
    rng().clearScript();
    replaceGame(nullptr);
  }

  // Every roll of one round of kicks is a half: a kicker rated 10 shoots 5
  // and a keeper rated 20 saves with 10.
  static void halfRolls(int rounds) {
    for (int i = 0; i < rounds * 20; ++i) rng().script({0.5});
  }

  std::string score() {
    dialogs.answer(ui::MsgResult::OK);
    match.penalties();
    EXPECT_EQ(rng().scriptedLeft(), 0u);
    return dialogs.last().text;
  }

  ScriptedDialogs dialogs;
  MatchEngine match;
};

TEST_F(ShootoutSides, EachKickerFacesTheOtherSidesKeeper) {
  mls().PlayerGoalkeeping(playerOf(kAway, 1)) = 20;  // only the visitors' keeper can save
  halfRolls(1);
  EXPECT_EQ(score(), "Penalty kick score:  0:  5");
  EXPECT_EQ(match.homegoals, 0);
  EXPECT_EQ(match.awaygoals, 1);
}

TEST_F(ShootoutSides, TheHomeKeeperSavesTheVisitorsKicks) {
  mls().PlayerGoalkeeping(playerOf(kHome, 1)) = 20;
  halfRolls(1);
  EXPECT_EQ(score(), "Penalty kick score:  5:  0");
  EXPECT_EQ(match.homegoals, 1);
  EXPECT_EQ(match.awaygoals, 0);
}

TEST_F(ShootoutSides, OnlyTheKeeperInSlotOneSaves) {
  MLSModule& g = mls();
  for (int slot = 2; slot <= 20; ++slot) g.PlayerGoalkeeping(playerOf(kAway, slot)) = 20;
  halfRolls(1);
  g.PlayerAttack(playerOf(kAway, 7)) = 0;  // the visitors miss one kick a round
  EXPECT_EQ(score(), "Penalty kick score:  5:  4") << "keepers outside slot 1 save nothing";
}

TEST_F(ShootoutSides, TheLastPlayerRecordKeepsGoalLikeAnyOther) {
  MLSModule& g = mls();
  g.TeamSquad(1, kHome) = kLastPlayer;
  g.PlayerGoalkeeping(kLastPlayer) = 20;
  halfRolls(1);
  EXPECT_EQ(score(), "Penalty kick score:  5:  0");
}

TEST_F(ShootoutSides, TheKickersAreSlotsElevenDownToSeven) {
  MLSModule& g = mls();
  for (int club : {kHome, kAway}) {
    for (int slot : {1, 2, 3, 4, 5, 6, 12, 13, 14, 15, 16, 17, 18, 19, 20}) g.PlayerAttack(playerOf(club, slot)) = 0;
  }
  g.PlayerAttack(playerOf(kAway, 11)) = 0;  // the visitors' first kicker cannot score
  halfRolls(1);
  EXPECT_EQ(score(), "Penalty kick score:  5:  4");
  g.PlayerAttack(playerOf(kAway, 11)) = 10;
  g.PlayerAttack(playerOf(kHome, 7)) = 0;  // now the hosts' last kicker cannot
  halfRolls(1);
  EXPECT_EQ(score(), "Penalty kick score:  4:  5");
}

}  // namespace
}  // namespace kervale::test
