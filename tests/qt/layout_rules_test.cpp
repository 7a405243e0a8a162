// Each rule of the layout check on a hand-made form: it reports the fault it
// is there for and lets the sound layout pass.
#include "qt/layout_rules.h"

#include <gtest/gtest.h>

#include <QApplication>
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
    check.check(sheet_);
    std::string all;
    for (const std::string& f : check.failures()) all += f + "\n";
    return all;
  }

  std::unique_ptr<QtBackend> qt_;
  Sheet sheet_;
  AllowList allowed_;
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

}  // namespace
}  // namespace kervale::test
