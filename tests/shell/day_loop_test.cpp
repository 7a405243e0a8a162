// The day loop: calendar, matchday hand-off, next-fixture news, birthdays,
// ageing, retirements, and the day's training of the user's squad.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "base/random.h"
#include "data/mls_module.h"
#include "data/news.h"
#include "shell/main_module.h"
#include "shell/shell_game.h"
#include "ui/screen.h"

namespace kervale::test {
namespace {

using ui::MsgResult;

class DayLoopTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    // Nobody has a birthday unless a test gives him one.
    for (int p = 1; p <= mls().NumPlayers; ++p) mls().PlayerBirthMonth(p) = 0;
    hub().Show();
  }
  void press() { hub().PlayGamesBUtton.userClick(); }
  // Player p turns age + 1 on the given day.
  void birthday(int p, double age, int month = 1, int day = 2) {
    g().PlayerAge(p) = age;
    g().PlayerBirthMonth(p) = month;
    g().PlayerBirthDay(p) = day;
  }
  // What the player does when the squad check stops the press: the first fit
  // substitute takes the place of every starter who is out, and the hub is
  // opened anew, as on the way back from the squad screen. The number of changes.
  int fitTheLineUp() {
    auto out = [&](int slot) {
      const double p = g().TeamSquad(slot, 1);
      return p == 0 || g().PlayerName(p).empty() || g().PlayerInjury(p) > 0;
    };
    int changes = 0;
    for (int slot = 1; slot <= 11; ++slot) {
      for (int sub = 12; sub <= 20 && out(slot); ++sub) {
        if (out(sub)) continue;
        std::swap(g().TeamSquad(slot, 1), g().TeamSquad(sub, 1));
        ++changes;
      }
    }
    hub().Unload();
    hub().Show();
    return changes;
  }
  void setDate(int day, int month, int season, int weekDay = 1) {
    g().MonthDay = day;
    g().CurrentMonth = month;
    g().CurrentSeason = season;
    g().WeekDay = weekDay;
  }
};

TEST_F(DayLoopTest, MonthsYearEndAndFebruary) {
  struct Case {
    int day, month, season, nextDay, nextMonth;
  };
  // Season 2 is 2004, a leap year; season 1 is 2003, season -1 2001.
  const Case cases[] = {{30, 4, 1, 1, 5}, {31, 12, 1, 1, 1}, {28, 2, 2, 29, 2},
                        {29, 2, 2, 1, 3}, {28, 2, 1, 1, 3},  {28, 2, -1, 1, 3}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.day << "/" << c.month << " season " << c.season);
    setDate(c.day, c.month, c.season);
    press();
    EXPECT_EQ(g().MonthDay, c.nextDay);
    EXPECT_EQ(g().CurrentMonth, c.nextMonth);
    EXPECT_EQ(g().CurrentSeason, c.season) << "the year follows the season only";
  }
  setDate(31, 12, 1);
  press();
  EXPECT_EQ(hub().Label7.caption(), "January 1, 2003");
}

TEST_F(DayLoopTest, WednesdayMatchdayAnnouncesTheSaturdayGame) {
  playMatchdays();
  addClubNews(g(), "Yesterday's news");
  g().WeekDay = 3;
  g().CurrentWeek = 10;
  press();
  EXPECT_EQ(g().CurrentWeek, 11);
  EXPECT_EQ(hub().Label6.caption(), "Thursday");
  // Round 10 was played, the user's match (club 2 at home to club 1) watched to the end.
  EXPECT_GE(standIn->talks(), 1);
  EXPECT_EQ(standIn->minutePresses(), 1);
  EXPECT_EQ(g().LastResultText.rfind("Millbrook Rovers", 0), 0u) << g().LastResultText;
  // The matchday starts the news afresh; the next fixture comes after its
  // reports. Round 11: club 1 is at home to club 2, a league game.
  EXPECT_NE(news().front(), "Yesterday's news");
  EXPECT_EQ(news().back(), "Our next game is against Millbrook Rovers at home.");
}

TEST_F(DayLoopTest, NextFixtureWordingAndDaysOff) {
  playMatchdays();
  // Every fourth round is a competition-3 round; club 1 is away in even rounds.
  g().FixtureCompetition(1, 20) = 2;
  g().FixtureVenue(1, 24) = 0;
  g().FixtureOpponent(1, 21) = 0;
  g().FixtureOpponent(1, 22) = 0;
  const std::string game = "Our next game is against Millbrook Rovers ";
  const std::tuple<int, int, std::string> cases[] = {
      {3, 11, game + "on the road. It is a cup game."}, {6, 15, game + "on the road."},
      {6, 19, game + "on the road. It is a cup game."}, {3, 20, "We have a day off on Saturday."},
      {6, 21, "We have a day off on Wednesday."},       {3, 23, game + "on neutral ground. It is a cup game."}};
  for (const auto& [weekDay, week, line] : cases) {
    g().WeekDay = weekDay;
    g().CurrentWeek = week;
    press();
    EXPECT_EQ(news().back(), line) << "round " << week;
  }
  // On round 21 the others play and the user's club rests.
  EXPECT_EQ(finalScoreBoxes(), 5);
  EXPECT_EQ(g().TeamGamesPlayed(3), 6);
  EXPECT_EQ(g().TeamGamesPlayed(1), 5);
}

TEST_F(DayLoopTest, SaturdayGoesToSundayWithoutTraining) {
  playMatchdays();
  // Everybody trains with a training factor that makes every roll a gain: a
  // training day leaves news.
  for (int s = 1; s <= 20; ++s) g().TrainingGroup(s) = 1;
  for (int s = 1; s <= 16; ++s) g().PlayerTrainingFactor(smallGamePlayer(1, s)) = 1;
  for (int cell = 1; cell <= 5; ++cell) {
    g().TrainingPlanType(cell) = 4;
    g().TrainingPlanIntensity(cell) = 1;
  }
  g().WeekDay = 6;
  g().CurrentWeek = 104;
  press();
  EXPECT_EQ(g().CurrentWeek, 1) << "after round 104 comes round 1";
  EXPECT_EQ(hub().Label6.caption(), "Sunday");
  // The matchday's own reports, then the next fixture; no training.
  EXPECT_EQ(news().back(), "Our next game is against Millbrook Rovers at home.");
  const std::size_t sunday = news().size();
  press();
  EXPECT_EQ(hub().Label6.caption(), "Monday");
  EXPECT_EQ(news().size(), sunday + 16) << "sixteen players gained speed";
  EXPECT_EQ(news().back(), "Harbour City player 16 increased his speed slightly in training today.");
  // Friday is the week's last training day.
  g().WeekDay = 4;
  const std::size_t thursday = news().size();
  press();
  EXPECT_EQ(hub().Label6.caption(), "Friday");
  EXPECT_GE(news().size(), thursday + 16);
  EXPECT_EQ(news().back(), "Harbour City player 16 increased his speed slightly in training today.");
}

TEST_F(DayLoopTest, BirthdaysOfTheUsersPlayersAreAnnounced) {
  const int p = smallGamePlayer(1, 5);
  const int other = smallGamePlayer(2, 5);
  birthday(p, 26);
  birthday(other, 30);
  press();  // January 2
  EXPECT_EQ(g().PlayerAge(p), 27);
  EXPECT_EQ(g().PlayerAge(other), 31);
  ASSERT_EQ(news().size(), 1u) << "only the user's players are announced";
  EXPECT_EQ(news()[0], "Harbour City player 5 celebrated his birthday. He is now 27 years old.");

  // February 29 comes in leap years only.
  const int leap = smallGamePlayer(1, 7);
  birthday(leap, 20, 2, 29);
  setDate(28, 2, 1);
  press();
  EXPECT_EQ(g().PlayerAge(leap), 20);
  setDate(28, 2, 2);
  press();
  EXPECT_EQ(g().PlayerAge(leap), 21);
}

TEST_F(DayLoopTest, RetirementsAndDecline) {
  const int p = smallGamePlayer(1, 4);
  const int older = smallGamePlayer(1, 6);
  const int computers = smallGamePlayer(3, 2);
  birthday(p, 34);
  birthday(older, 32);
  birthday(computers, 40);  // 41 next: certain
  g().PlayerInjury(p) = 2;
  g().PlayerGoalkeeping(older) = 1.0F;  // exactly 0 after the decline: back to 1
  g().PlayerDefense(older) = 1.5;
  g().PlayerMidfield(older) = 0.3;  // below 0: stops at 0
  g().PlayerAttack(older) = 12;
  g().PlayerGamesSeason(older) = 20;
  g().PlayerGoalsSeason(older) = 7;
  g().PlayerShotsSeason(older) = 30;
  g().PlayerRatingSumSeason(older) = 140;
  rng().script({0.05, 0.9});  // Int(0.05 * (41 - 35)) = 0: retires; Int(0.9 * 8) = 7: stays
  dialogs.answer(MsgResult::OK);
  press();
  ASSERT_EQ(dialogs.count(), 1u) << "the computer club's player retires silently";
  EXPECT_EQ(g().PlayerName(computers), "");
  const ui::DialogRecord& box = dialogs.last();
  EXPECT_EQ(box.title, "Going to the Old Folks home");
  EXPECT_EQ(box.text, "Harbour City player 4 has retired at the age of 35");
  EXPECT_EQ(box.icon, ui::MsgIcon::Information);
  EXPECT_EQ(g().PlayerName(p), "");
  EXPECT_EQ(g().PlayerTeam(p), 0);
  EXPECT_EQ(g().PlayerInjury(p), 0);
  EXPECT_EQ(g().PlayerWage(p), 0);
  EXPECT_EQ(g().PlayerDefense(p), 1);

  EXPECT_EQ(g().PlayerName(older), "Harbour City player 6");
  EXPECT_EQ(g().PlayerGoalkeeping(older), 1.0F);
  EXPECT_DOUBLE_EQ(g().PlayerDefense(older), 0.5);
  EXPECT_EQ(g().PlayerMidfield(older), 0);
  EXPECT_EQ(g().PlayerAttack(older), 11);
  for (double season : std::initializer_list<double>{g().PlayerGamesSeason(older), g().PlayerGoalsSeason(older),
                                                     static_cast<double>(g().PlayerShotsSeason(older)),
                                                     g().PlayerRatingSumSeason(older)}) {
    EXPECT_EQ(season, 0);
  }
  // The retired player stays in his slot, so the next matchday is blocked
  // until the line-up changes.
  EXPECT_EQ(g().TeamSquad(4, 1), p);
  g().WeekDay = 2;
  press();
  EXPECT_FALSE(hub().PlayGamesBUtton.enabled());
}

TEST_F(DayLoopTest, NewsFillsTheWholeListAndThePastTheEndIsDropped) {
  // Sixty birthdays on one day for a club of sixty.
  for (int p = 1; p <= 60; ++p) {
    g().PlayerTeam(p) = 1;
    birthday(p, 20);
  }
  press();
  EXPECT_EQ(g().ClubNewsCount, 50);
  EXPECT_EQ(news().size(), 51u);
  EXPECT_NE(g().ClubNewsLine(50), "");
  for (int p = 1; p <= 60; ++p) EXPECT_EQ(g().PlayerAge(p), 21) << p;
}

// A window system in which the user presses continue again while a box of
// the press is up.
class ImpatientUser : public ui::HeadlessBackend {
 public:
  MsgResult messageBox(std::string_view text, ui::MsgButtons buttons, ui::MsgIcon icon,
                       std::string_view title) override {
    ++boxes;
    ui::screen<MainModule>().PlayGamesBUtton.userClick();
    return HeadlessBackend::messageBox(text, buttons, icon, title);
  }
  int boxes = 0;
};

TEST_F(DayLoopTest, ASecondPressDuringAPressIsRefused) {
  ImpatientUser user;
  user.setPolicy(ui::HeadlessBackend::Policy::Defaults);
  ui::setBackend(&user);
  birthday(smallGamePlayer(1, 4), 40);  // retires on January 2 with a box
  press();
  ui::setBackend(nullptr);
  EXPECT_EQ(user.boxes, 1);
  EXPECT_EQ(g().MonthDay, 2) << "one day, not two";
  EXPECT_FALSE(hub().pressRunning());
  press();
  EXPECT_EQ(g().MonthDay, 3);
}

// A year of presses: the calendar, the matchdays, birthdays and retirements.
TEST_F(DayLoopTest, AYearOfPresses) {
  rng().seed(99);
  playMatchdays();
  for (int p = 1; p <= g().NumPlayers; ++p) birthday(p, g().PlayerAge(p), 1 + p % 12, 1 + (p * 5) % 28);
  // The starters stay young, so that no retirement blocks a matchday; two
  // substitutes will certainly retire on their birthdays.
  for (int slot = 1; slot <= 16; ++slot) g().PlayerAge(smallGamePlayer(1, slot)) = 25;
  g().PlayerAge(smallGamePlayer(1, 14)) = 39;
  g().PlayerAge(smallGamePlayer(1, 15)) = 40;
  std::map<int, double> ageBefore;
  for (int p = 1; p <= g().NumPlayers; ++p) ageBefore[p] = g().PlayerAge(p);
  setDate(1, 1, 2);  // 2004, a leap year

  std::map<int, int> daysInMonth;
  int matchdays = 0;
  int usersMatches = 0;
  for (int day = 0; day < 366; ++day) {
    // Injuries and bans stop the press on the eve of a matchday until the
    // line-up is fit.
    if (!hub().PlayGamesBUtton.enabled()) {
      ASSERT_TRUE(g().WeekDay == 3 || g().WeekDay == 6) << "blocked on weekday " << g().WeekDay;
      ASSERT_GT(fitTheLineUp(), 0);
      ASSERT_TRUE(hub().PlayGamesBUtton.enabled());
    }
    const double weekBefore = g().CurrentWeek;
    const int monthBefore = static_cast<int>(g().CurrentMonth);
    if ((g().WeekDay == 3 || g().WeekDay == 6) && g().FixtureOpponent(1, static_cast<int>(weekBefore)) != 0) {
      ++usersMatches;
    }
    press();
    ++daysInMonth[monthBefore];
    ASSERT_TRUE(hub().loaded());
    const bool matchday = g().CurrentWeek != weekBefore;
    matchdays += matchday;
    EXPECT_EQ(matchday, g().WeekDay == 4 || g().WeekDay == 0) << "weekday " << g().WeekDay;
    EXPECT_EQ(g().CurrentWeek, !matchday ? weekBefore : weekBefore == 104 ? 1 : weekBefore + 1);
  }
  EXPECT_GT(usersMatches, 0);
  EXPECT_EQ(finalScoreBoxes(), usersMatches) << "every match of the user's was played to the end";
  EXPECT_EQ(standIn->minutePresses(), usersMatches);

  const auto retirements = std::count_if(dialogs.log().begin(), dialogs.log().end(), [](const ui::DialogRecord& r) {
    return r.title == "Going to the Old Folks home";
  });
  const std::map<int, int> expected{{1, 31}, {2, 29}, {3, 31}, {4, 30},  {5, 31},  {6, 30},
                                    {7, 31}, {8, 31}, {9, 30}, {10, 31}, {11, 30}, {12, 31}};
  EXPECT_EQ(daysInMonth, expected);
  EXPECT_EQ(matchdays, 104) << "two a week, 52 weeks and two days";
  EXPECT_EQ(g().CurrentWeek, 1) << "a full turn of the rounds";
  for (const auto& [p, age] : ageBefore) EXPECT_EQ(g().PlayerAge(p), age + 1) << "player " << p;
  EXPECT_GE(retirements, 2);
  EXPECT_EQ(g().PlayerName(smallGamePlayer(1, 14)), "");
  EXPECT_EQ(g().PlayerName(smallGamePlayer(1, 15)), "");
}

// ---- Training, with scripted draws

class TrainingTest : public ShellTest {
 protected:
  void train() { hub().trainingday(); }
  // Slot `slot` of the user's club trains in `group`, whose cell for today
  // has the type and intensity given.
  void plan(int slot, int group, int type, int intensity) {
    g().TrainingGroup(slot) = static_cast<std::int16_t>(group);
    const int cell = (group - 1) * 5 + static_cast<int>(g().WeekDay);
    g().TrainingPlanType(cell) = type;
    g().TrainingPlanIntensity(cell) = intensity;
  }
  static int player(int slot) { return smallGamePlayer(1, slot); }
};

TEST_F(TrainingTest, NoGroupNoDraw) {
  rng().script({0.0});
  train();
  EXPECT_EQ(rng().scriptedLeft(), 1u);
  EXPECT_TRUE(news().empty());
  rng().clearScript();
}

// One session of slot 1 on a Tuesday: its draws, the skill it moves and the news.
TEST_F(TrainingTest, SessionsByTypeAndIntensity) {
  enum Skill { kNone, kKeeping, kDefense, kMidfield, kAttack, kAwareness, kSpeed };
  struct Case {
    int type, intensity;
    double roll, outcome;
    std::size_t drawsLeft;
    Skill skill;
    double delta;
    const char* line;
  };
  const std::string weaker = "Your assistant coach says that Harbour City player 1 looked a little weaker ";
  const std::string alone = "Your assistant coach claims Harbour City player 1 was working individually ";
  const std::string led = "Your assistant coach states that Harbour City player 1 led the team in ";
  const std::string lines[] = {
      weaker + "in defence today.", weaker + "in midfield today.", weaker + "attacking today.",
      alone + "on defense today.",  alone + "in midfield today.",  alone + "on attacking today.",
      led + "defending today.",     led + "midfield today.",       led + "attack today."};
  // Intense: a roll of Int(draw * 3) = 0 is a setback, Int(outcome * 10) + 1
  // picks it; moderate: Int(draw * 3) + 1 = 1 is a gain.
  const Case cases[] = {
      {0, 2, 0.0, 0.0, 1, kNone, 0, nullptr},  // rest draws its roll only
      {7, 2, 0.2, 0.05, 0, kKeeping, -0.04, nullptr},
      {7, 2, 0.2, 0.15, 0, kDefense, -0.04, lines[0].c_str()},
      {7, 2, 0.2, 0.25, 0, kMidfield, -0.04, lines[1].c_str()},
      {7, 2, 0.2, 0.35, 0, kAttack, -0.04, lines[2].c_str()},
      {7, 2, 0.2, 0.45, 0, kNone, 0, nullptr},
      {7, 2, 0.2, 0.99, 0, kNone, 0, nullptr},
      {1, 1, 0.1, 0.1, 0, kDefense, 0.04, lines[3].c_str()},
      {1, 1, 0.1, 0.5, 0, kMidfield, 0.04, lines[4].c_str()},
      {1, 1, 0.1, 0.9, 0, kAttack, 0.04, lines[5].c_str()},
      {2, 1, 0.1, 0.1, 0, kDefense, 0.04, lines[6].c_str()},
      {2, 1, 0.1, 0.5, 0, kMidfield, 0.04, lines[7].c_str()},
      {2, 1, 0.1, 0.9, 0, kAttack, 0.04, lines[8].c_str()},
      {3, 1, 0.0, 0.0, 1, kAwareness, 0.04,
       "Your assistant coach states that Harbour City player 1 was more tactically aware during training today."},
      {4, 1, 0.0, 0.0, 1, kSpeed, 0.04, "Harbour City player 1 increased his speed slightly in training today."},
      {6, 1, 0.0, 0.0, 1, kNone, 0, nullptr},  // conditioning
      {1, 0, 0.0, 0.0, 1, kNone, 0, nullptr},  // light: the roll is at least 2
      {7, 1, 0.0, 0.0, 1, kNone, 0, nullptr},  // goalkeeping never gains
  };
  auto skills = [](const MLSModule& m) {
    const int p = player(1);
    return std::array<double, 7>{0,
                                 m.PlayerGoalkeeping(p),
                                 m.PlayerDefense(p),
                                 m.PlayerMidfield(p),
                                 m.PlayerAttack(p),
                                 m.PlayerAwareness(p),
                                 m.PlayerSpeed(p)};
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "type " << c.type << " intensity " << c.intensity << " outcome " << c.outcome);
    replaceGame(smallGame());
    g().WeekDay = 2;
    plan(1, 1, c.type, c.intensity);
    const auto before = skills(g());
    rng().script({c.roll, c.outcome});
    train();
    EXPECT_EQ(rng().scriptedLeft(), c.drawsLeft);
    rng().clearScript();
    const auto after = skills(g());
    for (int s = kKeeping; s <= kSpeed; ++s) {
      EXPECT_NEAR(after[s], before[s] + (s == c.skill ? c.delta : 0.0), 1e-6) << "skill " << s;
    }
    if (c.line == nullptr) {
      EXPECT_TRUE(news().empty());
    } else {
      ASSERT_EQ(news().size(), 1u);
      EXPECT_EQ(news()[0], c.line);
    }
  }
}

// A setback of a rating below one step (a data file may give 0) stops at 0:
// a save holds no rating below it.
TEST_F(TrainingTest, ASetbackStopsAtZero) {
  for (double outcome : {0.05, 0.15, 0.25, 0.35}) {  // keeping, defence, midfield, attack
    replaceGame(smallGame());
    const int p = player(1);
    g().PlayerGoalkeeping(p) = 0.02F;
    g().PlayerDefense(p) = g().PlayerMidfield(p) = g().PlayerAttack(p) = 0.02;
    plan(1, 1, 7, 2);
    rng().script({0.2, outcome});
    train();
    rng().clearScript();
    const std::vector<double> after = {g().PlayerGoalkeeping(p), g().PlayerDefense(p), g().PlayerMidfield(p),
                                       g().PlayerAttack(p)};
    EXPECT_EQ(std::count(after.begin(), after.end(), 0.0), 1) << outcome;
    EXPECT_GE(*std::min_element(after.begin(), after.end()), 0.0) << outcome;
  }
}

TEST_F(TrainingTest, AnEmptySlotEndsThePass) {
  for (int slot = 1; slot <= 16; ++slot) {
    plan(slot, 1, 4, 1);
    g().PlayerTrainingFactor(player(slot)) = 1;
  }
  g().TeamSquad(3, 1) = 0;
  train();
  ASSERT_EQ(news().size(), 2u) << "slots 1 and 2 only, in order";
  EXPECT_EQ(news()[1], "Harbour City player 2 increased his speed slightly in training today.");
}

TEST_F(TrainingTest, CellOfTheDayAndGroup) {
  // Group 3 on a Friday uses cell 15; every other cell says rest.
  g().WeekDay = 5;
  g().TrainingGroup(1) = 3;
  g().TrainingPlanType(15) = 4;
  g().TrainingPlanIntensity(15) = 2;
  g().PlayerTrainingFactor(player(1)) = 10;
  rng().script({0.15});  // Int(1.5) + 0 = 1: a gain
  train();
  ASSERT_EQ(news().size(), 1u);
  EXPECT_NE(news()[0].find("speed"), std::string::npos);
}

}  // namespace
}  // namespace kervale::test
