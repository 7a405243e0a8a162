#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/scripted_dialogs.h"
#include "ui/form.h"
#include "ui/headless/headless_backend.h"

namespace kervale::ui {
namespace {

using Policy = HeadlessBackend::Policy;

std::string messageOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const UnexpectedDialog& e) {
    return e.what();
  }
  return "<no exception>";
}

TEST(HeadlessDialogs, ScriptedAnswersComeInOrderAndEveryBoxIsLogged) {
  test::ScriptedDialogs dialogs;
  dialogs.answer(MsgResult::Retry).answer(MsgResult::Ignore).answer(MsgResult::OK).input("Smith");

  std::string modeError = "A selftest has revealed...\rYou need...";
  EXPECT_EQ(MsgBox(modeError, MsgButtons::AbortRetryIgnore, MsgIcon::None, "Error"), MsgResult::Retry);
  EXPECT_EQ(MsgBox(modeError, MsgButtons::AbortRetryIgnore, MsgIcon::None, "Error"), MsgResult::Ignore);
  EXPECT_EQ(MsgBox("Fatal Error", MsgButtons::OK, MsgIcon::Critical), MsgResult::OK);
  EXPECT_EQ(InputBox("Your name?", "Manager", "Bob"), "Smith");

  ASSERT_EQ(dialogs.count(), 4u);
  const auto& log = dialogs.log();
  EXPECT_EQ(log[0].title, "Error");
  EXPECT_EQ(log[0].text, modeError);
  EXPECT_EQ(log[0].buttons, MsgButtons::AbortRetryIgnore);
  EXPECT_EQ(log[0].answer, "Retry");
  EXPECT_EQ(log[1].answer, "Ignore");
  EXPECT_EQ(log[2].title, "KERV");
  EXPECT_EQ(log[2].icon, MsgIcon::Critical);
  EXPECT_EQ(log[3].kind, DialogRecord::Kind::Input);
  EXPECT_EQ(log[3].title, "Manager");
  EXPECT_EQ(log[3].text, "Your name?");
  EXPECT_EQ(log[3].answer, "Smith");
  EXPECT_TRUE(dialogs.sawText("selftest"));
  EXPECT_FALSE(dialogs.sawText("Transfer"));
  EXPECT_EQ(dialogs.backend().pendingAnswers(), 0u);
}

TEST(HeadlessDialogs, StrictPolicyFailsOnAnUnexpectedBoxNamingIt) {
  test::ScriptedDialogs dialogs;
  std::string what = messageOf([] { MsgBox("Transfer accepted", MsgButtons::YesNo, MsgIcon::Question, "Transfer?"); });
  EXPECT_NE(what.find("Transfer?"), std::string::npos) << what;
  EXPECT_NE(what.find("Transfer accepted"), std::string::npos) << what;
  what = messageOf([] { (void)InputBox("Set speed?", "Set Speed", "50"); });
  EXPECT_NE(what.find("Set speed?"), std::string::npos) << what;
  // An input answer does not answer a message box.
  dialogs.input("10");
  EXPECT_THROW(MsgBox("Hello"), UnexpectedDialog);
  EXPECT_EQ(InputBox("Set speed?"), "10");
  EXPECT_EQ(dialogs.count(), 4u) << "failed boxes are logged too";
}

TEST(HeadlessDialogs, AnAnswerThatFitsNoButtonIsATestFault) {
  test::ScriptedDialogs dialogs;
  dialogs.answer(MsgResult::Yes);
  std::string what = messageOf([] { MsgBox("Game loaded successfully"); });
  EXPECT_NE(what.find("Yes"), std::string::npos) << what;
  EXPECT_NE(what.find("Game loaded successfully"), std::string::npos) << what;

  dialogs.answer(MsgResult::OK);
  EXPECT_THROW(MsgBox("Sell him?", MsgButtons::YesNo), UnexpectedDialog);
  dialogs.answer(MsgResult::Cancel);
  EXPECT_THROW(MsgBox("Again?", MsgButtons::AbortRetryIgnore), UnexpectedDialog);
  dialogs.answer(MsgResult::Cancel).answer(MsgResult::Retry).answer(MsgResult::Cancel);
  EXPECT_EQ(MsgBox("Save?", MsgButtons::YesNoCancel), MsgResult::Cancel);
  EXPECT_EQ(MsgBox("Disk?", MsgButtons::RetryCancel), MsgResult::Retry);
  EXPECT_EQ(MsgBox("Go?", MsgButtons::OKCancel), MsgResult::Cancel);
}

TEST(HeadlessDialogs, DefaultsPolicyGivesTheSafeAnswerUnlessOneIsQueued) {
  test::ScriptedDialogs dialogs(Policy::Defaults);
  EXPECT_EQ(MsgBox("a"), MsgResult::OK);
  EXPECT_EQ(MsgBox("b", MsgButtons::OKCancel), MsgResult::OK);
  EXPECT_EQ(MsgBox("c", MsgButtons::YesNo), MsgResult::No);
  EXPECT_EQ(MsgBox("d", MsgButtons::YesNoCancel), MsgResult::No);
  EXPECT_EQ(MsgBox("e", MsgButtons::AbortRetryIgnore), MsgResult::Ignore);
  EXPECT_EQ(MsgBox("f", MsgButtons::RetryCancel), MsgResult::Cancel);
  EXPECT_EQ(InputBox("g", "T", "51"), "51");
  EXPECT_EQ(InputBox("h"), "");
  dialogs.answer(MsgResult::Yes).input(std::nullopt);
  EXPECT_EQ(MsgBox("i", MsgButtons::YesNo), MsgResult::Yes);
  EXPECT_EQ(InputBox("j", "T", "51"), std::nullopt);
  EXPECT_EQ(dialogs.count(), 10u);
  EXPECT_EQ(dialogs.log()[4].answer, "Ignore");
}

TEST(HeadlessDialogs, CancelIsNotAnEmptyAnswer) {
  test::ScriptedDialogs dialogs;
  dialogs.input(std::nullopt).input("");
  auto cancelled = InputBox("Name?");
  auto empty = InputBox("Name?");
  EXPECT_FALSE(cancelled.has_value());
  ASSERT_TRUE(empty.has_value());
  EXPECT_EQ(*empty, "");
  EXPECT_EQ(dialogs.log()[0].answer, "<cancel>");
  EXPECT_EQ(dialogs.log()[1].answer, "");
}

TEST(HeadlessDialogs, TheFixtureFailsOnAnswersLeftUnused) {
  EXPECT_NONFATAL_FAILURE(
      {
        test::ScriptedDialogs dialogs;
        dialogs.answer(MsgResult::Yes);
      },
      "never used");
  // ... and leaves the backend clean for the next test.
  EXPECT_EQ(headless().pendingAnswers(), 0u);
  EXPECT_EQ(headless().policy(), Policy::Strict);
}

TEST(HeadlessServices, ScreenBeepBusyAndProgramEnd) {
  test::ScriptedDialogs dialogs;
  auto& h = dialogs.backend();
  EXPECT_EQ(backend().screen().widthPixels, 1024);
  h.setScreen({800, 600, 15, 15});
  EXPECT_EQ(backend().screen().heightPixels, 600);
  Beep();
  Beep();
  EXPECT_EQ(h.beeps(), 2);
  backend().setBusyCursor(true);
  EXPECT_TRUE(h.busy());

  int runs = 0;
  h.postIdle([&] { ++runs; });
  backend().endProgram();
  EXPECT_TRUE(backend().programEnded());
  DoEvents();
  EXPECT_EQ(runs, 0) << "an ended program handles no events";
  h.resetProgramEnd();
  DoEvents();
  EXPECT_EQ(runs, 1);
}

TEST(HeadlessIdle, DoEventsRunsWhatWasWaitingAndLeavesNewPostsForLater) {
  test::ScriptedDialogs dialogs;
  std::vector<std::string> ran;
  dialogs.idle([&] {
    ran.push_back("first");
    dialogs.idle([&] { ran.push_back("posted by first"); });
  });
  dialogs.idle([&] { ran.push_back("second"); });
  DoEvents();
  EXPECT_EQ(ran, (std::vector<std::string>{"first", "second"}));
  DoEvents();
  EXPECT_EQ(ran.back(), "posted by first");
  DoEvents();  // nothing left
  EXPECT_EQ(ran.size(), 3u);
}

TEST(HeadlessIdle, AWaitLoopMovesOnAndNestedWaitsTakeTheNextActions) {
  test::ScriptedDialogs dialogs;
  // A match waits for the team talk to end; the test presses "go to match"
  // from an idle action queued behind the one that starts the match.
  int stage = 0;
  int waits = 0;
  std::vector<std::string> ran;
  dialogs.idle([&] {
    ran.push_back("kick-off");
    while (stage != 1) {
      ++waits;
      DoEvents();
      ASSERT_LT(waits, 100) << "the wait never ends";
    }
    ran.push_back("match played");
  });
  dialogs.idle([&] {
    ran.push_back("go to match");
    stage = 1;
  });
  DoEvents();
  EXPECT_EQ(ran, (std::vector<std::string>{"kick-off", "go to match", "match played"}));
  EXPECT_EQ(waits, 1);

  // An action that keeps posting itself never makes one DoEvents spin forever.
  int polls = 0;
  std::function<void()> poll = [&] {
    ++polls;
    dialogs.idle(poll);
  };
  dialogs.idle(poll);
  for (int i = 0; i < 5; ++i) DoEvents();
  EXPECT_EQ(polls, 5);
}

class Dialog : public Form {
 public:
  Dialog() : Form("Dialog") {
    OK.onClick = [this] { Unload(); };
    designDone();
  }
  CommandButton OK{*this, "OK"};
};

TEST(HeadlessIdle, AModalShowRunsIdleActionsUntilTheFormCloses) {
  test::ScriptedDialogs dialogs;
  Dialog dlg;
  std::vector<std::string> ran;
  dialogs.idle([&] {
    ran.push_back("look");
    EXPECT_TRUE(dlg.modal());
  });
  dialogs.idle([&] {
    ran.push_back("press OK");
    dlg.OK.userClick();
  });
  dialogs.idle([&] { ran.push_back("after the dialog"); });
  dlg.Show(ShowMode::Modal);
  EXPECT_FALSE(dlg.loaded());
  EXPECT_FALSE(dlg.modal());
  EXPECT_EQ(ran, (std::vector<std::string>{"look", "press OK"}));
  EXPECT_EQ(dialogs.backend().pendingIdle(), 1u);

  // With nothing left to do the modal show returns with the form still up.
  DoEvents();
  dlg.Show(ShowMode::Modal);
  EXPECT_TRUE(dlg.shown());
  EXPECT_FALSE(dlg.modal());
}

TEST(HeadlessIdle, AWaitNothingCanEndFailsInsteadOfHanging) {
  HeadlessBackend& b = headless();
  b.reset();
  b.setStallLimit(1000);
  bool released = false;
  // A wait that an idle action ends returns normally, however long it spun before.
  for (int i = 0; i < 900; ++i) DoEvents();
  b.postIdle([&] { released = true; });
  while (!released) DoEvents();
  // The same wait with nothing left to end it throws.
  released = false;
  EXPECT_THROW(
      {
        while (!released) DoEvents();
      },
      StalledWait);
  b.reset();
}

}  // namespace
}  // namespace kervale::ui
