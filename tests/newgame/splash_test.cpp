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
  int width, height, perPixel;
  const char* mode;
  bool passes;
};

TEST_F(SplashTest, ScreenModeDecidesBetweenShowingAndTheSelfTestBox) {
  const ModeCase cases[] = {{800, 600, 15, "800 X 600", true},    {1024, 768, 15, "1024 X 768", true},
                            {1000, 700, 15, "800 X 600", true},   {1280, 1024, 15, "1024 X 768", true},
                            {801, 767, 15, "800 X 600", true},    {1024, 768, 12, "1024 X 768", true},
                            {640, 480, 15, "640 X 480", false},   {800, 768, 15, "800 X 768", false},
                            {1024, 600, 15, "1024 X 600", false}, {900, 800, 15, "800 X 768", false}};
  for (const ModeCase& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.width << "x" << c.height << " at " << c.perPixel << " twips");
    dialogs.backend().reset();
    setScreen(c.width, c.height, c.perPixel);
    if (!c.passes) dialogs.answer(MsgResult::Abort);
    splash.Show();
    EXPECT_EQ(mls().ScreenMode, c.mode);
    EXPECT_EQ(splash.shown(), c.passes);
    EXPECT_EQ(dialogs.backend().programEnded(), !c.passes);
    ASSERT_EQ(dialogs.count(), c.passes ? 0u : 1u);
    if (!c.passes) {
      EXPECT_EQ(dialogs.last().title, "Error");
      EXPECT_EQ(dialogs.last().text, kSelfTestText);
      EXPECT_EQ(dialogs.last().buttons, ui::MsgButtons::AbortRetryIgnore);
      EXPECT_FALSE(splash.loaded());
    }
    splash.Unload();
  }
}

// Retry on an unchanged screen asks again without limit; Ignore reports a fatal error and ends.
TEST_F(SplashTest, RetryAsksAgainAndIgnoreEnds) {
  setScreen(640, 480);
  for (int i = 0; i < 5; ++i) dialogs.answer(MsgResult::Retry);
  dialogs.answer(MsgResult::Ignore).answer(MsgResult::OK);
  splash.Show();
  ASSERT_EQ(dialogs.count(), 7u);
  EXPECT_EQ(dialogs.texts()[5], kSelfTestText);
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
  splash.Command2.userClick();
  EXPECT_FALSE(splash.loaded());
  EXPECT_TRUE(dialogs.backend().programEnded());
}

}  // namespace
}  // namespace kervale
