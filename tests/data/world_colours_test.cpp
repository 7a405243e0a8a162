// The world's club colours as the game reads them. A club's name is written
// in its second colour on its first, so every pair must read.
#include <gtest/gtest.h>

#include <string>

#include "base/colour.h"
#include "data/data_files.h"
#include "data/readers/expansion_file.h"
#include "support/world.h"

namespace kervale {
namespace {

constexpr double kLeastContrast = 3.0;

double nameContrast(const std::string& first, const std::string& second) {
  return contrastRatio(colourFromText(first), colourFromText(second));
}

TEST(WorldColours, EveryClubsNameReadsOnItsColours) {
  ASSERT_TRUE(test::worldPresent());
  auto game = makeEmptyGame();
  loadClubs(test::worldFolder(), *game);
  for (int c = 1; c <= kLastClub; ++c) {
    EXPECT_GE(nameContrast(game->TeamColour1(c), game->TeamColour2(c)), kLeastContrast)
        << "club " << c << " " << game->TeamName(c);
  }
}

TEST(WorldColours, EveryNewAndMovedClubsNameReadsOnItsColours) {
  ASSERT_TRUE(test::worldPresent());
  for (const ExpansionRecord& r : readExpansionFile(test::worldFolder())) {
    EXPECT_GE(nameContrast(r.club.colour1, r.club.colour2), kLeastContrast) << r.club.name;
    if (r.movedClub != 0) {
      EXPECT_GE(nameContrast(r.moved.colour1, r.moved.colour2), kLeastContrast) << r.moved.name;
    }
  }
}

}  // namespace
}  // namespace kervale
