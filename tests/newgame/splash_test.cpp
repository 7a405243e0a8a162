#include <gtest/gtest.h>

#include "data/mls_module.h"
#include "shell/frm_splash.h"
#include "support/scripted_dialogs.h"
#include "ui/screen.h"

namespace kervale {
namespace {

using ui::MsgResult;

constexpr const char* kSelfTestText =
    "A selftest has revealed that your computer's current resolution is not set to 800x600 or 1024x768.\r"
    "You need to have your computer's resolution set to one of these settings.\r"
    "If you are unsure what this means, or feel this has come up erroneously, consult Readme.txt.";

class SplashTest : public ::testing::Test {
 protected:
  ~SplashTest() override { ui::screen<frmSplash>().Unload(); }
  void setScreen(int width, int height, int perPixel = 15) {
    dialogs.backend().setScreen(ui::ScreenMetrics{width, height, perPixel, perPixel});
  }
  test::ScriptedDialogs dialogs;
  frmSplash& splash = ui::screen<frmSplash>();
};

struct ModeCase {
  int width;
  int height;
  const char* mode;
};

class ScreenModeTest : public SplashTest, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(ScreenModeTest, AcceptedModesShowTheScreenWithoutABox) {
  setScreen(GetParam().width, GetParam().height);
  splash.Show();
  EXPECT_EQ(mls().ScreenMode, GetParam().mode);
  EXPECT_TRUE(splash.shown());
  EXPECT_EQ(dialogs.count(), 0u);
  EXPECT_FALSE(dialogs.backend().programEnded());
}

INSTANTIATE_TEST_SUITE_P(Passing, ScreenModeTest,
                         ::testing::Values(ModeCase{800, 600, "800 X 600"}, ModeCase{1024, 768, "1024 X 768"},
                                           ModeCase{1000, 700, "800 X 600"}, ModeCase{1280, 1024, "1024 X 768"},
                                           ModeCase{1152, 864, "1024 X 768"}, ModeCase{801, 767, "800 X 600"}));

class FailingModeTest : public SplashTest, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(FailingModeTest, AbortEndsWithoutShowingTheScreen) {
  setScreen(GetParam().width, GetParam().height);
  dialogs.answer(MsgResult::Abort);
  splash.Show();
  EXPECT_EQ(mls().ScreenMode, GetParam().mode);
  ASSERT_EQ(dialogs.count(), 1u);
  EXPECT_EQ(dialogs.last().title, "Error");
  EXPECT_EQ(dialogs.last().text, kSelfTestText);
  EXPECT_EQ(dialogs.last().buttons, ui::MsgButtons::AbortRetryIgnore);
  EXPECT_FALSE(splash.loaded());
  EXPECT_TRUE(dialogs.backend().programEnded());
}

INSTANTIATE_TEST_SUITE_P(Failing, FailingModeTest,
                         ::testing::Values(ModeCase{640, 480, "640 X 480"}, ModeCase{800, 768, "800 X 768"},
                                           ModeCase{1024, 600, "1024 X 600"}, ModeCase{900, 800, "800 X 768"}));

TEST_F(SplashTest, TwipsPerPixelDoNotChangeThePixelCount) {
  setScreen(1024, 768, 12);
  splash.Show();
  EXPECT_EQ(mls().ScreenMode, "1024 X 768");
}

TEST_F(SplashTest, RetryWithTheSameScreenAsksAgainWithoutLimit) {
  setScreen(640, 480);
  for (int i = 0; i < 5; ++i) dialogs.answer(MsgResult::Retry);
  dialogs.answer(MsgResult::Abort);
  splash.Show();
  EXPECT_EQ(dialogs.count(), 6u);
  EXPECT_FALSE(splash.loaded());
  EXPECT_TRUE(dialogs.backend().programEnded());
}

TEST_F(SplashTest, IgnoreReportsFatalErrorAndEnds) {
  setScreen(1024, 600);
  dialogs.answer(MsgResult::Ignore).answer(MsgResult::OK);
  splash.Show();
  ASSERT_EQ(dialogs.count(), 2u);
  EXPECT_EQ(dialogs.last().text, "Fatal Error");
  EXPECT_EQ(dialogs.last().title, "KERV");
  EXPECT_EQ(dialogs.last().icon, ui::MsgIcon::Critical);
  EXPECT_FALSE(splash.loaded());
  EXPECT_TRUE(dialogs.backend().programEnded());
}

// The user changes the screen mode while the box is up: the next test passes.
class ScreenChangingBackend : public ui::HeadlessBackend {
 public:
  ui::MsgResult messageBox(std::string_view text, ui::MsgButtons buttons, ui::MsgIcon icon,
                           std::string_view title) override {
    const ui::MsgResult answer = HeadlessBackend::messageBox(text, buttons, icon, title);
    if (++boxes == 2) setScreen(ui::ScreenMetrics{1024, 768, 15, 15});
    return answer;
  }
  int boxes = 0;
};

TEST_F(SplashTest, RetryAfterTheScreenChangedGoesOn) {
  ScreenChangingBackend backend;
  backend.setScreen(ui::ScreenMetrics{800, 480, 15, 15});
  backend.queueAnswer(MsgResult::Retry);
  backend.queueAnswer(MsgResult::Retry);
  ui::setBackend(&backend);
  splash.Show();
  ui::setBackend(nullptr);
  EXPECT_EQ(backend.boxes, 2);
  EXPECT_EQ(mls().ScreenMode, "1024 X 768");
  EXPECT_TRUE(splash.shown());
  EXPECT_FALSE(backend.programEnded());
  splash.Unload();
}

TEST_F(SplashTest, QuitEndsTheProgram) {
  splash.Show();
  EXPECT_EQ(splash.caption(), "Kervale");
  EXPECT_EQ(splash.Label4.caption(), "");
  splash.Command2.userClick();
  EXPECT_FALSE(splash.loaded());
  EXPECT_TRUE(dialogs.backend().programEnded());
}

}  // namespace
}  // namespace kervale
