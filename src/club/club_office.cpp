// The money sheet and the staff posts of the user's club.
#include "club/club_office.h"

#include "base/numbers.h"
#include "base/random.h"

namespace kervale {

namespace {

constexpr int kLastFundedClub = 237;  // the end of ScoutingFunding
constexpr int kPeoplePool = 300;

bool validPost(int post) { return post >= 0 && post < kStaffPosts; }

// The cell of the post in the user's club; const with a const game.
template <class Game>
auto& postCell(Game& g, int post) {
  switch (post) {
    case 0:
      return g.AssistantCoach(g.MyTeam);
    case 1:
      return g.ReserveCoach;
    case 2:
      return g.YouthCoach;
    default:
      return g.HeadScout(g.MyTeam);
  }
}

}  // namespace

bool isMLSClub(double club) { return club >= 1 && club <= 16; }

double squadWageBill(const MLSModule& g, int club) {
  double bill = 0;
  for (int slot = 1; slot <= 20; ++slot) bill += g.PlayerWage(g.TeamSquad(slot, club));
  return bill;
}

double scoutingBudget(const MLSModule& g, int club) {
  if (club < 0 || club > kLastFundedClub) return 0;
  return g.ScoutingFunding(club);
}

std::string thousandsText(double units) { return numText(Int(units / 1000)) + "k"; }

double staffPerson(const MLSModule& g, int post) {
  if (!validPost(post)) return 0;
  return postCell(g, post);
}

std::string staffName(const MLSModule& g, int post) {
  const double person = staffPerson(g, post);
  if (!(person >= 1 && person <= kPeoplePool)) return "";
  return post == 3 ? g.ScoutName(person) : g.CoachName(person);
}

bool staffPostOpen(const MLSModule& g, int post) {
  if (!validPost(post) || g.MyTeam < 1 || g.MyTeam > kLastClub) return false;
  return !(isMLSClub(g.MyTeam) && (post == 1 || post == 2));
}

bool hireStaff(MLSModule& g, int post) {
  if (!staffPostOpen(g, post) || postCell(g, post) != 0) return false;
  // Anyone from the pool, even a person who already holds a post.
  postCell(g, post) = rng().draw(kPeoplePool, 1);
  return true;
}

bool fireStaff(MLSModule& g, int post) {
  if (!staffPostOpen(g, post) || postCell(g, post) == 0) return false;
  postCell(g, post) = 0;
  return true;
}

}  // namespace kervale
