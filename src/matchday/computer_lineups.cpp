// Computer line-ups: transfer lists, keeper, formation and starting eleven of
// every computer club before a round, and the squad lists rebuilt from the
// players' clubs between matchdays.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>

#include "base/numbers.h"
#include "base/random.h"
#include "data/mls_module.h"
#include "match/match_engine.h"

namespace kervale {

namespace {

constexpr int kSlots = 20;
constexpr int kFirstOutfield = 2;
constexpr int kLastStarter = 11;

int playerIn(const MLSModule& g, int slot, int club) {
  const double p = std::nearbyint(g.TeamSquad(slot, club));
  return p >= 1 && p <= kLastPlayer ? static_cast<int>(p) : 0;
}

// Someone who can play: a player record with a name, neither injured nor suspended.
bool available(const MLSModule& g, int p) { return p != 0 && g.PlayerInjury(p) == 0 && !g.PlayerName(p).empty(); }

int digitOf(const std::string& name, int position) { return static_cast<int>(Val(Mid(name, position, 1))); }

enum class Line { Defence, Midfield, Attack };

// One club's squad as the outfield selection sees it, slots 1..20.
struct SquadView {
  std::array<int, kSlots + 1> player{};
  std::array<double, kSlots + 1> defence{}, midfield{}, attack{};
  std::array<bool, kSlots + 1> fit{};

  SquadView(const MLSModule& g, int club) {
    for (int s = 1; s <= kSlots; ++s) {
      const int p = playerIn(g, s, club);
      player[s] = p;
      defence[s] = g.PlayerDefense(p);
      midfield[s] = g.PlayerMidfield(p);
      attack[s] = g.PlayerAttack(p);
      fit[s] = available(g, p);
    }
  }

  // The rating slot s would be picked by for the line, when he is of its type.
  bool qualifies(int s, Line line, double& rating) const {
    if (!fit[s]) return false;
    const double d = defence[s], m = midfield[s], a = attack[s];
    switch (line) {
      case Line::Defence:
        rating = d;
        return d >= m && d >= a;
      case Line::Midfield:
        rating = m;
        return m >= a && m > d;
      case Line::Attack:
        rating = a;
        return a > d && a > m;
    }
    return false;
  }

  double lineRating(int s, Line line) const {
    switch (line) {
      case Line::Defence:
        return defence[s];
      case Line::Midfield:
        return midfield[s];
      case Line::Attack:
        return attack[s];
    }
    return 0;
  }
};

bool placed(const MatchEngine& e, int slot) {
  for (int q = kFirstOutfield; q <= kLastStarter; ++q) {
    if (e.lineupslot(q) == slot) return true;
  }
  return false;
}

// Repeated scans: the first position a candidate beats takes him, and the scan
// starts again, until a whole scan places nobody.
void selectionPass(MatchEngine& e, const SquadView& squad, Line line, int firstCandidate, int firstIndex,
                   int lastIndex) {
  for (bool again = true; again;) {
    again = false;
    for (int i = firstCandidate; i <= kSlots && !again; ++i) {
      double rating = 0;
      if (!squad.qualifies(i, line, rating)) continue;
      for (int q = firstIndex; q <= lastIndex; ++q) {
        if (!(rating > e.lineupbest(q))) continue;
        if (!placed(e, i)) {
          e.lineupslot(q) = static_cast<std::int16_t>(i);
          e.lineupbest(q) = rating;
          again = true;
        }
        break;
      }
    }
  }
}

}  // namespace

void MatchEngine::swapsquadslots() {
  MLSModule& g = mls();
  const double kept = g.TeamSquad(swapslota, swapteam);
  g.TeamSquad(swapslota, swapteam) = g.TeamSquad(swapslotb, swapteam);
  g.TeamSquad(swapslotb, swapteam) = kept;
}

void MatchEngine::teamupdate() {
  MLSModule& g = mls();
  if (g.CommishMode != 0) return;
  for (int c = 1; c <= kLastClub; ++c) {
    if (c == g.MyTeam) continue;
    swapteam = static_cast<std::int16_t>(c);

    // Every computer club's transfer list follows its players' form.
    for (int s = 1; s <= kSlots; ++s) {
      const int p = playerIn(g, s, c);
      if (p == 0) continue;
      g.PlayerTransferListed(p) = g.PlayerForm(p) < 35 + g.PlayerListingMargin(p) ? 1 : 0;
    }

    // The best fit keeper to slot 1; with none, slot 1 stays as it is.
    double bestKeeping = 0;
    int keeperSlot = 0;
    for (int s = 1; s <= kSlots; ++s) {
      const int p = playerIn(g, s, c);
      if (available(g, p) && g.PlayerGoalkeeping(p) > bestKeeping) {
        bestKeeping = g.PlayerGoalkeeping(p);
        keeperSlot = s;
      }
    }
    if (keeperSlot != 0) {
      swapslota = keeperSlot;
      swapslotb = 1;
      swapsquadslots();
    }

    // Line sizes from the shares of the fit outfield players' strengths.
    double defence = 0, midfield = 0, attack = 0;
    for (int s = 1; s <= kSlots; ++s) {
      const int p = playerIn(g, s, c);
      if (!available(g, p)) continue;
      const double keeping = g.PlayerGoalkeeping(p);
      const double pd = g.PlayerDefense(p), pm = g.PlayerMidfield(p), pa = g.PlayerAttack(p);
      if (keeping > pd || keeping > pm || keeping > pa) continue;
      defence += pd;
      midfield += pm;
      attack += pa;
    }
    defence /= 20;
    midfield /= 20;
    attack /= 20;
    const double total = defence + midfield + attack;
    int d = 0, m = 0;
    if (total != 0) {
      d = CInt(10 * defence / total);
      m = CInt(10 * midfield / total);
    }
    if (m > 5) {
      d = 3;
      m = 5;
    }
    if (d > 5) {
      m = 2 + (d - 5);
      d = 5;
    }
    if (d < 3) d = 3;
    if (total == 0) {
      d = 4;
      m = 4;
    }
    // A nearly all-defence squad would ask for more than ten outfield places.
    if (d + m > 10) m = 10 - d;

    // A formation is changed only when neither its defenders nor its midfielders fit.
    const double f = std::nearbyint(g.TeamFormation(c));
    const std::string current = f >= 0 && f <= decltype(g.FormationName)::upper ? g.FormationName(f) : std::string();
    const int formations = std::min(static_cast<int>(g.NumFormations), decltype(g.FormationName)::upper);
    if (formations >= 1 && digitOf(current, 1) != d && digitOf(current, 3) != m) {
      int r = 0;
      for (int tries = 1; tries <= 100; ++tries) {
        r = rng().draw(formations, 1);
        if (digitOf(g.FormationName(r), 1) == d && digitOf(g.FormationName(r), 3) == m) break;
      }
      g.TeamFormation(c) = r;
      for (int k = 1; k <= 10; ++k) g.TeamPosition(k, c) = g.FormationPos(r, k);
      g.TeamFlow(c) = CInt(g.FormationFlow(r));
    }

    // Outfield positions 2..11, each to its own slot: defence 2..d+1,
    // midfield from d+1, attack from d+m+1 (a later line may take over the
    // position the two lines share). Each slot starts with its own player.
    const SquadView squad(g, c);
    for (int q = kFirstOutfield; q <= kLastStarter; ++q) {
      lineupslot(q) = static_cast<std::int16_t>(q);
      lineupbest(q) = 0;
    }
    selectionPass(*this, squad, Line::Defence, 2, 2, d + 1);
    selectionPass(*this, squad, Line::Midfield, d + 1, d + 1, d + m + 1);
    selectionPass(*this, squad, Line::Attack, d + m + 1, d + m + 1, kLastStarter);

    // A position still held by someone who cannot play goes to the best fit
    // player left over, whatever his type.
    for (int q = kFirstOutfield; q <= kLastStarter; ++q) {
      if (squad.fit[lineupslot(q)]) continue;
      const Line line = q <= d + 1 ? Line::Defence : (q <= d + m + 1 ? Line::Midfield : Line::Attack);
      int best = 0;
      for (int i = kFirstOutfield; i <= kSlots; ++i) {
        if (!squad.fit[i] || placed(*this, i)) continue;
        if (best == 0 || squad.lineRating(i, line) > squad.lineRating(best, line)) best = i;
      }
      if (best != 0) {
        lineupslot(q) = static_cast<std::int16_t>(best);
        lineupbest(q) = squad.lineRating(best, line);
      }
    }

    // The new order from a copy of the squad: the picks to their positions,
    // everyone else to the bench in his old order.
    std::array<double, kSlots + 1> before{};
    for (int s = 1; s <= kSlots; ++s) before[s] = g.TeamSquad(s, c);
    std::array<bool, kSlots + 1> taken{};
    for (int q = kFirstOutfield; q <= kLastStarter; ++q) {
      const int from = lineupslot(q);
      g.TeamSquad(q, c) = before[from];
      taken[from] = true;
    }
    int bench = kLastStarter + 1;
    for (int s = kFirstOutfield; s <= kSlots; ++s) {
      if (!taken[s]) g.TeamSquad(bench++, c) = before[s];
    }
  }
}

void MatchEngine::playercheck() {
  MLSModule& g = mls();
  g.TeamSquadCount.clear();
  const int last = std::min(static_cast<int>(g.NumPlayers), kLastPlayer);
  for (int p = 1; p <= last; ++p) {
    const double club = std::nearbyint(g.PlayerTeam(p));
    if (!(club >= 0 && club <= kLastClub)) continue;
    const int t = static_cast<int>(club);
    g.TeamSquadCount(t) += 1;
    const double count = g.TeamSquadCount(t);
    if (t != 0 && t != g.MyTeam && count <= kSlots) g.TeamSquad(count, t) = p;
  }
  // A computer club keeps nobody above its count: a player who left must not
  // stay on its list as well.
  for (int t = 1; t <= kLastClub; ++t) {
    if (t == g.MyTeam) continue;
    for (int s = static_cast<int>(g.TeamSquadCount(t)) + 1; s <= kSlots; ++s) g.TeamSquad(s, t) = 0;
  }
}

}  // namespace kervale
