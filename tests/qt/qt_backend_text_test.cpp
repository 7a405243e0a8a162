// The real window's texts: long texts scroll inside the window, the program
// gives the focus and Return presses the focused button, frames stand in
// front of the picture they are drawn on, tips keep their line breaks.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <memory>
#include <string>

#include "qt/qt_app.h"
#include "ui/control.h"
#include "ui/form.h"
#include "ui/qt/qt_backend.h"

namespace kervale::test {
namespace {

using namespace kervale::ui;

std::string lines(int count) {
  std::string text;
  for (int i = 1; i <= count; ++i) text += "Line " + std::to_string(i) + "\r";
  return text;
}

class Page : public Form {
 public:
  Page() : Form("Page") {
    state_.width = 6000;
    state_.height = 4500;
    state_.borderStyle = 1;
    Backdrop.move(0, 300, 6000, 4200);  // below the top edge: not a window-filling picture
    Box.setCaption("Player Name");
    Box.move(0, 300, 2700, 1500);      // at the picture's very corner
    Pitch.move(150, 600, 2400, 1050);  // a picture inside the frame, with a label on it
    Zone.setCaption("12");
    Zone.move(300, 750, 600, 255);
    News.move(3000, 600, 2700, 6000);  // runs past the window's bottom edge
    News.setScrollBars(true);
    News.setForeColor(kWhite);
    News.setOpaque(false);
    Go.setCaption("Go");
    Go.move(300, 2100, 1200, 450);
    Go.setToolTipText("First line\rSecond line");
    Default.setCaption("Default");
    Default.move(1650, 2100, 1200, 450);
    Default.setDefault(true);
    Go.onClick = [this] { ++goes; };
    Default.onClick = [this] { ++defaults; };
    designDone();
  }
  Image Backdrop{*this, "Backdrop"};
  Frame Box{*this, "Box"};
  Image Pitch{*this, "Pitch"};
  Label Zone{*this, "Zone"};
  Label News{*this, "News"};
  CommandButton Go{*this, "Go"};
  CommandButton Default{*this, "Default"};
  int goes = 0, defaults = 0;
};

class QtTextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    qtApp();
    qt_ = std::make_unique<WindowBackend>();
    setBackend(qt_.get());
    page_.Show();
    QApplication::processEvents();
  }
  void TearDown() override {
    page_.Unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    setBackend(nullptr);
    qt_.reset();
  }
  std::unique_ptr<QtBackend> qt_;
  Page page_;
};

TEST_F(QtTextTest, ALongTextScrollsAndEndsAtTheWindowsEdge) {
  auto* view = qobject_cast<QScrollArea*>(qt_->widget(page_.News));
  ASSERT_NE(view, nullptr) << "a label with scroll bars is a scrolling view";
  page_.News.setCaption(lines(3));
  page_.Refresh();
  QWidget* surface = qt_->surface(page_);
  EXPECT_EQ(view->geometry().bottom(), surface->rect().bottom()) << "cut at the window's edge, not past it";
  EXPECT_FALSE(view->verticalScrollBar()->isVisible()) << "three lines fit";

  page_.News.setCaption(lines(80));
  page_.Refresh();
  QApplication::processEvents();
  auto* text = qobject_cast<QLabel*>(view->widget());
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->text(), QString::fromStdString(lines(80)).replace('\r', '\n'));
  EXPECT_TRUE(view->verticalScrollBar()->isVisible());
  EXPECT_GT(view->verticalScrollBar()->maximum(), 0) << "the last lines can be scrolled to";
  EXPECT_EQ(text->palette().color(QPalette::WindowText), QColor(Qt::white));

  page_.News.move(3000, 600, 2700, 900);  // back inside the window
  page_.Refresh();
  EXPECT_EQ(view->height(), 60);
}

TEST_F(QtTextTest, TheProgramsFocusAndReturnPressTheFocusedButton) {
  QWidget* go = qt_->widget(page_.Go);
  page_.Go.SetFocus();
  EXPECT_EQ(page_.state().focus, &page_.Go);
  page_.Refresh();
  EXPECT_EQ(qt_->window(page_)->focusWidget(), go);

  QTest::keyClick(go, Qt::Key_Return);
  EXPECT_EQ(page_.goes, 1) << "Return presses the button that has the focus";
  EXPECT_EQ(page_.defaults, 0);
  QTest::keyClick(go, Qt::Key_Space);
  EXPECT_EQ(page_.goes, 2);

  page_.Unload();
  EXPECT_EQ(page_.state().focus, nullptr) << "a load starts without a focus request";
  page_.Show();
  QApplication::processEvents();
  QTest::keyClick(qt_->window(page_), Qt::Key_Return);
  EXPECT_EQ(page_.defaults, 1) << "with no button focused, Return presses the default one";
}

TEST_F(QtTextTest, AFrameStandsInFrontOfThePictureItIsDrawnOn) {
  QWidget* frame = qt_->widget(page_.Box);
  QWidget* backdrop = qt_->widget(page_.Backdrop);
  ASSERT_NE(frame, nullptr);
  const QObjectList& stack = qt_->surface(page_)->children();
  EXPECT_GT(stack.indexOf(frame), stack.indexOf(backdrop)) << "its caption would be hidden behind the picture";
  EXPECT_EQ(qobject_cast<QGroupBox*>(frame)->title(), "Player Name");
  // A picture in the frame holds no frame: it stays in front of the frame,
  // and what stands on it in front of it.
  QWidget* pitch = qt_->widget(page_.Pitch);
  EXPECT_GT(stack.indexOf(pitch), stack.indexOf(frame));
  EXPECT_GT(stack.indexOf(qt_->widget(page_.Zone)), stack.indexOf(pitch));
}

TEST_F(QtTextTest, TipsKeepTheirLineBreaks) { EXPECT_EQ(qt_->widget(page_.Go)->toolTip(), "First line\nSecond line"); }

}  // namespace
}  // namespace kervale::test
