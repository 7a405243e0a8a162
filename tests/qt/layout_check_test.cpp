// Every screen of the game, in the real widgets and both layouts, as it first
// opens on a small game and with the real content of a game played for two
// weeks and for seasons, and in the states a player brings it to: the layout rules of
// layout_rules.h hold everywhere but where the allow-list says why not.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "data/mls_module.h"
#include "qt/layout_rules.h"
#include "qt/played_game.h"
#include "qt/qt_app.h"
#include "shell/game_screens.h"
#include "shell/shell_game.h"
#include "support/temp_dir.h"
#include "ui/form.h"
#include "ui/qt/qt_backend.h"

namespace kervale::test {

const AllowList& layoutAllowList() {
  static const AllowList allowed = {
      {"PlayerDirectory Command1 Command2 overlap", "the user's own players show Transfer List in Shortlist's place"},
      {"PlayerDirectory Command1 shows", "the user's own players show Transfer List in Shortlist's place"},
      {"Finances Label17 apart", "the total and its \"k\" beside it read as one figure"},
  };
  return allowed;
}

namespace {

// Boxes get their default answers: the check looks at screens, not dialogs.
class AnsweringBackend : public WindowBackend {
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

void unloadAll(ui::QtBackend& qt) {
  for (int round = 0; round < 4 && !qt.forms().empty(); ++round) {
    for (ui::Form* f : qt.forms()) {
      if (f->loaded()) f->Unload();
    }
    QCoreApplication::processEvents();
  }
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

struct Content {
  const char* name;
  std::function<std::unique_ptr<MLSModule>()> make;
};

class ScreenWalk {
 public:
  explicit ScreenWalk(AnsweringBackend& qt) : qt_(qt) {}

  // Opens the screen on the game in play and checks it, then each of its views.
  void visit(const GameScreen& screen, const std::string& where) {
    // Checked and closed from the event loop: a modal or waiting screen
    // returns from its opener only once it is gone.
    QTimer::singleShot(0, [&] {
      for (ui::Form* form : qt_.forms()) {
        if (form->name() != screen.name || !form->shown()) continue;
        opened_.insert(screen.name);
        checkNow(*form, where);
        for (const GameScreenView& view : screen.views) {
          view.show();
          if (form->shown()) checkNow(*form, where + ", " + view.name);
        }
      }
      unloadAll(qt_);
    });
    screen.open();
    QCoreApplication::processEvents();
    unloadAll(qt_);
  }

  const std::set<std::string>& opened() const { return opened_; }
  const std::vector<std::string>& failures() const { return failures_; }

 private:
  void checkNow(ui::Form& form, const std::string& where) {
    form.Refresh();
    LayoutCheck check(qt_, form.name() + " [" + where + "]");
    check.setScreen(mls().ScreenMode == "1024 X 768" ? QSize(1024, 768) : QSize(800, 600));
    check.check(form);
    failures_.insert(failures_.end(), check.failures().begin(), check.failures().end());
  }

  AnsweringBackend& qt_;
  std::set<std::string> opened_;
  std::vector<std::string> failures_;
};

TEST(LayoutCheck, EveryScreenFitsInBothLayoutsWithRealContent) {
  qtApp();
  const Content contents[] = {{"first open", [] { return smallGame(); }},
                              {"played", [] { return playedWorldGame(); }},
                              {"seasons on", [] { return laterSeasonWorldGame(); }}};
  ASSERT_NE(contents[1].make(), nullptr) << "the world's game could not be played";
  ASSERT_NE(contents[2].make(), nullptr) << "the world's game could not be played for seasons";
  AnsweringBackend qt;
  ui::setBackend(&qt);
  ScopedCurrentDir inWorld(KERVALE_WORLD_DIR);  // the new-game screen reads the world
  ScreenWalk walk(qt);
  for (const Content& content : contents) {
    for (const GameScreen& screen : gameScreens()) {
      for (const char* mode : {"800 X 600", "1024 X 768"}) {
        replaceGame(content.make());
        mls().ScreenMode = mode;
        if (screen.prepare) screen.prepare();
        walk.visit(screen, std::string(mode) + ", " + content.name);
      }
    }
  }
  for (const GameScreen& screen : gameScreens())
    EXPECT_EQ(walk.opened().count(screen.name), 1u) << screen.name << " did not open";
  std::string report;
  for (const std::string& f : walk.failures()) report += f + "\n";
  EXPECT_TRUE(walk.failures().empty()) << walk.failures().size() << " layout faults:\n" << report;
  ui::setBackend(nullptr);
  replaceGame(nullptr);
}

}  // namespace
}  // namespace kervale::test
