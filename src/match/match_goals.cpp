// A goal: the shout, the morale swing, the score, both reports, the tallies and the kick-off.
#include <cstdint>
#include <string>

#include "base/numbers.h"
#include "base/random.h"
#include "data/mls_module.h"
#include "match/match_engine.h"

namespace kervale {

namespace {

constexpr const char* kExclamations[12] = {
    "A brilliant shot!",
    "It just crosses the line!",
    "Thundered into the net!",
    "A fantastic finish!",
    "And the ball bounces over the line!",
    "It hits the crossbar and goes in!",
    "Off the woodwork and in!",
    "He left the goalie with no chance!",
    "A magnificent strike!",
    "A rocket of a goal!",
    "Great goal! Something he'll want to see on the telly tonight!",
    "Great goal! Off the back of defender and into the back of the net!",
};

// The shout of every goal, with one of twelve exclamations.
void shout(MatchEngine& m) {
  m.say("GOAL!");
  m.commsel = static_cast<std::int16_t>(rng().draw(12, 1));
  m.say(kExclamations[m.commsel - 1]);
}

void countPeriodGoal(int club, int minute) {
  MLSModule& g = mls();
  if (minute < 46) {
    g.TeamFirstHalfGoals(club) += 1;
  } else if (minute <= 90) {
    g.TeamSecondHalfGoals(club) += 1;
  } else {
    g.TeamExtraTimeGoals(club) += 1;
  }
}

// Goal and assist tallies of the scoring club's players; a cup tie leaves them alone.
void creditPlayers(int scoringClub, int concedingClub, int scorer, int assist) {
  MLSModule& g = mls();
  if (g.CupTieFlag != 0) return;
  const double player = g.TeamSquad(scorer + 1, scoringClub);
  g.PlayerGoalsSeason(player) += 1;
  g.PlayerGoalsCareer(player) += 1;
  // A keeper's season goals count those he lets in.
  g.PlayerGoalsSeason(g.TeamSquad(1, concedingClub)) -= 1;
  const double helper = g.TeamSquad(assist + 1, scoringClub);
  g.PlayerAssistsSeason(helper) += 1;
  g.PlayerAssistsCareer(helper) += 1;
}

}  // namespace

void MatchEngine::awayGoal() {
  MLSModule& g = mls();
  shout(*this);
  g.TeamMorale(awayteam) += 0.15;
  g.TeamMorale(hometeam) -= 0.1;
  awaygoals += 1;

  const int h = homegoals;
  const int a = awaygoals;
  const std::string when = Str(minute);
  if (h > a) matchreport += "Then we pulled one back. ";
  if (a - 1 == h && h == 0) appendAll(matchreport, "We started the scoring in minute", when, ". ");
  if (a - 1 == h && h != 0) appendAll(matchreport, "We then took the lead in minute number", when, "; ");
  if (a - 1 > h) {
    commsel = static_cast<std::int16_t>(rng().draw(3, 1));
    if (commsel == 1) appendAll(matchreport, "Our team then added an insurance goal in minute", when, ". ");
    if (commsel == 2) appendAll(matchreport, "We added a goal in minute", when, ". ");
    if (commsel == 3) appendAll(matchreport, "We took a", Str(a - h), " goal lead in minute", when, ". ");
  }
  if (h == a) appendAll(matchreport, "We then equalized in minute", when, ". ");

  const std::string& scorer = onpitchname(attacker, 2);
  const std::string& maker = onpitchname(ballcarrier, 2);
  const std::string score = Str(h) + " -" + Str(a);
  if (chanceflag == 1) {
    // A penalty has no build-up of its own to tell.
    appendAll(matchreport, scorer, " scored from the penalty spot. ");
  } else if (buildupkind == 1) {
    appendAll(matchreport, scorer, " scored off of a great pass from ", maker, ". ");
    appendAll(homereport, g.TeamName(awayteam), " grabbed a goal in the", when, " minute, making the score", score,
              ". ");
  } else if (buildupkind == 2) {
    appendAll(matchreport, "A scoring chance was created by ", maker,
              ". He beat the keeper on a header off of the incoming cross. ");
    appendAll(homereport, scorer, " beat ", onpitchname(1, 1), " on a header. ");
  } else if (buildupkind == 3) {
    appendAll(matchreport, scorer, " nailed a shot into the net. ");
  } else if (buildupkind == 4 || buildupkind == 5) {
    appendAll(matchreport, scorer, " scored off of a great pass from ", maker, ". ");
  }

  // After minute 90 there is no regulation time left to count down.
  const std::string left = Str(minute > 90 ? 0 : 90 - minute);
  commsel = static_cast<std::int16_t>(rng().draw(4));
  if (commsel == 0) appendAll(matchreport, "The score was then", score, ". ");
  if (commsel == 1)
    appendAll(matchreport, "This made the score", score, " with all of", left, " minutes left in regulation time. ");
  if (commsel == 2) appendAll(matchreport, "Our goal made the score", score, ". ");
  if (commsel == 3)
    appendAll(matchreport, "The score became", score, " with", left, " minutes left in regulation time. ");

  countPeriodGoal(awayteam, minute);
  if (watched()) say("The score is now:", Str(homegoals), " :", Str(awaygoals));
  rating(attacker, 2, 0.75);
  adjustRating(1, 1, -1.1);
  if (watched()) sayInfo(2, scorer, " (", when, " )", chanceflag == 1 ? " (pen)" : "");
  chanceflag = 0;
  creditPlayers(awayteam, hometeam, attacker, ballcarrier);
  ballzone = 13;
  if (minute > 90) goldengoal = 1;
}

void MatchEngine::homeGoal() {
  MLSModule& g = mls();
  shout(*this);
  g.TeamMorale(awayteam) -= 0.02;
  g.TeamMorale(hometeam) += 0.025;

  const std::string& scorer = onpitchname(attacker, 1);
  const std::string when = Str(minute);
  appendAll(homereport, scorer, " scored in the", when, " minute. ");
  appendAll(matchreport, "A goal was given up in the", when, " minute, scored by ", scorer, ". ");
  homegoals += 1;

  countPeriodGoal(hometeam, minute);
  if (watched()) say("The score is now:", Str(homegoals), " :", Str(awaygoals));
  rating(attacker, 1, 0.75);
  adjustRating(1, 2, -1.1);
  if (watched()) sayInfo(1, scorer, " (", when, " )", chanceflag == 1 ? " (pen)" : "");
  chanceflag = 0;
  creditPlayers(hometeam, awayteam, attacker, ballcarrier);
  ballzone = 13;
  if (minute > 90) goldengoal = 1;
}

}  // namespace kervale
