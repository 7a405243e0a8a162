#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kervale::ui {

class Form;
class Control;
class MenuItem;

enum class MsgButtons { OK, OKCancel, AbortRetryIgnore, YesNoCancel, YesNo, RetryCancel };
enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgResult { OK, Cancel, Abort, Retry, Ignore, Yes, No };

struct ScreenMetrics {
  int widthPixels = 1024;
  int heightPixels = 768;
  int twipsPerPixelX = 15;
  int twipsPerPixelY = 15;
};

// Title of every box that names no other.
inline constexpr std::string_view kDefaultTitle = "KERV";

// The window system behind the control model: the real one (Qt) or the
// headless one of tests, benchmarks and scripted play.
class Backend {
 public:
  // A backend destroyed while installed is uninstalled, so backend() never dangles.
  virtual ~Backend();

  // Line breaks inside texts are the single character 13.
  virtual MsgResult messageBox(std::string_view text, MsgButtons buttons, MsgIcon icon, std::string_view title) = 0;
  // nullopt when cancelled; an empty text when OK was pressed on an empty box.
  virtual std::optional<std::string> inputBox(std::string_view prompt, std::string_view title,
                                              std::string_view defaultText) = 0;
  // Lets the window system handle what is pending; safe to nest.
  virtual void doEvents() = 0;
  // The same in the middle of work that waits for nothing (a match's minute):
  // a backend may let it pass when it has just handled events.
  virtual void yieldToEvents() { doEvents(); }
  virtual ScreenMetrics screen() const = 0;
  virtual void setBusyCursor(bool busy) = 0;
  virtual void beep() = 0;
  // Ends the program: no further events are handled.
  virtual void endProgram() = 0;
  virtual bool programEnded() const = 0;

  // Window lifecycle. A modal show returns when the form is hidden or unloaded.
  virtual void formShown(Form& form, bool modal) = 0;
  virtual void formHidden(Form& form) = 0;
  virtual void formUnloaded(Form& form) = 0;
  // Something of a shown form changed; the window picks it up lazily.
  virtual void formChanged(Form& form) = 0;
  // Push every pending change of the form to its window now.
  virtual void refresh(Form& form) = 0;
};

namespace detail {
inline Backend* installedBackend = nullptr;  // set by setBackend; none: the headless one
// The headless one once made: a hidden match reaches the backend twice a
// minute, and this spares each time a call and the made-yet check.
inline Backend* madeHeadless = nullptr;
Backend& headlessBackend();  // makes it on first use
}  // namespace detail

// The backend in use; a headless one until another is installed.
inline Backend& backend() {
  if (Backend* installed = detail::installedBackend) return *installed;
  if (Backend* made = detail::madeHeadless) return *made;
  return detail::headlessBackend();
}
void setBackend(Backend* b);  // nullptr restores the default headless backend

// The dialogs and services as the screens call them.
MsgResult MsgBox(std::string_view text, MsgButtons buttons = MsgButtons::OK, MsgIcon icon = MsgIcon::None,
                 std::string_view title = kDefaultTitle);
std::optional<std::string> InputBox(std::string_view prompt, std::string_view title = kDefaultTitle,
                                    std::string_view defaultText = "");
void DoEvents();
// Inline: a match nobody watches yields twice a minute.
inline void YieldToEvents() { backend().yieldToEvents(); }
void Beep();

}  // namespace kervale::ui
