// The season summary and the roll-over on a hand-made English world.
#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "data/readers/schedule_file.h"
#include "newgame/season_fixtures.h"
#include "offseason/end_of_season.h"
#include "offseason/mls_expansion.h"
#include "offseason/new_season.h"
#include "offseason/offseason_game.h"
#include "offseason/season_summary.h"
#include "ui/screen.h"

namespace kervale::test {
namespace {

// Divisions 1..4 of clubs 53..144 in table order, each club with fewer points
// than the one above it.
class SeasonEnd : public OffSeasonTest {
 protected:
  void SetUp() override {
    OffSeasonTest::SetUp();
    englishDivisionsInOrder();
    for (int club = 53; club <= 144; ++club) g().TeamReputation(club) = 50;
  }
  static int at(int place, int league) { return static_cast<int>(g().LeagueOrder(place, league)); }
  // A player with `games` games of average `average` in slot `slot` of `club`.
  int star(int club, int slot, double games, double average, double k, double d, double m, double a) {
    const int p = addPlayer(club, slot, k, d, m, a);
    g().PlayerGamesSeason(p) = games;
    g().PlayerRatingSumSeason(p) = games * average;
    return p;
  }
};

TEST_F(SeasonEnd, SummaryClosesTheTablesOnTheStandingsOrder) {
  g().TeamReputation(at(20, 2)) = 12;  // 5 is below 10
  g().TeamReputation(at(21, 2)) = 40;  // below 20th: not moved
  // Level on points with the leader but a better goal difference: champion.
  const int better = at(2, 1);
  g().TeamWins(better) = g().TeamWins(at(1, 1));
  g().TeamGoalsFor(better) = 5;
  g().CurrentSeason = 3;
  closeEnglishTables(g());
  EXPECT_EQ(at(1, 1), better);
  EXPECT_EQ(g().PremiershipChampionHistory(3), better);
  EXPECT_EQ(g().TeamReputation(better), 50 - 10 + 22);
  EXPECT_EQ(g().TeamReputation(at(20, 2)), 10);
  EXPECT_EQ(g().TeamReputation(at(21, 2)), 40);
  // The champion again: 95 gives 107, above 100, so 99; 88 gives exactly 100.
  for (const auto& [before, after] : {std::pair{95.0, 99.0}, std::pair{88.0, 100.0}}) {
    g().TeamReputation(better) = before;
    closeEnglishTables(g());
    EXPECT_EQ(g().TeamReputation(better), after) << before;
  }
}

TEST_F(SeasonEnd, EachUserClubSeesItsLinesAndSquad) {
  struct Case {
    int user;
    const char* champion;
    const char* cup;
    const char* title;
    int starClub;   // his star makes the squad
    int otherClub;  // this one's does not
  };
  const Case cases[] = {
      {52, "MLS Champion: ", "US Open Cup Winner: ", "All-MLS Team", 5, 53},
      {53, "Premiership Champion: ", "FA Cup Winner: ", "All-Premiership Squad", 60, 80},
      {86, "Premiership Champion: ", "FA Cup Winner: ", "All-Premiership Squad", 72, 86},
      {144, "Premiership Champion: ", "FA Cup Winner: ", "All-Premiership Squad", 53, 5},
      {230, "Premiership Champion: ", "FA Cup Winner: ", "All-UEFA Team", 90, 60},
  };
  EndOfSeason& screen = ui::screen<EndOfSeason>();
  for (const Case& c : cases) {
    g().MyTeam = c.user;
    const int mine = star(c.starClub, 12, 20, 7, 1, 9, 2, 2);
    const int other = star(c.otherClub, 13, 20, 9, 1, 9, 2, 2);
    screen.Show();
    EXPECT_EQ(screen.Label1.caption().rfind(c.champion, 0), 0U) << c.user;
    EXPECT_EQ(screen.Label2.caption().rfind(c.cup, 0), 0U) << c.user;
    EXPECT_EQ(screen.Label4.caption().rfind("World Club Cup Winner: ", 0), 0U) << c.user;
    EXPECT_EQ(screen.Label6.caption(), c.title) << c.user;
    EXPECT_NE(screen.AllStarLine(2).caption().find(g().PlayerName(mine)), std::string::npos) << c.user;
    for (int place = 1; place <= 11; ++place) {
      EXPECT_EQ(screen.AllStarLine(place).caption().find(g().PlayerName(other)), std::string::npos) << c.user;
    }
    screen.Command1.userClick();
    EXPECT_FALSE(screen.loaded());
    g().PlayerGamesSeason(mine) = g().PlayerGamesSeason(other) = 0;
  }
}

TEST_F(SeasonEnd, AllStarsByAverageAndGroup) {
  g().MyTeam = 1;
  const int keeper = star(1, 1, 14, 6, 15, 12, 10, 9);  // keeper and defender at once
  const int thirteen = star(2, 1, 13, 9, 1, 9, 2, 2);   // not eligible
  const int first = star(3, 2, 20, 7, 1, 2, 9, 2);      // level with `second`: found first
  const int second = star(4, 2, 20, 7, 1, 2, 9, 2);
  const int best = star(5, 3, 20, 8, 1, 2, 9, 2);
  const int forward = star(6, 4, 20, 5, 1, 2, 2, 9);
  const int levelKeeper = star(7, 5, 20, 9.5, 9, 1, 1, 9);  // keeping level with attack: a forward only
  const int levelBack = star(8, 5, 20, 6.5, 1, 8, 2, 8);    // defence level with attack: a defender
  const AllStarSquad squad = pickAllStars(g(), 1);
  EXPECT_EQ(squad.player(g(), 1), keeper);
  EXPECT_EQ(squad.player(g(), 2), levelBack);
  EXPECT_EQ(squad.player(g(), 3), keeper);
  EXPECT_EQ(squad.player(g(), 4), 0) << "nobody else defends: blank";
  EXPECT_EQ(squad.player(g(), 5), best);
  EXPECT_EQ(squad.player(g(), 6), first);
  EXPECT_EQ(squad.player(g(), 7), second);
  EXPECT_EQ(squad.player(g(), 9), levelKeeper);
  EXPECT_EQ(squad.player(g(), 10), forward);
  for (int place = 1; place <= 11; ++place) EXPECT_NE(squad.player(g(), place), thirteen);
  EXPECT_EQ(g().PlayerRatingSumSeason(thirteen), 13 * 9) << "the development reads it next";
  EXPECT_EQ(g().PlayerRatingSumSeason(best), 20 * 8);
}

TEST_F(SeasonEnd, RollOverMovesReputationsByDivisionAndPlace) {
  struct Case {
    const char* what;
    int place, league;
    double before, after;
  };
  const Case cases[] = {
      {"division 2, 5th at 62: 72, 67, stays", 5, 2, 62, 67},
      {"division 4, 2nd at 38: 48, 43, stays", 2, 4, 38, 43},
      {"division 4, last: no bottom step", 24, 4, 38, 43},
      {"Premiership 10th at 83: 78 and back", 10, 1, 83, 83},
      {"Premiership 20th at 70: 75, then down 10", 20, 1, 70, 65},
  };
  for (const Case& c : cases) g().TeamReputation(at(c.place, c.league)) = c.before;
  std::vector<int> clubs;
  for (const Case& c : cases) clubs.push_back(at(c.place, c.league));
  rollOverSeason(g());
  for (std::size_t i = 0; i < clubs.size(); ++i) {
    EXPECT_EQ(g().TeamReputation(clubs[i]), cases[i].after) << cases[i].what;
  }
}

TEST_F(SeasonEnd, RollOverPromotesAndRelegates) {
  for (const bool englishRun : {true, false}) {
    SetUp();
    g().LeagueSkipped(2) = englishRun ? 0 : 1;
    for (int x = 1; x <= 4; ++x) g().EnglishLeagueFixture(x, 3) = at(x, 4);  // Division Three list
    const int relegated[] = {at(24, 3), at(23, 3), at(22, 3), at(21, 3)};
    const int promoted = at(1, 2);
    rollOverSeason(g());
    for (int x = 1; x <= 4; ++x) {
      EXPECT_EQ(at(x, 4), relegated[x - 1]) << englishRun;
      EXPECT_EQ(g().EnglishDivision(relegated[x - 1] - 52), 4) << englishRun;
    }
    EXPECT_EQ(g().EnglishDivision(promoted - 52), 1) << englishRun;
    EXPECT_EQ(at(18, 1), promoted) << englishRun;
    // The list's entries take the clubs relegated in place of the promoted ones.
    EXPECT_EQ(g().EnglishLeagueFixture(1, 3), englishRun ? relegated[0] : 121) << englishRun;
    EXPECT_EQ(g().EnglishLeagueFixture(2, 3), englishRun ? relegated[2] : 122) << englishRun;
  }
}

TEST_F(SeasonEnd, RollOverClearsTheSeasonAndDrawsTheCups) {
  for (const int mlsClubs : {12, 14}) {
    SetUp();
    g().MLSTeamCount = mlsClubs;
    g().CurrentSeason = 4;
    for (int c = 17; c <= 20; ++c) g().TeamDivision(c) = 2;  // the Canadian clubs
    for (int c = 1; c <= kLastClub; ++c) g().TeamGamesPlayed(c) = g().TeamDisciplinePoints(c) = 3;
    g().TeamWins(230) = 6;
    g().StadiumCapacity(60) = 20000;
    g().StadiumExpansionPlan(60) = 5000;
    g().StadiumExpansionPlan(61) = 2;  // not decided yet
    rollOverSeason(g());
    EXPECT_EQ(g().CurrentSeason, 5);
    EXPECT_EQ(g().CurrentWeek, 0);
    std::set<int> drawn;
    for (int r = 1; r <= 52; ++r) {
      if (g().USCupRound1Team(r) != 0) drawn.insert(static_cast<int>(g().USCupRound1Team(r)));
    }
    EXPECT_EQ(static_cast<int>(drawn.size()), 52 - (16 - mlsClubs)) << mlsClubs;
    for (int c = mlsClubs + 1; c <= 16; ++c) EXPECT_EQ(drawn.count(c), 0U) << mlsClubs << " club " << c;
    std::set<int> copa;
    for (int s = 1; s <= 4; ++s) copa.insert(static_cast<int>(g().CopaSFTeam(s)));
    EXPECT_EQ(copa.size(), 4U);
    EXPECT_GE(*copa.begin(), 268);
    EXPECT_LE(*copa.rbegin(), 279);
    for (int s = 1; s <= 4; ++s) EXPECT_EQ(g().CanadaCupSFTeam(s), 16 + s);
    EXPECT_EQ(g().ChampionsQFTeam(2), at(6, 2));
    for (int c = 1; c <= kLastClub; ++c) {
      EXPECT_EQ(g().TeamGamesPlayed(c) + g().TeamDisciplinePoints(c) + g().TeamWins(c), c == 230 ? 6 : 0) << c;
    }
    EXPECT_EQ(g().StadiumCapacity(60), 25000);
    EXPECT_EQ(g().StadiumExpansionPlan(60), 0);
    EXPECT_EQ(g().StadiumExpansionPlan(61), 2);
  }
}

}  // namespace
}  // namespace kervale::test

namespace kervale::test {
namespace {

// The league a club plays in now, and the fewest league matches it has (a
// few of the lower divisions' late rounds share a round with earlier ones).
struct League {
  int matches;
  std::function<bool(int)> member;
};

void expectGridSound(const MLSModule& game, int user) {
  for (int r = 1; r <= kLastRound; ++r) {
    for (int c = 1; c <= kLastClub; ++c) {
      const int o = game.FixtureOpponent(c, r);
      if (o == 0) continue;
      ASSERT_EQ(game.FixtureOpponent(o, r), c) << "user " << user << " round " << r << " club " << c;
      EXPECT_EQ(game.FixtureCompetition(o, r), game.FixtureCompetition(c, r));
      EXPECT_EQ(game.FixtureScore(c, r), 0) << "nothing of last season: round " << r << " club " << c;
    }
  }
}

TEST_F(SeasonEnd, NextSeasonGridHoldsEachLeagueOnItsRounds) {
  for (const int user : {1, 60}) {
    SetUp();
    g().MyTeam = user;
    for (int n = 1; n <= 13; ++n) g().LeagueOrder(n, 12) = 224 + n;
    applyMlsTemplate(g(), readSchedule(KERVALE_WORLD_DIR, kMls10Schedule));
    g().FixtureOpponent(100, 42) = 101;  // last season's, in a round no league plays
    g().FixtureOpponent(101, 42) = 100;
    g().FixtureScore(100, 42) = 3;
    g().FixtureOpponent(225, 45) = 226;  // the second phase goes on
    g().FixtureOpponent(226, 45) = 225;
    g().FixtureScore(225, 45) = 2;
    rollOverSeason(g());
    placeNextSeasonGrid(g(), readLeagueSchedules(KERVALE_WORLD_DIR));
    EXPECT_EQ(g().FixtureOpponent(100, 42), 0);
    EXPECT_EQ(g().FixtureScore(225, 45), 2);
    g().FixtureScore(225, 45) = 0;
    expectGridSound(g(), user);

    const auto division = [](int d) {
      return [d](int c) { return c >= 53 && c <= 144 && g().EnglishDivision(c - 52) == d; };
    };
    const bool american = user <= 52;
    const std::vector<std::pair<int, League>> leagues = {
        {1, {american ? 26 : 0, [](int c) { return c >= 1 && c <= 10; }}},
        {17, {american ? 34 : 0, [](int c) { return c >= 17 && c <= 34; }}},
        {at(1, 1), {38, division(1)}},
        {at(24, 2), {42, division(2)}},
        {at(1, 4), {42, division(4)}},
        {230, {24, [](int c) { return c >= 225 && c <= 237; }}},
    };
    for (const auto& [club, league] : leagues) {
      int matches = 0;
      for (int r = 1; r <= kLastRound; ++r) {
        const int o = g().FixtureOpponent(club, r);
        if (o == 0 || g().FixtureCompetition(club, r) != 1) continue;
        ++matches;
        EXPECT_TRUE(league.member(o)) << "user " << user << ": " << club << " meets " << o << " in round " << r;
      }
      EXPECT_GE(matches, league.matches) << "user " << user << " club " << club;
    }
    const int round = american ? 48 : 72;
    const int home = american ? static_cast<int>(g().USCupRound1Team(1)) : static_cast<int>(g().USCupPrelimTeam(1));
    const int away = american ? static_cast<int>(g().USCupRound1Team(2)) : static_cast<int>(g().USCupPrelimTeam(2));
    if (home != 0 && away != 0) {
      EXPECT_EQ(g().FixtureOpponent(home, round), away) << user;
      EXPECT_EQ(g().FixtureCompetition(home, round), american ? 2 : 3) << user;
    }
  }
  ASSERT_TRUE(mlsScheduleFromTemplate(g()).has_value());
  g().FixtureMLSTemplate(3) = g().FixtureMLSTemplate(1);  // a club twice in a round: a hand-made save
  EXPECT_FALSE(mlsScheduleFromTemplate(g()).has_value());
}

}  // namespace
}  // namespace kervale::test
