// Games of the committed world played across season ends and saved on many
// days, the days of each season end among them: every save loads again, and
// saving the loaded game writes the same bytes.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "base/file_error.h"
#include "base/random.h"
#include "data/mls_module.h"
#include "matchday/driver_world.h"
#include "offseason/college_draft.h"
#include "offseason/off_season.h"
#include "shell/main_module.h"
#include "shell/saved_game.h"
#include "standin/stand_in_user.h"
#include "support/sanitized.h"
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

// The save with each CR LF made lineEnd.
std::string withLineEnds(const std::string& text, const std::string& lineEnd) {
  std::string out;
  std::size_t at = 0;
  for (std::size_t found; (found = text.find("\r\n", at)) != std::string::npos; at = found + 2) {
    out.append(text, at, found - at).append(lineEnd);
  }
  return out.append(text, at);
}

// A save passed through a text-mode copy, or with blank lines put in, loads
// to the same game; a one-value line emptied is refused by its item's name.
void loadsWithOtherLineEnds(const std::string& saved, const std::string& when) {
  const auto start = [&](int line) {
    std::size_t at = 0;
    for (int k = 1; k < line; ++k) at = saved.find("\r\n", at) + 2;
    return at;
  };
  const auto emptied = [&](int line, const char* blank) {
    return std::string(saved).replace(start(line), saved.find("\r\n", start(line)) - start(line), blank);
  };
  const int scouting1 = 4, scouting237 = 4 + 15 * 236;  // fifteen lines a club from line 2, S the third
  const std::pair<std::string, std::string> cases[] = {
      {withLineEnds(saved, "\n"), ""},
      {withLineEnds(saved, "\r\r\n"), ""},
      {"\r\n" + saved, ""},
      {" \t \n" + saved, ""},
      {std::string(saved).insert(start(scouting1), "\r\n"), ""},
      {std::string(saved).insert(start(scouting237), "\t\r\n \r\n"), ""},
      {emptied(1, ""), "CurrentWeek is empty"},
      {withLineEnds(emptied(1, " "), "\r\r\n"), "CurrentWeek is empty"},
      {emptied(scouting1, "\t"), "ScoutingFunding(1) is empty"},
      {withLineEnds(emptied(scouting237, ""), "\n"), "ScoutingFunding(237) is empty"},
  };
  for (const auto& [text, problem] : cases) {
    try {
      const bool same = savedGameText(*parseSavedGame("x.usa", text, mls())) == saved;
      EXPECT_EQ(problem, "") << when;
      EXPECT_TRUE(same) << when;
    } catch (const FileError& error) {
      EXPECT_EQ(error.problem(), problem) << when;
    }
  }
}

class PlayedSaves : public ::testing::TestWithParam<PlayedGame> {
 protected:
  // Saves the running game, loads the save over the game as it was at the
  // start and saves that again; with otherLineEnds, loads its other forms too.
  void saveAndLoad(const std::string& when, bool otherLineEnds = false) {
    const std::string saved = savedGameText(mls());
    ++saves_;
    try {
      const auto loaded = parseSavedGame(when, saved, *start_);
      const std::string again = savedGameText(*loaded);
      EXPECT_EQ(firstDifference(saved, again), "") << when;
      if (otherLineEnds) loadsWithOtherLineEnds(saved, when);
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
      saveAndLoad(on + ", the roll-over", true);
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
