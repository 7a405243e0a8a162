// What a watched match shows, control by control: at every yield of the
// user's match, each caption, colour, picture, selection and visibility of
// the match screen that changed (commentary, score, minute, line-up panel,
// zone markers, statistics), and the screen the rest of the round leaves,
// against a record kept in golden/.
//
// A change of what a watched match shows, made on purpose, records anew:
//   KERVALE_UPDATE_GOLDEN=1 build/tests/test_matchday --gtest_filter='*WatchedMatch*'
// writes the records into tests/matchday/golden/. On a mismatch the test names
// the first differing line and writes the new record to the tests' output
// folder (build/tests/output/), so the two can be compared whole.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <ostream>
#include <string>

#include "base/csv.h"
#include "base/random.h"
#include "data/mls_module.h"
#include "match/match_engine.h"
#include "matchday/driver_world.h"
#include "shell/main_module.h"
#include "standin/stand_in_user.h"
#include "support/case_names.h"
#include "support/screen_record.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"
#include "team/locker_room.h"
#include "ui/screen.h"

namespace kervale::test {

namespace {

namespace fs = std::filesystem;

// Beside this file; the world folder is the one place of the sources the tests know.
const fs::path kGolden = fs::path(KERVALE_WORLD_DIR).parent_path() / "tests" / "matchday" / "golden";

int week(const MLSModule& g) { return static_cast<int>(g.CurrentWeek); }

bool usersRound(const MLSModule& g) { return g.FixtureOpponent(static_cast<int>(g.MyTeam), week(g)) != 0; }

bool roundHasMatches(const MLSModule& g) {
  for (int club = 1; club <= kLastClub; ++club) {
    if (g.FixtureVenue(club, week(g)) == 1 && g.FixtureOpponent(club, week(g)) != 0) return true;
  }
  return false;
}

// The user at the screen: looks at it each time the match lets events through,
// gives the last talk (which leaves the morale alone) and goes to the match,
// and presses the minute button after the final score. Quick simulation stays
// off, so every commentary line is shown as it comes.
class Spectator {
 public:
  explicit Spectator(ui::HeadlessBackend& backend) : backend_(backend), record_(match()) { post(); }
  ~Spectator() { state_->active = false; }
  Spectator(const Spectator&) = delete;
  Spectator& operator=(const Spectator&) = delete;

  const std::string& record() const { return record_.text(); }
  int looks() const { return state_->looks; }
  // The screen as the round left it, and the boxes of the round.
  void lookAtTheEnd() {
    record_.take("end");
    for (const ui::DialogRecord& box : backend_.log()) record_.note("box", box.title + ": " + box.text);
  }

 private:
  struct State {
    bool active = true;
    int looks = 0;
    std::size_t boxesSeen = 0;
  };
  static MatchEngine& match() { return ui::screen<MatchEngine>(); }

  void post() {
    backend_.postIdle([this, state = state_] {
      if (!state->active) return;
      look();
      act();
      post();
    });
  }
  void look() {
    const MatchEngine& m = match();
    if (!m.running() || !m.userMatch()) return;
    ++state_->looks;
    record_.take(std::to_string(m.minute));
  }
  void act() {
    leaveTeamTalk();
    const auto& log = backend_.log();
    if (log.size() == state_->boxesSeen) return;
    state_->boxesSeen = log.size();
    MatchEngine& m = match();
    if (log.back().text.rfind("Final Score from", 0) == 0 && m.shown() && m.minutedone) m.Minbox.userClick();
  }

  ui::HeadlessBackend& backend_;
  std::shared_ptr<State> state_ = std::make_shared<State>();
  ScreenRecord record_;
};

struct WatchedCase {
  int club;
  std::uint64_t seed;  // of the match day's draws
};

void PrintTo(const WatchedCase& c, std::ostream* os) { *os << "club " << c.club << " seed " << c.seed; }

class WatchedMatch : public ::testing::TestWithParam<WatchedCase> {
 protected:
  void TearDown() override {
    for (ui::Form* f :
         {static_cast<ui::Form*>(&ui::screen<LockerRoom>()), static_cast<ui::Form*>(&ui::screen<MatchEngine>()),
          static_cast<ui::Form*>(&ui::screen<MainModule>())}) {
      if (f->loaded()) f->Unload();
    }
    replaceGame(nullptr);
  }
  ScopedCurrentDir inWorld{KERVALE_WORLD_DIR};
  ScriptedDialogs dialogs{ui::HeadlessBackend::Policy::Defaults};
};

// Plays on to the user's first match and watches it.
std::string watchedRecord(const WatchedCase& c, int& looks) {
  auto start = startedWorldGame(c.club);
  if (!start) return "";
  replaceGame(std::move(start));
  MLSModule& g = mls();
  rng().seed(c.seed);
  // A round without matches is passed over rather than played, as when the
  // records were made.
  for (int round = 0; round < kLastRound && !usersRound(g); ++round) {
    if (roundHasMatches(g)) {
      playMatchdayAndAdvance();
    } else {
      g.CurrentWeek = week(g) % kLastRound + 1;
    }
  }
  // The fastest commentary: the lines come as they would, without the wait between them.
  g.CommentarySpeed = 0;
  rng().seed(c.seed);
  ui::headless().clearLog();
  Spectator spectator(ui::headless());
  ui::screen<MatchEngine>().Show();
  spectator.lookAtTheEnd();
  looks = spectator.looks();
  return spectator.record();
}

TEST_P(WatchedMatch, ShowsWhatItShowedMinuteByMinute) {
  const WatchedCase& c = GetParam();
  int looks = 0;
  const std::string record = watchedRecord(c, looks);
  ASSERT_GE(looks, 180) << "the user's match was not watched: two looks a minute at least";
  ASSERT_NE(record.find("Commentary(-1) + "), std::string::npos) << "no commentary was shown";

  const std::string file = "watched-club" + std::to_string(c.club) + "-seed" + std::to_string(c.seed) + ".txt";
  if (const char* update = std::getenv("KERVALE_UPDATE_GOLDEN"); update != nullptr && std::string(update) == "1") {
    writeFileAtomically(kGolden / file, record);
    GTEST_SKIP() << "recorded anew: " << (kGolden / file).string();
  }
  ASSERT_TRUE(fs::exists(kGolden / file)) << "no record kept: " << (kGolden / file).string();
  const std::string expected = readWholeFile(kGolden / file);
  const std::string difference = firstDifference(expected, record);
  if (difference.empty()) return;
  const fs::path actual = fs::path(KERVALE_TEST_OUTPUT_DIR) / file;
  fs::create_directories(actual.parent_path());
  writeFileAtomically(actual, record);
  ADD_FAILURE() << "the watched match shows something else than " << (kGolden / file).string() << " at " << difference
                << "\nthe new record: " << actual.string();
}

// Golden-goal overtime played out to 120 with a sending-off (an MLS club),
// a golden goal (another), and an English league match with a sending-off.
INSTANTIATE_TEST_SUITE_P(World, WatchedMatch,
                         ::testing::Values(WatchedCase{3, 15}, WatchedCase{5, 10}, WatchedCase{60, 5}),
                         PrintedCaseName());

}  // namespace

}  // namespace kervale::test
