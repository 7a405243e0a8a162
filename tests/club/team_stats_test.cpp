// Team statistics: which clubs the ticked leagues take in, the order, the
// per-game values and the scrolling.
#include "club/team_stats.h"

#include <set>
#include <string>
#include <vector>

#include "club_fixture.h"

namespace kervale::test {

namespace {

class TeamStatsTest : public ClubTest {
 protected:
  void SetUp() override {
    ClubTest::SetUp();
    for (int c = 1; c <= kLastClub; ++c) g().TeamName(c) = "C" + std::to_string(c);
    g().MLSTeamCount = 10;
  }
  void TearDown() override {
    if (screen().loaded()) screen().Unload();
    ClubTest::TearDown();
  }
  static teamstats& screen() { return ui::screen<teamstats>(); }
  // "name value" of every row shown.
  static std::vector<std::string> rows() {
    std::vector<std::string> out;
    for (int k = 1; k <= teamstats::kRows; ++k) {
      if (screen().Label1(k).visible())
        out.push_back(screen().eastname(k).caption() + " " + screen().eastwins(k).caption());
    }
    return out;
  }
  static void tick(int box) { screen().leagues(box).userClick(); }
};

struct Count {
  int club;
  double goals, games;
};

TEST_F(TeamStatsTest, RankingByLeagueAndValue) {
  enum { kPremiership = 0, kMls = 4, kBundes1 = 7, kNsl = 9, kMexico = 10 };
  struct Case {
    const char* what;
    std::vector<Count> counts;
    std::vector<int> boxes;
    bool perGame;
    std::vector<std::string> rows;
  };
  const Case cases[] = {
      {"a later equal value is carried behind",
       {{1, 5, 1}, {2, 5, 1}, {3, 7, 1}},
       {kMls},
       false,
       {"C3 7", "C2 5", "C1 5"}},
      {"equal values keep their order", {{1, 7, 1}, {2, 5, 1}, {3, 5, 1}}, {kMls}, false, {"C1 7", "C2 5", "C3 5"}},
      {"zero is not listed", {{1, 4, 1}, {2, 0, 1}}, {kMls}, false, {"C1 4"}},
      {"unticked leagues stay out", {{1, 4, 1}, {20, 9, 1}}, {kMls}, false, {"C1 4"}},
      {"per game", {{1, 7, 3}, {2, 6, 3}, {3, 1, 2}}, {kMls}, true, {"C1 2.33", "C2 2.", "C3 .5"}},
      {"per game ranks by the quotient", {{1, 9, 4}, {2, 10, 4}}, {kMls}, true, {"C2 2.5", "C1 2.25"}},
      {"no games: the count", {{1, 3, 0}}, {kMls}, true, {"C1 3"}},
      {"English division", {{53, 2, 1}, {54, 3, 1}}, {kPremiership}, false, {"C53 2"}},
      {"Bundesliga", {{170, 2, 1}, {171, 3, 1}}, {kBundes1}, false, {"C170 2"}},
      {"club 224 follows Mexico", {{224, 5, 1}, {225, 1, 1}}, {kNsl}, false, {"C225 1"}},
      {"club 224 in Mexico", {{224, 5, 1}}, {kMexico}, false, {"C224 5"}},
  };
  g().EnglishDivision(1) = 1;
  g().EnglishDivision(2) = 2;
  g().GermanDivision(6) = 1;
  g().GermanDivision(7) = 2;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    for (const Count& n : c.counts) {
      g().TeamGoalsFor(n.club) = n.goals;
      g().TeamGamesPlayed(n.club) = n.games;
    }
    showTeamStats();
    screen().optStats(9).userClick();
    for (int box : c.boxes) tick(box);
    if (c.perGame) screen().Check1.userClick();
    EXPECT_EQ(rows(), c.rows);
    EXPECT_EQ(screen().Label2.caption(), "Team Goals Scored");
    screen().Command1.userClick();
    for (const Count& n : c.counts) g().TeamGoalsFor(n.club) = 0;
  }
}

TEST_F(TeamStatsTest, OpensEmptyAndBoxesComeAndGo) {
  for (int c = 1; c <= 10; ++c) g().TeamDisciplinePoints(c) = c;
  showTeamStats();
  EXPECT_TRUE(rows().empty()) << "no box ticked at opening";
  EXPECT_EQ(screen().Label2.caption(), "Team Discipline Points");
  EXPECT_FALSE(screen().optStats(7).enabled());
  tick(4);
  const std::vector<std::string> mlsRows = rows();
  ASSERT_EQ(mlsRows.size(), 10u);
  EXPECT_EQ(mlsRows.front(), "C10 10");
  EXPECT_FALSE(screen().Label1(11).visible());
  EXPECT_EQ(screen().VScroll1.max(), 1);
  tick(7);
  EXPECT_EQ(rows(), mlsRows) << "no German club has points";
  tick(5);
  tick(5);
  EXPECT_EQ(rows(), mlsRows);
}

TEST_F(TeamStatsTest, ThirtyClubsScrollToTheLast) {
  g().MLSTeamCount = 12;
  for (int c = 1; c <= 34; ++c) g().TeamRedCards(c) = 100 - c;
  showTeamStats();
  screen().optStats(2).userClick();
  tick(4);
  tick(5);
  EXPECT_EQ(screen().listedClubs(), 30);
  EXPECT_EQ(screen().VScroll1.max(), 7);
  screen().VScroll1.userSetValue(7);
  EXPECT_EQ(screen().Label1(1).caption(), "7");
  EXPECT_EQ(screen().Label1(24).caption(), "30");
  EXPECT_EQ(screen().eastname(24).caption(), "C34");
  screen().Check1.userClick();
  EXPECT_EQ(screen().VScroll1.value(), 1) << "a new sort starts at the top";
}

TEST_F(TeamStatsTest, EveryBoxTickedLeavesOutTheClubsOfNoLeague) {
  // English clubs beyond 144 may carry a division, German ones none: neither plays a league.
  for (int d = 1; d <= 96; ++d) g().EnglishDivision(d) = d % 4 + 1;
  for (int d = 1; d <= 40; ++d) g().GermanDivision(d) = d % 3;
  for (int c = 1; c <= kLastClub; ++c) g().TeamGoalsFor(c) = c;
  std::set<int> leagueClubs;
  auto add = [&leagueClubs](int first, int last) {
    for (int c = first; c <= last; ++c) leagueClubs.insert(c);
  };
  add(1, 10);     // MLS at ten clubs, not 11..16
  add(17, 52);    // A-League and D3 Pro League
  add(53, 144);   // the four English divisions
  add(205, 237);  // Mexico and the NSL
  for (int d = 1; d <= 40; ++d) {
    if (g().GermanDivision(d) != 0) leagueClubs.insert(d + 164);
  }

  showTeamStats();
  screen().optStats(9).userClick();
  for (int box = 0; box < kLeagueBoxes; ++box) tick(box);
  ASSERT_EQ(screen().listedClubs(), static_cast<int>(leagueClubs.size()));
  std::set<int> listed;
  for (int first = 1; first <= screen().VScroll1.max(); first += teamstats::kRows) {
    screen().VScroll1.userSetValue(first);
    for (int k = 1; k <= teamstats::kRows; ++k) {
      const std::string name = screen().eastname(k).caption();
      if (!name.empty()) listed.insert(std::stoi(name.substr(1)));
    }
  }
  screen().VScroll1.userSetValue(screen().VScroll1.max());
  for (int k = 1; k <= teamstats::kRows; ++k) listed.insert(std::stoi(screen().eastname(k).caption().substr(1)));
  EXPECT_EQ(listed, leagueClubs);
}

}  // namespace

}  // namespace kervale::test
