// Seeded reference runs: a fixed world, seed and club play 150 days and save.
// The saved game holds every table, so any change to how a new game is set up
// or how days, matches, cups, transfers and money play out changes its digest.
// A deliberate change of play updates the digests here.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>

#include "sim_run.h"
#include "support/temp_dir.h"

namespace {

std::uint64_t fnv1a(const std::string& bytes) {
  std::uint64_t h = 14695981039346656037ull;
  for (unsigned char c : bytes) h = (h ^ c) * 1099511628211ull;
  return h;
}

TEST(ReferenceDays, SeededRunsSaveTheSameGame) {
  struct Case {
    const char* club;  // an MLS, an English and an Australian club
    std::uint64_t digest;
  };
  const Case cases[] = {
      {"3", 9518877954911587556ull}, {"70", 17882058552795510351ull}, {"230", 13206948226203239827ull}};
  kervale::test::TempDir out;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.club);
    const auto file = out.path() / (std::string(c.club) + ".usa");
    const auto run = kervale::test::runSim(
        {"--world", KERVALE_WORLD_DIR, "--seed", "4", "--club", c.club, "--days", "150", "--save", file.string()});
    ASSERT_EQ(run.status, 0) << run.err;
    std::ifstream in(file, std::ios::binary);
    const std::string saved{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_EQ(fnv1a(saved), c.digest);
  }
}

}  // namespace
