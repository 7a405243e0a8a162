#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QSet>
#include <QTest>
#include <filesystem>
#include <memory>

#include "data/mls_module.h"
#include "newgame/pick_team.h"
#include "qt/layout_rules.h"
#include "qt/qt_app.h"
#include "shell/frm_splash.h"
#include "shell/main_module.h"
#include "support/temp_dir.h"
#include "team/team_select.h"
#include "ui/headless/headless_backend.h"
#include "ui/qt/qt_backend.h"
#include "ui/qt/qt_convert.h"
#include "ui/screen.h"

namespace {

using namespace kervale;
using namespace kervale::ui;

// A new game of the first MLS club, made headless from the world's files.
bool newGame() {
  headless().setPolicy(HeadlessBackend::Policy::Defaults);
  screen<frmSplash>().Show();
  PickTeam& pick = screen<PickTeam>();
  pick.loaderSeed = 3;
  screen<frmSplash>().Command1.userClick();
  if (!pick.loaded()) return false;
  pick.Command1.userClick();
  pick.teambutton(1).userClick();
  pick.Text1.userSetText("Qt Manager");
  pick.OkButtonTeamSelect.userClick();
  MainModule& hub = screen<MainModule>();
  if (!hub.loaded()) return false;
  hub.Unload();
  return true;
}

TEST(TeamSelectQtTest, RendersFromANewGameAndExchangesByClicks) {
  kervale::test::qtApp();
  const std::filesystem::path before = std::filesystem::current_path();
  std::filesystem::current_path(KERVALE_WORLD_DIR);
  ASSERT_TRUE(newGame());
  MLSModule& g = mls();
  // The JPEG plugin's thread-local storage trips the sanitizer build's leak
  // checker at exit; the background is the one JPEG this screen loads.
  g.BackgroundPicture = "";
  const int club = static_cast<int>(g.MyTeam);
  const double starter = g.TeamSquad(4, club), sub = g.TeamSquad(15, club);

  auto qt = std::make_unique<kervale::test::WindowBackend>();
  setBackend(qt.get());
  TeamSelect& sheet = screen<TeamSelect>();
  showTeamSelect();
  QApplication::processEvents();
  for (const Control* c : sheet.controls()) EXPECT_NE(qt->widget(*c), nullptr) << c->name();

  for (int row : {15, 4}) {
    QWidget* cell = qt->widget(sheet.PlayerName(row));
    ASSERT_NE(cell, nullptr);
    QTest::mouseClick(cell, Qt::LeftButton);
    QApplication::processEvents();
  }
  EXPECT_EQ(g.TeamSquad(4, club), sub);
  EXPECT_EQ(g.TeamSquad(15, club), starter);
  auto* name = qobject_cast<QLabel*>(qt->widget(sheet.PlayerName(4)));
  ASSERT_NE(name, nullptr);
  EXPECT_TRUE(name->text().endsWith(QString::fromStdString(g.PlayerName(sub))));

  QWidget* window = qt->window(sheet);
  ASSERT_NE(window, nullptr);
  const QImage shot = window->grab().toImage();
  QSet<QRgb> colours;
  for (int y = 0; y < shot.height(); y += 4) {
    for (int x = 0; x < shot.width(); x += 4) colours.insert(shot.pixel(x, y));
  }
  EXPECT_GT(colours.size(), 8) << "a blank grab";
  EXPECT_TRUE(shot.save(QString::fromStdString(kervale::test::outputFile("team-select.png"))));

  window->close();  // the close box: back to the hub, not the end of the game
  QApplication::processEvents();
  EXPECT_FALSE(sheet.loaded());
  EXPECT_TRUE(screen<MainModule>().loaded());
  EXPECT_NE(qt->window(screen<MainModule>()), nullptr);

  screen<MainModule>().Unload();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  setBackend(nullptr);
  qt.reset();
  replaceGame(nullptr);
  std::filesystem::current_path(before);
}

// The grid's rows keep their colours when the desktop turns from a dark
// scheme (whose text is white like the teal and blue rows') to a light one.
TEST(TeamSelectQtTest, TheGridKeepsItsRowColoursWhenTheDesktopSchemeChanges) {
  kervale::test::qtApp();
  const kervale::test::ScopedCurrentDir inWorld(KERVALE_WORLD_DIR);
  ASSERT_TRUE(newGame());
  MLSModule& g = mls();
  g.BackgroundPicture = "";
  const int injured = static_cast<int>(g.TeamSquad(4, static_cast<int>(g.MyTeam)));
  g.PlayerInjury(injured) = 2;

  auto qt = std::make_unique<kervale::test::WindowBackend>();
  setBackend(qt.get());
  {
    kervale::test::DesktopScheme scheme;
    scheme.use(kervale::test::DesktopScheme::dark());
    TeamSelect& sheet = screen<TeamSelect>();
    showTeamSelect();
    QApplication::processEvents();
    scheme.use(kervale::test::DesktopScheme::light());

    kervale::test::LayoutCheck check(*qt, "TeamSelect after the scheme changed");
    check.check(sheet);
    std::string report;
    for (const std::string& f : check.failures()) report += f + "\n";
    EXPECT_TRUE(check.failures().empty()) << report;
    for (int row : {3, 4, 6}) {
      for (const Control* cell : {&sheet.PlayerName(row), &sheet.AgeLabel(row), &sheet.injuryview(row)}) {
        auto* label = qobject_cast<QLabel*>(qt->widget(*cell));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->palette().color(QPalette::WindowText), qcolour(cell->state().foreColor))
            << cell->name() << "(" << row << ")";
        EXPECT_EQ(label->palette().color(QPalette::Window), qcolour(cell->state().backColor))
            << cell->name() << "(" << row << ")";
      }
    }
    sheet.Unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  setBackend(nullptr);
  qt.reset();
  replaceGame(nullptr);
}

}  // namespace
