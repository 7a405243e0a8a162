// Whole seasons through the matchday driver on the committed world: every cup
// round, the playoffs and the six-club phase as the matchdays reach them.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <vector>

#include "base/numbers.h"
#include "data/mls_module.h"
#include "match/match_engine.h"
#include "matchday/cups.h"
#include "matchday/cups_support.h"
#include "matchday/standings_order.h"
#include "newgame/newgame_worlds.h"
#include "newgame/pick_team.h"
#include "shell/frm_splash.h"
#include "shell/main_module.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"
#include "support/world.h"
#include "team/locker_room.h"
#include "ui/screen.h"

namespace kervale {
namespace {

using test::clubsOf;
using test::placesOf;
using test::tieIn;
using ui::screen;

// A tie of a played round as the grid and the bracket record it.
struct Tie {
  int home = 0;
  int away = 0;
};

class CupSeason : public ::testing::Test {
 protected:
  CupSeason() { screen<PickTeam>().loaderSeed = 4242; }
  ~CupSeason() override {
    screen<MatchEngine>().Unload();
    screen<MainModule>().Unload();
    screen<PickTeam>().Unload();
    screen<frmSplash>().Unload();
    screen<PickTeam>().loaderSeed.reset();
    replaceGame(nullptr);
  }

  // A new game through the screens, with club `club` picked on page `page`.
  void start(int page, int scroll, int button, int club) {
    screen<frmSplash>().Show();
    screen<frmSplash>().Command1.userClick();
    PickTeam& pick = screen<PickTeam>();
    ASSERT_TRUE(pick.loaded());
    ui::CommandButton* pages[] = {&pick.Command1, &pick.Command1347};
    pages[page]->userClick();
    pick.VScroll1.userScroll(scroll);
    pick.teambutton(button).userClick();
    ASSERT_EQ(mls().MyTeam, club);
    pick.Text1.userSetText("Robin Hale");
    pick.OkButtonTeamSelect.userClick();
    ASSERT_FALSE(pick.loaded());
    mls().CommentarySpeed = 0;
  }

  // One matchday of round CurrentWeek through the match screen, as the day
  // loop hands it over; the user leaves the talks for the pitch and presses
  // the minute button at the final whistle. Then the round moves on.
  void playRound() {
    MatchEngine& match = screen<MatchEngine>();
    ui::headless().postIdle([this] { help(); });
    const std::size_t before = dialogs.count();
    match.Show();
    match.Unload();
    for (std::size_t i = before; i < dialogs.count(); ++i) boxes.push_back(dialogs.log()[i].text);
    MLSModule& g = mls();
    g.CurrentWeek = g.CurrentWeek >= kLastRound ? 1 : g.CurrentWeek + 1;
  }
  // Runs whenever the watched match yields, as long as the matchday lasts.
  void help() {
    MatchEngine& match = screen<MatchEngine>();
    LockerRoom& room = screen<LockerRoom>();
    if (room.loaded() && mls().TeamTalkStage != 1) room.userClose();
    if (match.running() && match.minutedone) match.Minbox.userClick();
    if (match.drivingMatchday()) ui::headless().postIdle([this] { help(); });
  }
  void playUntil(int round) {
    while (mls().CurrentWeek != round) playRound();
  }

  // The ties of a round's bracket places 1..n.
  template <class Table>
  static std::vector<Tie> tiesOf(const Table& teams, int n) {
    std::vector<Tie> out;
    for (int i = 1; i < n; i += 2) out.push_back({CInt(teams(i)), CInt(teams(i + 1))});
    return out;
  }

  // The clubs a round passes on: the winners of its played ties in the order
  // played (ascending home club), then the clubs drawn against an empty place.
  template <class Teams, class Results>
  std::vector<int> through(const Teams& teams, const Results& results, int n, int round) const {
    const MLSModule& g = mls();
    std::map<int, int> winnerByHome;
    std::vector<int> byes;
    for (int i = 1; i < n; i += 2) {
      const int a = CInt(teams(i));
      const int b = CInt(teams(i + 1));
      if (a == 0 || b == 0) {
        if (a + b != 0) byes.push_back(a + b);
        continue;
      }
      const int home = g.FixtureVenue(a, round) == 1 ? a : b;
      EXPECT_EQ(g.FixtureOpponent(a, round), b) << "round " << round;
      EXPECT_NE(results(i), results(i + 1)) << "round " << round << " place " << i;
      winnerByHome[home] = results(i) > results(i + 1) ? a : b;
    }
    std::vector<int> out;
    for (const auto& [home, winner] : winnerByHome) out.push_back(winner);
    out.insert(out.end(), byes.begin(), byes.end());
    return out;
  }

  static void expectNoClubTwice(const std::vector<int>& places, int round) {
    std::multiset<int> clubs(places.begin(), places.end());
    clubs.erase(0);
    EXPECT_EQ(std::set<int>(clubs.begin(), clubs.end()).size(), clubs.size()) << "round " << round;
  }

  test::ScopedCurrentDir inWorld{KERVALE_WORLD_DIR};
  test::ScriptedDialogs dialogs{ui::HeadlessBackend::Policy::Defaults};
  std::vector<std::string> boxes;
};

TEST_F(CupSeason, AnAmericanSeasonRunsTheCupThePlayoffsAndTheSixClubPhase) {
  ASSERT_TRUE(test::worldPresent());
  ASSERT_NO_FATAL_FAILURE(start(0, 0, 3, 3));
  MLSModule& g = mls();
  ASSERT_EQ(g.CurrentWeek, 43);
  ASSERT_EQ(g.PlayoffTeams, 8);

  // The US Open Cup, round by round: each round's clubs are exactly the last
  // round's winners in the order played, then its byes.
  struct Round {
    int week;
    std::function<std::vector<int>()> places;   // the round's bracket
    std::function<std::vector<int>()> through;  // what it passes on, once played
  };
  const std::vector<Round> cup = {
      {48, [&] { return placesOf(g.USCupRound1Team, 52); },
       [&] { return through(g.USCupRound1Team, g.USCupRound1Result, 52, 48); }},
      {54, [&] { return placesOf(g.USCupRound2Team, 32); },
       [&] { return through(g.USCupRound2Team, g.USCupRound2Result, 32, 54); }},
      {60, [&] { return placesOf(g.USCupRound3Team, 16); },
       [&] { return through(g.USCupRound3Team, g.USCupRound3Result, 16, 60); }},
      {67, [&] { return placesOf(g.USCupRound4Team, 8); },
       [&] { return through(g.USCupRound4Team, g.USCupRound4Result, 8, 67); }},
      {70, [&] { return placesOf(g.USCupSemiTeam, 4); },
       [&] { return through(g.USCupSemiTeam, g.USCupSemiResult, 4, 70); }},
      {78, [&] { return placesOf(g.USCupFinalTeam, 2); }, nullptr},
  };
  playUntil(48);
  std::vector<int> entrants = cup[0].places();
  for (std::size_t k = 0; k + 1 < cup.size(); ++k) {
    SCOPED_TRACE(cup[k].week);
    playUntil(cup[k].week);
    std::vector<int> now = cup[k].places();
    now.resize(entrants.size(), 0);
    EXPECT_EQ(now, entrants);
    expectNoClubTwice(now, cup[k].week);
    playRound();
    std::vector<int> next = cup[k].through();
    entrants = cup[k + 1].places();
    next.resize(entrants.size(), 0);
    EXPECT_EQ(entrants, next);
    for (std::size_t i = 0; i + 1 < entrants.size(); i += 2) {
      if (entrants[i] != 0 && entrants[i + 1] != 0) {
        EXPECT_TRUE(tieIn(g, entrants[i], entrants[i + 1], cup[k + 1].week, 2));
      }
    }
  }

  // The final: one winner, in the history, in the box and in the result.
  playUntil(78);
  ASSERT_NE(g.USCupFinalTeam(1), 0);
  ASSERT_NE(g.USCupFinalTeam(2), 0);
  playRound();
  const int cupWinner =
      g.USCupFinalResult(1) > g.USCupFinalResult(2) ? CInt(g.USCupFinalTeam(1)) : CInt(g.USCupFinalTeam(2));
  EXPECT_NE(g.USCupFinalResult(1), g.USCupFinalResult(2));
  EXPECT_EQ(g.CupWinnerHistory(1), cupWinner);
  EXPECT_EQ(std::count(boxes.begin(), boxes.end(), g.TeamName(cupWinner) + " has won the 2003 US Open Cup"), 1);

  // The playoffs: seeded from the one standings order at round 82.
  playUntil(82);
  playRound();
  for (const auto* order : {&g.EastOrder, &g.WestOrder}) {
    for (int i = 1; i < g.MLSMatchesPerRound; ++i) {
      EXPECT_FALSE(ranksAbove(g, CInt((*order)(i + 1)), CInt((*order)(i)))) << i;
    }
  }
  const std::vector<int> seeds = {CInt(g.EastOrder(1)), CInt(g.EastOrder(4)), CInt(g.EastOrder(2)),
                                  CInt(g.EastOrder(3)), CInt(g.WestOrder(1)), CInt(g.WestOrder(4)),
                                  CInt(g.WestOrder(2)), CInt(g.WestOrder(3))};
  EXPECT_EQ(placesOf(g.PlayoffQFTeam, 8), seeds);
  for (int i = 0; i < 8; i += 2) {
    EXPECT_TRUE(tieIn(g, seeds[i + 1], seeds[i], 83, 2));
    EXPECT_TRUE(tieIn(g, seeds[i], seeds[i + 1], 84, 2));
  }
  playRound();  // 83
  playRound();  // 84
  for (int i = 1; i <= 7; i += 2) {
    // The second leg's goals, the visitors' twice, a shoot-out winner's + 1.
    const int higher = g.FixtureScore(CInt(g.PlayoffQFTeam(i)), 84);
    const int lower = g.FixtureScore(CInt(g.PlayoffQFTeam(i + 1)), 84);
    const double extra = g.PlayoffQFResult(i).number() - higher + (g.PlayoffQFResult(i + 1).number() / 2 - lower);
    EXPECT_EQ(extra, higher == lower ? 1 : 0) << i;
    const int through =
        g.PlayoffQFResult(i) > g.PlayoffQFResult(i + 1) ? CInt(g.PlayoffQFTeam(i)) : CInt(g.PlayoffQFTeam(i + 1));
    EXPECT_EQ(g.PlayoffSFTeam((i + 1) / 2), through);
  }
  playRound();  // 85
  const int home = CInt(g.MLSFinalTeam1);
  const int away = CInt(g.MLSFinalTeam2);
  ASSERT_NE(home, 0);
  EXPECT_TRUE(tieIn(g, home, away, 86, 2));
  EXPECT_GE(standingsPoints(g, home), standingsPoints(g, away));
  playRound();  // 86
  EXPECT_NE(g.MLSFinalScore1, g.MLSFinalScore2);
  EXPECT_EQ(g.MLSChampionHistory(1), g.MLSFinalScore1 > g.MLSFinalScore2 ? home : away);

  // On past round 104 to the six-club phase of the next half: its thirty
  // matches in rounds 27 to 45 and its final in 47.
  playUntil(25);
  std::vector<int> six;
  for (int i = 1; i <= 6; ++i) six.push_back(CInt(g.LeagueOrder(i, 12)));
  int phase = 0;
  for (int r = 1; r <= kLastRound; ++r) {
    for (int c = 225; c <= 237; ++c) {
      if (g.FixtureVenue(c, r) != 1 || g.FixtureOpponent(c, r) == 0 || r < 25) continue;
      if (r > 47) continue;
      EXPECT_TRUE(r >= 27 && r <= 45 && r % 2 == 1) << "round " << r;
      EXPECT_EQ(g.FixtureCompetition(c, r), 1);
      ++phase;
    }
  }
  EXPECT_EQ(phase, 30);
  playUntil(46);
  for (int c : six) EXPECT_EQ(g.TeamGames(c), 10) << c;
  playRound();  // 46: the final is drawn
  const int first = CInt(g.LeagueOrder(1, 12));
  const int second = CInt(g.LeagueOrder(2, 12));
  EXPECT_TRUE(tieIn(g, first, second, 47, 2));
  EXPECT_TRUE(std::count(six.begin(), six.end(), first) && std::count(six.begin(), six.end(), second));
  EXPECT_EQ(test::tiesIn(g, 47, 2), 1);
  playRound();  // 47
}

TEST_F(CupSeason, AnEnglishSeasonRunsTheCupAsFarAsItsThirdStage) {
  ASSERT_TRUE(test::worldPresent());
  ASSERT_NO_FATAL_FAILURE(start(1, 120, 10, 136));
  MLSModule& g = mls();
  ASSERT_EQ(g.CurrentWeek, 66);
  g.EnglishCupEntrant.fill(200);  // nothing of an earlier cup may come back

  // The first stage: sixty clubs; a level match is replayed at round 74.
  playUntil(72);
  const std::vector<int> prelim = placesOf(g.USCupPrelimTeam, 60);
  expectNoClubTwice(prelim, 72);
  playRound();
  std::multiset<int> winners;
  int replays = 0;
  for (int i = 1; i <= 59; i += 2) {
    const int a = prelim[i - 1];
    const int b = prelim[i];
    const int home = g.FixtureVenue(a, 72) == 1 ? a : b;
    const int away = home == a ? b : a;
    ASSERT_EQ(g.FixtureOpponent(home, 72), away);
    const int hg = g.FixtureScore(home, 72);
    const int ag = g.FixtureScore(away, 72);
    if (hg == ag) {
      ++replays;
      EXPECT_TRUE(tieIn(g, away, home, 74, 2));
    } else {
      winners.insert(hg > ag ? home : away);
    }
  }
  EXPECT_EQ(clubsOf(g.EnglishCupEntrant, 64), winners);
  playUntil(75);
  for (int i = 1; i <= 59; i += 2) {
    if (g.FixtureScore(prelim[i - 1], 72) != g.FixtureScore(prelim[i], 72)) continue;
    EXPECT_NE(g.USCupPrelimResult(i), g.USCupPrelimResult(i + 1));
    winners.insert(g.USCupPrelimResult(i) > g.USCupPrelimResult(i + 1) ? prelim[i - 1] : prelim[i]);
  }
  EXPECT_EQ(winners.size(), 30u);

  // The second stage: those winners and the league clubs that skipped the
  // first, 62 clubs for 64 places, drawn at random and played at round 83.
  std::multiset<int> entrants = winners;
  for (int c = 53; c <= 144; ++c) {
    if (std::count(prelim.begin(), prelim.end(), c) == 0) entrants.insert(c);
  }
  EXPECT_EQ(entrants.size(), 62u);
  EXPECT_EQ(clubsOf(g.USCupRound1Team, 64), entrants);
  expectNoClubTwice(placesOf(g.USCupRound1Team, 64), 74);
  for (int i = 1; i <= 63; i += 2) {
    const int a = CInt(g.USCupRound1Team(i));
    const int b = CInt(g.USCupRound1Team(i + 1));
    if (a != 0 && b != 0) {
      EXPECT_TRUE(tieIn(g, a, b, 83, 3));
    }
  }

  // Its winners, replay winners and byes make the third stage, placed at round 94.
  playUntil(87);
  std::multiset<int> third;
  for (int i = 1; i <= 63; i += 2) {
    const int a = CInt(g.USCupRound1Team(i));
    const int b = CInt(g.USCupRound1Team(i + 1));
    if (a == 0 || b == 0) {
      if (a + b != 0) third.insert(a + b);
      continue;
    }
    EXPECT_NE(g.USCupRound1Result(i), g.USCupRound1Result(i + 1)) << i;
    third.insert(g.USCupRound1Result(i) > g.USCupRound1Result(i + 1) ? a : b);
  }
  EXPECT_EQ(clubsOf(g.USCupRound2Team, 32), third);
  expectNoClubTwice(placesOf(g.USCupRound2Team, 32), 86);
  int placed = 0;
  for (int i = 1; i <= 31; i += 2) {
    const int a = CInt(g.USCupRound2Team(i));
    const int b = CInt(g.USCupRound2Team(i + 1));
    if (a != 0 && b != 0) {
      EXPECT_TRUE(tieIn(g, a, b, 94, 3));
      ++placed;
    }
  }
  EXPECT_GE(placed, 15);

  // No MLS playoffs in an English game; round 94 is played and ends the cup.
  EXPECT_EQ(placesOf(g.PlayoffQFTeam, 8), std::vector<int>(8, 0));
  playUntil(95);
  for (int i = 1; i <= 32; ++i) EXPECT_TRUE(g.USCupRound2Result(i).isEmpty());

  // On past round 104 into the next half of the calendar: nothing hangs.
  playUntil(3);
  EXPECT_EQ(g.CurrentWeek, 3);
}

}  // namespace
}  // namespace kervale
