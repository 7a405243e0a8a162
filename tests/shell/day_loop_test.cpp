// The day loop: calendar, matchday hand-off, next-fixture news, birthdays,
// ageing and retirements.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <string_view>
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
  MainModule& hub() { return ui::screen<MainModule>(); }
  MLSModule& g() { return mls(); }
  void press() { hub().PlayGamesBUtton.userClick(); }
  std::vector<std::string> news() {
    std::vector<std::string> lines;
    for (int i = 0; i < g().ClubNewsCount; ++i) lines.push_back(g().ClubNewsLine(i));
    return lines;
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
  void setDate(int day, int month, int season, int weekDay) {
    g().MonthDay = day;
    g().CurrentMonth = month;
    g().CurrentSeason = season;
    g().WeekDay = weekDay;
  }
};

TEST_F(DayLoopTest, MonthsAndYearEnd) {
  setDate(30, 4, 1, 1);
  press();
  EXPECT_EQ(g().MonthDay, 1);
  EXPECT_EQ(g().CurrentMonth, 5);

  setDate(31, 12, 1, 1);
  press();
  EXPECT_EQ(g().MonthDay, 1);
  EXPECT_EQ(g().CurrentMonth, 1);
  EXPECT_EQ(g().CurrentSeason, 1) << "the year follows the season only";
  EXPECT_EQ(hub().Label7.caption(), "January 1, 2003");
}

TEST_F(DayLoopTest, FebruaryFollowsTheSeasonsYear) {
  setDate(28, 2, 2, 1);  // 2004
  press();
  EXPECT_EQ(g().MonthDay, 29);
  press();
  EXPECT_EQ(g().MonthDay, 1);
  EXPECT_EQ(g().CurrentMonth, 3);

  setDate(28, 2, 1, 1);  // 2003
  press();
  EXPECT_EQ(g().MonthDay, 1);
  EXPECT_EQ(g().CurrentMonth, 3);

  setDate(28, 2, -1, 1);  // 2001
  press();
  EXPECT_EQ(g().CurrentMonth, 3);
}

TEST_F(DayLoopTest, WednesdayMatchdayAnnouncesTheSaturdayGame) {
  playMatchdays();
  addClubNews(g(), "Yesterday's news");
  g().WeekDay = 3;
  g().CurrentWeek = 10;
  press();
  EXPECT_EQ(g().WeekDay, 4);
  EXPECT_EQ(g().CurrentWeek, 11);
  EXPECT_TRUE(hub().loaded());
  EXPECT_EQ(hub().Label6.caption(), "Thursday");
  // Round 10 was played, the user's match (club 2 at home to club 1) watched to the end.
  EXPECT_GE(standIn->talks(), 1);
  EXPECT_EQ(finalScoreBoxes(), 1);
  EXPECT_EQ(standIn->minutePresses(), 1);
  EXPECT_EQ(g().LastResultText.rfind("Millbrook Rovers", 0), 0u) << g().LastResultText;
  // The matchday starts the news afresh; the next fixture comes after its
  // reports. Round 11: club 1 is at home to club 2, a league game.
  const std::vector<std::string> lines = news();
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "Yesterday's news"), 0);
  EXPECT_EQ(lines.back(), "Our next game is against Millbrook Rovers at home.");
}

TEST_F(DayLoopTest, CupGameWordingDependsOnTheMatchday) {
  playMatchdays();
  // Every fourth round is a competition-3 round; club 1 is away in even rounds.
  g().WeekDay = 3;
  g().CurrentWeek = 11;
  press();
  EXPECT_EQ(news().back(), "Our next game is against Millbrook Rovers on the road. It is a cup game.");

  g().WeekDay = 6;
  g().CurrentWeek = 15;
  press();
  EXPECT_EQ(news().back(), "Our next game is against Millbrook Rovers on the road.");

  g().FixtureCompetition(1, 20) = 2;
  g().WeekDay = 6;
  g().CurrentWeek = 19;
  press();
  EXPECT_EQ(news().back(), "Our next game is against Millbrook Rovers on the road. It is a cup game.");

  g().FixtureVenue(1, 24) = 0;
  g().WeekDay = 3;
  g().CurrentWeek = 23;
  press();
  EXPECT_EQ(news().back(), "Our next game is against Millbrook Rovers on neutral ground. It is a cup game.");
  EXPECT_EQ(finalScoreBoxes(), 4) << "four matchdays played";
}

TEST_F(DayLoopTest, DaysOff) {
  playMatchdays();
  g().FixtureOpponent(1, 21) = 0;
  g().FixtureOpponent(1, 22) = 0;
  g().WeekDay = 3;
  g().CurrentWeek = 20;
  press();
  EXPECT_EQ(news().back(), "We have a day off on Saturday.");
  EXPECT_EQ(finalScoreBoxes(), 1);
  const int talks = standIn->talks();

  // Saturday of round 21: the others play, the user's club rests.
  g().WeekDay = 6;
  ASSERT_EQ(g().CurrentWeek, 21);
  press();
  EXPECT_EQ(g().CurrentWeek, 22);
  EXPECT_EQ(news().back(), "We have a day off on Wednesday.");
  EXPECT_EQ(finalScoreBoxes(), 1) << "no match of the user's on a day off";
  EXPECT_EQ(standIn->talks(), talks);
  EXPECT_EQ(g().TeamGamesPlayed(3), 2) << "rounds 20 and 21";
  EXPECT_EQ(g().TeamGamesPlayed(1), 1) << "round 20 only";
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
  EXPECT_EQ(g().WeekDay, 0);
  EXPECT_EQ(g().CurrentWeek, 1) << "after round 104 comes round 1";
  EXPECT_EQ(hub().Label6.caption(), "Sunday");
  EXPECT_EQ(finalScoreBoxes(), 1);
  auto trained = [&] {
    const std::vector<std::string> lines = news();
    return std::count_if(lines.begin(), lines.end(),
                         [](const std::string& line) { return line.find("in training today") != std::string::npos; });
  };
  // The matchday's own reports, then the next fixture; no training.
  EXPECT_EQ(trained(), 0);
  EXPECT_EQ(news().back(), "Our next game is against Millbrook Rovers at home.");
  const std::size_t sunday = news().size();

  press();
  EXPECT_EQ(g().WeekDay, 1);
  EXPECT_EQ(hub().Label6.caption(), "Monday");
  EXPECT_EQ(news().size(), sunday + 16) << "sixteen players gained speed";
  EXPECT_EQ(trained(), 16);
  EXPECT_EQ(news().back(), "Harbour City player 16 increased his speed slightly in training today.");
}

TEST_F(DayLoopTest, BirthdayOfTheUsersPlayer) {
  const int p = smallGamePlayer(1, 5);
  const int other = smallGamePlayer(2, 5);
  g().PlayerAge(p) = 26;
  g().PlayerAge(other) = 30;
  g().PlayerBirthMonth(p) = 1;
  g().PlayerBirthDay(p) = 2;
  g().PlayerBirthMonth(other) = 1;
  g().PlayerBirthDay(other) = 2;
  press();  // January 2
  EXPECT_EQ(g().PlayerAge(p), 27);
  EXPECT_EQ(g().PlayerAge(other), 31);
  ASSERT_EQ(news().size(), 1u) << "only the user's players are announced";
  EXPECT_EQ(news()[0], "Harbour City player 5 celebrated his birthday. He is now 27 years old.");
}

TEST_F(DayLoopTest, RetirementOfTheUsersPlayer) {
  const int p = smallGamePlayer(1, 4);
  g().PlayerAge(p) = 34;
  g().PlayerBirthMonth(p) = 1;
  g().PlayerBirthDay(p) = 2;
  g().PlayerInjury(p) = 2;
  g().PlayerInjuryText(p) = "Knee";
  rng().script({0.05});  // Int(0.05 * (41 - 35)) = 0
  dialogs.answer(MsgResult::OK);
  press();
  const ui::DialogRecord& box = dialogs.last();
  EXPECT_EQ(box.title, "Going to the Old Folks home");
  EXPECT_EQ(box.text, "Harbour City player 4 has retired at the age of 35");
  EXPECT_EQ(box.icon, ui::MsgIcon::Information);
  EXPECT_EQ(g().PlayerName(p), "");
  EXPECT_EQ(g().PlayerTeam(p), 0);
  EXPECT_EQ(g().PlayerInjury(p), 0);
  EXPECT_EQ(g().PlayerInjuryText(p), "");
  EXPECT_EQ(g().PlayerWage(p), 0);
  EXPECT_EQ(g().PlayerContractYears(p), 0);
  EXPECT_EQ(g().PlayerDefense(p), 1);
  EXPECT_EQ(g().PlayerGoalkeeping(p), 1.0F);
  EXPECT_EQ(g().PlayerAge(p), 35);
  // He stays in his slot, so the next matchday is blocked until the line-up changes.
  EXPECT_EQ(g().TeamSquad(4, 1), p);
  g().WeekDay = 2;
  press();
  EXPECT_EQ(g().WeekDay, 3);
  EXPECT_FALSE(hub().PlayGamesBUtton.enabled());
}

TEST_F(DayLoopTest, ComputerClubsPlayersRetireSilently) {
  const int p = smallGamePlayer(3, 2);
  g().PlayerAge(p) = 40;  // 41 next: certain
  g().PlayerBirthMonth(p) = 1;
  g().PlayerBirthDay(p) = 2;
  press();
  EXPECT_EQ(g().PlayerName(p), "");
  EXPECT_EQ(dialogs.count(), 0u);
}

TEST_F(DayLoopTest, DeclineOfAnAgeingPlayer) {
  const int p = smallGamePlayer(1, 6);
  g().PlayerAge(p) = 32;
  g().PlayerBirthMonth(p) = 1;
  g().PlayerBirthDay(p) = 2;
  g().PlayerGoalkeeping(p) = 1.0F;  // exactly 0 after the decline: back to 1
  g().PlayerDefense(p) = 1.5;
  g().PlayerMidfield(p) = 0.3;  // below 0: stops at 0
  g().PlayerAttack(p) = 12;
  g().PlayerGamesSeason(p) = 20;
  g().PlayerGoalsSeason(p) = 7;
  g().PlayerAssistsSeason(p) = 3;
  g().PlayerShotsSeason(p) = 30;
  g().PlayerRatingSumSeason(p) = 140;
  rng().script({0.9});  // Int(0.9 * 8) = 7: no retirement
  press();
  EXPECT_EQ(g().PlayerAge(p), 33);
  EXPECT_EQ(g().PlayerName(p), "Harbour City player 6");
  EXPECT_EQ(g().PlayerGoalkeeping(p), 1.0F);
  EXPECT_DOUBLE_EQ(g().PlayerDefense(p), 0.5);
  EXPECT_EQ(g().PlayerMidfield(p), 0);
  EXPECT_EQ(g().PlayerAttack(p), 11);
  EXPECT_EQ(g().PlayerGamesSeason(p), 0);
  EXPECT_EQ(g().PlayerGoalsSeason(p), 0);
  EXPECT_EQ(g().PlayerAssistsSeason(p), 0);
  EXPECT_EQ(g().PlayerShotsSeason(p), 0);
  EXPECT_EQ(g().PlayerRatingSumSeason(p), 0);
}

TEST_F(DayLoopTest, LeapDayBirthdayOnlyInLeapYears) {
  const int p = smallGamePlayer(1, 7);
  g().PlayerAge(p) = 20;
  g().PlayerBirthMonth(p) = 2;
  g().PlayerBirthDay(p) = 29;
  setDate(28, 2, 1, 1);
  press();
  EXPECT_EQ(g().PlayerAge(p), 20);
  setDate(28, 2, 2, 1);
  press();
  EXPECT_EQ(g().PlayerAge(p), 21);
}

TEST_F(DayLoopTest, NewsPastTheEndOfTheListIsDropped) {
  // Sixty birthdays on one day for a club of sixty.
  for (int p = 1; p <= 60; ++p) {
    g().PlayerTeam(p) = 1;
    g().PlayerBirthMonth(p) = 1;
    g().PlayerBirthDay(p) = 2;
    g().PlayerAge(p) = 20;
  }
  press();
  EXPECT_EQ(g().ClubNewsCount, 50);
  EXPECT_EQ(g().ClubNewsLine(50), "");
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
  const int p = smallGamePlayer(1, 4);
  g().PlayerAge(p) = 40;  // retires on January 2 with a box
  g().PlayerBirthMonth(p) = 1;
  g().PlayerBirthDay(p) = 2;
  press();
  ui::setBackend(nullptr);
  EXPECT_EQ(user.boxes, 1);
  EXPECT_EQ(g().MonthDay, 2) << "one day, not two";
  EXPECT_EQ(g().WeekDay, 2);
  EXPECT_FALSE(hub().pressRunning());
  press();
  EXPECT_EQ(g().MonthDay, 3);
}

// A year of presses: the calendar, the matchdays, birthdays and retirements.
TEST_F(DayLoopTest, AYearOfPresses) {
  rng().seed(99);
  playMatchdays();
  std::map<int, double> ageBefore;
  for (int p = 1; p <= g().NumPlayers; ++p) {
    g().PlayerBirthMonth(p) = 1 + p % 12;
    g().PlayerBirthDay(p) = 1 + (p * 5) % 28;
    ageBefore[p] = g().PlayerAge(p);
  }
  // The starters stay young, so that no retirement blocks a matchday; two
  // substitutes will certainly retire on their birthdays.
  for (int slot = 1; slot <= 16; ++slot) {
    g().PlayerAge(smallGamePlayer(1, slot)) = 25;
    ageBefore[smallGamePlayer(1, slot)] = 25;
  }
  g().PlayerAge(smallGamePlayer(1, 14)) = 39;
  g().PlayerAge(smallGamePlayer(1, 15)) = 40;
  ageBefore[smallGamePlayer(1, 14)] = 39;
  ageBefore[smallGamePlayer(1, 15)] = 40;
  setDate(1, 1, 2, 1);  // 2004, a leap year

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
    EXPECT_LE(g().ClubNewsCount, 50);
    EXPECT_TRUE(hub().loaded());
    if (g().CurrentWeek != weekBefore) {
      ++matchdays;
      EXPECT_TRUE(g().WeekDay == 4 || g().WeekDay == 0) << "matchday on weekday " << g().WeekDay;
      EXPECT_EQ(g().CurrentWeek, weekBefore == 104 ? 1 : weekBefore + 1);
    } else {
      EXPECT_NE(g().WeekDay, 4);
      EXPECT_NE(g().WeekDay, 0);
    }
  }
  EXPECT_GT(usersMatches, 0);
  EXPECT_EQ(finalScoreBoxes(), usersMatches) << "every match of the user's was played to the end";
  EXPECT_EQ(standIn->minutePresses(), usersMatches);

  int retirements = 0;
  for (const ui::DialogRecord& r : dialogs.log()) {
    if (r.title == "Going to the Old Folks home") ++retirements;
  }
  EXPECT_EQ(g().MonthDay, 1);
  EXPECT_EQ(g().CurrentMonth, 1);
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

}  // namespace
}  // namespace kervale::test
