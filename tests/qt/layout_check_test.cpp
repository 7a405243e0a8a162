// Every screen of the game, in the real widgets and both layouts: texts fit on
// their line, controls do not cover one another and stay inside the window.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QStyle>
#include <QTimer>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "data/mls_module.h"
#include "qt/qt_app.h"
#include "shell/game_screens.h"
#include "shell/shell_game.h"
#include "support/temp_dir.h"
#include "ui/control.h"
#include "ui/form.h"
#include "ui/qt/qt_backend.h"

namespace kervale::test {
namespace {

using ui::ControlKind;

// Places where one control stands over another by design.
const std::map<std::string, std::string> kMayOverlap = {
    {"PlayerDirectory Command1 Command2", "the user's own players show Transfer List in Shortlist's place"},
};

// Boxes get their default answers: the check looks at screens, not dialogs.
class AnsweringBackend : public ui::QtBackend {
 public:
  ui::MsgResult messageBox(std::string_view, ui::MsgButtons buttons, ui::MsgIcon, std::string_view) override {
    switch (buttons) {
      case ui::MsgButtons::YesNo:
        return ui::MsgResult::No;
      case ui::MsgButtons::AbortRetryIgnore:
        return ui::MsgResult::Ignore;
      case ui::MsgButtons::OK:
        return ui::MsgResult::OK;
      default:
        return ui::MsgResult::Cancel;
    }
  }
  std::optional<std::string> inputBox(std::string_view, std::string_view, std::string_view) override {
    return std::nullopt;
  }
};

std::string label(const ui::Control& c) {
  return c.index() >= 0 ? c.name() + "(" + std::to_string(c.index()) + ")" : c.name();
}

// Frames, pictures, shapes and captionless labels (colour bands) stand
// behind what they hold; pictures and bands may run past the window's edge.
bool holdsOthers(const ui::Control& c) {
  const ControlKind k = c.kind();
  return k == ControlKind::Frame || k == ControlKind::PictureBox || k == ControlKind::Image ||
         k == ControlKind::Shape || (k == ControlKind::Label && c.caption().empty());
}

bool isBackdrop(const ui::Control& c) { return c.kind() != ControlKind::Frame && holdsOthers(c); }

// The lines a widget shows and the width each may take.
struct TextRoom {
  QStringList lines;
  int room = 0;
};

// A label's text as the game wrote it: the window may show it shortened.
QStringList captionLines(const ui::Control& c) {
  QString text = QString::fromStdString(c.caption());
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace('\r', '\n');
  return text.split('\n');
}

TextRoom textRoom(const ui::Control& c, QWidget* w) {
  const QStyle* style = w->style();
  if (auto* l = qobject_cast<QLabel*>(w)) return {captionLines(c), l->contentsRect().width()};
  if (auto* g = qobject_cast<QGroupBox*>(w)) return {{g->title()}, w->width() - 16};
  if (auto* b = qobject_cast<QAbstractButton*>(w)) {
    QString text = b->text().remove('&');
    if (b->inherits("QPushButton")) return {{text}, w->width() - 6};
    const bool radio = b->inherits("QRadioButton");
    const int mark = style->pixelMetric(radio ? QStyle::PM_ExclusiveIndicatorWidth : QStyle::PM_IndicatorWidth) +
                     style->pixelMetric(radio ? QStyle::PM_RadioButtonLabelSpacing : QStyle::PM_CheckBoxLabelSpacing);
    return {{text}, w->width() - mark};
  }
  if (auto* list = qobject_cast<QListWidget*>(w)) {
    TextRoom r{{}, list->viewport()->width() - 4};
    for (int i = 0; i < list->count(); ++i) r.lines.push_back(list->item(i)->text());
    return r;
  }
  if (auto* combo = qobject_cast<QComboBox*>(w)) {
    TextRoom r{{}, w->width() - style->pixelMetric(QStyle::PM_ScrollBarExtent) - 6};
    for (int i = 0; i < combo->count(); ++i) r.lines.push_back(combo->itemText(i));
    return r;
  }
  return {};
}

class LayoutCheck {
 public:
  LayoutCheck(ui::QtBackend& qt, const std::string& where) : qt_(qt), where_(where) {}

  void check(const ui::Form& form) {
    std::vector<std::pair<const ui::Control*, QRect>> shown;
    const QRect inside = qt_.surface(form)->rect().adjusted(-1, -1, 1, 1);
    for (const ui::Control* c : form.controls()) {
      QWidget* w = qt_.widget(*c);
      if (w == nullptr || !w->isVisibleTo(qt_.window(form))) continue;
      if (!inside.contains(w->geometry()) && !isBackdrop(*c)) fail(*c, "lies outside the window");
      checkText(*c, w);
      if (c->kind() != ControlKind::Line) shown.emplace_back(c, w->geometry());
    }
    for (std::size_t i = 0; i < shown.size(); ++i) {
      for (std::size_t j = i + 1; j < shown.size(); ++j) checkOverlap(shown[i], shown[j]);
    }
  }

  const std::vector<std::string>& failures() const { return failures_; }

 private:
  void fail(const ui::Control& c, const std::string& what) {
    failures_.push_back(where_ + " " + label(c) + ": " + what);
  }

  void checkText(const ui::Control& c, QWidget* w) {
    const TextRoom r = textRoom(c, w);
    const QFontMetrics metrics = w->fontMetrics();
    const bool oneLinePerRow = qobject_cast<QListWidget*>(w) != nullptr || qobject_cast<QComboBox*>(w) != nullptr;
    if (!oneLinePerRow && w->height() >= (r.lines.size() + 1) * metrics.lineSpacing()) return;  // room to wrap
    for (const QString& line : r.lines) {
      if (line.isEmpty()) continue;
      const int width = metrics.horizontalAdvance(line);
      if (width > r.room + 1) {
        fail(c, "\"" + line.toStdString() + "\" needs " + std::to_string(width) + " px of " + std::to_string(r.room));
      }
    }
  }

  void checkOverlap(const std::pair<const ui::Control*, QRect>& a, const std::pair<const ui::Control*, QRect>& b) {
    const QRect both = a.second.intersected(b.second);
    if (both.width() <= 1 || both.height() <= 1) return;
    if (isBackdrop(*a.first) && isBackdrop(*b.first)) return;
    if (holdsOthers(*a.first) && a.second.contains(b.second)) return;
    if (holdsOthers(*b.first) && b.second.contains(a.second)) return;
    const std::string pair = a.first->form().name() + " " + label(*a.first) + " " + label(*b.first);
    if (kMayOverlap.count(pair) != 0) return;
    fail(*a.first, "overlaps " + label(*b.first) + " by " + std::to_string(both.width()) + " x " +
                       std::to_string(both.height()) + " px");
  }

  ui::QtBackend& qt_;
  std::string where_;
  std::vector<std::string> failures_;
};

void unloadAll(ui::QtBackend& qt) {
  for (int round = 0; round < 4 && !qt.forms().empty(); ++round) {
    for (ui::Form* f : qt.forms()) {
      if (f->loaded()) f->Unload();
    }
    QCoreApplication::processEvents();
  }
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(LayoutCheck, EveryScreenFitsInBothLayouts) {
  qtApp();
  AnsweringBackend qt;
  ui::setBackend(&qt);
  ScopedCurrentDir inWorld(KERVALE_WORLD_DIR);  // the new-game screen reads the world
  std::vector<std::string> failures;
  std::set<std::string> opened;
  for (const GameScreen& screen : gameScreens()) {
    for (const char* mode : {"800 X 600", "1024 X 768"}) {
      replaceGame(smallGame());
      mls().ScreenMode = mode;
      if (screen.prepare) screen.prepare();
      // Checked and closed from the event loop: a modal or waiting screen
      // returns from its opener only once it is gone.
      QTimer::singleShot(0, [&] {
        for (ui::Form* form : qt.forms()) {
          if (form->name() != screen.name || !form->shown()) continue;
          opened.insert(screen.name);
          LayoutCheck check(qt, screen.name + " [" + mode + "]");
          check.check(*form);
          failures.insert(failures.end(), check.failures().begin(), check.failures().end());
        }
        unloadAll(qt);
      });
      screen.open();
      QCoreApplication::processEvents();
      unloadAll(qt);
    }
  }
  for (const GameScreen& screen : gameScreens())
    EXPECT_EQ(opened.count(screen.name), 1u) << screen.name << " did not open";
  std::string report;
  for (const std::string& f : failures) report += f + "\n";
  EXPECT_TRUE(failures.empty()) << failures.size() << " layout faults:\n" << report;
  ui::setBackend(nullptr);
  replaceGame(nullptr);
}

}  // namespace
}  // namespace kervale::test
