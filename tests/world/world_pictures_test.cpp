// The pictures the screens load by name, and nothing else in the folder.
#include <gtest/gtest.h>

#include <set>

#include "world_files.h"

namespace kervale::worldtest {
namespace {

// The fixed pictures of the screens (the data files name the rest).
const char* const kFixedPictures[] = {
    "splash.jpg",           "hub.jpg",
    "tactics board.png",    "locker.png",
    "background.jpg",       "country usa.png",
    "country england.png",  "country australia.png",
    "country germany.png",  "country scotland.png",
    "country mexico.png",   "button squad.png",
    "button tactics.png",   "button reserves.png",
    "button portal.png",    "button scouting.png",
    "button chairman.png",  "button training.png",
    "button club page.png", "button continue.png",
};

TEST(WorldPictures, FixedAndPitchPicturesAreShowable) {
  for (const char* name : kFixedPictures) EXPECT_TRUE(isShowablePicture(name)) << name;
  for (int p = 1; p <= 8; ++p) {
    const std::string name = "pitch " + std::to_string(p) + ".jpg";
    EXPECT_EQ(pictureKind(name), PictureKind::Jpeg) << name;
  }
}

TEST(WorldPictures, FolderHoldsOnlyDataFilesAndNamedPictures) {
  std::set<std::string> expected = {
      "mlsdata2.dat", "players2.dat", "commentary.dat", "skills.dat",  "tactics.dat", "flow.dat",     "formation.dat",
      "Position.dat", "refs.dat",     "sponsors.dat",   "nat.dat",     "pic.dat",     "usafirst.dat", "usalast.dat",
      "engfirst.dat", "englast.dat",  "gerfirst.dat",   "gerlast.dat", "mls 10.dat",  "mls 12.dat",   "mls 14.dat",
      "fixt6.dat",    "fixt12.dat",   "fixt14.dat",     "fixt18.dat",  "fixt20.dat",  "fixt24.dat",   "mlsexp.dat",
  };
  for (const char* name : kFixedPictures) expected.insert(name);
  for (int p = 1; p <= 8; ++p) expected.insert("pitch " + std::to_string(p) + ".jpg");
  const auto clubs = readClubs();
  for (int c = 1; c <= 285; ++c) expected.insert(clubs[c].logo);
  CsvReader nations = openWorldFile("nat.dat");
  for (int n = nations.nextInt16(); n > 0; --n) {
    nations.next();
    nations.next();
    expected.insert(nations.nextText());
  }
  CsvReader expansion = openWorldFile("mlsexp.dat");
  for (int r = expansion.nextInt16(); r > 0; --r) {
    for (int field = 1; field <= 25; ++field) {
      const std::string value = expansion.nextText();
      if ((field == 3 || field == 15) && !value.empty()) expected.insert(value);
    }
  }

  std::set<std::string> present;
  for (const auto& entry : std::filesystem::directory_iterator(KERVALE_WORLD_DIR)) {
    present.insert(entry.path().filename().string());
  }
  for (const std::string& name : present) EXPECT_TRUE(expected.count(name)) << name << " is named by nothing";
  for (const std::string& name : expected) EXPECT_TRUE(present.count(name)) << name << " is missing";
}

}  // namespace
}  // namespace kervale::worldtest
