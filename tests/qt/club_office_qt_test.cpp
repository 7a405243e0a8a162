#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <memory>

#include "club/chairman.h"
#include "club/finances.h"
#include "club/scouting.h"
#include "club/staff_show.h"
#include "data/mls_module.h"
#include "ui/qt/qt_backend.h"
#include "ui/screen.h"

namespace kervale {

namespace {

QApplication& qtApp() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "test_qt";
  static char* argv[] = {name, nullptr};
  static QApplication* instance = new QApplication(argc, argv);  // lives to the end of the program
  return *instance;
}

class ClubOfficeQtTest : public ::testing::Test {
 protected:
  void SetUp() override {
    qtApp();
    replaceGame(makeEmptyGame());
    MLSModule& g = mls();
    g.MyTeam = 60;
    g.TeamName(60) = "Ashford Vale";
    g.TeamVenue(60) = "Vale Park";
    g.TeamSponsor(60) = "Brightwater";
    g.SponsorFee(60) = 25400;
    g.TicketPrice(60) = 15;
    g.TeamFanDemand(60) = 1;
    qt_ = std::make_unique<ui::QtBackend>();
    ui::setBackend(qt_.get());
  }
  void TearDown() override {
    for (ui::Form* f :
         {static_cast<ui::Form*>(&ui::screen<Chairman>()), static_cast<ui::Form*>(&ui::screen<Finances>()),
          static_cast<ui::Form*>(&ui::screen<Scouting>()), static_cast<ui::Form*>(&ui::screen<StaffShow>())}) {
      if (f->loaded()) f->Unload();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ui::setBackend(nullptr);
    qt_.reset();
    replaceGame(nullptr);
  }
  // Whether the form's window shows something besides its background.
  bool rendered(const ui::Form& form) {
    QCoreApplication::processEvents();
    QWidget* window = qt_->window(form);
    if (window == nullptr || !window->isVisible()) return false;
    const QImage shot = window->grab().toImage();
    const QRgb first = shot.pixel(0, 0);
    for (int y = 0; y < shot.height(); y += 3) {
      for (int x = 0; x < shot.width(); x += 3) {
        if (shot.pixel(x, y) != first) return true;
      }
    }
    return false;
  }
  template <class W>
  W* widget(const ui::Control& c) {
    return qobject_cast<W*>(qt_->widget(c));
  }

  std::unique_ptr<ui::QtBackend> qt_;
};

TEST_F(ClubOfficeQtTest, EveryOfficeScreenRenders) {
  showFinances();
  EXPECT_TRUE(rendered(ui::screen<Finances>()));
  showScouting();
  EXPECT_TRUE(rendered(ui::screen<Scouting>()));
  showStaff();
  EXPECT_TRUE(rendered(ui::screen<StaffShow>()));
  showChairman();
  EXPECT_TRUE(rendered(ui::screen<Chairman>()));
}

TEST_F(ClubOfficeQtTest, ChatAndPriceThroughTheWindow) {
  showChairman();
  Chairman& c = ui::screen<Chairman>();
  QCoreApplication::processEvents();
  QTest::keyClick(widget<QComboBox>(c.Combo1), Qt::Key_Down);
  ASSERT_EQ(c.Combo1.listIndex(), 1);
  QTest::mouseClick(widget<QPushButton>(c.Command3), Qt::LeftButton);
  QCoreApplication::processEvents();
  EXPECT_EQ(widget<QLabel>(c.Label6)->text().toStdString(), "'We are being sponsored by Brightwater at 25k/week'");

  widget<QScrollBar>(c.HScroll2)->triggerAction(QAbstractSlider::SliderPageStepAdd);
  QCoreApplication::processEvents();
  EXPECT_EQ(c.HScroll2.value(), 18);
  EXPECT_EQ(widget<QLabel>(c.Label2)->text().toStdString(), " 18$");
}

}  // namespace

}  // namespace kervale
