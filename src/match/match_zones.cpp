// The 5 x 5 zone model: where the ball is, who wins it, where it goes next.
#include <array>
#include <cmath>
#include <limits>

#include "base/numbers.h"
#include "base/random.h"
#include "data/mls_module.h"
#include "match/match_engine.h"

namespace kervale {

namespace {

bool leftEnd(int zone) { return zone % 5 == 1; }

// The ball's zone as an index of the flow tables, checked as their reads are.
int zoneIndex(int zone) { return detail::checkedIndex(zone, 25, "FlowTable1", 1); }
bool rightEnd(int zone) { return zone % 5 == 0; }

// Both sides' weighted line sums of the minute.
struct ZoneSums {
  double d1, m1, a1, d2, m2, a2;
};

// The contest for the ball in a zone: what the roll scales, the home side's
// share of it, and whether a second draw replaces the first (at either end).
struct Contest {
  double total;
  double homeShare;
  bool atEnd;
};

// Midfield counts in full in open play; at either end the attack and the
// defence facing it decide.
Contest contestIn(int zone, const ZoneSums& s) {
  if (leftEnd(zone)) {
    return {s.a1 + s.d2 + 0.5 * s.d1 + 0.4 * s.a2 + 0.5 * s.m1 + 0.5 * s.m2, s.a1 + 0.5 * s.d1 + 0.5 * s.m1, true};
  }
  if (rightEnd(zone)) {
    return {s.a2 + s.d1 + 0.5 * s.d2 + 0.4 * s.a1 + 0.5 * s.m2 + 0.5 * s.m1, s.d1 + 0.4 * s.a1 + 0.5 * s.m1, true};
  }
  return {s.m1 + s.m2 + 0.7 * s.d1 + 0.7 * s.a1 + 0.7 * s.d2 + 0.7 * s.a2, s.m1 + 0.7 * s.d1 + 0.7 * s.a1, false};
}

// Contests a side may lose in its own attacking zone before the minute's play
// stops: with no share of the ball there, the rerun would never end.
constexpr int kMaxReruns = 100;

}  // namespace

void MatchEngine::zoneMarkers() {
  for (int k = 1; k <= 25; ++k) zoneMarker_[k]->setVisible(k == markerzone_);
  if (markerzone_ >= 1 && markerzone_ <= 25) {
    zoneMarker_[markerzone_]->setBackColor(markerside_ == 1 ? homemarker_ : awaymarker_);
  }
}

void MatchEngine::zoneSums() {
  // The working values as they stand in their tables, added up in row order.
  std::array<LineSums, 3> lines{};
  for (int j = 1; j <= 10; ++j) {
    lines[1].def += homedefvalue(j);
    lines[1].mid += homemidvalue(j);
    lines[1].att += homeattvalue(j);
    lines[2].def += awaydefvalue(j);
    lines[2].mid += awaymidvalue(j);
    lines[2].att += awayattvalue(j);
  }
  weighLines(lines);
}

void MatchEngine::weighLines(const std::array<LineSums, 3>& lines) {
  const KernelSide& home = kernel_.side[1];
  const KernelSide& away = kernel_.side[2];
  const int zone = zoneIndex(ballzone);
  homedefsum = lines[1].def * home.zoneWeight[0][zone];
  homemidsum = lines[1].mid * home.zoneWeight[1][zone];
  homeattsum = lines[1].att * home.zoneWeight[2][zone];
  awaydefsum = lines[2].def * away.zoneWeight[0][zone];
  awaymidsum = lines[2].mid * away.zoneWeight[1][zone];
  awayattsum = lines[2].att * away.zoneWeight[2][zone];
}

namespace {

// r x total rounded half to even, a whole number held within +-2^62 so that a
// huge total cannot overflow the roll. Kept a double, so the contest can be
// decided without turning it into an integer first.
double roll(double r, double total) {
  const double x = r * total;
  // Well inside the range the shift rounds halves to even, as roundHalfEven does.
  if (x > -0x1p51 && x < 0x1p51) return (x + detail::kRoundingShift) - detail::kRoundingShift;
  const double rounded = roundHalfEven(x);
  constexpr double kMax = static_cast<double>(std::numeric_limits<std::int64_t>::max() / 2);
  if (!(rounded < kMax)) return kMax;
  if (!(rounded > -kMax)) return -kMax;
  return rounded;
}

// The zone a won ball moves to. A flow table pointing off the grid leaves the
// ball where it is; chosen without a branch, as which it is varies from ball to ball.
int zoneAfter(double next, int zone) {
  const bool onGrid = next >= 1 && next <= 25;
  return onGrid ? CInt(onGrid ? next : 1) : zone;
}

}  // namespace

void MatchEngine::possessionStep() {
  // The ball stays in its zone while the contest is rerun: its figures hold for every draw.
  const Contest contest = contestIn(ballzone, {homedefsum, homemidsum, homeattsum, awaydefsum, awaymidsum, awayattsum});
  for (int reruns = 0;; ++reruns) {
    double r = Rnd();
    if (contest.atEnd) r = Rnd();
    const double rolled = roll(r, contest.total);
    contestroll = static_cast<std::int64_t>(rolled);
    contestwinner = rolled >= contest.homeShare ? 0 : 1;

    // Counted as sums of the tests: the side in possession is a coin toss for a branch.
    possessiontotal += 1;
    homepossession += possession == 1;
    awaypossession += possession == 2;

    // Contestwinner 0 at zone 11, or 1 at zone 15: an attack, or the contest again.
    if (ballzone == (contestwinner == 0 ? 11 : 15)) {
      if (ballzone == 11 && possession == 2) {
        awayAttack();
        return;
      }
      if (ballzone == 15 && possession == 1) {
        homeAttack();
        return;
      }
      // The defending side won the ball where the other side attacks: play it again.
      if (reruns >= kMaxReruns) return;
      continue;
    }
    break;
  }

  const int winner = contestwinner == 0 ? 2 : 1;
  ballzone = zoneAfter(kernel_.side[winner].moveTo[zoneIndex(ballzone)], ballzone);
  possession = winner;
  if (winner == 2) {
    awayWinsBall();
  } else {
    homeWinsBall();
  }
}

}  // namespace kervale
