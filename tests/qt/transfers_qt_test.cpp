// The card's bid panel and "Buy a Player" in the Qt window, offscreen.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>
#include <string>

#include "club/buy_a_player.h"
#include "club/player_directory.h"
#include "data/mls_module.h"
#include "data/squad_moves.h"
#include "qt/qt_app.h"
#include "ui/qt/qt_backend.h"
#include "ui/screen.h"

namespace {

using namespace kervale;
using namespace kervale::ui;

// The user's club 20; club 40 holds two players, one wanted by rich club 30.
void transfersGame() {
  replaceGame(makeEmptyGame());
  MLSModule& g = mls();
  g.MyTeam = 20;
  g.NumPlayers = 2;
  for (int c : {20, 30, 40}) {
    g.TeamName(c) = "Club " + std::to_string(c);
    g.TeamMoney(c) = 9'000'000;
  }
  for (int p = 1; p <= 2; ++p) {
    g.PlayerName(p) = "Player " + std::to_string(p);
    g.PlayerDefense(p) = 10;
    movePlayer(g, p, 40, p);
  }
  g.PlayerInterest(1, 1) = 30;
}

class TransfersQt : public ::testing::Test {
 protected:
  void SetUp() override {
    kervale::test::qtApp();
    transfersGame();
    setBackend(qt.get());
  }
  void TearDown() override {
    for (Form* f : {static_cast<Form*>(&screen<PlayerDirectory>()), static_cast<Form*>(&screen<BuyAPlayer>())}) {
      if (f->loaded()) f->Unload();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    setBackend(nullptr);
    qt.reset();
    replaceGame(nullptr);
  }
  void click(Control& button) {
    auto* widget = qobject_cast<QPushButton*>(qt->widget(button));
    ASSERT_NE(widget, nullptr) << button.name();
    QTest::mouseClick(widget, Qt::LeftButton);
    QApplication::processEvents();
  }
  std::unique_ptr<QtBackend> qt = std::make_unique<kervale::test::WindowBackend>();
};

TEST_F(TransfersQt, TheFirstBidShowsTheRivalsBids) {
  showPlayerCard(1);
  QApplication::processEvents();
  PlayerDirectory& card = screen<PlayerDirectory>();
  ASSERT_TRUE(card.Frame6.visible());
  card.HScroll3.userSetValue(card.HScroll3.min());
  click(card.Command7);
  EXPECT_EQ(card.BidRound, 1);
  EXPECT_NE(card.Label28.caption().find("Club 30 bid"), std::string::npos) << card.Label28.caption();
  EXPECT_TRUE(
      qt->window(card)->grab().toImage().save(QString::fromStdString(kervale::test::outputFile("card-bid.png"))));
}

TEST_F(TransfersQt, ARowClickedAndBidReachTheScreen) {
  showBuyAPlayer();
  QApplication::processEvents();
  BuyAPlayer& buy = screen<BuyAPlayer>();
  for (const Control* c : buy.controls()) EXPECT_NE(qt->widget(*c), nullptr) << c->name();
  buy.Combo1.userSelectItem(39);
  click(buy.Command3);
  auto* list = qobject_cast<QListWidget*>(qt->widget(buy.List1));
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(list->count(), 2);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
  QApplication::processEvents();
  EXPECT_EQ(buy.List1.listIndex(), 1);
  EXPECT_TRUE(
      qt->window(buy)->grab().toImage().save(QString::fromStdString(kervale::test::outputFile("buy-a-player.png"))));

  std::string seen;
  QTimer::singleShot(0, [&seen] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    seen = box->text().toStdString();
    box->button(QMessageBox::Ok)->click();
  });
  click(buy.Command1);  // an offer of 0k against a rating total of 10
  EXPECT_EQ(seen, "Player 2 wants more money.");
  EXPECT_EQ(mls().PlayerTeam(2), 40);
}

}  // namespace
