#include "club/shortlisting.h"

#include <cmath>
#include <cstdint>

#include "base/random.h"

namespace kervale {

namespace {

constexpr int kScoutingClubs = 237;

struct Strength {
  double defence = 0, midfield = 0, attack = 0;
};

// Squad sums over ten, not twenty: a newcomer must beat a fairly high bar.
Strength squadStrength(const MLSModule& g, int club) {
  Strength s;
  for (int slot = 1; slot <= 20; ++slot) {
    const double p = g.TeamSquad(slot, club);
    if (p < 1 || p > kLastPlayer) continue;
    s.defence += g.PlayerDefense(p);
    s.midfield += g.PlayerMidfield(p);
    s.attack += g.PlayerAttack(p);
  }
  s.defence /= 10;
  s.midfield /= 10;
  s.attack /= 10;
  return s;
}

// A rating above the squad's figure fits, unless he is over 21 and more than
// four points above it.
bool fitsLine(double rating, double squad, double age) { return !(rating - 4 > squad && age > 21); }

bool fits(const MLSModule& g, int p, const Strength& s) {
  const double d = g.PlayerDefense(p);
  const double m = g.PlayerMidfield(p);
  const double a = g.PlayerAttack(p);
  const double age = g.PlayerAge(p);
  if (d >= m && d >= a && d > s.defence) return fitsLine(d, s.defence, age);
  if (m >= d && m >= a && m > s.midfield) return fitsLine(m, s.midfield, age);
  if (a >= m && a >= d && a > s.attack) return fitsLine(a, s.attack, age);
  return false;
}

void noteInterest(MLSModule& g, int p, int club) {
  for (int j = 1; j <= 4; ++j) {
    if (g.PlayerInterest(p, j) == club) return;
    if (g.PlayerInterest(p, j) == 0) {
      g.PlayerInterest(p, j) = static_cast<std::int16_t>(club);
      return;
    }
  }
}

// The drawn player, or 0 when the look ends before it starts. The draw is
// repeated while it equals the club number; a pool of one cannot avoid it.
int drawPlayer(const MLSModule& g, int club) {
  const int pool = g.NumPlayers;
  int p = rng().draw(pool, 1);
  while (p == club) {
    if (pool < 2) return 0;
    p = rng().draw(pool, 1);
  }
  return p >= 1 && p <= kLastPlayer ? p : 0;
}

void look(MLSModule& g, int club, int user, const Strength& strength) {
  const int p = drawPlayer(g, club);
  if (p == 0 || club == user || g.PlayerName(p).empty()) return;
  // His own club: the market ignores such interest, and his card would list it.
  const double owner = g.PlayerTeam(p);
  if (owner == club) return;
  if (!fits(g, p, strength)) return;
  if (owner >= 1 && owner <= kLastClub && !(g.TeamReputation(club) > g.TeamReputation(owner) - 25)) return;
  noteInterest(g, p, club);
}

}  // namespace

void shortlistPlayers(MLSModule& g) {
  const double user = g.MyTeam;
  for (int club = 1; club <= kScoutingClubs; ++club) {
    if (club != user) g.ScoutingFunding(club) = static_cast<std::int32_t>(std::floor(g.TeamMoney(club) / 75000));
    if (club <= 16 && club > g.MLSTeamCount) continue;
    const std::int32_t looks = g.ScoutingFunding(club);
    if (looks <= 0) continue;
    const Strength strength = squadStrength(g, club);
    for (std::int32_t i = 0; i < looks; ++i) look(g, club, static_cast<int>(user), strength);
  }
}

}  // namespace kervale
