#include "ui/menu.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/scripted_dialogs.h"
#include "ui/form.h"

namespace kervale::ui {
namespace {

class MenuForm : public Form {
 public:
  MenuForm() : Form("MenuForm") {
    Language_Menu.setVisible(false);
    Save_Game.setEnabled(false);
    Load_Game.onClick = [this] { clicks.push_back("Load_Game"); };
    Save_Game.onClick = [this] { clicks.push_back("Save_Game"); };
    Exit_Game.onClick = [this] { clicks.push_back("Exit_Game"); };
    English.onClick = [this] { clicks.push_back("English"); };
    Stats_Menu_Cup.onClick = [this] { clicks.push_back("Stats_Menu_Cup"); };
    designDone();
  }
  std::vector<std::string> clicks;

  MenuItem File_Menu{*this, "File_Menu", "&File"};
  MenuItem Load_Game{*this, "Load_Game", "&Load Game", &File_Menu};
  MenuItem Save_Game{*this, "Save_Game", "&Save Game", &File_Menu};
  MenuItem Separator1{*this, "Separator1", "-", &File_Menu};
  MenuItem Exit_Game{*this, "Exit_Game", "E&xit", &File_Menu};
  MenuItem Language_Menu{*this, "Language_Menu", "&Language"};
  MenuItem English{*this, "English", "&American English", &Language_Menu};
  MenuItem Stats_Menu{*this, "Stats_Menu", "S&tats"};
  MenuItem Stats_Menu_Cup{*this, "Stats_Menu_Cup", "US Open &Cup", &Stats_Menu};
};

class MenuTest : public ::testing::Test {
 protected:
  void SetUp() override { form.Load(); }
  test::ScriptedDialogs dialogs;
  MenuForm form;
};

TEST_F(MenuTest, TheMenuBarAndSubmenusKeepTheOrderOfCreation) {
  ASSERT_EQ(form.menuBar().size(), 3u);
  EXPECT_EQ(form.menuBar()[0], &form.File_Menu);
  EXPECT_EQ(form.menuBar()[1], &form.Language_Menu);
  EXPECT_EQ(form.menuBar()[2], &form.Stats_Menu);
  EXPECT_EQ(form.allMenus().size(), 9u);
  EXPECT_EQ(form.File_Menu.children(),
            (std::vector<MenuItem*>{&form.Load_Game, &form.Save_Game, &form.Separator1, &form.Exit_Game}));
  EXPECT_EQ(form.Exit_Game.parent(), &form.File_Menu);
  EXPECT_EQ(accessKey(form.File_Menu.caption()), 'f');
  EXPECT_EQ(accessKey(form.Exit_Game.caption()), 'x');
  EXPECT_EQ(shownCaption(form.Stats_Menu.caption()), "Stats");
}

TEST_F(MenuTest, OnlyReachableItemsAnswerClicks) {
  form.Load_Game.userClick();
  form.Save_Game.userClick();  // disabled
  form.English.userClick();    // its menu is hidden
  form.Separator1.userClick();
  form.Save_Game.setEnabled(true);
  form.Save_Game.userClick();

  form.File_Menu.setEnabled(false);  // a disabled menu disables its items
  form.Exit_Game.userClick();
  form.File_Menu.setEnabled(true);
  form.Exit_Game.setVisible(false);
  form.Exit_Game.userClick();
  EXPECT_EQ(form.clicks, (std::vector<std::string>{"Load_Game", "Save_Game"}));

  form.Unload();
  form.Load_Game.userClick();
  EXPECT_EQ(form.clicks.size(), 2u) << "the menu of an unloaded form does nothing";
}

TEST_F(MenuTest, PropertiesChangeAndReturnToDesignOnLoad) {
  form.Stats_Menu_Cup.setCaption("FA Cup");
  form.Stats_Menu_Cup.setChecked(true);
  form.Language_Menu.setVisible(true);
  form.English.userClick();
  form.Stats_Menu_Cup.userClick();
  EXPECT_EQ(form.clicks, (std::vector<std::string>{"English", "Stats_Menu_Cup"}));
  EXPECT_TRUE(form.Stats_Menu_Cup.checked()) << "clicking does not tick an item by itself";

  form.Unload();
  form.Load();
  EXPECT_EQ(form.Stats_Menu_Cup.caption(), "US Open &Cup");
  EXPECT_FALSE(form.Stats_Menu_Cup.checked());
  EXPECT_FALSE(form.Language_Menu.visible());
  EXPECT_FALSE(form.Save_Game.enabled());
}

TEST(MenuLifetimeTest, ItemsMayGoInAnyOrder) {
  test::ScriptedDialogs dialogs;
  MenuForm form;
  auto parent = std::make_unique<MenuItem>(form, "Extra", "E&xtra");
  auto child = std::make_unique<MenuItem>(form, "Sub", "&Sub", parent.get());
  parent.reset();  // the child forgets it
  EXPECT_EQ(child->parent(), nullptr);
  auto other = std::make_unique<MenuItem>(form, "Other", "&Other", child.get());
  other.reset();  // the parent forgets it
  EXPECT_TRUE(child->children().empty());
  child.reset();
  EXPECT_EQ(form.allMenus().size(), 9u);
  EXPECT_EQ(form.menuBar().size(), 3u);
}

}  // namespace
}  // namespace kervale::ui
