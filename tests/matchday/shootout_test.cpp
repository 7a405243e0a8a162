// The penalty shoot-out of a level knockout tie.
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

class Shootout : public ::testing::Test {
 protected:
  Shootout() {
    replaceGame(makeEmptyGame());
    rng().clearScript();
    rng().seed(77);
    MLSModule& g = mls();
    g.MyTeam = 1;
    for (int club : {kHome, kAway}) {
      for (int slot = 1; slot <= 20; ++slot) {
        const int p = playerOf(club, slot);
        g.TeamSquad(slot, club) = p;
        g.PlayerAttack(p) = 10;
        g.PlayerGoalkeeping(p) = 10;
      }
    }
    match.hometeam = kHome;
    match.awayteam = kAway;
    match.homegoals = 1;
    match.awaygoals = 1;
  }
  ~Shootout() override {
    rng().clearScript();
    replaceGame(nullptr);
  }

  // One round of kicks, home and away in turn, kickers from slot 11 down:
  // 'G' scores (a roll of 9 against 0), 'M' is saved (0 against 0).
  static void scriptRound(const std::string& home, const std::string& away) {
    for (int k = 0; k < 5; ++k) {
      rng().script({home[k] == 'G' ? 0.95 : 0.0, 0.0});
      rng().script({away[k] == 'G' ? 0.95 : 0.0, 0.0});
    }
  }

  ScriptedDialogs dialogs;
  MatchEngine match;
};

TEST_F(Shootout, TheSideWithMoreKicksInGoesThrough) {
  scriptRound("GGGGM", "GGGMM");
  match.penalties();
  EXPECT_EQ(match.homegoals, 2);
  EXPECT_EQ(match.awaygoals, 1);
  EXPECT_EQ(rng().scriptedLeft(), 0u) << "one round of five kicks each";
  EXPECT_EQ(dialogs.count(), 0u) << "no box for two computer clubs";
}

TEST_F(Shootout, ALevelRoundIsFollowedByAnotherWithTheTalliesCarried) {
  mls().MyTeam = kHome;
  scriptRound("GGGMM", "MGGGM");
  scriptRound("GGGGM", "GGMMM");
  dialogs.answer(ui::MsgResult::OK);
  match.penalties();
  EXPECT_EQ(match.homegoals, 2);
  EXPECT_EQ(match.awaygoals, 1);
  EXPECT_EQ(rng().scriptedLeft(), 0u);
  ASSERT_EQ(dialogs.count(), 1u);
  EXPECT_EQ(dialogs.last().title, "Penalties");
  EXPECT_EQ(dialogs.last().text, "Penalty kick score:  7:  5");
  EXPECT_EQ(dialogs.last().buttons, ui::MsgButtons::OK);
}

TEST_F(Shootout, AnEqualRollIsSavedAndAZeroRatedKickerNeverScores) {
  MLSModule& g = mls();
  g.PlayerAttack(playerOf(kHome, 11)) = 0;
  // Home's first kicker rolls high with no rating; away's first kick is an equal roll (3 against 3).
  rng().script({0.99, 0.0, 0.35, 0.35});
  rng().script({0.95, 0.0, 0.0, 0.0});  // 1-0 home
  for (int k = 3; k <= 5; ++k) rng().script({0.0, 0.0, 0.0, 0.0});
  match.penalties();
  EXPECT_EQ(match.homegoals, 2);
  EXPECT_EQ(match.awaygoals, 1);
}

TEST_F(Shootout, KickersWhoCannotScoreStillLeaveAWinner) {
  MLSModule& g = mls();
  for (int club : {kHome, kAway}) {
    for (int slot = 7; slot <= 11; ++slot) g.PlayerAttack(playerOf(club, slot)) = 0.5;
  }
  g.MyTeam = kHome;
  // Twenty rounds of kicks that cannot go in, then the lot.
  for (int i = 0; i < 20 * 20; ++i) rng().script({0.99});
  rng().script({0.7});
  dialogs.answer(ui::MsgResult::OK);
  match.penalties();
  EXPECT_EQ(rng().scriptedLeft(), 0u);
  EXPECT_EQ(match.homegoals, 1);
  EXPECT_EQ(match.awaygoals, 2) << "the lot went to the visitors";
  EXPECT_EQ(dialogs.last().text, "Penalty kick score:  0:  1");
}

TEST_F(Shootout, AlwaysExactlyOneWinner) {
  MLSModule& g = mls();
  dialogs.backend().setPolicy(ui::HeadlessBackend::Policy::Defaults);
  int boxes = 0;
  for (int trial = 0; trial < 400; ++trial) {
    for (int club : {kHome, kAway}) {
      for (int slot = 1; slot <= 11; ++slot) {
        g.PlayerAttack(playerOf(club, slot)) = rng().draw(4) == 0 ? 0 : rng().draw(20);
        g.PlayerGoalkeeping(playerOf(club, slot)) = static_cast<float>(rng().draw(25));
      }
    }
    // Now and then an empty kicker's slot, which kicks with the empty record's ratings.
    g.TeamSquad(7, kHome) = trial % 5 == 0 ? 0 : playerOf(kHome, 7);
    const bool users = trial % 3 == 0;
    g.MyTeam = users ? kAway : 1;
    match.homegoals = 2;
    match.awaygoals = 2;
    const std::size_t before = dialogs.count();
    match.penalties();
    ASSERT_EQ(match.homegoals + match.awaygoals, 5) << "trial " << trial;
    ASSERT_TRUE(match.homegoals == 3 || match.awaygoals == 3);
    ASSERT_EQ(dialogs.count() - before, users ? 1u : 0u);
    if (users) {
      ++boxes;
      EXPECT_EQ(dialogs.last().title, "Penalties");
    }
  }
  EXPECT_GT(boxes, 0);
}

}  // namespace
}  // namespace kervale::test
