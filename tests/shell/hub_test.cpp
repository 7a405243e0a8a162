// The hub: what its rebuild shows, the speed box, the menu bar and its handlers.
#include <gtest/gtest.h>
#ifdef __GLIBC__
#include <malloc.h>
#endif

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <utility>

#include "base/numbers.h"
#include "data/mls_module.h"
#include "match/match_engine.h"
#include "shell/main_module.h"
#include "shell/shell_game.h"
#include "support/case_names.h"
#include "ui/screen.h"

namespace kervale::test {
namespace {

using ui::MsgResult;

class HubTest : public ShellTest {
 protected:
  // A rebuild of the shown hub, as the day loop does it.
  void rebuild() { hub().Form_Load(); }
  void reopen() {
    hub().Unload();
    hub().Show();
  }
};

TEST_F(HubTest, DateAndWeekLines) {
  const std::tuple<int, int, int, int, const char*, const char*, const char*> cases[] = {
      {13, 1, 1, 1, "Monday", "January 13, 2003", "Week 0"},
      {1, -1, 104, 0, "Sunday", "January 1, 2001", "Week 52"},
      {1, -1, 35, 0, "Sunday", "January 1, 2001", "Week 17"}};
  hub().Show();
  for (const auto& [monthDay, season, week, weekDay, dayLine, dateLine, weekLine] : cases) {
    g().MonthDay = monthDay;
    g().CurrentSeason = season;
    g().CurrentWeek = week;
    g().WeekDay = weekDay;
    rebuild();
    EXPECT_EQ(hub().Label6.caption(), dayLine);
    EXPECT_EQ(hub().Label7.caption(), dateLine);
    EXPECT_EQ(hub().Label8.caption(), weekLine);
  }
}

TEST_F(HubTest, SquadReadyCheckOnTheDaysBeforeAMatchdayOnly) {
  g().PlayerInjury(smallGamePlayer(1, 11)) = 2;
  for (int day : {0, 1, 2, 4, 5, 7, 3, 6}) {
    g().WeekDay = day;
    reopen();
    EXPECT_EQ(hub().PlayGamesBUtton.enabled(), day != 3 && day != 6) << "weekday " << day;
  }
  // The check never enables the button again; a fresh load starts enabled.
  g().PlayerInjury(smallGamePlayer(1, 11)) = 0;
  rebuild();
  EXPECT_FALSE(hub().PlayGamesBUtton.enabled());
  reopen();
  EXPECT_TRUE(hub().PlayGamesBUtton.enabled());

  // A retired player leaves an empty name in his slot.
  g().PlayerName(smallGamePlayer(1, 4)).clear();
  reopen();
  EXPECT_FALSE(hub().PlayGamesBUtton.enabled());

  // An injured substitute does not matter.
  g().PlayerName(smallGamePlayer(1, 4)) = "Back again";
  g().PlayerInjury(smallGamePlayer(1, 12)) = 3;
  reopen();
  EXPECT_TRUE(hub().PlayGamesBUtton.enabled());
}

TEST_F(HubTest, AGreyContinueSaysWhoStandsInTheWay) {
  const std::string& tip = hub().PlayGamesBUtton.state().toolTipText;
  g().WeekDay = 3;
  reopen();
  EXPECT_TRUE(hub().PlayGamesBUtton.enabled());
  EXPECT_EQ(tip, "") << "nothing to say while it can go on";

  const int injured = smallGamePlayer(1, 11), banned = smallGamePlayer(1, 2);
  g().PlayerInjury(injured) = 2;
  g().PlayerInjuryText(injured) = "Torn ligament";
  g().PlayerInjury(banned) = 1;
  g().PlayerInjuryText(banned) = "Suspension";
  g().PlayerName(smallGamePlayer(1, 7)).clear();  // retired: slot 7 is empty
  g().PlayerInjury(smallGamePlayer(1, 14)) = 3;   // a substitute does not count
  reopen();
  EXPECT_FALSE(hub().PlayGamesBUtton.enabled());
  EXPECT_EQ(tip, "Continue needs eleven starters who can play; change the line-up on the Team Select screen.\r" +
                     g().PlayerName(banned) + " is suspended.\rPlace 7 of the starting eleven is empty.\r" +
                     g().PlayerName(injured) + " is injured.");
  EXPECT_EQ(tip.find(g().PlayerName(smallGamePlayer(1, 14))), std::string::npos);

  // Only the day before a matchday is checked, and a fresh hub starts clean.
  g().WeekDay = 4;
  reopen();
  EXPECT_TRUE(hub().PlayGamesBUtton.enabled());
  EXPECT_EQ(tip, "");
}

TEST_F(HubTest, LongNewsScrollsAboveTheBackdropsBottomEdge) {
  for (int i = 0; i < 4; ++i) g().ClubNewsLine(i) = "Line " + std::to_string(i);
  reopen();
  EXPECT_TRUE(hub().Label1.state().scrollBars);
  EXPECT_EQ(hub().Label1.caption(), "Club News:\rLine 0\rLine 1\rLine 2\rLine 3");
  EXPECT_EQ(hub().Label1.height(), 5 * 255) << "a line's height for the heading and each line";

  for (int i = 0; i <= 50; ++i) g().ClubNewsLine(i) = "Line " + std::to_string(i);
  for (const char* mode : {"800 X 600", "1024 X 768"}) {
    g().ScreenMode = mode;
    reopen();
    const ui::Control& news = hub().Label1;
    const ui::Control& backdrop = hub().Image3;
    EXPECT_EQ(news.top() + news.height(), backdrop.top() + backdrop.height()) << mode;
    EXPECT_NE(news.caption().find("Line 50"), std::string::npos) << "every line is there to scroll to";
  }
}

TEST_F(HubTest, TheSpeedCaptionSliderAndValueStandInOneColumn) {
  for (const char* mode : {"800 X 600", "1024 X 768"}) {
    g().ScreenMode = mode;
    reopen();
    const ui::Control* column[] = {&hub().Label3, &hub().HScroll1, &hub().Label4, &hub().PlayGamesBUtton};
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(column[i]->left(), column[i + 1]->left()) << mode;
      EXPECT_LE(column[i]->top() + column[i]->height(), column[i + 1]->top()) << mode << ": one under the other";
    }
  }
  // The buttons of the right column move with it in the wide layout.
  EXPECT_EQ(hub().Command2.left(), hub().Command1.left());
  EXPECT_EQ(hub().Command5.left(), hub().Command1.left());
}

TEST_F(HubTest, NoClubDisablesTheClubButtonsAndMenus) {
  g().MyTeam = 0;
  hub().Show();
  for (ui::Control* c : std::initializer_list<ui::Control*>{&hub().Command1, &hub().Command3, &hub().Command5,
                                                            &hub().Command6, &hub().Command8}) {
    EXPECT_FALSE(c->enabled()) << c->name();
  }
  EXPECT_TRUE(hub().Command9.enabled());
  EXPECT_FALSE(hub().Label5.visible());
  for (ui::MenuItem* m : {&hub().Club_Operations, &hub().TeamSelect_Menu, &hub().Visit_team_websiteGODAMMIT}) {
    EXPECT_FALSE(m->enabled()) << m->caption();
  }

  // Taking a club again enables them at the next load.
  g().MyTeam = 2;
  reopen();
  EXPECT_TRUE(hub().Command1.enabled());
  EXPECT_TRUE(hub().Club_Operations.enabled());
}

TEST_F(HubTest, EnglishClubGetsTheFaCup) {
  hub().Show();
  EXPECT_EQ(hub().Stats_Menu_Cup.caption(), "&US Open Cup");
  g().MyTeam = 60;
  reopen();
  EXPECT_EQ(hub().Stats_Menu_Cup.caption(), "FA Cup");
  EXPECT_EQ(g().CurrentLeague, 3);
}

TEST_F(HubTest, SpeedSliderAndSpeedBox) {
  g().CommentarySpeed = 0;
  hub().Show();
  EXPECT_EQ(g().CommentarySpeed, 1) << "0 is raised to 1";
  EXPECT_EQ(hub().HScroll1.value(), 1);
  EXPECT_EQ(hub().Label4.caption(), "Speed:  100");

  hub().HScroll1.userSetValue(50);
  EXPECT_EQ(hub().Label4.caption(), "Speed:  51");
  // The moved slider survives the day loop's rebuild and a reload.
  rebuild();
  EXPECT_EQ(hub().HScroll1.value(), 50);
  hub().Unload();
  EXPECT_EQ(g().CommentarySpeed, 50);
  hub().Show();
  EXPECT_EQ(hub().HScroll1.value(), 50);
  EXPECT_EQ(hub().Label4.caption(), "Speed:  51");

  // The box: out-of-range answers are clamped, anything else is ignored.
  const std::pair<std::optional<std::string>, int> answers[] = {
      {"0", 100}, {"250", 1}, {" 30 ", 71}, {"fast", 71}, {"", 71}, {"12x", 71}, {std::nullopt, 71}};
  for (const auto& [answer, value] : answers) {
    dialogs.input(answer);
    hub().Label4.userClick();
    EXPECT_EQ(hub().HScroll1.value(), value) << "answer " << answer.value_or("<cancel>");
  }
  EXPECT_EQ(dialogs.last().text, "Set speed?");
  EXPECT_EQ(dialogs.last().title, "Set Speed");
  EXPECT_EQ(hub().Label4.caption(), "Speed:  30");
}

TEST_F(HubTest, ExitAndTheCloseBoxAskFirst) {
  const std::function<void()> quits[] = {[] { hub().File_Exit.userClick(); }, [] { hub().userClose(); }};
  for (const auto& quit : quits) {
    hub().Show();
    dialogs.answer(MsgResult::No);
    quit();
    EXPECT_EQ(dialogs.last().text, kQuitQuestion);
    EXPECT_EQ(dialogs.last().buttons, ui::MsgButtons::YesNo);
    EXPECT_TRUE(hub().loaded());
    EXPECT_FALSE(dialogs.backend().programEnded());

    hub().HScroll1.setValue(33);
    dialogs.answer(MsgResult::Yes);
    quit();
    EXPECT_FALSE(hub().loaded());
    EXPECT_EQ(g().CommentarySpeed, 33);
    EXPECT_TRUE(dialogs.backend().programEnded());
    dialogs.backend().resetProgramEnd();
  }
  hub().Show();
  hub().Unload();  // leaving for a full-window screen asks nothing and ends nothing
  EXPECT_FALSE(dialogs.backend().programEnded());
}

TEST_F(HubTest, ShortcutsFireOnlyReachableItems) {
  hub().Show();
  dialogs.input(std::nullopt);  // the save's name prompt, cancelled
  EXPECT_TRUE(hub().userShortcut("Ctrl+S"));
  EXPECT_EQ(dialogs.count(), 1u);
  EXPECT_FALSE(hub().userShortcut("Ctrl+Q"));

  g().MyTeam = 0;
  rebuild();
  EXPECT_TRUE(hub().userShortcut("Ctrl+C"));  // its menu is disabled with no club
  EXPECT_EQ(dialogs.count(), 1u);
}

TEST_F(HubTest, CheatCodes) {
  hub().Show();
  // Club 6 is short of eleven players.
  g().TeamSquad(5, 6) = 0;
  g().TeamSquad(6, 6) = 0;
  for (int slot = 7; slot <= 10; ++slot) g().PlayerName(smallGamePlayer(6, slot)).clear();
  struct Case {
    const char* code;
    int myTeam;
    bool refused;  // "no club" box
  };
  const Case cases[] = {{"RIBBON Ribbon ribbon", 1, false},
                        {"Tom Waddle", 1, false},
                        {"4", 4, false},
                        {"0", 4, false},
                        {"tom", 4, false},
                        {"", 4, false},
                        {"-3", 4, false},
                        {"2.5", 4, true},
                        {"400", 4, true},
                        {"6", 4, true},
                        {"200", 4, true}};
  for (const Case& c : cases) {
    dialogs.input(c.code);
    if (c.refused) dialogs.answer(MsgResult::OK);
    const std::size_t boxes = dialogs.count();
    hub().Cheat_Codes.userClick();
    EXPECT_EQ(g().MyTeam, c.myTeam) << c.code;
    EXPECT_EQ(dialogs.count(), boxes + (c.refused ? 2 : 1)) << c.code;
    EXPECT_EQ(dialogs.last().text.find("no club") != std::string::npos, c.refused) << c.code;
  }
  EXPECT_EQ(g().CheatFlag, 1);
  EXPECT_EQ(g().TeamMoney(1), 10000000);
  EXPECT_EQ(dialogs.log()[0].title, "Cheater!");
}

// Play Next Match plays round 9 on Tuesday; the match screen stays up until
// its minute button or its close box brings the hub back. A round in which no
// club plays is played once too.
struct WayBack {
  const char* name;
  void (*leave)(MatchEngine&);
  bool emptyRound;
  friend void PrintTo(const WayBack& w, std::ostream* os) { *os << w.name; }
};

class PlayNextMatchTest : public HubTest, public ::testing::WithParamInterface<WayBack> {};

TEST_P(PlayNextMatchTest, BackOnTheHubWithTheRoundPlayedOnceAndTheCalendarUnchanged) {
  const WayBack& way = GetParam();
  playMatchdays();
  g().CurrentWeek = 9;
  g().WeekDay = 2;
  if (way.emptyRound) {
    for (int club = 1; club <= 8; ++club) g().FixtureOpponent(club, 9) = 0;
  }
  const int games = way.emptyRound ? 0 : 1;
  MatchEngine& match = ui::screen<MatchEngine>();
  const int passes = match.betweentally.passes;
  hub().Show();
  hub().Play_Match.userClick();
  EXPECT_EQ(finalScoreBoxes(), games);
  EXPECT_TRUE(match.shown());
  EXPECT_FALSE(hub().loaded());
  way.leave(match);

  EXPECT_TRUE(hub().shown());
  EXPECT_FALSE(match.loaded());
  EXPECT_EQ(g().CurrentWeek, 9);
  EXPECT_EQ(g().WeekDay, 2);
  EXPECT_EQ(g().TeamGamesPlayed(1), games);
  EXPECT_EQ(match.betweentally.passes, passes + 1) << "the between-matchday events once";

  // A click after the hub is back changes nothing, and the Wednesday press
  // moves on to round 10 without playing round 9 again.
  match.Minbox_Click();
  hub().PlayGamesBUtton.userClick();
  hub().PlayGamesBUtton.userClick();
  EXPECT_EQ(g().CurrentWeek, 10);
  EXPECT_EQ(g().TeamGamesPlayed(1), games);
  EXPECT_EQ(match.betweentally.passes, passes + 1);
  EXPECT_TRUE(hub().shown());
}

// The driver knows an empty round it played by its game, not by where the
// game lives: a new or loaded game in the same season and round, even one at
// the old game's address, plays that round again.
TEST_F(HubTest, AnEmptyRoundOfTheNextGameIsPlayedToo) {
#ifdef __GLIBC__
  // Games from the heap, where a freed game's place is given to the next.
  mallopt(M_MMAP_THRESHOLD, 64 << 20);
#endif
  replaceGame(std::make_unique<MLSModule>(g()));
  playMatchdays();
  g().CurrentWeek = 9;
  g().WeekDay = 2;
  for (int club = 1; club <= 8; ++club) g().FixtureOpponent(club, 9) = 0;
  MatchEngine& match = ui::screen<MatchEngine>();
  const int passes = match.betweentally.passes;
  const auto playRoundNine = [&] {
    hub().Show();
    hub().Play_Match.userClick();
    match.Minbox.userClick();
  };
  playRoundNine();
  ASSERT_EQ(match.betweentally.passes, passes + 1);

  // The same game again as a loaded one. A replacement makes the new game
  // before it frees the old one, so the second may take the first's place.
  const MLSModule* before = &g();
  auto same = std::make_unique<MLSModule>(g());
  hub().Unload();
  replaceGame(nullptr);
  replaceGame(nullptr);
  g() = *same;
  same.reset();
  playRoundNine();
  EXPECT_EQ(match.betweentally.passes, passes + 2) << (&g() == before ? "at the old game's address" : "elsewhere");

  // The same game shown again does not play its empty round twice.
  playRoundNine();
  EXPECT_EQ(match.betweentally.passes, passes + 2);
}

INSTANTIATE_TEST_SUITE_P(Ways, PlayNextMatchTest,
                         ::testing::Values(WayBack{"MinuteButton", [](MatchEngine& m) { m.Minbox.userClick(); }, false},
                                           WayBack{"CloseBox", [](MatchEngine& m) { m.userClose(); }, false},
                                           WayBack{"EmptyRound", [](MatchEngine& m) { m.Minbox.userClick(); }, true}),
                         test::PrintedCaseName());

}  // namespace
}  // namespace kervale::test
