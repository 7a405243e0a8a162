#include "standin/stand_in_user.h"

#include <string>

#include "data/mls_module.h"
#include "match/match_engine.h"
#include "team/locker_room.h"
#include "ui/screen.h"

namespace kervale {

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

void StandInUser::act(const std::shared_ptr<State>& state) {
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
