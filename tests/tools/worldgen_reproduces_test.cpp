// The committed world/ is exactly what the generator writes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

std::string quoted(const fs::path& path) { return "'" + path.string() + "'"; }

int runGenerator(const fs::path& output) {
  return std::system((quoted(KERVALE_WORLDGEN_PATH) + " " + quoted(output) + " 2>/dev/null").c_str());
}

std::map<std::string, std::string> readFolder(const fs::path& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::directory_iterator(folder)) {
    std::ifstream in(entry.path(), std::ios::binary);
    files[entry.path().filename().string()] = std::string(std::istreambuf_iterator<char>(in), {});
  }
  return files;
}

TEST(WorldGenerator, ReproducesTheCommittedWorldByteForByte) {
  const kervale::test::TempDir scratch;
  const fs::path output = scratch.path() / "world";
  ASSERT_EQ(runGenerator(output), 0);
  const auto fresh = readFolder(output);
  const auto committed = readFolder(KERVALE_WORLD_DIR);
  ASSERT_FALSE(fresh.empty());
  for (const auto& [name, content] : fresh) {
    const auto found = committed.find(name);
    if (found == committed.end()) {
      ADD_FAILURE() << name << " is missing from world/";
    } else {
      EXPECT_TRUE(found->second == content) << name << " differs from the generator's output";
    }
  }
  for (const auto& [name, content] : committed) {
    EXPECT_TRUE(fresh.count(name)) << name << " in world/ is not written by the generator";
  }
}

TEST(WorldGenerator, ReportsAFolderItCannotWrite) {
  // A plain file stands where the folder should be made.
  const kervale::test::TempDir scratch;
  const fs::path blocker = scratch.write("blocker", "not a folder");
  EXPECT_NE(runGenerator(blocker / "world"), 0);
  EXPECT_FALSE(fs::exists(blocker / "world"));
}

TEST(WorldGenerator, TakesNoOptionForAFolder) {
  // Run inside a scratch folder: a world written there would be named after the option.
  const kervale::test::TempDir scratch;
  const auto run = [&scratch](const std::string& arguments) {
    return std::system(
        ("cd " + quoted(scratch.path()) + " && " + quoted(KERVALE_WORLDGEN_PATH) + " " + arguments + " 2>/dev/null")
            .c_str());
  };
  EXPECT_EQ(run("--help"), 0);
  EXPECT_NE(run("-x"), 0);
  EXPECT_NE(run("one two"), 0);
  EXPECT_TRUE(fs::is_empty(scratch.path())) << "no world was written";
}

}  // namespace
