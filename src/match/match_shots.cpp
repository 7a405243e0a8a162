// A shot: the tallies, the duel with the keeper, and the twelve ways it can fail to score.
#include <cstdint>
#include <string>

#include "base/numbers.h"
#include "base/random.h"
#include "data/mls_module.h"
#include "match/match_engine.h"

namespace kervale {

void MatchEngine::shotStep(int side) {
  MLSModule& g = mls();
  const bool away = side == 2;
  const int defending = 3 - side;
  const int club = away ? awayteam : hometeam;
  const int other = away ? hometeam : awayteam;
  const double shooter = g.TeamSquad(attacker + 1, club);

  adjustRating(attacker + 1, side, 0.2);
  adjustRating(1, defending, 0.5);
  g.PlayerShotsSeason(shooter) += 1;
  // Every shot counts for the season's figures, whoever takes it.
  g.TeamShotsOnTarget(club) += 1;
  g.TeamShotsAgainst(other) += 1;
  (away ? awayshots : homeshots) += 1;
  g.TeamMorale(club) += away ? 0.05 : 0.015;

  const double shotroll = Int(Rnd() * g.PlayerAttack(shooter)) + 1;
  // The home keeper's roll starts at 1, the away keeper's at 0: equal rolls favour the home side.
  const double saveroll = away ? Int(Rnd() * homekeeperrating) + 1 : Int(Rnd() * awaykeeperrating);
  if (away ? shotroll > saveroll : shotroll >= saveroll) {
    g.PlayerShotsOnTarget(shooter) += 1;
    if (away) {
      awayGoal();
    } else {
      homeGoal();
    }
  } else {
    missedShot(side, shooter);
  }
  restartPlay(defending);
}

void MatchEngine::missedShot(int side, double shooter) {
  MLSModule& g = mls();
  const bool away = side == 2;
  const int defending = 3 - side;
  const int defendingClub = away ? hometeam : awayteam;
  const std::string& keeper = away ? homekeepername : awaykeepername;

  commsel = static_cast<std::int16_t>(rng().draw(12, 1));
  // A missed away penalty is saved or goes wide, nothing else.
  if (away && chanceflag == 1) {
    while (commsel > 4) commsel = static_cast<std::int16_t>(rng().draw(12, 1));
  }
  const int defender = commsel >= 9 ? rng().draw(6, 1) : 0;
  auto drawRestart = [this] { restartcode = rng().draw(5); };

  switch (commsel) {
    case 1:
    case 2:
      if (commsel == 1) {
        say(keeper, " makes a nice save");
      } else {
        say("Great save by ", keeper);
      }
      g.PlayerShotsOnTarget(shooter) += 1;
      if (away) adjustRating(1, 1, 0.6);
      drawRestart();
      break;
    case 3:
    case 4:
      say(commsel == 3 ? "A poor shot, nowhere near the target" : "It whistles just past the post");
      if (!away) say(keeper, " takes the goal kick");
      drawRestart();
      break;
    case 5:
      say("GOAL!");
      say("NO! It's been disallowed!");
      say("The linesman had his flag raised");
      if (away) {
        appendAll(matchreport, "We should have had one more around minute", Str(minute), ". ", onpitchname(attacker, 2),
                  " scored but the play was called back for offside.");
      } else {
        g.PlayerShotsOnTarget(shooter) += 1;
      }
      break;
    case 6:
      say("The keeper coolly collects the ball.");
      g.PlayerShotsOnTarget(shooter) += 1;
      if (away) adjustRating(1, 1, 0.3);
      drawRestart();
      break;
    case 7:
      say("It hits the crossbar!");
      say("The keeper clears it");
      if (away) adjustRating(1, 1, 0.3);
      drawRestart();
      break;
    case 8:
      say("It's flown right over the bar!");
      drawRestart();
      break;
    case 9:
      say("It hits ", onpitchname(defender, defending), " in the back!");
      say("Out for a corner");
      break;
    case 10:
      say("Just tipped away by ", g.PlayerName(g.TeamSquad(1, defendingClub)), "!");
      say("Remarkable fingertip save!");
      say("One for the highlights reel right there");
      say("Out for a corner");
      adjustRating(1, defending, away ? 0.7 : 0.3);
      break;
    default:
      say(keeper, " saves it!");
      say(onpitchname(defender + 1, defending), " puts it over the line");
      say("A safe play, that one was");
      say("Out for a corner");
      adjustRating(defender + 2, defending, 0.35);
      break;
  }
}

}  // namespace kervale
