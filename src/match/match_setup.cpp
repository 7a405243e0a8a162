// Playing one match: the state it starts from and the set-up before kick-off.
#include <algorithm>

#include "base/colour.h"
#include "base/numbers.h"
#include "base/random.h"
#include "data/mls_module.h"
#include "match/match_engine.h"
#include "ui/backend.h"

namespace kervale {

void MatchEngine::Playgame() {
  // A wait of the running match yields to the event loop; nothing reached from
  // there may start a second match on the same state.
  if (running_) return;
  running_ = true;
  struct Done {
    bool& flag;
    ~Done() { flag = false; }
  } done{running_};

  resetMatchState();
  if (setupMatch()) playMinutes();
  finishMatch();
}

void MatchEngine::resetMatchState() {
  ballzone = possession = ballcarrier = lastcarrier = lastside = 0;
  totalminutes = goldengoal = chanceflag = 0;
  homeshots = awayshots = homefouls = awayfouls = 0;
  homepossession = awaypossession = possessiontotal = 0;
  homeflow = awayflow = 0;
  homekeeperrating = awaykeeperrating = 0;
  referee = 0;
  attendance = gatemoney = 0;
  tvroll = 0;
  homedefsum = homemidsum = homeattsum = awaydefsum = awaymidsum = awayattsum = 0;
  contestroll = 0;
  contestwinner = 0;
  userMatch_ = watched_ = false;
  markerzone_ = 0;
  screenBehind_ = false;
  ratingsOutside_ = false;
}

bool MatchEngine::setupMatch() {
  MLSModule& g = mls();
  const int h = hometeam;
  const int a = awayteam;

  Label14.setVisible(false);
  homereport.clear();
  matchreport.clear();

  if (g.TeamMorale(h) > 1.8) g.TeamMorale(h) = 1.8;
  if (g.TeamMorale(a) > 1.8) g.TeamMorale(a) = 1.8;
  if (g.TeamMorale(h) < 0.4) g.TeamMorale(h) = 0.4;
  if (g.TeamMorale(a) < 0.4) g.TeamMorale(a) = 0.4;

  // A walkover is a full 90 minutes, so the closing report never reads a
  // minute left over from the previous match.
  if (a == 0) {
    awaygoals = 0;
    homegoals = 1;
    minute = 90;
    return false;
  }
  if (h == 0) {
    homegoals = 0;
    awaygoals = 1;
    minute = 90;
    return false;
  }

  userMatch_ = h == g.MyTeam || a == g.MyTeam;
  watched_ = userMatch_ || shown();
  if (Fastsim.value() == 0 || userMatch_) {
    ui::backend().setBusyCursor(false);
    Fastsim.setValue(0);
  }

  Commentary.clear();
  homeinfo.clear();
  awayinfo.clear();

  homeflow = flowOf(h);
  awayflow = flowOf(a);

  const Colour home1 = colourFromText(g.TeamColour1(h));
  const Colour home2 = colourFromText(g.TeamColour2(h));
  const Colour away1 = colourFromText(g.TeamColour1(a));
  const Colour away2 = colourFromText(g.TeamColour2(a));
  hometeamlabel.setBackColor(home1);
  hometeamlabel.setForeColor(home2);
  hometeambgcol.setBackColor(home1);
  // Two clubs in the same first colour: the away side shows its second one.
  const bool clash = home1 == away1;
  awayteamlabel.setBackColor(clash ? away2 : away1);
  awayteamlabel.setForeColor(clash ? away1 : away2);
  awayteambgcol.setBackColor(clash ? away2 : away1);
  if (home1 == home2) hometeamlabel.setForeColor(ui::kWhite);
  if (away1 == away2) awayteamlabel.setForeColor(ui::kWhite);
  homemarker_ = home1;
  awaymarker_ = clash ? away2 : away1;

  for (int slot = 1; slot <= 20; ++slot) {
    for (int side = 1; side <= 2; ++side) g.MatchRating(slot, side) = slot <= 11 ? 5 : 0;
  }
  slotyellows.clear();

  Image1.setPicture(g.TeamLogo(h));
  Image2.setPicture(g.TeamLogo(a));
  hometeamlabel.setCaption(g.TeamName(h));
  Command1.setCaption(g.TeamName(h));
  awayteamlabel.setCaption(g.TeamName(a));
  Command3.setCaption(g.TeamName(a));
  stadiumname.setCaption("at " + g.TeamVenue(h) + ":");

  homegoals = 0;
  awaygoals = 0;
  possession = 1;

  const int homeKeeper = static_cast<int>(g.TeamSquad(1, h));
  const int awayKeeper = static_cast<int>(g.TeamSquad(1, a));
  homekeepername = g.PlayerName(homeKeeper);
  awaykeepername = g.PlayerName(awayKeeper);
  homekeeperrating = g.PlayerGoalkeeping(homeKeeper);
  awaykeeperrating = g.PlayerGoalkeeping(awayKeeper);

  for (int row = 0; row <= 10; ++row) {
    onpitchname(row, 1) = g.PlayerName(g.TeamSquad(row + 1, h));
    onpitchname(row, 2) = g.PlayerName(g.TeamSquad(row + 1, a));
  }
  for (int row = 1; row <= 10; ++row) {
    const double p = g.TeamSquad(row + 1, h);
    homecondition(row) = 1;
    homedefskill(row) = g.PlayerDefense(p);
    homemidskill(row) = g.PlayerMidfield(p);
    homeattskill(row) = g.PlayerAttack(p);
  }
  for (int row = 1; row <= 10; ++row) {
    const double p = g.TeamSquad(row + 1, a);
    awaycondition(row) = 1;
    awaydefskill(row) = g.PlayerDefense(p);
    awaymidskill(row) = CInt(g.PlayerMidfield(p));
    awayattskill(row) = g.PlayerAttack(p);
  }
  resolveKernel();

  ballzone = 13;

  referee = rng().draw(g.NumRefs, 1);
  Referees.setCaption("Referee: " + g.RefName(referee));

  // Single-precision draws, as the gate formula was written for them.
  const double r1 = static_cast<float>(Rnd());
  const double r2 = static_cast<float>(Rnd());
  const double capHome = g.StadiumCapacity(h);
  const double fansHome = g.TeamFanDemand(h);
  const double capAway = g.StadiumCapacity(a);
  const double fansAway = g.TeamFanDemand(a);
  attendance = Int(Int(r1 * (capAway * (fansAway * 0.33))) + capHome * (fansHome * 0.75) +
                   Int((r2 * (capHome * (0.25 * fansHome))) * (1 - g.TicketPrice(h) / 100.0)));
  if (attendance > capHome) attendance = capHome;
  // A ticket price past the formula's range would make the crowd negative.
  if (attendance < 0) attendance = 0;
  attendancebar.setCaption(numText(attendance));

  gatemoney = attendance * g.TicketPrice(h);
  if (h == g.MyTeam) g.TicketIncome = gatemoney;
  g.TeamMoney(h) += gatemoney;

  tvroll = rng().draw(250);
  const double repHome = g.TeamReputation(h);
  const double repAway = g.TeamReputation(a);
  if (tvroll > 2 * repHome + repAway) {
    g.TeamMoney(h) += repHome * 1000;
    g.TeamMoney(a) += repAway * 1000;
    if (h == g.MyTeam) g.TvIncome = repHome * 1000;
    if (a == g.MyTeam) g.TvIncome = repAway * 1000;
  } else {
    g.TeamMoney(h) += 25000;
    g.TeamMoney(a) += 25000;
    if (userMatch_) g.TvIncome = 25000;
  }
  if (tvroll == 0) {
    g.TeamMoney(h) += 25000;
    g.TeamMoney(a) += 10000;
    if (h == g.MyTeam) g.TvIncome = 25000;
    if (a == g.MyTeam) g.TvIncome = 10000;
  }

  g.TeamMoney(h) -= g.TeamWages(h);
  g.TeamMoney(a) -= g.TeamWages(a);

  totalminutes = 120;
  g.TeamGamesPlayed(h) += 1;
  g.TeamGamesPlayed(a) += 1;
  g.MatchHomeTeam = h;
  g.MatchAwayTeam = a;

  // The bigger the club, the better the ground: the last threshold passed wins.
  const char* pitch = "pitch 8.jpg";
  if (repHome > 20) pitch = "pitch 7.jpg";
  if (repHome > 30) pitch = "pitch 6.jpg";
  if (repHome > 45) pitch = "pitch 5.jpg";
  if (repHome > 50) pitch = "pitch 4.jpg";
  if (repHome > 55) pitch = "pitch 3.jpg";
  if (repHome > 65) pitch = "pitch 2.jpg";
  if (repHome > 75) pitch = "pitch 1.jpg";
  Image4.setPicture(pitch);
  return true;
}

}  // namespace kervale
