// The end of a match: closing sentences, the results line and both clubs' news.
#include <string>

#include "base/numbers.h"
#include "data/mls_module.h"
#include "match/match_engine.h"

namespace kervale {

namespace {

constexpr const char* kWonInOvertime = "We ultimately ended up winning the game in minute";
constexpr const char* kLostInOvertime =
    "Thusly the game was over, the opposition the victors because of the damned golden goal rule.";

}  // namespace

void MatchEngine::finishMatch() {
  MLSModule& g = mls();
  const int h = hometeam;
  const int a = awayteam;

  if (minute > 90 && awaygoals > homegoals) {
    appendAll(matchreport, kWonInOvertime, Str(minute - 90), " of golden goal overtime.");
    homereport += kLostInOvertime;
  }
  if (minute > 90 && homegoals > awaygoals) {
    appendAll(homereport, kWonInOvertime, Str(minute - 90), " of golden goal overtime.");
    matchreport += kLostInOvertime;
  }
  if (minute == 90 && homegoals == awaygoals) {
    matchreport += "The game thusly ended in a draw, one point for both teams and a good result away on the road.";
    homereport += "A draw was the final result, neither team able to take the three points.";
  }

  // Appended piece by piece: a match nobody watches writes these too, and
  // each joined temporary would be another allocation.
  appendAll(g.LastResultText, g.TeamName(h), Str(homegoals), " ", g.TeamName(a), Str(awaygoals));
  const std::string result =
      joinText(UCase(g.TeamName(h)), Str(homegoals), " v ", UCase(g.TeamName(a)), Str(awaygoals), "\r");
  g.TeamLatestNews(h) += result;
  g.TeamLatestNews(a) += result;
  appendAll(g.TeamLatestNews(h), homereport, "\r\r");
  appendAll(g.TeamLatestNews(a), matchreport, "\r\r");
  if (minute > 90) g.LastResultText += " OT";
  g.LastResultText += "\r";
}

}  // namespace kervale
