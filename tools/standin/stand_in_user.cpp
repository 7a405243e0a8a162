#include "standin/stand_in_user.h"

#include <string>
#include <utility>

#include "data/mls_module.h"
#include "match/match_engine.h"
#include "offseason/college_draft.h"
#include "offseason/end_of_season.h"
#include "team/locker_room.h"
#include "ui/screen.h"

namespace kervale {

namespace {

bool available(const MLSModule& g, double player) {
  return player >= 1 && player <= g.NumPlayers && !g.PlayerName(player).empty() && g.PlayerInjury(player) <= 0;
}

}  // namespace

void benchUnavailableStarters(MLSModule& g) {
  const int club = static_cast<int>(g.MyTeam);
  for (int slot = 1; slot <= 11; ++slot) {
    if (available(g, g.TeamSquad(slot, club))) continue;
    for (int sub = 12; sub <= 20; ++sub) {
      if (!available(g, g.TeamSquad(sub, club))) continue;
      std::swap(g.TeamSquad(slot, club), g.TeamSquad(sub, club));
      break;
    }
  }
}

StandInUser::StandInUser(ui::HeadlessBackend& backend) {
  state_->backend = &backend;
  state_->boxesSeen = backend.log().size();
  post(state_);
}

StandInUser::~StandInUser() { state_->active = false; }

void StandInUser::post(const std::shared_ptr<State>& state) {
  state->backend->postIdle([state] {
    if (!state->active) return;
    act(state);
    post(state);
  });
}

// Begins the draft, takes the first available pool line at the user's pick
// (answering its question Yes) and quits once the draft is over.
void StandInUser::draft(const std::shared_ptr<State>& state) {
  CollegeDraft& draft = ui::screen<CollegeDraft>();
  if (!draft.loaded()) return;
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

void StandInUser::act(const std::shared_ptr<State>& state) {
  EndOfSeason& summary = ui::screen<EndOfSeason>();
  if (summary.loaded()) {
    if (state->summaryLook) state->summaryLook();
    summary.Command1.userClick();
    ++state->summaries;
  }
  draft(state);
  MatchEngine& match = ui::screen<MatchEngine>();
  if (match.running() && match.Fastsim.value() == 0) match.Fastsim.setValue(1);
  LockerRoom& room = ui::screen<LockerRoom>();
  if (room.loaded() && mls().TeamTalkStage != 1) {
    if (!room.Command2.enabled()) {
      room.TeamTalkList.setListIndex(room.TeamTalkList.listCount() - 1);
      room.Command1.userClick();
    }
    room.Command2.userClick();
    ++state->talks;
  }
  const auto& log = state->backend->log();
  if (log.size() > state->boxesSeen) {
    state->boxesSeen = log.size();
    if (log.back().text.rfind("Final Score from", 0) == 0 && match.shown() && match.minutedone) {
      match.Minbox.userClick();
      ++state->minutePresses;
    }
  }
}

}  // namespace kervale
