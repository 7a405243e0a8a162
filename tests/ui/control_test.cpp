#include "ui/control.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "panel.h"
#include "support/scripted_dialogs.h"
#include "ui/control_array.h"

namespace kervale::ui {
namespace {

using ControlTest = PanelTest;
using Events = Strings;

TEST_F(ControlTest, ProgramChangesFireTheUsersEventsOnlyOnARealChange) {
  panel.Label1.setCaption("Name");  // unchanged
  panel.Label1.setCaption("Manager");
  panel.Text1.setText("abc");
  panel.Text1.setText("abc");
  panel.Command1.setCaption("&Go");  // buttons have no Change
  // A combo selection sets the text and fires Click, not Change; typed text is a Change.
  panel.Combo1.setListIndex(1);
  EXPECT_EQ(panel.Combo1.text(), "Blue");
  panel.Combo1.setListIndex(-1);
  EXPECT_EQ(panel.Combo1.text(), "");
  panel.Combo1.setText("Green");
  EXPECT_EQ(panel.events,
            (Events{"Label1_Change", "Text1_Change:abc", "Combo1_Click:Blue", "Combo1_Click:", "Combo1_Change"}));
}

TEST_F(ControlTest, CheckBoxValueFiresClickAndTakesTrueAsTicked) {
  panel.Check1.setValue(1);
  panel.Check1.setValue(1);
  panel.Check1.setValue(2);
  panel.Check1.setValue(-1);  // True
  panel.Check1.setValue(0);
  EXPECT_EQ(panel.events, (Events{"Check1_Click:1", "Check1_Click:2", "Check1_Click:1", "Check1_Click:0"}));

  panel.events.clear();
  panel.Check1.userClick();
  panel.Check1.userClick();
  panel.Check1.setValue(2);
  panel.Check1.userClick();  // grey -> ticked
  EXPECT_EQ(panel.events, (Events{"Check1_Click:1", "Check1_Click:0", "Check1_Click:2", "Check1_Click:1"}));
}

TEST_F(ControlTest, OptionButtonsGroupByFrame) {
  ASSERT_EQ(panel.OptionA.value(), 1);
  ASSERT_EQ(panel.OptionC.value(), 1);

  panel.OptionB.setValue(1);
  EXPECT_EQ(panel.OptionA.value(), 0);
  EXPECT_EQ(panel.OptionB.value(), 1);
  EXPECT_EQ(panel.OptionC.value(), 1) << "an option on the form is not in the frame's group";

  panel.OptionD.userClick();
  EXPECT_EQ(panel.OptionC.value(), 0);
  EXPECT_EQ(panel.OptionD.value(), 1);
  EXPECT_EQ(panel.OptionB.value(), 1);

  // Selecting the selected one, or clearing one, fires nothing.
  panel.OptionD.setValue(1);
  panel.OptionD.userClick();
  panel.OptionB.setValue(0);
  EXPECT_EQ(panel.OptionB.value(), 0);
  EXPECT_EQ(panel.events, (Events{"OptionB_Click", "OptionD_Click"}));
}

TEST_F(ControlTest, ScrollBarClampsAndFiresChangeOnlyOnARealChange) {
  auto& s = panel.Scroll1;
  s.setValue(50);
  s.setValue(50);
  s.setValue(500);  // -> 100
  s.setValue(200);  // still 100: no event
  s.setValue(-7);   // -> 1
  EXPECT_EQ(s.value(), 1);
  EXPECT_EQ(panel.events, (Events{"Scroll1_Change:50", "Scroll1_Change:100", "Scroll1_Change:1"}));

  // A narrower range pulls the value in, with Change.
  panel.events.clear();
  s.setMin(10);
  EXPECT_EQ(s.value(), 10);
  s.setMax(20);
  EXPECT_EQ(panel.events, (Events{"Scroll1_Change:10"}));

  // Min above Max: the bar runs the other way over the same range.
  panel.events.clear();
  s.setMin(30);  // 20..30 -> 20
  s.setMax(0);   // 0..30
  EXPECT_EQ(s.value(), 20);
  s.setValue(45);
  EXPECT_EQ(s.value(), 30);
  s.setValue(-3);
  EXPECT_EQ(s.value(), 0);
  EXPECT_EQ(panel.events, (Events{"Scroll1_Change:20", "Scroll1_Change:30", "Scroll1_Change:0"}));

  // Dragging the thumb moves the value and fires Scroll.
  panel.events.clear();
  s.userScroll(12);
  EXPECT_EQ(panel.events, (Events{"Scroll1_Change:12", "Scroll1_Scroll"}));
}

TEST_F(ControlTest, ListSelectionFiresClickAndSurvivesEdits) {
  auto& l = panel.List1;
  l.setListIndex(1);
  l.setListIndex(1);
  l.setListIndex(3);   // outside: ignored
  l.setListIndex(-2);  // outside: ignored
  EXPECT_EQ(l.listIndex(), 1);
  EXPECT_EQ(panel.events, (Events{"List1_Click:1"}));
  EXPECT_EQ(l.list(3), "");
  EXPECT_EQ(l.list(-1), "");

  // Inserting before the selection moves it with its item.
  l.addItemAt("First", 0);
  EXPECT_EQ(l.listIndex(), 2);
  EXPECT_EQ(l.list(l.listIndex()), "Beta");
  l.addItemAt("Nowhere", 9);  // ignored
  EXPECT_EQ(l.listCount(), 4);

  // Removing before it moves it back; removing it clears it; bad positions are ignored.
  l.removeItem(0);
  EXPECT_EQ(l.list(l.listIndex()), "Beta");
  l.removeItem(3);  // one past the last
  l.removeItem(17);
  l.removeItem(-1);
  EXPECT_EQ(l.listCount(), 3);
  l.removeItem(1);
  EXPECT_EQ(l.listIndex(), -1);
  EXPECT_EQ(l.listCount(), 2);

  // Item data travels with its item.
  l.setItemData(1, 42);
  l.addItemAt("Top", 0);
  EXPECT_EQ(l.itemData(2), 42);
  l.setItemData(99, 5);  // ignored
  EXPECT_EQ(l.itemData(99), 0);

  l.setListIndex(0);
  l.clear();
  EXPECT_EQ(l.listCount(), 0);
  EXPECT_EQ(l.listIndex(), -1);
}

TEST_F(ControlTest, SelectingAnItemBringsItIntoView) {
  auto& l = panel.List1;
  l.clear();
  for (int i = 0; i < 40; ++i) l.addItem("Row" + std::to_string(i));
  l.setHeight(195 * 5);  // five rows
  l.setListIndex(30);
  EXPECT_EQ(l.topIndex(), 26);
  l.setListIndex(2);
  EXPECT_EQ(l.topIndex(), 2);
  l.setTopIndex(500);
  EXPECT_EQ(l.topIndex(), 39);
}

TEST_F(ControlTest, UserActionsReachOnlyEnabledVisibleControlsOfALoadedForm) {
  panel.Command1.setEnabled(false);
  panel.Command1.userClick();
  panel.Command1.setEnabled(true);
  panel.Command1.setVisible(false);
  panel.Command1.userClick();
  panel.Command1.setVisible(true);

  panel.Frame1.setEnabled(false);  // its options go with it
  panel.OptionB.userClick();
  EXPECT_EQ(panel.OptionB.value(), 0);
  panel.Frame1.setEnabled(true);

  panel.Text1.setLocked(true);
  panel.Text1.userSetText("typed");
  EXPECT_EQ(panel.Text1.text(), "");

  panel.List1.setEnabled(false);
  panel.List1.userSelectItem(2);
  EXPECT_EQ(panel.List1.listIndex(), -1);
  EXPECT_TRUE(panel.events.empty());

  panel.Unload();
  panel.Command1.userClick();
  panel.Check1.userClick();
  panel.Scroll1.userSetValue(40);
  EXPECT_TRUE(panel.events.empty());

  panel.Load();
  panel.Command1.userClick();
  panel.List1.userSelectItem(2);
  panel.List1.userDblClick();
  panel.Text1.userSetText("typed");
  EXPECT_EQ(panel.events, (Events{"Command1_Click", "List1_Click:2", "List1_DblClick", "Text1_Change:typed"}));
}

TEST_F(ControlTest, AHandlerMayReplaceItselfWhileItRuns) {
  int first = 0, second = 0;
  panel.Command1.onClick = [&] {
    ++first;
    panel.Command1.onClick = [&] { ++second; };
  };
  panel.Command1.userClick();
  panel.Command1.userClick();
  EXPECT_EQ(first, 1);
  EXPECT_EQ(second, 1);
}

// A screen with indexed control arrays that do not start at 0.
class Squad : public Form {
 public:
  Squad() : Form("Squad") {
    nameLabel.forEach([](int i, Label& l) { l.setCaption("Player " + std::to_string(i)); });
    nameLabel.onClick([this](int i) { clicked.push_back(i); });
    positioncombo.onChange([this](int i) { changed.push_back(i); });
    designDone();
  }
  std::vector<int> clicked, changed;
  ControlArray<Label> nameLabel{*this, "nameLabel", 1, 20};
  ControlArray<ComboBox> positioncombo{*this, "positioncombo", 2, 11};
};

TEST(ControlArrayTest, HandlersGetTheIndexAndAMissingIndexThrows) {
  test::ScriptedDialogs dialogs;
  Squad squad;
  squad.Load();
  EXPECT_EQ(squad.nameLabel.lbound(), 1);
  EXPECT_EQ(squad.nameLabel.ubound(), 20);
  EXPECT_EQ(squad.positioncombo.count(), 10);
  EXPECT_EQ(squad.nameLabel(7).caption(), "Player 7");
  EXPECT_EQ(squad.nameLabel(7).index(), 7);
  EXPECT_EQ(squad.findControl("nameLabel", 7), &squad.nameLabel(7));
  EXPECT_EQ(squad.findControl("nameLabel"), nullptr);

  squad.nameLabel(20).userClick();
  squad.nameLabel(1).userClick();
  squad.positioncombo(11).setText("Sweeper");
  EXPECT_EQ(squad.clicked, (std::vector<int>{20, 1}));
  EXPECT_EQ(squad.changed, (std::vector<int>{11}));

  EXPECT_THROW(squad.nameLabel(0), std::out_of_range);
  EXPECT_THROW(squad.nameLabel(21), std::out_of_range);
  EXPECT_THROW(squad.positioncombo(1), std::out_of_range);
  EXPECT_FALSE(squad.positioncombo.exists(1));
}

TEST(AccessKeyTest, AmpersandMarksTheKeyAndDoubledIsPlain) {
  const struct {
    const char* caption;
    char key;
    const char* shown;
  } cases[] = {{"&File", 'f', "File"},
               {"E&xit", 'x', "Exit"},
               {"Save && Quit", 0, "Save & Quit"},
               {"Save && &Quit", 'q', "Save & Quit"},
               {"Trailing&", 0, "Trailing&"},
               {"", 0, ""},
               {"-", 0, "-"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.caption);
    EXPECT_EQ(accessKey(c.caption), c.key);
    EXPECT_EQ(shownCaption(c.caption), c.shown);
  }
}

TEST_F(ControlTest, MenusKeepTheOrderOfCreationAndItemsMayGoInAnyOrder) {
  EXPECT_EQ(panel.menuBar(), (std::vector<MenuItem*>{&panel.File_Menu, &panel.Language_Menu, &panel.Stats_Menu}));
  EXPECT_EQ(panel.File_Menu.children(),
            (std::vector<MenuItem*>{&panel.Load_Game, &panel.Save_Game, &panel.Separator1, &panel.Exit_Game}));
  EXPECT_EQ(panel.Exit_Game.parent(), &panel.File_Menu);

  auto parent = std::make_unique<MenuItem>(panel, "Extra", "E&xtra");
  auto child = std::make_unique<MenuItem>(panel, "Sub", "&Sub", parent.get());
  parent.reset();  // the child forgets it
  EXPECT_EQ(child->parent(), nullptr);
  auto other = std::make_unique<MenuItem>(panel, "Other", "&Other", child.get());
  other.reset();  // the parent forgets it
  EXPECT_TRUE(child->children().empty());
  child.reset();
  EXPECT_EQ(panel.allMenus().size(), 9u);
  EXPECT_EQ(panel.menuBar().size(), 3u);
}

TEST_F(ControlTest, OnlyReachableMenuItemsAnswerClicksAndUnloadingRestoresTheDesign) {
  panel.Load_Game.userClick();
  panel.Save_Game.userClick();  // disabled
  panel.English.userClick();    // its menu is hidden
  panel.Separator1.userClick();
  panel.File_Menu.setEnabled(false);  // a disabled menu disables its items
  panel.Exit_Game.userClick();
  panel.File_Menu.setEnabled(true);
  panel.Exit_Game.setVisible(false);
  panel.Exit_Game.userClick();

  panel.Save_Game.setEnabled(true);
  panel.Save_Game.userClick();
  panel.Stats_Menu_Cup.setCaption("FA Cup");
  panel.Stats_Menu_Cup.setChecked(true);
  panel.Language_Menu.setVisible(true);
  panel.English.userClick();
  panel.Stats_Menu_Cup.userClick();
  EXPECT_EQ(panel.events, (Events{"Load_Game", "Save_Game", "English", "Stats_Menu_Cup"}));
  EXPECT_TRUE(panel.Stats_Menu_Cup.checked()) << "clicking does not tick an item by itself";

  panel.Unload();
  panel.Load_Game.userClick();
  EXPECT_EQ(panel.events.size(), 4u) << "the menu of an unloaded form does nothing";
  panel.Load();
  EXPECT_EQ(panel.Stats_Menu_Cup.caption(), "US Open &Cup");
  EXPECT_FALSE(panel.Stats_Menu_Cup.checked());
  EXPECT_FALSE(panel.Language_Menu.visible());
  EXPECT_FALSE(panel.Save_Game.enabled());
  EXPECT_TRUE(panel.Exit_Game.visible());
}

}  // namespace
}  // namespace kervale::ui
