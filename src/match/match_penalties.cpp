// The penalty award after a carded foul near goal, and the rare interruption of play.
#include <cmath>
#include <cstdint>

#include "base/random.h"
#include "data/mls_module.h"
#include "match/match_engine.h"

namespace kervale {

void MatchEngine::tellStreaker() {
  say("Play has stopped, but I saw no infringement!");
  const bool female = rng().draw(10) == 0;
  say("Wait a minute, there's a ", female ? "Female" : "Male", " streaker on the pitch!");
}

int MatchEngine::penaltyTaker(int side) const {
  const MLSModule& g = mls();
  const int club = side == 1 ? hometeam : awayteam;
  // The key player's slot must name an outfield player of the eleven.
  const double key = g.TeamKeyPlayerSlot(club);
  int slot = 10;
  if (key >= 2 && key <= 11) slot = static_cast<int>(std::nearbyint(key));
  if (key < 2) slot = 2;
  if (key > 11) slot = 11;
  if (!onpitchname(slot - 1, side).empty()) return slot;
  // Sent off: the best attacker still on the pitch steps up instead.
  int best = 0;
  for (int row = 1; row <= 10; ++row) {
    if (onpitchname(row, side).empty()) continue;
    if (best == 0 || g.PlayerAttack(g.TeamSquad(row + 1, club)) > g.PlayerAttack(g.TeamSquad(best + 1, club))) {
      best = row;
    }
  }
  return best == 0 ? slot : best + 1;
}

bool MatchEngine::penaltyAward() {
  const MLSModule& g = mls();
  const bool carded = bookedflag == 1 || sentoffflag == 1;
  int side = 0;
  if (ballzone == 11 && possession == 2 && foulside == 1 && carded) {
    side = 2;
  } else if (ballzone == 15 && possession == 1 && foulside == 2 && carded) {
    side = 1;
  }
  if (side == 0) return false;

  penaltycount += 1;
  const int club = side == 1 ? hometeam : awayteam;
  const int slot = penaltyTaker(side);
  say(g.CommentaryLine(side == 2 ? 30 : 29));
  commsel = static_cast<std::int16_t>(rng().draw(3, 31));
  say(g.CommentaryLine(commsel));
  say(g.PlayerName(g.TeamSquad(slot, club)), g.CommentaryLine(34));
  commsel = static_cast<std::int16_t>(rng().draw(3, 35));
  say(g.CommentaryLine(commsel));

  bookedflag = 0;
  sentoffflag = 0;
  chanceflag = 1;
  attacker = slot - 1;
  // The kick stands on its own: a miss that restarts at the centre restarts there.
  restartcode = 0;
  penaltyplayed = true;
  shotStep(side);
  return true;
}

}  // namespace kervale
