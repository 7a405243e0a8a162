// Picking a computer club's eleven: the squad read once, the selection passes
// by line, the unfit places filled, the line sizes from the squad's strengths.
#include "matchday/lineup_picks.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <string>

#include "base/numbers.h"
#include "data/mls_module.h"
#include "match/match_engine.h"

namespace kervale::lineups {

namespace {

// The player tables a view reads, resolved once: every player number is
// 0..kLastPlayer here, so they are read unchecked.
struct PlayerTables {
  explicit PlayerTables(const MLSModule& g)
      : keeping(g.PlayerGoalkeeping.begin()),
        defence(g.PlayerDefense.begin()),
        midfield(g.PlayerMidfield.begin()),
        attack(g.PlayerAttack.begin()),
        injury(g.PlayerInjury.begin()),
        name(g.PlayerName.begin()) {}

  // Someone who can play: a player record with a name, neither injured nor suspended.
  bool canPlay(int p) const { return p != 0 && injury[p] == 0 && !name[p].empty(); }

  const float* keeping;
  const double* defence;
  const double* midfield;
  const double* attack;
  const double* injury;
  const std::string* name;
};

}  // namespace

SquadView::SquadView(const MLSModule& g, int club) {
  // The club's squad cells are one column, checked once.
  const double* cells = &g.TeamSquad(0, club);
  const PlayerTables of(g);
  player[0] = 0;
  keeping[0] = 0;
  for (auto& line : rating) line[0] = 0;
  fit[0] = false;
  type[0] = kNoLine;
  for (int s = 1; s <= kSlots; ++s) {
    const int p = squadCellPlayer(cells[s]);
    player[s] = p;
    keeping[s] = of.keeping[p];
    const double d = of.defence[p], m = of.midfield[p], a = of.attack[p];
    rating[kDefence][s] = d;
    rating[kMidfield][s] = m;
    rating[kAttack][s] = a;
    fit[s] = of.canPlay(p);
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

bool SquadView::heldBy(const MLSModule& g, int club) const {
  const double* cells = &g.TeamSquad(0, club);
  const PlayerTables of(g);
  // To the bit, as a byte comparison of two views would tell (0 and -0 differ).
  auto same = [](double a, double b) { return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); };
  // Slot 0 of every view reads as no one.
  for (int s = 1; s <= kSlots; ++s) {
    const int p = squadCellPlayer(cells[s]);
    if (p != player[s] || !same(of.keeping[p], keeping[s]) || !same(of.defence[p], rating[kDefence][s]) ||
        !same(of.midfield[p], rating[kMidfield][s]) || !same(of.attack[p], rating[kAttack][s])) {
      return false;
    }
    if (of.canPlay(p) != fit[s]) return false;
  }
  return true;
}

void SquadView::listLines() {
  std::array<int, 3> count{};
  for (int s = 1; s <= kSlots; ++s) {
    if (type[s] != kNoLine) ofLine[type[s]][count[type[s]]++] = s;
  }
  for (int line = kDefence; line <= kAttack; ++line) ofLine[line][count[line]] = kSlots + 1;
}

void SquadView::swapSlots(int a, int b) {
  std::swap(player[a], player[b]);
  std::swap(keeping[a], keeping[b]);
  for (auto& line : rating) std::swap(line[a], line[b]);
  std::swap(fit[a], fit[b]);
  std::swap(type[a], type[b]);
}

void Picks::keepOn(MatchEngine& e) const {
  std::int16_t* slots = e.lineupslot.begin();
  double* best = e.lineupbest.begin();
  for (int q = kFirstOutfield; q <= kLastStarter; ++q) {
    slots[q] = static_cast<std::int16_t>(slot_[q]);
    best[q] = best_[q];
  }
}

std::optional<PickMemory::Known> PickMemory::recall(const MLSModule& g, int club, const FormationDigits& formation) {
  if (club < 0 || static_cast<std::size_t>(club) >= clubs_.size()) return std::nullopt;
  Club& c = clubs_[static_cast<std::size_t>(club)];
  // At most one of the two can match. The one not used last is the likelier:
  // a round's first pass reads the order the last round's first pass read.
  for (const int i : {1 - c.last, c.last}) {
    const Kept& k = c.kept[static_cast<std::size_t>(i)];
    if (k.valid && k.formation == formation && k.squad.heldBy(g, club)) {
      c.last = i;
      return Known{k.squad, k.picks};
    }
  }
  return std::nullopt;
}

void PickMemory::note(int club, const SquadView& squad, const FormationDigits& formation) {
  if (clubs_.empty()) clubs_.resize(kLastClub + 1);
  Club& c = clubs_.at(static_cast<std::size_t>(club));
  // The one not used last makes room.
  c.last = 1 - c.last;
  Kept& k = c.kept[static_cast<std::size_t>(c.last)];
  k.valid = false;
  // What heldBy compares; the lines are not needed.
  k.squad.player = squad.player;
  k.squad.keeping = squad.keeping;
  k.squad.rating = squad.rating;
  k.squad.fit = squad.fit;
  k.formation = formation;
  k.stamp = ++notes_;
}

void PickMemory::keep(int club, const Picks& picks, bool drew) {
  Club& c = clubs_.at(static_cast<std::size_t>(club));
  Kept& k = c.kept[static_cast<std::size_t>(c.last)];
  k.picks = picks;
  k.valid = !drew;
}

int PickMemory::lastIndex(int club) const {
  return club >= 0 && static_cast<std::size_t>(club) < clubs_.size() ? clubs_[static_cast<std::size_t>(club)].last : 0;
}

std::uint64_t PickMemory::lastStamp(int club) const {
  if (club < 0 || static_cast<std::size_t>(club) >= clubs_.size()) return 0;
  const Club& c = clubs_[static_cast<std::size_t>(club)];
  return c.kept[static_cast<std::size_t>(c.last)].stamp;
}

bool PickMemory::holds(int club, int index, std::uint64_t stamp) const {
  if (club < 0 || static_cast<std::size_t>(club) >= clubs_.size() || index < 0 || index > 1) return false;
  const Kept& k = clubs_[static_cast<std::size_t>(club)].kept[static_cast<std::size_t>(index)];
  return k.valid && k.stamp == stamp;
}

void PickMemory::useAgain(int club, int index) { clubs_.at(static_cast<std::size_t>(club)).last = index; }

// The first position a candidate beats takes him, and the candidates are
// looked at again from the first, until a whole scan places nobody. Ratings
// to beat only rise, so a candidate already passed over stays passed over
// unless a pick pushes him out of his position: only those are looked at
// again, lowest first as a fresh scan would reach them, before the scan goes on.
// Only a candidate of the pass's line can qualify, so the scan walks those alone.
void selectionPass(Picks& picks, const SquadView& squad, Line line, int firstCandidate, int firstIndex, int lastIndex) {
  const int* candidates = squad.ofLine[line].data();
  while (*candidates < firstCandidate) ++candidates;
  int count = 0;
  while (candidates[count] <= kSlots) ++count;
  std::array<bool, kSlots + 1> again{};
  int waiting = 0;
  int next = 0;  // the next candidate the scan reaches
  while (waiting > 0 || next < count) {
    int i = 0;
    if (waiting > 0) {
      for (int k = 0; !again[i = candidates[k]];) ++k;
      again[i] = false;
      --waiting;
    } else {
      i = candidates[next++];
    }
    const double rating = squad.rating[line][i];
    for (int q = firstIndex; q <= lastIndex; ++q) {
      if (!(rating > picks.best(q))) continue;
      if (picks.placed(i)) break;
      const int out = picks.place(q, i, rating);
      if (out >= firstCandidate && out < candidates[next] && squad.type[out] == line && !again[out]) {
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

}  // namespace kervale::lineups
