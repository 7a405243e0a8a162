#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPixmap>
#include <string>
#include <unordered_map>
#include <vector>

#include "ui/backend.h"

class QAction;
class QEventLoop;
class QWidget;

namespace kervale::ui {

class FormWindow;

// The real window system: a top-level Qt window per shown form. Changes of
// the model reach the widgets lazily, once per turn of the event loop or on
// refresh(), so that work that fills hidden lists costs nothing.
class QtBackend : public Backend {
 public:
  // A QApplication must exist.
  QtBackend();
  ~QtBackend() override;
  QtBackend(const QtBackend&) = delete;
  QtBackend& operator=(const QtBackend&) = delete;

  MsgResult messageBox(std::string_view text, MsgButtons buttons, MsgIcon icon, std::string_view title) override;
  std::optional<std::string> inputBox(std::string_view prompt, std::string_view title,
                                      std::string_view defaultText) override;
  void doEvents() override;
  void yieldToEvents() override;
  ScreenMetrics screen() const override;
  void setBusyCursor(bool busy) override;
  void beep() override;
  void endProgram() override;
  bool programEnded() const override { return ended_; }

  void formShown(Form& form, bool modal) override;
  void formHidden(Form& form) override;
  void formUnloaded(Form& form) override;
  void formChanged(Form& form) override;
  void refresh(Form& form) override;

  // The window of a form, its central surface, a control's widget and a menu
  // item's action; null when the form has no window.
  QWidget* window(const Form& form) const;
  QWidget* surface(const Form& form) const;
  QWidget* widget(const Control& control) const;
  QAction* action(const MenuItem& item) const;
  // The forms that have a window now.
  std::vector<Form*> forms() const;
  bool flushPending() const { return flushPending_; }

  // The program ends once no form has a window left and the handler that
  // unloaded the last one has finished (the application sets this; tests do not).
  void setEndWhenAllUnloaded(bool v) { endWhenAllUnloaded_ = v; }

  // Decoded pictures by file name; a null pixmap when the file is missing or
  // not a picture.
  QPixmap picture(const std::string& file);

 private:
  friend class FormWindow;

  FormWindow* find(const Form& form) const;
  void scheduleFlush();
  void flush();
  void dropWindow(Form& form);

  QObject context_;  // owns the pending flush timer
  std::unordered_map<const Form*, FormWindow*> windows_;
  std::vector<Form*> dirty_;
  const Form* activating_ = nullptr;  // shown, its activation not yet reported by the window system
  QElapsedTimer activatingSince_;
  QElapsedTimer sinceEvents_;       // since the event loop last had a turn
  std::vector<QEventLoop*> loops_;  // nested modal loops, innermost last
  std::unordered_map<std::string, QPixmap> pictures_;
  bool flushPending_ = false;
  bool busy_ = false;
  bool ended_ = false;
  bool endWhenAllUnloaded_ = false;
};

}  // namespace kervale::ui
