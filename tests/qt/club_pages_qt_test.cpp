// The league portal, team statistics and club pages in the Qt window, on the
// real world: they render, and links and list rows clicked reach their handlers.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "club/player_directory.h"
#include "club/team_stats.h"
#include "club/team_website.h"
#include "club/website.h"
#include "data/mls_module.h"
#include "newgame/new_game_loader.h"
#include "qt/qt_app.h"
#include "ui/qt/qt_backend.h"
#include "ui/screen.h"

namespace kervale {

namespace {

void click(const ui::QtBackend& qt, const ui::Control& c) {
  QTest::mouseClick(qt.widget(c), Qt::LeftButton);
  QCoreApplication::processEvents();
}

void clickRow(const ui::QtBackend& qt, const ui::Control& list, int row) {
  auto* widget = qobject_cast<QListWidget*>(qt.widget(list));
  ASSERT_NE(widget, nullptr);
  ASSERT_GT(widget->count(), row);
  QTest::mouseClick(widget->viewport(), Qt::LeftButton, {}, widget->visualItemRect(widget->item(row)).center());
  QCoreApplication::processEvents();
}

TEST(ClubPagesQtTest, RenderAndAnswerClicksOnTheRealWorld) {
  test::qtApp();
  replaceGame(loadNewGame(KERVALE_WORLD_DIR, {}, LoaderOptions{.seed = 7}));
  MLSModule& g = mls();
  g.MyTeam = 1;
  const int listed = static_cast<int>(g.TeamSquad(5, 2));
  g.PlayerTransferListed(listed) = 1;
  test::WindowBackend qt;
  ui::setBackend(&qt);

  showWebsite();
  Website& site = ui::screen<Website>();
  EXPECT_TRUE(test::rendered(qt, site));
  click(qt, site.Label4(6));
  EXPECT_EQ(site.Label2.caption(), "Free Transfer List");
  EXPECT_GT(site.List1.listCount(), 0);
  EXPECT_EQ(qobject_cast<QListWidget*>(qt.widget(site.List1))->count(), site.List1.listCount());
  EXPECT_TRUE(test::rendered(qt, site));
  click(qt, site.Label4(4));
  clickRow(qt, site.List1, 0);
  QTest::mouseClick(qt.widget(site.Command7), Qt::LeftButton);
  EXPECT_EQ(ui::screen<PlayerDirectory>().shownPlayer(), listed);
  ui::screen<PlayerDirectory>().Unload();

  showTeamStats();
  teamstats& stats = ui::screen<teamstats>();
  click(qt, stats.leagues(4));
  EXPECT_EQ(stats.leagues(4).value(), 1);
  EXPECT_TRUE(test::rendered(qt, stats));
  stats.Unload();

  showClubPage(1);
  teamWebsite& page = ui::screen<teamWebsite>();
  EXPECT_TRUE(test::rendered(qt, page));
  click(qt, page.SiteLinks(1));
  ASSERT_TRUE(page.List1.visible());
  clickRow(qt, page.List1, 0);
  EXPECT_EQ(ui::screen<PlayerDirectory>().shownPlayer(), static_cast<int>(g.TeamSquad(1, 1)));

  for (ui::Form* f : {static_cast<ui::Form*>(&site), static_cast<ui::Form*>(&page),
                      static_cast<ui::Form*>(&ui::screen<PlayerDirectory>())}) {
    if (f->loaded()) f->Unload();
  }
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  ui::setBackend(nullptr);
  replaceGame(nullptr);
}

}  // namespace

}  // namespace kervale
