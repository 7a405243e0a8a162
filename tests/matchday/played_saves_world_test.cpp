// Games of the committed world played across season ends and saved on many
// days, the days of each season end among them: every save loads again, and
// saving the loaded game writes the same bytes.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "base/file_error.h"
#include "base/random.h"
#include "data/mls_module.h"
#include "matchday/driver_world.h"
#include "support/sanitized.h"
#include "offseason/college_draft.h"
#include "offseason/off_season.h"
#include "shell/main_module.h"
#include "shell/saved_game.h"
#include "standin/stand_in_user.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"
#include "ui/screen.h"

namespace kervale::test {
namespace {

struct PlayedGame {
  const char* league;
  int club;
  std::uint64_t seed;
  int seasonEnds;
};

void PrintTo(const PlayedGame& game, std::ostream* out) { *out << game.league << " club " << game.club; }

// "line 12: ..." around the first byte where two saves differ; "" when equal.
std::string firstDifference(const std::string& a, const std::string& b) {
  std::size_t at = 0;
  while (at < a.size() && at < b.size() && a[at] == b[at]) ++at;
  if (at == a.size() && at == b.size()) return "";
  const std::size_t from = a.rfind('\n', at) == std::string::npos ? 0 : a.rfind('\n', at) + 1;
  std::size_t line = 1;
  for (std::size_t i = 0; i < from; ++i) line += a[i] == '\n' ? 1 : 0;
  return "line " + std::to_string(line) + ": saved \"" + a.substr(from, 120) + "\", saved again \"" +
         b.substr(from, 120) + "\"";
}

class PlayedSaves : public ::testing::TestWithParam<PlayedGame> {
 protected:
  // Saves the running game, loads the save over the game as it was at the
  // start and saves that again.
  void saveAndLoad(const std::string& when) {
    const std::string saved = savedGameText(mls());
    ++saves_;
    try {
      const auto loaded = parseSavedGame(when, saved, *start_);
      const std::string again = savedGameText(*loaded);
      EXPECT_EQ(firstDifference(saved, again), "") << when;
    } catch (const FileError& error) {
      ADD_FAILURE() << when << ": " << error.problem();
    }
  }

  ~PlayedSaves() override { *watching_ = false; }

  // Saves once while the summary is up; the stand-in player leaves it next.
  void watchSummary(StandInUser& player, const std::string& game) {
    player.onSummary([this, game] { saveAndLoad(game + " at season end " + std::to_string(ends_ + 1) + ", summary"); });
  }
  // Saves once when the draft opens, after the expansion and the season's
  // close, before its first pick. Posted before the stand-in player starts,
  // it runs before him when the draft first yields.
  void watchDraft(const std::string& game) {
    ui::headless().postIdle([this, game, watching = watching_] {
      if (!*watching) return;
      if (ui::screen<CollegeDraft>().loaded() && draftSaved_ < seasonEndsRun() - firstEnd_) {
        draftSaved_ = seasonEndsRun() - firstEnd_;
        saveAndLoad(game + " at season end " + std::to_string(draftSaved_) + ", draft");
      }
      watchDraft(game);
    });
  }

  std::unique_ptr<MLSModule> start_;
  std::shared_ptr<bool> watching_ = std::make_shared<bool>(true);
  int saves_ = 0;
  int ends_ = 0;
  int draftSaved_ = 0;
  int firstEnd_ = seasonEndsRun();
};

TEST_P(PlayedSaves, EverySaveLoadsAndSavesTheSameBytes) {
  const PlayedGame& p = GetParam();
  start_ = startedWorldGame(p.club, p.seed);
  ASSERT_TRUE(start_) << "no world at " << KERVALE_WORLD_DIR;
  ScriptedDialogs dialogs{ui::HeadlessBackend::Policy::Defaults};
  ScopedCurrentDir inWorld{KERVALE_WORLD_DIR};
  replaceGame(std::make_unique<MLSModule>(*start_));
  rng().seed(p.seed);
  const std::string game = std::string(p.league) + " club " + std::to_string(p.club);
  watchDraft(game);
  StandInUser player;
  watchSummary(player, game);
  MainModule& hub = ui::screen<MainModule>();
  hub.Show();

  // Days 1, 100 and 200 (the sanitizer build day 1 only), the last day
  // before each season end, the day of the roll-over and the two days after.
  constexpr int kMostDaysASeason = 400;
  int lastEndDay = -10;
  int plainDays = 0;
  bool savedBeforeEnd = false;
  for (int day = 1; day <= kMostDaysASeason * p.seasonEnds; ++day) {
    if (!hub.loaded()) hub.Show();
    if (!hub.PlayGamesBUtton.enabled()) player.fitLineUp();
    ASSERT_TRUE(hub.PlayGamesBUtton.enabled()) << game << " day " << day << ": no eleven fit players";
    hub.PlayGamesBUtton.userClick();
    const std::string on = game + " day " + std::to_string(day);
    if (seasonEndsRun() - firstEnd_ != ends_) {
      ends_ = seasonEndsRun() - firstEnd_;
      lastEndDay = day;
      savedBeforeEnd = false;
      saveAndLoad(on + ", the roll-over");
    } else if (day - lastEndDay <= 2) {
      saveAndLoad(on + ", the new season");
    } else if (mls().CurrentWeek == 41 && !savedBeforeEnd) {
      savedBeforeEnd = true;
      saveAndLoad(on + ", before the season end");
    } else if (day == 1 || (!kSanitized && (day == 100 || day == 200))) {
      ++plainDays;
      saveAndLoad(on);
    }
    if (ends_ == p.seasonEnds && day == lastEndDay + 2) break;
  }
  *watching_ = false;
  hub.Unload();
  EXPECT_EQ(ends_, p.seasonEnds) << game;
  EXPECT_EQ(draftSaved_, p.seasonEnds) << game << ": a save as the draft opens";
  // Per season end: the day before, the summary, the draft, the roll-over
  // and two days after.
  EXPECT_EQ(saves_, plainDays + 6 * p.seasonEnds) << game;
}

std::vector<PlayedGame> playedGames() {
  // The sanitizer build plays the game whose first season ends soonest.
  if (kSanitized) return {{"Australian", 230, 1, 1}};
  return {{"MLS", 3, 1, 2}, {"English", 60, 1, 2}, {"Australian", 230, 1, 2}, {"ALeague", 20, 1, 2}};
}

INSTANTIATE_TEST_SUITE_P(World, PlayedSaves, ::testing::ValuesIn(playedGames()),
                         [](const auto& info) { return std::string(info.param.league); });

}  // namespace
}  // namespace kervale::test
