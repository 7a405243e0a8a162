// The saved game: its layout, the trailer, the checks of the reader, and the
// Save item and the picker around them.
#include "shell/saved_game.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <tuple>
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
  g.PlayoffWestAwayScore = Variant("");
  for (int i = 0; i <= kLastClub; ++i) {
    g.TeamMoney(i) = 1000.5 * i - 20000;
    g.TeamMostGoalsText(i) = "7 - 2 vs Club " + std::to_string(i) + ", Week 3, 2003";
    g.TeamBiggestLossText(i) = i % 3 == 0 ? "" : "0 - 5 at Somewhere";
    g.TeamSaveItem7(i) = i % 2 == 0 ? Variant(i) : Variant();
    g.TeamSaveItem21(i, 3) = Variant(0.25 * i);
    g.TeamSaveItem21(i, 1) = Variant("kept in the trailer");
    if (i <= 237) g.ScoutingFunding(i) = 20 + i;
    g.TicketPrice(i) = static_cast<std::int16_t>(15 + i % 20);
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
  }
  for (int i = 0; i <= 50; i += 7) g.ClubNewsLine(i) = "news " + std::to_string(i);
  g.ClubNewsCount = 50;
  g.TrainingGroup(4) = 2;
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
};

TEST(SavedGameText, ClubTextScramblingAndSafeNames) {
  // 244 and up: code 0, then 255 - byte.
  const std::pair<std::string, std::string> texts[] = {{"AB", "MN"},
                                                       {"a b", std::string("m\x01n")},
                                                       {"\xF4", std::string("\0\x0B", 2)},
                                                       {"\xFF", std::string("\0\0", 2)},
                                                       {"\xF3", "\xFF"},
                                                       {"", ""}};
  for (const auto& [plain, coded] : texts) EXPECT_EQ(encodeClubText(plain), coded) << plain;
  const std::tuple<std::string, std::string, std::string> names[] = {
      {"Harbour City", "week 3", "Harbour City week 3.usa"},
      {"Harbour City", "../up/and\\away", "Harbour City .._up_and_away.usa"},
      {"A/B", "x\ty", "A_B x_y.usa"},
      {"Harbour City", "", ""},
      {"Harbour City", "   ", ""}};
  for (const auto& [club, name, file] : names) EXPECT_EQ(savedGameFileName(club, name), file) << name;
}

TEST_F(SavedGameTest, LayoutInItsLongStandingOrder) {
  const std::string text = savedGameText(g());
  CsvReader in("x.usa", text);
  EXPECT_EQ(in.nextNumber(), 37) << "CurrentWeek";
  // Club 1, record A.
  for (int k = 0; k < 3; ++k) EXPECT_EQ(in.nextNumber(), 0);  // MlsAllocations and two more
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
  // Player records past the last player of the file are emptied.
  auto bigger = busyGame();
  bigger->NumPlayers = 200;
  bigger->PlayerName(150) = "Nobody";
  auto loaded = parseSavedGame("Harbour City x.usa", first, *bigger);
  EXPECT_EQ(savedGameText(*loaded), first);
  EXPECT_EQ(loaded->PlayerName(150), "");
  EXPECT_EQ(loaded->SaveFieldB.text(), "odd, 'quoted' text");
  EXPECT_TRUE(loaded->PlayoffWestAwayScore.isText());
  EXPECT_TRUE(loaded->TeamSaveItem7(3).isEmpty());
  EXPECT_EQ(loaded->TeamSaveItem7(4), Variant(4));
  EXPECT_EQ(loaded->TeamName(200), "Caf\xC3\xA9 Valley");
}

TEST_F(SavedGameTest, FileWithoutTrailerLoadsTheLayoutOnly) {
  std::string text = savedGameText(g());
  text.resize(text.find("\"Kervale trailer\""));
  auto base = smallGame();
  base->TeamName(3) = "Name in memory";
  base->MonthDay = 5;
  auto loaded = parseSavedGame("old.usa", text, *base);
  EXPECT_EQ(loaded->CurrentSeason, 2);
  EXPECT_EQ(loaded->TeamMostGoalsText(250), g().TeamMostGoalsText(250));
  EXPECT_EQ(loaded->TicketPrice(285), g().TicketPrice(285));
  // Names are not restored, and what the layout leaves out keeps the base's values.
  EXPECT_EQ(loaded->TeamName(3), "Name in memory");
  EXPECT_EQ(loaded->MonthDay, 5);
  EXPECT_EQ(loaded->CommentarySpeed, 0);
  EXPECT_EQ(loaded->TeamSaveItem21(1, 1), Variant());
  EXPECT_EQ(loaded->TeamSaveItem21(1, 3), Variant(0.25));
  // Surplus that is not a trailer is ignored.
  EXPECT_NO_THROW(parseSavedGame("x.usa", text + "1,2,3\r\n", g()));
  // Only what the file carries is checked: a value it leaves out is not its fault.
  base->PlayoffTeams = 0;
  EXPECT_NO_THROW(parseSavedGame("old.usa", text, *base));
  auto spoiled = busyGame();
  spoiled->TeamMoney(3) = 1e15;
  std::string old = savedGameText(*spoiled);
  old.resize(old.find("\"Kervale trailer\""));
  EXPECT_THROW(parseSavedGame("old.usa", old, *base), FileError);
}

TEST_F(SavedGameTest, FaultyFilesAreRefusedWhole) {
  const std::string good = savedGameText(g());

  // Cut short: in the layout, in the trailer, or empty.
  EXPECT_NE(savedGameRefusal(good.substr(0, good.find("\r\n", good.size() / 3))).find("file ends"), std::string::npos);
  EXPECT_NE(savedGameRefusal(good.substr(0, good.size() - 40)).find("trailer"), std::string::npos);
  EXPECT_NE(savedGameRefusal("").find("file ends"), std::string::npos);

  // Item 14 starts with MyTeam, right after the last USCupRound3 pair.
  const std::string layoutEnd = good.substr(0, good.find("\"Kervale trailer\""));
  const std::size_t myTeam = layoutEnd.rfind("\r\n", layoutEnd.rfind("\r\n", layoutEnd.size() - 3) - 1) + 2;
  for (const auto& [value, problem] :
       {std::pair<std::string, std::string>{"400", "MyTeam is 400"}, {"1.5", "MyTeam"}, {"\"x\"", "not a number"}}) {
    EXPECT_NE(savedGameRefusal(std::string(good).replace(myTeam, 1, value)).find(problem), std::string::npos) << value;
  }

  // A value alone on its line, emptied: the next record's first value would
  // be read into it, and every later value into the item before it.
  const auto lineStart = [&](int line) {
    std::size_t at = 0;
    for (int k = 1; k < line; ++k) at = good.find("\r\n", at) + 2;
    return at;
  };
  const auto emptied = [&](int line) {
    const std::size_t at = lineStart(line);
    return std::string(good).erase(at, good.find("\r\n", at) - at);
  };
  EXPECT_EQ(savedGameRefusal(emptied(1)), "CurrentWeek is empty");
  EXPECT_EQ(savedGameRefusal(emptied(4)), "ScoutingFunding(1) is empty");  // after club 1's records A and B
  EXPECT_NO_THROW(parseSavedGame("x.usa", std::string(good).insert(lineStart(4), "  "), g())) << "a blank before";
  // A blank line in front of a value on its own is harmless: a fault further
  // on is refused as what it is.
  auto spoiled = busyGame();
  spoiled->TeamWins(7) = -1;
  const std::string text = savedGameText(*spoiled);
  EXPECT_EQ(savedGameRefusal("\r\n" + std::string(text).insert(lineStart(4), "\r\n")),
            "TeamWins(7) is -1, outside 0 to 104");

  // Values out of range, of every kind, in the layout and in the trailer.
  const std::pair<std::function<void(MLSModule&)>, std::string> values[] = {
      {[](MLSModule& m) { m.WestOrder(3) = 400; }, "WestOrder(3) is 400"},
      {[](MLSModule& m) { m.CurrentSeason = 301; }, "CurrentSeason is 301"},
      {[](MLSModule& m) { m.CurrentWeek = 105; }, "CurrentWeek is 105"},
      {[](MLSModule& m) { m.TeamWins(7) = -1; }, "TeamWins(7) is -1"},
      {[](MLSModule& m) { m.TeamDivision(2) = 9; }, "TeamDivision(2) is 9"},
      {[](MLSModule& m) { m.TeamMoney(3) = 1e15; }, "TeamMoney(3) is 1E+15"},
      {[](MLSModule& m) { m.TeamFanDemand(3) = -5; }, "TeamFanDemand(3) is -5"},
      {[](MLSModule& m) { m.PlayerGoalkeeping(1) = -7; }, "PlayerGoalkeeping(1) is -7"},
      {[](MLSModule& m) { m.PlayerInjury(2) = 99999999999; }, "PlayerInjury(2) is 99999999999"},
      {[](MLSModule& m) { m.PlayerWage(2) = 1e12; }, "PlayerWage(2) is "},
      {[](MLSModule& m) { m.PlayerTeam(1) = 300; }, "PlayerTeam(1) is 300"},
      {[](MLSModule& m) { m.PlayerGamesSeason(1) = 105; }, "PlayerGamesSeason(1) is 105"},
      {[](MLSModule& m) { m.ClubNewsCount = 51; }, "ClubNewsCount is 51"},
      {[](MLSModule& m) { m.PlayoffTeams = -7; }, "PlayoffTeams is -7"},
      {[](MLSModule& m) { m.PlayoffTeams = 30000; }, "PlayoffTeams is 30000"},
      {[](MLSModule& m) { m.TeamCupEntry(4) = 99999999999; }, "TeamCupEntry(4) is 99999999999"},
      {[](MLSModule& m) { m.MonthDay = 32; }, "MonthDay is 32"},
      {[](MLSModule& m) { m.FixtureVenue(5, 40) = 3; }, "FixtureVenue(5, 40) is 3"},
      {[](MLSModule& m) { m.PlayoffQFResult(2) = Variant(-1.0); }, "PlayoffQFResult(2) is -1"},
      {[](MLSModule& m) { m.ClubNewsLine(0) = "bell\a"; }, "ClubNewsLine(0) holds control character 7"},
      {[](MLSModule& m) { m.TeamPosition(4, 9) = 13; }, "TeamPosition"},  // twelve positions
      {[](MLSModule& m) { m.TeamTactic(9) = 7; }, "TeamTactic"},          // six tactics
      {[](MLSModule& m) { m.TeamFlow(9) = 5; }, "TeamFlow"},              // four flows
      {[](MLSModule& m) { m.TeamSquad(3, 2) = 500; }, "TeamSquad"},       // past the last player
      {[](MLSModule& m) { m.PlayerInterest(m.NumPlayers, 2) = -3; }, "PlayerInterest(128, 2) is -3"},
      {[](MLSModule& m) { m.PlayerInterest(1, 5) = 300; }, "PlayerInterest(1, 5) is 300"},  // the last column
      // Play leaves it at 0.
      {[](MLSModule& m) { m.TeamSaveItem28(1) = Variant(-7.0); }, "TeamSaveItem28(1) is -7"},
      {[](MLSModule& m) { m.TeamSaveItem28(3) = Variant(2.5); }, "TeamSaveItem28(3) is 2.5"},
      {[](MLSModule& m) { m.TeamSaveItem28(285) = Variant(99999999999.0); }, "TeamSaveItem28(285) is 99999999999"},
  };
  for (const auto& [spoil, problem] : values) {
    auto bad = busyGame();
    spoil(*bad);
    EXPECT_NE(savedGameRefusal(savedGameText(*bad)).find(problem), std::string::npos) << problem;
  }
  // Faults in the trailer.
  const std::tuple<std::string, std::string, std::string> edits[] = {
      {"\"NumPlayers\",1,128", "\"NumPlayers\",1,12000", "12000"},
      {"\"NumPlayers\",1,128", "\"NumPlayers\",1,0", "NumPlayers is 0, outside 1 to 10000"},
      {"\"WeekDay\"", "\"Weekday\"", "WeekDay is missing"},
      {"\"TicketPrice\",1,", "\"TicketPrice\",2,", "TicketPrice"},
  };
  for (const auto& [from, to, problem] : edits) {
    std::string text = good;
    const std::size_t at = text.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    text.replace(at, from.size(), to);
    EXPECT_NE(savedGameRefusal(text).find(problem), std::string::npos) << problem;
  }
}

// Values a game holds only inside one press, when no save can be made, stop
// or hold play after a load: the next Continue would name a day past
// Saturday, the next match would wait for a team sheet that is not open.
TEST_F(SavedGameTest, ValuesHeldOnlyWithinAPressAreRefused) {
  auto saturdayMatchday = busyGame();
  saturdayMatchday->WeekDay = 7;
  EXPECT_EQ(savedGameRefusal(savedGameText(*saturdayMatchday)), "WeekDay is 7, outside 0 to 6");
  auto sheetOpen = busyGame();
  sheetOpen->PauseFlag = 1;
  EXPECT_EQ(savedGameRefusal(savedGameText(*sheetOpen)), "PauseFlag is 1, outside 0 to 0");
  // Sunday, after the Saturday matchday, and Saturday before it are saved.
  for (const int day : {0, 6}) {
    auto saved = busyGame();
    saved->WeekDay = day;
    EXPECT_EQ(parseSavedGame("x.usa", savedGameText(*saved), g())->WeekDay, day);
  }
}

// What play can reach at the edges of a value's range loads; one step past
// it does not.
TEST_F(SavedGameTest, ValuesAtTheirEdgesLoad) {
  auto edge = busyGame();
  edge->TicketPrice(3) = 32767;   // the top of a 16-bit item
  edge->AssistantCoach(4) = 300;  // the last staff record
  const auto loaded = parseSavedGame("x.usa", savedGameText(*edge), g());
  EXPECT_EQ(loaded->TicketPrice(3), 32767);
  EXPECT_EQ(loaded->AssistantCoach(4), 300);
  auto past = busyGame();
  past->AssistantCoach(4) = 301;
  EXPECT_NE(savedGameRefusal(savedGameText(*past)).find("AssistantCoach(4) is 301"), std::string::npos);

  // A world grown to the last player record by the draft.
  auto full = busyGame();
  full->NumPlayers = kLastPlayer;
  full->PlayerName(kLastPlayer) = "Last Draftee";
  full->PlayerAge(kLastPlayer) = 19;
  full->PlayerBirthMonth(kLastPlayer) = 6;
  full->PlayerBirthDay(kLastPlayer) = 1;
  const auto grown = parseSavedGame("x.usa", savedGameText(*full), g());
  EXPECT_EQ(grown->NumPlayers, kLastPlayer);
  EXPECT_EQ(grown->PlayerName(kLastPlayer), "Last Draftee");
}

// The game in play may hold more players than the file: their records are
// emptied, the first one past the file's last included.
TEST_F(SavedGameTest, RecordsPastTheFilesLastPlayerAreEmptied) {
  const std::string file = savedGameText(g());
  const int last = g().NumPlayers;
  auto larger = std::make_unique<MLSModule>(g());
  for (int p : {last + 1, last + 2}) {
    larger->PlayerName(p) = "Extra " + std::to_string(p);
    larger->PlayerDefense(p) = 7;
    larger->PlayerInterest(p, 1) = 5;
  }
  const auto loaded = parseSavedGame("x.usa", file, *larger);
  for (int p : {last + 1, last + 2}) {
    EXPECT_EQ(loaded->PlayerName(p), "") << p;
    EXPECT_EQ(loaded->PlayerDefense(p), 0) << p;
    EXPECT_EQ(loaded->PlayerInterest(p, 1), 0) << p;
  }
}

// ---- The Save item and the picker

class SaveItemTest : public SavedGameTest {
 protected:
  void SetUp() override {
    SavedGameTest::SetUp();
    hub().Show();
  }
  // Saves under `name`; `box`: a message follows.
  void save(const std::optional<std::string>& name, bool box = false) {
    dialogs.input(name);
    if (box) dialogs.answer(MsgResult::OK);
    hub().Save_Game.userClick();
  }
  LoadBgPicture& picker() { return ui::screen<LoadBgPicture>(); }
  void choose(const std::string& name) {
    for (int i = 0; i < picker().File1.listCount(); ++i) {
      if (picker().File1.list(i) == name) return picker().File1.userSelectItem(i);
    }
    ADD_FAILURE() << name << " is not listed";
  }
  // Opens the loader from the hub and loads `name`.
  void load(const std::string& name) {
    hub().Load_Game.userClick();
    ASSERT_TRUE(picker().loaded());
    choose(name);
    dialogs.answer(MsgResult::OK);
    picker().LoadBut.userClick();
  }
  TempDir folder;
  ScopedCurrentDir inFolder{folder.path()};
};

TEST_F(SaveItemTest, WritesTheFileInTheGameFolderOnly) {
  save(std::nullopt);
  save("  ", true);
  EXPECT_NE(dialogs.last().text.find("needs a name"), std::string::npos);
  EXPECT_TRUE(fs::is_empty(folder.path()));

  const std::size_t boxes = dialogs.count();
  save("../week/37");
  EXPECT_EQ(dialogs.last().text, "What do you want to save the game as?");
  EXPECT_EQ(dialogs.count(), boxes + 1) << "no message after a save";
  const fs::path file = folder.path() / "Harbour City .._week_37.usa";
  EXPECT_EQ(readWholeFile(file), savedGameText(g()));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1) << "nothing else";
}

TEST_F(SaveItemTest, AFailedSaveIsReportedAndKeepsTheOldFile) {
  save("keep");
  const fs::path file = folder.path() / "Harbour City keep.usa";
  const std::string old = readWholeFile(file);
  // A folder stands where the temporary file of the next save would go.
  fs::create_directory(stagingFileOf(file));
  g().TeamMoney(1) = 1;
  save("keep", true);
  EXPECT_NE(dialogs.last().text.find("could not be saved as \"Harbour City keep.usa\""), std::string::npos);
  EXPECT_EQ(dialogs.last().icon, ui::MsgIcon::Critical);
  EXPECT_EQ(readWholeFile(file), old);
}

// A game one step past an edge would be refused at the next load: it is
// refused at the save instead, and the good file of that name is kept.
TEST_F(SaveItemTest, AGameTheLoadWouldRefuseNeverReplacesAGoodSave) {
  save("keep");
  const fs::path file = folder.path() / "Harbour City keep.usa";
  const std::string good = readWholeFile(file);
  g().TeamGames(1) = 105;
  const std::string inPlay = savedGameText(g());
  save("keep", true);
  EXPECT_EQ(dialogs.last().text,
            "The game could not be saved as \"Harbour City keep.usa\": TeamGames(1) is 105, outside 0 to 104");
  EXPECT_EQ(dialogs.last().icon, ui::MsgIcon::Critical);
  EXPECT_EQ(readWholeFile(file), good);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1) << "no file left over";
  EXPECT_EQ(savedGameText(g()), inPlay) << "the game in play is untouched";
  EXPECT_THROW(writeSavedGame(folder.path() / "new.usa", g()), FileError);
  EXPECT_FALSE(fs::exists(folder.path() / "new.usa"));

  // At the edge itself the game saves, over the good file, and loads.
  g().TeamGames(1) = 104;
  save("keep");
  kervale::test::writeLaterFiles(folder);  // a game loads only beside them
  load("Harbour City keep.usa");
  EXPECT_EQ(dialogs.last().text, "Game loaded successfully");
  EXPECT_EQ(g().TeamGames(1), 104);
}

// The file system takes names of up to 255 bytes; the file is written
// through a temporary one of its own short name.
TEST_F(SaveItemTest, ANameOfTheLongestAFileMayHaveSavesAndLoads) {
  const std::string answer(255 - std::string("Harbour City .usa").size(), 'x');
  const std::string name = "Harbour City " + answer + ".usa";
  const std::string saved = savedGameText(g());
  save(answer);
  EXPECT_EQ(dialogs.last().text, "What do you want to save the game as?") << "no message after a save";
  EXPECT_EQ(readWholeFile(folder.path() / name), saved);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1) << "nothing left over";
  kervale::test::writeLaterFiles(folder);
  replaceGame(smallGame());
  load(name);
  EXPECT_EQ(dialogs.last().text, "Game loaded successfully");
  EXPECT_EQ(savedGameText(g()), saved);
}

TEST_F(SaveItemTest, LoaderListsSavedGamesAndClosesWithoutLoading) {
  folder.write("a.usa", "1");
  folder.write("b.BMP", "");
  hub().Load_Game.userClick();
  ASSERT_TRUE(picker().loaded());
  EXPECT_FALSE(picker().Command6.visible()) << "no picture types";
  ASSERT_EQ(picker().File1.listCount(), 1);
  EXPECT_EQ(picker().File1.list(0), "a.usa");
  picker().LoadBut.userClick();
  EXPECT_TRUE(picker().loaded()) << "Load with nothing chosen does nothing";
  picker().CancelBut.userClick();
  EXPECT_FALSE(picker().loaded());
  EXPECT_EQ(g().PickerMode, 2);

  hub().Load_Game.userClick();
  picker().userActivate();
  picker().userDeactivate();
  EXPECT_FALSE(picker().loaded()) << "losing the focus closes it";
  EXPECT_EQ(g().PickerMode, 1);
  EXPECT_EQ(dialogs.count(), 0u);
}

TEST_F(SaveItemTest, AFailedLoadNamesTheFileAndChangesNothing) {
  folder.write("Harbour City broken.usa", "37\r\n0,0,0,\"&H0\"");
  const std::string before = savedGameText(g());
  load("Harbour City broken.usa");
  EXPECT_NE(dialogs.last().text.find("\"Harbour City broken.usa\" could not be loaded"), std::string::npos);
  EXPECT_EQ(dialogs.last().icon, ui::MsgIcon::Critical);
  EXPECT_TRUE(picker().loaded()) << "back to the picker";
  EXPECT_EQ(savedGameText(g()), before);

  // Browsing elsewhere never moves the game folder.
  TempDir elsewhere;
  elsewhere.write("far.usa", "1");
  picker().Dir1.setPath(elsewhere.str());
  choose("far.usa");
  dialogs.answer(MsgResult::OK);
  picker().LoadBut.userClick();  // a short file: refused
  EXPECT_EQ(fs::current_path(), folder.path());
  EXPECT_EQ(savedGameText(g()), before);
}

TEST_F(SaveItemTest, ALoadedGamePlaysOnAsTheOriginal) {
  kervale::test::writeLaterFiles(folder);  // a game loads only beside them; its season ends
  playMatchdays();
  for (int p = 1; p <= g().NumPlayers; ++p) g().PlayerAge(p) = 30 + p % 8;  // birthdays with retirements
  for (int s = 1; s <= 20; ++s) g().TrainingGroup(s) = static_cast<std::int16_t>(1 + s % 3);
  for (int cell = 1; cell <= 15; ++cell) {
    g().TrainingPlanType(cell) = cell % 8;
    g().TrainingPlanIntensity(cell) = cell % 3;
  }
  g().WeekDay = 1;
  writeSavedGame(folder.path() / "Harbour City fork.usa", g());
  const std::string saved = savedGameText(g());

  // Sixty days with their matchdays; the boxes they showed come along.
  auto play = [&] {
    rng().seed(777);
    hub().Unload();
    hub().Show();
    const std::size_t from = dialogs.count();
    for (int day = 0; day < 60; ++day) hub().PlayGamesBUtton_Click();
    const std::vector<std::string> texts = dialogs.texts();
    return std::make_pair(savedGameText(g()), std::vector<std::string>(texts.begin() + from, texts.end()));
  };
  const auto original = play();
  // Seventeen matchdays in sixty days from a Monday, final scores shown
  // (ShowAllMatches): five of the small game's four matches, then, past the
  // season end at round 42, ninety-five of next season's grid, which the small
  // schedules fill (nameless clubs included).
  EXPECT_EQ(finalScoreBoxes(), 5 * 4 + 95);

  replaceGame(smallGame());
  load("Harbour City fork.usa");
  EXPECT_EQ(dialogs.last().text, "Game loaded successfully");
  EXPECT_FALSE(picker().loaded());
  EXPECT_EQ(g().PickerMode, 0);
  EXPECT_EQ(savedGameText(g()), saved);
  ASSERT_TRUE(hub().loaded());
  EXPECT_EQ(hub().Label7.caption(), "July 17, 2004") << "the hub is rebuilt";
  EXPECT_EQ(hub().HScroll1.value(), 42);
  const auto loaded = play();
  EXPECT_EQ(loaded.second, original.second);
  EXPECT_EQ(loaded.first, original.first);
}

TEST_F(SaveItemTest, FromTheNewGameScreen) {
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
  pick.Command3.userClick();
  ASSERT_TRUE(picker().loaded());
  choose("Club 1 old.usa");
  dialogs.answer(MsgResult::OK);
  picker().LoadBut.userClick();
  EXPECT_EQ(dialogs.last().text, "Game loaded successfully");
  EXPECT_FALSE(pick.loaded());
  ASSERT_TRUE(hub().loaded());
  EXPECT_EQ(g().TeamMoney(5), saved->TeamMoney(5));
  EXPECT_EQ(g().TeamName(1), "Club 1") << "names stay as read from the data files";
  EXPECT_EQ(g().FixtureOpponent(1, 37), 0) << "no fixtures before the OK button";
}

TEST_F(SaveItemTest, PictureModeAndPicDat) {
  folder.write("sea.gif", "");
  folder.write("hub.jpg", "");
  folder.write("badge 1.png", "");
  g().PickerMode = 1;  // a loader left open by clicking elsewhere
  hub().PicChange.userClick();
  ASSERT_TRUE(picker().loaded());
  EXPECT_EQ(picker().caption(), "Load Picture");
  EXPECT_TRUE(picker().Check1.visible());
  EXPECT_EQ(picker().File1.listCount(), 3) << "every picture kind at first";
  picker().Command6.userClick();
  ASSERT_EQ(picker().File1.listCount(), 1);
  EXPECT_EQ(picker().File1.list(0), "hub.jpg");
  picker().Command5.userClick();
  choose("sea.gif");
  picker().Check1.userClick();
  picker().LoadBut.userClick();
  const std::string sea = (folder.path() / "sea.gif").string();
  EXPECT_EQ(hub().Image3.picture(), sea);
  EXPECT_EQ(readWholeFile(folder.path() / "pic.dat"), "\"" + sea + "\"\r\n");
  EXPECT_EQ(g().PickerMode, 0) << "Change Picture leaves the load mode behind";
  hub().Load_Game.userClick();
  EXPECT_EQ(picker().caption(), "Load Game") << "the title follows the job, whatever the picker did before";
  EXPECT_FALSE(picker().Check1.visible());
  EXPECT_EQ(picker().File1.pattern(), "*.usa");
}

}  // namespace
}  // namespace kervale::test
