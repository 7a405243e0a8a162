// The colours the model gives its controls stay on their widgets whatever the
// desktop's scheme does; only the style's own button face follows it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <memory>
#include <string>

#include "base/colour.h"
#include "qt/qt_app.h"
#include "ui/control.h"
#include "ui/form.h"

namespace {

using namespace kervale;
using namespace kervale::ui;
using kervale::test::DesktopScheme;

const std::string kTeal = "#008080";
const std::string kDarkYellow = "#c0c000";
const std::string kWhiteText = "#ffffff";
const std::string kDarkFace = "#2d2d2d";  // the dark scheme's windows and buttons
const std::string kLightFace = "#efefef";

std::string hex(const QColor& c) { return c.name().toStdString(); }

// Controls whose colours equal a scheme's: the digits white like the dark
// scheme's text, the shaded cell as dark as its windows.
class Cells : public Form {
 public:
  Cells() : Form("Cells") {
    state_.caption = "Cells";
    state_.width = 4800;
    state_.height = 3600;
    Digits.setCaption("27");
    Digits.move(120, 120, 1200, 285);
    Digits.setBackColor(rgbColour(0, 128, 128));
    Digits.setForeColor(kWhite);
    Shaded.setCaption("Shaded");
    Shaded.move(120, 480, 1200, 285);
    Shaded.setBackColor(rgbColour(45, 45, 45));
    Shaded.setForeColor(rgbColour(192, 192, 0));
    Face.setCaption("Face");
    Face.move(120, 960, 1800, 375);
    Marked.setCaption("Marked");
    Marked.move(120, 1440, 1800, 375);
    Marked.setBackColor(rgbColour(192, 192, 0));
    Quick.setCaption("Quick Simulation");
    Quick.move(120, 1920, 2400, 255);
    Quick.setBackColor(rgbColour(0, 128, 128));
    designDone();
  }
  Label Digits{*this, "Digits"};
  Label Shaded{*this, "Shaded"};
  CommandButton Face{*this, "Face"};
  CommandButton Marked{*this, "Marked"};
  CheckBox Quick{*this, "Quick"};
};

// Counts the palette changes a widget takes.
class PaletteChanges : public QObject {
 public:
  explicit PaletteChanges(QWidget* w) { w->installEventFilter(this); }
  int count = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::PaletteChange) ++count;
    return false;
  }
};

class ControlColoursTest : public ::testing::Test {
 protected:
  void SetUp() override { setBackend(qt_.get()); }
  void TearDown() override {
    cells_.Unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    setBackend(nullptr);
  }
  template <class W>
  W* widget(const Control& c) {
    return qobject_cast<W*>(qt_->widget(c));
  }

  std::unique_ptr<kervale::test::WindowBackend> qt_ = std::make_unique<kervale::test::WindowBackend>();
  DesktopScheme scheme_;
  Cells cells_;
};

TEST_F(ControlColoursTest, AColourEqualToTheSchemesStaysWhenTheSchemeChanges) {
  scheme_.use(DesktopScheme::dark());
  cells_.Show();
  QCoreApplication::processEvents();
  auto* digits = widget<QLabel>(cells_.Digits);
  auto* shaded = widget<QLabel>(cells_.Shaded);
  ASSERT_NE(digits, nullptr);
  ASSERT_NE(shaded, nullptr);

  scheme_.use(DesktopScheme::light());
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    EXPECT_EQ(hex(digits->palette().color(group, QPalette::WindowText)), kWhiteText) << "white, not the scheme's black";
    EXPECT_EQ(hex(digits->palette().color(group, QPalette::Window)), kTeal);
    EXPECT_EQ(hex(shaded->palette().color(group, QPalette::Window)), kDarkFace) << "dark, not the scheme's light";
    EXPECT_EQ(hex(shaded->palette().color(group, QPalette::WindowText)), kDarkYellow);
  }

  // A disabled label keeps the scheme's greyed text.
  cells_.Digits.setEnabled(false);
  QCoreApplication::processEvents();
  EXPECT_EQ(hex(digits->palette().color(QPalette::Disabled, QPalette::WindowText)),
            hex(DesktopScheme::light().color(QPalette::Disabled, QPalette::WindowText)));
}

TEST_F(ControlColoursTest, TheButtonFaceFollowsTheSchemeAMarkKeepsItsColour) {
  scheme_.use(DesktopScheme::light());
  cells_.Show();
  QCoreApplication::processEvents();
  auto* face = widget<QPushButton>(cells_.Face);
  auto* marked = widget<QPushButton>(cells_.Marked);
  ASSERT_NE(face, nullptr);
  ASSERT_NE(marked, nullptr);

  scheme_.use(DesktopScheme::dark());
  EXPECT_EQ(hex(face->palette().color(QPalette::Button)), kDarkFace) << "the dark scheme's face";
  EXPECT_EQ(hex(face->palette().color(QPalette::ButtonText)), kWhiteText);
  EXPECT_EQ(hex(marked->palette().color(QPalette::Button)), kDarkYellow);

  cells_.Marked.setBackColor(kButtonFace);  // the mark taken off
  QCoreApplication::processEvents();
  EXPECT_EQ(hex(marked->palette().color(QPalette::Button)), kDarkFace);
  scheme_.use(DesktopScheme::light());
  EXPECT_EQ(hex(marked->palette().color(QPalette::Button)), kLightFace);
}

TEST_F(ControlColoursTest, OnlyAChangedColourChangesTheWidgetsPalette) {
  cells_.Show();
  QCoreApplication::processEvents();
  auto* digits = widget<QLabel>(cells_.Digits);
  ASSERT_NE(digits, nullptr);
  PaletteChanges changes(digits);

  cells_.Digits.setCaption("28");  // pushed again, its colours unchanged
  QCoreApplication::processEvents();
  EXPECT_EQ(digits->text(), "28");
  EXPECT_EQ(changes.count, 0);

  cells_.Digits.setForeColor(kBlack);
  QCoreApplication::processEvents();
  EXPECT_GE(changes.count, 1);
  EXPECT_EQ(hex(digits->palette().color(QPalette::WindowText)), "#000000");
}

TEST_F(ControlColoursTest, ACheckBoxShowsItsOwnColourTheFaceFollowsTheScheme) {
  scheme_.use(DesktopScheme::light());
  cells_.Show();
  QCoreApplication::processEvents();
  auto* quick = widget<QCheckBox>(cells_.Quick);
  ASSERT_NE(quick, nullptr);
  auto besideText = [quick] {
    return hex(quick->grab().toImage().pixelColor(quick->width() - 2, quick->height() / 2));
  };
  EXPECT_EQ(besideText(), kTeal);

  cells_.Quick.setBackColor(kButtonFace);
  QCoreApplication::processEvents();
  EXPECT_EQ(besideText(), kLightFace);
}

}  // namespace
