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
  dialogs.answer(MsgResult::Retry).answer(MsgResult::OK).input("Smith").input(std::nullopt).input("");

  std::string modeError = "A selftest has revealed...\rYou need...";
  EXPECT_EQ(MsgBox(modeError, MsgButtons::AbortRetryIgnore, MsgIcon::None, "Error"), MsgResult::Retry);
  EXPECT_EQ(MsgBox("Fatal Error", MsgButtons::OK, MsgIcon::Critical), MsgResult::OK);
  EXPECT_EQ(InputBox("Your name?", "Manager", "Bob"), "Smith");
  EXPECT_EQ(InputBox("Name?"), std::nullopt) << "cancel is not an empty answer";
  EXPECT_EQ(InputBox("Name?"), std::optional<std::string>(""));

  ASSERT_EQ(dialogs.count(), 5u);
  const auto& log = dialogs.log();
  EXPECT_EQ(log[0].text, modeError);
  EXPECT_EQ(log[0].buttons, MsgButtons::AbortRetryIgnore);
  EXPECT_EQ(log[0].answer, "Retry");
  EXPECT_EQ(log[1].title, "KERV");
  EXPECT_EQ(log[1].icon, MsgIcon::Critical);
  EXPECT_EQ(log[2].kind, DialogRecord::Kind::Input);
  EXPECT_EQ(log[2].title, "Manager");
  EXPECT_EQ(log[3].answer, "<cancel>");
  EXPECT_EQ(log[4].answer, "");
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

  // An answer that fits no button is a test fault.
  dialogs.answer(MsgResult::Yes);
  what = messageOf([] { MsgBox("Game loaded successfully"); });
  EXPECT_NE(what.find("Yes"), std::string::npos) << what;
  EXPECT_NE(what.find("Game loaded successfully"), std::string::npos) << what;
}

TEST(HeadlessDialogs, AnswersMustFitTheButtonsAndTheDefaultsPolicyGivesTheSafeOne) {
  const struct {
    MsgButtons buttons;
    MsgResult fits, fitsNot, safe;
  } cases[] = {{MsgButtons::OK, MsgResult::OK, MsgResult::Yes, MsgResult::OK},
               {MsgButtons::OKCancel, MsgResult::Cancel, MsgResult::No, MsgResult::OK},
               {MsgButtons::YesNo, MsgResult::Yes, MsgResult::OK, MsgResult::No},
               {MsgButtons::YesNoCancel, MsgResult::Cancel, MsgResult::Retry, MsgResult::No},
               {MsgButtons::AbortRetryIgnore, MsgResult::Retry, MsgResult::Cancel, MsgResult::Ignore},
               {MsgButtons::RetryCancel, MsgResult::Retry, MsgResult::Ignore, MsgResult::Cancel}};
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.buttons));
    test::ScriptedDialogs dialogs;
    dialogs.answer(c.fits).answer(c.fitsNot);
    EXPECT_EQ(MsgBox("a", c.buttons), c.fits);
    EXPECT_THROW(MsgBox("b", c.buttons), UnexpectedDialog);
    dialogs.backend().setPolicy(Policy::Defaults);
    EXPECT_EQ(MsgBox("c", c.buttons), c.safe);
    EXPECT_EQ(dialogs.log().back().answer, resultName(c.safe));
  }
  test::ScriptedDialogs dialogs(Policy::Defaults);
  EXPECT_EQ(InputBox("g", "T", "51"), "51");
  EXPECT_EQ(InputBox("h"), "");
  dialogs.input(std::nullopt);
  EXPECT_EQ(InputBox("j", "T", "51"), std::nullopt) << "a queued answer goes first";
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

TEST(HeadlessServices, AnEndedProgramHandlesNoEvents) {
  test::ScriptedDialogs dialogs;
  auto& h = dialogs.backend();
  int runs = 0;
  h.postIdle([&] { ++runs; });
  backend().endProgram();
  EXPECT_TRUE(backend().programEnded());
  DoEvents();
  EXPECT_EQ(runs, 0);
  h.resetProgramEnd();
  DoEvents();
  EXPECT_EQ(runs, 1);
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

TEST(HeadlessIdle, YieldsOfLongWorkNeverAddUpToAStall) {
  HeadlessBackend& b = headless();
  b.reset();
  b.setStallLimit(100);
  // Work that yields far more often than the limit, with short waits between
  // the yields: each wait counts on its own.
  EXPECT_NO_THROW({
    for (int i = 0; i < 1000; ++i) {
      YieldToEvents();
      for (int spin = 0; spin < 50; ++spin) DoEvents();
    }
  });
  // A yield still runs what is waiting.
  bool ran = false;
  b.postIdle([&] { ran = true; });
  YieldToEvents();
  EXPECT_TRUE(ran);
  // One wait past the limit still fails, yields before it or not.
  EXPECT_THROW(
      {
        for (;;) DoEvents();
      },
      StalledWait);
  b.reset();
}

TEST(HeadlessIdle, ARepeatingActionRunsAtEveryCallUntilItStops) {
  HeadlessBackend& b = headless();
  b.reset();
  std::vector<std::string> ran;
  int turns = 0;
  b.postRepeating([&] {
    ++turns;
    ran.push_back("look " + std::to_string(turns));
    // What it posts waits before its own next turn; a nested call runs that, not the action itself.
    if (turns == 1) b.postIdle([&] { ran.push_back("posted"); });
    if (turns == 2) DoEvents();
    return turns < 3;
  });
  EXPECT_EQ(b.pendingIdle(), 1u);
  DoEvents();
  EXPECT_EQ(ran, (std::vector<std::string>{"look 1"}));
  EXPECT_EQ(b.pendingIdle(), 2u);
  DoEvents();
  DoEvents();
  EXPECT_EQ(ran, (std::vector<std::string>{"look 1", "posted", "look 2", "look 3"}));
  // Stopped: nothing is left, and a wait with nothing left stalls as before.
  EXPECT_EQ(b.pendingIdle(), 0u);
  b.setStallLimit(3);
  EXPECT_THROW(
      {
        for (;;) DoEvents();
      },
      StalledWait);
  b.reset();
}

TEST(HeadlessIdle, AYieldWithNothingWaitingIsNeverAStall) {
  HeadlessBackend& b = headless();
  b.reset();
  b.setStallLimit(0);
  EXPECT_NO_THROW(YieldToEvents());
  EXPECT_THROW(DoEvents(), StalledWait);
  b.reset();
}

TEST(IdleQueueRing, KeepsItsOrderWhileItGrowsAroundTheRing) {
  IdleQueue queue;
  std::vector<int> out;
  auto action = [&out](int n) {
    return std::make_unique<std::function<bool()>>([&out, n] {
      out.push_back(n);
      return false;
    });
  };
  int next = 0;
  // Take some out first, so that the ring has wrapped when it has to grow.
  for (int i = 0; i < 6; ++i) queue.push(action(next++));
  for (int i = 0; i < 4; ++i) (*queue.pop())();
  for (int i = 0; i < 20; ++i) queue.push(action(next++));
  EXPECT_EQ(queue.size(), 22u);
  while (!queue.empty()) (*queue.pop())();
  std::vector<int> expected(26);
  for (int i = 0; i < 26; ++i) expected[static_cast<std::size_t>(i)] = i;
  EXPECT_EQ(out, expected);
  queue.push(action(99));
  queue.clear();
  EXPECT_TRUE(queue.empty());
  // Cleared, it takes actions again from an empty ring.
  for (int i = 100; i < 110; ++i) queue.push(action(i));
  out.clear();
  while (!queue.empty()) (*queue.pop())();
  EXPECT_EQ(out, (std::vector<int>{100, 101, 102, 103, 104, 105, 106, 107, 108, 109}));
}

// The backend in use is the one installed, and the headless one again once
// it is removed or destroyed.
TEST(HeadlessServices, TheHeadlessBackendServesWhenNoneIsInstalled) {
  EXPECT_EQ(&backend(), &headless());
  {
    HeadlessBackend other;
    setBackend(&other);
    EXPECT_EQ(&backend(), &other);
    setBackend(nullptr);
    EXPECT_EQ(&backend(), &headless());
    setBackend(&other);
  }
  EXPECT_EQ(&backend(), &headless());
}

}  // namespace
}  // namespace kervale::ui
