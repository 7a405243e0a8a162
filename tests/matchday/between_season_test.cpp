// A whole season headless on the committed world: squads stay whole, news
// stays in bounds and every club's money moves only by the amounts the rules
// move, as a ledger this test keeps.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "base/random.h"
#include "data/mls_module.h"
#include "match/match_engine.h"
#include "matchday/driver_world.h"
#include "support/scripted_dialogs.h"
#include "ui/screen.h"

namespace kervale::test {
namespace {

constexpr int kRounds = 104;

using Squads = std::vector<std::array<double, 21>>;  // club 0..285, slot 1..20

Squads squadsOf(const MLSModule& g) {
  Squads squads(kLastClub + 1);
  for (int c = 0; c <= kLastClub; ++c) {
    for (int s = 1; s <= 20; ++s) squads[c][s] = g.TeamSquad(s, c);
  }
  return squads;
}

// What a club's money may move by in a matchday besides the between-matchday
// amounts: the broadcast money of a match (its reputation or the flat amount,
// with the rare bonus), and for the home side a gate of whole spectators.
bool matchMoneyFits(const MLSModule& g, int club, bool maybeHome, double moved) {
  const double reputationMoney = g.TeamReputation(club) * 1000;
  for (double tv : {25000.0, reputationMoney}) {
    for (double bonus : {0.0, maybeHome ? 25000.0 : 10000.0}) {
      const double gate = moved - tv - bonus;
      if (std::abs(gate) < 1e-6) return true;
      if (!maybeHome || gate < 0) continue;
      const double price = g.TicketPrice(club);
      if (price <= 0) continue;
      const double spectators = gate / price;
      if (std::abs(spectators - std::round(spectators)) < 1e-6 && spectators <= g.StadiumCapacity(club)) return true;
    }
  }
  return false;
}

class BetweenSeason : public ::testing::Test {
 protected:
  void SetUp() override {
    start = startedWorldGame(kClub);
    ASSERT_TRUE(start) << "no game to play";
    replaceGame(std::make_unique<MLSModule>(*start));
    rng().seed(4711);
    engine().betweentally = {};
  }
  void TearDown() override {
    for (ui::Form* form : {static_cast<ui::Form*>(&ui::screen<MatchEngine>())}) {
      if (form->loaded()) form->Unload();
    }
    replaceGame(nullptr);
  }
  static MatchEngine& engine() { return ui::screen<MatchEngine>(); }

  // The squads as the finances found them: the line-ups only reorder a
  // squad, and each move of the market takes the player out of his old squad
  // and into a free slot of the new one.
  static Squads squadsAtTheFinances(Squads squads, const std::vector<MatchEngine::TransferMove>& moves) {
    for (const auto& move : moves) {
      for (int s = 1; s <= 20; ++s) {
        if (squads[move.from][s] == move.player) squads[move.from][s] = 0;
      }
      for (int s = 1; s <= 20; ++s) {
        if (squads[move.to][s] == 0) {
          squads[move.to][s] = move.player;
          break;
        }
      }
    }
    return squads;
  }

  void checkSquads(const MLSModule& g, int round) {
    std::map<int, int> seen;
    for (int c = 0; c <= kLastClub; ++c) {
      for (int s = 1; s <= 20; ++s) {
        const int p = static_cast<int>(g.TeamSquad(s, c));
        if (p != 0 && ++seen[p] > 1) ADD_FAILURE() << "round " << round << ": player " << p << " in two squad slots";
      }
    }
    std::vector<int> members(kLastClub + 1, 0);
    for (int p = 1; p <= g.NumPlayers; ++p) {
      const double t = g.PlayerTeam(p);
      ASSERT_TRUE(t >= 0 && t <= kLastClub) << "player " << p;
      ++members[static_cast<int>(t)];
    }
    for (int c = 1; c <= kLastClub; ++c) {
      if (c == g.MyTeam) continue;
      EXPECT_EQ(g.TeamSquadCount(c), members[c]) << "round " << round << " club " << c;
      for (int s = 1; s <= 20; ++s) {
        const double p = g.TeamSquad(s, c);
        if (s <= members[c]) {
          EXPECT_EQ(g.PlayerTeam(p), c) << "round " << round << " club " << c << " slot " << s;
        } else {
          EXPECT_EQ(p, 0) << "round " << round << " club " << c << " slot " << s;
        }
      }
    }
  }

  static void checkNews(const MLSModule& g, int round) {
    EXPECT_GE(g.ClubNewsCount, 0);
    EXPECT_LE(g.ClubNewsCount, 50) << "round " << round;
    EXPECT_GE(g.HeadlineCount, 0);
    EXPECT_LE(g.HeadlineCount, 300) << "round " << round;
    // Nothing past the count, but for the last line of a full list.
    for (int i = static_cast<int>(g.ClubNewsCount); i < 50; ++i) EXPECT_EQ(g.ClubNewsLine(i), "") << i;
  }

  static constexpr int kClub = 60;  // an English club: pays wages and gets sponsor money
  std::unique_ptr<MLSModule> start;
  ScriptedDialogs dialogs{ui::HeadlessBackend::Policy::Defaults};
};

TEST_F(BetweenSeason, KeepsSquadsNewsAndTheMoneyLedger) {
  MLSModule& g = mls();
  StandInUser user;
  double startMoney = 0;
  for (int c = 0; c <= kLastClub; ++c) startMoney += g.TeamMoney(c);
  double betweenMoney = 0;  // wages, scouting and sponsors, as this test counts them
  int clubsPlayed = 0;

  for (int matchday = 1; matchday <= kRounds; ++matchday) {
    const int round = static_cast<int>(g.CurrentWeek);
    const int userClub = static_cast<int>(g.MyTeam);
    const Squads before = squadsOf(g);
    std::vector<double> money(kLastClub + 1), played(kLastClub + 1);
    for (int c = 0; c <= kLastClub; ++c) {
      money[c] = g.TeamMoney(c);
      played[c] = g.TeamGamesPlayed(c);
    }
    std::vector<double> wage(g.NumPlayers + 1);
    for (int p = 0; p <= g.NumPlayers; ++p) wage[p] = g.PlayerWage(p);
    const double scouting = userClub >= 1 && userClub <= 237 ? g.ScoutingFunding(userClub) : 0;

    playMatchdayAndAdvance();
    ASSERT_EQ(engine().betweentally.passes, matchday) << "one between-matchday pass per matchday";

    checkSquads(g, round);
    checkNews(g, round);
    for (const auto& move : engine().transfermoves) {
      EXPECT_NE(move.from, move.to) << "round " << round << ": a club bought its own player";
    }

    const Squads charged = squadsAtTheFinances(before, engine().transfermoves);
    for (int c = 0; c <= kLastClub; ++c) {
      double rules = 0;
      if (round < 27 && c >= 17 && c <= 237) {
        for (int s = 1; s <= 20; ++s) rules -= wage.at(static_cast<std::size_t>(charged[c][s])) * 1000;
      }
      if (round < 27 && c == userClub) rules -= scouting;
      if (c >= 17 && c <= 156) rules += g.SponsorFee(c);
      // What is left must be the club's match money, its expenses given back.
      const double games = g.TeamGamesPlayed(c) - played[c];
      const double moved = g.TeamMoney(c) - money[c] - rules + g.TeamWages(c) * games;
      betweenMoney += rules;
      if (games == 0) {
        EXPECT_NEAR(moved, 0, 1e-6) << "round " << round << " club " << c << " played no match";
      } else {
        ASSERT_EQ(games, 1) << "round " << round << " club " << c;
        ++clubsPlayed;
        EXPECT_TRUE(matchMoneyFits(g, c, g.FixtureVenue(c, round) == 1, moved))
            << "round " << round << " club " << c << " moved " << moved;
      }
    }
  }

  double endMoney = 0;
  for (int c = 0; c <= kLastClub; ++c) endMoney += g.TeamMoney(c);
  EXPECT_GT(clubsPlayed, 1000);
  const auto& tally = engine().betweentally;
  EXPECT_GT(tally.transfers, 20);
  EXPECT_GT(tally.injuries, 1000);
  EXPECT_GT(tally.suspensions, 20);
  std::ostringstream figures;
  figures << "transfers " << tally.transfers << ", sackings " << tally.sackings << ", injuries " << tally.injuries
          << ", suspensions " << tally.suspensions << ", money " << startMoney << " -> " << endMoney
          << ", between matchdays " << betweenMoney;
  RecordProperty("figures", figures.str());
}

}  // namespace
}  // namespace kervale::test
