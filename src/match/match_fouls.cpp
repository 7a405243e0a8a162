// Fouls of the side without the ball, bookings, sendings-off and their suspensions.
#include <cmath>
#include <cstdint>
#include <string>

#include "base/numbers.h"
#include "base/random.h"
#include "data/mls_module.h"
#include "match/choose.h"
#include "match/match_engine.h"
#include "ui/backend.h"

namespace kervale {

namespace {

// Picks of the fouling player that may land on a player no longer on the pitch.
constexpr int kMaxFoulRedraws = 100;

// Whether Int(x) is above a whole roll: x reaching roll + 1 says so without
// rounding x first, which keeps the rounding off the way to the decision.
bool beats(double x, double wholeRoll) {
  if (wholeRoll >= 0 && wholeRoll < 0x1p52) return x >= wholeRoll + 1;
  return Int(x) > wholeRoll;
}

}  // namespace

void MatchEngine::foulStep() {
  MLSModule& g = *kernel_.game;
  penaltyplayed = false;
  if (minute == 1) penaltycount = 0;
  const double wholeRef = Int(Rnd() * g.RefStrictness(referee));
  refroll = wholeRef;

  // The side without the ball fouls; a sent-off player's name is empty.
  const int side = possession == 1 ? 2 : 1;
  foulside = side;
  const KernelSide& fouling = kernel_.side[side];
  const double* aggression = g.PlayerAggression.begin();
  auto headroom = [&] { return 60 - aggression[fouling.player[fouler + 1]]; };
  // The roll before Int: foulroll is its whole part.
  double rolled = 0;
  bool onPitch = false;
  for (foultries = 0;; ++foultries) {
    fouler = rng().draw(10, 1);
    rolled = Rnd() * headroom();
    onPitch = !fouling.name[fouler].empty();
    if (onPitch || foultries >= kMaxFoulRedraws) break;
  }

  // A foul needs two rolls above the referee's; nobody left on the pitch commits
  // none. The second roll is drawn only after a first above it, about every
  // other minute: chosen without a branch, which would be mispredicted as often.
  const bool firstBeats = onPitch & beats(rolled, wholeRef);
  const double again = rng().RndIf(firstBeats) * headroom();
  rolled = choose(firstBeats, again, rolled);
  foulroll = Int(rolled);
  const bool foul = firstBeats & beats(again, wholeRef);

  // A foul that gives a penalty: the kick is the rest of the minute's play.
  if (foul && commitFoul(fouling)) return;

  ui::YieldToEvents();
  bookedflag = 0;
  sentoffflag = 0;
}

bool MatchEngine::commitFoul(const KernelSide& fouling) {
  MLSModule& g = *kernel_.game;
  const int club = fouling.club;
  const int player = fouling.player[fouler + 1];
  const std::string& name = g.PlayerName(player);

  cardroll = Int(Rnd() * 200 + 60 - (minute > 60 ? 60 : 1));
  // 90 < cardroll < 98 as one test (the subtraction is exact near 94): the
  // first of two tests would be a coin toss for a branch.
  if (std::fabs(cardroll - 94) < 4) {
    slotyellows(fouler + 1, foulside) += 1;
    if (watched_) sayInfo(foulside, name, " booked (", Str(minute), " )");
    g.PlayerBookings(player) += 1;
    bookedflag = 1;
  }
  if (slotyellows(fouler + 1, foulside) == 2 || cardroll == 2) {
    if (foulside == 1) {
      homedefskill(fouler) = 0;
      homemidskill(fouler) = 0;
      homeattskill(fouler) = 0;
    } else {
      awaydefskill(fouler) = 0;
      awaymidskill(fouler) = 0;
      awayattskill(fouler) = 0;
    }
    slotyellows(fouler + 1, foulside) = 2;
    sentoffflag = 1;
  }
  homefouls += foulside == 1;
  awayfouls += foulside != 1;

  commsel = static_cast<std::int16_t>(rng().draw(3, 4));
  say(g.CommentaryLine(commsel));
  commsel = static_cast<std::int16_t>(rng().draw(9, 7));
  say(name, g.CommentaryLine(commsel));
  commsel = static_cast<std::int16_t>(rng().draw(4, 16));
  say(g.CommentaryLine(commsel));
  if (sentoffflag == 1 || bookedflag == 1) {
    commsel = static_cast<std::int16_t>(rng().draw(3, 20));
    say(g.CommentaryLine(commsel));
  }

  if (bookedflag == 1) {
    say(g.CommentaryLine(23));
    g.TeamYellowCards(club) += 1;
    g.TeamDisciplinePoints(club) += 1;
    g.TeamMorale(club) -= 0.02;
  }
  if (sentoffflag == 1) {
    say(g.CommentaryLine(23));
    g.TeamRedCards(club) += 1;
    g.TeamDisciplinePoints(club) += 3;
    say(g.CommentaryLine(24));
    if (bookedflag == 1) say(g.CommentaryLine(25));
    if (watched_) sayInfo(foulside, name, " sent off (", Str(minute), " )");
    onpitchname(fouler, foulside).clear();
    // Out for the next two games; the days between matchdays count them down.
    g.PlayerInjury(player) = 2;
    g.PlayerInjuryText(player) = "Suspension";
  }

  // A penalty is the rest of the minute's play.
  if (penaltyAward()) return true;

  adjustRating(fouler + 1, foulside, -0.1);
  if (sentoffflag == 1) adjustRating(fouler + 1, foulside, -1);
  commsel = static_cast<std::int16_t>(rng().draw(4, 37));
  say(g.CommentaryLine(commsel));
  return false;
}

}  // namespace kervale
