#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "club/chairman.h"
#include "club/finances.h"
#include "club/scouting.h"
#include "club/staff_show.h"
#include "data/mls_module.h"
#include "qt/qt_app.h"
#include "ui/qt/qt_backend.h"
#include "ui/screen.h"

namespace kervale {

namespace {

TEST(ClubOfficeQtTest, ScreensRenderAndTheChairmanAnswersThroughTheWindow) {
  test::qtApp();
  replaceGame(makeEmptyGame());
  MLSModule& g = mls();
  g.MyTeam = 60;
  g.TeamSponsor(60) = "Brightwater";
  g.SponsorFee(60) = 25400;
  g.TicketPrice(60) = 15;
  test::WindowBackend qt;
  ui::setBackend(&qt);

  showFinances();
  EXPECT_TRUE(test::rendered(qt, ui::screen<Finances>()));
  showScouting();
  EXPECT_TRUE(test::rendered(qt, ui::screen<Scouting>()));
  showStaff();
  EXPECT_TRUE(test::rendered(qt, ui::screen<StaffShow>()));
  ui::screen<StaffShow>().Unload();
  showChairman();
  Chairman& c = ui::screen<Chairman>();
  EXPECT_TRUE(test::rendered(qt, c));

  QTest::keyClick(qobject_cast<QComboBox*>(qt.widget(c.Combo1)), Qt::Key_Down);
  QTest::mouseClick(qobject_cast<QPushButton*>(qt.widget(c.Command3)), Qt::LeftButton);
  QCoreApplication::processEvents();
  EXPECT_EQ(qobject_cast<QLabel*>(qt.widget(c.Label6))->text().toStdString(),
            "'We are being sponsored by Brightwater at 25k/week'");
  qobject_cast<QScrollBar*>(qt.widget(c.HScroll2))->triggerAction(QAbstractSlider::SliderPageStepAdd);
  QCoreApplication::processEvents();
  EXPECT_EQ(qobject_cast<QLabel*>(qt.widget(c.Label2))->text().toStdString(), " 18$");

  for (ui::Form* f : {static_cast<ui::Form*>(&c), static_cast<ui::Form*>(&ui::screen<Scouting>())}) {
    if (f->loaded()) f->Unload();
  }
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  ui::setBackend(nullptr);
  replaceGame(nullptr);
}

}  // namespace

}  // namespace kervale
