// The MLS vote and expansion, the schedule template and the expansion file.
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "base/file_error.h"
#include "data/readers/expansion_file.h"
#include "data/readers/schedule_file.h"
#include "offseason/mls_expansion.h"
#include "offseason/offseason_game.h"
#include "support/case_names.h"

namespace kervale::test {
namespace {

ExpansionRecord record(const std::string& name, int slot, int moved = 0) {
  ExpansionRecord r;
  r.club.name = name;
  r.slot = slot;
  r.movedClub = moved;
  if (moved != 0) r.moved.name = "Moved " + name;
  return r;
}

const std::vector<ExpansionRecord> kTwoClubs = {record("Alpha", 0), record("Beta", 1)};

struct VoteCase {
  double clubs;
  double myTeam;
  std::optional<ui::MsgResult> answer;  // none: no question expected
  double draw;
  double clubsAfter;
  friend void PrintTo(const VoteCase& c, std::ostream* os) {
    *os << c.clubs << " clubs, manager of " << c.myTeam << ", answer "
        << (c.answer ? std::string(ui::resultName(*c.answer)) : std::string("none")) << ", draw " << c.draw;
  }
};

class Vote : public OffSeasonTest, public ::testing::WithParamInterface<VoteCase> {};

TEST_P(Vote, AsksMlsManagersAndDrawsTheOutcome) {
  const VoteCase& c = GetParam();
  g().MLSTeamCount = c.clubs;
  g().MyTeam = c.myTeam;
  if (c.answer) dialogs.answer(*c.answer);
  rng().script({c.draw});
  const ExpansionOutcome out = runMlsExpansion(g(), &kTwoClubs, "");
  EXPECT_EQ(g().MLSTeamCount, c.clubsAfter);
  EXPECT_EQ(out.expanded, c.clubsAfter != c.clubs);
  const bool asked = !dialogs.log().empty() && dialogs.log().front().title == "MLS Winter Meetings";
  EXPECT_EQ(asked, c.answer.has_value());
  if (out.expanded) {
    EXPECT_EQ(g().TeamName(c.clubsAfter - 1), "Alpha");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Vote,
    ::testing::Values(VoteCase{12, 1, ui::MsgResult::No, 0.99, 12}, VoteCase{12, 1, ui::MsgResult::Yes, 0.67, 14},
                      VoteCase{12, 1, ui::MsgResult::Yes, 0.66, 12}, VoteCase{12, 20, std::nullopt, 0.67, 14},
                      VoteCase{10, 16, ui::MsgResult::No, 0.7, 12}, VoteCase{10, 1, ui::MsgResult::No, 0.69, 10},
                      VoteCase{10, 1, ui::MsgResult::Yes, 0.6, 12}, VoteCase{10, 17, std::nullopt, 0.59, 10},
                      VoteCase{14, 1, std::nullopt, 0.99, 14}),
    test::PrintedCaseName());

TEST_F(OffSeasonTest, ExpansionModeAlwaysExpandsAndLetsTheUserChoose) {
  g().ExpansionMode = 1;
  g().MyTeam = 0;
  g().MLSTeamCount = 12;
  dialogs.answer(ui::MsgResult::No).answer(ui::MsgResult::OK).answer(ui::MsgResult::OK).answer(ui::MsgResult::No);
  rng().script({0.0});
  EXPECT_TRUE(runMlsExpansion(g(), &kTwoClubs, "").expanded);
  EXPECT_EQ(g().MLSTeamCount, 12);
  EXPECT_EQ(g().ExpansionMode, 0);
  EXPECT_EQ(g().MyTeam, 12);
  EXPECT_EQ(g().WestOrder(6), 11);
  EXPECT_EQ(g().EastOrder(6), 12);
  // Neither record moved a club: the A-League box is its heading alone.
  EXPECT_EQ(dialogs.texts()[2], "The A-League has moved franchises due to the expansion. Teams affected are:\r");
}

TEST_F(OffSeasonTest, UsedNamesAreNeverTakenAgain) {
  g().TeamName(4) = "Alpha";
  const std::vector<ExpansionRecord> records = {record("Alpha", 0), record("Gamma", 0), record("Beta", 1)};
  for (int run = 0; run < 5; ++run) {
    g().MLSTeamCount = 10;
    g().TeamName(11) = "";
    g().MyTeam = 20;
    rng().script({0.9});
    EXPECT_TRUE(runMlsExpansion(g(), &records, "").expanded);
    EXPECT_EQ(g().TeamName(11), "Gamma");
  }
}

TEST_F(OffSeasonTest, ManagerOfAMovedClubIsOfferedTheNewClubAboveApproval039) {
  const std::vector<ExpansionRecord> records = {record("Alpha", 0, 20), record("Beta", 1)};
  for (double approval : {0.39, 0.4}) {
    g().MLSTeamCount = 10;
    g().TeamName(11) = "";
    g().MyTeam = 20;
    g().ManagerApproval(20) = approval;
    dialogs.backend().clearLog();
    rng().script({0.99});
    if (approval > 0.39) dialogs.answer(ui::MsgResult::OK).answer(ui::MsgResult::OK).answer(ui::MsgResult::Yes);
    runMlsExpansion(g(), &records, "");
    EXPECT_EQ(g().TeamName(20), "Moved Alpha");
    EXPECT_EQ(g().MyTeam, approval > 0.39 ? 11 : 20) << approval;
    EXPECT_TRUE(dialogs.sawText("Moved Alpha (MLS Alpha)"));
  }
}

TEST_F(OffSeasonTest, ManagerOfTheClubTheSecondNewClubMovedIsOfferedThatClub) {
  const std::vector<ExpansionRecord> records = {record("Alpha", 0), record("Beta", 1, 21)};
  g().MLSTeamCount = 10;
  g().TeamName(11) = "";
  g().MyTeam = 21;
  g().ManagerApproval(21) = 0.5;
  rng().script({0.99});
  dialogs.answer(ui::MsgResult::OK).answer(ui::MsgResult::OK).answer(ui::MsgResult::Yes);
  runMlsExpansion(g(), &records, "");
  EXPECT_EQ(g().MyTeam, 12);
}

TEST_F(OffSeasonTest, NoFittingRecordRefusesTheVoteAndChangesNothing) {
  const std::vector<ExpansionRecord> noSecond = {record("Alpha", 0), record("Gamma", 0)};
  EXPECT_FALSE(runMlsExpansion(g(), &noSecond, "").expanded);
  EXPECT_FALSE(runMlsExpansion(g(), nullptr, "mlsexp.dat: file ends after 3 values").expanded);
  EXPECT_EQ(g().MLSTeamCount, 10);
  ASSERT_EQ(dialogs.count(), 2U);
  for (const auto& box : dialogs.log()) {
    EXPECT_EQ(box.icon, ui::MsgIcon::Critical);
    EXPECT_EQ(box.text.rfind("mlsexp.dat: ", 0), 0U) << box.text;
  }
}

TEST_F(OffSeasonTest, TemplateIsAValidScheduleForEveryMlsSize) {
  for (const ScheduleLayout& layout : {kMls10Schedule, kMls12Schedule, kMls14Schedule}) {
    const int clubs = layout.teams;
    // Conference orders as a season may leave them: reversed club order.
    for (int k = 1; k <= clubs / 2; ++k) {
      g().EastOrder(k) = clubs - 2 * (k - 1);
      g().WestOrder(k) = clubs - 1 - 2 * (k - 1);
    }
    const Schedule schedule = readSchedule(KERVALE_WORLD_DIR, layout);
    applyMlsTemplate(g(), schedule);
    for (int round = 0; round < layout.rounds; ++round) {
      std::set<double> seen;
      for (int k = 1; k <= clubs; ++k) seen.insert(g().FixtureMLSTemplate(round * clubs + k));
      EXPECT_EQ(seen.size(), static_cast<std::size_t>(clubs)) << layout.fileName << " round " << round + 1;
      EXPECT_EQ(*seen.begin(), 1);
      EXPECT_EQ(*seen.rbegin(), clubs);
    }
    int unchanged = 0;
    for (int i = 1; i <= schedule.size(); ++i) unchanged += g().FixtureMLSTemplate(i) == schedule.entry(i) ? 1 : 0;
    EXPECT_LT(unchanged, schedule.size()) << layout.fileName << ": the conference orders were not applied";
  }
}

struct FileCase {
  const char* what;
  std::string content;
  const char* problem;
};

const std::string kRecordTail = R"("Stadium",20000,0.6,0,10,200,255,255,255,"Moved","","","",0,0,0,0,0,0,0,0)";
std::string fileRecord(int moved, int slot) {
  return std::to_string(moved) + R"(,"Club","badge.png",)" + std::to_string(slot) + "," + kRecordTail + "\r\n";
}

TEST_F(OffSeasonTest, ExpansionFileIsCheckedWhole) {
  const ExpansionRecord good = [&] {
    dir.write("ok/mlsexp.dat", "2\r\n" + fileRecord(0, 0) + fileRecord(20, 1));
    return readExpansionFile(dir.path() / "ok").front();
  }();
  EXPECT_EQ(good.club.colour1, "&H00AC8");
  std::string many = "51\r\n";
  for (int i = 0; i < 51; ++i) many += fileRecord(0, i % 2);
  const FileCase bad[] = {
      {"short", "2\r\n" + fileRecord(0, 0) + "0,\"Club\"", "record 2"},
      {"club 300", "1\r\n" + fileRecord(300, 0), "moved club 300"},
      {"club 5", "1\r\n" + fileRecord(5, 0), "moved club 5"},
      {"slot 2", "1\r\n" + fileRecord(0, 2), "slot 2"},
      {"51 records", many, "count 51"},
      // What goes to the club tables must fit their ranges, or a game with
      // the new club would save a file it refuses.
      {"half a seat", "1\r\n" + fileRecord(0, 0).replace(fileRecord(0, 0).find(",20000,"), 7, ",20000.5,"),
       "not a whole number"},
      {"fans of the world", "1\r\n" + fileRecord(0, 0).replace(fileRecord(0, 0).find(",0.6,"), 5, ",1e6,"),
       "fan demand is 1000000, outside 0 to 2"},
      // Past the file's bounds, within a save's: play grows both from here.
      {"fans past 2", "1\r\n" + fileRecord(0, 0).replace(fileRecord(0, 0).find(",0.6,"), 5, ",2.5,"),
       "fan demand is 2.5, outside 0 to 2"},
      {"seats past 200000", "1\r\n" + fileRecord(0, 0).replace(fileRecord(0, 0).find(",20000,"), 7, ",200001,"),
       "capacity is 200001, outside 0 to 200000"},
      {"colour 256", "1\r\n" + fileRecord(0, 0).replace(fileRecord(0, 0).find(",200,"), 5, ",256,"), "256"},
  };
  for (const FileCase& c : bad) {
    dir.write(std::string(c.what) + "/mlsexp.dat", c.content);
    try {
      readExpansionFile(dir.path() / c.what);
      ADD_FAILURE() << c.what << " was accepted";
    } catch (const FileError& error) {
      EXPECT_EQ(error.fileName(), "mlsexp.dat") << c.what;
      EXPECT_NE(error.problem().find(c.problem), std::string::npos) << c.what << ": " << error.problem();
    }
  }
}

}  // namespace
}  // namespace kervale::test
