// The player file: squads every formation can use, ratings the wage table and
// the match can take, and plausible people.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>
#include <set>
#include <vector>

#include "world_files.h"

namespace kervale::worldtest {
namespace {

bool playsInALeague(int club) { return (club >= 1 && club <= 10) || (club >= 17 && club <= 237); }

class PlayerFile : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    players_ = new std::vector<PlayerRecord>(readPlayers());
    squads_ = new std::map<int, std::vector<PlayerRecord>>();
    for (const PlayerRecord& p : *players_) (*squads_)[p.club].push_back(p);
  }
  static void TearDownTestSuite() {
    delete players_;
    delete squads_;
  }
  static std::vector<PlayerRecord>* players_;
  static std::map<int, std::vector<PlayerRecord>>* squads_;
};
std::vector<PlayerRecord>* PlayerFile::players_ = nullptr;
std::map<int, std::vector<PlayerRecord>>* PlayerFile::squads_ = nullptr;

TEST_F(PlayerFile, LeavesRoomForTheDraftAndFillsEveryPlayingClub) {
  EXPECT_LE(players_->size(), 9950u);
  for (const PlayerRecord& p : *players_) {
    ASSERT_TRUE(p.club == 0 || playsInALeague(p.club)) << p.name << " plays for club " << p.club;
  }
  for (int c = 1; c <= 237; ++c) {
    if (!playsInALeague(c)) continue;
    const std::size_t size = (*squads_)[c].size();
    EXPECT_GE(size, 18u) << "club " << c;
    EXPECT_LE(size, 20u) << "club " << c;
  }
  const std::size_t freeAgents = (*squads_)[0].size();
  EXPECT_GE(freeAgents, 150u);
  EXPECT_LE(freeAgents, 250u);
}

TEST_F(PlayerFile, SquadsAreOrderedKeeperDefenceMidfieldAttack) {
  for (const auto& [club, squad] : *squads_) {
    if (club == 0) continue;
    SCOPED_TRACE("club " + std::to_string(club));
    std::map<Role, int> count;
    for (const PlayerRecord& p : squad) ++count[roleOf(p)];
    EXPECT_GE(count[Role::Keeper], 2);
    EXPECT_GE(count[Role::Defender], 6);
    EXPECT_GE(count[Role::Midfielder], 6);
    EXPECT_GE(count[Role::Attacker], 4);
    EXPECT_EQ(count[Role::Unclear], 0);

    // The eleven: a keeper, then four defenders (the match's defenders are
    // outfield rows 1..4), midfielders and attackers in that order.
    ASSERT_EQ(roleOf(squad[0]), Role::Keeper);
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(roleOf(squad[i]), Role::Defender) << "player " << i + 1;
    for (int i = 5; i <= 10; ++i) {
      EXPECT_GE(roleOf(squad[i]), roleOf(squad[i - 1])) << "player " << i + 1;
      EXPECT_NE(roleOf(squad[i]), Role::Keeper) << "player " << i + 1;
    }
    EXPECT_EQ(roleOf(squad[10]), Role::Attacker);
    // The substitutes: a keeper first, then the same order.
    ASSERT_EQ(roleOf(squad[11]), Role::Keeper);
    for (std::size_t i = 12; i < squad.size(); ++i) {
      EXPECT_GE(roleOf(squad[i]), roleOf(squad[i - 1])) << "player " << i + 1;
    }

    // Squad slot 10 takes the penalties: the best attacker of the squad.
    const PlayerRecord& taker = squad[9];
    EXPECT_EQ(roleOf(taker), Role::Attacker);
    for (const PlayerRecord& p : squad) {
      if (roleOf(p) == Role::Attacker) {
        EXPECT_GE(taker.attack, p.attack) << p.name;
      }
    }
  }
}

TEST_F(PlayerFile, RatingsFitTheScalesAndTheWageTable) {
  for (const PlayerRecord& p : *players_) {
    SCOPED_TRACE(p.name);
    for (double r : {p.keeping, p.defence, p.midfield, p.attack}) {
      EXPECT_GE(r, 0);
      EXPECT_LE(r, 20);
    }
    // Int(sum) indexes the wage table's entries 5..54.
    EXPECT_GE(p.sum(), 5);
    EXPECT_LT(p.sum(), 55);
    EXPECT_GE(p.aggression, 0);
    EXPECT_LE(p.aggression, 58);
    for (double skill : p.skills) {
      EXPECT_GE(skill, 1);
      EXPECT_LE(skill, 20);
    }
    EXPECT_GT(p.training, 0);
    // The computer line-ups treat an outfield player as one only when he keeps
    // goal no better than he plays anywhere.
    if (roleOf(p) != Role::Keeper) {
      EXPECT_LE(p.keeping, std::min({p.defence, p.midfield, p.attack}));
    }
  }
}

TEST_F(PlayerFile, PeopleHaveNamesAgesNationsAndBirthdays) {
  const int nations = nationCount();
  const int daysInMonth[] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const std::set<std::string> placeholders = {"Goalkeeper", "Defender", "Defeder", "Midfielder", "Forward"};
  std::set<std::string> names;
  for (const PlayerRecord& p : *players_) {
    EXPECT_FALSE(p.name.empty());
    EXPECT_FALSE(placeholders.count(p.name)) << p.name;
    EXPECT_TRUE(names.insert(p.name).second) << p.name << " twice";
    EXPECT_GE(p.age, 17) << p.name;
    EXPECT_LE(p.age, 36) << p.name;
    EXPECT_GE(p.nation, 1) << p.name;
    EXPECT_LE(p.nation, nations) << p.name;
    ASSERT_GE(p.birthMonth, 1) << p.name;
    ASSERT_LE(p.birthMonth, 12) << p.name;
    EXPECT_GE(p.birthDay, 1) << p.name;
    EXPECT_LE(p.birthDay, daysInMonth[static_cast<int>(p.birthMonth)]) << p.name;
  }
}

TEST_F(PlayerFile, MlsSquadsStayUnderTheSalaryCap) {
  // An MLS player earns 20 x his ratings' sum; slots 1..20 count.
  for (int c = 1; c <= 10; ++c) {
    double bill = 0;
    const auto& squad = (*squads_)[c];
    for (std::size_t i = 0; i < squad.size() && i < 20; ++i) bill += squad[i].sum() * 20;
    EXPECT_LT(bill, 7000) << "club " << c;
  }
}

TEST_F(PlayerFile, StrengthFollowsTheLeagueLevel) {
  auto mainRating = [&](int first, int last) {
    double total = 0;
    int n = 0;
    for (int c = first; c <= last; ++c) {
      for (const PlayerRecord& p : (*squads_)[c]) {
        total += std::max({p.keeping, p.defence, p.midfield, p.attack});
        ++n;
      }
    }
    return total / n;
  };
  const double mls = mainRating(1, 10), aLeague = mainRating(17, 34), d3 = mainRating(35, 52);
  const double english[] = {mainRating(53, 72), mainRating(73, 96), mainRating(97, 120), mainRating(121, 144)};
  EXPECT_GT(mls, aLeague);
  EXPECT_GT(aLeague, d3);
  for (int d = 1; d < 4; ++d) EXPECT_GT(english[d - 1], english[d]) << "division " << d;
  EXPECT_GT(english[0], mls);
  EXPECT_GT(mainRating(165, 182), mainRating(183, 200));
}

// A club's strength: its best keeper and its ten best outfield players.
double strengthOf(const std::vector<PlayerRecord>& squad) {
  double keeper = 0;
  std::vector<double> outfield;
  for (const PlayerRecord& p : squad) {
    if (roleOf(p) == Role::Keeper) {
      keeper = std::max(keeper, p.keeping);
    } else {
      outfield.push_back(std::max({p.defence, p.midfield, p.attack}));
    }
  }
  std::sort(outfield.rbegin(), outfield.rend());
  outfield.resize(std::max<std::size_t>(outfield.size(), 10));
  return std::accumulate(outfield.begin(), outfield.begin() + 10, keeper);
}

// How the strengths of clubs first..last lie: their standard deviation as a
// share of their mean, and how many deviations the best club stands above the
// mean and the worst lies below it.
struct LeagueSpread {
  double share = 0;
  double top = 0;
  double bottom = 0;
};

LeagueSpread spreadOf(const std::map<int, std::vector<PlayerRecord>>& squads, int first, int last) {
  std::vector<double> strengths;
  for (int c = first; c <= last; ++c) strengths.push_back(strengthOf(squads.at(c)));
  const double mean = std::accumulate(strengths.begin(), strengths.end(), 0.0) / strengths.size();
  double squares = 0;
  for (double s : strengths) squares += (s - mean) * (s - mean);
  const double deviation = std::sqrt(squares / strengths.size());
  const auto [low, high] = std::minmax_element(strengths.begin(), strengths.end());
  return {deviation / mean, (*high - mean) / deviation, (mean - *low) / deviation};
}

// The clubs of a league lie close together: wider, and a season's table is
// settled before it starts; much narrower, and only luck separates the clubs.
TEST_F(PlayerFile, ClubsOfALeagueAreCloseInStrength) {
  const std::pair<int, int> leagues[] = {{1, 10},    {17, 34},   {35, 52},   {53, 72},   {73, 96},   {97, 120},
                                         {121, 144}, {149, 164}, {165, 182}, {183, 200}, {205, 224}, {225, 237}};
  for (const auto& [first, last] : leagues) {
    SCOPED_TRACE("clubs " + std::to_string(first) + ".." + std::to_string(last));
    const double share = spreadOf(*squads_, first, last).share;
    EXPECT_GE(share, 0.025);
    EXPECT_LE(share, 0.09);
  }
}

// The top flight reads like one: its clubs lie further apart than those of
// any division below, and a few big clubs lead it further than its last club
// trails.
TEST_F(PlayerFile, ThePremiershipIsTheWidestEnglishDivisionAndLedByItsBigClubs) {
  const LeagueSpread premiership = spreadOf(*squads_, 53, 72);
  const std::pair<int, int> below[] = {{73, 96}, {97, 120}, {121, 144}};
  for (const auto& [first, last] : below) {
    EXPECT_GT(premiership.share, spreadOf(*squads_, first, last).share + 0.005) << "clubs " << first << ".." << last;
  }
  EXPECT_GE(premiership.share, 0.06);
  EXPECT_GT(premiership.top, premiership.bottom + 0.5);
}

TEST_F(PlayerFile, EveryClubHasAKeeperWhoOutlastsTheFirstSeasons) {
  // Players retire from 33; a club without a keeper puts a defender in goal.
  for (const auto& [club, squad] : *squads_) {
    if (club == 0) continue;
    double youngest = 99;
    for (const PlayerRecord& p : squad) {
      if (roleOf(p) == Role::Keeper) youngest = std::min(youngest, p.age);
    }
    EXPECT_LE(youngest, 30) << "club " << club;
  }
}

}  // namespace
}  // namespace kervale::worldtest
