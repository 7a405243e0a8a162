// The saved game: its layout, the trailer, the checks of the reader, and the
// Save item and the picker around them.
#include "shell/saved_game.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "base/csv.h"
#include "base/file_error.h"
#include "base/random.h"
#include "data/mls_module.h"
#include "data/small_world.h"
#include "newgame/pick_team.h"
#include "shell/load_bg_picture.h"
#include "shell/main_module.h"
#include "shell/shell_game.h"
#include "support/temp_dir.h"
#include "ui/screen.h"

namespace kervale::test {
namespace {

namespace fs = std::filesystem;
using ui::MsgResult;

// A game with something in most tables, odd values included.
std::unique_ptr<MLSModule> busyGame() {
  auto game = smallGame();
  MLSModule& g = *game;
  g.CurrentWeek = 37;
  g.WeekDay = 3;
  g.MonthDay = 17;
  g.CurrentMonth = 7;
  g.CurrentSeason = 2;
  g.CommentarySpeed = 42;
  g.ShowAllMatches = true;
  g.SaveFieldB = Variant("odd, \"quoted\" text");
  g.PlayoffEastHomeScore = Variant(3);
  g.PlayoffWestAwayScore = Variant("");
  g.ALeagueSeason = 4;
  for (int i = 0; i <= kLastClub; ++i) {
    g.TeamMoney(i) = 1000.5 * i - 20000;
    g.TeamMostGoalsText(i) = "7 - 2 vs Club " + std::to_string(i) + ", Week 3, 2003";
    g.TeamBiggestLossText(i) = i % 3 == 0 ? "" : "0 - 5 at Somewhere";
    g.TeamForm(i) = "WDLW";
    g.TeamSaveItem7(i) = i % 2 == 0 ? Variant(i) : Variant();
    g.TeamSaveItem21(i, 3) = Variant(0.25 * i);
    g.TeamSaveItem21(i, 1) = Variant("kept in the trailer");
    if (i <= 237) g.ScoutingFunding(i) = 20 + i;
    g.TicketPrice(i) = static_cast<std::int16_t>(15 + i % 20);
    g.SponsorFee(i) = 1000 * i;
    g.TeamFanDemand(i) = 0.1 + i / 1000.0;
    g.TeamReputation(i) = i % 50;
  }
  g.TeamName(200) = "Caf\xC3\xA9 Valley";
  for (int k = 0; k <= 100; ++k) g.CupWinnerHistory(k) = static_cast<std::int16_t>(k % 9);
  for (int k = 1; k <= 52; ++k) {
    g.USCupRound1Team(k) = k;
    g.USCupRound1Result(k) = k % 4 == 0 ? Variant() : Variant(k % 3);
  }
  for (int p = 1; p <= g.NumPlayers; ++p) {
    g.PlayerGoalkeeping(p) += 0.04F * static_cast<float>(p % 5);
    g.PlayerInjury(p) = p % 13 == 0 ? 2 : 0;
    g.PlayerInjuryText(p) = p % 13 == 0 ? "Hamstring" : "";
    g.PlayerInterest(p, 3) = static_cast<std::int16_t>(p % 8);
  }
  for (int i = 0; i <= 50; i += 7) g.ClubNewsLine(i) = "news " + std::to_string(i);
  g.ClubNewsCount = 50;
  g.TrainingGroup(4) = 2;
  g.TrainingPlanType(7) = 5;
  g.FixtureScore(3, 20) = 4;
  g.MLSChampionHistory(0) = 10;
  g.TeamOfWeekSlot(1) = 1;
  return game;
}

class SavedGameTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    replaceGame(busyGame());
  }
  MLSModule& g() { return mls(); }
};

TEST(ClubTextScrambling, ShiftsEveryByte) {
  EXPECT_EQ(encodeClubText("AB"), "MN");
  EXPECT_EQ(encodeClubText("a b"), std::string("m\x01n"));
  EXPECT_EQ(encodeClubText("\xF4"), std::string("\0\x0B", 2)) << "244: code 0, then 255 - 244";
  EXPECT_EQ(encodeClubText("\xFF"), std::string("\0\0", 2));
  EXPECT_EQ(encodeClubText("\xF3"), "\xFF");
  EXPECT_EQ(encodeClubText(""), "");
}

TEST(SavedGameName, MadeSafe) {
  EXPECT_EQ(savedGameFileName("Harbour City", "week 3"), "Harbour City week 3.usa");
  EXPECT_EQ(savedGameFileName("Harbour City", "../up/and\\away"), "Harbour City .._up_and_away.usa");
  EXPECT_EQ(savedGameFileName("A/B", "x\ty"), "A_B x_y.usa");
  EXPECT_EQ(savedGameFileName("Harbour City", ""), "");
  EXPECT_EQ(savedGameFileName("Harbour City", "   "), "");
}

TEST_F(SavedGameTest, LayoutInItsLongStandingOrder) {
  const std::string text = savedGameText(g());
  CsvReader in("x.usa", text);
  EXPECT_EQ(in.nextNumber(), 37) << "CurrentWeek";
  // Club 1, record A.
  EXPECT_EQ(in.nextNumber(), 0);  // MlsAllocations
  EXPECT_EQ(in.nextNumber(), 0);  // StadiumExpansionPlan
  EXPECT_EQ(in.nextNumber(), 0);  // TeamBiggestWinMargin
  EXPECT_EQ(in.nextText(), "&HFF0000");
  EXPECT_EQ(in.nextText(), "&HFFFF");

  // The lines of the file: 1, then per club A, B, S (clubs 1..237), C, D and
  // ten lines of E.
  std::vector<std::string> lines;
  for (std::size_t at = 0, end; (end = text.find("\r\n", at)) != std::string::npos; at = end + 2) {
    lines.push_back(text.substr(at, end - at));
  }
  const std::size_t perScouted = 15, perOther = 14;
  const std::size_t club238 = 1 + 237 * perScouted;
  // Club 237 has its S line, club 238 none: its C line follows B directly.
  EXPECT_EQ(lines[club238 - perScouted + 2], "257") << "S of club 237";
  EXPECT_EQ(lines[club238 + 2].substr(0, 1), "\"") << "C of club 238 starts with its encoded name";
  const std::size_t histories = 1 + 237 * perScouted + 48 * perOther;
  EXPECT_EQ(lines[histories].substr(lines[histories].size() - 2), ",1") << "CupWinnerHistory(1)";
  std::string twenty = "\"\"";
  for (int k = 1; k < 20; ++k) twenty += ",\"\"";
  EXPECT_EQ(lines[histories + 100], twenty) << "twenty empty texts per club";
  EXPECT_EQ(lines[histories + 100 + 285], "1,0") << "the team of the week after them";
}

TEST_F(SavedGameTest, SaveLoadSaveGivesTheSameFile) {
  const std::string first = savedGameText(g());
  auto loaded = parseSavedGame("Harbour City x.usa", first, *makeEmptyGame());
  EXPECT_EQ(savedGameText(*loaded), first);
  EXPECT_EQ(loaded->TeamMostGoalsText(77), g().TeamMostGoalsText(77));
  EXPECT_EQ(loaded->TeamBiggestLossText(4), "0 - 5 at Somewhere");
  EXPECT_EQ(loaded->SaveFieldB.text(), "odd, 'quoted' text");
  EXPECT_TRUE(loaded->PlayoffWestAwayScore.isText());
  EXPECT_TRUE(loaded->TeamSaveItem7(3).isEmpty());
  EXPECT_EQ(loaded->TeamSaveItem7(4), Variant(4));
  EXPECT_EQ(loaded->PlayerGoalkeeping(9), g().PlayerGoalkeeping(9));
  EXPECT_EQ(loaded->TeamName(200), "Caf\xC3\xA9 Valley");
  EXPECT_EQ(loaded->CommentarySpeed, 42);
  EXPECT_EQ(loaded->MonthDay, 17);
  EXPECT_EQ(loaded->FixtureOpponent(1, 30), g().FixtureOpponent(1, 30));
  EXPECT_EQ(loaded->TeamSquad(5, 3), g().TeamSquad(5, 3));
  EXPECT_EQ(loaded->MLSChampionHistory(0), 10);
  EXPECT_EQ(loaded->NumPlayers, g().NumPlayers);
}

TEST_F(SavedGameTest, PlayerRecordsPastTheLastPlayerAreEmptied) {
  auto bigger = busyGame();
  bigger->NumPlayers = 200;
  bigger->PlayerName(150) = "Nobody";
  auto loaded = parseSavedGame("x.usa", savedGameText(g()), *bigger);
  EXPECT_EQ(loaded->NumPlayers, g().NumPlayers);
  EXPECT_EQ(loaded->PlayerName(150), "");
}

TEST_F(SavedGameTest, FileWithoutTrailerLoadsTheLayoutOnly) {
  std::string text = savedGameText(g());
  text.resize(text.find("\"Kervale trailer\""));
  auto base = smallGame();
  base->TeamName(3) = "Name in memory";
  base->MonthDay = 5;
  auto loaded = parseSavedGame("old.usa", text, *base);
  EXPECT_EQ(loaded->CurrentWeek, 37);
  EXPECT_EQ(loaded->CurrentSeason, 2);
  EXPECT_EQ(loaded->TeamMoney(8), g().TeamMoney(8));
  EXPECT_EQ(loaded->TeamMostGoalsText(250), g().TeamMostGoalsText(250));
  EXPECT_EQ(loaded->ScoutingFunding(237), 257);
  EXPECT_EQ(loaded->TicketPrice(285), g().TicketPrice(285));
  // Names are not restored, and what the layout leaves out keeps the base's values.
  EXPECT_EQ(loaded->TeamName(3), "Name in memory");
  EXPECT_EQ(loaded->MonthDay, 5);
  EXPECT_EQ(loaded->CommentarySpeed, 0);
  EXPECT_EQ(loaded->TeamSaveItem21(1, 1), Variant());
  EXPECT_EQ(loaded->TeamSaveItem21(1, 3), Variant(0.25));
}

// Parses text over a copy of the running game; the running game must not change.
std::string failureOf(const std::string& text) {
  const std::string before = savedGameText(mls());
  try {
    parseSavedGame("Harbour City bad.usa", text, mls());
  } catch (const FileError& error) {
    EXPECT_EQ(error.fileName(), "Harbour City bad.usa");
    EXPECT_EQ(savedGameText(mls()), before);
    return error.problem();
  }
  ADD_FAILURE() << "the file was accepted";
  return "";
}

TEST_F(SavedGameTest, FaultyFilesAreRefusedWhole) {
  const std::string good = savedGameText(g());

  EXPECT_NE(failureOf(good.substr(0, good.size() / 3)).find("file ends"), std::string::npos);
  EXPECT_NE(failureOf(good.substr(0, good.size() - 40)).find("trailer"), std::string::npos) << "a trailer cut short";
  EXPECT_NE(failureOf("").find("file ends"), std::string::npos);

  auto withMyTeam = [&](const std::string& value) {
    auto bad = busyGame();
    std::string text = savedGameText(*bad);
    // Item 14 starts with MyTeam, right after the last USCupRound3 pair.
    const std::string layoutEnd = text.substr(0, text.find("\"Kervale trailer\""));
    const std::size_t item14 = layoutEnd.rfind("\r\n", layoutEnd.size() - 3);
    const std::size_t item14Start = layoutEnd.rfind("\r\n", item14 - 1) + 2;
    text.replace(item14Start, 1, value);
    return text;
  };
  EXPECT_NE(failureOf(withMyTeam("400")).find("MyTeam is 400"), std::string::npos);
  EXPECT_NE(failureOf(withMyTeam("1.5")).find("MyTeam"), std::string::npos);
  EXPECT_NE(failureOf(withMyTeam("\"x\"")).find("not a number"), std::string::npos);

  {
    auto bad = busyGame();
    bad->WestOrder(3) = 400;
    EXPECT_NE(failureOf(savedGameText(*bad)).find("WestOrder is 400"), std::string::npos);
  }
  {
    auto bad = busyGame();
    bad->CurrentSeason = 101;
    EXPECT_NE(failureOf(savedGameText(*bad)).find("CurrentSeason"), std::string::npos);
  }
  {
    auto bad = busyGame();
    bad->TeamPosition(4, 9) = 13;  // twelve positions
    EXPECT_NE(failureOf(savedGameText(*bad)).find("TeamPosition"), std::string::npos);
  }
  {
    auto bad = busyGame();
    bad->TeamTactic(9) = 7;  // six tactics
    EXPECT_NE(failureOf(savedGameText(*bad)).find("TeamTactic"), std::string::npos);
  }
  {
    auto bad = busyGame();
    bad->TeamFlow(9) = 5;  // four flows
    EXPECT_NE(failureOf(savedGameText(*bad)).find("TeamFlow"), std::string::npos);
  }
  {
    auto bad = busyGame();
    bad->TeamSquad(3, 2) = 500;  // past the last player
    EXPECT_NE(failureOf(savedGameText(*bad)).find("TeamSquad"), std::string::npos);
  }
  {
    std::string text = good;
    const std::size_t at = text.find("\"NumPlayers\",1,128");
    ASSERT_NE(at, std::string::npos);
    text.replace(at, 18, "\"NumPlayers\",1,12000");
    EXPECT_NE(failureOf(text).find("12000"), std::string::npos);
  }
  {
    std::string text = good;
    const std::size_t at = text.find("\"WeekDay\"");
    text.replace(at, 9, "\"Weekday\"");
    EXPECT_NE(failureOf(text).find("WeekDay is missing"), std::string::npos);
  }
  {
    std::string text = good;
    text.replace(text.find("\"TicketPrice\",1,"), 16, "\"TicketPrice\",2,");
    EXPECT_NE(failureOf(text).find("TicketPrice"), std::string::npos);
  }
}

TEST_F(SavedGameTest, SurplusThatIsNotATrailerIsIgnored) {
  std::string text = savedGameText(g());
  text.resize(text.find("\"Kervale trailer\""));
  text += "1,2,3\r\n";
  EXPECT_NO_THROW(parseSavedGame("x.usa", text, g()));
}

// ---- The Save item

class SaveItemTest : public SavedGameTest {
 protected:
  void SetUp() override {
    SavedGameTest::SetUp();
    ui::screen<MainModule>().Show();
  }
  TempDir folder;
  ScopedCurrentDir inFolder{folder.path()};
};

TEST_F(SaveItemTest, WritesTheFileInTheGameFolder) {
  dialogs.input("week 37");
  ui::screen<MainModule>().Save_Game.userClick();
  EXPECT_EQ(dialogs.last().text, "What do you want to save the game as?");
  EXPECT_EQ(dialogs.last().title, "Kervo");
  EXPECT_EQ(dialogs.count(), 1u) << "no message after a save";
  const fs::path file = folder.path() / "Harbour City week 37.usa";
  ASSERT_TRUE(fs::exists(file));
  EXPECT_EQ(readWholeFile(file), savedGameText(g()));
  // Nothing else is left in the folder.
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

TEST_F(SaveItemTest, CancelAndEmptyNamesSaveNothing) {
  dialogs.input(std::nullopt);
  ui::screen<MainModule>().Save_Game.userClick();
  dialogs.input("  ").answer(MsgResult::OK);
  ui::screen<MainModule>().Save_Game.userClick();
  EXPECT_NE(dialogs.last().text.find("needs a name"), std::string::npos);
  EXPECT_TRUE(fs::is_empty(folder.path()));
}

TEST_F(SaveItemTest, ASlashInTheNameStaysInTheFolder) {
  dialogs.input("../../escape/me");
  ui::screen<MainModule>().Save_Game.userClick();
  EXPECT_TRUE(fs::exists(folder.path() / "Harbour City .._.._escape_me.usa"));
}

TEST_F(SaveItemTest, AFailedSaveIsReportedAndKeepsTheOldFile) {
  dialogs.input("keep");
  ui::screen<MainModule>().Save_Game.userClick();
  const fs::path file = folder.path() / "Harbour City keep.usa";
  const std::string old = readWholeFile(file);

  // A folder stands where the temporary file of the next save would go.
  fs::create_directory(file.string() + ".tmp-" + std::to_string(::getpid()));
  g().TeamMoney(1) = 1;
  dialogs.input("keep").answer(MsgResult::OK);
  ui::screen<MainModule>().Save_Game.userClick();
  EXPECT_NE(dialogs.last().text.find("could not be saved as \"Harbour City keep.usa\""), std::string::npos);
  EXPECT_EQ(dialogs.last().icon, ui::MsgIcon::Critical);
  EXPECT_EQ(readWholeFile(file), old);
}

// ---- The picker in load mode, and a loaded game playing on

class LoadTest : public SaveItemTest {
 protected:
  LoadBgPicture& picker() { return ui::screen<LoadBgPicture>(); }
  void chooseFile(const std::string& name) {
    for (int i = 0; i < picker().File1.listCount(); ++i) {
      if (picker().File1.list(i) == name) {
        picker().File1.userSelectItem(i);
        return;
      }
    }
    ADD_FAILURE() << name << " is not listed";
  }
  void openLoader() {
    ui::screen<MainModule>().Load_Game.userClick();
    ASSERT_TRUE(picker().loaded());
  }
};

TEST_F(LoadTest, OnlySavedGamesAreListed) {
  folder.write("a.usa", "1");
  folder.write("b.BMP", "");
  folder.write("c.txt", "");
  openLoader();
  EXPECT_FALSE(picker().Command4.visible());
  EXPECT_FALSE(picker().Command5.visible());
  EXPECT_FALSE(picker().Command6.visible());
  EXPECT_FALSE(picker().Check1.visible());
  ASSERT_EQ(picker().File1.listCount(), 1);
  EXPECT_EQ(picker().File1.list(0), "a.usa");
  // Load with nothing chosen does nothing.
  picker().LoadBut.userClick();
  EXPECT_TRUE(picker().loaded());
  EXPECT_EQ(dialogs.count(), 0u);
}

TEST_F(LoadTest, LoadReplacesTheGameAndRebuildsTheHub) {
  writeSavedGame(folder.path() / "Harbour City saved.usa", g());
  const std::string saved = savedGameText(g());
  replaceGame(smallGame());
  ui::screen<MainModule>().Unload();
  ui::screen<MainModule>().Show();
  openLoader();
  chooseFile("Harbour City saved.usa");
  dialogs.answer(MsgResult::OK);
  picker().LoadBut.userClick();
  EXPECT_EQ(dialogs.last().text, "Game loaded successfully");
  EXPECT_EQ(dialogs.last().title, "KERV");
  EXPECT_FALSE(picker().loaded());
  EXPECT_EQ(g().PickerMode, 0);
  EXPECT_EQ(savedGameText(g()), saved);
  MainModule& hub = ui::screen<MainModule>();
  ASSERT_TRUE(hub.loaded());
  EXPECT_EQ(hub.Label7.caption(), "July 17, 2004");
  EXPECT_EQ(hub.HScroll1.value(), 42);
  EXPECT_EQ(fs::current_path(), folder.path());
}

TEST_F(LoadTest, AFailedLoadNamesTheFileAndChangesNothing) {
  folder.write("Harbour City broken.usa", "37\r\n0,0,0,\"&H0\"");
  const std::string before = savedGameText(g());
  openLoader();
  chooseFile("Harbour City broken.usa");
  dialogs.answer(MsgResult::OK);
  picker().LoadBut.userClick();
  EXPECT_NE(dialogs.last().text.find("\"Harbour City broken.usa\" could not be loaded"), std::string::npos);
  EXPECT_EQ(dialogs.last().icon, ui::MsgIcon::Critical);
  EXPECT_TRUE(picker().loaded()) << "back to the picker";
  EXPECT_EQ(g().PickerMode, 1);
  EXPECT_EQ(savedGameText(g()), before);
}

TEST_F(LoadTest, CancelAndLosingTheFocus) {
  openLoader();
  picker().CancelBut.userClick();
  EXPECT_FALSE(picker().loaded());
  EXPECT_EQ(g().PickerMode, 2);

  openLoader();
  picker().userActivate();
  picker().userDeactivate();
  EXPECT_FALSE(picker().loaded());
  EXPECT_EQ(g().PickerMode, 1);
}

TEST_F(LoadTest, ALoadedGamePlaysOnAsTheOriginal) {
  playMatchdays();
  MainModule& hub = ui::screen<MainModule>();
  for (int p = 1; p <= g().NumPlayers; ++p) g().PlayerAge(p) = 30 + p % 8;  // birthdays with retirements
  for (int s = 1; s <= 20; ++s) g().TrainingGroup(s) = static_cast<std::int16_t>(1 + s % 3);
  for (int cell = 1; cell <= 15; ++cell) {
    g().TrainingPlanType(cell) = cell % 8;
    g().TrainingPlanIntensity(cell) = cell % 3;
  }
  g().WeekDay = 1;
  hub.Unload();
  hub.Show();
  writeSavedGame(folder.path() / "Harbour City fork.usa", g());

  // Sixty days with their matchdays; the boxes they showed come along.
  auto play = [&] {
    rng().seed(777);
    const std::size_t from = dialogs.count();
    for (int day = 0; day < 60; ++day) hub.PlayGamesBUtton_Click();
    const std::vector<std::string> texts = dialogs.texts();
    return std::make_pair(savedGameText(g()), std::vector<std::string>(texts.begin() + from, texts.end()));
  };
  const auto original = play();
  // Seventeen matchdays in sixty days from a Monday, four matches each, every
  // one shown to its end (ShowAllMatches).
  EXPECT_EQ(finalScoreBoxes(), 17 * 4);

  replaceGame(smallGame());
  hub.Unload();
  hub.Show();
  openLoader();
  chooseFile("Harbour City fork.usa");
  picker().LoadBut.userClick();
  ASSERT_TRUE(dialogs.sawText("Game loaded successfully"));
  const auto loaded = play();
  EXPECT_EQ(loaded.second, original.second);
  EXPECT_EQ(loaded.first, original.first);
}

TEST_F(LoadTest, FromTheNewGameScreen) {
  kervale::test::writeSmallWorld(folder);
  // A save of the layout alone, over the state right after the data files.
  auto saved = busyGame();
  for (int c = 0; c <= kLastClub; ++c) saved->TeamTactic(c) = 1 + c % 5;
  std::string text = savedGameText(*saved);
  text.resize(text.find("\"Kervale trailer\""));
  folder.write("Club 1 old.usa", text);

  PickTeam& pick = ui::screen<PickTeam>();
  pick.loaderSeed = 4;
  pick.Show();
  ASSERT_TRUE(pick.loaded());
  pick.Command3.userClick();
  ASSERT_TRUE(picker().loaded());
  EXPECT_EQ(picker().File1.pattern(), "*.usa");
  chooseFile("Club 1 old.usa");
  dialogs.answer(MsgResult::OK);
  picker().LoadBut.userClick();
  EXPECT_EQ(dialogs.last().text, "Game loaded successfully");
  EXPECT_FALSE(pick.loaded());
  EXPECT_FALSE(picker().loaded());
  ASSERT_TRUE(ui::screen<MainModule>().loaded());
  EXPECT_EQ(g().CurrentWeek, 37);
  EXPECT_EQ(g().TeamMoney(5), saved->TeamMoney(5));
  EXPECT_EQ(g().TeamName(1), "Club 1") << "names stay as read from the data files";
  EXPECT_EQ(g().MonthDay, 1);
  EXPECT_EQ(g().CurrentMonth, 1);
  EXPECT_EQ(g().WeekDay, 1);
  EXPECT_EQ(g().FixtureOpponent(1, 37), 0) << "no fixtures before the OK button";
}

// ---- The picker in picture mode

TEST_F(LoadTest, PictureModeAndPicDat) {
  folder.write("sky.JPG", "");
  folder.write("sea.gif", "");
  ui::screen<MainModule>().PicChange.userClick();
  ASSERT_TRUE(picker().loaded());
  EXPECT_TRUE(picker().Check1.visible());
  EXPECT_EQ(picker().File1.listCount(), 0) << "*.BMP at first";
  picker().Command6.userClick();
  EXPECT_EQ(picker().File1.pattern(), "*.JPG");
  chooseFile("sky.JPG");
  picker().LoadBut.userClick();
  const std::string sky = (folder.path() / "sky.JPG").string();
  EXPECT_EQ(g().BackgroundPicture, sky);
  EXPECT_EQ(ui::screen<MainModule>().Image3.picture(), sky);
  EXPECT_FALSE(fs::exists(folder.path() / "pic.dat")) << "the box was not ticked";
  EXPECT_FALSE(picker().loaded());

  g().PickerMode = 1;  // a loader left open by clicking elsewhere
  ui::screen<MainModule>().PicChange.userClick();
  EXPECT_TRUE(picker().Check1.visible());
  picker().Command5.userClick();
  chooseFile("sea.gif");
  picker().Check1.userClick();
  picker().LoadBut.userClick();
  const std::string sea = (folder.path() / "sea.gif").string();
  EXPECT_EQ(readWholeFile(folder.path() / "pic.dat"), "\"" + sea + "\"\r\n");
  EXPECT_EQ(g().PickerMode, 0) << "Change Picture leaves the load mode behind";
}

TEST_F(LoadTest, BrowsingNeverMovesTheGameFolder) {
  const fs::path sub = folder.makeDir("pictures");
  TempDir elsewhere;
  elsewhere.write("far.usa", "1");
  openLoader();
  picker().Dir1.setPath(sub.string());
  EXPECT_EQ(picker().File1.path(), sub.string());
  picker().Dir1.setPath(elsewhere.str());
  EXPECT_EQ(fs::current_path(), folder.path());
  chooseFile("far.usa");
  dialogs.answer(MsgResult::OK);
  picker().LoadBut.userClick();  // a short file: refused
  EXPECT_EQ(fs::current_path(), folder.path());
}

}  // namespace
}  // namespace kervale::test
