// The files of the season end: read only as needed, checked when a game
// starts or loads, and a season end that cannot read them plays nothing twice.
#include "offseason/off_season_files.h"

#include <filesystem>
#include <string>

#include "base/file_error.h"
#include "data/started_leagues.h"
#include "offseason/end_of_season.h"
#include "offseason/mls_expansion.h"
#include "offseason/off_season.h"
#include "offseason/offseason_game.h"
#include "shell/load_bg_picture.h"
#include "shell/main_module.h"
#include "shell/saved_game.h"
#include "ui/screen.h"

namespace kervale::test {
namespace {

namespace fs = std::filesystem;

constexpr const char* kLaterFiles[] = {"mls 10.dat",  "mls 12.dat", "mls 14.dat", "mlsexp.dat", "usafirst.dat",
                                       "usalast.dat", "fixt14.dat", "fixt18.dat", "fixt20.dat", "fixt24.dat"};

class OffSeasonFilesTest : public OffSeasonTest {
 protected:
  void SetUp() override {
    OffSeasonTest::SetUp();
    inWorldFiles();
  }
  void remove(const char* name) const { fs::remove(dir.path() / name); }
  void restore(const char* name) const {
    fs::copy_file(fs::path(KERVALE_WORLD_DIR) / name, dir.path() / name, fs::copy_options::overwrite_existing);
  }
  // The file named by the FileError that reading throws; empty when none.
  template <class Read>
  static std::string refused(Read read) {
    try {
      read();
    } catch (const FileError& error) {
      return error.fileName();
    }
    return "";
  }
};

TEST_F(OffSeasonFilesTest, ASeasonEndReadsTheScheduleOfALargerMlsOnlyWhenItCanGrow) {
  remove("mls 14.dat");
  g().MLSTeamCount = 10;
  OffSeasonFiles files = readOffSeasonFiles(".", g());
  EXPECT_TRUE(files.expansion.has_value()) << "10 to 12 needs no 14-club schedule";
  EXPECT_NE(files.mlsSchedule(10), nullptr);
  EXPECT_NE(files.mlsSchedule(12), nullptr);
  EXPECT_EQ(files.mlsSchedule(14), nullptr);

  g().MLSTeamCount = 12;
  files = readOffSeasonFiles(".", g());
  EXPECT_FALSE(files.expansion.has_value()) << "no growth to 14 without its schedule";
  EXPECT_EQ(files.expansionProblem.rfind("mls 14.dat: ", 0), 0U) << files.expansionProblem;
  EXPECT_NE(files.mlsSchedule(12), nullptr) << "the season itself goes on";

  restore("mls 14.dat");
  dir.write("mlsexp.dat", "1\r\n");
  remove("mls 10.dat");
  g().MLSTeamCount = 14;
  files = readOffSeasonFiles(".", g());
  EXPECT_FALSE(files.expansion.has_value());
  EXPECT_EQ(files.expansionProblem, "") << "at 14 clubs the expansion file is not read";
  EXPECT_EQ(runMlsExpansion(g(), nullptr, files.expansionProblem).expanded, false);
  EXPECT_EQ(dialogs.count(), 0U) << "nothing to say when the MLS cannot grow";

  g().ExpansionMode = 1;  // starts from ten clubs, whatever the count says
  EXPECT_EQ(refused([&] { readOffSeasonFiles(".", g()); }), "mls 10.dat");
  restore("mls 10.dat");
  remove("usalast.dat");  // every season end drafts
  EXPECT_EQ(refused([&] { readOffSeasonFiles(".", g()); }), "usalast.dat");
}

TEST_F(OffSeasonFilesTest, TheCheckAtStartOrLoadNamesEveryFileASeasonEndMayNeed) {
  EXPECT_EQ(refused([] { checkLaterFiles("."); }), "");
  EXPECT_TRUE(laterFilesUsable("Not loaded"));
  for (const char* name : kLaterFiles) {
    remove(name);
    EXPECT_EQ(refused([] { checkLaterFiles("."); }), name);
    restore(name);
  }
  dir.write("mlsexp.dat", "1\r\n0,\"Club\"");
  EXPECT_FALSE(laterFilesUsable("The saved game \"x.usa\" could not be loaded"));
  ASSERT_EQ(dialogs.count(), 1U);
  EXPECT_EQ(dialogs.last().icon, ui::MsgIcon::Critical);
  EXPECT_EQ(dialogs.last().text.rfind("The saved game \"x.usa\" could not be loaded: the data file mlsexp.dat is not "
                                      "usable.\r",
                                      0),
            0U)
      << dialogs.last().text;
}

TEST_F(OffSeasonFilesTest, AGameLoadsOnlyBesideTheFilesItsSeasonEndsNeed) {
  // Enough of a game for the saved-game checks.
  fillStartedLeagues(g());
  for (int c = 1; c <= kLastClub; ++c) g().TeamKeyPlayerSlot(c) = 10;
  const int player = addPlayer(1, 1, 5, 1, 1, 1);
  g().PlayerBirthMonth(player) = 3;
  g().PlayerBirthDay(player) = 9;
  g().CurrentWeek = 42;
  g().CurrentSeason = 1;
  g().CurrentMonth = 1;
  g().MonthDay = 1;
  g().PlayoffTeams = 4;
  g().TeamMoney(3) = 777;
  writeSavedGame(dir.path() / "Club 1 kept.usa", g());
  g().TeamMoney(3) = 5;
  remove("mls 12.dat");
  MainModule& hub = ui::screen<MainModule>();
  hub.Show();
  hub.Load_Game.userClick();
  LoadBgPicture& picker = ui::screen<LoadBgPicture>();
  ASSERT_TRUE(picker.loaded());
  picker.File1.userSelectItem(0);
  picker.LoadBut.userClick();
  EXPECT_NE(dialogs.last().text.find("\"Club 1 kept.usa\" could not be loaded, and the game in play is unchanged: the "
                                     "data file mls 12.dat is not usable."),
            std::string::npos)
      << dialogs.last().text;
  EXPECT_EQ(g().TeamMoney(3), 5);
  restore("mls 12.dat");
  picker.LoadBut.userClick();
  EXPECT_EQ(dialogs.last().text, "Game loaded successfully");
  EXPECT_EQ(g().TeamMoney(3), 777);
  hub.Unload();
}

TEST_F(OffSeasonFilesTest, ASeasonEndWithoutItsFilesPlaysNoFixtureTwice) {
  g().CurrentWeek = 42;
  g().CurrentSeason = 3;
  g().FixtureOpponent(1, 50) = 2;  // last season's, a round the leagues play
  g().FixtureOpponent(2, 50) = 1;
  g().FixtureCompetition(1, 50) = g().FixtureCompetition(2, 50) = 1;
  g().FixtureScore(1, 50) = 3;
  g().FixtureOpponent(230, 45) = 231;  // the Australian second phase runs on
  g().FixtureOpponent(231, 45) = 230;
  g().TeamGames(1) = 26;
  const int ends = seasonEndsRun();
  remove("usalast.dat");
  runOffSeason();
  ASSERT_EQ(dialogs.count(), 1U);
  EXPECT_NE(dialogs.last().text.find("the data file usalast.dat is not usable"), std::string::npos);
  EXPECT_FALSE(ui::screen<EndOfSeason>().loaded()) << "nothing of the season end ran";
  EXPECT_EQ(seasonEndsRun(), ends);
  EXPECT_EQ(g().CurrentSeason, 3);
  EXPECT_EQ(g().TeamGames(1), 26) << "the table stays as the season left it";
  EXPECT_EQ(g().FixtureOpponent(1, 50), 0);
  EXPECT_EQ(g().FixtureOpponent(2, 50), 0);
  EXPECT_EQ(g().FixtureScore(1, 50), 0);
  EXPECT_EQ(g().FixtureOpponent(230, 45), 231);
}

}  // namespace
}  // namespace kervale::test
