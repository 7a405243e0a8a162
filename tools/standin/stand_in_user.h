#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>

#include "data/mls_module.h"
#include "ui/headless/headless_backend.h"

namespace kervale {

class CollegeDraft;
class EndOfSeason;
class LockerRoom;
class MatchEngine;

// Stands in for the player while a matchday runs headless: in the team talk
// it gives the last talk (which leaves the morale alone) and goes to the
// match, it ticks quick simulation once the user's match runs, and it presses
// the minute button after the final-score box; it leaves the season summary
// by its button; in the college draft it begins,
// drafts the first available pool player at the user's pick and quits. Dialogs need their answers
// elsewhere (a default-answer policy). Active from construction to destruction.
// Serves the headless runner, the benchmarks and the tests. On the hub it
// mends the line-up, as a player would, through the squad screen, and signs
// free players through the league portal when the squad is short.
// In the team talk, when it waits: gives the last talk (which leaves the
// morale alone) and goes to the match. Returns whether it did.
bool leaveTeamTalk();

class StandInUser {
 public:
  explicit StandInUser(ui::HeadlessBackend& backend = ui::headless());
  ~StandInUser();
  StandInUser(const StandInUser&) = delete;
  StandInUser& operator=(const StandInUser&) = delete;

  // When a starter slot holds no fit player: opens the squad screen from the
  // hub's button, brings in the best fit substitute for each such slot (a
  // keeper for the keeper's slot) with two row clicks, and leaves with "Save
  // Changes and Exit". Returns the exchanges made; 0 when none was needed or
  // the screen could not be opened.
  int fitLineUp() { return mendLineUp(false); }

  // Once a season, from the second on: as fitLineUp, and also brings in a
  // fit substitute who suits a starter slot better than its starter, so that
  // the youngsters and signings of the off-season get their places. The
  // first season the stand-in sees is left as it stands. Returns the
  // exchanges made.
  int pickSeasonEleven();

  // What a user does when the hub will not go on: with fewer than eleven fit
  // players he signs free players, one by one, from the league portal's free
  // list through each one's card (a keeper first when none is fit); when no
  // free player will sign he bids for another club's player on his card and
  // signs him once his club agrees to talk. He lets his longest-injured
  // player go when no squad slot is free; then the squad screen fits the
  // line-up and brings the hub back. Returns why the hub still cannot go on,
  // or an empty text.
  std::string readySquad();

  // What a user does when the keeper he is left with is no keeper for his
  // squad: when his best fit keeper is rated below three quarters of his fit
  // outfield players' mean best rating and a slot is free, he signs a free
  // keeper rated at least that, else bids for one, as readySquad does, and
  // the squad screen puts the best in goal. Returns whether one joined.
  bool replaceWeakKeeper();
  int signings() const { return state_->signings; }
  int releases() const { return state_->releases; }
  int purchases() const { return state_->purchases; }

  int talks() const { return state_->talks; }
  int minutePresses() const { return state_->minutePresses; }
  int draftPicks() const { return state_->draftPicks; }
  int summaries() const { return state_->summaries; }
  // Runs each time the season summary is up, before its button is pressed.
  void onSummary(std::function<void()> look) { state_->summaryLook = std::move(look); }

 private:
  struct State {
    bool active = true;
    std::size_t boxesSeen = 0;
    int talks = 0;
    int minutePresses = 0;
    int draftPicks = 0;
    int summaries = 0;
    int signings = 0;
    int releases = 0;
    int purchases = 0;
    double seasonPicked = kNoSeason;
    std::function<void()> summaryLook;
    ui::HeadlessBackend* backend = nullptr;
    // The screens it looks at on every doEvents, found at its first look.
    EndOfSeason* summary = nullptr;
    CollegeDraft* draft = nullptr;
    MatchEngine* match = nullptr;
    LockerRoom* room = nullptr;
  };
  static constexpr double kNoSeason = -1000;
  // fitLineUp; with `always` the squad screen is passed even when the
  // line-up needs nothing, so that the hub is rebuilt; with `best` fit
  // starters give way to better-suited substitutes too.
  int mendLineUp(bool always, bool best = false);
  // With a `leastKeeping` above 0, only a keeper rated at least that.
  bool signFreePlayer(double leastKeeping = 0);
  bool bidForPlayer(double leastKeeping = 0);
  bool releaseInjured();
  static void draft(const std::shared_ptr<State>& state);
  // Inlined into its idle action, which runs at every yield of every match.
  [[gnu::always_inline]] static inline void act(const std::shared_ptr<State>& state);
  static void post(const std::shared_ptr<State>& state);

  std::shared_ptr<State> state_ = std::make_shared<State>();
};

}  // namespace kervale
