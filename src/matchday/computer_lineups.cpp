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
  const double p = g.TeamSquad(slot, club);
  if (!(p > 0 && p < kLastPlayer + 1)) return 0;
  // Squad cells hold whole numbers; only a fraction needs rounding.
  const double r = static_cast<int>(p) == p ? p : std::nearbyint(p);
  return r >= 1 && r <= kLastPlayer ? static_cast<int>(r) : 0;
}

// Someone who can play: a player record with a name, neither injured nor suspended.
bool available(const MLSModule& g, int p) { return p != 0 && g.PlayerInjury(p) == 0 && !g.PlayerName(p).empty(); }

// The number one character of a formation name reads as: its digit, else 0.
int digitOf(const std::string& name, int position) {
  const auto at = static_cast<std::size_t>(position - 1);
  return at < name.size() && name[at] >= '0' && name[at] <= '9' ? name[at] - '0' : 0;
}

// The three lines, indexing SquadView::rating; kNoLine for who plays in none.
enum Line { kDefence, kMidfield, kAttack, kNoLine };

// One club's squad read once, slots 1..20: its players, their ratings, who
// can play and the line each of those is of.
struct SquadView {
  std::array<int, kSlots + 1> player{};
  std::array<double, kSlots + 1> keeping{};
  std::array<std::array<double, kSlots + 1>, 3> rating{};  // (line)(slot)
  std::array<bool, kSlots + 1> fit{};
  std::array<Line, kSlots + 1> type{};

  SquadView(const MLSModule& g, int club) {
    for (int s = 1; s <= kSlots; ++s) {
      const int p = playerIn(g, s, club);
      player[s] = p;
      keeping[s] = g.PlayerGoalkeeping(p);
      const double d = g.PlayerDefense(p), m = g.PlayerMidfield(p), a = g.PlayerAttack(p);
      rating[kDefence][s] = d;
      rating[kMidfield][s] = m;
      rating[kAttack][s] = a;
      fit[s] = available(g, p);
      type[s] = kNoLine;
      if (!fit[s]) continue;
      if (d >= m && d >= a) {
        type[s] = kDefence;
      } else if (m >= a && m > d) {
        type[s] = kMidfield;
      } else if (a > d && a > m) {
        type[s] = kAttack;
      }
    }
  }

  // As swapsquadslots does to the squad list.
  void swapSlots(int a, int b) {
    std::swap(player[a], player[b]);
    std::swap(keeping[a], keeping[b]);
    for (auto& line : rating) std::swap(line[a], line[b]);
    std::swap(fit[a], fit[b]);
    std::swap(type[a], type[b]);
  }
};

// The outfield positions 2..11 with the squad slot each holds (lineupslot),
// and the reverse: the position a slot holds, 0 for none. Each slot starts in
// its own position.
class Picks {
 public:
  explicit Picks(MatchEngine& e) : e_(e) {
    for (int q = kFirstOutfield; q <= kLastStarter; ++q) {
      e.lineupslot(q) = static_cast<std::int16_t>(q);
      e.lineupbest(q) = 0;
      positionOf_[q] = q;
    }
  }
  bool placed(int slot) const { return positionOf_[slot] != 0; }
  double best(int q) const { return e_.lineupbest(q); }
  int slotAt(int q) const { return e_.lineupslot(q); }
  // The slot takes position q by the rating; returns the slot pushed out.
  int place(int q, int slot, double rating) {
    const int out = e_.lineupslot(q);
    positionOf_[out] = 0;
    positionOf_[slot] = q;
    e_.lineupslot(q) = static_cast<std::int16_t>(slot);
    e_.lineupbest(q) = rating;
    return out;
  }

 private:
  MatchEngine& e_;
  std::array<int, kSlots + 1> positionOf_{};
};

// The first position a candidate beats takes him, and the candidates are
// looked at again from the first, until a whole scan places nobody. Ratings
// to beat only rise, so a candidate already passed over stays passed over
// unless a pick pushes him out of his position: only those are looked at
// again, lowest first as a fresh scan would reach them, before the scan goes on.
void selectionPass(Picks& picks, const SquadView& squad, Line line, int firstCandidate, int firstIndex, int lastIndex) {
  std::array<bool, kSlots + 1> again{};
  int waiting = 0;
  int next = firstCandidate;
  while (waiting > 0 || next <= kSlots) {
    int i = next;
    if (waiting > 0) {
      for (i = firstCandidate; !again[i];) ++i;
      again[i] = false;
      --waiting;
    } else {
      ++next;
    }
    if (squad.type[i] != line) continue;
    const double rating = squad.rating[line][i];
    for (int q = firstIndex; q <= lastIndex; ++q) {
      if (!(rating > picks.best(q))) continue;
      if (picks.placed(i)) break;
      const int out = picks.place(q, i, rating);
      if (out >= firstCandidate && out < next && !again[out]) {
        again[out] = true;
        ++waiting;
      }
      break;
    }
  }
}

// A position still held by someone who cannot play goes to the best fit
// player left over, whatever his type.
void fillUnfitPlaces(Picks& picks, const SquadView& squad, int d, int m) {
  for (int q = kFirstOutfield; q <= kLastStarter; ++q) {
    if (squad.fit[picks.slotAt(q)]) continue;
    const auto& rating = squad.rating[q <= d + 1 ? kDefence : (q <= d + m + 1 ? kMidfield : kAttack)];
    int best = 0;
    for (int i = kFirstOutfield; i <= kSlots; ++i) {
      if (!squad.fit[i] || picks.placed(i)) continue;
      if (best == 0 || rating[i] > rating[best]) best = i;
    }
    if (best != 0) picks.place(q, best, rating[best]);
  }
}

// Defenders, midfielders and forwards from the shares of the fit outfield
// players' strengths.
void lineSizes(const SquadView& squad, int& d, int& m) {
  double defence = 0, midfield = 0, attack = 0;
  for (int s = 1; s <= kSlots; ++s) {
    if (!squad.fit[s]) continue;
    const double keeping = squad.keeping[s];
    const double pd = squad.rating[kDefence][s], pm = squad.rating[kMidfield][s], pa = squad.rating[kAttack][s];
    if (keeping > pd || keeping > pm || keeping > pa) continue;
    defence += pd;
    midfield += pm;
    attack += pa;
  }
  defence /= 20;
  midfield /= 20;
  attack /= 20;
  const double total = defence + midfield + attack;
  d = 0;
  m = 0;
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
}

// A formation is changed only when neither its defenders nor its midfielders
// fit: a drawn one with both, or the last drawn after a hundred tries.
void changeFormation(MLSModule& g, int club, int d, int m) {
  const double f = std::nearbyint(g.TeamFormation(club));
  static const std::string none;
  const std::string& current = f >= 0 && f <= decltype(g.FormationName)::upper ? g.FormationName(f) : none;
  const int formations = std::min(static_cast<int>(g.NumFormations), decltype(g.FormationName)::upper);
  if (formations < 1 || digitOf(current, 1) == d || digitOf(current, 3) == m) return;
  int r = 0;
  for (int tries = 1; tries <= 100; ++tries) {
    r = rng().draw(formations, 1);
    if (digitOf(g.FormationName(r), 1) == d && digitOf(g.FormationName(r), 3) == m) break;
  }
  g.TeamFormation(club) = r;
  for (int k = 1; k <= 10; ++k) g.TeamPosition(k, club) = g.FormationPos(r, k);
  g.TeamFlow(club) = CInt(g.FormationFlow(r));
}

// The new order from a copy of the squad: the picks to their positions,
// everyone else to the bench in his old order.
void orderSquad(MLSModule& g, const Picks& picks, int club) {
  std::array<double, kSlots + 1> before{};
  for (int s = 1; s <= kSlots; ++s) before[s] = g.TeamSquad(s, club);
  std::array<bool, kSlots + 1> taken{};
  for (int q = kFirstOutfield; q <= kLastStarter; ++q) {
    const int from = picks.slotAt(q);
    g.TeamSquad(q, club) = before[from];
    taken[from] = true;
  }
  int bench = kLastStarter + 1;
  for (int s = kFirstOutfield; s <= kSlots; ++s) {
    if (!taken[s]) g.TeamSquad(bench++, club) = before[s];
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
    SquadView squad(g, c);

    // Every computer club's transfer list follows its players' form.
    for (int s = 1; s <= kSlots; ++s) {
      const int p = squad.player[s];
      if (p == 0) continue;
      g.PlayerTransferListed(p) = g.PlayerForm(p) < 35 + g.PlayerListingMargin(p) ? 1 : 0;
    }

    // The best fit keeper to slot 1; with none, slot 1 stays as it is.
    double bestKeeping = 0;
    int keeperSlot = 0;
    for (int s = 1; s <= kSlots; ++s) {
      if (squad.fit[s] && squad.keeping[s] > bestKeeping) {
        bestKeeping = squad.keeping[s];
        keeperSlot = s;
      }
    }
    if (keeperSlot != 0) {
      swapslota = keeperSlot;
      swapslotb = 1;
      swapsquadslots();
      squad.swapSlots(keeperSlot, 1);
    }

    int d = 0, m = 0;
    lineSizes(squad, d, m);
    changeFormation(g, c, d, m);

    // Outfield positions 2..11, each to its own slot: defence 2..d+1,
    // midfield from d+1, attack from d+m+1 (a later line may take over the
    // position the two lines share).
    Picks picks(*this);
    selectionPass(picks, squad, kDefence, 2, 2, d + 1);
    selectionPass(picks, squad, kMidfield, d + 1, d + 1, d + m + 1);
    selectionPass(picks, squad, kAttack, d + m + 1, d + m + 1, kLastStarter);
    fillUnfitPlaces(picks, squad, d, m);
    orderSquad(g, picks, c);
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
