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
    matchreport += kWonInOvertime + Str(minute - 90) + " of golden goal overtime.";
    homereport += kLostInOvertime;
  }
  if (minute > 90 && homegoals > awaygoals) {
    homereport += kWonInOvertime + Str(minute - 90) + " of golden goal overtime.";
    matchreport += kLostInOvertime;
  }
  if (minute == 90 && homegoals == awaygoals) {
    matchreport += "The game thusly ended in a draw, one point for both teams and a good result away on the road.";
    homereport += "A draw was the final result, neither team able to take the three points.";
  }

  // Appended piece by piece: a match nobody watches writes these too, and
  // each joined temporary would be another allocation.
  std::string& last = g.LastResultText;
  last += g.TeamName(h);
  last += Str(homegoals);
  last += ' ';
  last += g.TeamName(a);
  last += Str(awaygoals);
  std::string result = UCase(g.TeamName(h));
  result += Str(homegoals);
  result += " v ";
  result += UCase(g.TeamName(a));
  result += Str(awaygoals);
  result += '\r';
  g.TeamLatestNews(h) += result;
  g.TeamLatestNews(a) += result;
  std::string& homeNews = g.TeamLatestNews(h);
  homeNews += homereport;
  homeNews += "\r\r";
  std::string& awayNews = g.TeamLatestNews(a);
  awayNews += matchreport;
  awayNews += "\r\r";
  if (minute > 90) last += " OT";
  last += '\r';
}

}  // namespace kervale
