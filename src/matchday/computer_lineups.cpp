// Computer line-ups: transfer lists, keeper, formation and starting eleven of
// every computer club before a round, and the squad lists rebuilt from the
// players' clubs between matchdays.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "base/numbers.h"
#include "base/random.h"
#include "data/mls_module.h"
#include "match/match_engine.h"
#include "matchday/lineup_picks.h"

namespace kervale {

namespace {

using lineups::kAttack;
using lineups::kDefence;
using lineups::kFirstOutfield;
using lineups::kLastStarter;
using lineups::kMidfield;
using lineups::kSlots;
using lineups::Picks;
using lineups::SquadView;

// The number one character of a formation name reads as: its digit, else 0.
int digitOf(const std::string& name, int position) {
  const auto at = static_cast<std::size_t>(position - 1);
  return at < name.size() && name[at] >= '0' && name[at] <= '9' ? name[at] - '0' : 0;
}

int formationCount(const MLSModule& g) {
  return std::min(static_cast<int>(g.NumFormations), decltype(g.FormationName)::upper);
}

// What the formation test reads of the club's formation.
lineups::FormationDigits formationDigits(const MLSModule& g, int club) {
  const double f = std::nearbyint(g.TeamFormation(club));
  static const std::string none;
  const std::string& current = f >= 0 && f <= decltype(g.FormationName)::upper ? g.FormationName(f) : none;
  return {formationCount(g) < 1, digitOf(current, 1), digitOf(current, 3)};
}

// A formation is changed only when neither its defenders nor its midfielders
// fit: a drawn one with both, or the last drawn after a hundred tries.
// Returns whether it drew.
bool changeFormation(MLSModule& g, int club, const lineups::FormationDigits& now, int d, int m) {
  if (now.none || now.defence == d || now.midfield == m) return false;
  const int formations = formationCount(g);
  int r = 0;
  for (int tries = 1; tries <= 100; ++tries) {
    r = rng().draw(formations, 1);
    if (digitOf(g.FormationName(r), 1) == d && digitOf(g.FormationName(r), 3) == m) break;
  }
  g.TeamFormation(club) = r;
  for (int k = 1; k <= 10; ++k) g.TeamPosition(k, club) = g.FormationPos(r, k);
  g.TeamFlow(club) = CInt(g.FormationFlow(r));
  return true;
}

// The new order from a copy of the squad: the picks to their positions,
// everyone else to the bench in his old order.
void orderSquad(MLSModule& g, const Picks& picks, int club) {
  // The club's squad cells are one column, checked once.
  double* cells = &g.TeamSquad(0, club);
  std::array<double, kSlots + 1> before;
  std::copy(cells, cells + kSlots + 1, before.begin());
  std::array<bool, kSlots + 1> taken{};
  for (int q = kFirstOutfield; q <= kLastStarter; ++q) {
    const int from = picks.slotAt(q);
    cells[q] = before[from];
    taken[from] = true;
  }
  int bench = kLastStarter + 1;
  for (int s = kFirstOutfield; s <= kSlots; ++s) {
    if (!taken[s]) cells[bench++] = before[s];
  }
}

}  // namespace

void MatchEngine::swapsquadslots() {
  MLSModule& g = mls();
  const double kept = g.TeamSquad(swapslota, swapteam);
  g.TeamSquad(swapslota, swapteam) = g.TeamSquad(swapslotb, swapteam);
  g.TeamSquad(swapslotb, swapteam) = kept;
}

namespace {

// Every computer club's transfer list follows its players' form; the view's
// player numbers are checked, so their cells are read directly.
void listForTransfer(MLSModule& g, const SquadView& squad) {
  const double* form = g.PlayerForm.begin();
  const double* margin = g.PlayerListingMargin.begin();
  auto* listed = g.PlayerTransferListed.begin();
  for (int s = 1; s <= kSlots; ++s) {
    const int p = squad.player[s];
    if (p != 0) listed[p] = form[p] < 35 + margin[p] ? 1 : 0;
  }
}

// The memory of every club's last pick: a pure function's results, whoever asks.
lineups::PickMemory& pickMemory() {
  static lineups::PickMemory memory;
  return memory;
}

// What one club's pick did: the keeper's old slot (0 when none moved) and the
// picks.
struct PickDone {
  int keeperSlot = 0;
  Picks picks;
};

// The fit player who keeps best, the lowest slot of equals; 0 when no fit
// player keeps at all.
int bestKeeperSlot(const SquadView& squad) {
  int slot = 0;
  double bestKeeping = 0;
  for (int s = 1; s <= kSlots; ++s) {
    if (squad.fit[s] && squad.keeping[s] > bestKeeping) {
      bestKeeping = squad.keeping[s];
      slot = s;
    }
  }
  return slot;
}

// The keeper's slot exchanged with slot 1 of the club being picked; with no
// keeper, slot 1 stays as it is.
void keeperToSlotOne(MatchEngine& e, int keeperSlot) {
  if (keeperSlot == 0) return;
  e.swapslota = keeperSlot;
  e.swapslotb = 1;
  e.swapsquadslots();
}

// The club's keeper, formation and eleven, from its squad read afresh.
PickDone pickAfresh(MatchEngine& e, MLSModule& g, lineups::PickMemory& memory, int c) {
  PickDone done;
  const lineups::FormationDigits formation = formationDigits(g, c);
  // A squad met before is read only to be compared: its kept view serves.
  if (const auto known = memory.recall(g, c, formation)) {
    listForTransfer(g, known->squad);
    done.keeperSlot = bestKeeperSlot(known->squad);
    keeperToSlotOne(e, done.keeperSlot);
    done.picks = known->picks;
    return done;
  }
  SquadView squad(g, c);
  listForTransfer(g, squad);
  memory.note(c, squad, formation);
  done.keeperSlot = bestKeeperSlot(squad);
  keeperToSlotOne(e, done.keeperSlot);
  if (done.keeperSlot != 0) squad.swapSlots(done.keeperSlot, 1);

  squad.listLines();
  int d = 0, m = 0;
  lineSizes(squad, d, m);
  const bool drew = changeFormation(g, c, formation, d, m);
  // Outfield positions 2..11, each to its own slot: defence 2..d+1,
  // midfield from d+1, attack from d+m+1 (a later line may take over the
  // position the two lines share).
  selectionPass(done.picks, squad, kDefence, 2, 2, d + 1);
  selectionPass(done.picks, squad, kMidfield, d + 1, d + 1, d + m + 1);
  selectionPass(done.picks, squad, kAttack, d + m + 1, d + m + 1, kLastStarter);
  fillUnfitPlaces(done.picks, squad, d, m);
  memory.keep(c, done.picks, drew);
  return done;
}

// A round's two passes over a club. A first pass that gives a kept pick
// leaves the squad in an order fixed by that pick, so the second pass reads
// the same players in the same order as it did after the same first pick
// before, and does the same again, as long as neither pick has been noted
// over since.
struct ClubRound {
  std::uint64_t pass = 0;                  // the teamupdate that last picked the club
  std::uint64_t firstPick = 0;             // stamp of the pick that pass gave; 0 none to give again
  std::array<double, kSlots + 1> cells{};  // the squad cells that pass left
  // The second pass that last followed the first pick `after`.
  std::uint64_t after = 0;
  int secondIndex = 0;
  std::uint64_t secondPick = 0;
  PickDone second;
};

struct Rounds {
  std::uint64_t passes = 0;
  std::vector<ClubRound> clubs = std::vector<ClubRound>(kLastClub + 1);
};

Rounds& rounds() {
  static Rounds kept;
  return kept;
}

bool canRepeat(const ClubRound& round, std::uint64_t pass, const lineups::PickMemory& memory, int c,
               const double* cells) {
  return round.pass + 1 == pass && round.firstPick != 0 && round.after == round.firstPick &&
         memory.holds(c, round.secondIndex, round.secondPick) &&
         std::equal(round.cells.begin(), round.cells.end(), cells);
}

// The second pass kept as it went: the same keeper, the same pick (whose
// players' flags the first pass has just listed), the same pick recalled.
void repeatSecondPass(MatchEngine& e, MLSModule& g, lineups::PickMemory& memory, int c, const ClubRound& round) {
  keeperToSlotOne(e, round.second.keeperSlot);
  memory.useAgain(c, round.secondIndex);
  orderSquad(g, round.second.picks, c);
}

// After a pick: a first pass keeps what the second will start from, a second
// pass what it did, when it holds a pick that can be recalled.
void rememberRound(ClubRound& round, bool second, const PickDone& done, const lineups::PickMemory& memory, int c,
                   const double* cells) {
  if (!second) {
    // A pick recalled, or made without a draw, is given again to the same squad.
    const bool kept = memory.holds(c, memory.lastIndex(c), memory.lastStamp(c));
    round.firstPick = kept ? memory.lastStamp(c) : 0;
    std::copy(cells, cells + kSlots + 1, round.cells.begin());
    return;
  }
  const int index = memory.lastIndex(c);
  round.after = 0;
  if (round.firstPick == 0 || !memory.holds(c, index, memory.lastStamp(c))) return;
  round.after = round.firstPick;
  round.secondIndex = index;
  round.secondPick = memory.lastStamp(c);
  round.second = done;
}

}  // namespace

void MatchEngine::teamupdate() {
  MLSModule& g = mls();
  const bool second = std::exchange(squadsAsLastPicked_, false);
  if (g.CommishMode != 0) return;
  lineups::PickMemory& memory = pickMemory();
  Rounds& kept = rounds();
  const std::uint64_t pass = ++kept.passes;
  // The screen keeps the picks of the last club picked, and only those.
  const int lastPicked = g.MyTeam == kLastClub ? kLastClub - 1 : kLastClub;
  for (int c = 1; c <= kLastClub; ++c) {
    if (c == g.MyTeam) continue;
    swapteam = static_cast<std::int16_t>(c);
    ClubRound& round = kept.clubs[static_cast<std::size_t>(c)];
    const double* cells = &g.TeamSquad(0, c);
    if (second && canRepeat(round, pass, memory, c, cells)) {
      repeatSecondPass(*this, g, memory, c, round);
      if (c == lastPicked) round.second.picks.keepOn(*this);
    } else {
      const PickDone done = pickAfresh(*this, g, memory, c);
      orderSquad(g, done.picks, c);
      if (c == lastPicked) done.picks.keepOn(*this);
      rememberRound(round, second, done, memory, c, cells);
    }
    round.pass = pass;
  }
}

void MatchEngine::playercheck() {
  MLSModule& g = mls();
  // Counted as whole numbers and stored once: the counts adding 1 to each
  // club's cell would give, without two checked cells for each player.
  std::array<int, kLastClub + 1> counts{};
  // The user's club as a club number, or none (-1) when the cell holds none:
  // compared as whole numbers in the loop.
  const int myClub =
      g.MyTeam == std::floor(g.MyTeam) && g.MyTeam >= 0 && g.MyTeam <= kLastClub ? static_cast<int>(g.MyTeam) : -1;
  const double* clubOf = g.PlayerTeam.begin();
  double* squads = g.TeamSquad.begin();  // (slot, club), the slot varying fastest
  static_assert(decltype(g.TeamSquad)::upper1 == kSlots && decltype(g.TeamSquad)::upper2 == kLastClub);
  const int last = std::min(static_cast<int>(g.NumPlayers), kLastPlayer);
  for (int p = 1; p <= last; ++p) {
    // A club cell that rounds (halves to even) to a club number 0..285.
    const double club = clubOf[p];
    if (!(club >= -0.5 && club < kLastClub + 0.5)) continue;
    const int t = CInt(club);
    const int count = ++counts[static_cast<std::size_t>(t)];
    if (t != 0 && t != myClub && count <= kSlots) squads[count + (kSlots + 1) * t] = p;
  }
  std::copy(counts.begin(), counts.end(), g.TeamSquadCount.begin());
  // A computer club keeps nobody above its count: a player who left must not
  // stay on its list as well.
  for (int t = 1; t <= kLastClub; ++t) {
    if (t == myClub) continue;
    for (int s = counts[static_cast<std::size_t>(t)] + 1; s <= kSlots; ++s) squads[s + (kSlots + 1) * t] = 0;
  }
}

}  // namespace kervale
