#include "newgame/fixture_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "base/colour.h"
#include "data/mls_module.h"
#include "newgame/fixture_grid.h"
#include "support/scripted_dialogs.h"
#include "ui/screen.h"

namespace kervale {
namespace {

constexpr Colour kHome = rgbColour(128, 130, 239);
constexpr Colour kAway = rgbColour(207, 0, 0);
constexpr Colour kCupHome = rgbColour(0, 128, 128);
constexpr Colour kCupAway = rgbColour(0, 192, 192);
constexpr Colour kCurrent = rgbColour(192, 192, 0);

using test::pair;

// A game of named clubs, managed club 3, in round 50.
MLSModule& installGame() {
  auto game = makeEmptyGame();
  for (int c = 1; c <= kLastClub; ++c) {
    game->TeamName(c) = "Club " + std::to_string(c);
    game->TeamColour1(c) = "&HFF";
    game->TeamColour2(c) = "&H0";
  }
  game->MLSTeamCount = 10;
  game->MyTeam = 3;
  game->CurrentWeek = 50;
  replaceGame(std::move(game));
  return mls();
}

class FixtureListTest : public ::testing::Test {
 protected:
  ~FixtureListTest() override {
    list.Unload();
    replaceGame(nullptr);
  }
  MLSModule& g = installGame();
  test::ScriptedDialogs dialogs;
  FixtureList& list = ui::screen<FixtureList>();
};

TEST_F(FixtureListTest, ListsTheClubsInUseAndShowsTheManagedOne) {
  g.TeamLogo(3) = "badge3.gif";
  g.BackgroundPicture = "/pictures/back.jpg";
  list.Show();
  ASSERT_EQ(list.List1.listCount(), 10 + (237 - 16));
  EXPECT_EQ(list.List1.list(10), "Club 17");  // 11..16 are not in use
  EXPECT_EQ(list.List1.list(230), "Club 237");
  EXPECT_EQ(list.shownClub(), 3);
  EXPECT_EQ(list.Label5.caption(), "Fixtures For Club 3");
}

TEST_F(FixtureListTest, ScoresOnlyForRoundsAlreadyPlayed) {
  pair(g, 3, 20, 48, 1, 2, 1);
  pair(g, 21, 3, 49, 1, 0, 0);
  pair(g, 3, 22, 50, 1);  // the current round, not yet played
  pair(g, 3, 23, 52, 2);
  list.Show();
  EXPECT_EQ(list.Label3(48).caption(), "Club 20");
  EXPECT_EQ(list.Label4(48).caption(), " 2 - 1");
  EXPECT_EQ(list.Label4(49).caption(), " 0 - 0");
  EXPECT_TRUE(list.Label4(50).visible());
  EXPECT_EQ(list.Label4(50).caption(), " ");
  EXPECT_FALSE(list.Label3(51).visible());
  EXPECT_FALSE(list.Label4(51).visible());
}

// The season runs from round 42 round the wrap: in round 10 the rounds 42..104
// and 1..9 are over, in round 50 only 42..49.
TEST_F(FixtureListTest, ScoresForRoundsPlayedThisSeasonOnBothSidesOfTheWrap) {
  const std::pair<int, int> opponents[] = {{5, 20}, {10, 21}, {30, 22}, {45, 23}, {60, 24}};
  for (const auto& [round, opponent] : opponents) pair(g, 3, opponent, round, 1, 1, 0);
  struct Case {
    int current;
    std::vector<int> scored;
  };
  const Case cases[] = {{10, {5, 45, 60}}, {50, {45}}};
  for (const Case& c : cases) {
    SCOPED_TRACE("round " + std::to_string(c.current));
    g.CurrentWeek = c.current;
    list.Show();
    for (const auto& [round, opponent] : opponents) {
      const bool scored = std::find(c.scored.begin(), c.scored.end(), round) != c.scored.end();
      EXPECT_EQ(list.Label4(round).caption(), scored ? " 1 - 0" : " ") << round;
    }
    list.Unload();
  }
}

TEST_F(FixtureListTest, EveryRowAndLegendReadsOnItsColour) {
  pair(g, 3, 20, 44, 1);
  pair(g, 21, 3, 45, 1);
  pair(g, 3, 22, 46, 2);
  pair(g, 23, 3, 47, 2);
  list.Show();
  struct Row {
    int round;
    Colour back, text;
  };
  const Row rows[] = {
      {44, kHome, ui::kWhite}, {45, kAway, ui::kWhite}, {46, kCupHome, ui::kWhite}, {47, kCupAway, ui::kBlack}};
  for (const Row& r : rows) {
    for (const ui::Label* cell : {&list.Label3(r.round), &list.Label4(r.round)}) {
      EXPECT_EQ(cell->backColor(), r.back) << r.round;
      EXPECT_EQ(cell->foreColor(), r.text) << r.round << ": white would not read on the light cup colour";
    }
  }
  const std::pair<const ui::Label*, Colour> legends[] = {
      {&list.Label6, kHome}, {&list.Label7, kAway}, {&list.Label8, kCupHome}, {&list.Label9, kCupAway}};
  for (const auto& [legend, colour] : legends) {
    EXPECT_EQ(legend->backColor(), colour) << legend->caption();
    EXPECT_GE(contrastRatio(legend->foreColor(), colour), 3.0) << legend->caption();
  }
}

TEST_F(FixtureListTest, ScrollingShowsSixtyRoundsAtATime) {
  pair(g, 3, 30, 45, 1);
  pair(g, 3, 31, 104, 1);
  list.Show();
  EXPECT_EQ(list.Label2(30).caption(), "30");
  EXPECT_EQ(list.Label2(25).backColor(), kCurrent);  // week 25 holds round 50
  EXPECT_EQ(list.Label2(24).backColor(), kHome);
  EXPECT_EQ(list.Label3(45).caption(), "Club 30");

  list.HScroll1.userScroll(44);
  EXPECT_EQ(list.Label2(30).caption(), "52");
  EXPECT_EQ(list.Label2(3).backColor(), kCurrent);
  EXPECT_EQ(list.Label3(1).caption(), "Club 30");   // round 45
  EXPECT_EQ(list.Label3(60).caption(), "Club 31");  // round 104
  EXPECT_FALSE(list.Label3(2).visible());
}

TEST_F(FixtureListTest, WithoutAClubItOpensOnTheFirstAndClosesOnLeavingIt) {
  g.MyTeam = 0;
  pair(g, 1, 2, 7, 1);
  list.Show();
  EXPECT_EQ(list.List1.listIndex(), 0);
  EXPECT_EQ(list.Label3(7).caption(), "Club 2");
  // Leave, or losing the focus, closes it.
  list.Command2.userClick();
  EXPECT_FALSE(list.loaded());
  list.Show();
  list.userActivate();
  list.userDeactivate();
  EXPECT_FALSE(list.loaded());
}

}  // namespace
}  // namespace kervale
