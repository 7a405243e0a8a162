#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/headless/headless_backend.h"

namespace kervale::test {

// Installs the headless backend, clean and strict, for one test: every dialog
// needs a queued answer, and an answer left unused fails the test when the
// fixture ends. Idle actions left over are dropped.
class ScriptedDialogs {
 public:
  explicit ScriptedDialogs(ui::HeadlessBackend::Policy policy = ui::HeadlessBackend::Policy::Strict);
  ~ScriptedDialogs();
  ScriptedDialogs(const ScriptedDialogs&) = delete;
  ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

  // Answers, used in order.
  ScriptedDialogs& answer(ui::MsgResult r);
  ScriptedDialogs& input(std::optional<std::string> text);
  // Runs on the next DoEvents (a wait loop's, or a modal show's).
  ScriptedDialogs& idle(std::function<void()> action);

  const std::vector<ui::DialogRecord>& log() const;
  std::size_t count() const { return log().size(); }
  // The last dialog; fails the test (and returns an empty record) when none was shown.
  const ui::DialogRecord& last() const;
  // Texts of every dialog so far, in order.
  std::vector<std::string> texts() const;
  // Whether a dialog whose text contains part was shown.
  bool sawText(std::string_view part) const;

  ui::HeadlessBackend& backend() const { return ui::headless(); }
};

}  // namespace kervale::test
