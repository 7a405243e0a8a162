// The tools behind the range sweeps reach every value: every number the
// data-file readers check, every item a saved game carries, each at both ends.
// A value they lose is one no sweep ever tries, and the sweep stays green.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "base/csv.h"
#include "data/mls_module.h"
#include "shell/saved_game.h"
#include "shell/saved_game_layout.h"
#include "sim_run.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using kervale::test::runTool;
using kervale::test::SimRun;
using kervale::test::TempDir;

// A line of kervale-world-edges --list: id, file, record, name, end, value.
std::vector<std::vector<std::string>> editsOf(const SimRun& run) {
  std::vector<std::vector<std::string>> edits;
  for (const std::string& line : run.outLines()) {
    std::vector<std::string>& edit = edits.emplace_back();
    std::istringstream in(line);
    for (std::string part; std::getline(in, part, '\t');) edit.push_back(part);
    EXPECT_TRUE(edit.size() == 6 && edit[0] == std::to_string(edits.size() - 1)) << line;
    edit.resize(6);
  }
  return edits;
}

// The index of the low edit of a field; -1 when none.
int lowEdit(const std::vector<std::vector<std::string>>& edits, const std::string& file, const std::string& record,
            const std::string& name) {
  for (std::size_t k = 0; k < edits.size(); ++k) {
    if (edits[k][1] == file && edits[k][2] == record && edits[k][3] == name && edits[k][4] == "low") {
      return static_cast<int>(k);
    }
  }
  return -1;
}

std::vector<std::string> valuesOf(const fs::path& file) {
  kervale::CsvReader reader = kervale::CsvReader::fromFile(file);
  std::vector<std::string> values;
  while (!reader.atEnd()) values.push_back(reader.next().text);
  return values;
}

// The files of world/ that hold a bare number: each one a reader checks.
std::set<std::string> filesWithNumbers(const fs::path& world) {
  std::set<std::string> files;
  for (const auto& entry : fs::directory_iterator(world)) {
    if (entry.path().extension() != ".dat") continue;
    kervale::CsvReader file = kervale::CsvReader::fromFile(entry.path());
    while (!file.atEnd()) {
      if (file.next().isNumber()) {
        files.insert(entry.path().filename().string());
        break;
      }
    }
  }
  return files;
}

TEST(EdgeTools, WorldEdgesReachEveryDataFileAtBothEnds) {
  const SimRun run = runTool(KERVALE_WORLD_EDGES_PATH, {"--world", KERVALE_WORLD_DIR, "--club", "60", "--list"});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto edits = editsOf(run);
  // The committed world's count: fewer, and a reader no longer tells of a number.
  EXPECT_GE(edits.size(), 268u);
  ASSERT_EQ(edits.size() % 2, 0u);
  std::set<std::string> files;
  for (std::size_t k = 0; k < edits.size(); k += 2) {
    const auto& low = edits[k];
    const auto& high = edits[k + 1];
    files.insert(low[1]);
    EXPECT_TRUE(low[4] == "low" && high[4] == "high" && low[1] == high[1] && low[2] == high[2] && low[3] == high[3])
        << "edits " << k << " and " << k + 1 << " are not the two ends of one field";
    EXPECT_LE(std::stod(low[5]), std::stod(high[5])) << low[1] << " " << low[2] << " " << low[3];
  }
  const std::set<std::string> dataFiles = filesWithNumbers(KERVALE_WORLD_DIR);
  EXPECT_EQ(files, dataFiles);

  // Counts read after other files' records stand outside any record.
  for (const auto& [file, name] : {std::pair{"players2.dat", "NumPlayers"}, std::pair{"sponsors.dat", "NumSponsors"},
                                   std::pair{"mlsexp.dat", "count"}}) {
    EXPECT_GE(lowEdit(edits, file, "-", name), 0) << file << " " << name;
  }
  // Whole numbers: each schedule's teams run from 1 to the teams its name gives.
  const std::regex schedule(R"((fixt|mls )(\d+)\.dat)");
  int schedules = 0;
  for (const std::string& file : dataFiles) {
    std::smatch teams;
    if (!std::regex_match(file, teams, schedule)) continue;
    ++schedules;
    const int k = lowEdit(edits, file, "round 1", "team");
    if (k < 0) {
      ADD_FAILURE() << file << " has no edit of its teams";
      continue;
    }
    EXPECT_EQ(edits[k][5], "1") << file;
    EXPECT_EQ(edits[k + 1][5], teams[2].str()) << file;
  }
  EXPECT_EQ(schedules, 9);
}

// The items of a saved game's range table, in the order its trailer holds them.
struct ItemNames {
  std::vector<std::string> names;
  void scalar(const char* name, const auto&) { names.emplace_back(name); }
  void table(const char* name, const auto&) { names.emplace_back(name); }
  void players(const char* name, const auto&) { names.emplace_back(name); }
  void playerColumns(const char* name, const auto&) { names.emplace_back(name); }
};

TEST(EdgeTools, SaveEdgesWriteBothEndsOfEveryItemOfASave) {
  const TempDir scratch;
  const fs::path save = scratch.path() / "day3.usa";
  const auto sim = kervale::test::runSim(
      {"--world", KERVALE_WORLD_DIR, "--seed", "1", "--club", "60", "--days", "3", "--save", save.string()});
  ASSERT_EQ(sim.status, 0) << sim.err;
  const fs::path copies = scratch.path() / "copies";
  const SimRun run = runTool(KERVALE_SAVE_EDGES_PATH, {save.string(), copies.string()});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<std::string> lines = run.outLines();

  ItemNames items;
  kervale::saved_game::visitTrailer(items, *kervale::makeEmptyGame());
  std::vector<std::string> expected;
  for (const std::string& name : items.names) {
    expected.push_back(name + "-low.usa");
    expected.push_back(name + "-high.usa");
  }
  ASSERT_EQ(lines.size(), expected.size());
  for (std::size_t k = 0; k < expected.size(); ++k) {
    const std::string listed = lines[k].substr(0, lines[k].find(' '));
    ASSERT_EQ(listed, expected[k]) << "line " << k + 1;
  }
  // Each listed copy written, and nothing else.
  std::set<std::string> written;
  for (const auto& entry : fs::directory_iterator(copies)) written.insert(entry.path().filename().string());
  EXPECT_TRUE(written == std::set<std::string>(expected.begin(), expected.end())) << written.size() << " files";

  // A club item is the managed club's cell, a player item one of its players'.
  const auto line = [&](const std::string& start) {
    for (const std::string& l : lines) {
      if (l.rfind(start, 0) == 0) return l;
    }
    return std::string();
  };
  EXPECT_NE(line("TeamGames-high.usa TeamGames(60) "), "");
  const std::string age = line("PlayerAge-high.usa PlayerAge(");
  ASSERT_NE(age, "");
  const int player = std::stoi(age.substr(age.find('(') + 1));
  const auto game = kervale::readSavedGame(save, *kervale::makeEmptyGame());
  EXPECT_EQ(game->PlayerTeam(player), 60);
  // The copy differs from the save in that one cell.
  const auto before = valuesOf(save);
  const auto after = valuesOf(copies / "TeamGames-high.usa");
  ASSERT_EQ(after.size(), before.size());
  int changed = 0;
  for (std::size_t k = 0; k < after.size(); ++k) changed += after[k] != before[k] ? 1 : 0;
  EXPECT_EQ(changed, 1);
}

}  // namespace
