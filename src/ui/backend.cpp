#include "ui/backend.h"

#include "ui/headless/headless_backend.h"

namespace kervale::ui {

Backend::~Backend() {
  if (detail::installedBackend == this) detail::installedBackend = nullptr;
  if (detail::madeHeadless == this) detail::madeHeadless = nullptr;
}

Backend& detail::headlessBackend() {
  madeHeadless = &headless();
  return *madeHeadless;
}

void setBackend(Backend* b) { detail::installedBackend = b; }

MsgResult MsgBox(std::string_view text, MsgButtons buttons, MsgIcon icon, std::string_view title) {
  return backend().messageBox(text, buttons, icon, title);
}

std::optional<std::string> InputBox(std::string_view prompt, std::string_view title, std::string_view defaultText) {
  return backend().inputBox(prompt, title, defaultText);
}

void DoEvents() { backend().doEvents(); }

void Beep() { backend().beep(); }

}  // namespace kervale::ui
