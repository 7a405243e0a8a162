// A won ball: who gets the credit, who carries it on, and what the commentary says of it.
#include <cstdint>
#include <string>

#include "base/random.h"
#include "data/mls_module.h"
#include "match/choose.h"
#include "match/match_engine.h"

namespace kervale {

namespace {

std::int16_t selector(int n) { return static_cast<std::int16_t>(rng().draw(n, 1)); }

// The passer's share of the credit: none when the pass just went through (way 1).
double passCredit(int way) { return choose(way != 1, 0.2, 0.0); }

}  // namespace

// Inline: every won ball draws its new carrier.
inline void MatchEngine::drawCarrier(int side) {
  const std::string* name = kernel_.side[side].name;
  ballcarrier = rng().draw(10, 1);
  for (int redraws = 0; name[ballcarrier].empty() && redraws < 100; ++redraws) ballcarrier = rng().draw(10, 1);
}

// What happens is decided apart from what is said of it: a match nobody
// watches makes the same draws and rating changes without choosing words.
void MatchEngine::awayWinsBall() {
  if (possession != lastside) {
    const std::int16_t how = selector(4);
    const std::int16_t why = selector(3);
    // The carrier row is still the home player's who lost the ball; the away
    // player of the same row gets the credit.
    commsel = selector(3);
    if (watched_) tellAwayTookIt(how, why);
    if (watched_) tellCredit(2, commsel);
    rating(ballcarrier, 2, 0.2);
  } else {
    commsel = selector(3);
    if (watched_) tellAwayPass(commsel);
    // The passer shares the credit, unless the pass just went through.
    rating(ballcarrier, 2, 0.2);
    rating(lastcarrier, 2, passCredit(commsel));
  }
  lastside = 2;
  lastcarrier = ballcarrier;
  drawCarrier(2);
}

void MatchEngine::homeWinsBall() {
  const bool tookIt = possession != lastside;
  if (tookIt) {
    const std::int16_t how = selector(3);
    commsel = how;
    if (how == 3) commsel = selector(2);
    if (watched_) tellHomeTookIt(how, commsel);
    // The away player who lost it.
    rating(ballcarrier, lastside, -0.22);
  }
  lastcarrier = ballcarrier;
  drawCarrier(1);
  if (!tookIt && lastcarrier != ballcarrier) {
    commsel = selector(4);
    if (watched_) tellHomePass(commsel);
    rating(ballcarrier, 1, 0.2);
    rating(lastcarrier, 1, passCredit(commsel));
  } else if (tookIt) {
    commsel = selector(3);
    if (watched_) tellCredit(1, commsel);
    rating(ballcarrier, 1, 0.2);
  }
  lastside = 1;
}

void MatchEngine::tellAwayTookIt(int how, int why) {
  const MLSModule& g = *kernel_.game;
  switch (how) {
    case 1:
      say("Oh dear, he gives it away!");
      break;
    case 2:
      say("The pass ahead...");
      say("is easily intercepted!");
      break;
    case 3:
      say("He loses control of the ball");
      break;
    default:
      say(g.TeamName(awayteam), " now have the ball!");
      break;
  }
  switch (why) {
    case 1:
      say("Horrible pass there by ", onpitchname(lastcarrier, lastside));
      break;
    case 2:
      say("I can't believe they got the ball");
      break;
    default:
      say("Very nice defensive bit of football");
      break;
  }
}

void MatchEngine::tellAwayPass(int way) {
  switch (way) {
    case 1:
      say("The pass to ", onpitchname(ballcarrier, 2), " goes through nicely");
      break;
    case 2:
      say(onpitchname(lastcarrier, 2), " made a nice pass there");
      break;
    default:
      say("A little touch pass there from ", onpitchname(lastcarrier, 2));
      say("It goes through a defender...");
      say("right to ", onpitchname(ballcarrier, 2));
      break;
  }
}

void MatchEngine::tellHomeTookIt(int how, int why) {
  const MLSModule& g = *kernel_.game;
  switch (how) {
    case 1:
      say("Oh dear, he gives it away!");
      break;
    case 2:
      say("The pass ahead...");
      say("is easily intercepted!");
      break;
    default:
      say(g.TeamName(hometeam), " now have the ball!");
      say(onpitchname(lastcarrier, lastside), " passed it right to them.");
      if (why == 1) {
        say("Horrible pass there by ", onpitchname(lastcarrier, lastside));
      } else {
        say("I can't believe they got the ball");
      }
      break;
  }
}

void MatchEngine::tellHomePass(int way) {
  switch (way) {
    case 1:
      say("The pass to ", onpitchname(ballcarrier, 1), " goes through nicely");
      break;
    case 2:
      say(onpitchname(lastcarrier, 1), " made a nice pass");
      break;
    case 3:
      say("A little touch pass there from ", onpitchname(lastcarrier, 1));
      break;
    default:
      say("The pass ahead...");
      say("...goes straight to ", onpitchname(ballcarrier, 1));
      break;
  }
}

void MatchEngine::tellCredit(int side, int credit) {
  if (credit == 1) say("Nice play by ", onpitchname(ballcarrier, side));
  if (credit == 2) say(onpitchname(ballcarrier, side), " deserves credit there");
}

}  // namespace kervale
