#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"
#include "ui/form.h"

namespace kervale::ui {
namespace {

using Names = std::vector<std::string>;

// A drive, folder and file picker.
class Picker : public Form {
 public:
  Picker() : Form("Picker") {
    File1.setPattern("*.usa;*.sav");
    Dir1.onChange = [this] {
      changes.push_back("Dir1:" + Dir1.path());
      File1.setPath(Dir1.path());
    };
    Drive1.onChange = [this] { changes.push_back("Drive1"); };
    designDone();
  }
  Names changes;
  DriveListBox Drive1{*this, "Drive1"};
  DirListBox Dir1{*this, "Dir1"};
  FileListBox File1{*this, "File1"};
};

class FolderListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* f : {"a.usa", "B.USA", "c.sav", "d.txt", "noext", ".hidden.usa", "Saves/old.usa"}) {
      dir.write(f, "x");
    }
    dir.makeDir("alpha");
    dir.makeDir(".git");
    dir.makeDir("zeta.usa");  // a folder is never a file
  }
  test::ScriptedDialogs dialogs;
  test::TempDir dir;
  Picker picker;
};

TEST_F(FolderListTest, FileListShowsMatchingFilesSortedWhateverTheCase) {
  picker.Load();
  auto& f = picker.File1;
  f.setPath(dir.str());
  EXPECT_EQ(f.state().items, (Names{"a.usa", "B.USA", "c.sav"}));
  EXPECT_EQ(f.fileName(), "");
  f.userSelectItem(1);
  EXPECT_EQ(f.fileName(), "B.USA");

  const std::pair<const char*, Names> patterns[] = {{"*.USA", {"a.usa", "B.USA"}},
                                                    {"*.*", {"a.usa", "B.USA", "c.sav", "d.txt", "noext"}},
                                                    {"?.s*; *.TXT ", {"c.sav", "d.txt"}},
                                                    {"*.BMP", {}}};
  for (const auto& [pattern, files] : patterns) {
    SCOPED_TRACE(pattern);
    f.setPattern(pattern);
    EXPECT_EQ(f.state().items, files);
    EXPECT_EQ(f.listIndex(), -1) << "a new listing has no selection";
  }
  EXPECT_EQ(f.fileName(), "");

  // New files show on the next listing.
  dir.write("e.bmp");
  f.setPath(f.path());
  EXPECT_EQ(f.state().items, (Names{"e.bmp"}));
}

TEST_F(FolderListTest, FolderListOpensSubfoldersAndGoesBackUp) {
  picker.Load();
  auto& d = picker.Dir1;
  d.setPath(dir.str());
  EXPECT_EQ(d.path(), dir.str());
  EXPECT_EQ(d.state().items, (Names{"..", "alpha", "Saves", "zeta.usa"}));
  EXPECT_EQ(picker.File1.state().items, (Names{"a.usa", "B.USA", "c.sav"}));
  d.setPath(dir.str() + "/");  // the same folder: listed again, no Change
  EXPECT_EQ(picker.changes, (Names{"Dir1:" + dir.str()}));

  d.userSelectItem(2);
  d.userDblClick();
  EXPECT_EQ(d.path(), (dir.path() / "Saves").string());
  EXPECT_EQ(d.state().items, (Names{".."}));
  EXPECT_EQ(picker.File1.state().items, (Names{"old.usa"}));

  d.userSelectItem(0);
  d.userDblClick();
  EXPECT_EQ(d.path(), dir.str());
  EXPECT_EQ(picker.changes.size(), 3u);

  d.setPath("/");
  EXPECT_EQ(d.path(), "/");
  EXPECT_NE(d.state().items.empty() ? "" : d.state().items.front(), "..") << "no way up from the root";
}

TEST_F(FolderListTest, AFolderThatCannotBeReadGivesAnEmptyList) {
  picker.Load();
  std::string missing = (dir.path() / "gone").string();
  picker.Dir1.setPath(missing);
  EXPECT_EQ(picker.Dir1.path(), missing);
  EXPECT_EQ(picker.File1.listCount(), 0);
  picker.File1.setPath((dir.path() / "a.usa").string());  // a file, not a folder
  EXPECT_EQ(picker.File1.listCount(), 0);
  picker.File1.setListIndex(0);
  EXPECT_EQ(picker.File1.fileName(), "");
}

TEST_F(FolderListTest, ListsStartInTheCurrentFolderAndRelativePathsFollowIt) {
  test::ScopedCurrentDir here(dir.path());
  picker.Load();
  EXPECT_EQ(picker.Dir1.path(), dir.str());
  EXPECT_EQ(picker.File1.path(), dir.str());
  EXPECT_EQ(picker.File1.state().items, (Names{"a.usa", "B.USA", "c.sav"}));
  EXPECT_EQ(picker.File1.pattern(), "*.usa;*.sav");
  EXPECT_TRUE(picker.changes.empty()) << "loading fires no Change";

  picker.Dir1.setPath("Saves/../alpha");
  EXPECT_EQ(picker.Dir1.path(), (dir.path() / "alpha").string());

  // One drive, already chosen.
  EXPECT_EQ(picker.Drive1.state().items, (Names{"/"}));
  EXPECT_EQ(picker.Drive1.listIndex(), 0);
  picker.Drive1.userSelectItem(0);
  EXPECT_EQ(picker.changes.size(), 1u);
}

}  // namespace
}  // namespace kervale::ui
