// An attack: who carries it, how it is built up, and whether it ends in a shot or a clearance.
#include <array>
#include <cstdint>
#include <string>

#include "base/numbers.h"
#include "base/random.h"
#include "data/mls_module.h"
#include "match/match_engine.h"

namespace kervale {

namespace {

constexpr int kMaxAttackerPicks = 200;

// The away side's draw takes the first row whose running total reaches the
// target, the home side's the first that passes it; 0 when none does.
int firstReaching(const std::array<double, 11>& weight, double target) {
  double running = 0;
  for (int j = 1; j <= 10; ++j) {
    running = running + weight[j];
    if (running >= target) return j;
  }
  return 0;
}

int firstPassing(const std::array<double, 11>& weight, double target) {
  double running = 0;
  for (int j = 1; j <= 10; ++j) {
    running = running + weight[j];
    if (running > target) return j;
  }
  return 0;
}

}  // namespace

void MatchEngine::awayAttack() { attackStep(2); }

void MatchEngine::homeAttack() { attackStep(1); }

void MatchEngine::pickAttacker(int side) {
  const MLSModule& g = *kernel_.game;
  const KernelSide& attacking = kernel_.side[side];
  const double pushUp = g.TeamPushUp(attacking.club);
  // Each row's weight, its position looked up as a read of the table would,
  // and their total in row order; a redraw reuses them.
  std::array<double, 11> weight;
  double total = 0;
  for (int j = 1; j <= 10; ++j) {
    const double position = g.PositionPickWeight(attacking.position[j]);
    total = total + position + pushUp;
    weight[j] = position + pushUp;
    pickweight(j) = weight[j];
  }
  for (int failed = 0;;) {
    const double target = Int(Rnd() * total);
    attacker = side == 2 ? firstReaching(weight, target) : firstPassing(weight, target);
    // Weights that add up to nothing pass the home side's test nowhere.
    if (attacker == 0) attacker = 1;
    if (!attacking.name[attacker].empty() || ++failed >= kMaxAttackerPicks) return;
  }
}

void MatchEngine::attackStep(int side) {
  const bool away = side == 2;
  const int defending = 3 - side;
  restartcode = 0;
  pickAttacker(side);
  const std::string& carrier = onpitchname(ballcarrier, side);
  const std::string& striker = onpitchname(attacker, side);

  if (attacker == ballcarrier) {
    say(carrier, " finds an opening in the defence");
    say("He sprints through!");
    say("He must score!");
    if (away) buildupkind = 2;
    shotStep(side);
    return;
  }

  commsel = static_cast<std::int16_t>(rng().draw(5, 1));
  if (away) buildupkind = commsel;
  switch (commsel) {
    case 1: {
      say(carrier, " sees a man open downfield");
      say(striker, " recieves a great pass!");
      say(striker, " beats his marker!");
      // The beaten marker: home slots 2..5, or away slots 1..4.
      const int marker = away ? rng().draw(4, 2) : rng().draw(4, 1);
      adjustRating(marker, defending, -0.25);
      rating(ballcarrier, side, 0.3);
      break;
    }
    case 2:
      say(carrier, " crosses it into the box!");
      say(striker, " gets the header!");
      if (away) rating(ballcarrier, side, 0.3);
      break;
    case 3:
      say(carrier, " passes forward");
      say(striker, " is in the clear!");
      if (away) rating(ballcarrier, side, 0.3);
      break;
    case 4: {
      say("Nice run here by ", carrier);
      say("The pass to ", striker, "...");
      const int pass = rng().draw(5);
      if (pass == 0) {
        say("...played absolutely perfectly!");
        if (away) say("He shoots!");
      } else if (pass == 1) {
        say("...goes through nicely!");
        say(striker, " through on goal!");
      } else if (pass == 2) {
        say("...is timed perfectly!");
        if (away) say("He shoots!");
      } else {
        say("Cleared out of danger by the defence");
        clearance(side);
        return;
      }
      if (away) rating(ballcarrier, side, 0.3);
      break;
    }
    default:
      say(striker, " is unmarked in the penalty area!");
      say(carrier, " with a wicked cross!");
      say("Perfectly placed!");
      if (!headerDuel(side)) return;
      break;
  }
  shotStep(side);
}

bool MatchEngine::headerDuel(int side) {
  const MLSModule& g = mls();
  const int defending = 3 - side;
  const int attackingClub = side == 1 ? hometeam : awayteam;
  const int defendingClub = side == 1 ? awayteam : hometeam;
  const int defender = rng().draw(4, 1);
  const std::string& striker = onpitchname(attacker, side);
  say(onpitchname(defender, defending), " goes up for the header");
  say("But ", striker, " is going up with him!");
  const double hd = g.PlayerHeading(g.TeamSquad(defender + 1, defendingClub));
  const double ha = g.PlayerHeading(g.TeamSquad(attacker + 1, attackingClub));
  const double roll = Int(Rnd() * (hd + ha));
  if (roll > hd) {
    say(striker, " wins the challenge!");
    say(striker, " heads it towards goal!");
    rating(ballcarrier, side, 0.3);
    return true;
  }
  say(onpitchname(defender, defending), " heads it out of danger");
  clearance(side);
  return false;
}

void MatchEngine::clearance(int side) {
  restartcode = rng().draw(5);
  restartPlay(3 - side);
}

void MatchEngine::restartPlay(int defending) {
  // The middle column, top to bottom, with the centre spot for code 0.
  static constexpr int kRestartZone[5] = {13, 3, 8, 18, 23};
  ballzone = restartcode >= 0 && restartcode <= 4 ? kRestartZone[restartcode] : 13;
  possession = defending;
}

}  // namespace kervale
