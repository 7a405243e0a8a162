// The one table of value ranges: one row a name, and the checks it gives.
#include "data/value_ranges.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <stdexcept>
#include <string>

#include "base/csv.h"
#include "base/numbers.h"

namespace {

using kervale::numberProblem;
using kervale::textProblem;
using kervale::valueRange;

TEST(ValueRanges, OneRowANameWithItsBoundsInOrder) {
  std::set<std::string_view> names;
  for (const auto& range : kervale::valueRanges()) {
    EXPECT_TRUE(names.insert(range.name).second) << range.name << " has two rows";
    EXPECT_LE(range.low, range.high) << range.name;
    EXPECT_EQ(&valueRange(range.name), &range) << range.name << " is found under its name";
  }
  EXPECT_THROW(valueRange("NoSuchTable"), std::logic_error);
}

// A data file's value may start only where the most play adds over the
// longest career (302 seasons) still fits a save: a birthday a season, two
// promotions of 5 net each, 30000 seats a season; a season end's development
// (about a match rating, 10, and a tenth of the goals and assists) and
// training (0.04 a working day) on the ratings; a home win's 0.04 on fan
// demand, and a season of away defeats before the first home match's floor;
// three relegations of 5 net below a reputation of 0.
TEST(ValueRanges, DataFilesStartWhereEveryLaterSaveFits) {
  for (const auto& range : kervale::valueRanges()) {
    const auto& file = kervale::dataFileRange(range.name);
    EXPECT_EQ(file.name, range.name);
    EXPECT_GE(file.low, range.low) << range.name;
    EXPECT_LE(file.high, range.high) << range.name;
    if (!range.dataFile) {
      EXPECT_EQ(&file, &range) << range.name;
    }
  }
  const struct {
    const char* name;
    double down;
    double up;
  } growth[] = {{"PlayerAge", 0, 302},
                {"TeamReputation", 15, 10},
                {"StadiumCapacity", 0, 30000 * 302},
                {"PlayerGoalkeeping", 0, 25 * 302},
                {"PlayerDefense", 0, 25 * 302},
                {"PlayerMidfield", 0, 25 * 302},
                {"PlayerAttack", 0, 25 * 302},
                {"PlayerSpeed", 0, 10.4 * 302},
                {"PlayerAwareness", 0, 10.4 * 302},
                {"TeamFanDemand", 0.02 * 104, 0.04 * 104 * 302}};
  std::set<std::string_view> grown;
  for (const auto& g : growth) {
    grown.insert(g.name);
    const auto& file = kervale::dataFileRange(g.name);
    EXPECT_GE(file.low - g.down, valueRange(g.name).low) << g.name;
    EXPECT_LE(file.high + g.up, valueRange(g.name).high) << g.name;
    EXPECT_GT(file.high, 0) << g.name;
  }
  for (const auto& range : kervale::valueRanges()) {
    EXPECT_EQ(grown.contains(range.name), range.dataFile.has_value()) << range.name << ": its growth is named here";
  }
  EXPECT_EQ(numberProblem(kervale::dataFileRange("PlayerAge"), 61), "is 61, outside 0 to 60");
  EXPECT_EQ(numberProblem(valueRange("PlayerAge"), 61), "");
}

// A refusal shows each bound to 15 digits. A bound worked out in doubles may
// miss that decimal by its last bit, and the refusal would then contradict
// itself ("is -14, outside -14 to 25.8").
TEST(ValueRanges, AValueEqualToAShownBoundIsInsideIt) {
  const auto shown = [](double bound) { return kervale::CsvReader("x", kervale::numText(bound)).nextNumber(); };
  for (const auto& row : kervale::valueRanges()) {
    for (const auto* range : {&row, &kervale::dataFileRange(row.name)}) {
      if (range->kind != kervale::ValueKind::Number && range->kind != kervale::ValueKind::Whole) continue;
      EXPECT_EQ(numberProblem(*range, shown(range->low)), "") << row.name;
      EXPECT_EQ(numberProblem(*range, shown(range->high)), "") << row.name;
    }
  }
  EXPECT_EQ(valueRange("TeamMorale").low, -14);
  EXPECT_EQ(numberProblem(valueRange("TeamMorale"), -14.5), "is -14.5, outside -14 to 25.8");
}

// A value one step past a bound is told from it, and no bound is moved inward
// of the one worked out: a save holding that one loaded before and loads still.
TEST(ValueRanges, ARefusalTellsItsValueFromTheBound) {
  for (const auto& row : kervale::valueRanges()) {
    for (const auto* range : {&row, &kervale::dataFileRange(row.name)}) {
      if (range->kind != kervale::ValueKind::Number && range->kind != kervale::ValueKind::Whole) continue;
      for (const double bound : {range->low, range->high}) {
        const double past = std::nextafter(bound, bound == range->low ? -HUGE_VAL : HUGE_VAL);
        const std::string problem = numberProblem(*range, past);
        EXPECT_EQ(problem.find("is " + kervale::numText(bound) + ","), std::string::npos)
            << row.name << ": " << problem;
        EXPECT_NE(problem, "") << row.name;
      }
    }
  }
  const auto& fans = valueRange("TeamFanDemand");
  EXPECT_EQ(numberProblem(fans, -4.0600000000000005), "") << "the bound as worked out";
  EXPECT_EQ(numberProblem(fans, -4.06), "");
  EXPECT_EQ(numberProblem(fans, -4.060000000000001), "is -4.060000000000001, outside -4.06 to 1258.32");
  EXPECT_EQ(numberProblem(fans, 1258.3200000000002), "is 1258.3200000000002, outside -4.06 to 1258.32");
  EXPECT_EQ(numberProblem(valueRange("TeamMorale"), -13.999999999999998), "");
  EXPECT_EQ(numberProblem(valueRange("SponsorFee"), 2147483648.0), "is 2147483648, outside 0 to 2147483647");
  EXPECT_EQ(numberProblem(valueRange("PlayerInjury"), 2.0000000000000004), "is 2.0000000000000004, not a whole number");
}

TEST(ValueRanges, NumbersAndTexts) {
  const struct {
    const char* name;
    double value;
    const char* problem;
  } numbers[] = {
      {"RefStrictness", 0, ""},
      {"RefStrictness", 100, ""},
      {"RefStrictness", -50, "is -50, outside 0 to 100"},
      {"RefStrictness", 1e11, "is 100000000000, outside 0 to 100"},
      {"PlayerInjury", 2.5, "is 2.5, not a whole number"},
      {"PlayerGoalkeeping", 2.5, ""},
      {"PlayoffTeams", 0, "is 0, outside 4 to 8"},
      {"TeamMoney", -1e15, "is -1E+15, outside -100000000000000 to 100000000000000"},
      // What play produces: a club in debt scouts on a negative budget, a
      // player left out passes the form cap, a late goal sinks a keeper's
      // rating below 0, seasons of development take a rating past the skill
      // table's top.
      {"ScoutingFunding", -283, ""},
      {"PlayerForm", 101.2, ""},
      {"MatchRating", -0.6, ""},
      {"MatchRating", 11.1, ""},
      {"PlayerRatingSumSeason", -0.1, ""},
      {"PlayerDefense", 54.65, ""},  // a good defender after a few season ends
      // Five away defeats in a row from the home floor of 0.1, and more.
      {"TeamFanDemand", 0.1 - 5 * 0.02, ""},
      {"TeamFanDemand", -0.3, ""},
      {"TeamReputation", -15, ""},  // three relegations in a row from 0
      {"PlayerAge", 75, ""},        // a free record ageing for decades
      {"CurrentSeason", 101, ""},   // a career past a hundred seasons
      {"TeamFanDemand", -4.2, "is -4.2, outside -4.06 to 1258.32"},
      {"CurrentSeason", 301, "is 301, outside -1 to 300"},
      {"NumNations", 0, "is 0, outside 1 to 285"},
      {"NumSponsors", 0, "is 0, outside 1 to 100"},
  };
  for (const auto& c : numbers) EXPECT_EQ(numberProblem(valueRange(c.name), c.value), c.problem) << c.name;

  EXPECT_EQ(textProblem(valueRange("RefName"), ""), "is empty");
  EXPECT_EQ(textProblem(valueRange("TeamSponsor"), ""), "");
  EXPECT_EQ(textProblem(valueRange("RefName"), "A\rB"), "holds control character 13");
  EXPECT_EQ(textProblem(valueRange("LastResultText"), "A v B\rC v D\n"), "");
  EXPECT_EQ(textProblem(valueRange("LastResultText"), "A\x7f"), "holds control character 127");
  EXPECT_EQ(textProblem(valueRange("TeamName"), "Caf\xc3\xa9"), "");  // UTF-8 is text
  EXPECT_EQ(textProblem(valueRange("TeamColour1"), "&HFF500"), "");
  EXPECT_EQ(textProblem(valueRange("TeamColour1"), ""), "");  // club 0 has none
  EXPECT_EQ(textProblem(valueRange("TeamColour2"), "Caf\xc3\xa9\r"), "is \"Caf???\", not a colour (&H and hex digits)");
  EXPECT_EQ(textProblem(valueRange("TeamName"), "&HFF500x"), "") << "only colour rows hold colours";
}

}  // namespace
