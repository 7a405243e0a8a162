#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <vector>

#include "data/mls_module.h"

namespace kervale {

class MatchEngine;

// The player record a squad cell names, a fraction rounded half to even; 0
// for none. Inline: every squad slot of every match and line-up is read so.
inline int squadCellPlayer(double cell) {
  if (!(cell > 0 && cell < kLastPlayer + 1)) return 0;
  // Squad cells hold whole numbers; only a fraction needs rounding.
  const double r = static_cast<int>(cell) == cell ? cell : std::nearbyint(cell);
  return r >= 1 && r <= kLastPlayer ? static_cast<int>(r) : 0;
}

// The pieces a computer club's line-up is picked with: its squad read once,
// the positions it fills, the passes that fill them.
namespace lineups {

inline constexpr int kSlots = 20;
inline constexpr int kFirstOutfield = 2;
inline constexpr int kLastStarter = 11;

// The three lines, indexing SquadView::rating; kNoLine for who plays in none.
enum Line { kDefence, kMidfield, kAttack, kNoLine };

// One club's squad read once, slots 1..20: its players, their ratings, who
// can play and the line each of those is of.
// Every slot 0..20 is written when it is read (slot 0 as no one), so a view
// is not cleared first; ofLine is written by listLines.
struct SquadView {
  std::array<int, kSlots + 1> player;
  std::array<double, kSlots + 1> keeping;
  std::array<std::array<double, kSlots + 1>, 3> rating;  // (line)(slot)
  std::array<bool, kSlots + 1> fit;
  std::array<Line, kSlots + 1> type;
  // The slots of each line in ascending order, ended by kSlots + 1.
  std::array<std::array<int, kSlots + 2>, 3> ofLine;

  SquadView() = default;
  SquadView(const MLSModule& g, int club);
  // Whether the club's squad, as the tables hold it now, reads as this view
  // would be read afresh: the same players with the same ratings and
  // fitness, slot by slot and to the bit. Compared in place, so that a squad
  // met before needs no view of its own.
  bool heldBy(const MLSModule& g, int club) const;
  // Once the keeper is in slot 1.
  void listLines();
  // As swapsquadslots does to the squad list.
  void swapSlots(int a, int b);
};

// The outfield positions 2..11 with the squad slot each holds and the rating
// it was picked by (the screen's lineupslot and lineupbest, kept here while a
// club is picked and handed to the screen at the end), and the reverse: the
// position a slot holds, 0 for none. Each slot starts in its own position.
class Picks {
 public:
  Picks() {
    for (int q = kFirstOutfield; q <= kLastStarter; ++q) {
      slot_[q] = q;
      positionOf_[q] = q;
    }
  }
  bool placed(int slot) const { return positionOf_[slot] != 0; }
  double best(int q) const { return best_[q]; }
  int slotAt(int q) const { return slot_[q]; }
  // The slot takes position q by the rating; returns the slot pushed out.
  int place(int q, int slot, double rating) {
    const int out = slot_[q];
    positionOf_[out] = 0;
    positionOf_[slot] = q;
    slot_[q] = slot;
    best_[q] = rating;
    return out;
  }
  // The screen keeps the picks of the last club.
  void keepOn(MatchEngine& e) const;

 private:
  std::array<int, kLastStarter + 1> slot_{};
  std::array<double, kLastStarter + 1> best_{};
  std::array<int, kSlots + 1> positionOf_{};
};

// What the formation test of a club's pick reads: whether there are
// formations to draw, and the two digits of the club's formation name.
struct FormationDigits {
  bool none = true;
  int defence = 0;
  int midfield = 0;
  bool operator==(const FormationDigits&) const = default;
};

// The passes of a pick are a function of the squad as read and of the
// formation digits alone, as long as the formation is kept and no draw is
// made. Each club's last two picks are kept with what they were made from, so
// that the same squad read again is given the same picks without the passes:
// most clubs read the same squads, in the same two orders, in the two passes
// of every round, until a player's fitness or a transfer changes them.
class PickMemory {
 public:
  // A pick kept with the squad it was made from, as read before its keeper moved.
  struct Known {
    const SquadView& squad;
    const Picks& picks;
  };
  // The pick made before from the squad the club's tables hold now and these
  // digits; none when there is none.
  std::optional<Known> recall(const MLSModule& g, int club, const FormationDigits& formation);
  // The squad as read and the digits of a pick about to be made.
  void note(int club, const SquadView& squad, const FormationDigits& formation);
  // The pick made from what was noted last for the club; `drew`: its
  // formation was drawn, so the same squad may come to other picks.
  void keep(int club, const Picks& picks, bool drew);

  // Which of the club's two picks was recalled or noted last, and the stamp
  // that pick was noted with (0 when the club has none).
  int lastIndex(int club) const;
  std::uint64_t lastStamp(int club) const;
  // Whether the club's pick `index` is still the one noted with `stamp` and
  // may be recalled; then useAgain(club, index) recalls it as recall would.
  bool holds(int club, int index, std::uint64_t stamp) const;
  void useAgain(int club, int index);

 private:
  struct Kept {
    bool valid = false;
    std::uint64_t stamp = 0;  // when it was noted; every note has its own
    SquadView squad;
    FormationDigits formation;
    Picks picks;
  };
  struct Club {
    std::array<Kept, 2> kept;
    int last = 0;  // the one recalled or noted last
  };
  std::vector<Club> clubs_;
  std::uint64_t notes_ = 0;
};

// The three steps of a club's pick, in the order teamupdate takes them:
// the line sizes d and m, a selection pass per line (candidates of the line
// from squad slot firstCandidate on fill positions firstIndex..lastIndex),
// then the places still held by someone who cannot play.
void lineSizes(const SquadView& squad, int& d, int& m);
void selectionPass(Picks& picks, const SquadView& squad, Line line, int firstCandidate, int firstIndex, int lastIndex);
void fillUnfitPlaces(Picks& picks, const SquadView& squad, int d, int m);

}  // namespace lineups
}  // namespace kervale
