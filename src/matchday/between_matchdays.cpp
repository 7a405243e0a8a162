// What happens between two matchdays: the transfer market, the manager
// market with the user's job application, suspensions and injuries, the
// user's reports, the club finances, the youths clubs below their floor call
// up and the insolvency warnings.
#include <array>
#include <cmath>
#include <string>

#include "base/numbers.h"
#include "base/random.h"
#include "data/mls_module.h"
#include "data/news.h"
#include "match/match_engine.h"
#include "offseason/youth_intake.h"
#include "ui/backend.h"

namespace kervale {

namespace {

// A new manager with a tactic and flow of his own. The counts come from the
// tables the loader filled rather than from the files again.
void hireManager(MLSModule& g, int club) {
  addHeadline(g, g.TeamName(club) + " have hired a new manager.");
  g.ManagerApproval(club) = 0.4;
  g.TeamTactic(club) = rng().draw(static_cast<int>(g.NumTactics), 1);
  g.TeamFlow(club) = static_cast<MLSModule::Int16>(rng().draw(g.NumFlows, 1));
}

struct InjuryKind {
  const char* kind;
  const char* article;
  bool namesHim;  // the physio's words start with the player's name
  const char* words;
};

// The kinds of each band of the roll, in the order of their draw.
constexpr std::array<InjuryKind, 5> kLongInjuries = {{
    {"Ruptured Achilles Heel", "a", true, " will be out for more than 7 games while he recovers."},
    {"Pulled Hamstring", "a", true, " will be out for more than 7 games while he recovers."},
    {"Fractured Femur", "a", true, " will be out for more than 7 games while he recovers."},
    {"Fractured Skull", "a", true,
     " the injury was caused during yesterday's game and he will be out for more than 7 games while he recovers."},
    {"Pulled Quad", "a", true, " will be out for more than 7 games while he recovers."},
}};
constexpr std::array<InjuryKind, 3> kMiddleInjuries = {{
    {"Broken Arm", "a", false, "it is a minor injury and he should be back in 4 to 7."},
    {"Hernia", "a", false, "he is in pain but the injury should go away in 5 weeks."},
    {"Pulled Groin", "a", false, "he is in pain but he should be back on the field in several weeks."},
}};
constexpr std::array<InjuryKind, 4> kShortInjuries = {{
    {"Peptic Ulcer", "a", true, "is getting treatment but is not good enough to play right now."},
    {"Allergic Reaction to the Pitch", "an", false, "this is something you just can't predict."},
    {"Infectuous Disease", "an", true,
     " has been quarantined from the rest of the team to avoid having them catch the bug."},
    {"Family Problems", "", true, " has not told anything about the situation."},
}};

// The injury in the club's latest news.
void reportInjury(MLSModule& g, int club, const std::string& name, const InjuryKind& kind) {
  std::string& news = g.TeamLatestNews(club);
  news += UCase(name) + " INJURED\r";
  news += "The physio reports that " + name + " is out with " + kind.article + " " + kind.kind + ". ";
  news += "He says that " + (kind.namesHim ? name : std::string()) + kind.words;
}

const InjuryKind& drawInjury(int roll) {
  if (roll > 7) return kLongInjuries[rng().draw(5)];
  if (roll >= 4) return kMiddleInjuries[rng().draw(3)];
  return kShortInjuries[rng().draw(4)];
}

}  // namespace

void MatchEngine::Minbox_Click() {
  minutedone = false;
  if (!matchdaydone) {
    // The round is over and the screen still up (Play Next Match): the
    // button leads back to the hub.
    if (loaded() && roundOver()) freeloader();
    return;
  }
  // One pass per finished round: the screen may stay up after the round
  // (Play Next Match), and a click then must not pay the wages again.
  matchdaydone = false;
  ++betweentally.passes;
  transfermarket();
  managermarket();
  playerinjuries();
  userreports();
  teamfinance();
  sponsorships();
  playercheck();
  // A club a retirement took below its floor brings on youths before it plays again.
  betweentally.callUps += static_cast<long>(callUpYouths(mls()).size());
  insolvencywarnings();
}

void MatchEngine::managermarket() {
  MLSModule& g = mls();
  for (int t = 1; t <= kLastClub; ++t) {
    if (!(g.ManagerApproval(t) < 0.15)) continue;
    hireManager(g, t);
    ++betweentally.sackings;
    if (t == g.MyTeam) addClubNews(g, "You have been fired!");
  }

  const int applied = g.AppliedTeam;
  g.AppliedTeam = 0;  // answered now or lost
  if (applied < 1 || applied > kLastClub) return;
  const double r = rng().draw(100);
  if (!(r > g.ManagerApproval(g.MyTeam) * 100)) return;
  const std::string offer = g.TeamName(applied) + " have accepted you as the new manager of their team.\rManage " +
                            g.TeamName(applied) + "?\r\rRecord:" + Str(g.TeamWins(applied)) + "-" +
                            Str(g.TeamDraws(applied)) + "-" + Str(g.TeamLosses(applied));
  if (ui::MsgBox(offer, ui::MsgButtons::YesNo, ui::MsgIcon::None, "Interested Team") == ui::MsgResult::Yes) {
    g.MyTeam = applied;
    g.ManagerApproval(applied) = 0.5;
    addClubNews(g, "Welcome to " + g.TeamName(applied) + "! I'm your chairman.");
    addClubNews(g, "I hope that you will be a good manager for our football club.");
    addHeadline(g, g.TeamName(applied) + " have hired a new manager.");
    return;
  }
  if (g.MyTeam > 0) {
    addClubNews(g, "The chairman says: 'Looking for other jobs? Not very loyal, eh? The board won't like this...");
    g.ManagerApproval(g.MyTeam) = g.ManagerApproval(g.MyTeam) - 0.05;
  }
  hireManager(g, applied);
}

namespace {

// The rare turns of a squad player's pass, kept out of the loop over every
// slot of every club, which then holds its tables in registers.
[[gnu::noinline]] void suspend(double& injury, std::string& injuryText, MLSModule::Int16& bookings) {
  injury = 2;
  injuryText = "Suspension";
  bookings = 0;
}

[[gnu::noinline]] void injure(MLSModule& g, int club, const std::string& name, int roll, double& injury,
                              std::string& injuryText) {
  injury = roll;
  const InjuryKind& kind = drawInjury(roll);
  injuryText = kind.kind;
  if (!name.empty()) reportInjury(g, club, name, kind);
}

[[gnu::noinline]] void backToFitness(MLSModule& g, int p, const std::string& name) {
  if (g.MyTeam != 0 && g.PlayerTeam(p) == g.MyTeam && !name.empty())
    addClubNews(g, name + " is now available to play.");
}

}  // namespace

void MatchEngine::playerinjuries() {
  MLSModule& g = mls();
  // Each squad cell is checked as a read of the player's name would be; the
  // player's cells are then read directly.
  const std::string* names = g.PlayerName.begin();
  double* injuries = g.PlayerInjury.begin();
  auto* injuryTexts = g.PlayerInjuryText.begin();
  auto* bookingsOf = g.PlayerBookings.begin();
  for (int t = 1; t <= kLastClub; ++t) {
    const double* cells = &g.TeamSquad(0, t);
    for (int s = 1; s <= 20; ++s) {
      const int p = g.PlayerName.index(cells[s]);
      double& injury = injuries[p];
      auto& injuryText = injuryTexts[p];
      if (injury == 0 && !injuryText.empty()) injuryText.clear();
      // Two yellows in one match can take the count past 3; the ban still follows.
      if (bookingsOf[p] >= 3) [[unlikely]] {
        suspend(injury, injuryText, bookingsOf[p]);
        if (!names[p].empty()) ++betweentally.suspensions;
      }
      if (injury == 0) {
        const int roll = rng().draw(1000, 1);
        if (roll < 10) [[unlikely]] {
          injure(g, t, names[p], roll, injury, injuryText);
          if (!names[p].empty()) ++betweentally.injuries;
        }
      }
      if (injury > 0) {
        injury = injury - 1;
        if (injury == 0) backToFitness(g, p, names[p]);
      }
    }
  }
}

void MatchEngine::userreports() {
  MLSModule& g = mls();
  const double club = g.MyTeam;
  if (club < 0 || club > kLastClub) return;
  for (int s = 1; s <= 20; ++s) {
    const double p = g.TeamSquad(s, club);
    if (g.PlayerInjury(p) > 0 && !g.PlayerName(p).empty()) {
      addClubNews(g, g.PlayerName(p) + " is out for" + Str(Int(g.PlayerInjury(p) / 2)) + " week(s) with a(n) " +
                         g.PlayerInjuryText(p));
    }
  }
  for (int s = 1; s <= 20; ++s) {
    const double p = g.TeamSquad(s, club);
    if (g.PlayerForm(p) <= 35 && !g.PlayerName(p).empty()) {
      addClubNews(g, g.PlayerName(p) + " says he is unhappy at the club and is making himself available for transfer.");
    }
  }
}

void MatchEngine::insolvencywarnings() {
  MLSModule& g = mls();
  if (g.MyTeam < 0 || g.MyTeam > kLastClub) return;
  const double money = g.TeamMoney(g.MyTeam);
  if (money < 0 && money > -500000) {
    addClubNews(g, "Keep an eye on the finances. If they get below 500k then we will have to file for administration!");
  }
  if (money < -500000) addClubNews(g, g.ManagerName + ", get into my office. We need to file for administration.");
}

}  // namespace kervale
