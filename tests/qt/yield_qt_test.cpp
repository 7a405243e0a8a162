// Yields of work that waits for nothing (a hidden match's minutes) in the real
// window: the event loop gets a turn every few milliseconds, not every yield.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include "qt/qt_app.h"
#include "ui/backend.h"
#include "ui/qt/qt_backend.h"

namespace kervale {
namespace {

TEST(QtYield, TheEventLoopGetsATurnEveryFewMillisecondsNotEveryYield) {
  test::qtApp();
  test::WindowBackend qt;
  ui::setBackend(&qt);
  int runs = 0;
  QElapsedTimer clock;
  clock.start();
  QTimer::singleShot(0, [&] { ++runs; });
  ui::DoEvents();
  EXPECT_EQ(runs, 1);

  // A match's worth of yields right after that turn leaves a new event waiting
  // (judged only when the machine ran them within the throttle's period).
  QTimer::singleShot(0, [&] { ++runs; });
  for (int minute = 0; minute < 180; ++minute) ui::YieldToEvents();
  if (clock.elapsed() < 4) {
    EXPECT_EQ(runs, 1);
  }

  // Yields alone still get it handled soon.
  QElapsedTimer waited;
  waited.start();
  while (runs < 2 && waited.elapsed() < 2000) ui::YieldToEvents();
  EXPECT_EQ(runs, 2);
  ui::setBackend(nullptr);
}

}  // namespace
}  // namespace kervale
