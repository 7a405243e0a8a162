#pragma once

// The rules of the layout check, applied to one form as the real window
// shows it: texts fit and show, controls neither cover one another nor leave
// the window, texts do not run together, lines pass between text rows, state
// markers stand out from their face, long texts scroll, and texts over a
// picture stand on a backing.
#include <QRect>
#include <QSize>
#include <QWidget>
#include <map>
#include <string>
#include <vector>

#include "ui/form.h"
#include "ui/qt/qt_backend.h"

namespace kervale::test {

// Failures that stand by design, keyed "Form Control rule" (or "Form Control
// Other overlap" for a pair), each with its reason.
using AllowList = std::map<std::string, std::string>;
const AllowList& layoutAllowList();

class LayoutCheck {
 public:
  // A control as the window shows it.
  struct Shown {
    const ui::Control* control;
    QWidget* widget;
    QRect box;   // in the surface's coordinates
    int stack;   // higher stands in front
    QRect text;  // where a label draws its text
    std::vector<QRect> ink;
  };

  LayoutCheck(ui::QtBackend& qt, std::string where, const AllowList& allowed = layoutAllowList())
      : qt_(qt), where_(std::move(where)), allowed_(allowed) {}

  // The screen the form's layout is made for: a full-window form's
  // background must cover it. Unset, that rule is not applied.
  void setScreen(QSize size) { screen_ = size; }
  void check(const ui::Form& form);
  const std::vector<std::string>& failures() const { return failures_; }

 private:
  void fail(const ui::Control& c, const std::string& rule, const std::string& what);
  void checkFits(const Shown& s);
  void checkShowsText(const Shown& s);
  void checkCutText(const Shown& s);
  void checkColours(const Shown& s);
  void checkOverlap(const Shown& a, const Shown& b);
  void checkTextsApart(const Shown& a, const Shown& b);
  // False, with the failure, when the line runs through the text.
  bool lineClearOfText(const Shown& line, const Shown& text);
  void checkMarkHeight(const Shown& s);
  void checkMiddle(const Shown& s);
  void checkColumns(const std::vector<Shown>& shown);
  void checkFillsScreen(const ui::Form& form, const std::vector<Shown>& shown);
  void checkBacking(const Shown& s, const std::vector<Shown>& shown);

  ui::QtBackend& qt_;
  std::string where_;
  QSize screen_;
  const AllowList& allowed_;
  std::vector<std::string> failures_;
};

}  // namespace kervale::test
