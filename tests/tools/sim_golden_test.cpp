// kervale-sim against outputs kept from earlier runs: a change that moves a
// single random draw or result fails here. A change that alters results on
// purpose regenerates them with scripts/sim-references.sh --golden.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "base/csv.h"
#include "sim_run.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

// Beside this file; the world folder is the one place of the sources the tests know.
const fs::path kGolden = fs::path(KERVALE_WORLD_DIR).parent_path() / "tests" / "tools" / "golden";

std::string withoutTiming(const std::string& out) {
  const auto at = out.find("microseconds_per_match=");
  return at == std::string::npos ? out : out.substr(0, at);
}

struct MatchCase {
  const char* file;
  std::vector<std::string> args;
};

TEST(SimGolden, ComputerMatchesKeepTheirAverages) {
  const std::vector<MatchCase> cases = {
      {"matches-63-71-s4.txt", {"--matches", "300", "--home", "63", "--away", "71", "--seed", "4"}},
      {"matches-3-228-s9.txt", {"--matches", "300", "--home", "3", "--away", "228", "--seed", "9"}},
  };
  for (const MatchCase& c : cases) {
    std::vector<std::string> args = c.args;
    args.insert(args.end(), {"--world", KERVALE_WORLD_DIR});
    const kervale::test::SimRun run = kervale::test::runSim(args);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(withoutTiming(run.out), kervale::readWholeFile(kGolden / c.file)) << c.file;
  }
}

TEST(SimGolden, DaysOfAnEnglishClubKeepTheirResultsAndSavedGame) {
  const kervale::test::TempDir scratch;
  const fs::path save = scratch.path() / "game.sav";
  const kervale::test::SimRun run = kervale::test::runSim(
      {"--world", KERVALE_WORLD_DIR, "--club", "60", "--days", "21", "--seed", "5", "--save", save.string()});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, kervale::readWholeFile(kGolden / "days-60-21-s5.txt"));

  const fs::path sum = scratch.path() / "cksum";
  ASSERT_EQ(std::system(("cksum <'" + save.string() + "' >'" + sum.string() + "'").c_str()), 0);
  EXPECT_EQ(kervale::readWholeFile(sum), kervale::readWholeFile(kGolden / "days-60-21-s5.sav.cksum"));
}

}  // namespace
