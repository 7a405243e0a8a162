#include "ui/backend.h"

#include "ui/headless/headless_backend.h"

namespace kervale::ui {

namespace {
Backend* g_backend = nullptr;
}

Backend::~Backend() {
  if (g_backend == this) g_backend = nullptr;
}

Backend& backend() { return g_backend != nullptr ? *g_backend : headless(); }

void setBackend(Backend* b) { g_backend = b; }

MsgResult MsgBox(std::string_view text, MsgButtons buttons, MsgIcon icon, std::string_view title) {
  return backend().messageBox(text, buttons, icon, title);
}

std::optional<std::string> InputBox(std::string_view prompt, std::string_view title, std::string_view defaultText) {
  return backend().inputBox(prompt, title, defaultText);
}

void DoEvents() { backend().doEvents(); }

void YieldToEvents() { backend().yieldToEvents(); }

void Beep() { backend().beep(); }

}  // namespace kervale::ui
