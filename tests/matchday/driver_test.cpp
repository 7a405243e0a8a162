// The matchday driver: the match screen's load plays the round CurrentWeek.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "base/numbers.h"
#include "base/random.h"
#include "data/mls_module.h"
#include "match/match_engine.h"
#include "matchday/driver_world.h"
#include "shell/main_module.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"
#include "team/locker_room.h"
#include "ui/backend.h"
#include "ui/screen.h"

namespace kervale::test {
namespace {

constexpr int kUser = 1;

struct Fixture {
  int home;
  int away;
  int competition;
};

// What a match looked like to the screen while it ran.
struct Seen {
  int away = 0;
  int extratime = 0;
  double cupTie = 0;
  bool shown = false;
  int fastsim = 0;
  bool matchdayDone = true;
};

class Driver : public ::testing::Test {
 protected:
  void SetUp() override {
    auto game = startedWorldGame(kUser);
    ASSERT_TRUE(game) << "no game to play";
    replaceGame(std::move(game));
    rng().seed(404);
  }
  void TearDown() override {
    for (ui::Form* form : {static_cast<ui::Form*>(&match()), static_cast<ui::Form*>(&ui::screen<MainModule>()),
                           static_cast<ui::Form*>(&ui::screen<LockerRoom>())}) {
      if (form->loaded()) form->Unload();
    }
    replaceGame(nullptr);
  }

  static MatchEngine& match() { return ui::screen<MatchEngine>(); }
  static MLSModule& g() { return mls(); }
  static int week() { return static_cast<int>(g().CurrentWeek); }

  // Round CurrentWeek holds these fixtures and nothing else.
  static void onlyFixtures(const std::vector<Fixture>& fixtures) {
    for (int c = 0; c <= kLastClub; ++c) {
      g().FixtureOpponent(c, week()) = 0;
      g().FixtureCompetition(c, week()) = 0;
      g().FixtureVenue(c, week()) = 0;
      g().FixtureScore(c, week()) = 0;
    }
    for (const Fixture& f : fixtures) {
      g().FixtureOpponent(f.home, week()) = static_cast<std::int16_t>(f.away);
      g().FixtureOpponent(f.away, week()) = static_cast<std::int16_t>(f.home);
      g().FixtureVenue(f.home, week()) = 1;
      g().FixtureVenue(f.away, week()) = 2;
      g().FixtureCompetition(f.home, week()) = static_cast<std::int16_t>(f.competition);
      g().FixtureCompetition(f.away, week()) = static_cast<std::int16_t>(f.competition);
    }
  }
  // Nobody of the club can beat a keeper, and its keepers stop everything.
  static void goalless(int club) {
    for (int slot = 1; slot <= 20; ++slot) {
      const double p = g().TeamSquad(slot, club);
      if (p == 0) continue;
      g().PlayerAttack(p) = 0;
      g().PlayerGoalkeeping(p) = 1e6F;
    }
  }
  static std::vector<std::string> resultLines() {
    std::vector<std::string> lines;
    std::istringstream in(g().LastResultText);
    for (std::string line; std::getline(in, line, '\r');) lines.push_back(line);
    return lines;
  }
  // CurrentWeek moves on to the next round with a match (a new game starts on an empty one).
  static void toRoundWithMatches() {
    for (int n = 0; n < kLastRound; ++n) {
      for (int c = 1; c <= kLastClub; ++c) {
        if (g().FixtureVenue(c, week()) == 1 && g().FixtureOpponent(c, week()) != 0) return;
      }
      g().CurrentWeek = week() % kLastRound + 1;
    }
  }
  static std::vector<double> gamesPlayed() {
    std::vector<double> v;
    for (int c = 0; c <= kLastClub; ++c) v.push_back(g().TeamGamesPlayed(c));
    return v;
  }

  // Notes every match of the matchday as it runs (the match yields every minute).
  void watchMatches(ui::HeadlessBackend& backend = ui::headless()) {
    watching_ = std::make_shared<std::function<void()>>();
    std::weak_ptr<std::function<void()>> self = watching_;
    *watching_ = [this, self, &backend] {
      MatchEngine& m = match();
      if (m.running() && !seen.count(m.hometeam)) {
        seen[m.hometeam] =
            Seen{m.awayteam, m.extratimeflag, g().CupTieFlag, m.shown(), m.Fastsim.value(), m.matchdaydone};
        order.push_back(m.hometeam);
      }
      if (auto again = self.lock()) backend.postIdle(*again);
    };
    backend.postIdle(*watching_);
  }
  void playMatchday() {
    match().Show();
    match().Unload();
  }

  ScopedCurrentDir inWorld{KERVALE_WORLD_DIR};
  ScriptedDialogs dialogs{ui::HeadlessBackend::Policy::Defaults};
  std::map<int, Seen> seen;
  std::vector<int> order;

 private:
  std::shared_ptr<std::function<void()>> watching_;
};

TEST_F(Driver, PlaysTheRoundInHomeOrderWithEachCompetitionsRules) {
  onlyFixtures({{kUser, 2, 2}, {3, 4, 1}, {5, 17, 1}, {20, 21, 3}, {22, 23, 2}, {60, 61, 1}});
  for (int club : {kUser, 2, 3, 4, 5, 17, 20, 21, 22, 23, 60, 61}) goalless(club);
  const double gamesOf3 = g().TeamGames(3), gamesOf1 = g().TeamGames(kUser), gamesOf60 = g().TeamGames(60);
  StandInUser user;
  watchMatches();
  const long passes = match().betweentally.passes;
  playMatchday();

  EXPECT_EQ(order, (std::vector<int>{kUser, 3, 5, 20, 22, 60}));
  // Overtime: a knockout tie, and a league match between two MLS clubs.
  EXPECT_EQ(seen[kUser].extratime, 1);
  EXPECT_EQ(seen[3].extratime, 1);
  EXPECT_EQ(seen[5].extratime, 0) << "club 17 is no MLS club";
  EXPECT_EQ(seen[20].extratime, 0);
  EXPECT_EQ(seen[22].extratime, 1);
  EXPECT_EQ(seen[60].extratime, 0);
  for (int home : {kUser, 20, 22}) EXPECT_EQ(seen[home].cupTie, 1) << home;
  for (int home : {3, 5, 60}) EXPECT_EQ(seen[home].cupTie, 0) << home;
  // Only the user's match is watched; the others run quick and hidden.
  EXPECT_TRUE(seen[kUser].shown);
  for (int home : {3, 5, 20, 22, 60}) {
    EXPECT_FALSE(seen[home].shown) << home;
    EXPECT_EQ(seen[home].fastsim, 1) << home;
  }
  for (const auto& [home, s] : seen) EXPECT_FALSE(s.matchdayDone) << home;
  EXPECT_GT(user.talks(), 0);

  // Every match ended goalless; the level ones that may go on did.
  const std::vector<std::string> lines = resultLines();
  ASSERT_EQ(lines.size(), 6u);
  const bool overtime[] = {true, true, false, false, true, false};
  for (std::size_t i = 0; i < lines.size(); ++i) {
    EXPECT_EQ(lines[i].size() >= 3 && lines[i].substr(lines[i].size() - 3) == " OT", overtime[i]) << lines[i];
  }
  for (const Fixture& f : std::vector<Fixture>{{kUser, 2, 2}, {22, 23, 2}, {20, 21, 3}}) {
    EXPECT_EQ(g().FixtureScore(f.home, week()), 0);
    EXPECT_EQ(g().FixtureScore(f.away, week()), 0) << "the grid keeps the level score of a shoot-out";
  }
  // One shoot-out box: the user's; the computer clubs' tie is decided silently.
  int penaltyBoxes = 0;
  for (const ui::DialogRecord& r : dialogs.log()) {
    if (r.title == "Penalties") {
      ++penaltyBoxes;
      EXPECT_EQ(r.text.rfind("Penalty kick score: ", 0), 0u);
    }
  }
  EXPECT_EQ(penaltyBoxes, 1);
  // League matches count in the table, cup ties do not.
  EXPECT_EQ(g().TeamGames(3), gamesOf3 + 1);
  EXPECT_EQ(g().TeamGames(60), gamesOf60 + 1);
  EXPECT_EQ(g().TeamGames(kUser), gamesOf1);

  EXPECT_EQ(match().betweentally.passes, passes + 1) << "the between-matchday events ran once, the round done";
  EXPECT_EQ(g().CupTieFlag, 0);
  EXPECT_EQ(match().extratimeflag, 0);
  EXPECT_TRUE(ui::screen<MainModule>().shown()) << "the hub is shown at the end";
}

TEST_F(Driver, ARoundWithoutTheUsersMatchIsPlayedUnseen) {
  onlyFixtures({{3, 4, 1}, {40, 41, 1}});
  StandInUser user;
  watchMatches();
  playMatchday();
  EXPECT_EQ(order, (std::vector<int>{3, 40}));
  for (const auto& [home, s] : seen) EXPECT_FALSE(s.shown) << home;
  EXPECT_EQ(user.talks(), 0);
  for (const ui::DialogRecord& r : dialogs.log()) EXPECT_EQ(r.text.rfind("Final Score", 0), std::string::npos);
  EXPECT_EQ(resultLines().size(), 2u);
}

TEST_F(Driver, AfterAnUnseenRoundTheScreenShowsItsLastMatch) {
  onlyFixtures({{3, 4, 1}, {40, 41, 1}});
  match().Show();  // plays the round; the screen stays loaded
  const std::string score = Str(g().FixtureScore(40, week())) + " :" + Str(g().FixtureScore(41, week()));
  EXPECT_EQ(match().Label1.caption(), score);
  EXPECT_EQ(match().Label4.caption(), "Minute" + Str(90));
  EXPECT_EQ(match().hometeam, 40);
  for (int i = 0; i <= 10; ++i) EXPECT_EQ(match().Label12(i).caption(), match().onpitchname(i, 2)) << i;
}

TEST_F(Driver, TheNewsOfTheDaysBeforeIsCleared) {
  onlyFixtures({{3, 4, 1}});
  for (int i = 0; i < 20; ++i) g().ClubNewsLine(i) = "old news";
  g().ClubNewsCount = 20;
  for (int i = 0; i < 200; ++i) g().Headlines(i) = "old headline";
  g().HeadlineCount = 200;
  for (int c = 1; c <= kLastClub; ++c) g().TeamLatestNews(c) = "old report";
  g().LastResultText = "old results";
  g().TicketIncome = 12345;
  playMatchday();
  for (int i = 0; i <= 50; ++i) EXPECT_NE(g().ClubNewsLine(i), "old news") << i;
  for (int i = 0; i <= 300; ++i) EXPECT_NE(g().Headlines(i), "old headline") << i;
  EXPECT_LT(g().HeadlineCount, 200);
  for (int c = 1; c <= kLastClub; ++c) EXPECT_EQ(g().TeamLatestNews(c).find("old report"), std::string::npos) << c;
  EXPECT_EQ(g().LastResultText.find("old results"), std::string::npos);
  EXPECT_NE(g().TeamLatestNews(3).find(" v "), std::string::npos) << "the match report of the round";
  EXPECT_EQ(g().TicketIncome, 0) << "the user's club had no home gate";
}

TEST_F(Driver, ARoundIsNeverPlayedTwice) {
  StandInUser user;
  toRoundWithMatches();
  const auto unplayed = std::make_unique<MLSModule>(g());
  const std::vector<double> before = gamesPlayed();
  playMatchday();
  const std::vector<double> afterFirst = gamesPlayed();
  ASSERT_NE(afterFirst, before);
  const std::string results = g().LastResultText;
  const auto played = std::make_unique<MLSModule>(g());

  // Shown again without the round moving on (as after Play Next Match).
  playMatchday();
  EXPECT_EQ(gamesPlayed(), afterFirst);
  EXPECT_EQ(g().LastResultText, results);
  EXPECT_TRUE(ui::screen<MainModule>().shown());

  // The same holds for that state saved and loaded again, and a state from
  // before the round plays it.
  replaceGame(std::make_unique<MLSModule>(*played));
  playMatchday();
  EXPECT_EQ(gamesPlayed(), afterFirst);
  replaceGame(std::make_unique<MLSModule>(*unplayed));
  playMatchday();
  EXPECT_NE(gamesPlayed(), before);

  // The next round is played.
  const std::vector<double> afterAgain = gamesPlayed();
  g().CurrentWeek = g().CurrentWeek + 1;
  toRoundWithMatches();
  playMatchday();
  EXPECT_NE(gamesPlayed(), afterAgain);
}

// A window system in which the user closes the match screen and opens it
// again while the shoot-out box is up.
class Reopener : public ui::HeadlessBackend {
 public:
  ui::MsgResult messageBox(std::string_view text, ui::MsgButtons buttons, ui::MsgIcon icon,
                           std::string_view title) override {
    if (title == "Penalties") {
      MatchEngine& m = ui::screen<MatchEngine>();
      reopened = m.Unload();
      m.Show();
    }
    return HeadlessBackend::messageBox(text, buttons, icon, title);
  }
  bool reopened = false;
};

TEST_F(Driver, TheMatchdayIsNeverEnteredTwiceAtOnce) {
  onlyFixtures({{kUser, 2, 2}, {3, 4, 1}});
  for (int club : {kUser, 2}) goalless(club);
  Reopener backend;
  backend.setPolicy(ui::HeadlessBackend::Policy::Defaults);
  ui::setBackend(&backend);
  const std::vector<double> before = gamesPlayed();
  {
    StandInUser user(backend);
    playMatchday();
  }
  ui::setBackend(nullptr);
  EXPECT_TRUE(backend.reopened);
  std::vector<double> expected = before;
  for (int c : {kUser, 2, 3, 4}) expected[c] += 1;
  EXPECT_EQ(gamesPlayed(), expected) << "each match once";
  EXPECT_EQ(resultLines().size(), 2u);
}

TEST_F(Driver, TheHubsMatchdaysAndPlayNextMatch) {
  StandInUser user;
  MainModule& hub = ui::screen<MainModule>();
  toRoundWithMatches();
  hub.Show();
  g().WeekDay = 3;
  const int round = week();
  const std::vector<double> before = gamesPlayed();
  hub.PlayGamesBUtton.userClick();
  EXPECT_EQ(week(), round + 1);
  EXPECT_FALSE(match().loaded());
  EXPECT_TRUE(hub.shown());
  const std::vector<double> afterPress = gamesPlayed();
  EXPECT_NE(afterPress, before);

  // Play Next Match plays the round and leaves the calendar; the Saturday
  // press then moves on without playing that round again.
  toRoundWithMatches();
  const int next = week();
  hub.Play_Match_Click();
  EXPECT_EQ(week(), next);
  const std::vector<double> afterMenu = gamesPlayed();
  EXPECT_NE(afterMenu, afterPress);
  if (match().loaded()) match().Unload();
  hub.Show();
  g().WeekDay = 6;
  hub.PlayGamesBUtton.userClick();
  EXPECT_EQ(week(), next + 1);
  EXPECT_EQ(gamesPlayed(), afterMenu);
  EXPECT_FALSE(match().loaded());
}

TEST_F(Driver, FixturecheckForgetsItsTypeAndKeepsToTheGrid) {
  MatchEngine& m = match();
  const int w = 90;
  for (int c : {40, 41}) g().FixtureOpponent(c, w) = 0;
  m.fixturehome = 40;
  m.fixtureaway = 41;
  m.fixtureweek = w;
  m.fixturetype = 0;
  m.fixturecheck();
  EXPECT_EQ(g().FixtureOpponent(40, w), 41);
  EXPECT_EQ(g().FixtureCompetition(41, w), 2) << "type 0 is a knockout tie";
  EXPECT_EQ(m.fixturetype, 0);
  // A round outside the grid places nothing.
  for (int badWeek : {0, 105}) {
    m.fixtureweek = badWeek;
    m.fixturetype = 3;
    EXPECT_NO_THROW(m.fixturecheck());
    EXPECT_EQ(m.fixturetype, 0);
  }
}

}  // namespace
}  // namespace kervale::test
