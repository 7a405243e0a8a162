#include "standin/stand_in_user.h"

#include <algorithm>
#include <string>
#include <utility>

#include "data/mls_module.h"
#include "data/tactics_in_play.h"
#include "match/match_engine.h"
#include "offseason/college_draft.h"
#include "offseason/end_of_season.h"
#include "shell/main_module.h"
#include "team/line_up.h"
#include "team/locker_room.h"
#include "team/position_tag.h"
#include "team/team_select.h"
#include "ui/screen.h"

namespace kervale {

namespace {

bool fitIn(const MLSModule& g, int club, int slot) {
  const int p = squadPlayer(g, club, slot);
  return p != 0 && g.PlayerInjury(p) <= 0;
}

bool isKeeper(const MLSModule& g, int player) { return PositionTag(g, player) == "G "; }

// How well a player suits a starter slot: the keeper's slot by his keeping,
// an outfield slot by his ratings under that slot's position, or by his best
// outfield rating when the position has no factors.
double suitability(const MLSModule& g, int club, int slot, int player) {
  if (slot == 1) return g.PlayerGoalkeeping(player);
  const double ratings[] = {g.PlayerDefense(player), g.PlayerMidfield(player), g.PlayerAttack(player)};
  const double code = g.TeamPosition(slot - 1, club);
  const int flow = flowInPlay(g, club);
  double score = 0;
  if (code >= 1 && code <= g.NumPositions && code <= decltype(g.PositionFactor)::upper1) {
    for (int k = 1; k <= 3; ++k) score += ratings[k - 1] * g.PositionFactor(code, flow, k);
  }
  if (score > 0) return score;
  return std::max({ratings[0], ratings[1], ratings[2]});
}

// A fit keeper playing in an outfield starter slot; 0 none.
int keeperOutfield(const MLSModule& g, int club) {
  for (int slot = 2; slot <= 11; ++slot) {
    if (fitIn(g, club, slot) && isKeeper(g, squadPlayer(g, club, slot))) return slot;
  }
  return 0;
}

// The fit substitute (slot 12..20) who suits the starter slot best; 0 when
// none is fit. A keeper stands in for the keeper and outfield players for
// outfield players whenever the bench has one of the right kind; without a
// keeper on the bench, one playing outfield goes in goal.
int bestSubstitute(const MLSModule& g, int club, int slot) {
  int best = 0;
  std::pair<bool, double> bestFit{false, -1};
  for (int sub = 12; sub <= 20; ++sub) {
    if (!fitIn(g, club, sub)) continue;
    const int p = squadPlayer(g, club, sub);
    const std::pair<bool, double> fit{isKeeper(g, p) == (slot == 1), suitability(g, club, slot, p)};
    if (best == 0 || fit > bestFit) {
      best = sub;
      bestFit = fit;
    }
  }
  if (slot == 1 && !bestFit.first && keeperOutfield(g, club) != 0) return keeperOutfield(g, club);
  return best;
}

// A fit substitute of the starter's kind (keeper or outfield) who suits the
// fit starter's slot better than he does; 0 none.
int betterSubstitute(const MLSModule& g, int club, int slot) {
  const int sub = bestSubstitute(g, club, slot);
  if (sub == 0) return 0;
  const int starter = squadPlayer(g, club, slot);
  const int p = squadPlayer(g, club, sub);
  if (isKeeper(g, p) != (slot == 1)) return 0;
  return suitability(g, club, slot, p) > suitability(g, club, slot, starter) ? sub : 0;
}

// In the team talk, when it waits: the last talk, then to the match.
bool leaveTalkIn(LockerRoom& room) {
  if (!room.loaded() || mls().TeamTalkStage == 1) return false;
  if (!room.Command2.enabled()) {
    room.TeamTalkList.setListIndex(room.TeamTalkList.listCount() - 1);
    room.Command1.userClick();
  }
  room.Command2.userClick();
  return true;
}

}  // namespace

bool leaveTeamTalk() { return leaveTalkIn(ui::screen<LockerRoom>()); }

int StandInUser::pickSeasonEleven() {
  const double season = mls().CurrentSeason;
  if (season == state_->seasonPicked) return 0;
  const bool firstSeen = state_->seasonPicked == kNoSeason;
  state_->seasonPicked = season;
  return firstSeen ? 0 : mendLineUp(false, true);
}

int StandInUser::mendLineUp(bool always, bool best) {
  const MLSModule& g = mls();
  const int club = static_cast<int>(g.MyTeam);
  bool mend = always || best;
  for (int slot = 1; slot <= 11; ++slot) mend = mend || !fitIn(g, club, slot);
  MainModule& hub = ui::screen<MainModule>();
  if (!mend || !hub.loaded()) return 0;
  hub.Command1.userClick();
  TeamSelect& sheet = ui::screen<TeamSelect>();
  if (!sheet.loaded()) return 0;
  int exchanges = 0;
  for (int slot = 1; slot <= 11; ++slot) {
    const bool fit = fitIn(g, club, slot);
    if (fit && !best) continue;
    const int sub = fit ? betterSubstitute(g, club, slot) : bestSubstitute(g, club, slot);
    if (sub == 0) continue;
    // The substitute's row first: an empty starter row cannot be selected.
    sheet.PlayerName(sub).userClick();
    sheet.PlayerName(slot).userClick();
    ++exchanges;
  }
  sheet.Command2.userClick();
  return exchanges;
}

StandInUser::StandInUser(ui::HeadlessBackend& backend) {
  state_->backend = &backend;
  state_->boxesSeen = backend.log().size();
  post(state_);
}

StandInUser::~StandInUser() { state_->active = false; }

void StandInUser::post(const std::shared_ptr<State>& state) {
  // Posted once and kept: it looks at every doEvents (twice a minute of every
  // match) until its user is gone.
  state->backend->postRepeating([state] {
    if (!state->active) return false;
    act(state);
    return true;
  });
}

// Begins the draft, takes the first available pool line at the user's pick
// (answering its question Yes) and quits once the draft is over.
void StandInUser::draft(const std::shared_ptr<State>& state) {
  CollegeDraft& draft = *state->draft;
  if (draft.Command2.enabled()) {
    // Begin Draft waits at the user's pick: pressed from its own idle action,
    // so that this one is posted again and can make the pick.
    state->backend->postIdle([&draft] {
      if (draft.loaded() && draft.Command2.enabled()) draft.Command2.userClick();
    });
    return;
  }
  if (draft.waiting()) {
    for (int k = 1; k <= kPoolSize; ++k) {
      if (draft.pool()[static_cast<std::size_t>(k)].taken) continue;
      draft.List1.userSelectItem(k - 1);
      state->backend->queueAnswer(ui::MsgResult::Yes);
      draft.Command4.userClick();
      ++state->draftPicks;
      return;
    }
    state->backend->queueAnswer(ui::MsgResult::Yes);  // nobody left: pass
    draft.Command3.userClick();
    return;
  }
  if (draft.ended() && draft.Command1.enabled()) draft.Command1.userClick();
}

inline void StandInUser::act(const std::shared_ptr<State>& state) {
  State& s = *state;
  if (s.summary == nullptr) {
    // Found at the first look, in the order it has always looked at them.
    s.summary = &ui::screen<EndOfSeason>();
    s.draft = &ui::screen<CollegeDraft>();
    s.match = &ui::screen<MatchEngine>();
    s.room = &ui::screen<LockerRoom>();
  }
  if (s.summary->loaded()) {
    if (s.summaryLook) s.summaryLook();
    s.summary->Command1.userClick();
    ++s.summaries;
  }
  if (s.draft->loaded()) draft(state);
  MatchEngine& match = *s.match;
  if (match.running() && match.Fastsim.value() == 0) match.Fastsim.setValue(1);
  if (leaveTalkIn(*s.room)) ++s.talks;
  const auto& log = s.backend->log();
  if (log.size() > s.boxesSeen) {
    s.boxesSeen = log.size();
    if (log.back().text.rfind("Final Score from", 0) == 0 && match.shown() && match.minutedone) {
      match.Minbox.userClick();
      ++s.minutePresses;
    }
  }
}

}  // namespace kervale
