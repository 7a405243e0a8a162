#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/backend.h"
#include "ui/headless/idle_queue.h"

namespace kervale::ui {

// A dialog the program showed: what a test checks.
struct DialogRecord {
  enum class Kind { Message, Input };
  Kind kind = Kind::Message;
  std::string title;
  std::string text;
  MsgButtons buttons = MsgButtons::OK;
  MsgIcon icon = MsgIcon::None;
  std::string answer;  // "OK", "Yes", "No", ... or the input text, "<cancel>"
};

// Thrown when a dialog comes that no answer was queued for under the strict policy.
class UnexpectedDialog : public std::logic_error {
 public:
  using std::logic_error::logic_error;
};

// Thrown when the program keeps waiting on DoEvents with nothing queued that
// could end the wait: without windows nobody else can, so a test fails here
// instead of hanging.
class StalledWait : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// No windows. Dialogs are answered from a script, idle actions run on
// doEvents, and the screen size is settable.
class HeadlessBackend : public Backend {
 public:
  enum class Policy {
    Strict,   // an unqueued dialog throws UnexpectedDialog
    Defaults  // an unqueued dialog gets its default answer: OK, No, Ignore, Cancel; an input its default text
  };

  void setPolicy(Policy p) { policy_ = p; }
  Policy policy() const { return policy_; }
  // Back to the start: strict, nothing queued or logged, no beeps, default screen.
  void reset();
  void queueAnswer(MsgResult answer) { answers_.push_back(answer); }
  void queueInput(std::optional<std::string> answer) { inputs_.push_back(std::move(answer)); }
  const std::vector<DialogRecord>& log() const { return log_; }
  void clearLog() { log_.clear(); }
  // Every form shown since the last reset, in order: which screen a click opened.
  const std::vector<Form*>& shownForms() const { return shown_; }
  void clearShownForms() { shown_.clear(); }
  std::size_t pendingAnswers() const { return answers_.size() + inputs_.size(); }

  // Run by the next doEvents, in order; an action may post more.
  void postIdle(std::function<void()> action);
  // The same for an action that goes on: each time it returns true it waits
  // for the next doEvents again, as one that posts itself anew when done,
  // without being made anew.
  void postRepeating(std::function<bool()> action) {
    idle_.push(std::make_unique<std::function<bool()>>(std::move(action)));
  }
  std::size_t pendingIdle() const { return idle_.size(); }
  void setScreen(ScreenMetrics m) { screen_ = m; }
  // doEvents calls in a row with nothing to run before StalledWait is thrown.
  void setStallLimit(std::uint64_t calls) { stallLimit_ = calls; }
  int beeps() const { return beeps_; }
  bool busy() const { return busy_; }
  void resetProgramEnd() { ended_ = false; }

  MsgResult messageBox(std::string_view text, MsgButtons buttons, MsgIcon icon, std::string_view title) override;
  std::optional<std::string> inputBox(std::string_view prompt, std::string_view title,
                                      std::string_view defaultText) override;
  void doEvents() override;
  // Runs the waiting actions as doEvents does; a yield ends any wait before
  // it, so stalls are counted per wait, not over a whole run.
  void yieldToEvents() override;
  ScreenMetrics screen() const override { return screen_; }
  void setBusyCursor(bool busy) override { busy_ = busy; }
  void beep() override { ++beeps_; }
  void endProgram() override { ended_ = true; }
  bool programEnded() const override { return ended_; }
  // A modal show runs idle actions until the form closes or none are left.
  void formShown(Form& form, bool modal) override;
  void formHidden(Form&) override {}
  void formUnloaded(Form&) override {}
  void formChanged(Form&) override {}
  void refresh(Form&) override {}

 private:
  Policy policy_ = Policy::Strict;
  std::deque<MsgResult> answers_;
  std::deque<std::optional<std::string>> inputs_;
  std::vector<DialogRecord> log_;
  std::vector<Form*> shown_;
  // Takes the first waiting action and runs it; one that goes on waits at the end again.
  void runFirstIdle();

  IdleQueue idle_;
  std::uint64_t idleRun_ = 0;          // idle actions taken so far: tells one doEvents' batch from later posts
  std::uint64_t idleCallsInARow_ = 0;  // doEvents calls of the current wait that found nothing to run
  // A commentary delay spins on doEvents legitimately for a few million calls;
  // far more with nothing queued is a wait that nothing can end.
  std::uint64_t stallLimit_ = 200'000'000;
  ScreenMetrics screen_;
  int beeps_ = 0;
  bool busy_ = false;
  bool ended_ = false;
};

// "OK", "Cancel", "Abort", "Retry", "Ignore", "Yes", "No": the answer texts of the log.
std::string_view resultName(MsgResult r);
// The title and the text of a dialog on one line, quoted, its line breaks as
// '|': "\"KERV\": \"first|second\"".
std::string describeDialog(const DialogRecord& r);

// The headless backend installed as the default one.
HeadlessBackend& headless();

}  // namespace kervale::ui
