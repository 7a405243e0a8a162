#pragma once

// A test screen with one control of most kinds, a menu, a log of the control
// and menu events, a log of the form events and hooks into those.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "support/scripted_dialogs.h"
#include "ui/form.h"

namespace kervale::ui {

using Strings = std::vector<std::string>;

class Panel : public Form {
 public:
  explicit Panel(const std::string& name = "Panel") : Form(name) {
    state_.caption = "Panel";
    Label1.setCaption("Name");
    Check1.setCaption("Tick");
    Scroll1.setMin(1);
    Scroll1.setMax(100);
    Scroll1.setValue(1);
    for (const char* s : {"Alpha", "Beta", "Gamma"}) List1.addItem(s);
    for (const char* s : {"Red", "Blue"}) Combo1.addItem(s);
    Frame1.setCaption("Side");
    OptionA.setContainer(&Frame1);
    OptionB.setContainer(&Frame1);
    OptionA.setValue(1);
    OptionC.setValue(1);
    Command2.setVisible(false);
    Language_Menu.setVisible(false);
    Save_Game.setEnabled(false);

    auto logs = [this](std::string e) { return [this, e] { events.push_back(e); }; };
    Label1.onChange = logs("Label1_Change");
    Text1.onChange = [this] { events.push_back("Text1_Change:" + Text1.text()); };
    Check1.onClick = [this] { events.push_back("Check1_Click:" + std::to_string(Check1.value())); };
    Scroll1.onChange = [this] { events.push_back("Scroll1_Change:" + std::to_string(Scroll1.value())); };
    Scroll1.onScroll = logs("Scroll1_Scroll");
    List1.onClick = [this] { events.push_back("List1_Click:" + std::to_string(List1.listIndex())); };
    List1.onDblClick = logs("List1_DblClick");
    Combo1.onClick = [this] { events.push_back("Combo1_Click:" + Combo1.text()); };
    Combo1.onChange = logs("Combo1_Change");
    for (auto* o : {&OptionA, &OptionB, &OptionC, &OptionD}) o->onClick = logs(o->name() + "_Click");
    Command1.onClick = logs("Command1_Click");
    for (MenuItem* m : allMenus()) m->onClick = logs(m->name());
    designDone();
  }

  Strings events;  // of the controls and menus
  Strings log;     // of the form
  int loads = 0, unloads = 0, cancelQuery = 0, cancelUnload = 0;
  UnloadMode lastMode = UnloadMode::Code;
  std::function<void()> onLoad, onUnload, onDeactivate;

  Label Label1{*this, "Label1"};
  TextBox Text1{*this, "Text1"};
  CheckBox Check1{*this, "Check1"};
  HScrollBar Scroll1{*this, "Scroll1"};
  ListBox List1{*this, "List1"};
  ComboBox Combo1{*this, "Combo1"};
  Frame Frame1{*this, "Frame1"};
  OptionButton OptionA{*this, "OptionA"};  // in Frame1
  OptionButton OptionB{*this, "OptionB"};  // in Frame1
  OptionButton OptionC{*this, "OptionC"};  // on the form
  OptionButton OptionD{*this, "OptionD"};  // on the form
  CommandButton Command1{*this, "Command1"};
  CommandButton Command2{*this, "Command2"};

  MenuItem File_Menu{*this, "File_Menu", "&File"};
  MenuItem Load_Game{*this, "Load_Game", "&Load Game", &File_Menu};
  MenuItem Save_Game{*this, "Save_Game", "&Save Game", &File_Menu};
  MenuItem Separator1{*this, "Separator1", "-", &File_Menu};
  MenuItem Exit_Game{*this, "Exit_Game", "E&xit", &File_Menu};
  MenuItem Language_Menu{*this, "Language_Menu", "&Language"};
  MenuItem English{*this, "English", "&American English", &Language_Menu};
  MenuItem Stats_Menu{*this, "Stats_Menu", "S&tats"};
  MenuItem Stats_Menu_Cup{*this, "Stats_Menu_Cup", "US Open &Cup", &Stats_Menu};

 protected:
  void Form_Load() override {
    ++loads;
    log.push_back("Load");
    if (onLoad) onLoad();
  }
  void Form_QueryUnload(int& cancel, UnloadMode mode) override {
    lastMode = mode;
    log.push_back("QueryUnload");
    cancel = cancelQuery;
  }
  void Form_Unload(int& cancel) override {
    ++unloads;
    log.push_back("Unload");
    cancel = cancelUnload;
    if (onUnload) onUnload();
  }
  void Form_Activate() override { log.push_back("Activate"); }
  void Form_Deactivate() override {
    log.push_back("Deactivate");
    if (onDeactivate) onDeactivate();
  }
};

// A loaded panel with an empty event log.
class PanelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    panel.Load();
    panel.events.clear();
  }
  test::ScriptedDialogs dialogs;
  Panel panel;
};

}  // namespace kervale::ui
