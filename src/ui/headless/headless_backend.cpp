#include "ui/headless/headless_backend.h"

#include <algorithm>
#include <initializer_list>

#include "ui/form.h"

namespace kervale::ui {

namespace {

bool fits(MsgResult answer, MsgButtons buttons) {
  auto any = [answer](std::initializer_list<MsgResult> allowed) {
    return std::find(allowed.begin(), allowed.end(), answer) != allowed.end();
  };
  switch (buttons) {
    case MsgButtons::OK:
      return any({MsgResult::OK});
    case MsgButtons::OKCancel:
      return any({MsgResult::OK, MsgResult::Cancel});
    case MsgButtons::AbortRetryIgnore:
      return any({MsgResult::Abort, MsgResult::Retry, MsgResult::Ignore});
    case MsgButtons::YesNoCancel:
      return any({MsgResult::Yes, MsgResult::No, MsgResult::Cancel});
    case MsgButtons::YesNo:
      return any({MsgResult::Yes, MsgResult::No});
    case MsgButtons::RetryCancel:
      return any({MsgResult::Retry, MsgResult::Cancel});
  }
  return false;
}

MsgResult defaultAnswer(MsgButtons buttons) {
  switch (buttons) {
    case MsgButtons::OK:
    case MsgButtons::OKCancel:
      return MsgResult::OK;
    case MsgButtons::YesNo:
    case MsgButtons::YesNoCancel:
      return MsgResult::No;
    case MsgButtons::AbortRetryIgnore:
      return MsgResult::Ignore;
    case MsgButtons::RetryCancel:
      return MsgResult::Cancel;
  }
  return MsgResult::OK;
}

std::string_view buttonsName(MsgButtons b) {
  switch (b) {
    case MsgButtons::OK:
      return "OK";
    case MsgButtons::OKCancel:
      return "OK/Cancel";
    case MsgButtons::AbortRetryIgnore:
      return "Abort/Retry/Ignore";
    case MsgButtons::YesNoCancel:
      return "Yes/No/Cancel";
    case MsgButtons::YesNo:
      return "Yes/No";
    case MsgButtons::RetryCancel:
      return "Retry/Cancel";
  }
  return "?";
}

}  // namespace

std::string describeDialog(const DialogRecord& r) {
  std::string text = r.text;
  std::replace(text.begin(), text.end(), '\r', '|');
  return "\"" + r.title + "\": \"" + text + "\"";
}

std::string_view resultName(MsgResult r) {
  switch (r) {
    case MsgResult::OK:
      return "OK";
    case MsgResult::Cancel:
      return "Cancel";
    case MsgResult::Abort:
      return "Abort";
    case MsgResult::Retry:
      return "Retry";
    case MsgResult::Ignore:
      return "Ignore";
    case MsgResult::Yes:
      return "Yes";
    case MsgResult::No:
      return "No";
  }
  return "?";
}

void HeadlessBackend::reset() {
  policy_ = Policy::Strict;
  answers_.clear();
  inputs_.clear();
  log_.clear();
  shown_.clear();
  idle_.clear();
  screen_ = ScreenMetrics{};
  beeps_ = 0;
  busy_ = false;
  ended_ = false;
  idleCallsInARow_ = 0;
  stallLimit_ = HeadlessBackend().stallLimit_;
}

MsgResult HeadlessBackend::messageBox(std::string_view text, MsgButtons buttons, MsgIcon icon, std::string_view title) {
  DialogRecord record{DialogRecord::Kind::Message, std::string(title), std::string(text), buttons, icon, ""};
  MsgResult answer;
  if (!answers_.empty()) {
    answer = answers_.front();
    answers_.pop_front();
    if (!fits(answer, buttons)) {
      record.answer = "<" + std::string(resultName(answer)) + " does not fit>";
      log_.push_back(record);
      throw UnexpectedDialog("the queued answer " + std::string(resultName(answer)) + " does not fit the " +
                             std::string(buttonsName(buttons)) + " box " + describeDialog(record));
    }
  } else if (policy_ == Policy::Defaults) {
    answer = defaultAnswer(buttons);
  } else {
    record.answer = "<unexpected>";
    log_.push_back(record);
    throw UnexpectedDialog("no answer queued for the " + std::string(buttonsName(buttons)) + " box " +
                           describeDialog(record));
  }
  record.answer = resultName(answer);
  log_.push_back(std::move(record));
  return answer;
}

std::optional<std::string> HeadlessBackend::inputBox(std::string_view prompt, std::string_view title,
                                                     std::string_view defaultText) {
  DialogRecord record{DialogRecord::Kind::Input, std::string(title), std::string(prompt),
                      MsgButtons::OKCancel,      MsgIcon::None,      ""};
  std::optional<std::string> answer;
  if (!inputs_.empty()) {
    answer = std::move(inputs_.front());
    inputs_.pop_front();
  } else if (policy_ == Policy::Defaults) {
    answer = std::string(defaultText);
  } else {
    record.answer = "<unexpected>";
    log_.push_back(record);
    throw UnexpectedDialog("no input queued for the input box " + describeDialog(record));
  }
  record.answer = answer ? *answer : "<cancel>";
  log_.push_back(std::move(record));
  return answer;
}

void HeadlessBackend::postIdle(std::function<void()> action) {
  postRepeating([once = std::move(action)] {
    once();
    return false;
  });
}

void HeadlessBackend::runFirstIdle() {
  IdleQueue::Action action = idle_.pop();
  ++idleRun_;
  if ((*action)()) idle_.push(std::move(action));
}

void HeadlessBackend::doEvents() {
  // Only the actions already waiting: one posted meanwhile waits for the next
  // call, so a wait loop that calls DoEvents moves on. A nested call (an
  // action waiting in its own loop) takes the next ones of this batch.
  if (idle_.empty() && !ended_) {
    if (++idleCallsInARow_ > stallLimit_) {
      idleCallsInARow_ = 0;
      throw StalledWait("a wait goes on with no idle action left to end it");
    }
    return;
  }
  idleCallsInARow_ = 0;
  const std::uint64_t batchEnd = idleRun_ + idle_.size();
  while (!ended_ && !idle_.empty() && idleRun_ < batchEnd) runFirstIdle();
}

void HeadlessBackend::yieldToEvents() {
  // A yield is no wait: whatever wait came before it has ended, and the yield
  // itself never counts towards a stall.
  idleCallsInARow_ = 0;
  if (idle_.size() == 1 && !ended_) {
    // A batch of one, as doEvents would run it: the usual yield, with a
    // stand-in's action waiting alone.
    runFirstIdle();
  } else if (!idle_.empty()) {
    doEvents();
  }
  idleCallsInARow_ = 0;
}

void HeadlessBackend::formShown(Form& form, bool modal) {
  shown_.push_back(&form);
  // The form shown becomes the active window.
  Form* before = Form::active();
  if (before != &form) {
    if (before != nullptr) before->userDeactivate();
    if (form.shown()) form.userActivate();
  }
  if (!modal) return;
  // As a real modal loop: once the form closes, the remaining actions are the caller's.
  while (!ended_ && form.shown() && !idle_.empty()) runFirstIdle();
}

HeadlessBackend& headless() {
  // Never destroyed: forms that live to the end of the program still reach it.
  static HeadlessBackend* instance = new HeadlessBackend;
  return *instance;
}

}  // namespace kervale::ui
