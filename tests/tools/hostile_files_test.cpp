// Data files a player edited badly: kervale-sim refuses each one with the
// file, the place and the value, and plays a file with a byte-order mark as
// the clean one.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/csv.h"
#include "data/small_world.h"
#include "sim_run.h"
#include "support/temp_dir.h"

namespace {

using kervale::test::quoted;
using kervale::test::runSim;
using kervale::test::SimRun;
using kervale::test::TempDir;

struct HostileFile {
  const char* file;
  std::string content;
  const char* named;  // how the error line ends: a bound is named whole
};

std::string refs(const std::string& second) { return "2\r\n\"Ref One\",5\r\n" + second + "\r\n"; }

std::string player(const std::string& fields) {
  return "1\r\n1," + quoted("Pat Edit") + "," + fields + ",25,3,30,4,10,11,12,14,15,16,17,18,19,20,0,5,17\r\n";
}

std::string clubsWithThird(const std::string& record) {
  std::string content;
  for (int i = 1; i <= 285; ++i) {
    content +=
        i == 3 ? record : kervale::test::clubRecord(i, "Club " + std::to_string(i), kervale::test::validDivision(i));
  }
  return content;
}

std::string skillsWithWage(const std::string& wage) {
  std::string skills;
  for (int k = 0; k <= 41; ++k) skills += quoted("Word " + std::to_string(k)) + "\r\n";
  for (int k = 5; k <= 54; ++k) skills += (k == 54 ? wage : std::to_string(k)) + "\r\n";
  return skills;
}

std::string tacticsWith(const std::string& factors) {
  return "2\r\n\"Balanced\",1,1,1\r\n\"Edited\"," + factors + "\r\n";
}

std::string positionsWithHeaderTwice() {
  const std::string good = kervale::test::positionFile(12, 8);
  return good.substr(0, good.find("\r\n") + 2) + good;
}

std::string positionsWithFactor(const std::string& factor) {
  std::string content = kervale::test::positionFile(12, 8);
  const std::size_t first = content.find(",111e-3");
  return content.replace(first + 1, 6, factor);
}

const std::vector<HostileFile>& hostileFiles() {
  static const std::vector<HostileFile> cases = {
      {"refs.dat", refs("\"Ref Two\",-50"), "strictness is -50, outside 0 to 100"},
      {"refs.dat", refs("\"Ref Two\",99999999999"), "strictness is 99999999999, outside 0 to 100"},
      {"refs.dat", refs("\"Ref Two\",stern"), "(\"stern\") is not a number"},
      {"refs.dat", refs("\"\",40"), "line 3, value 4: name is empty"},
      {"refs.dat", refs("\"Ref\x07Two\",40"), "name holds control character 7"},
      {"tactics.dat", tacticsWith("0,0,0"), "factor is 0, outside .25 to 4"},
      {"tactics.dat", tacticsWith("1,1e12,1"), "factor is 1000000000000, outside .25 to 4"},
      {"Position.dat", positionsWithHeaderTwice(), "name \"12\" is not a quoted text"},
      {"Position.dat", positionsWithFactor("0"), "factor is 0, outside .01 to 4"},
      {"Position.dat", positionsWithFactor("9e9"), "factor is 9000000000, outside .01 to 4"},
      {"skills.dat", skillsWithWage("99999999999"), "wage value is 99999999999, outside 0 to 1000"},
      {"skills.dat", skillsWithWage("-3"), "wage value is -3, outside 0 to 1000"},
      {"mlsdata2.dat", clubsWithThird("\"Club 3\",\"N\",\"\",-7,\"G\",0,0.5,50,0,1,2,3,4,5,6\r\n"),
       "division code is -7, outside 0 to 4"},
      {"mlsdata2.dat", clubsWithThird("\"Club 3\",\"N\",\"\",3,\"G\",0,0.5,50,0,1,2,3,4,5,6\r\n"),
       "club 3 conference code 3 is outside 0..2"},
      {"mlsdata2.dat", clubsWithThird("\"Club 3\",\"N\",\"\",1,\"G\",0,7,50,0,1,2,3,4,5,6\r\n"),
       "approval is 7, outside 0 to 1"},
      {"players2.dat", "0\r\n", "count is 0, outside 1 to 10000"},
      {"players2.dat", player("-7,5,5,5"), "goalkeeping is -7, outside 0 to 100"},
      // Past a data file's bound, within a save's: play grows ratings from here.
      {"players2.dat", player("100.5,5,5,5"), "goalkeeping is 100.5, outside 0 to 100"},
      {"players2.dat", player("5,5,5,99999999999"), "attacking is 99999999999, outside 0 to 100"},
      {"players2.dat", player("5,,5,5"), "defending is empty"},
      {"players2.dat", player("5,five,5,5"), "(\"five\") is not a number"},
      {"flow.dat", "0\r\n", "count is 0, outside 1 to 8"},
      {"formation.dat", "0\r\n", "count is 0, outside 1 to 50"},
      {"nat.dat", "-1\r\n", "count is -1, outside 1 to 285"},
      {"sponsors.dat", "1\r\n\"\"\r\n", "name is empty"},
      {"usafirst.dat", "1\r\nWalter\r\n", "name \"Walter\" is not a quoted text"},
  };
  return cases;
}

class HostileFiles : public ::testing::Test {
 protected:
  HostileFiles() { kervale::test::writeSmallWorld(world); }
  SimRun sim() { return runSim({"--world", world.str(), "--seed", "5"}); }
  TempDir world;
};

TEST_F(HostileFiles, EachIsRefusedNamingFileAndValue) {
  for (const HostileFile& c : hostileFiles()) {
    kervale::test::writeSmallWorld(world);
    world.write(c.file, c.content);
    const SimRun run = sim();
    EXPECT_EQ(run.status, 2) << c.file << ": " << c.named;
    const std::string prefix = std::string("error: ") + c.file + ": ";
    EXPECT_EQ(run.err.rfind(prefix, 0), 0u) << run.err;
    const std::string line = run.err.substr(0, run.err.find('\n'));
    EXPECT_TRUE(line.ends_with(c.named)) << "wanted: " << c.named << "\ngot: " << run.err;
  }
}

// A count line typed twice shifts every record: the count lands where a name
// belongs.
TEST_F(HostileFiles, ARepeatedCountLineIsRefused) {
  for (const char* file : {"players2.dat", "refs.dat", "nat.dat", "sponsors.dat", "tactics.dat", "flow.dat",
                           "formation.dat", "usalast.dat"}) {
    kervale::test::writeSmallWorld(world);
    const std::string content = kervale::readWholeFile(world.path() / file);
    world.write(file, content.substr(0, content.find("\r\n") + 2) + content);
    const SimRun run = sim();
    EXPECT_EQ(run.status, 2) << file;
    EXPECT_EQ(run.err.rfind(std::string("error: ") + file + ": ", 0), 0u) << run.err;
    EXPECT_NE(run.err.find("is not a quoted text"), std::string::npos) << run.err;
  }
}

TEST_F(HostileFiles, AByteOrderMarkIsSkipped) {
  const SimRun clean = sim();
  ASSERT_EQ(clean.status, 0) << clean.err;
  for (const char* file : {"mlsdata2.dat", "players2.dat", "refs.dat", "Position.dat"}) {
    kervale::test::writeSmallWorld(world);
    const std::string content = kervale::readWholeFile(world.path() / file);
    world.write(file, "\xEF\xBB\xBF" + content);
    const SimRun marked = sim();
    ASSERT_EQ(marked.status, 0) << file << ": " << marked.err;
    EXPECT_EQ(marked.out, clean.out) << file;
  }
}

}  // namespace
