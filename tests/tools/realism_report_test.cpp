// The realism report's sums and aims, fed made-up runs: each bound of an aim
// is checked, the lower as well as the upper.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

const fs::path kScript = fs::path(KERVALE_WORLD_DIR).parent_path() / "scripts" / "realism-report.awk";

// Ten matches a club, so that points / 10 is its points a game.
std::string table(const std::string& league, int season, int place, int club, int points) {
  return "seed=1 table=" + league + " season=" + std::to_string(season) + " final=1 place=" + std::to_string(place) +
         " club=" + std::to_string(club) + " played=10 won=0 drawn=0 lost=10 goalsfor=" + std::to_string(place) +
         " goalsagainst=0 points=" + std::to_string(points) + " team=Club " + std::to_string(club);
}

std::string result(const std::string& league, int season, int home, int away) {
  return "seed=1 result=" + league + " season=" + std::to_string(season) +
         " final=1 round=1 home=1 away=2 score=" + std::to_string(home) + "-" + std::to_string(away);
}

// A league of four clubs with these points and matches with these scores.
std::vector<std::string> league(const std::string& name, int season, const std::vector<int>& points,
                                const std::vector<std::pair<int, int>>& scores) {
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < points.size(); ++i) {
    lines.push_back(table(name, season, static_cast<int>(i) + 1, static_cast<int>(i) + 1, points[i]));
  }
  for (const auto& [home, away] : scores) lines.push_back(result(name, season, home, away));
  return lines;
}

// The report's lines for the input lines; long=1 for several seasons.
std::vector<std::string> report(const std::vector<std::string>& input, bool several) {
  const kervale::test::TempDir scratch;
  std::string text;
  for (const std::string& line : input) text += line + "\n";
  const fs::path in = scratch.write("runs", text);
  const std::string command =
      "awk -v long=" + std::string(several ? "1" : "0") + " -f '" + kScript.string() + "' <'" + in.string() + "'";
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  std::vector<std::string> lines;
  if (!pipe) return lines;
  std::string line;
  for (int c; (c = std::fgetc(pipe.get())) != EOF;) {
    if (c != '\n') {
      line += static_cast<char>(c);
    } else {
      lines.push_back(line);
      line.clear();
    }
  }
  return lines;
}

// The line of one season and league (or squads), "" when there is none.
std::string rowOf(const std::vector<std::string>& lines, int season, const std::string& name) {
  for (const std::string& line : lines) {
    char head[64];
    std::snprintf(head, sizeof head, "%6d %-15s", season, name.c_str());
    if (line.rfind(head, 0) == 0) return line;
  }
  return "";
}

bool ends(const std::string& line, const std::string& tail) {
  return line.size() >= tail.size() && line.compare(line.size() - tail.size(), tail.size(), tail) == 0;
}

const std::vector<std::pair<int, int>> kCloseScores = {{1, 0}, {2, 2}, {0, 1}, {3, 1}, {1, 1}};

TEST(RealismReport, ASeasonChecksBothBoundsOfEachAim) {
  // Champion 2.2 points a game, spread 0.44: inside both aims.
  auto input = league("premiership", 1, {22, 13, 12, 11}, kCloseScores);
  // Champion 1.8, spread 0.19: below both lower bounds of the other leagues.
  for (const auto& line : league("division-one", 1, {18, 14, 13, 11}, kCloseScores)) input.push_back(line);
  // Champion 2.7, spread 0.68: above both upper bounds.
  for (const auto& line : league("mls", 1, {27, 16, 10, 5}, kCloseScores)) input.push_back(line);
  const auto lines = report(input, false);

  const std::string premiership = rowOf(lines, 1, "premiership");
  EXPECT_NE(premiership.find("   2.20 "), std::string::npos) << premiership;
  EXPECT_NE(premiership.find(" 0.439 "), std::string::npos) << premiership;
  EXPECT_TRUE(ends(premiership, "reached")) << premiership;
  EXPECT_TRUE(ends(rowOf(lines, 1, "division-one"), "missed: champion_points spread"))
      << rowOf(lines, 1, "division-one");
  EXPECT_TRUE(ends(rowOf(lines, 1, "mls"), "missed: champion_points spread")) << rowOf(lines, 1, "mls");

  // The Premiership's champion at 2.0 and spread 0.35 fall below its own
  // bounds, which are above the other leagues'.
  const auto low = report(league("premiership", 1, {20, 13, 12, 11}, kCloseScores), false);
  EXPECT_TRUE(ends(rowOf(low, 1, "premiership"), "missed: champion_points spread")) << rowOf(low, 1, "premiership");
}

TEST(RealismReport, TheTopFlightIsTheWidestAndRarelyWonByFour) {
  // Two matches of five won by four or more: 40%.
  auto input = league("premiership", 1, {22, 13, 12, 11}, {{4, 0}, {0, 5}, {1, 1}, {2, 1}, {0, 0}});
  // A lower division spread wider than the Premiership.
  for (const auto& line : league("division-two", 1, {24, 14, 8, 5}, kCloseScores)) input.push_back(line);
  const auto lines = report(input, false);
  const std::string premiership = rowOf(lines, 1, "premiership");
  EXPECT_NE(premiership.find(" 40.0% "), std::string::npos) << premiership;
  EXPECT_NE(premiership.find("    5-0 "), std::string::npos) << "the largest win" << premiership;
  EXPECT_TRUE(ends(premiership, "missed: by_4+ widest")) << premiership;
}

TEST(RealismReport, SeveralSeasonsCheckBigWinsSquadsAndStoppedRuns) {
  // Season 1 with close matches; season 2 with one win by ten of five.
  auto input = league("a-league", 1, {22, 13, 12, 11}, kCloseScores);
  for (const auto& line : league("a-league", 2, {22, 13, 12, 11}, {{10, 0}, {1, 1}, {2, 1}, {0, 1}, {1, 0}})) {
    input.push_back(line);
  }
  input.push_back("seed=1 squads=1 smallest=18 club=4 short=0");
  input.push_back("seed=1 squads=2 smallest=15 club=9 short=2");
  input.push_back("seed=2 squads=2 smallest=17 club=5 short=0");
  input.push_back("seed=2 stopped=error: day 4049: the squad has 10 fit players");
  const auto lines = report(input, true);

  EXPECT_TRUE(ends(rowOf(lines, 1, "a-league"), "reached")) << rowOf(lines, 1, "a-league");
  const std::string second = rowOf(lines, 2, "a-league");
  EXPECT_NE(second.find(" 20.00% "), std::string::npos) << second;
  EXPECT_TRUE(ends(second, "missed: by_4+ by_10+")) << second;
  EXPECT_TRUE(ends(rowOf(lines, 1, "squads"), "reached")) << rowOf(lines, 1, "squads");
  const std::string squads = rowOf(lines, 2, "squads");
  EXPECT_NE(squads.find("smallest 15 named, 2 below their floor over 2 seeds"), std::string::npos) << squads;
  EXPECT_TRUE(ends(squads, "missed: squads")) << squads;
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[lines.size() - 2], "stopped: seed 2: error: day 4049: the squad has 10 fit players");
  EXPECT_EQ(lines.back(), "aims: missed 2 rows, 1 runs stopped");
}

TEST(RealismReport, OverSeveralSeasonsTheTopFlightIsMeasuredInTheNamedSeasons) {
  // The same narrow table (champion 20 of 10 games) in seasons 4 and 5.
  auto input = league("premiership", 4, {20, 13, 12, 11}, kCloseScores);
  for (const auto& line : league("premiership", 5, {20, 13, 12, 11}, kCloseScores)) input.push_back(line);
  const auto lines = report(input, true);
  EXPECT_TRUE(ends(rowOf(lines, 4, "premiership"), "reached")) << rowOf(lines, 4, "premiership");
  EXPECT_TRUE(ends(rowOf(lines, 5, "premiership"), "missed: champion_points spread")) << rowOf(lines, 5, "premiership");
}

// A season's sides: club-seasons of a hundred with a league match below 11
// and below 14 (1% at most), cup sides below 11, and the keeperless sides
// among the defeats by ten or more.
TEST(RealismReport, TheSidesFieldedCheckElevenFourteenAndKeeperlessDefeats) {
  std::vector<std::string> input;
  const std::vector<std::pair<int, int>> tenNil = {{10, 0}, {1, 1}, {2, 1}, {0, 1}, {1, 0}};
  for (int season = 1; season <= 3; ++season) {
    for (const auto& line : league("a-league", season, {22, 13, 12, 11}, season == 2 ? tenNil : kCloseScores)) {
      input.push_back(line);
    }
    for (int club = 1; club <= 100; ++club) {
      const bool short14 = (season == 2 && club == 5) || (season == 3 && club <= 2);
      const int cup = season == 2 && club == 6 ? 10 : -1;
      input.push_back("seed=1 fielded=" + std::to_string(season) + " club=" + std::to_string(club) +
                      " start=18 league_fewest=" + (short14 ? "13" : "16") + " cup_fewest=" + std::to_string(cup));
    }
  }
  input.push_back("seed=1 nokeeper=2 round=1 club=2");  // the side beaten 10-0
  input.push_back("seed=1 nokeeper=3 round=1 club=1");
  const auto lines = report(input, true);
  EXPECT_EQ(rowOf(lines, 1, "fielded"),
            "     1 fielded         fewest 16 own, 0 of 100 club-seasons below 11 and 0 below 14 (0.0%), 0 cup "
            "club-seasons below 11, 0 sides without a fit keeper (0 of the 0 defeats by 10+)  reached");
  const std::string second = rowOf(lines, 2, "fielded");
  EXPECT_NE(second.find("fewest 13 own, 0 of 100 club-seasons below 11 and 1 below 14 (1.0%), 1 cup"),
            std::string::npos)
      << second;
  EXPECT_NE(second.find("1 sides without a fit keeper (1 of the 1 defeats by 10+)"), std::string::npos) << second;
  EXPECT_TRUE(ends(second, "missed: below_11")) << second;
  const std::string third = rowOf(lines, 3, "fielded");
  EXPECT_NE(third.find("2 below 14 (2.0%)"), std::string::npos) << third;
  EXPECT_TRUE(ends(third, "missed: below_14")) << third;
}

}  // namespace
