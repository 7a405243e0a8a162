// Computer line-ups: transfer lists, keeper, line sizes and formation, the
// starting eleven, and the squad lists rebuilt from the players' clubs.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "base/random.h"
#include "data/mls_module.h"
#include "match/match_engine.h"

namespace kervale::test {
namespace {

constexpr int kUser = 1;
constexpr int kClub = 2;
constexpr int kOther = 3;

int playerOf(int club, int slot) { return (club - 1) * 20 + slot; }

struct Rating {
  double gk, d, m, a;
};

class Lineups : public ::testing::Test {
 protected:
  Lineups() {
    replaceGame(makeEmptyGame());
    rng().clearScript();
    rng().seed(31);
    MLSModule& g = mls();
    g.MyTeam = kUser;
    g.NumPlayers = 60;
    const char* names[] = {"", "4-4-2", "3-5-2", "5-3-2", "4-3-3"};
    g.NumFormations = 4;
    for (int f = 1; f <= 4; ++f) {
      g.FormationName(f) = names[f];
      g.FormationFlow(f) = f + 0.5;  // rounds to the even flow
      for (int k = 1; k <= 10; ++k) g.FormationPos(f, k) = 100 * f + k;
    }
    for (int club : {kUser, kClub, kOther}) {
      g.TeamFormation(club) = 1;
      g.TeamFlow(club) = 1;
      for (int slot = 1; slot <= 20; ++slot) {
        const int p = playerOf(club, slot);
        g.TeamSquad(slot, club) = p;
        g.PlayerTeam(p) = club;
        g.PlayerName(p) = "P" + std::to_string(p);
        g.PlayerForm(p) = 60;
        // A keeper, four defenders, four midfielders, two forwards, and a
        // bench of each kind: strength shares that ask for 4-4-2.
        if (slot == 1 || slot == 12) {
          rate(p, {10, 2, 2, 2});
        } else if (slot <= 5 || slot == 13 || slot == 14) {
          rate(p, {1, 10, 1, 1});
        } else if (slot <= 9 || (slot >= 15 && slot <= 17)) {
          rate(p, {1, 1, 10, 1});
        } else {
          rate(p, {1, 1, 1, 6});
        }
      }
      g.TeamSquadCount(club) = 20;
    }
  }
  ~Lineups() override { replaceGame(nullptr); }

  static void rate(int p, Rating r) {
    MLSModule& g = mls();
    g.PlayerGoalkeeping(p) = static_cast<float>(r.gk);
    g.PlayerDefense(p) = r.d;
    g.PlayerMidfield(p) = r.m;
    g.PlayerAttack(p) = r.a;
  }
  static std::vector<double> squad(int club) {
    std::vector<double> s;
    for (int slot = 1; slot <= 20; ++slot) s.push_back(mls().TeamSquad(slot, club));
    return s;
  }
  static std::vector<double> sorted(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v;
  }
  static bool available(double p) {
    const MLSModule& g = mls();
    return p >= 1 && g.PlayerInjury(p) == 0 && !g.PlayerName(p).empty();
  }

  MatchEngine match;
};

TEST_F(Lineups, TheUsersClubIsNeverTouched) {
  MLSModule& g = mls();
  g.PlayerInjury(playerOf(kUser, 1)) = 3;  // an injured keeper in goal
  g.PlayerInjury(playerOf(kUser, 2)) = 2;
  g.PlayerForm(playerOf(kUser, 4)) = 10;
  g.PlayerTransferListed(playerOf(kUser, 5)) = 1;
  std::swap(g.TeamSquad(3, kUser), g.TeamSquad(18, kUser));
  g.TeamFormation(kUser) = 4;  // 4-3-3, while the squad asks for something else
  g.TeamFlow(kUser) = 3;
  g.TeamPosition(1, kUser) = 7;
  const std::vector<double> before = squad(kUser);

  match.teamupdate();
  EXPECT_EQ(squad(kUser), before);
  EXPECT_EQ(g.PlayerTransferListed(playerOf(kUser, 4)), 0);
  EXPECT_EQ(g.PlayerTransferListed(playerOf(kUser, 5)), 1);
  EXPECT_EQ(g.TeamFormation(kUser), 4);
  EXPECT_EQ(g.TeamFlow(kUser), 3);
  EXPECT_EQ(g.TeamPosition(1, kUser), 7);

  // In commissioner mode no club is touched.
  g.CommishMode = 1;
  g.PlayerInjury(playerOf(kClub, 2)) = 3;
  g.PlayerForm(playerOf(kClub, 4)) = 10;
  const std::vector<double> computer = squad(kClub);
  match.teamupdate();
  EXPECT_EQ(squad(kClub), computer);
  EXPECT_EQ(g.PlayerTransferListed(playerOf(kClub, 4)), 0);
}

// The same squad picked again, as the second pass of a round and the next
// round do, comes to the same line-up; a player hurt in between is left out.
TEST_F(Lineups, ASquadPickedAgainComesToTheSameLineUpUnlessSomethingChanged) {
  MLSModule& g = mls();
  rate(playerOf(kClub, 14), {1, 12, 1, 1});  // the best defender sits on the bench
  const std::vector<double> start = squad(kClub);
  match.teamupdate();
  const std::vector<double> first = squad(kClub);
  ASSERT_NE(first, start);
  for (int pass = 0; pass < 2; ++pass) {
    for (int slot = 1; slot <= 20; ++slot) g.TeamSquad(slot, kClub) = start[slot - 1];
    match.teamupdate();
    EXPECT_EQ(squad(kClub), first);
  }
  EXPECT_EQ(std::count(first.begin() + 1, first.begin() + 11, playerOf(kClub, 14)), 1);

  for (int slot = 1; slot <= 20; ++slot) g.TeamSquad(slot, kClub) = start[slot - 1];
  g.PlayerInjury(playerOf(kClub, 14)) = 2;
  match.teamupdate();
  const std::vector<double> hurt = squad(kClub);
  EXPECT_EQ(std::count(hurt.begin(), hurt.begin() + 11, playerOf(kClub, 14)), 0);
  EXPECT_EQ(sorted(hurt), sorted(start));
  // Fit again: back in.
  g.PlayerInjury(playerOf(kClub, 14)) = 0;
  for (int slot = 1; slot <= 20; ++slot) g.TeamSquad(slot, kClub) = start[slot - 1];
  match.teamupdate();
  EXPECT_EQ(squad(kClub), first);
}

// The screen's picks are those of the last computer club: club 285's, or
// club 284's when the user runs 285.
TEST_F(Lineups, TheScreenKeepsThePicksOfTheLastComputerClub) {
  MLSModule& g = mls();
  rate(playerOf(kOther, 13), {1, 12, 1, 1});  // the best defender sits on the bench
  for (int slot = 1; slot <= 20; ++slot) g.TeamSquad(slot, kLastClub) = playerOf(kOther, slot);
  const std::vector<double> before = squad(kLastClub);
  match.teamupdate();
  const std::vector<double> after = squad(kLastClub);
  bool benchPicked = false;
  for (int q = 2; q <= 11; ++q) {
    const int from = match.lineupslot(q);
    ASSERT_GE(from, 2);
    ASSERT_LE(from, 20);
    EXPECT_EQ(after[q - 1], before[from - 1]) << "position " << q;
    EXPECT_EQ(match.lineupbest(q), from == 13 ? 12 : (q >= 10 ? 6 : 10)) << "position " << q;  // 4-4-2
    benchPicked = benchPicked || from == 13;
  }
  EXPECT_TRUE(benchPicked);

  g.MyTeam = kLastClub;
  for (int slot = 1; slot <= 20; ++slot) g.TeamSquad(slot, kLastClub) = before[slot - 1];
  match.teamupdate();
  EXPECT_EQ(squad(kLastClub), before) << "the user's squad is left alone";
  // Club 284 has nobody fit: each position keeps its own slot, picked by no rating.
  for (int q = 2; q <= 11; ++q) {
    EXPECT_EQ(match.lineupslot(q), q);
    EXPECT_EQ(match.lineupbest(q), 0);
  }
}

// Everything the two passes of a round leave for later steps to see.
std::vector<double> leftByPasses(const MatchEngine& match) {
  const MLSModule& g = mls();
  std::vector<double> left{match.swapslota, match.swapslotb};
  for (int q = 2; q <= 11; ++q) left.insert(left.end(), {double(match.lineupslot(q)), match.lineupbest(q)});
  for (int club : {kClub, kOther}) {
    left.insert(left.end(), {g.TeamFormation(club), double(g.TeamFlow(club)), g.TeamPosition(1, club)});
    for (int slot = 1; slot <= 20; ++slot) {
      left.push_back(g.TeamSquad(slot, club));
      left.push_back(g.PlayerTransferListed(playerOf(club, slot)));
    }
  }
  return left;
}

// A round's second pass may do again what it did after the same first pick
// in an earlier round. Over rounds of squads read in their stored order or as
// the last round left them, with
// players hurt, healed and re-rated between rounds, it leaves exactly what a
// second pass that reads every squad afresh leaves, draws included.
TEST_F(Lineups, ASecondPassDoneAgainLeavesWhatAFreshOneWould) {
  for (int club : {kClub, kOther}) {
    for (int s = 1; s <= 20; ++s) {
      const int p = playerOf(club, s);
      rate(p, {double(rng().draw(12)), double(rng().draw(12)), double(rng().draw(12)), double(rng().draw(12))});
      mls().PlayerInjury(p) = rng().draw(6) == 0 ? 1 : 0;
      mls().PlayerForm(p) = rng().draw(10, 30);
    }
  }
  const MLSModule start = mls();
  auto play = [&](bool again) {
    replaceGame(std::make_unique<MLSModule>(start));
    rng().seed(5);
    std::vector<std::vector<double>> rounds;
    for (int round = 0; round < 40; ++round) {
      MLSModule& g = mls();
      // Mostly in the stored order, as the lists are rebuilt between matchdays;
      // now and then as the last round left them.
      for (int club : {kClub, kOther}) {
        for (int s = 1; s <= 20 && round % 4 != 1; ++s) g.TeamSquad(s, club) = playerOf(club, s);
      }
      if (round % 3 == 2) {
        const int p = playerOf(round % 2 == 0 ? kClub : kOther, rng().draw(20, 1));
        g.PlayerInjury(p) = g.PlayerInjury(p) == 0 ? 1 : 0;
        if (round % 5 == 0) g.PlayerDefense(p) += 3;
      }
      match.teamupdate();
      if (again) {
        match.teamupdateAgain();
      } else {
        match.teamupdate();
      }
      rounds.push_back(leftByPasses(match));
      rounds.back().push_back(rng().Rnd());  // the draws made so far
    }
    return rounds;
  };
  const auto fresh = play(false);
  const auto again = play(true);
  ASSERT_EQ(again.size(), fresh.size());
  for (std::size_t r = 0; r < fresh.size(); ++r) EXPECT_EQ(again[r], fresh[r]) << "round " << r;
}

TEST_F(Lineups, TransferListFollowsForm) {
  MLSModule& g = mls();
  const int low = playerOf(kClub, 6), edge = playerOf(kClub, 7), margin = playerOf(kClub, 8);
  g.PlayerForm(low) = 34;
  g.PlayerForm(edge) = 35;
  g.PlayerForm(margin) = 38;
  g.PlayerListingMargin(margin) = 4;
  g.PlayerTransferListed(playerOf(kClub, 9)) = 1;  // listed once, his form has recovered
  match.teamupdate();
  EXPECT_EQ(g.PlayerTransferListed(low), 1);
  EXPECT_EQ(g.PlayerTransferListed(edge), 0);
  EXPECT_EQ(g.PlayerTransferListed(margin), 1);
  EXPECT_EQ(g.PlayerTransferListed(playerOf(kClub, 9)), 0);
  g.PlayerForm(low) = 50;
  match.teamupdate();
  EXPECT_EQ(g.PlayerTransferListed(low), 0);
}

TEST_F(Lineups, TheBestFitKeeperGoesInGoal) {
  MLSModule& g = mls();
  rate(playerOf(kClub, 12), {14, 2, 2, 2});
  match.teamupdate();
  EXPECT_EQ(g.TeamSquad(1, kClub), playerOf(kClub, 12));
  EXPECT_EQ(sorted(squad(kClub)), sorted([] {
              std::vector<double> all;
              for (int s = 1; s <= 20; ++s) all.push_back(playerOf(kClub, s));
              return all;
            }()));

  // Injured or suspended, he makes way; of two equal keepers the lower slot plays.
  g.PlayerInjury(playerOf(kClub, 12)) = 2;
  rate(playerOf(kOther, 15), {10, 1, 1, 1});
  match.teamupdate();
  EXPECT_NE(g.TeamSquad(1, kClub), playerOf(kClub, 12));
  EXPECT_EQ(g.TeamSquad(1, kClub), playerOf(kClub, 1));
  EXPECT_EQ(g.TeamSquad(1, kOther), playerOf(kOther, 1));

  // Without a fit keeper slot 1 stays.
  for (int s = 1; s <= 20; ++s) g.PlayerGoalkeeping(playerOf(kClub, s)) = 0;
  g.PlayerInjury(playerOf(kClub, 1)) = 1;
  const double before = g.TeamSquad(1, kClub);
  match.teamupdate();
  EXPECT_EQ(g.TeamSquad(1, kClub), before);
}

TEST_F(Lineups, NoUnfitStarterWhileAFitPlayerSitsOnTheBench) {
  MLSModule& g = mls();
  // An injured defender in slot 2, which only the slots' own picks can fill,
  // a suspended forward in slot 11, and a retired player (no name) in slot 6.
  g.PlayerInjury(playerOf(kClub, 2)) = 4;
  g.PlayerInjury(playerOf(kClub, 11)) = 2;
  g.PlayerName(playerOf(kClub, 6)).clear();
  match.teamupdate();
  for (int s = 1; s <= 11; ++s) EXPECT_TRUE(available(g.TeamSquad(s, kClub))) << "slot " << s;
  // The fit forward from the bench starts, in the attack.
  bool benchForwardStarts = false;
  for (int s = 2; s <= 11; ++s) benchForwardStarts |= g.TeamSquad(s, kClub) == playerOf(kClub, 18);
  EXPECT_TRUE(benchForwardStarts);
}

TEST_F(Lineups, RandomSquadsKeepTheirPlayersAndFieldTheFit) {
  MLSModule& g = mls();
  for (int trial = 0; trial < 300; ++trial) {
    for (int s = 1; s <= 20; ++s) {
      const int p = playerOf(kClub, s);
      g.TeamSquad(s, kClub) = p;
      rate(p, {static_cast<double>(rng().draw(12)), static_cast<double>(rng().draw(12)),
               static_cast<double>(rng().draw(12)), static_cast<double>(rng().draw(12))});
      g.PlayerInjury(p) = rng().draw(4) == 0 ? rng().draw(5, 1) : 0;
      g.PlayerName(p) = rng().draw(15) == 0 ? "" : "P" + std::to_string(p);
    }
    // Now and then an empty slot.
    if (trial % 7 == 0) g.TeamSquad(rng().draw(20, 1), kClub) = 0;
    const std::vector<double> before = squad(kClub);

    match.teamupdate();
    ASSERT_EQ(sorted(squad(kClub)), sorted(before)) << "trial " << trial;

    double best = 0;
    int bestSlot = 0;
    for (int s = 1; s <= 20; ++s) {
      const double p = before[s - 1];
      if (available(p) && g.PlayerGoalkeeping(p) > best) {
        best = g.PlayerGoalkeeping(p);
        bestSlot = s;
      }
    }
    if (bestSlot != 0) {
      EXPECT_EQ(g.TeamSquad(1, kClub), before[bestSlot - 1]) << "trial " << trial;
    }
    bool unfitStarter = false, fitSubstitute = false;
    for (int s = 2; s <= 11; ++s) unfitStarter |= !available(g.TeamSquad(s, kClub));
    for (int s = 12; s <= 20; ++s) fitSubstitute |= available(g.TeamSquad(s, kClub));
    ASSERT_FALSE(unfitStarter && fitSubstitute) << "trial " << trial;
  }
}

TEST_F(Lineups, TheBestOfEachLineStartInItsOwnPlaces) {
  MLSModule& g = mls();
  // A defender on the bench better than two starters, a forward on the bench better than both.
  rate(playerOf(kClub, 13), {1, 12, 1, 1});
  rate(playerOf(kClub, 19), {1, 1, 1, 9});
  rate(playerOf(kClub, 3), {1, 5, 1, 1});
  match.teamupdate();
  auto startsAt = [&](int p) {
    for (int s = 1; s <= 20; ++s) {
      if (g.TeamSquad(s, kClub) == p) return s;
    }
    return 0;
  };
  // Line sizes 4-4-2 from the shares: defence in 2..5, midfield 6..9, attack 10..11.
  EXPECT_GE(startsAt(playerOf(kClub, 13)), 2);
  EXPECT_LE(startsAt(playerOf(kClub, 13)), 5);
  EXPECT_GE(startsAt(playerOf(kClub, 19)), 10);
  EXPECT_LE(startsAt(playerOf(kClub, 19)), 11);
  EXPECT_GE(startsAt(playerOf(kClub, 3)), 12) << "the weakest defender goes to the bench";
  for (int s = 2; s <= 5; ++s) {
    const double p = g.TeamSquad(s, kClub);
    EXPECT_GT(g.PlayerDefense(p), g.PlayerMidfield(p)) << "slot " << s;
  }
  for (int s = 6; s <= 9; ++s) {
    const double p = g.TeamSquad(s, kClub);
    EXPECT_GT(g.PlayerMidfield(p), g.PlayerDefense(p)) << "slot " << s;
  }
  EXPECT_EQ(g.TeamFormation(kClub), 1) << "4-4-2 fits and stays";
}

TEST_F(Lineups, FormationChangesOnlyWhenNeitherLineFits) {
  MLSModule& g = mls();
  // Strength mostly in midfield: more than five midfielders is capped at 3-5-2.
  for (int s = 2; s <= 20; ++s) rate(playerOf(kClub, s), {1, 1, 9, 1});
  g.TeamFormation(kClub) = 4;  // 4-3-3: neither 3 defenders nor 5 midfielders
  match.teamupdate();
  EXPECT_EQ(g.TeamFormation(kClub), 2);
  EXPECT_EQ(g.TeamPosition(1, kClub), 201);
  EXPECT_EQ(g.TeamPosition(10, kClub), 210);
  EXPECT_EQ(g.TeamFlow(kClub), 2) << "2.5 rounds to the even 2";

  // 4-4-2 keeps its place when the defence count fits, whatever the midfield.
  g.TeamFormation(kOther) = 1;
  for (int s = 2; s <= 20; ++s) rate(playerOf(kOther, s), s <= 12 ? Rating{1, 9, 4, 3} : Rating{1, 3, 4, 9});
  g.TeamFlow(kOther) = 7;
  g.TeamPosition(1, kOther) = 55;
  Random untouched = rng();
  match.teamupdate();
  EXPECT_EQ(untouched.Rnd(), rng().Rnd()) << "no formation was drawn";
  EXPECT_EQ(g.TeamFormation(kOther), 1);
  EXPECT_EQ(g.TeamFlow(kOther), 7);
  EXPECT_EQ(g.TeamPosition(1, kOther), 55);
}

TEST_F(Lineups, AnAllDefenceSquadIsCappedAtTenOutfieldPlaces) {
  MLSModule& g = mls();
  for (int s = 2; s <= 20; ++s) rate(playerOf(kClub, s), {1, 10, 0.1, 0.1});
  g.TeamFormation(kClub) = 4;
  const std::vector<double> before = squad(kClub);
  ASSERT_NO_THROW(match.teamupdate());
  EXPECT_EQ(sorted(squad(kClub)), sorted(before));
  for (int s = 1; s <= 11; ++s) EXPECT_TRUE(available(g.TeamSquad(s, kClub)));
}

TEST_F(Lineups, PlayercheckRebuildsComputerSquadsFromTheirPlayers) {
  MLSModule& g = mls();
  g.NumPlayers = 90;
  // Club 2 signs three free players (61..63): 23 players, the first 20 by number listed.
  for (int p = 61; p <= 63; ++p) {
    g.PlayerName(p) = "New " + std::to_string(p);
    g.PlayerTeam(p) = kClub;
  }
  // Club 3 loses two players: one to club 2 (beyond its 20), one retired.
  g.PlayerTeam(playerOf(kOther, 4)) = kClub;
  g.PlayerTeam(playerOf(kOther, 9)) = 0;
  // The user's club loses a player too, and its order is the user's.
  g.PlayerTeam(playerOf(kUser, 5)) = kOther;
  std::swap(g.TeamSquad(2, kUser), g.TeamSquad(20, kUser));
  const std::vector<double> userBefore = squad(kUser);
  // A club of the far ranges whose count was left high.
  g.TeamSquadCount(250) = 57;

  match.playercheck();
  EXPECT_EQ(g.TeamSquadCount(kClub), 24);
  for (int s = 1; s <= 20; ++s) EXPECT_EQ(g.TeamSquad(s, kClub), playerOf(kClub, s));

  EXPECT_EQ(g.TeamSquadCount(kOther), 19);
  std::vector<double> expected;
  for (int p = playerOf(kOther, 1); p <= playerOf(kOther, 20); ++p) {
    if (p != playerOf(kOther, 4) && p != playerOf(kOther, 9)) expected.push_back(p);
  }
  expected.insert(expected.begin(), playerOf(kUser, 5));  // the lowest number comes first
  for (int s = 1; s <= 19; ++s) EXPECT_EQ(g.TeamSquad(s, kOther), expected[s - 1]) << "slot " << s;
  EXPECT_EQ(g.TeamSquad(20, kOther), 0) << "no stale player above the count";

  EXPECT_EQ(squad(kUser), userBefore);
  EXPECT_EQ(g.TeamSquadCount(kUser), 19);
  EXPECT_EQ(g.TeamSquadCount(250), 0);

  // A second pass changes nothing: counts are rebuilt, not added to.
  match.playercheck();
  EXPECT_EQ(g.TeamSquadCount(kClub), 24);
  EXPECT_EQ(g.TeamSquadCount(kOther), 19);

  // A club without players is emptied.
  for (int s = 1; s <= 20; ++s) g.PlayerTeam(playerOf(kOther, s)) = 0;
  g.PlayerTeam(playerOf(kUser, 5)) = 0;
  match.playercheck();
  EXPECT_EQ(g.TeamSquadCount(kOther), 0);
  for (int s = 1; s <= 20; ++s) EXPECT_EQ(g.TeamSquad(s, kOther), 0);
}

TEST_F(Lineups, PlayercheckRoundsAClubCellHalfToEven) {
  MLSModule& g = mls();
  g.PlayerTeam(playerOf(kOther, 18)) = kClub + 0.5;      // 2.5: club 2
  g.PlayerTeam(playerOf(kOther, 19)) = kOther + 0.5;     // 3.5: club 4
  g.PlayerTeam(playerOf(kOther, 20)) = kLastClub + 0.5;  // rounds past the last club: nowhere
  g.PlayerTeam(playerOf(kOther, 17)) = -0.5;             // no club
  match.playercheck();
  EXPECT_EQ(g.TeamSquadCount(kClub), 21);
  EXPECT_EQ(g.TeamSquadCount(kOther), 16);
  EXPECT_EQ(g.TeamSquadCount(4), 1);
  EXPECT_EQ(g.TeamSquad(1, 4), playerOf(kOther, 19));
  EXPECT_EQ(g.TeamSquadCount(0), 1);
  EXPECT_EQ(g.TeamSquadCount(kLastClub), 0);
}

}  // namespace
}  // namespace kervale::test
