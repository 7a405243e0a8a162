// Tactics, flows, formations and positions: the tables the match engine is
// tuned through. Factors are written in hundredths.
#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "base/csv.h"
#include "world.h"

namespace kervale::worldgen {

namespace {

double hundredths(double value) { return std::floor(value * 100 + 0.5) / 100; }

// ---------------------------------------------------------------- tactics

struct Tactic {
  const char* name;
  double defence, midfield, attack;
};

// The last tactic is never drawn for a computer club, so it is the extreme one.
const Tactic kTactics[] = {
    {"Balanced", 1.00, 1.00, 1.00},       {"Defensive", 1.20, 0.95, 0.80},      {"Attacking", 0.85, 1.00, 1.20},
    {"Counter Attack", 1.10, 0.90, 1.05}, {"Possession", 0.95, 1.15, 0.90},     {"Pressing", 1.05, 1.10, 0.90},
    {"Long Ball", 1.00, 0.80, 1.15},      {"All Out Attack", 0.70, 0.95, 1.35},
};

// ---------------------------------------------------------------- flows

enum Flow { kBalanced = 1, kWings, kMiddle, kShortPassing, kLongBall, kCounter };
const char* const kFlowNames[] = {"",          "Balanced",      "Down the Wings", "Through the Middle", "Short Passing",
                                  "Long Ball", "Counter Attack"};
constexpr int kFlowCount = 6;

int towardCentre(int row) { return row < 3 ? row + 1 : row > 3 ? row - 1 : 3; }
int towardWing(int row, int column) {
  if (row < 3) return std::max(1, row - 1);
  if (row > 3) return std::min(5, row + 1);
  return column % 2 == 1 ? 2 : 4;
}

// Next zone of the home side, which attacks the right end (zone 15 is row 3
// of column 5). Every move either advances a column or, without going back,
// brings the ball nearer row 3, so every zone leads to zone 15. The flows
// differ in the rows they use and in their weights more than in speed: none
// is more than a move quicker than the balanced flow, and from the middle
// column, where play restarts, each needs two moves. A flow that skipped a
// column there won its clubs their league scoring four goals a game.
std::pair<int, int> homeMove(int flow, int row, int column) {
  if (column == 5) return {towardCentre(row), 5};
  switch (flow) {
    case kWings:
      if (column == 4) return {towardCentre(row), 5};
      return {towardWing(row, column), column + 1};
    case kMiddle:
    case kShortPassing:
      return {towardCentre(row), column + 1};
    case kLongBall:
      return {3, column + 1};  // long balls to the centre forward
    case kCounter:
      if (column <= 2) return {row, column + 2};
      return {towardCentre(row), column + 1};
    default:  // balanced
      return {column >= 3 ? towardCentre(row) : row, column + 1};
  }
}

int zoneOf(int row, int column) { return 5 * (row - 1) + column; }

// The next zone of a side; the away side mirrors the home side and attacks
// zone 11.
int nextZone(int flow, int side, int zone) {
  const int row = (zone - 1) / 5 + 1;
  const int column = (zone - 1) % 5 + 1;
  if (side == 1) {
    const auto [r, c] = homeMove(flow, row, column);
    return zoneOf(r, c);
  }
  const auto [r, c] = homeMove(flow, row, 6 - column);
  return zoneOf(r, 6 - c);
}

// Weight of a side's defence (k = 0), midfield (1) or attack (2) total in a
// zone, by how far up the pitch the zone lies for that side (depth 0 its own
// end, 4 the end it attacks) and by the row across the pitch.
double zoneWeight(int flow, int k, int depth, int row) {
  static const double base[3][5] = {
      {1.25, 1.10, 0.90, 0.75, 0.70},  // defence
      {0.70, 0.90, 1.10, 0.90, 0.70},  // midfield
      {0.60, 0.75, 0.90, 1.10, 1.25},  // attack
  };
  double weight = base[k][depth];
  const bool wide = row == 1 || row == 5;
  switch (flow) {
    case kWings:
      weight *= wide ? 1.12 : row == 3 ? 0.88 : 1.0;
      break;
    case kMiddle:
      weight *= wide ? 0.88 : row == 3 ? 1.12 : 1.0;
      break;
    case kShortPassing:
      weight *= k == 1 ? 1.10 : 0.95;
      break;
    case kLongBall:
      weight *= k == 1 ? 0.85 : k == 2 ? 1.10 : 1.05;
      break;
    case kCounter:
      weight *= k == 1 ? 0.90 : k == 0 ? 1.07 : 1.03;
      break;
    default:
      break;
  }
  return hundredths(weight);
}

// ---------------------------------------------------------------- positions

enum PositionId { kSW = 1, kLB, kCB, kRB, kLWB, kRWB, kDM, kLM, kCM, kRM, kAM, kLW, kRW, kSS, kCF, kTM };

struct Position {
  const char* name;
  int pickWeight;
  int line, lateral, depth;  // not read by the game: where the position stands
  double defence, midfield, attack;
  bool wide, central;
};

const Position kPositions[] = {
    {"", 0, 0, 0, 0, 0, 0, 0, false, false},
    {"Sweeper (SW)", 1, 1, 3, 1, 1.00, 0.35, 0.10, false, true},
    {"Left Back (LB)", 2, 1, 1, 2, 0.95, 0.50, 0.30, true, false},
    {"Centre Back (CB)", 1, 1, 3, 2, 1.00, 0.30, 0.15, false, true},
    {"Right Back (RB)", 2, 1, 5, 2, 0.95, 0.50, 0.30, true, false},
    {"Left Wing Back (LWB)", 3, 1, 1, 2, 0.80, 0.60, 0.45, true, false},
    {"Right Wing Back (RWB)", 3, 1, 5, 2, 0.80, 0.60, 0.45, true, false},
    {"Defensive Midfield (DM)", 2, 2, 3, 2, 0.60, 0.95, 0.25, false, true},
    {"Left Midfield (LM)", 4, 2, 1, 3, 0.35, 0.90, 0.60, true, false},
    {"Centre Midfield (CM)", 3, 2, 3, 3, 0.35, 1.00, 0.45, false, true},
    {"Right Midfield (RM)", 4, 2, 5, 3, 0.35, 0.90, 0.60, true, false},
    {"Attacking Midfield (AM)", 6, 2, 3, 4, 0.20, 0.85, 0.80, false, true},
    {"Left Winger (LW)", 8, 3, 1, 4, 0.15, 0.55, 0.95, true, false},
    {"Right Winger (RW)", 8, 3, 5, 4, 0.15, 0.55, 0.95, true, false},
    {"Second Striker (SS)", 9, 3, 3, 4, 0.10, 0.50, 0.95, false, true},
    {"Centre Forward (CF)", 10, 3, 3, 5, 0.10, 0.35, 1.00, false, true},
    {"Target Man (TM)", 9, 3, 3, 5, 0.15, 0.30, 1.00, false, true},
};
constexpr int kPositionCount = 16;

// A position's factors under a flow: each flow favours the players it uses.
std::array<double, 3> positionFactors(int p, int flow) {
  const Position& pos = kPositions[p];
  double d = pos.defence, m = pos.midfield, a = pos.attack;
  switch (flow) {
    case kWings:
      if (pos.wide) a *= 1.15, m *= 1.05;
      if (pos.central && pos.line > 1) a *= 0.95;
      break;
    case kMiddle:
      if (pos.central && pos.line > 1) m *= 1.10, a *= 1.08;
      if (pos.wide) a *= 0.90;
      break;
    case kShortPassing:
      m *= 1.08;
      if (p == kTM) a *= 0.90;
      break;
    case kLongBall:
      if (p == kCF || p == kTM) a *= 1.15;
      if (pos.line == 2) m *= 0.90;
      if (p == kCB || p == kSW) d *= 1.05;
      break;
    case kCounter:
      if (pos.line == 1) d *= 1.08;
      if (pos.line == 3) a *= 1.08;
      if (pos.line == 2) m *= 0.92;
      break;
    default:
      break;
  }
  return {hundredths(d), hundredths(m), hundredths(a)};
}

// ---------------------------------------------------------------- formations

// Positions of a formation in the order defence, midfield, attack. With three
// defenders the fourth position is a defensive midfielder, since the match
// takes outfield rows 1..4 as its defenders.
std::vector<int> formationPositions(int defenders, int midfielders) {
  std::vector<int> result;
  switch (defenders) {
    case 3:
      result = {kCB, kSW, kCB};
      break;
    case 4:
      result = {kLB, kCB, kCB, kRB};
      break;
    default:
      result = {kLWB, kCB, kSW, kCB, kRWB};
      break;
  }
  const bool back3 = defenders == 3;
  switch (midfielders) {
    case 2:
      result.insert(result.end(), {kDM, kCM});
      break;
    case 3:
      back3 ? result.insert(result.end(), {kDM, kCM, kAM}) : result.insert(result.end(), {kLM, kCM, kRM});
      break;
    case 4:
      back3 ? result.insert(result.end(), {kDM, kLM, kRM, kAM}) : result.insert(result.end(), {kLM, kCM, kCM, kRM});
      break;
    default:
      back3 ? result.insert(result.end(), {kDM, kLM, kCM, kRM, kAM})
            : result.insert(result.end(), {kLM, kDM, kCM, kRM, kAM});
      break;
  }
  switch (10 - defenders - midfielders) {
    case 0:
      break;
    case 1:
      result.push_back(kCF);
      break;
    case 2:
      result.insert(result.end(), {kCF, kSS});
      break;
    case 3:
      result.insert(result.end(), {kLW, kCF, kRW});
      break;
    case 4:
      result.insert(result.end(), {kLW, kCF, kSS, kRW});
      break;
    default:
      result.insert(result.end(), {kLW, kSS, kCF, kTM, kRW});
      break;
  }
  return result;
}

struct Formation {
  int defenders, midfielders;
  int flow;
};

// Every defender count 3..5 with every midfield count 2..5: the computer
// clubs look for a formation by these two counts.
const Formation kFormations[] = {
    {4, 4, kBalanced}, {4, 3, kMiddle},  {3, 5, kShortPassing}, {4, 5, kShortPassing},
    {5, 3, kCounter},  {3, 4, kWings},   {4, 2, kLongBall},     {5, 4, kCounter},
    {3, 3, kWings},    {5, 2, kCounter}, {5, 5, kShortPassing}, {3, 2, kLongBall},
};

}  // namespace

void addTacticalFiles(DataFiles& files) {
  CsvWriter tactics;
  tactics.number(static_cast<int>(std::size(kTactics))).endRecord();
  for (const Tactic& t : kTactics)
    tactics.text(t.name).number(t.defence).number(t.midfield).number(t.attack).endRecord();
  files["tactics.dat"] = tactics.content();

  CsvWriter flows;
  flows.number(kFlowCount).endRecord();
  for (int f = 1; f <= kFlowCount; ++f) {
    flows.text(kFlowNames[f]).endRecord();
    for (int table = 1; table <= 4; ++table) {
      for (int side : {2, 1}) {
        for (int row = 1; row <= 5; ++row) {
          for (int column = 1; column <= 5; ++column) {
            const int zone = zoneOf(row, column);
            if (table == 1) {
              flows.number(nextZone(f, side, zone));
            } else {
              const int depth = side == 1 ? column - 1 : 5 - column;
              flows.number(zoneWeight(f, table - 2, depth, row));
            }
          }
          flows.endRecord();
        }
      }
    }
  }
  files["flow.dat"] = flows.content();

  CsvWriter formations;
  formations.number(static_cast<int>(std::size(kFormations))).endRecord();
  for (const Formation& f : kFormations) {
    const int attackers = 10 - f.defenders - f.midfielders;
    formations.text(std::to_string(f.defenders) + "-" + std::to_string(f.midfielders) + "-" +
                    std::to_string(attackers));
    for (int p : formationPositions(f.defenders, f.midfielders)) formations.number(p);
    formations.number(f.flow).endRecord();
  }
  files["formation.dat"] = formations.content();

  CsvWriter positions;
  positions.number(kPositionCount).number(kFlowCount).endRecord();
  for (int p = 1; p <= kPositionCount; ++p) {
    const Position& pos = kPositions[p];
    positions.text(pos.name).number(pos.pickWeight).number(pos.line).number(pos.lateral).number(pos.depth);
    for (int f = 1; f <= kFlowCount; ++f) {
      for (double factor : positionFactors(p, f)) positions.number(factor);
    }
    positions.endRecord();
  }
  files["Position.dat"] = positions.content();
}

}  // namespace kervale::worldgen
