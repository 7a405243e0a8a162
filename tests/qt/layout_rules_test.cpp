// Each rule of the layout check on a hand-made form: it reports the fault it
// is there for and lets the sound layout pass.
#include "qt/layout_rules.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <memory>
#include <string>

#include "qt/qt_app.h"
#include "ui/control.h"
#include "ui/form.h"

namespace kervale::test {
namespace {

using namespace kervale::ui;

class Sheet : public Form {
 public:
  Sheet() : Form("Sheet") {
    state_.width = 9000;
    state_.height = 6000;
    state_.borderStyle = 1;
    designDone();
  }
  // A label of one line at a place, transparent unless given a background.
  Label& label(const std::string& caption, int left, int top, int width, int height = 255) {
    auto& l = add<Label>(caption.empty() ? "Band" : "Text");
    l.setCaption(caption);
    l.move(left, top, width, height);
    l.setOpaque(false);
    return l;
  }
  template <class C>
  C& add(const std::string& name) {
    owned_.push_back(std::make_unique<C>(*this, name, static_cast<int>(owned_.size())));
    return static_cast<C&>(*owned_.back());
  }

 private:
  std::vector<std::unique_ptr<Control>> owned_;
};

class LayoutRulesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    qtApp();
    qt_ = std::make_unique<WindowBackend>();
    setBackend(qt_.get());
    sheet_.Show();  // controls come after, as a growing control array does
  }
  void TearDown() override {
    if (sheet_.loaded()) sheet_.Unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    setBackend(nullptr);
    qt_.reset();
  }
  // The failures of the shown sheet, one text.
  std::string check() {
    sheet_.Refresh();
    QApplication::processEvents();
    LayoutCheck check(*qt_, "Sheet", allowed_);
    check.setScreen(screen_);
    check.check(sheet_);
    std::string all;
    for (const std::string& f : check.failures()) all += f + "\n";
    return all;
  }

  std::unique_ptr<QtBackend> qt_;
  Sheet sheet_;
  AllowList allowed_;
  QSize screen_;
};

TEST_F(LayoutRulesTest, LabelsSideBySideNeedABlankBetweenTheirTexts) {
  Label& caption = sheet_.label("In-Game Speed:", 150, 150, 1095);
  Label& value = sheet_.label("Speed:  100", 150 + 1095, 150, 840);
  EXPECT_NE(check().find("Text(0): its text runs into the text of Text(1)"), std::string::npos);
  value.setAlignment(Alignment::Right);
  value.move(150 + 1095, 150, 1500, 255);
  EXPECT_EQ(check(), "");
  caption.setCaption("In-Game Speed: and more words that reach on");
  caption.move(150, 150, 4000, 255);
  EXPECT_NE(check().find("overlaps the text of"), std::string::npos);
  caption.move(150, 450, 4000, 255);  // the next line
  EXPECT_EQ(check(), "");
}

TEST_F(LayoutRulesTest, ABoxOrLabelMustShowItsWholeTextUnlessShortenedOnPurpose) {
  ComboBox& positions = sheet_.add<ComboBox>("Positions");
  positions.addItem("Defensive Midfield (DM)");
  positions.setListIndex(0);
  positions.move(150, 150, 1560, 285);
  EXPECT_NE(check().find("\"Defensive Midfield (DM)\" needs"), std::string::npos);
  positions.setWidth(2400);
  EXPECT_EQ(check(), "");

  Label& name = sheet_.label("Left Wing Back (LWB)", 150, 900, 600);
  EXPECT_NE(check().find("\"Left Wing Back (LWB)\" needs"), std::string::npos) << "shortened by the window only";
  name.setElide(true);
  EXPECT_EQ(check(), "") << "shortened on purpose, the whole text in its tip";
}

TEST_F(LayoutRulesTest, ATextUnderAnotherControlDoesNotShow) {
  sheet_.label("Hidden words", 150, 150, 2000);
  Label& cover = sheet_.label("", 100, 100, 2500, 450);
  EXPECT_EQ(check(), "") << "a band without background or text hides nothing";
  cover.setOpaque(true);
  EXPECT_NE(check().find("Text(0): its text is hidden under Band(1)"), std::string::npos);
}

TEST_F(LayoutRulesTest, LinesPassBetweenRowsOfText) {
  for (int row = 0; row < 3; ++row) sheet_.label("Row " + std::to_string(row + 1), 150, 240 * (row + 1), 3000, 240);
  Line& cut = sheet_.add<Line>("Cut");
  cut.setLinePoints(150, 1290 - 750, 4000, 1290 - 750);  // 60 twips into row 2
  EXPECT_NE(check().find("Cut(3): runs through the text of Text(1)"), std::string::npos);
  cut.setLinePoints(150, 480, 4000, 480);  // the boundary of rows 1 and 2
  EXPECT_EQ(check(), "");
  cut.setLinePoints(2000, 200, 2000, 900);  // upright, clear of the short texts
  EXPECT_EQ(check(), "");
  cut.setLinePoints(300, 200, 300, 900);  // upright, through them
  EXPECT_NE(check().find("runs through"), std::string::npos);
}

TEST_F(LayoutRulesTest, MarkersStandOutFromTheirFaceAndTextFromItsBackground) {
  CommandButton& rest = sheet_.add<CommandButton>("Rest");
  rest.setCaption("Rest");
  rest.move(150, 150, 1080, 315);
  rest.setBackColor(kWhite);
  EXPECT_NE(check().find("Rest(0): marker #ffffff on"), std::string::npos);
  rest.setBackColor(rgbColour(192, 192, 0));
  EXPECT_EQ(check(), "");

  Label& row = sheet_.label("D Walter Crawford", 150, 900, 2400);
  row.setOpaque(true);
  row.setBackColor(rgbColour(192, 192, 0));
  row.setForeColor(rgbColour(0, 128, 128));
  EXPECT_NE(check().find("Text(1): text #008080 on #c0c000 reads at 2.45:1"), std::string::npos);
  row.setForeColor(kBlack);
  EXPECT_EQ(check(), "");

  ListBox& list = sheet_.add<ListBox>("List");
  list.addItem("Chosen");
  list.move(150, 1500, 2400, 900);
  list.setListIndex(0);
  const QColor highlight = QApplication::palette().color(QPalette::Highlight);
  list.setBackColor(rgbColour(highlight.red(), highlight.green(), highlight.blue()));  // the selection's own colour
  EXPECT_NE(check().find("List(2): selection"), std::string::npos);
}

TEST_F(LayoutRulesTest, ATallTextScrollsOrIsCut) {
  Label& cut = sheet_.label("A\rB\rC\rD\rE\rF", 150, 150, 3000, 600);
  EXPECT_NE(check().find("Text(0): its text needs"), std::string::npos);
  cut.setVisible(false);
  // The widget's kind follows the design: a scrolling text is made so.
  Label& scrolling = sheet_.add<Label>("Scrolling");
  scrolling.setScrollBars(true);
  scrolling.setCaption(cut.caption());
  scrolling.move(150, 150, 3000, 600);
  EXPECT_EQ(check(), "");
}

TEST_F(LayoutRulesTest, TheAllowListNamesAControlAndARule) {
  CommandButton& rest = sheet_.add<CommandButton>("Rest");
  rest.setCaption("Rest");
  rest.move(150, 150, 1080, 315);
  rest.setBackColor(kWhite);
  allowed_["Sheet Rest colours"] = "a whole control array";
  EXPECT_EQ(check(), "");
  allowed_ = {{"Sheet Rest(0) fits", "another rule"}};
  EXPECT_NE(check(), "");
}

TEST_F(LayoutRulesTest, ABoxsTextNeedsTheRoomLeftOfItsArrow) {
  ComboBox& positions = sheet_.add<ComboBox>("Positions");
  positions.addItem("Defensive Midfield (DM)");
  positions.setListIndex(0);
  positions.move(150, 150, 1980, 285);  // room for the text but for the arrow
  EXPECT_NE(check().find("Positions(0): \"Defensive Midfield (DM)\" needs"), std::string::npos);
  positions.setWidth(2130);
  EXPECT_EQ(check(), "");
}

TEST_F(LayoutRulesTest, OptionsStandAsHighAsTheirMark) {
  for (int i = 0; i < 3; ++i) {
    OptionButton& option = sheet_.add<OptionButton>("Approval");
    option.setCaption(i == 0 ? "Based on Team" : "Low");
    option.move(150, 150 + 210 * i, 2040, 210);
  }
  EXPECT_NE(check().find("Approval(1): is 14 px high; its mark and text need"), std::string::npos);
  for (Control* c : sheet_.controls()) c->move(c->left(), 150 + 255 * c->index(), 2040, 240);
  EXPECT_EQ(check(), "");
}

TEST_F(LayoutRulesTest, AOneLineTextInABoxSitsInItsMiddle) {
  Label& cell = sheet_.label("D Walter Crawford", 150, 150, 2400, 315);
  cell.setOpaque(true);
  cell.setBackColor(kWhite);
  EXPECT_EQ(check(), "") << "the window centres a cell's line";
  auto* shown = static_cast<QLabel*>(qt_->widget(cell));
  shown->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  EXPECT_NE(check().find("Text(0): its text sits 0 px below its top"), std::string::npos);
  cell.setOpaque(false);  // no box: where its text stands is not seen
  EXPECT_EQ(check(), "");
}

TEST_F(LayoutRulesTest, AColumnCutThroughoutBesideARoomyOneIsTooNarrow) {
  for (int row = 0; row < 3; ++row) {
    Label& name = sheet_.add<Label>("Name");
    name.setCaption(row == 0 ? "Lee Birch" : "Ward");
    name.move(150, 150 + 255 * row, 1800, 255);
    Label& position = sheet_.add<Label>("Position");
    position.setCaption("Centre Back (CB)");
    position.move(1950, 150 + 255 * row, 720, 255);
    position.setElide(true);
  }
  EXPECT_NE(check().find("shortens all 3 texts of Position while Name beside it has room"), std::string::npos);
  for (Control* c : sheet_.controls()) {
    if (c->name() == "Name") c->setWidth(300);  // the names cut too: no room to give
    if (c->name() == "Name") static_cast<Label*>(c)->setElide(true);
  }
  EXPECT_EQ(check(), "");
  for (Control* c : sheet_.controls()) {
    if (c->name() == "Name") c->setWidth(1800);
    if (c->name() == "Position") c->setWidth(1800);
  }
  EXPECT_EQ(check(), "");
}

TEST_F(LayoutRulesTest, AFullWindowBackgroundCoversTheScreenOfItsLayout) {
  sheet_.setMaximized(true);
  Image& back = sheet_.add<Image>("Back");
  back.move(0, 0, 6000, 4500);  // a corner of the window
  screen_ = QSize(1024, 768);
  EXPECT_NE(check().find("Back(0): ends at 400 x 300 px of a"), std::string::npos);
  screen_ = QSize(400, 300);  // the small screen it was made for
  EXPECT_EQ(check(), "");
  screen_ = QSize(1024, 768);
  back.setHeight(12000);  // the hub's: the right column stands on the window's colour
  EXPECT_EQ(check(), "");
  sheet_.setMaximized(false);  // a window of its own size is no full-window screen
  back.setHeight(4500);
  EXPECT_EQ(check(), "");
}

TEST_F(LayoutRulesTest, AFullWindowBackgroundLeavesNoBandAtTheBottom) {
  sheet_.setMaximized(true);
  screen_ = QSize(1024, 768);
  check();  // the window takes the screen
  const int bottom = qt_->surface(sheet_)->height();
  Image& back = sheet_.add<Image>("Back");
  back.move(0, 0, 16000, (bottom - 1) * kTwipsPerPixel);  // past the right edge, a pixel short of the bottom
  EXPECT_NE(check().find("Back(0): ends at 1067 x " + std::to_string(bottom - 1) + " px"), std::string::npos);
  back.setHeight(bottom * kTwipsPerPixel);
  EXPECT_EQ(check(), "");
}

TEST_F(LayoutRulesTest, AWindowAsLargeAsTheSmallScreenFillsItToTheBottom) {
  sheet_.move(0, 0, 12000, 9000);  // 800 x 600, not maximized
  screen_ = QSize(800, 600);
  Image& badge = sheet_.add<Image>("Badge");
  badge.move(240, 60, 495, 495);
  EXPECT_EQ(check(), "") << "a badge is no background: the window's colour fills the screen";
  Image& back = sheet_.add<Image>("Back");
  back.move(0, 0, 12000, 8600);
  EXPECT_NE(check().find("Back(1): ends at 800 x 573 px of a 800 x 600 screen"), std::string::npos);
  screen_ = QSize(1024, 768);  // the same window on the large screen leaves it room around
  EXPECT_EQ(check(), "");
  screen_ = QSize(800, 600);
  sheet_.setHeight(8700);  // as wide as the screen, not as high: a window on it
  EXPECT_EQ(check(), "");
  sheet_.setHeight(9000);
  back.setHeight(9000);
  EXPECT_EQ(check(), "");
}

TEST_F(LayoutRulesTest, TheBackgroundIsThePictureAtTheLeftEdgeNotALargerOneInside) {
  sheet_.move(0, 0, 12000, 9000);  // 800 x 600, as large as the small screen
  screen_ = QSize(800, 600);
  Image& back = sheet_.add<Image>("Back");
  back.move(0, 0, 12000, 9000);
  Image& photo = sheet_.add<Image>("Photo");
  photo.move(1500, 0, 13500, 8400);  // 900 x 560 px from the top, past the right edge: more than the background
  EXPECT_EQ(check(), "") << "the photo ends short, the background does not";
  back.setHeight(8600);
  EXPECT_NE(check().find("Back(0): ends at 800 x 573 px of a 800 x 600 screen"), std::string::npos);
}

TEST_F(LayoutRulesTest, ATextOverAPictureStandsOnABacking) {
  Image& picture = sheet_.add<Image>("Picture");
  picture.move(0, 0, 9000, 6000);
  picture.setStretch(true);
  picture.setPicture(std::string(KERVALE_WORLD_DIR) + "/background.jpg");
  Label& band = sheet_.label("", 0, 0, 4500, 1500);
  Label& news = sheet_.label("Club News:\rJoins the squad from the youth team.", 150, 150, 4000, 510);
  news.setForeColor(kWhite);
  EXPECT_NE(check().find("Text(2): its text is drawn over Picture(0) with no backing"), std::string::npos);
  news.setOpaque(true);
  news.setBackColor(0x404040);
  EXPECT_EQ(check(), "");
  news.setVisible(false);
  // The widget's kind follows the design: a scrolling text is made so.
  Label& scrolling = sheet_.add<Label>("Scrolling");
  scrolling.setScrollBars(true);
  scrolling.setCaption(news.caption());
  scrolling.move(150, 750, 4000, 510);
  scrolling.setOpaque(false);
  EXPECT_NE(check().find("Scrolling(3): its text is drawn over Picture(0)"), std::string::npos);
  band.setOpaque(true);  // a plain band behind it
  EXPECT_EQ(check(), "");
}

}  // namespace
}  // namespace kervale::test
