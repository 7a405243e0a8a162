#include "support/scripted_dialogs.h"

#include <gtest/gtest.h>

namespace kervale::test {

ScriptedDialogs::ScriptedDialogs(ui::HeadlessBackend::Policy policy) {
  ui::setBackend(nullptr);
  ui::headless().reset();
  ui::headless().setPolicy(policy);
}

ScriptedDialogs::~ScriptedDialogs() {
  auto& h = ui::headless();
  if (h.pendingAnswers() != 0) {
    ADD_FAILURE() << h.pendingAnswers() << " queued dialog answer(s) never used";
  }
  h.reset();
}

ScriptedDialogs& ScriptedDialogs::answer(ui::MsgResult r) {
  ui::headless().queueAnswer(r);
  return *this;
}

ScriptedDialogs& ScriptedDialogs::input(std::optional<std::string> text) {
  ui::headless().queueInput(std::move(text));
  return *this;
}

ScriptedDialogs& ScriptedDialogs::idle(std::function<void()> action) {
  ui::headless().postIdle(std::move(action));
  return *this;
}

const std::vector<ui::DialogRecord>& ScriptedDialogs::log() const { return ui::headless().log(); }

const ui::DialogRecord& ScriptedDialogs::last() const {
  static const ui::DialogRecord kNone;
  if (log().empty()) {
    ADD_FAILURE() << "no dialog was shown";
    return kNone;
  }
  return log().back();
}

std::vector<std::string> ScriptedDialogs::texts() const {
  std::vector<std::string> out;
  for (const auto& r : log()) out.push_back(r.text);
  return out;
}

bool ScriptedDialogs::sawText(std::string_view part) const {
  for (const auto& r : log()) {
    if (r.text.find(part) != std::string::npos) return true;
  }
  return false;
}

}  // namespace kervale::test
