// The six-club second phase of league 12 and its final.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <utility>
#include <vector>

#include "data/mls_module.h"
#include "matchday/cups.h"
#include "matchday/cups_support.h"
#include "matchday/standings_order.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

namespace kervale {
namespace {

using test::placesOf;
using test::tieIn;

// League 12 after its first phase: points and goal differences that put the
// clubs out of their stored order.
void firstPhase(MLSModule& g) {
  for (int i = 1; i <= 13; ++i) g.LeagueOrder(i, 12) = 224 + i;
  g.LeagueOrder(14, 12) = 238;
  for (int c = 224; c <= 238; ++c) {
    g.TeamGames(c) = 24;
    g.TeamWins(c) = (c * 7) % 13;
    g.TeamDraws(c) = c % 4;
    g.TeamLosses(c) = 24 - g.TeamWins(c) - g.TeamDraws(c);
    g.TeamGoalsFor(c) = 30 + c % 5;
    g.TeamGoalsAgainst(c) = 30;
  }
}

class SixClubPhase : public ::testing::Test {
 protected:
  SixClubPhase() { firstPhase(*g); }
  std::vector<int> table() const {
    return placesOf([this](int i) { return g->LeagueOrder(i, 12); }, 14);
  }
  bool counters(int club, int wins, int games) const {
    return g->TeamWins(club) == wins && g->TeamGames(club) == games && g->TeamDraws(club) == 0 &&
           g->TeamLosses(club) == 0 && g->TeamGoalsFor(club) == 0 && g->TeamGoalsAgainst(club) == 0;
  }

  std::unique_ptr<MLSModule> g = makeEmptyGame();
  test::ScriptedDialogs dialogs;
};

TEST_F(SixClubPhase, TheTopSixPlayTenRoundsFromAHeadStart) {
  g->CurrentWeek = 24;
  runSixClubPhase(*g, KERVALE_WORLD_DIR);

  EXPECT_EQ(g->TableLeague, 12);
  const std::vector<int> order = table();
  EXPECT_EQ(order[13], 238);  // place 14 takes no part
  // Places 1..13 in the standings order of the first phase, whose counters are gone now.
  auto first = makeEmptyGame();
  firstPhase(*first);
  for (int i = 0; i + 1 < 13; ++i) {
    EXPECT_FALSE(ranksAbove(*first, order[i + 1], order[i])) << "place " << i + 1;
  }
  EXPECT_EQ(order[0], 232);  // 36 points
  EXPECT_EQ(order[1], 230);  // 35 points
  EXPECT_EQ(std::set<int>(order.begin(), order.begin() + 13).size(), 13u);

  // Counters of clubs 225..237 start again; club 224 of another league keeps its own.
  EXPECT_TRUE(counters(order[0], 2, 0));
  EXPECT_TRUE(counters(order[1], 1, 0));
  for (int i = 2; i < 13; ++i) EXPECT_TRUE(counters(order[i], 0, 0)) << order[i];
  EXPECT_EQ(g->TeamGames(224), 24);
  EXPECT_EQ(g->TeamGoalsFor(224), 34);

  // Thirty league matches in rounds 27, 29, ..., 45: each of the six once a
  // round, each pair once at each ground; the rest of the table plays none.
  std::set<int> six(order.begin(), order.begin() + 6);
  std::map<std::pair<int, int>, int> meetings;
  for (int r = 1; r <= 104; ++r) {
    for (int c = 225; c <= 238; ++c) {
      const int o = g->FixtureOpponent(c, r);
      if (o == 0) continue;
      ASSERT_TRUE(r >= 27 && r <= 45 && r % 2 == 1) << "round " << r;
      ASSERT_TRUE(six.count(c) && six.count(o));
      if (g->FixtureVenue(c, r) == 1) {
        EXPECT_TRUE(tieIn(*g, c, o, r, 1));
        ++meetings[{c, o}];
      }
    }
  }
  EXPECT_EQ(meetings.size(), 30u);
  for (const auto& [pair, n] : meetings) EXPECT_EQ(n, 1);
  for (int r = 27; r <= 45; r += 2) EXPECT_EQ(test::tiesIn(*g, r, 1), 3) << r;
}

TEST_F(SixClubPhase, TheTopTwoMeetInTheFinal) {
  g->CurrentWeek = 46;
  runSixClubPhase(*g, KERVALE_WORLD_DIR);
  const std::vector<int> order = table();
  EXPECT_TRUE(tieIn(*g, order[0], order[1], 47, 2));
  EXPECT_EQ(test::tiesIn(*g, 47, 2), 1);
  for (int i = 0; i < 13; ++i) EXPECT_TRUE(counters(order[i], 0, 0));
}

TEST_F(SixClubPhase, OtherRoundsAndAGameWithoutASecondPhaseChangeNothing) {
  const std::vector<int> before = table();
  for (int w : {23, 25, 45, 47, 0}) {
    g->CurrentWeek = w;
    runSixClubPhase(*g, KERVALE_WORLD_DIR);
  }
  EXPECT_EQ(table(), before);
  EXPECT_EQ(g->TableLeague, 0);
  // A game that began after round 24: the league has played no game yet, so no final.
  for (int c = 225; c <= 237; ++c) g->TeamGames(c) = 0;
  g->CurrentWeek = 46;
  runSixClubPhase(*g, KERVALE_WORLD_DIR);
  EXPECT_EQ(table(), before);
  EXPECT_EQ(test::tiesIn(*g, 47, 2), 0);
  EXPECT_NE(g->TeamWins(230), 0);
}

TEST_F(SixClubPhase, AMissingOrBrokenScheduleIsReportedAndChangesNothing) {
  test::TempDir folder;
  const std::vector<int> before = table();
  g->CurrentWeek = 24;
  dialogs.answer(ui::MsgResult::OK);
  runSixClubPhase(*g, folder.path());
  EXPECT_TRUE(dialogs.sawText("fixt6.dat"));
  EXPECT_EQ(dialogs.last().icon, ui::MsgIcon::Critical);

  folder.write("fixt6.dat", "1,6\r\n2,5\r\n4,7\r\n");
  dialogs.answer(ui::MsgResult::OK);
  runSixClubPhase(*g, folder.path());
  EXPECT_EQ(dialogs.count(), 2u);
  EXPECT_EQ(table(), before);
  EXPECT_EQ(g->TeamGames(230), 24);
  for (int r = 27; r <= 45; ++r) EXPECT_EQ(test::tiesIn(*g, r, 1), 0);
}

}  // namespace
}  // namespace kervale
