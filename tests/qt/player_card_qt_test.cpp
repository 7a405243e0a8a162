#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <memory>

#include "club/player_directory.h"
#include "data/mls_module.h"
#include "qt/qt_app.h"
#include "ui/qt/qt_backend.h"
#include "ui/screen.h"

namespace {

using namespace kervale;
using namespace kervale::ui;

// Another club's player, so the bid panel shows.
void cardGame() {
  replaceGame(makeEmptyGame());
  MLSModule& g = mls();
  g.MyTeam = 1;
  g.CurrentSeason = 1;
  g.TeamName(1) = "Harbour City";
  g.TeamColour1(1) = "&HFF0000";
  g.TeamColour2(1) = "&HFFFF";
  g.TeamMoney(1) = 9000000;
  g.TeamName(2) = "Millbrook";
  g.TeamColour1(2) = "&H8000";
  g.TeamColour2(2) = "&HFFFFFF";
  g.NumPlayers = 1;
  g.PlayerName(1) = "Tomas Reed";
  g.PlayerTeam(1) = 2;
  g.PlayerDefense(1) = 10;
  g.PlayerMidfield(1) = 12;
  g.PlayerAttack(1) = 8;
  g.PlayerInterest(1, 1) = 1;
}

TEST(PlayerCardQtTest, RendersEveryControlAndLeaves) {
  kervale::test::qtApp();
  cardGame();
  auto qt = std::make_unique<kervale::test::WindowBackend>();
  setBackend(qt.get());
  PlayerDirectory& card = screen<PlayerDirectory>();
  showPlayerCard(1);
  QApplication::processEvents();

  for (const Control* c : card.controls()) EXPECT_NE(qt->widget(*c), nullptr) << c->name();
  QWidget* window = qt->window(card);
  ASSERT_NE(window, nullptr);
  QImage shot = window->grab().toImage();
  QSet<QRgb> colours;
  for (int y = 0; y < shot.height(); y += 4) {
    for (int x = 0; x < shot.width(); x += 4) colours.insert(shot.pixel(x, y));
  }
  EXPECT_GT(colours.size(), 8) << "a blank grab";
  EXPECT_TRUE(shot.save(QString::fromStdString(kervale::test::outputFile("player-card.png"))));
  // The background picture fills the window: every frame stands in front of it.
  const QObjectList stack = qt->widget(card.Image2)->parentWidget()->children();
  const auto height = [&stack, &qt](const Control& c) { return stack.indexOf(qt->widget(c)); };
  for (const Control* frame : {&card.Frame1, &card.Frame2, &card.Frame3, &card.Frame4, &card.Frame5, &card.Frame6})
    EXPECT_GT(height(*frame), height(card.Image2)) << frame->name();

  auto* leave = qobject_cast<QPushButton*>(qt->widget(card.Command10));
  ASSERT_NE(leave, nullptr);
  EXPECT_EQ(leave->toolTip(), "Leave, dammit!");
  QTest::mouseClick(leave, Qt::LeftButton);
  QApplication::processEvents();
  EXPECT_FALSE(card.loaded());
  EXPECT_EQ(qt->window(card), nullptr);

  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  setBackend(nullptr);
  qt.reset();
  replaceGame(nullptr);
}

}  // namespace
