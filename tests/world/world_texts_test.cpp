// Commentary, words, names, referees, sponsors, nations, the expansion file
// and the default background.
#include <gtest/gtest.h>

#include <set>

#include "world_files.h"

namespace kervale::worldtest {
namespace {

std::vector<std::string> readCountedTexts(const std::string& file) {
  CsvReader in = openWorldFile(file);
  const double count = in.nextNumber();
  std::vector<std::string> texts;
  for (int i = 0; i < count; ++i) texts.push_back(in.nextText());
  if (!in.atEnd()) in.fail("holds more than its count");
  return texts;
}

TEST(WorldTexts, CommentaryHasFiftyLinesAndJoinedLinesStartWithABlank) {
  CsvReader in = openWorldFile("commentary.dat");
  // Lines joined directly after a player's name: the kicker (2), the fouler
  // (7..15), the penalty taker (34) and the player on the ball (41..50).
  std::set<int> joined = {2, 34};
  for (int i = 7; i <= 15; ++i) joined.insert(i);
  for (int i = 41; i <= 50; ++i) joined.insert(i);
  for (int line = 1; line <= 50; ++line) {
    const CsvValue value = in.next();
    SCOPED_TRACE("line " + std::to_string(line) + ": " + value.text);
    EXPECT_TRUE(value.quoted);
    ASSERT_GE(value.text.size(), 2u);
    EXPECT_EQ(value.text[0] == ' ', joined.count(line) == 1);
    EXPECT_NE(value.text.rfind("  ", 0), 0u) << "two blanks in front";
    EXPECT_NE(value.text.back(), ' ');
  }
  EXPECT_TRUE(in.atEnd());
}

TEST(WorldTexts, SkillWordsAndWageTable) {
  CsvReader in = openWorldFile("skills.dat");
  std::set<std::string> ratingWords, aggressionWords;
  for (int i = 0; i <= 20; ++i) EXPECT_TRUE(ratingWords.insert(in.nextText()).second) << "rating word " << i;
  for (int i = 0; i <= 20; ++i) EXPECT_TRUE(aggressionWords.insert(in.nextText()).second) << "aggression word " << i;
  ratingWords.erase("");
  aggressionWords.erase("");
  EXPECT_EQ(ratingWords.size(), 21u);
  EXPECT_EQ(aggressionWords.size(), 21u);
  double previous = 0;
  for (int sum = 5; sum <= 54; ++sum) {
    const double wage = in.nextNumber();
    EXPECT_GE(wage, 1) << "sum " << sum;
    EXPECT_GE(wage, previous) << "sum " << sum;
    previous = wage;
  }
  EXPECT_TRUE(in.atEnd());
}

TEST(WorldTexts, NameFilesHoldNames) {
  for (const char* file :
       {"usafirst.dat", "usalast.dat", "engfirst.dat", "englast.dat", "gerfirst.dat", "gerlast.dat"}) {
    SCOPED_TRACE(file);
    const auto names = readCountedTexts(file);
    EXPECT_GE(names.size(), 50u);
    for (const std::string& name : names) EXPECT_FALSE(name.empty());
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size());
  }
  // The youth names take at most the first 200 first names.
  EXPECT_LE(readCountedTexts("engfirst.dat").size(), 200u);
}

TEST(WorldTexts, RefereesAndSponsors) {
  CsvReader refs = openWorldFile("refs.dat");
  const int count = refs.nextInt16();
  EXPECT_GE(count, 1);
  EXPECT_LE(count, 40);
  for (int r = 1; r <= count; ++r) {
    EXPECT_FALSE(refs.nextText().empty());
    // Fouls need two rolls above Int(Rnd x strictness): 0 calls everything.
    const double strictness = refs.nextNumber();
    EXPECT_GE(strictness, 20) << "referee " << r;
    EXPECT_LE(strictness, 100) << "referee " << r;
  }
  EXPECT_TRUE(refs.atEnd());

  const auto sponsors = readCountedTexts("sponsors.dat");
  EXPECT_GE(sponsors.size(), 1u);
  EXPECT_LE(sponsors.size(), 100u);
  EXPECT_EQ(std::set<std::string>(sponsors.begin(), sponsors.end()).size(), sponsors.size());
}

TEST(WorldTexts, EveryNationHasAFlag) {
  CsvReader in = openWorldFile("nat.dat");
  const int count = in.nextInt16();
  EXPECT_GE(count, 1);
  EXPECT_LE(count, 285);
  std::set<std::string> names, flags;
  for (int n = 1; n <= count; ++n) {
    in.next();  // not kept
    const std::string name = in.nextText();
    const std::string flag = in.nextText();
    EXPECT_TRUE(names.insert(name).second) << name;
    EXPECT_TRUE(flags.insert(flag).second) << flag;
    EXPECT_TRUE(isShowablePicture(flag)) << flag;
  }
  EXPECT_TRUE(in.atEnd());
}

TEST(WorldTexts, DefaultBackgroundIsAPicture) {
  CsvReader in = openWorldFile("pic.dat");
  const std::string picture = in.nextText();
  EXPECT_TRUE(in.atEnd());
  EXPECT_TRUE(isShowablePicture(picture)) << picture;
}

TEST(WorldTexts, ExpansionFileOffersTwoFreshClubsForEachNewSlot) {
  const auto clubs = readClubs();
  std::set<std::string> names;  // the world's clubs, then the expansion's
  for (int c = 1; c <= 285; ++c) names.insert(clubs[c].name);

  CsvReader in = openWorldFile("mlsexp.dat");
  const int count = in.nextInt16();
  ASSERT_GE(count, 4);
  ASSERT_LE(count, 50);
  // A new club, or the club that moves: name, logo, slot (dropped for the
  // moved club), venue, seats, fan demand and two colours.
  auto readClub = [&](int* slot) {
    const std::string name = in.nextText(), logo = in.nextText();
    if (slot != nullptr) {
      *slot = in.nextInt16();
    } else {
      in.next();
    }
    const std::string venue = in.nextText();
    const double seats = in.nextNumber(), fanDemand = in.nextNumber();
    for (int k = 0; k < 6; ++k) {
      const double component = in.nextNumber();
      EXPECT_TRUE(component == 0 || (component >= 16 && component <= 255)) << name << " colour " << k;
    }
    return [=, &names] {
      EXPECT_TRUE(names.insert(name).second) << name << " is not fresh";
      EXPECT_FALSE(venue.empty()) << name;
      EXPECT_GT(seats, 0) << name;
      EXPECT_GT(fanDemand, 0) << name;
      EXPECT_TRUE(isShowablePicture(logo)) << logo;
    };
  };
  int slots[2] = {};
  std::set<int> moved;
  for (int r = 1; r <= count; ++r) {
    SCOPED_TRACE("record " + std::to_string(r));
    const int movedClub = in.nextInt16();
    int slot = -1;
    readClub (&slot)();
    ASSERT_TRUE(slot == 0 || slot == 1);
    ++slots[slot];
    const auto checkMoved = readClub(nullptr);
    if (movedClub != 0) {
      EXPECT_GE(movedClub, 17);
      EXPECT_LE(movedClub, 34);
      EXPECT_TRUE(moved.insert(movedClub).second) << "club " << movedClub << " moves twice";
      checkMoved();
    }
  }
  EXPECT_TRUE(in.atEnd());
  // Two expansions, each drawing one club per slot from unused names.
  EXPECT_GE(slots[0], 2);
  EXPECT_GE(slots[1], 2);
}

}  // namespace
}  // namespace kervale::worldtest
