// The training plan, the tactics page and the reserves in real windows.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>
#include <optional>
#include <string>

#include "data/mls_module.h"
#include "qt/qt_app.h"
#include "shell/main_module.h"
#include "team/reserveteam.h"
#include "team/tactics_form.h"
#include "team/training.h"
#include "ui/qt/qt_backend.h"
#include "ui/screen.h"

namespace kervale {
namespace {

// Answers the next message box with `button` once it is up.
void answerBox(QMessageBox::StandardButton button) {
  QTimer::singleShot(0, [button] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    box->button(button)->click();
  });
}

class TeamScreensQtTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::qtApp();
    replaceGame(makeEmptyGame());
    MLSModule& g = mls();
    g.MyTeam = 20;
    g.TeamName(20) = "Harbour City";
    for (int slot = 1; slot <= 12; ++slot) {
      g.TeamSquad(slot, 20) = slot;
      g.PlayerName(slot) = "Player " + std::to_string(slot);
    }
    qt_ = std::make_unique<test::WindowBackend>();
    ui::setBackend(qt_.get());
  }
  void TearDown() override {
    for (ui::Form* form : std::initializer_list<ui::Form*>{&ui::screen<Training>(), &ui::screen<TacticsForm>(),
                                                           &ui::screen<reserveteam>(), &ui::screen<MainModule>()}) {
      form->Unload();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ui::setBackend(nullptr);
    qt_.reset();
    replaceGame(nullptr);
  }
  // A click on the button's widget; `answer` closes the box it opens.
  void click(const ui::Control& c, std::optional<QMessageBox::StandardButton> answer = std::nullopt) {
    QCoreApplication::processEvents();
    auto* button = qobject_cast<QPushButton*>(qt_->widget(c));
    ASSERT_NE(button, nullptr) << c.name();
    if (answer) answerBox(*answer);
    QTest::mouseClick(button, Qt::LeftButton);
  }
  // The window grabs to a PNG that is not blank.
  void grabs(const ui::Form& form) {
    QCoreApplication::processEvents();
    QWidget* window = qt_->window(form);
    ASSERT_NE(window, nullptr);
    const QString file = folder_.path() + "/" + QString::fromStdString(form.name()) + ".png";
    const QImage shot = window->grab().toImage();
    ASSERT_TRUE(shot.save(file));
    QSet<QRgb> colours;
    for (int y = 0; y < shot.height(); y += 2) {
      for (int x = 0; x < shot.width(); x += 2) colours.insert(shot.pixel(x, y));
    }
    EXPECT_GT(colours.size(), 5) << "a blank grab";
  }

  QTemporaryDir folder_{QString::fromStdString(test::outputFile("grabs-XXXXXX"))};
  std::unique_ptr<ui::QtBackend> qt_;
};

TEST_F(TeamScreensQtTest, TrainingAnswersClicksAndKeepsTheFocusThroughItsBoxes) {
  ui::screen<MainModule>().Show();
  showTraining();
  Training& training = ui::screen<Training>();
  grabs(training);
  click(training.Command5(1));
  EXPECT_EQ(mls().TrainingGroup(2), 2);
  EXPECT_EQ(training.Command5(1).backColor(), kTrainingGroupMarker);
  QCoreApplication::processEvents();
  const auto face = [this](const ui::Control& c) {
    QWidget* w = qt_->widget(c);
    return w->grab().toImage().pixelColor(8, w->height() / 2);
  };
  EXPECT_NE(face(training.Command5(1)), face(training.Command4(1))) << "the group's button shows its marker";

  click(training.Command3(2), QMessageBox::Ok);
  QCoreApplication::processEvents();
  EXPECT_TRUE(training.loaded()) << "the box is no loss of focus";

  click(training.Command7, QMessageBox::Yes);
  QCoreApplication::processEvents();
  ASSERT_TRUE(training.loaded());
  EXPECT_EQ(mls().TrainingGroup(2), 0);
  EXPECT_EQ(training.Command2(1).backColor(), kTrainingGroupMarker);
}

TEST_F(TeamScreensQtTest, TacticsPageSaveChangesShowsTheHub) {
  ui::screen<MainModule>().Show();
  showTacticsPage();
  TacticsForm& page = ui::screen<TacticsForm>();
  grabs(page);
  EXPECT_EQ(qt_->window(ui::screen<MainModule>()), nullptr);
  click(page.Command2);
  QCoreApplication::processEvents();
  EXPECT_FALSE(page.loaded());
  EXPECT_NE(qt_->window(ui::screen<MainModule>()), nullptr);

  // The close box: back to the hub too, so the program goes on.
  qt_->setEndWhenAllUnloaded(true);
  showTacticsPage();
  QCoreApplication::processEvents();
  qt_->window(page)->close();
  QCoreApplication::processEvents();
  EXPECT_FALSE(page.loaded());
  EXPECT_TRUE(ui::screen<MainModule>().shown());
  EXPECT_FALSE(qt_->programEnded());
}

TEST_F(TeamScreensQtTest, ReservesCloseOnOk) {
  showReserveTeam();
  reserveteam& reserves = ui::screen<reserveteam>();
  grabs(reserves);
  click(reserves.Command1);
  EXPECT_FALSE(reserves.loaded());
}

}  // namespace
}  // namespace kervale
