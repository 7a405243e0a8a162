// kervale-sim's league tables and league results.
#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "sim_run.h"

namespace {

using kervale::test::SimRun;

// The key=value fields of one line; the team name, last, may hold blanks.
std::map<std::string, std::string> fields(const std::string& line) {
  std::map<std::string, std::string> result;
  const auto team = line.find(" team=");
  std::istringstream words(line.substr(0, team));
  for (std::string word; words >> word;) {
    const auto eq = word.find('=');
    if (eq != std::string::npos) result[word.substr(0, eq)] = word.substr(eq + 1);
  }
  if (team != std::string::npos) result["team"] = line.substr(team + 6);
  return result;
}

int number(const std::map<std::string, std::string>& f, const std::string& key) { return std::stoi(f.at(key)); }

struct Row {
  int place = 0, club = 0, played = 0, won = 0, drawn = 0, lost = 0, goalsFor = 0, goalsAgainst = 0, points = 0;
  bool final = false;
};

Row rowOf(const std::map<std::string, std::string>& f) {
  return {number(f, "place"),  number(f, "club"),   number(f, "played"),   number(f, "won"),
          number(f, "drawn"),  number(f, "lost"),   number(f, "goalsfor"), number(f, "goalsagainst"),
          number(f, "points"), f.at("final") == "1"};
}

// Table rows by league and season ("premiership/1"), in printed order.
std::map<std::string, std::vector<Row>> tables(const SimRun& run) {
  std::map<std::string, std::vector<Row>> result;
  for (const std::string& line : run.all("table")) {
    const auto f = fields("table=" + line);
    result[f.at("table") + "/" + f.at("season")].push_back(rowOf(f));
  }
  return result;
}

// The same tallies, counted from the result lines.
std::map<std::string, std::map<int, Row>> tallies(const SimRun& run) {
  std::map<std::string, std::map<int, Row>> result;
  for (const std::string& line : run.all("result")) {
    const auto f = fields("result=" + line);
    const std::string score = f.at("score");
    const int home = std::stoi(score.substr(0, score.find('-')));
    const int away = std::stoi(score.substr(score.find('-') + 1));
    auto& league = result[f.at("result") + "/" + f.at("season")];
    for (const auto& [club, scored, conceded] :
         {std::tuple{number(f, "home"), home, away}, std::tuple{number(f, "away"), away, home}}) {
      Row& row = league[club];
      ++row.played;
      row.goalsFor += scored;
      row.goalsAgainst += conceded;
      row.points += scored > conceded ? 3 : scored == conceded ? 1 : 0;
    }
  }
  return result;
}

SimRun sim(const std::vector<std::string>& more) {
  std::vector<std::string> args = {"--world", KERVALE_WORLD_DIR, "--seed", "3"};
  args.insert(args.end(), more.begin(), more.end());
  return kervale::test::runSim(args);
}

TEST(SimTables, AgreeWithTheGamesCountersAndWithTheirResults) {
  const SimRun run = sim({"--club", "60", "--days", "60", "--tables", "--results"});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto all = tables(run);
  ASSERT_TRUE(all.count("premiership/1"));
  const auto counted = tallies(run);
  const auto values = run.values();
  bool userSeen = false;
  for (const auto& [league, rows] : all) {
    SCOPED_TRACE(league);
    int won = 0, lost = 0, scored = 0, conceded = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
      const Row& r = rows[i];
      EXPECT_FALSE(r.final) << "no season ended in 60 days";
      EXPECT_EQ(r.place, static_cast<int>(i) + 1);
      EXPECT_EQ(r.played, r.won + r.drawn + r.lost);
      EXPECT_EQ(r.points, 3 * r.won + r.drawn);
      // Rounds before the game's start were never played.
      EXPECT_LE(r.played, std::stoi(values.at("matchdays"))) << "club " << r.club;
      if (i > 0) {
        EXPECT_LE(r.points, rows[i - 1].points) << "place " << r.place;
      }
      won += r.won, lost += r.lost, scored += r.goalsFor, conceded += r.goalsAgainst;
      const Row& tally = counted.at(league).at(r.club);
      EXPECT_EQ(tally.played, r.played) << "club " << r.club;
      EXPECT_EQ(tally.goalsFor, r.goalsFor) << "club " << r.club;
      EXPECT_EQ(tally.goalsAgainst, r.goalsAgainst) << "club " << r.club;
      EXPECT_EQ(tally.points, r.points) << "club " << r.club;
      if (r.club != 60) continue;
      // The user's club: the counters the hub keeps.
      userSeen = true;
      EXPECT_EQ(std::to_string(r.played), values.at("games"));
      EXPECT_EQ(std::to_string(r.won), values.at("wins"));
      EXPECT_EQ(std::to_string(r.drawn), values.at("draws"));
      EXPECT_EQ(std::to_string(r.lost), values.at("losses"));
      EXPECT_EQ(std::to_string(r.goalsFor), values.at("goalsfor"));
      EXPECT_EQ(std::to_string(r.goalsAgainst), values.at("goalsagainst"));
      EXPECT_EQ(std::to_string(r.points), values.at("points"));
    }
    EXPECT_EQ(won, lost);
    EXPECT_EQ(scored, conceded);
  }
  EXPECT_TRUE(userSeen);
  EXPECT_GT(std::stoi(values.at("games")), 0);

  // Each match once, from its home club: home sides win more often.
  int homeWins = 0, awayWins = 0;
  for (const std::string& line : run.all("result")) {
    const std::string score = fields("result=" + line).at("score");
    const int home = std::stoi(score.substr(0, score.find('-')));
    const int away = std::stoi(score.substr(score.find('-') + 1));
    homeWins += home > away ? 1 : 0;
    awayWins += home < away ? 1 : 0;
  }
  EXPECT_GT(homeWins, awayWins * 5 / 4);

  const SimRun plain = sim({"--club", "60", "--days", "60"});
  ASSERT_EQ(plain.status, 0) << plain.err;
  EXPECT_TRUE(plain.all("table").empty());
  EXPECT_TRUE(plain.all("result").empty());
}

TEST(SimTables, ASeasonEndKeepsEveryLeaguesWholeSeason) {
  // An MLS club starts before every league's first round.
  const SimRun run = sim({"--club", "3", "--days", "364", "--tables"});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto all = tables(run);
  const std::map<std::string, std::size_t> clubs = {
      {"mls/1", 10},          {"a-league/1", 18},       {"premiership/1", 20}, {"division-one/1", 24},
      {"division-two/1", 24}, {"division-three/1", 24}, {"australia/1", 13}};
  for (const auto& [league, count] : clubs) {
    SCOPED_TRACE(league);
    ASSERT_TRUE(all.count(league));
    const auto& rows = all.at(league);
    EXPECT_EQ(rows.size(), count);
    for (const Row& r : rows) {
      EXPECT_TRUE(r.final);
      // Every club played its whole schedule; the Australian top six's
      // second phase stays out of the table.
      EXPECT_EQ(r.played, rows.front().played) << "club " << r.club;
    }
  }
  EXPECT_EQ(all.at("mls/1").front().played, 26);
  EXPECT_EQ(all.at("premiership/1").front().played, 38);
  EXPECT_EQ(all.at("australia/1").front().played, 24);

  // The user's points at the season summary, as the game counted them.
  const auto summary = fields(run.values().at("season"));
  bool userSeen = false;
  for (const Row& r : all.at("mls/1")) {
    if (r.club != 3) continue;
    userSeen = true;
    EXPECT_EQ(r.points, number(summary, "points"));
  }
  EXPECT_TRUE(userSeen);
}

}  // namespace
