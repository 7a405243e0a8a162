// The MLS conference tables and the other leagues' table screen.
#include <cstdint>
#include <string>
#include <vector>

#include "competitions_game.h"

namespace kervale::test {
namespace {

using StandingsScreens = CompetitionsTest;

constexpr int kHidden = -1;

int visibleRows(const ui::ControlArray<ui::Label>& labels) {
  int shown = 0;
  labels.forEach([&shown](int, const ui::Label& label) { shown += label.visible() ? 1 : 0; });
  return shown;
}

int height(const ui::Line& line) { return line.visible() ? line.state().y1 : kHidden; }

// Order lists of every league filled with distinct clubs.
void fillOrders() {
  MLSModule& game = mls();
  for (int k = 1; k <= 18; ++k) {
    game.ALeagueOrder(k) = 16 + k;
    game.D3Order(k) = 34 + k;
  }
  for (int league = 1; league <= 12; ++league) {
    for (int k = 1; k <= 24; ++k) game.LeagueOrder(k, league) = 52 + k;
  }
}

TEST_F(StandingsScreens, EachSelectorShowsItsLeagueRowsAndMarkers) {
  struct Case {
    double selector;
    const char* title;
    const char* caption;
    int rows, line1, line2, line3;
  };
  const Case cases[] = {
      {-1, "D3 Pro League", "D3 Pro League", 18, 1185, kHidden, kHidden},
      {0, "A-League", "A-League Table", 18, 1185, kHidden, kHidden},
      {1, "English Premiership", "English Premiership", 20, 705, kHidden, 4545},
      {2, "English Division One", "English Division One", 24, 705, 1905, 5745},
      {3, "English Division Two", "English Division Two", 24, 705, 1905, 5265},
      {4, "English Division Three", "English Division Three", 24, 945, 1905, 6225},
      {5, "Bundesliga. 1", "Germany Bundesliga. 1", 18, 705, kHidden, 4065},
      {6, "Bundesliga. 2", "Germany Bundesliga. 2", 18, 945, kHidden, 3825},
      {7, "A-League", "A-League Table", 18, 1185, kHidden, kHidden},
      {8, "Grupo 1", "Mexican League Grupo Uno", 5, 465, kHidden, kHidden},
      {11, "Grupo 4", "Mexican League Grupo Cuatro", 5, 465, kHidden, kHidden},
      {12, "Australian NSL", "Australian National Soccer League", 13, 705, 1905, kHidden},
      {13, "A-League", "A-League Table", 18, 1185, kHidden, kHidden},
      {40, "A-League", "A-League Table", 18, 1185, kHidden, kHidden},
  };
  // Each marker sits in the gap between the two rows nearest its height
  // (lifted 150 twips), a pixel above the lower row: never through its text.
  fillOrders();
  ALeagueTable& t = leagueTable();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.selector);
    showLeagueTable(c.selector);
    // A second load in place must not move anything.
    t.switchLeague(static_cast<int>(c.selector));
    EXPECT_EQ(t.Label2.caption(), c.title);
    EXPECT_EQ(t.caption(), c.caption);
    EXPECT_EQ(visibleRows(t.Label1), c.rows);
    EXPECT_EQ(visibleRows(t.eastname), c.rows);
    EXPECT_EQ(visibleRows(t.eastdiff), c.rows);
    EXPECT_EQ(t.Label1(c.rows).caption(), std::to_string(c.rows));
    EXPECT_FALSE(t.eastname(c.rows).caption().empty());
    EXPECT_EQ(height(t.Line1), c.line1);
    EXPECT_EQ(height(t.Line2), c.line2);
    EXPECT_EQ(height(t.Line3), c.line3);
    for (const ui::Line* line : {&t.Line1, &t.Line2, &t.Line3}) {
      EXPECT_EQ(line->state().y1, line->state().y2) << "level";
      if (line->visible()) {
        EXPECT_EQ((line->state().y1 + 15) % 240, 0) << "between rows";
      }
    }
    EXPECT_EQ(g().TableLeague, 0);
  }
}

TEST_F(StandingsScreens, AShorterLeagueHidesTheRowsBelowIt) {
  fillOrders();
  showLeagueTable(2);
  ALeagueTable& t = leagueTable();
  ASSERT_TRUE(t.eastname(24).visible());
  t.Group1.onClick();
  for (int k = 1; k <= 24; ++k) {
    EXPECT_EQ(t.Label1(k).visible(), k <= 5) << k;
    EXPECT_EQ(t.eastpoints(k).visible(), k <= 5) << k;
  }
  EXPECT_EQ(t.eastname(1).caption(), name(53));
}

TEST_F(StandingsScreens, ALeagueNotRunHasNoMenuWhileTheScreenLives) {
  g().LeagueSkipped(5) = 1;
  showLeagueTable(0);
  ALeagueTable& t = leagueTable();
  EXPECT_FALSE(t.MexicanLeagueMenuThing.visible());
  t.NSL.onClick();
  EXPECT_EQ(t.Label2.caption(), "Australian NSL");
  EXPECT_FALSE(t.MexicanLeagueMenuThing.visible());
  for (const ui::MenuItem* menu : {&t.USA_Menu, &t.EngShow, &t.Alemania, &t.Australia_Menu_Click}) {
    EXPECT_TRUE(menu->visible()) << menu->name();
  }
}

// Clubs 1, 2, 3 stored as A, B, C with points 3, 5, 3 and goal differences
// +3, +1, +2 in every league's list.
class OrderThroughTheScreens : public StandingsScreens {
 protected:
  void SetUp() override {
    StandingsScreens::SetUp();
    const int clubs[][3] = {{17, 18, 19}, {35, 36, 37}, {53, 54, 55}};
    for (const auto& abc : clubs) {
      standing(abc[0], 3, 3);
      standing(abc[1], 5, 1);
      standing(abc[2], 3, 2);
    }
    for (int k = 1; k <= 3; ++k) {
      g().ALeagueOrder(k) = 16 + k;
      g().D3Order(k) = 34 + k;
      for (int league = 1; league <= 4; ++league) g().LeagueOrder(k, league) = 52 + k;
    }
  }
  // The first three names the table shows.
  std::vector<std::string> topThree() {
    ALeagueTable& t = leagueTable();
    return {t.eastname(1).caption(), t.eastname(2).caption(), t.eastname(3).caption()};
  }
};

TEST_F(OrderThroughTheScreens, EveryTableRanksOnPointsThenGoalDifference) {
  const std::pair<double, int> leagues[] = {{0, 17}, {-1, 35}, {1, 53}, {2, 53}, {3, 53}, {4, 53}};
  for (const auto& [league, a] : leagues) {
    SCOPED_TRACE(league);
    const std::vector<std::string> expected = {name(a + 1), name(a), name(a + 2)};
    showLeagueTable(league);
    EXPECT_EQ(topThree(), expected);
    showLeagueTable(league);
    EXPECT_EQ(topThree(), expected) << "a second showing keeps the order";
  }
  EXPECT_EQ(leagueTable().eastpoints(1).caption(), "5");
  EXPECT_EQ(leagueTable().eastdiff(1).caption(), " 1");
}

TEST_F(StandingsScreens, AClubCarriedDownPassesItsEquals) {
  g().MLSMatchesPerRound = 5;
  const int points[] = {5, 5, 3, 6, 0};
  for (int k = 1; k <= 5; ++k) {
    g().EastOrder(k) = k;
    g().WestOrder(k) = 10 + k;
    standing(k, points[k - 1], 0);
  }
  showTables();
  const std::vector<std::string> expected = {name(4), name(2), name(1), name(3), name(5)};
  std::vector<std::string> shown;
  for (int k = 1; k <= 5; ++k) shown.push_back(tables().eastname(k).caption());
  EXPECT_EQ(shown, expected);
  EXPECT_EQ(tables().westteam(1).caption(), name(11));
  EXPECT_EQ(tables().westpoints(1).caption(), "0") << "an empty counter shows 0";
  EXPECT_EQ(tables().westgames(1).caption(), "0");
}

TEST_F(StandingsScreens, ConferenceRowsAndTheCutFollowTheClubCounts) {
  // Rows stand 240 twips apart: the cut falls below place 2 or place 4.
  const int cases[][4] = {{5, 4, 825, 3345}, {6, 8, 1280, 3800}, {7, 0, 825, 3345}};
  for (const auto& [perConference, teams, east, west] : cases) {
    SCOPED_TRACE(perConference);
    g().MLSMatchesPerRound = perConference;
    g().PlayoffTeams = static_cast<std::int16_t>(teams);
    showTables();
    EXPECT_EQ(visibleRows(tables().eastname), perConference);
    EXPECT_EQ(visibleRows(tables().westpoints), perConference);
    EXPECT_EQ(tables().Line2.state().y1, east);
    EXPECT_EQ(tables().Line1.state().y2, west);
  }
}

}  // namespace
}  // namespace kervale::test
