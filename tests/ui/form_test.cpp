#include "ui/form.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/scripted_dialogs.h"
#include "ui/backend.h"

namespace kervale::ui {
namespace {

// Counts what the control model asks of the window system.
class CountingBackend : public Backend {
 public:
  int messages = 0, shows = 0, hides = 0, unloads = 0, changes = 0, refreshes = 0;
  std::vector<std::string> calls;

  MsgResult messageBox(std::string_view, MsgButtons, MsgIcon, std::string_view) override {
    ++messages;
    return MsgResult::OK;
  }
  std::optional<std::string> inputBox(std::string_view, std::string_view, std::string_view) override {
    return std::nullopt;
  }
  void doEvents() override {}
  ScreenMetrics screen() const override { return {}; }
  void setBusyCursor(bool) override {}
  void beep() override {}
  void endProgram() override {}
  bool programEnded() const override { return false; }
  void formShown(Form& f, bool modal) override {
    ++shows;
    calls.push_back("shown " + f.name() + (modal ? " modal" : ""));
  }
  void formHidden(Form& f) override {
    ++hides;
    calls.push_back("hidden " + f.name());
  }
  void formUnloaded(Form& f) override {
    ++unloads;
    calls.push_back("unloaded " + f.name());
  }
  void formChanged(Form&) override { ++changes; }
  void refresh(Form&) override { ++refreshes; }
  int total() const { return messages + shows + hides + unloads + changes + refreshes; }
};

// A screen with members of its own and controls of several kinds.
class Office : public Form {
 public:
  Office() : Form("Office") {
    state_.caption = "Club Office";
    Label1.setCaption("Balance:");
    List1.addItem("Design item");
    Check1.setValue(1);
    Command2.setVisible(false);
    mnuFile.setChecked(false);
    designDone();
  }

  int loads = 0;           // survives unloading
  std::string lastReport;  // survives unloading
  int cancelQuery = 0, cancelUnload = 0;
  UnloadMode lastMode = UnloadMode::Code;
  std::vector<std::string> log;

  Label Label1{*this, "Label1"};
  ListBox List1{*this, "List1"};
  CheckBox Check1{*this, "Check1"};
  CommandButton Command1{*this, "Command1"};
  CommandButton Command2{*this, "Command2"};
  MenuItem mnuFile{*this, "mnuFile", "&File"};
  MenuItem mnuExit{*this, "mnuExit", "E&xit", &mnuFile};

 protected:
  void Form_Load() override {
    ++loads;
    log.push_back("Load");
  }
  void Form_QueryUnload(int& cancel, UnloadMode mode) override {
    lastMode = mode;
    log.push_back("QueryUnload");
    cancel = cancelQuery;
  }
  void Form_Unload(int& cancel) override {
    log.push_back("Unload");
    cancel = cancelUnload;
  }
  void Form_Activate() override { log.push_back("Activate"); }
  void Form_Deactivate() override { log.push_back("Deactivate"); }
};

class FormTest : public ::testing::Test {
 protected:
  test::ScriptedDialogs dialogs;
};

TEST_F(FormTest, UnloadKeepsMembersAndLoadRestoresTheDesign) {
  Office f;
  f.Show();
  ASSERT_TRUE(f.loaded());
  ASSERT_TRUE(f.shown());
  f.lastReport = "kept";
  f.setCaption("Changed");
  f.Label1.setCaption("Balance: 500k");
  f.List1.clear();
  f.List1.addItem("Runtime 1");
  f.List1.addItem("Runtime 2");
  f.List1.setListIndex(1);
  f.Check1.setValue(0);
  f.Command2.setVisible(true);
  f.Command1.setEnabled(false);
  f.mnuFile.setChecked(true);
  f.mnuExit.setCaption("&Quit");

  ASSERT_TRUE(f.Unload());
  EXPECT_FALSE(f.loaded());
  EXPECT_FALSE(f.shown());
  // Back at design already after the unload.
  EXPECT_EQ(f.Label1.caption(), "Balance:");

  f.Show();
  EXPECT_EQ(f.loads, 2);
  EXPECT_EQ(f.lastReport, "kept");
  EXPECT_EQ(f.caption(), "Club Office");
  EXPECT_EQ(f.Label1.caption(), "Balance:");
  ASSERT_EQ(f.List1.listCount(), 1);
  EXPECT_EQ(f.List1.list(0), "Design item");
  EXPECT_EQ(f.List1.listIndex(), -1);
  EXPECT_EQ(f.Check1.value(), 1);
  EXPECT_FALSE(f.Command2.visible());
  EXPECT_TRUE(f.Command1.enabled());
  EXPECT_FALSE(f.mnuFile.checked());
  EXPECT_EQ(f.mnuExit.caption(), "E&xit");
}

TEST_F(FormTest, LoadRunsOnceAndShowLoadsWhenNeeded) {
  Office f;
  EXPECT_FALSE(f.loaded());
  f.Load();
  f.Load();
  EXPECT_TRUE(f.loaded());
  EXPECT_FALSE(f.shown());
  f.Show();
  f.Show();
  EXPECT_EQ(f.loads, 1);
  EXPECT_TRUE(f.shown());
  f.Hide();
  EXPECT_TRUE(f.loaded());
  EXPECT_FALSE(f.shown());
  EXPECT_TRUE(f.Unload());
  EXPECT_FALSE(f.Unload()) << "a second unload has nothing to do";
  EXPECT_FALSE(f.loaded());
}

TEST_F(FormTest, QueryUnloadOrUnloadMayCancel) {
  Office f;
  f.Show();
  f.Label1.setCaption("busy");

  f.cancelQuery = 1;
  f.userClose();
  EXPECT_EQ(f.lastMode, UnloadMode::CloseBox);
  EXPECT_TRUE(f.loaded());
  EXPECT_TRUE(f.shown());
  EXPECT_EQ(f.Label1.caption(), "busy");
  EXPECT_EQ(f.log, (std::vector<std::string>{"Load", "Activate", "QueryUnload"}));

  f.cancelQuery = 0;
  f.cancelUnload = 1;
  EXPECT_FALSE(f.Unload());
  EXPECT_TRUE(f.loaded());
  EXPECT_EQ(f.lastMode, UnloadMode::Code);

  f.cancelUnload = 0;
  EXPECT_TRUE(f.Unload(UnloadMode::ProgramEnd));
  EXPECT_EQ(f.lastMode, UnloadMode::ProgramEnd);
  EXPECT_FALSE(f.loaded());
}

// The hub pattern: a button that opens a full-window screen and unloads its own form.
class Hub;
class FullScreen : public Form {
 public:
  explicit FullScreen(Hub& hub);
  Hub& hub;
  int loads = 0;
  CommandButton Back{*this, "Back"};
  Label Title{*this, "Title"};

 protected:
  void Form_Load() override;
};

class Hub : public Form {
 public:
  Hub() : Form("Hub") {
    OpenButton.onClick = [this] {
      other->Show();
      Unload();
      // Still in the handler of a control of the unloaded form.
      OpenButton.setCaption("after unload");
      news.push_back(OpenButton.caption());
    };
    PlayButton.onClick = [this] {
      // Unloads itself first, then shows another and comes back.
      Unload();
      other->Show();
      other->Back.userClick();
    };
    designDone();
  }
  FullScreen* other = nullptr;
  std::vector<std::string> news;
  int unloads = 0;
  CommandButton OpenButton{*this, "OpenButton"};
  CommandButton PlayButton{*this, "PlayButton"};
  ListBox News{*this, "News"};

 protected:
  void Form_Load() override { News.addItem("loaded"); }
  void Form_Unload(int&) override {
    ++unloads;
    Unload();  // asking again from inside the unload does nothing
  }
};

FullScreen::FullScreen(Hub& h) : Form("FullScreen"), hub(h) {
  Back.onClick = [this] {
    hub.Show();
    Unload();
  };
  designDone();
}

void FullScreen::Form_Load() {
  ++loads;
  // A load handler that unloads the screen that opened it.
  hub.Unload();
  Title.setCaption("Squad");
}

TEST_F(FormTest, AHandlerMayUnloadItsOwnFormAndShowAnother) {
  CountingBackend counting;
  setBackend(&counting);
  Hub hub;
  FullScreen squad(hub);
  hub.other = &squad;

  hub.Show();
  hub.OpenButton.userClick();
  EXPECT_FALSE(hub.loaded());
  EXPECT_TRUE(squad.shown());
  EXPECT_EQ(hub.unloads, 1);
  EXPECT_EQ(hub.news, (std::vector<std::string>{"after unload"}));
  EXPECT_EQ(squad.Title.caption(), "Squad");

  squad.Back.userClick();
  EXPECT_TRUE(hub.shown());
  EXPECT_FALSE(squad.loaded());
  EXPECT_EQ(hub.OpenButton.caption(), "") << "the reload brings the design caption back";
  EXPECT_EQ(hub.News.listCount(), 1);

  hub.PlayButton.userClick();
  EXPECT_TRUE(hub.shown());
  EXPECT_FALSE(squad.loaded());
  EXPECT_EQ(squad.loads, 2);
  EXPECT_EQ(hub.unloads, 2);
  EXPECT_EQ(counting.calls, (std::vector<std::string>{"shown Hub", "unloaded Hub", "shown FullScreen", "shown Hub",
                                                      "unloaded FullScreen", "unloaded Hub", "shown FullScreen",
                                                      "shown Hub", "unloaded FullScreen"}));
  setBackend(nullptr);
}

TEST_F(FormTest, AFormNotShownAsksNothingOfTheWindowSystem) {
  CountingBackend counting;
  setBackend(&counting);
  {
    Office f;
    f.Load();
    for (int i = 0; i < 5000; ++i) {
      f.Label1.setCaption("Minute " + std::to_string(i));
      f.List1.addItem("line");
      f.Check1.setValue(i % 2);
    }
    f.setCaption("Unseen");
    f.mnuExit.setEnabled(false);
    f.Refresh();
    EXPECT_EQ(counting.total(), 0);

    // Shown: one call per batch of changes, until the window system reads them.
    f.Show();
    EXPECT_EQ(counting.shows, 1);
    for (int i = 0; i < 100; ++i) f.Label1.setCaption("Shown " + std::to_string(i));
    f.mnuExit.setEnabled(true);
    f.setCaption("Seen");
    EXPECT_EQ(counting.changes, 1);
    EXPECT_TRUE(f.changed());
    EXPECT_TRUE(f.Label1.changed());
    f.clearChanged();
    f.Label1.setCaption("Next batch");
    EXPECT_EQ(counting.changes, 2);
    f.Label1.setCaption("Next batch");  // no change, no call
    f.clearChanged();
    f.Label1.setCaption("Next batch");
    EXPECT_EQ(counting.changes, 2);
    f.Refresh();
    EXPECT_EQ(counting.refreshes, 1);

    f.Hide();
    f.Label1.setCaption("Hidden");
    f.Refresh();
    EXPECT_EQ(counting.hides, 1);
    EXPECT_EQ(counting.changes, 2);
    EXPECT_EQ(counting.refreshes, 1);

    // Shown again, the window reads everything: the next change is a new batch.
    f.Show();
    f.Label1.setCaption("Back");
    EXPECT_EQ(counting.changes, 3);
    f.Unload();
    f.Label1.setCaption("Unloaded");
    EXPECT_EQ(counting.unloads, 1);
    EXPECT_EQ(counting.changes, 3);
  }
  EXPECT_EQ(counting.unloads, 1) << "destroying an unloaded form tells nobody";
  {
    Office f;
    f.Show();
  }
  EXPECT_EQ(counting.unloads, 2) << "a form destroyed while loaded is taken off the screen";
  setBackend(nullptr);
}

TEST_F(FormTest, ADestroyedBackendFallsBackToTheHeadlessOne) {
  {
    CountingBackend counting;
    setBackend(&counting);
    EXPECT_EQ(&backend(), &counting);
  }
  EXPECT_EQ(&backend(), &headless());
}

TEST_F(FormTest, ShowingAFormDeactivatesTheActiveOne) {
  Office a, b;
  a.Show();
  EXPECT_EQ(Form::active(), &a);
  b.Show();
  EXPECT_EQ(Form::active(), &b);
  a.Show();
  a.Show();  // already active: no second Activate
  EXPECT_EQ(a.log, (std::vector<std::string>{"Load", "Activate", "Deactivate", "Activate"}));
  EXPECT_EQ(b.log, (std::vector<std::string>{"Load", "Activate", "Deactivate"}));

  // A message box does not take the activation away.
  dialogs.answer(MsgResult::OK);
  MsgBox("Hello");
  EXPECT_EQ(Form::active(), &a);

  a.Unload();
  EXPECT_EQ(Form::active(), nullptr);
  b.userActivate();
  EXPECT_EQ(Form::active(), &b);
  b.Hide();
  EXPECT_EQ(Form::active(), nullptr);
}

// Closes when it loses the focus, like a picker over the hub.
class Picker : public Form {
 public:
  Picker() : Form("Picker") {
    LoadBut.onClick = [this] {
      if (hub != nullptr) hub->Show();  // takes the focus: the picker unloads here
      chosen = "file";
      Unload();
    };
    designDone();
  }
  Form* hub = nullptr;
  std::string chosen;
  CommandButton LoadBut{*this, "LoadBut"};

 protected:
  void Form_Deactivate() override { Unload(); }
};

TEST_F(FormTest, AFormThatUnloadsOnDeactivateClosesWhenAnotherIsShown) {
  Office hub;
  Picker picker;
  picker.hub = &hub;
  hub.Show();
  picker.Show();
  picker.LoadBut.userClick();
  EXPECT_FALSE(picker.loaded());
  EXPECT_EQ(picker.chosen, "file");
  EXPECT_TRUE(hub.shown());
}

class FailingUnload : public Form {
 public:
  FailingUnload() : Form("FailingUnload") { designDone(); }

 protected:
  void Form_Unload(int&) override { MsgBox("Sure?", MsgButtons::YesNo); }
};

TEST_F(FormTest, AnUnloadInterruptedByAnExceptionCanBeRepeated) {
  FailingUnload f;
  f.Show();
  EXPECT_THROW(f.Unload(), UnexpectedDialog);
  EXPECT_TRUE(f.loaded());
  dialogs.answer(MsgResult::Yes);
  EXPECT_TRUE(f.Unload());
  EXPECT_FALSE(f.loaded());
}

class SelfClosingLoad : public Form {
 public:
  SelfClosingLoad() : Form("SelfClosingLoad") { designDone(); }
  bool giveUp = true;

 protected:
  void Form_Load() override {
    if (giveUp) {
      Unload();
    } else {
      Show();  // a load handler may show its own form
    }
  }
};

TEST_F(FormTest, ALoadHandlerMayUnloadOrShowItsOwnForm) {
  CountingBackend counting;
  setBackend(&counting);
  SelfClosingLoad f;
  f.Show();
  EXPECT_FALSE(f.loaded());
  EXPECT_FALSE(f.shown());
  EXPECT_EQ(counting.shows, 0);
  f.giveUp = false;
  f.Show();
  EXPECT_TRUE(f.shown());
  setBackend(nullptr);
}

}  // namespace
}  // namespace kervale::ui
