// Every input of a side's strength rows counts from the next minute, for the
// first and the last row and for either side: a flow, a tactic, a position or
// a skill changed between two minutes gives the values that the same change
// made before the first minute gives.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "match_fixture.h"

namespace kervale::test {
namespace {

struct Change {
  std::string what;
  std::function<void(MatchEngine&)> apply;
};

// Both sides' defence, midfield and attack values of rows 1..10.
std::vector<double> values(const MatchEngine& m) {
  std::vector<double> v;
  for (int i = 1; i <= 10; ++i) {
    v.insert(v.end(), {m.homedefvalue(i), static_cast<double>(m.homemidvalue(i)), m.homeattvalue(i), m.awaydefvalue(i),
                       m.awaymidvalue(i), m.awayattvalue(i)});
  }
  return v;
}

// Two minutes of a fresh match, the change made before minute `at` (0: none).
std::vector<double> twoMinutes(const Change& change, int at) {
  buildMatchGame();
  MLSModule& g = mls();
  for (int p = 1; p <= 3; ++p) {
    for (int k = 1; k <= 3; ++k) g.PositionFactor(p, 2, k) = 0.5 * g.PositionFactor(p, 1, k) + 0.25;
  }
  rng().seed(4711);
  rng().script({0, 0, 0, 0});
  auto match = std::make_unique<MatchEngine>();
  match->hometeam = kHome;
  match->awayteam = kAway;
  EXPECT_TRUE(match->setupMatch());
  for (int minute = 1; minute <= 2; ++minute) {
    if (minute == at) change.apply(*match);
    match->rebuildStrengths();
  }
  std::vector<double> v = values(*match);
  rng().clearScript();
  replaceGame(nullptr);
  return v;
}

std::vector<Change> changes() {
  std::vector<Change> all;
  for (int club : {kHome, kAway}) {
    const bool home = club == kHome;
    const std::string side = home ? "home " : "away ";
    all.push_back({side + "flow", [club](MatchEngine&) { mls().TeamFlow(club) = 2; }});
    all.push_back({side + "tactic", [club](MatchEngine&) { mls().TeamTactic(club) = 2; }});
    for (int row : {1, 10}) {
      const std::string at = " of row " + std::to_string(row);
      all.push_back(
          {side + "position" + at, [club, row](MatchEngine&) { mls().TeamPosition(row, club) = row == 1 ? 3 : 1; }});
      all.push_back({side + "defence" + at,
                     [home, row](MatchEngine& m) { (home ? m.homedefskill(row) : m.awaydefskill(row)) += 3; }});
      all.push_back({side + "midfield" + at, [home, row](MatchEngine& m) {
                       if (home) {
                         m.homemidskill(row) += 3;
                       } else {
                         m.awaymidskill(row) += 3;
                       }
                     }});
      all.push_back({side + "attack" + at,
                     [home, row](MatchEngine& m) { (home ? m.homeattskill(row) : m.awayattskill(row)) += 3; }});
    }
  }
  return all;
}

TEST(StrengthInputs, AChangeBetweenMinutesCountsFromTheNextMinute) {
  ScriptedDialogs dialogs;
  const std::vector<double> unchanged = twoMinutes({"nothing", [](MatchEngine&) {}}, 0);
  for (const Change& change : changes()) {
    const std::vector<double> fromTheStart = twoMinutes(change, 1);
    EXPECT_NE(fromTheStart, unchanged) << change.what << " changes the values";
    EXPECT_EQ(twoMinutes(change, 2), fromTheStart) << change.what << " made after the first minute";
  }
}

}  // namespace
}  // namespace kervale::test
