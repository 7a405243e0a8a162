// The hub: what its rebuild shows, the speed box, the menu bar and its handlers.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>

#include "base/numbers.h"
#include "data/mls_module.h"
#include "match/match_engine.h"
#include "newgame/fixture_list.h"
#include "shell/frm_about.h"
#include "shell/load_bg_picture.h"
#include "shell/main_module.h"
#include "shell/player_stats.h"
#include "shell/shell_game.h"
#include "ui/screen.h"

namespace kervale::test {
namespace {

using ui::MsgResult;

class HubTest : public ShellTest {
 protected:
  MainModule& hub() { return ui::screen<MainModule>(); }
  // A rebuild of the shown hub, as the day loop does it.
  void rebuild() { hub().Form_Load(); }
  MLSModule& g() { return mls(); }
};

TEST_F(HubTest, DateAndWeekLines) {
  g().MonthDay = 13;
  hub().Show();
  EXPECT_EQ(hub().Label6.caption(), "Monday");
  EXPECT_EQ(hub().Label7.caption(), "January 13, 2003");
  EXPECT_EQ(hub().Label8.caption(), "Week 0");

  g().MonthDay = 1;
  g().CurrentSeason = -1;
  g().CurrentWeek = 104;
  g().WeekDay = 0;
  rebuild();
  EXPECT_EQ(hub().Label7.caption(), "January 1, 2001");
  EXPECT_EQ(hub().Label8.caption(), "Week 52");
  EXPECT_EQ(hub().Label6.caption(), "Sunday");

  g().CurrentWeek = 35;
  rebuild();
  EXPECT_EQ(hub().Label8.caption(), "Week 17");
}

TEST_F(HubTest, ClubNameColoursAndBadge) {
  hub().Show();
  EXPECT_EQ(hub().TeamNameLabel.caption(), "Harbour City");
  EXPECT_EQ(hub().TeamNameLabel.foreColor(), 0xFFFFu);
  EXPECT_EQ(hub().Label5.backColor(), 0xFF0000u);
  EXPECT_EQ(hub().Label2.caption(), "Ada Quill");
  EXPECT_FALSE(hub().Image1.visible()) << "no badge file";

  g().TeamColour2(1) = g().TeamColour1(1);
  g().TeamLogo(1) = "harbour.png";
  hub().Unload();
  hub().Show();
  EXPECT_EQ(hub().TeamNameLabel.foreColor(), ui::kWhite);
  EXPECT_TRUE(hub().Image1.visible());
  EXPECT_EQ(hub().Image1.picture(), "harbour.png");
}

TEST_F(HubTest, NewsLabelGrowsALineForEveryNonEmptyLine) {
  hub().Show();
  EXPECT_EQ(hub().Label1.caption(), "Club News:");
  EXPECT_EQ(hub().Label1.height(), 255);

  for (int i = 0; i <= 50; ++i) g().ClubNewsLine(i) = "line " + std::to_string(i);
  rebuild();
  const std::string& news = hub().Label1.caption();
  EXPECT_EQ(std::count(news.begin(), news.end(), '\r'), 51);
  EXPECT_EQ(hub().Label1.height(), 255 * 52);
  EXPECT_NE(news.find("\rline 50"), std::string::npos);

  // Empty lines in between are skipped.
  g().ClubNewsLine(3).clear();
  rebuild();
  EXPECT_EQ(hub().Label1.height(), 255 * 51);
}

TEST_F(HubTest, SquadReadyCheckOnTheDaysBeforeAMatchdayOnly) {
  g().PlayerInjury(smallGamePlayer(1, 11)) = 2;
  for (int day : {0, 1, 2, 4, 5, 7}) {
    g().WeekDay = day;
    hub().Unload();
    hub().Show();
    EXPECT_TRUE(hub().PlayGamesBUtton.enabled()) << "weekday " << day;
  }
  for (int day : {3, 6}) {
    g().WeekDay = day;
    hub().Unload();
    hub().Show();
    EXPECT_FALSE(hub().PlayGamesBUtton.enabled()) << "weekday " << day;
  }

  // The check never enables the button again; a fresh load starts enabled.
  g().PlayerInjury(smallGamePlayer(1, 11)) = 0;
  rebuild();
  EXPECT_FALSE(hub().PlayGamesBUtton.enabled());
  hub().Unload();
  hub().Show();
  EXPECT_TRUE(hub().PlayGamesBUtton.enabled());

  // A retired player leaves an empty name in his slot.
  g().PlayerName(smallGamePlayer(1, 4)).clear();
  hub().Unload();
  hub().Show();
  EXPECT_FALSE(hub().PlayGamesBUtton.enabled());

  // An injured substitute does not matter.
  g().PlayerName(smallGamePlayer(1, 4)) = "Back again";
  g().PlayerInjury(smallGamePlayer(1, 12)) = 3;
  hub().Unload();
  hub().Show();
  EXPECT_TRUE(hub().PlayGamesBUtton.enabled());
}

TEST_F(HubTest, LargeLayoutMovesTheRightColumn) {
  hub().Show();
  const int designLeft = hub().PlayGamesBUtton.left();
  EXPECT_LT(designLeft, 13000);
  hub().Unload();

  g().ScreenMode = "1024 X 768";
  hub().Show();
  EXPECT_EQ(hub().Image3.width(), 16000);
  EXPECT_EQ(hub().Image3.height(), 10600);
  EXPECT_EQ(hub().Label5.width(), 16015);
  EXPECT_EQ(hub().Label1.width(), 12775);
  EXPECT_EQ(hub().Label2.width(), 12775);
  for (ui::Control* c : std::initializer_list<ui::Control*>{&hub().PlayGamesBUtton, &hub().Command9, &hub().Label7,
                                                            &hub().HScroll1, &hub().Image4}) {
    EXPECT_EQ(c->left(), 13000) << c->name();
  }
  EXPECT_EQ(hub().Label4.left(), 14095);
  EXPECT_NE(hub().Command2.left(), 13000) << "Command2 keeps its place";
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
  EXPECT_FALSE(hub().Image1.visible());
  EXPECT_FALSE(hub().Club_Operations.enabled());
  EXPECT_FALSE(hub().TeamSelect_Menu.enabled());
  EXPECT_FALSE(hub().Visit_team_websiteGODAMMIT.enabled());

  // Taking a club again enables them at the next load.
  g().MyTeam = 2;
  hub().Unload();
  hub().Show();
  EXPECT_TRUE(hub().Command1.enabled());
  EXPECT_TRUE(hub().Club_Operations.enabled());
}

TEST_F(HubTest, EnglishClubGetsTheFaCup) {
  hub().Show();
  EXPECT_EQ(hub().Stats_Menu_Cup.caption(), "&US Open Cup");
  hub().Unload();
  g().MyTeam = 60;
  hub().Show();
  EXPECT_EQ(hub().Stats_Menu_Cup.caption(), "FA Cup");
  EXPECT_EQ(g().CurrentLeague, 3);
}

TEST_F(HubTest, MenuDesignStates) {
  hub().Show();
  EXPECT_TRUE(hub().Load_Game.visible());
  EXPECT_TRUE(hub().Save_Game.visible());
  EXPECT_TRUE(hub().File_Exit.visible());
  EXPECT_FALSE(hub().PlayerStats_Show.enabled());
  EXPECT_FALSE(hub().Shots_menu.visible());
  EXPECT_FALSE(hub().Stadium_Vieu.visible());
  EXPECT_FALSE(hub().Transactions_Menu.visible());
  EXPECT_FALSE(hub().Commish_Mode.visible());
  EXPECT_FALSE(hub().Languageczech.visible());
  EXPECT_FALSE(hub().Languageczech.enabled());
  EXPECT_TRUE(hub().Americano.checked());
  EXPECT_TRUE(hub().Minor_Leagues.enabled());
  EXPECT_FALSE(hub().Rrelease.enabled());
  EXPECT_EQ(hub().Command2.caption(), "Team Tactics");
}

TEST_F(HubTest, SpeedSliderAndLabel) {
  g().CommentarySpeed = 0;
  hub().Show();
  EXPECT_EQ(g().CommentarySpeed, 1) << "0 is raised to 1";
  EXPECT_EQ(hub().HScroll1.value(), 1);
  EXPECT_EQ(hub().Label4.caption(), "Speed:  100");

  hub().HScroll1.userSetValue(50);
  EXPECT_EQ(hub().Label4.caption(), "Speed:  51");
  // The moved slider survives the day loop's rebuild.
  rebuild();
  EXPECT_EQ(hub().HScroll1.value(), 50);
  hub().Unload();
  EXPECT_EQ(g().CommentarySpeed, 50);
  hub().Show();
  EXPECT_EQ(hub().HScroll1.value(), 50);
  EXPECT_EQ(hub().Label4.caption(), "Speed:  51");
}

TEST_F(HubTest, SpeedBox) {
  hub().Show();
  hub().HScroll1.setValue(41);

  dialogs.input("0");
  hub().Label4.userClick();
  const ui::DialogRecord& box = dialogs.last();
  EXPECT_EQ(box.text, "Set speed?");
  EXPECT_EQ(box.title, "Set Speed");
  EXPECT_EQ(hub().HScroll1.value(), 100);
  EXPECT_EQ(hub().Label4.caption(), "Speed:  1");

  dialogs.input("250");
  hub().Label4.userClick();
  EXPECT_EQ(hub().HScroll1.value(), 1);

  dialogs.input(" 30 ");
  hub().Label4.userClick();
  EXPECT_EQ(hub().HScroll1.value(), 71);
  EXPECT_EQ(hub().Label4.caption(), "Speed:  30");

  for (auto answer : {std::optional<std::string>("fast"), std::optional<std::string>(""),
                      std::optional<std::string>("12x"), std::optional<std::string>()}) {
    dialogs.input(answer);
    hub().Label4.userClick();
    EXPECT_EQ(hub().HScroll1.value(), 71) << "answer " << answer.value_or("<cancel>");
  }
}

TEST_F(HubTest, ExitAsksFirst) {
  hub().Show();
  dialogs.answer(MsgResult::No);
  hub().File_Exit.userClick();
  EXPECT_EQ(dialogs.last().text, "Are you sure you want to quit?");
  EXPECT_EQ(dialogs.last().title, "KERV");
  EXPECT_EQ(dialogs.last().buttons, ui::MsgButtons::YesNo);
  EXPECT_TRUE(hub().loaded());
  EXPECT_FALSE(dialogs.backend().programEnded());

  hub().HScroll1.setValue(33);
  dialogs.answer(MsgResult::Yes);
  hub().File_Exit.userClick();
  EXPECT_FALSE(hub().loaded());
  EXPECT_EQ(g().CommentarySpeed, 33);
  EXPECT_TRUE(dialogs.backend().programEnded());
  dialogs.backend().resetProgramEnd();
}

TEST_F(HubTest, CheatCodes) {
  hub().Show();
  dialogs.input("RIBBON Ribbon ribbon");
  hub().Cheat_Codes.userClick();
  EXPECT_EQ(dialogs.last().text, "Please Insert Cheat Code.");
  EXPECT_EQ(dialogs.last().title, "Cheater!");
  EXPECT_EQ(g().CheatFlag, 1);

  dialogs.input("Tom Waddle");
  hub().Cheat_Codes.userClick();
  EXPECT_EQ(g().TeamMoney(1), 10000000);
  EXPECT_EQ(g().MyTeam, 1);

  dialogs.input("4");
  hub().Cheat_Codes.userClick();
  EXPECT_EQ(g().MyTeam, 4);

  for (const char* answer : {"0", "tom", "", "-3"}) {
    dialogs.input(answer);
    hub().Cheat_Codes.userClick();
    EXPECT_EQ(g().MyTeam, 4) << answer;
  }
  EXPECT_EQ(dialogs.count(), 7u) << "nothing to refuse";

  // Not a whole number, past the last club, or a club without eleven players.
  g().TeamSquad(5, 6) = 0;
  g().TeamSquad(6, 6) = 0;
  g().PlayerName(smallGamePlayer(6, 7)).clear();
  g().PlayerName(smallGamePlayer(6, 8)).clear();
  g().PlayerName(smallGamePlayer(6, 9)).clear();
  g().PlayerName(smallGamePlayer(6, 10)).clear();
  for (const char* answer : {"2.5", "400", "6", "200"}) {
    dialogs.input(answer).answer(MsgResult::OK);
    hub().Cheat_Codes.userClick();
    EXPECT_EQ(g().MyTeam, 4) << answer;
    EXPECT_NE(dialogs.last().text.find("no club"), std::string::npos) << answer;
  }
  EXPECT_EQ(dialogs.count(), 15u);
}

TEST_F(HubTest, LanguageSwitchSetsCaptions) {
  hub().Show();
  hub().Spanish_Click();
  EXPECT_EQ(g().MenuLanguage, 2);
  EXPECT_TRUE(hub().Spanish.checked());
  EXPECT_FALSE(hub().Americano.checked());
  EXPECT_EQ(hub().Play_Match.caption(), "&Juege el Partido");
  EXPECT_EQ(hub().ViewthePaper.caption(),
            "El &Peri\xC3\xB3"
            "dico");
  hub().English_Language_Is_The_Language_krustykrab_Click();
  EXPECT_EQ(hub().Java_Tabulas.caption(), "&Tables...");
  hub().Americano_Click();
  EXPECT_EQ(hub().Java_Tabulas.caption(), "&Standings...");
  // A rebuilt hub shows its design captions again.
  hub().Unload();
  hub().Show();
  EXPECT_EQ(hub().Java_Tabulas.caption(), "&Tables");
}

TEST_F(HubTest, SmallScreensOfTheMenus) {
  hub().Show();
  hub().About.userClick();
  frmAbout& about = ui::screen<frmAbout>();
  ASSERT_TRUE(about.loaded());
  EXPECT_EQ(about.caption(), "About");
  EXPECT_EQ(about.lblVersion.caption(), "Kervale 2003");
  EXPECT_FALSE(about.lblDescription.caption().empty());
  const std::string& text = about.Label2.caption();
  EXPECT_EQ(text.substr(text.rfind('\r') + 1), "Version 0.3.0 beta released January 10 2003");
  about.cmdOK.userClick();
  EXPECT_FALSE(about.loaded());

  // The item is disabled at design; its handler still opens the screen.
  hub().PlayerStats_Show.userClick();
  EXPECT_FALSE(ui::screen<PlayerStats>().loaded());
  hub().PlayerStats_Show_Click();
  ASSERT_TRUE(ui::screen<PlayerStats>().loaded());
  ui::screen<PlayerStats>().Command1.userClick();
  EXPECT_FALSE(ui::screen<PlayerStats>().loaded());

  dialogs.answer(MsgResult::OK);
  hub().Commish_Mode_Click();
  EXPECT_EQ(dialogs.last().text, "Commissioner mode has been phased out.");
}

TEST_F(HubTest, PlayNextMatchLeavesTheCalendarAlone) {
  playMatchdays();
  g().CurrentWeek = 9;
  g().WeekDay = 2;
  hub().Show();
  hub().Play_Match.userClick();
  EXPECT_FALSE(hub().loaded());
  EXPECT_EQ(g().CurrentWeek, 9);
  EXPECT_EQ(g().WeekDay, 2);
  // Round 9 was played and the match screen stays up.
  EXPECT_EQ(finalScoreBoxes(), 1);
  EXPECT_EQ(g().TeamGamesPlayed(1), 1);
  MatchEngine& match = ui::screen<MatchEngine>();
  EXPECT_TRUE(match.loaded());
  if (match.loaded()) match.Unload();
}

TEST_F(HubTest, FixturesItemOpensTheFixtureList) {
  hub().Show();
  hub().Stats_Menu_Fixtures.userClick();
  FixtureList& fixtures = ui::screen<FixtureList>();
  EXPECT_TRUE(fixtures.loaded());
  fixtures.Unload();
  EXPECT_TRUE(hub().loaded());
}

TEST_F(HubTest, ChangePictureNeverOpensTheLoader) {
  hub().Show();
  g().PickerMode = 1;  // a picker in load mode was left by clicking elsewhere
  hub().PicChange.userClick();
  LoadBgPicture& picker = ui::screen<LoadBgPicture>();
  ASSERT_TRUE(picker.loaded());
  EXPECT_TRUE(picker.Check1.visible());
  EXPECT_EQ(picker.File1.pattern(), "*.BMP");

  picker.Unload();
  hub().Load_Game.userClick();
  EXPECT_EQ(g().PickerMode, 1);
  EXPECT_FALSE(picker.Check1.visible());
  EXPECT_EQ(picker.File1.pattern(), "*.usa");
}

}  // namespace
}  // namespace kervale::test
