// The season close, the expansion draft and the draft order.
#include "offseason/season_close.h"

#include <algorithm>
#include <string>
#include <vector>

#include "offseason/draft_pool.h"
#include "offseason/offseason_game.h"
#include "support/case_names.h"

namespace kervale::test {
namespace {

struct CloseCase {
  const char* what;
  double age, games, goals, ratingSum;
  std::vector<double> draws;
  int club;  // 1 is the user's
  float keeping;
  double defence, midfield, attack;
  bool retired;
  friend void PrintTo(const CloseCase& c, std::ostream* os) { *os << c.what; }
};

class SeasonClose : public OffSeasonTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(SeasonClose, DevelopsDeclinesOrRetires) {
  const CloseCase& c = GetParam();
  const int p = addPlayer(c.club, 5, 2, 3, 1, 0.5);
  g().PlayerAge(p) = c.age;
  g().PlayerGamesSeason(p) = c.games;
  g().PlayerGoalsSeason(p) = c.goals;
  g().PlayerAssistsSeason(p) = 10;
  g().PlayerShotsSeason(p) = 7;
  g().PlayerRatingSumSeason(p) = c.ratingSum;
  g().PlayerContractYears(p) = 1;
  for (double d : c.draws) rng().script({d});

  EXPECT_EQ(closeSeason(g()), c.retired ? 1 : 0) << c.what;

  EXPECT_EQ(rng().scriptedLeft(), 0U) << c.what;
  EXPECT_EQ(g().PlayerAge(p), c.age) << c.what;
  EXPECT_FLOAT_EQ(g().PlayerGoalkeeping(p), c.keeping) << c.what;
  EXPECT_DOUBLE_EQ(g().PlayerDefense(p), c.defence) << c.what;
  EXPECT_DOUBLE_EQ(g().PlayerMidfield(p), c.midfield) << c.what;
  EXPECT_DOUBLE_EQ(g().PlayerAttack(p), c.attack) << c.what;
  EXPECT_EQ(g().PlayerGamesSeason(p) + g().PlayerGoalsSeason(p) + g().PlayerRatingSumSeason(p) +
                g().PlayerShotsSeason(p) + g().PlayerAssistsSeason(p),
            0)
      << c.what;
  EXPECT_EQ(g().PlayerContractYears(p), 0) << c.what;
  EXPECT_EQ(g().PlayerName(p).empty(), c.retired) << c.what;
  EXPECT_EQ(g().TeamSquad(5, c.club) == p, !c.retired) << c.what;
  EXPECT_EQ(g().PlayerTeam(p), c.retired ? 0 : c.club) << c.what;
  const bool box = c.retired && c.club == 1;
  ASSERT_EQ(dialogs.count(), box ? 1U : 0U) << c.what;
  if (box) {
    EXPECT_EQ(dialogs.last().title, "Going to the Old Folks home");
  }
}

// Ratings before: keeping 2, defence 3, midfield 1, attack 0.5.
INSTANTIATE_TEST_SUITE_P(
    Cases, SeasonClose,
    ::testing::Values(CloseCase{"32 without games", 32, 0, 0, 0, {}, 1, 2, 3, 1, 0.5, false},
                      CloseCase{"33 declines", 33, 0, 0, 0, {0.5}, 1, 1, 2, 1, 0, false},
                      CloseCase{"33 retires", 33, 0, 0, 0, {0.1}, 1, 1, 1, 1, 1, true},
                      CloseCase{"39 retires on a half", 39, 0, 0, 0, {0.49}, 1, 1, 1, 1, 1, true},
                      CloseCase{"39 declines", 39, 0, 0, 0, {0.5}, 1, 1, 2, 1, 0, false},
                      CloseCase{"40 always retires", 40, 0, 0, 0, {0.99}, 1, 1, 1, 1, 1, true},
                      CloseCase{"another club's retiree: no box", 40, 0, 0, 0, {0.99}, 2, 1, 1, 1, 1, true},
                      CloseCase{"42 never retires", 42, 0, 0, 0, {0.5}, 1, 1, 2, 1, 0, false},
                      CloseCase{"keeper's goals against", 30, 25, -20, 0, {}, 1, 4.24F, 3, 1, 0.5, false},
                      CloseCase{
                          "games share out a gain", 30, 10, 10, 70, {0.5, 0.5, 0.5}, 1, 2, 5.25, 2.125, 1.625, false}),
    test::PrintedCaseName());

TEST_F(OffSeasonTest, RetireesOfTheDayLoopLeaveTheirSlotsBeforeTheClose) {
  // The first club, the last the close runs over, and the first it leaves alone.
  for (int club : {3, 237, 238}) {
    const int p = addPlayer(club, 7, 1, 5, 5, 5);
    g().PlayerName(p).clear();  // retired on a birthday: name gone, slot kept
    g().PlayerTeam(p) = 0;
  }
  clearRetiredSlots(g());
  EXPECT_EQ(g().TeamSquad(7, 3), 0);
  EXPECT_EQ(g().TeamSquad(7, 237), 0);
  EXPECT_NE(g().TeamSquad(7, 238), 0) << "clubs past 237 are not closed";
  EXPECT_EQ(closeSeason(g()), 0);
}

// Empty slots stand for record 0: what keeperless and short squads gave it in
// a season (a count down for every goal conceded) starts again, its career
// counts stay.
TEST_F(OffSeasonTest, TheCloseStartsRecordZerosSeasonAgain) {
  g().PlayerGoalsSeason(0) = -950;
  g().PlayerShotsSeason(0) = 290;
  g().PlayerAssistsSeason(0) = 2;
  g().PlayerGoalsCareer(0) = 11;
  EXPECT_EQ(closeSeason(g()), 0);
  EXPECT_EQ(g().PlayerGoalsSeason(0), 0);
  EXPECT_EQ(g().PlayerShotsSeason(0), 0);
  EXPECT_EQ(g().PlayerAssistsSeason(0), 0);
  EXPECT_EQ(g().PlayerGoalsCareer(0), 11);
}

TEST_F(OffSeasonTest, ExpansionDraftTakesOutOfContractPlayersInClubOrder) {
  g().MLSTeamCount = 12;
  auto outOfContract = [&](int club, int slot, double wage) {
    const int p = addPlayer(club, slot, 1, 5, 5, 5);
    g().PlayerContractYears(p) = 0;
    g().PlayerWage(p) = wage;
    return p;
  };
  const int keeper3 = outOfContract(3, 1, 100);  // slot 1 is never taken
  const int first3 = outOfContract(3, 4, 420);
  const int second3 = outOfContract(3, 9, 200);
  outOfContract(3, 10, 421);
  const int first4 = outOfContract(4, 2, 300);
  const int second4 = outOfContract(4, 3, 300);
  const int first10 = outOfContract(10, 2, 300);  // the last of the old clubs gives too
  addPlayer(11, 3, 1, 1, 1, 1);                   // the new club's slot 3 holds a player: first free slot

  runExpansionDraft(g(), ExpansionOutcome{true, {0, 0, 0}});

  EXPECT_EQ(g().MlsAllocations(11), 2);
  EXPECT_EQ(g().MlsAllocations(12), 2);
  EXPECT_EQ(g().PlayerTeam(keeper3), 3);
  // Odd club 3 gives to the second new club first, even club 4 to the first.
  EXPECT_EQ(g().TeamSquad(3, 12), first3);
  EXPECT_EQ(g().TeamSquad(1, 11), second3);
  EXPECT_EQ(g().TeamSquad(4, 11), first4);
  EXPECT_EQ(g().TeamSquad(4, 12), second4);
  EXPECT_EQ(g().PlayerTeam(first3), 12);
  EXPECT_EQ(g().TeamSquad(4, 3), 0);
  EXPECT_EQ(g().TeamSquad(10, 11), first10);
}

TEST_F(OffSeasonTest, MovedClubGivesUpTheSlotsOfItsRunningWageMaxima) {
  g().MLSTeamCount = 12;
  int players[5] = {};
  const double wages[5] = {0, 500, 400, 300, 600};
  for (int s = 1; s <= 4; ++s) {
    players[s] = addPlayer(20, s, 1, 5, 5, 5);
    g().PlayerWage(players[s]) = wages[s];
  }
  // The second new club moved club 25, whose only paid player follows it.
  const int paid = addPlayer(25, 6, 1, 5, 5, 5);
  g().PlayerWage(paid) = 50;
  const int unpaid = addPlayer(25, 7, 1, 5, 5, 5);
  g().PlayerWage(unpaid) = 0;
  g().MyTeam = 20;
  runExpansionDraft(g(), ExpansionOutcome{true, {0, 20, 25}});
  EXPECT_EQ(g().PlayerTeam(players[1]), 20);
  for (int s : {2, 3, 4}) EXPECT_EQ(g().PlayerTeam(players[s]), 11) << s;
  EXPECT_EQ(g().TeamSquad(1, 11), players[2]);  // moved in slot order
  EXPECT_EQ(g().PlayerTeam(paid), 12);
  EXPECT_EQ(g().TeamSquad(1, 12), paid);
  EXPECT_EQ(g().PlayerTeam(unpaid), 25) << "a wage of 0 is never recorded";
  EXPECT_EQ(dialogs.count(), 3U) << "only the user's club's moves are told";
}

TEST_F(OffSeasonTest, DraftOrderByPointsWithSupplementalPicks) {
  g().TeamWins(1) = 1;
  g().TeamDraws(1) = 2;
  g().TeamWins(2) = 1;
  g().TeamDraws(2) = 2;
  g().TeamWins(3) = 1;
  for (int c = 4; c <= 14; ++c) g().TeamWins(c) = c;
  const DraftOrderList plain = makeDraftOrder(g(), false);
  EXPECT_EQ(plain[1], 3);
  EXPECT_EQ(plain[2], 2);
  EXPECT_EQ(plain[3], 1);
  EXPECT_EQ(plain[11], 0);
  for (int clubs : {12, 14}) {
    g().MLSTeamCount = clubs;
    for (int c = 4; c <= 14; ++c) g().TeamWins(c) = c > clubs - 2 && c <= clubs ? 0 : c;
    const DraftOrderList grown = makeDraftOrder(g(), true);
    EXPECT_EQ(grown[1] + grown[2], 2 * clubs - 1) << clubs;
    // The first round gives every club one pick; the new clubs' extra picks follow it.
    std::vector<int> firstRound(grown.begin() + 1, grown.begin() + 1 + clubs);
    std::sort(firstRound.begin(), firstRound.end());
    for (int c = 1; c <= clubs; ++c) EXPECT_EQ(firstRound[static_cast<std::size_t>(c - 1)], c) << clubs;
    for (int i = clubs + 1; i <= kDraftPicks; ++i) EXPECT_EQ(grown[i], i % 2 == 1 ? clubs - 1 : clubs) << i;
  }
}

}  // namespace
}  // namespace kervale::test
