// The club file against what the loader, the new-game screen, the cups and
// the leagues expect of it.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "world_files.h"

namespace kervale::worldtest {
namespace {

class ClubFile : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { clubs_ = new std::vector<ClubRecord>(readClubs()); }
  static void TearDownTestSuite() {
    delete clubs_;
    clubs_ = nullptr;
  }
  const ClubRecord& club(int c) const { return (*clubs_)[c]; }
  static std::vector<ClubRecord>* clubs_;
};
std::vector<ClubRecord>* ClubFile::clubs_ = nullptr;

TEST_F(ClubFile, EveryClubIsAFullRecordWithItsOwnName) {
  std::set<std::string> names;
  for (int c = 1; c <= 285; ++c) {
    SCOPED_TRACE("club " + std::to_string(c));
    EXPECT_FALSE(club(c).name.empty());
    EXPECT_FALSE(club(c).nickname.empty());
    EXPECT_FALSE(club(c).venue.empty());
    EXPECT_FALSE(club(c).logo.empty());
    EXPECT_TRUE(names.insert(club(c).name).second) << club(c).name << " twice";
    EXPECT_GT(club(c).seats, 0);
    EXPECT_GE(club(c).approval, 0.4);
    EXPECT_LE(club(c).approval, 0.9);
  }
}

TEST_F(ClubFile, ColourComponentsKeepTwoHexDigits) {
  // A component 1..15 is written as one digit and shifts the colour text.
  for (int c = 1; c <= 285; ++c) {
    for (double component : club(c).colours) {
      EXPECT_TRUE(component == 0 || (component >= 16 && component <= 255)) << "club " << c << ": " << component;
      EXPECT_EQ(component, static_cast<int>(component)) << "club " << c;
    }
    const auto& k = club(c).colours;
    EXPECT_FALSE(k[0] == k[3] && k[1] == k[4] && k[2] == k[5]) << "club " << c << " has one colour twice";
  }
}

TEST_F(ClubFile, MlsHasFiveClubsInEachConference) {
  std::map<int, int> conference;
  for (int c = 1; c <= 10; ++c) ++conference[club(c).division];
  EXPECT_EQ(conference[0], 5);
  EXPECT_EQ(conference[1], 5);
  // The first new club of an expansion joins the West, the second the East.
  EXPECT_EQ(club(11).division, 1);
  EXPECT_EQ(club(12).division, 0);
  EXPECT_EQ(club(13).division, 1);
  EXPECT_EQ(club(14).division, 0);
}

TEST_F(ClubFile, CanadaCupAndUsOpenCupSeedingFit) {
  int canada = 0, seedingSlots = 0, code2 = 0;
  for (int c = 1; c <= 52; ++c) {
    SCOPED_TRACE("club " + std::to_string(c));
    if (club(c).division == 2) {
      ++canada;
      EXPECT_GT(c, 14);
    }
    EXPECT_TRUE(club(c).cupCode == 0 || club(c).cupCode == 2);
    if (club(c).cupCode == 2) ++code2;
    if (club(c).cupCode != 2) ++seedingSlots;
  }
  EXPECT_LE(canada, 4);
  EXPECT_LE(code2, 6);
  // The round-1 seeding places the 46 clubs 1..10 and 17..52 on free slots.
  EXPECT_GE(seedingSlots, 46);
}

TEST_F(ClubFile, CupCodesKeepEachClubInItsOwnCup) {
  for (int c = 53; c <= 144; ++c) EXPECT_EQ(club(c).cupCode, 16) << "club " << c;
  for (int c = 145; c <= 285; ++c) {
    const int code = club(c).cupCode;
    EXPECT_TRUE(code != 0 && code != 2 && code != 16) << "club " << c << " has cup code " << code;
  }
}

TEST_F(ClubFile, EnglishDivisionsFollowClubOrder) {
  std::map<int, int> count;
  int previous = 1;
  for (int c = 53; c <= 144; ++c) {
    const int d = club(c).division;
    ASSERT_GE(d, 1) << "club " << c;
    ASSERT_LE(d, 4) << "club " << c;
    EXPECT_GE(d, previous) << "club " << c << " out of order";
    previous = d;
    ++count[d];
  }
  EXPECT_EQ(count[1], 20);
  EXPECT_EQ(count[2], 24);
  EXPECT_EQ(count[3], 24);
  EXPECT_EQ(count[4], 24);
  for (int c = 145; c <= 148; ++c) {
    EXPECT_TRUE(club(c).division < 1 || club(c).division > 4) << "club " << c;
  }
}

TEST_F(ClubFile, GermanAndMexicanLeaguesAreFull) {
  std::map<int, int> german;
  for (int c = 165; c <= 203; ++c) ++german[club(c).division];
  EXPECT_EQ(german[1], 18);
  EXPECT_EQ(german[2], 18);
  std::map<int, int> groups;
  for (int c = 205; c <= 224; ++c) ++groups[club(c).division];
  ASSERT_EQ(groups.size(), 4u);
  for (int g = 1; g <= 4; ++g) EXPECT_EQ(groups[g], 5) << "group " << g;
}

TEST_F(ClubFile, ReputationsReachEveryPitchPicture) {
  // The pitch picture steps at 20, 30, 45, 50, 55, 65 and 75.
  const double steps[] = {20, 30, 45, 50, 55, 65, 75};
  int perPicture[8] = {};
  for (int c = 1; c <= 285; ++c) {
    const double r = club(c).reputation;
    EXPECT_GE(r, 1);
    EXPECT_LE(r, 99);
    int picture = 8;
    for (double step : steps) picture -= r > step ? 1 : 0;
    ++perPicture[picture - 1];
  }
  for (int p = 0; p < 8; ++p) EXPECT_GE(perPicture[p], 3) << "pitch " << p + 1;
}

TEST_F(ClubFile, BadgesAreShowablePictures) {
  for (int c = 1; c <= 285; ++c) EXPECT_TRUE(isShowablePicture(club(c).logo)) << club(c).logo;
}

}  // namespace
}  // namespace kervale::worldtest
