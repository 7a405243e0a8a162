#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <memory>

#include "base/numbers.h"
#include "club/player_directory.h"
#include "data/mls_module.h"
#include "qt/layout_rules.h"
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

// The real window's card, its backend set up and taken down around a test.
class PlayerCardWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    kervale::test::qtApp();
    cardGame();
    qt_ = std::make_unique<kervale::test::WindowBackend>();
    setBackend(qt_.get());
  }
  void TearDown() override {
    if (card().loaded()) card().Unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    setBackend(nullptr);
    qt_.reset();
    replaceGame(nullptr);
  }
  static PlayerDirectory& card() { return screen<PlayerDirectory>(); }

  std::unique_ptr<kervale::test::WindowBackend> qt_;
};

TEST_F(PlayerCardWindow, AClickInTheBidTroughMovesATenthOfTheRange) {
  showPlayerCard(1);
  QApplication::processEvents();
  auto* bar = qobject_cast<QScrollBar*>(qt_->widget(card().HScroll3));
  ASSERT_NE(bar, nullptr);
  // Asking 4474k: bids from half of it to the 9000k the club holds.
  ASSERT_EQ(card().HScroll3.min(), 2237);
  ASSERT_EQ(card().HScroll3.max(), 9000);
  EXPECT_EQ(bar->pageStep(), 676);
  const int before = card().HScroll3.value();
  // In the trough, right of the thumb and clear of the arrow.
  QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() * 3 / 4, bar->height() / 2));
  QApplication::processEvents();
  EXPECT_EQ(card().HScroll3.value(), before + 676);
  EXPECT_EQ(card().Label29.caption(), Str(before + 676) + "k ");
}

TEST_F(PlayerCardWindow, AnAverageTooLongForItsBoxIsShortenedWithTheWholeInItsTip) {
  MLSModule& g = mls();
  g.PlayerGamesSeason(1) = 3;
  g.PlayerRatingSumSeason(1) = 20;
  g.PlayerGamesCareer(1) = 62;
  g.PlayerRatingSumCareer(1) = 336.65;
  showPlayerCard(1);
  QApplication::processEvents();
  const std::string season = " 6.66666666666667";
  ASSERT_EQ(card().Label70.caption(), season);
  auto* seasonBox = qobject_cast<QLabel*>(qt_->widget(card().Label70));
  ASSERT_NE(seasonBox, nullptr);
  EXPECT_EQ(seasonBox->text().toStdString(), season) << "the box is wide enough for the whole text";
  kervale::test::LayoutCheck whole(*qt_, "card");
  whole.check(card());
  EXPECT_TRUE(whole.failures().empty()) << whole.failures().front();

  // A box too narrow still: shortened, and read whole in its tip.
  card().Label70.setWidth(600);
  QApplication::processEvents();
  EXPECT_NE(seasonBox->text().toStdString(), season);
  EXPECT_TRUE(seasonBox->text().endsWith(QChar(0x2026)));
  EXPECT_EQ(seasonBox->toolTip().toStdString(), season);
  kervale::test::LayoutCheck shortened(*qt_, "card");
  shortened.check(card());
  EXPECT_TRUE(shortened.failures().empty()) << "shortened on purpose";

  // A tip that says something else does not excuse the cut.
  card().Label70.setToolTipText("Average rating");
  QApplication::processEvents();
  kervale::test::LayoutCheck hidden(*qt_, "card");
  hidden.check(card());
  ASSERT_EQ(hidden.failures().size(), 1u);
  EXPECT_NE(hidden.failures().front().find("Label70"), std::string::npos);
}

}  // namespace
