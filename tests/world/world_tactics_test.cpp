// Tactics, flows, formations and positions: the tables the match reads every
// minute and the computer line-ups choose from.
#include <gtest/gtest.h>

#include <array>
#include <cctype>
#include <set>

#include "world_files.h"

namespace kervale::worldtest {
namespace {

struct Flows {
  int count = 0;
  // table[t][zone][flow][side]: t 1..4, zone 1..25, flow 1..8, side 1..2
  double table[5][26][9][3] = {};
};

Flows readFlows() {
  Flows flows;
  CsvReader in = openWorldFile("flow.dat");
  flows.count = in.nextInt16();
  if (flows.count < 1 || flows.count > 8) in.fail("holds " + std::to_string(flows.count) + " flows");
  for (int f = 1; f <= flows.count; ++f) {
    if (in.nextText().empty()) in.fail("flow " + std::to_string(f) + " has no name");
    for (int t = 1; t <= 4; ++t) {
      for (int side : {2, 1}) {
        for (int zone = 1; zone <= 25; ++zone) flows.table[t][zone][f][side] = in.nextNumber();
      }
    }
  }
  if (!in.atEnd()) in.fail("holds more than its flows");
  return flows;
}

struct Positions {
  int count = 0, rows = 0;
  std::vector<std::string> names;
  std::vector<double> pickWeight;
  std::vector<std::array<double, 3>> firstRow;  // factors of flow 1
  std::vector<std::vector<std::array<double, 3>>> factors;
};

Positions readPositions() {
  Positions p;
  CsvReader in = openWorldFile("Position.dat");
  p.count = in.nextInt16();
  p.rows = in.nextInt16();
  p.names.resize(p.count + 1);
  p.pickWeight.resize(p.count + 1);
  p.factors.resize(p.count + 1);
  for (int i = 1; i <= p.count; ++i) {
    p.names[i] = in.nextText();
    p.pickWeight[i] = in.nextNumber();
    for (int k = 0; k < 3; ++k) in.next();  // not kept
    p.factors[i].resize(p.rows + 1);
    for (int j = 1; j <= p.rows; ++j) {
      for (double& factor : p.factors[i][j]) factor = in.nextNumber();
    }
  }
  if (!in.atEnd()) in.fail("holds more than its positions");
  return p;
}

// 0 defence, 1 midfield, 2 attack: what the position weighs most.
int lineOf(const Positions& p, int position) {
  const auto& f = p.factors[position][1];
  if (f[0] >= f[1] && f[0] >= f[2]) return 0;
  return f[1] >= f[2] ? 1 : 2;
}

TEST(WorldTactics, TacticsScaleEveryRating) {
  CsvReader in = openWorldFile("tactics.dat");
  const int count = in.nextInt16();
  // The loader never draws the last tactic for a computer club.
  EXPECT_GE(count, 2);
  EXPECT_LE(count, 30);
  for (int t = 1; t <= count; ++t) {
    EXPECT_FALSE(in.nextText().empty());
    for (int k = 0; k < 3; ++k) {
      const double factor = in.nextNumber();
      EXPECT_GT(factor, 0) << "tactic " << t;
      EXPECT_LT(factor, 2) << "tactic " << t;
    }
  }
  EXPECT_TRUE(in.atEnd());
}

// The ball moves by FlowTable1 when a side wins it. From every zone, and so
// from every restart zone, a side that keeps winning reaches its attacking
// zone (15 at home, 11 away) without going round in circles, and stays there.
TEST(WorldTactics, EveryFlowLeadsEachSideToItsAttackingZone) {
  const Flows flows = readFlows();
  ASSERT_GE(flows.count, 4) << "flows 3 and 4 stand in for a formation's flow 6";
  for (int f = 1; f <= flows.count; ++f) {
    for (int side = 1; side <= 2; ++side) {
      const int goal = side == 1 ? 15 : 11;
      EXPECT_EQ(flows.table[1][goal][f][side], goal) << "flow " << f << " side " << side;
      for (int start = 1; start <= 25; ++start) {
        SCOPED_TRACE("flow " + std::to_string(f) + " side " + std::to_string(side) + " from zone " +
                     std::to_string(start));
        std::set<int> seen;
        int zone = start;
        while (zone != goal) {
          ASSERT_TRUE(seen.insert(zone).second) << "the ball goes round in circles at zone " << zone;
          const double next = flows.table[1][zone][f][side];
          ASSERT_EQ(next, static_cast<int>(next));
          ASSERT_GE(next, 1);
          ASSERT_LE(next, 25);
          zone = static_cast<int>(next);
        }
      }
    }
  }
}

// Moves a side that keeps winning the ball needs from a zone to its attacking zone.
int movesToAttack(const Flows& flows, int flow, int side, int zone) {
  const int goal = side == 1 ? 15 : 11;
  int moves = 0;
  for (; zone != goal && moves <= 25; ++moves) zone = static_cast<int>(flows.table[1][zone][flow][side]);
  return moves;
}

// A flow that carries the ball into the attack in fewer moves than the others
// wins its club every season by scoring four a game.
TEST(WorldTactics, NoFlowReachesTheAttackMuchSoonerThanTheBalancedOne) {
  const Flows flows = readFlows();
  for (int f = 1; f <= flows.count; ++f) {
    for (int side = 1; side <= 2; ++side) {
      for (int zone = 1; zone <= 25; ++zone) {
        SCOPED_TRACE("flow " + std::to_string(f) + " side " + std::to_string(side) + " zone " + std::to_string(zone));
        const int moves = movesToAttack(flows, f, side, zone);
        EXPECT_GE(moves, movesToAttack(flows, 1, side, zone) - 1);
        // Play restarts in the middle column after every attack.
        if (zone % 5 == 3) {
          EXPECT_GE(moves, 2);
        }
      }
    }
  }
}

TEST(WorldTactics, FlowWeightsGiveBothSidesAShareEverywhere) {
  // A side with no weight at an attacking zone would repeat the contest there
  // for ever.
  const Flows flows = readFlows();
  for (int f = 1; f <= flows.count; ++f) {
    for (int t = 2; t <= 4; ++t) {
      for (int zone = 1; zone <= 25; ++zone) {
        for (int side = 1; side <= 2; ++side) {
          EXPECT_GT(flows.table[t][zone][f][side], 0) << "table " << t << " zone " << zone << " flow " << f;
          EXPECT_LT(flows.table[t][zone][f][side], 2) << "table " << t << " zone " << zone << " flow " << f;
        }
      }
    }
  }
}

TEST(WorldTactics, PositionsHaveFactorsForEveryFlow) {
  const Positions p = readPositions();
  const Flows flows = readFlows();
  EXPECT_GE(p.count, 1);
  EXPECT_LE(p.count, 24);
  EXPECT_GE(p.rows, flows.count);
  EXPECT_LE(p.rows, 8);
  for (int i = 1; i <= p.count; ++i) {
    EXPECT_FALSE(p.names[i].empty());
    EXPECT_GT(p.pickWeight[i], 0) << p.names[i];
    for (int j = 1; j <= p.rows; ++j) {
      for (double factor : p.factors[i][j]) {
        EXPECT_GE(factor, 0) << p.names[i];
        EXPECT_LE(factor, 2) << p.names[i];
      }
      EXPECT_GT(p.factors[i][j][0] + p.factors[i][j][1] + p.factors[i][j][2], 0) << p.names[i];
    }
  }
}

TEST(WorldTactics, FormationsCoverEveryLineUpTheComputerPicks) {
  const Positions positions = readPositions();
  const Flows flows = readFlows();
  CsvReader in = openWorldFile("formation.dat");
  const int count = in.nextInt16();
  ASSERT_GE(count, 1);
  ASSERT_LE(count, 50);
  std::set<std::pair<int, int>> shapes;
  for (int f = 1; f <= count; ++f) {
    const std::string name = in.nextText();
    SCOPED_TRACE("formation " + name);
    // The computer line-ups read the defender count from character 1 and the
    // midfield count from character 3.
    ASSERT_GE(name.size(), 5u);
    ASSERT_TRUE(std::isdigit(static_cast<unsigned char>(name[0])) && name[1] == '-' &&
                std::isdigit(static_cast<unsigned char>(name[2])) && name[3] == '-' &&
                std::isdigit(static_cast<unsigned char>(name[4])));
    const int d = name[0] - '0', m = name[2] - '0', a = name[4] - '0';
    EXPECT_EQ(d + m + a, 10);
    shapes.insert({d, m});
    int lines[3] = {};
    int previousLine = 0;
    for (int slot = 1; slot <= 10; ++slot) {
      const double position = in.nextNumber();
      ASSERT_GE(position, 1);
      ASSERT_LE(position, positions.count);
      const int line = lineOf(positions, static_cast<int>(position));
      if (slot == 4 && d == 3) {
        // The match takes rows 1..4 as its defenders: the fourth man of a
        // back three is a midfielder who defends.
        EXPECT_GE(positions.factors[static_cast<int>(position)][1][0], 0.5) << "slot 4 of a back three";
      }
      EXPECT_GE(line, previousLine) << "slot " << slot << " breaks the order defence, midfield, attack";
      previousLine = line;
      ++lines[line];
    }
    EXPECT_EQ(lines[0], d);
    EXPECT_EQ(lines[1], m);
    EXPECT_EQ(lines[2], a);
    const double flow = in.nextNumber();
    EXPECT_GE(flow, 1);
    EXPECT_LE(flow, flows.count);
  }
  EXPECT_TRUE(in.atEnd());
  for (int d = 3; d <= 5; ++d) {
    for (int m = 2; m <= 5; ++m) EXPECT_TRUE(shapes.count({d, m})) << d << "-" << m << " is missing";
  }
}

}  // namespace
}  // namespace kervale::worldtest
