#include "ui/form.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "panel.h"
#include "support/scripted_dialogs.h"
#include "ui/headless/headless_backend.h"

namespace kervale::ui {
namespace {

// Logs what the control model asks of the window system.
class CountingBackend : public HeadlessBackend {
 public:
  Strings calls;
  CountingBackend() { setBackend(this); }
  ~CountingBackend() override { setBackend(nullptr); }
  void formShown(Form& f, bool modal) override { calls.push_back("shown " + f.name() + (modal ? " modal" : "")); }
  void formHidden(Form& f) override { calls.push_back("hidden " + f.name()); }
  void formUnloaded(Form& f) override { calls.push_back("unloaded " + f.name()); }
  void formChanged(Form&) override { calls.push_back("changed"); }
  void refresh(Form&) override { calls.push_back("refresh"); }
  long count(const std::string& prefix) const {
    return std::count_if(calls.begin(), calls.end(), [&](const std::string& c) { return c.starts_with(prefix); });
  }
};

class FormTest : public ::testing::Test {
 protected:
  test::ScriptedDialogs dialogs;
};

TEST_F(FormTest, LoadRunsOnceAndUnloadKeepsMembersButRestoresTheDesign) {
  Panel f;
  f.Load();
  f.Load();
  EXPECT_FALSE(f.shown());
  f.Show();
  f.Show();
  EXPECT_EQ(f.loads, 1);
  f.Hide();
  EXPECT_TRUE(f.loaded());
  EXPECT_FALSE(f.shown());
  f.Show();
  f.setCaption("Changed");
  f.Label1.setCaption("Manager");
  f.List1.clear();
  f.List1.addItem("Runtime 1");
  f.List1.addItem("Runtime 2");
  f.List1.setListIndex(1);
  f.Check1.setValue(2);
  f.Command2.setVisible(true);
  f.Command1.setEnabled(false);

  ASSERT_TRUE(f.Unload());
  EXPECT_FALSE(f.Unload()) << "a second unload has nothing to do";
  EXPECT_FALSE(f.loaded());
  EXPECT_FALSE(f.shown());
  EXPECT_EQ(f.Label1.caption(), "Name") << "back at design already after the unload";

  f.Show();
  EXPECT_EQ(f.loads, 2);
  EXPECT_EQ(f.caption(), "Panel");
  ASSERT_EQ(f.List1.listCount(), 3);
  EXPECT_EQ(f.List1.list(0), "Alpha");
  EXPECT_EQ(f.List1.listIndex(), -1);
  EXPECT_EQ(f.Check1.value(), 0);
  EXPECT_FALSE(f.Command2.visible());
  EXPECT_TRUE(f.Command1.enabled());
}

TEST_F(FormTest, QueryUnloadOrUnloadMayCancel) {
  Panel f;
  f.Show();
  f.Label1.setCaption("busy");

  f.cancelQuery = 1;
  f.userClose();
  EXPECT_EQ(f.lastMode, UnloadMode::CloseBox);
  EXPECT_TRUE(f.shown());
  EXPECT_EQ(f.Label1.caption(), "busy");
  EXPECT_EQ(f.log, (Strings{"Load", "Activate", "QueryUnload"}));

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
TEST_F(FormTest, AHandlerMayUnloadItsOwnFormAndShowAnother) {
  CountingBackend counting;
  Panel hub("Hub"), squad("Squad");
  Strings news;
  hub.Command1.onClick = [&] {
    squad.Show();
    hub.Unload();
    // Still in the handler of a control of the unloaded form.
    hub.Command1.setCaption("after unload");
    news.push_back(hub.Command1.caption());
  };
  hub.Command2.onClick = [&] {
    // Unloads itself first, then shows another and comes back.
    hub.Unload();
    squad.Show();
    squad.Command1.userClick();
  };
  hub.onUnload = [&] { hub.Unload(); };  // asking again from inside the unload does nothing
  squad.onLoad = [&] {
    hub.Unload();  // a load handler that unloads the screen that opened it
    squad.Label1.setCaption("Squad");
  };
  squad.Command1.onClick = [&] {
    hub.Show();
    squad.Unload();
  };

  hub.Show();
  hub.Command1.userClick();
  EXPECT_FALSE(hub.loaded());
  EXPECT_TRUE(squad.shown());
  EXPECT_EQ(hub.unloads, 1);
  EXPECT_EQ(news, (Strings{"after unload"}));
  EXPECT_EQ(squad.Label1.caption(), "Squad");

  squad.Command1.userClick();
  EXPECT_TRUE(hub.shown());
  EXPECT_FALSE(squad.loaded());
  EXPECT_EQ(hub.Command1.caption(), "") << "the reload brings the design caption back";

  hub.Command2.setVisible(true);
  hub.Command2.userClick();
  EXPECT_TRUE(hub.shown());
  EXPECT_FALSE(squad.loaded());
  EXPECT_EQ(squad.loads, 2);
  EXPECT_EQ(hub.unloads, 2);
  std::erase(counting.calls, "changed");
  EXPECT_EQ(counting.calls, (Strings{"shown Hub", "unloaded Hub", "shown Squad", "shown Hub", "unloaded Squad",
                                     "unloaded Hub", "shown Squad", "shown Hub", "unloaded Squad"}));
}

TEST_F(FormTest, AFormNotShownAsksNothingOfTheWindowSystem) {
  CountingBackend counting;
  {
    Panel f;
    f.Load();
    for (int i = 0; i < 5000; ++i) {
      f.Label1.setCaption("Minute " + std::to_string(i));
      f.List1.addItem("line");
    }
    f.setCaption("Unseen");
    f.Refresh();
    EXPECT_TRUE(counting.calls.empty());

    // Shown: one call per batch of changes, until the window system reads them.
    f.Show();
    for (int i = 0; i < 100; ++i) f.Label1.setCaption("Shown " + std::to_string(i));
    f.setCaption("Seen");
    EXPECT_TRUE(f.Label1.changed());
    f.clearChanged();
    f.Label1.setCaption("Next batch");
    f.clearChanged();
    f.Label1.setCaption("Next batch");  // no change, no call
    f.Refresh();
    f.Hide();
    f.Label1.setCaption("Hidden");
    f.Refresh();
    // Shown again, the window reads everything: the next change is a new batch.
    f.Show();
    f.Label1.setCaption("Back");
    f.Unload();
    f.Label1.setCaption("Unloaded");
    EXPECT_EQ(counting.calls, (Strings{"shown Panel", "changed", "changed", "refresh", "hidden Panel", "shown Panel",
                                       "changed", "unloaded Panel"}));
  }
  EXPECT_EQ(counting.count("unloaded"), 1) << "destroying an unloaded form tells nobody";
  {
    Panel f;
    f.Show();
  }
  EXPECT_EQ(counting.count("unloaded"), 2) << "a form destroyed while loaded is taken off the screen";
}

TEST_F(FormTest, ADestroyedBackendFallsBackToTheHeadlessOne) {
  {
    CountingBackend counting;
    EXPECT_EQ(&backend(), &counting);
  }
  EXPECT_EQ(&backend(), &headless());
}

TEST_F(FormTest, ShowingAFormDeactivatesTheActiveOne) {
  Panel a, b;
  a.Show();
  b.Show();
  EXPECT_EQ(Form::active(), &b);
  a.Show();
  a.Show();  // already active: no second Activate
  EXPECT_EQ(a.log, (Strings{"Load", "Activate", "Deactivate", "Activate"}));
  EXPECT_EQ(b.log, (Strings{"Load", "Activate", "Deactivate"}));

  dialogs.answer(MsgResult::OK);
  MsgBox("Hello");
  EXPECT_EQ(Form::active(), &a) << "a message box does not take the activation away";

  a.Unload();
  EXPECT_EQ(Form::active(), nullptr);
  b.userActivate();
  EXPECT_EQ(Form::active(), &b);
  b.Hide();
  EXPECT_EQ(Form::active(), nullptr);
}

// A picker over the hub closes when it loses the focus, even inside its own handler.
TEST_F(FormTest, AFormThatUnloadsOnDeactivateClosesWhenAnotherIsShown) {
  Panel hub, picker("Picker");
  std::string chosen;
  picker.onDeactivate = [&] { picker.Unload(); };
  picker.Command1.onClick = [&] {
    hub.Show();  // takes the focus: the picker unloads here
    chosen = "file";
    picker.Unload();
  };
  hub.Show();
  picker.Show();
  picker.Command1.userClick();
  EXPECT_FALSE(picker.loaded());
  EXPECT_EQ(picker.unloads, 1);
  EXPECT_EQ(chosen, "file");
  EXPECT_TRUE(hub.shown());
}

TEST_F(FormTest, ALoadHandlerMayUnloadOrShowItsFormAndAnInterruptedUnloadCanBeRepeated) {
  CountingBackend counting;
  Panel f;
  f.onLoad = [&] { f.Unload(); };
  f.Show();
  EXPECT_FALSE(f.loaded());
  EXPECT_EQ(counting.count("shown"), 0);
  f.onLoad = [&] { f.Show(); };
  f.Show();
  EXPECT_TRUE(f.shown());

  f.onUnload = [] { MsgBox("Sure?", MsgButtons::YesNo); };
  EXPECT_THROW(f.Unload(), UnexpectedDialog);
  EXPECT_TRUE(f.loaded());
  counting.queueAnswer(MsgResult::Yes);
  EXPECT_TRUE(f.Unload());
  EXPECT_FALSE(f.loaded());
}

}  // namespace
}  // namespace kervale::ui
