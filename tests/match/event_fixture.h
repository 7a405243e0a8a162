#pragma once

#include <functional>
#include <string>
#include <vector>

#include "match_fixture.h"

namespace kervale::test {

inline void pairUp(MatchEngine& m) {
  m.hometeam = kHome;
  m.awayteam = kAway;
}

// A watched match set up and standing in a given minute, so a test can run
// one step of the match on scripted draws and read its commentary.
class EventTest : public MatchTest {
 protected:
  EventTest() {
    pairUp(shown);
    shown.Show();
    setUpMatch();
  }
  // The match set up on the game as it stands: a test that builds a new game sets it up again.
  void setUpMatch() {
    rng().script({0, 0, 0, 0});  // referee 1, crowd and broadcast draws
    EXPECT_TRUE(shown.setupMatch());
    shown.minute = 30;
  }
  ~EventTest() override { shown.Unload(); }

  std::vector<std::string> queued() const {
    std::vector<std::string> lines;
    for (int i = 1; i <= shown.commcount; ++i) lines.push_back(shown.commline(i));
    return lines;
  }
  std::vector<std::string> info(int side) const {
    std::vector<std::string> lines;
    const int count = side == 1 ? shown.homeinfocount : shown.awayinfocount;
    for (int i = 1; i <= count; ++i) lines.push_back(shown.infoline(i, side));
    return lines;
  }
  static double rating(int slot, int side) { return mls().MatchRating(slot, side); }
  // A player of the fixture by club and squad slot.
  static int player(int club, int slot) { return static_cast<int>(mls().TeamSquad(slot, club)); }

  ShownMatch shown;
};

// Runs an action at the first yield of a minute, reposting itself until then.
struct AtMinuteOf {
  const MatchEngine* match;
  int when;
  std::function<void()> action;
  void operator()() const {
    if (match->minute == when) {
      action();
    } else if (match->minute < when || !match->running()) {
      ui::headless().postIdle(*this);
    }
  }
};

// Runs an action at the first yield of a minute and is dropped once that
// minute has passed, so it never outlives its match.
struct OnceAtMinute {
  const MatchEngine* match;
  int when;
  std::function<void()> action;
  void operator()() const {
    if (match->minute == when) {
      action();
    } else if (match->minute < when) {
      ui::headless().postIdle(*this);
    }
  }
};

}  // namespace kervale::test
