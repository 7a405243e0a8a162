// A saved game whose values contradict each other is refused, naming the
// item, its index and its value, and the game in play stays as it was.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>

#include "data/mls_module.h"
#include "shell/saved_game.h"
#include "shell/shell_game.h"

namespace kervale::test {
namespace {

using Spoil = std::function<void(MLSModule&)>;

class SavedGameAgreementTest : public ShellTest {
 protected:
  // Why a save of the running game, spoiled, is refused.
  static std::string refusalOf(const Spoil& spoil) {
    auto bad = std::make_unique<MLSModule>(mls());
    spoil(*bad);
    return savedGameRefusal(savedGameText(*bad));
  }
  // The save of the running game with the text `from` replaced by `to`.
  static std::string edited(const std::string& from, const std::string& to) {
    std::string text = savedGameText(mls());
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
  }
};

TEST_F(SavedGameAgreementTest, TheSmallGameLoadsWhole) {
  EXPECT_NO_THROW(parseSavedGame("x.usa", savedGameText(g()), g()));
}

TEST_F(SavedGameAgreementTest, SquadSlotsAgreeWithTheirPlayers) {
  const std::pair<Spoil, std::string> cases[] = {
      {[](MLSModule& m) { m.TeamSquad(3, 2) = smallGamePlayer(3, 1); },
       "TeamSquad(3, 2) is 33, a player whose PlayerTeam is 3"},
      {[](MLSModule& m) { m.PlayerTeam(smallGamePlayer(4, 2)) = 0; },
       "TeamSquad(2, 4) is 50, a player whose PlayerTeam is 0"},
      {[](MLSModule& m) { m.TeamSquad(17, 2) = m.TeamSquad(1, 2); },
       "TeamSquad(17, 2) is 17, a player already in TeamSquad(1, 2)"},
      {[](MLSModule& m) { m.TeamSquadCount(4) = 15; },
       "TeamSquadCount(4) is 15, below the 16 players in its squad slots"},
      {[](MLSModule& m) { m.TeamSquad(5, 2) = 0; },
       "PlayerTeam(21) is 2, a club with a free squad slot that leaves him out"},
      // The first and the last player, of the first and the last club.
      {[](MLSModule& m) { m.TeamSquad(1, 1) = 0; },
       "PlayerTeam(1) is 1, a club with a free squad slot that leaves him out"},
      {[](MLSModule& m) { m.TeamSquad(16, 8) = 0; },
       "PlayerTeam(128) is 8, a club with a free squad slot that leaves him out"},
  };
  for (const auto& [spoil, problem] : cases) EXPECT_EQ(refusalOf(spoil), problem);

  // A player who retired keeps his slot until the squads are counted again,
  // and a count may run ahead of the slots.
  auto retired = std::make_unique<MLSModule>(g());
  retired->PlayerName(smallGamePlayer(3, 4)).clear();
  retired->PlayerTeam(smallGamePlayer(3, 4)) = 0;
  retired->TeamSquadCount(3) = 19;
  EXPECT_NO_THROW(parseSavedGame("x.usa", savedGameText(*retired), g()));
  // A club with all twenty slots taken may have more players: club 6's last
  // five move to club 5, four into its free slots and one beside them.
  auto full = std::make_unique<MLSModule>(g());
  for (int k = 0; k < 5; ++k) {
    const int p = smallGamePlayer(6, 12 + k);
    full->TeamSquad(12 + k, 6) = 0;
    full->PlayerTeam(p) = 5;
    if (k < 4) full->TeamSquad(17 + k, 5) = p;
  }
  full->TeamSquadCount(5) = 21;
  full->TeamSquadCount(6) = 11;
  EXPECT_NO_THROW(parseSavedGame("x.usa", savedGameText(*full), g()));
}

TEST_F(SavedGameAgreementTest, NamedPlayersKeyPlayersAndCountsHoldWhatPlayWrites) {
  const int named = smallGamePlayer(2, 3);
  const std::pair<Spoil, std::string> cases[] = {
      {[named](MLSModule& m) { m.PlayerAge(named) = 0; }, "PlayerAge(19) is 0 for a named player"},
      {[named](MLSModule& m) { m.PlayerBirthMonth(named) = 0; },
       "PlayerBirthMonth(19) is 0 for a named player, outside 1 to 12"},
      {[named](MLSModule& m) { m.PlayerBirthMonth(named) = 13; },
       "PlayerBirthMonth(19) is 13 for a named player, outside 1 to 12"},
      {[named](MLSModule& m) { m.PlayerBirthDay(named) = 0; },
       "PlayerBirthDay(19) is 0 for a named player, outside 1 to 31"},
      // Eight clubs of sixteen players each.
      {[](MLSModule& m) { m.TeamSquadCount(4) = 21; },
       "TeamSquadCount(4) is 21, above the 20 squad slots and the club's 16 players"},
      {[](MLSModule& m) { m.TeamKeyPlayerSlot(7) = 4; }, "TeamKeyPlayerSlot(7) is 4, where 10 belongs"},
      {[](MLSModule& m) { m.TeamKeyPlayerSlot(285) = 20; }, "TeamKeyPlayerSlot(285) is 20, where 10 belongs"},
      // Every new game sets it: a 0 would make slot 2 the penalty taker.
      {[](MLSModule& m) { m.TeamKeyPlayerSlot(1) = 0; }, "TeamKeyPlayerSlot(1) is 0, where 10 belongs"},
  };
  for (const auto& [spoil, problem] : cases) EXPECT_EQ(refusalOf(spoil), problem);

  // Free records hold zeros; a club given more players than slots by a data
  // file counts them all; the key player stands in slot 10.
  auto played = std::make_unique<MLSModule>(g());
  const int free = played->NumPlayers;
  played->PlayerName(free).clear();
  played->PlayerTeam(free) = 0;
  played->TeamSquad(16, 8) = 0;
  played->TeamSquadCount(8) = 15;
  played->PlayerAge(free) = 0;
  played->PlayerBirthMonth(free) = 0;
  played->PlayerBirthDay(free) = 0;
  for (int k = 1; k <= 5; ++k) {
    const int p = smallGamePlayer(6, k);
    played->PlayerTeam(p) = 5;
    played->TeamSquad(k, 6) = 0;
    if (k <= 4) played->TeamSquad(16 + k, 5) = p;
  }
  played->TeamSquadCount(5) = 21;
  played->TeamSquadCount(6) = 11;
  for (int c = 1; c <= kLastClub; ++c) played->TeamKeyPlayerSlot(c) = 10;
  const auto loaded = parseSavedGame("x.usa", savedGameText(*played), g());
  EXPECT_EQ(loaded->TeamSquadCount(5), 21);
  EXPECT_EQ(loaded->PlayerAge(free), 0);
  EXPECT_EQ(loaded->TeamKeyPlayerSlot(3), 10);
}

// Play keeps a club's count at its players. An older save's count that had
// run ahead of them within the squad slots is taken from them.
TEST_F(SavedGameAgreementTest, SquadCountsAreTakenFromThePlayers) {
  auto drifted = std::make_unique<MLSModule>(g());
  drifted->TeamSquadCount(3) = 17;
  drifted->TeamSquadCount(4) = 20;
  const auto loaded = parseSavedGame("x.usa", savedGameText(*drifted), g());
  EXPECT_EQ(loaded->TeamSquadCount(3), 16);
  EXPECT_EQ(loaded->TeamSquadCount(4), 16);
}

TEST_F(SavedGameAgreementTest, ClubsPlayWithTacticsAndEnglishClubsInADivision) {
  const std::pair<Spoil, std::string> cases[] = {
      {[](MLSModule& m) { m.TeamFormation(9) = 0; }, "TeamFormation(9) is 0"},
      {[](MLSModule& m) { m.TeamTactic(285) = 0; }, "TeamTactic(285) is 0"},
      {[](MLSModule& m) { m.TeamFlow(1) = 0; }, "TeamFlow(1) is 0"},
      {[](MLSModule& m) { m.EnglishDivision(5) = 0; },
       "EnglishDivision(5) is 0, leaving English club 57 in no division"},
      {[](MLSModule& m) {
         m.CoachName(7) = "Vic Tally";
         m.CoachAge(7) = 0;
       },
       "CoachAge(7) is 0 for a named coach, at least 25 belongs"},
  };
  for (const auto& [spoil, problem] : cases) EXPECT_EQ(refusalOf(spoil), problem);
  // Clubs 145..148 stand outside the English tables; a record without a
  // coach's name has no age.
  auto outside = std::make_unique<MLSModule>(g());
  outside->EnglishDivision(96) = 0;
  outside->CoachAge(8) = 0;
  EXPECT_NO_THROW(parseSavedGame("x.usa", savedGameText(*outside), g()));
}

TEST_F(SavedGameAgreementTest, EachOrderListHoldsItsLeagueOnce) {
  const std::pair<Spoil, std::string> cases[] = {
      {[](MLSModule& m) { m.ALeagueOrder(3) = 20; }, "ALeagueOrder(4) is 20, already at place 3"},
      {[](MLSModule& m) { m.ALeagueOrder(18) = 0; }, "ALeagueOrder(18) is 0, not a club of the A-League"},
      {[](MLSModule& m) { m.D3Order(1) = 34; }, "D3Order(1) is 34, not a club of the D3 Pro League"},
      {[](MLSModule& m) { m.WestOrder(1) = 2; }, "WestOrder(1) is 2, not a club of the MLS West"},
      {[](MLSModule& m) { m.EastOrder(6) = 7; }, "EastOrder(6) is 7, past the 5 clubs of the MLS East"},
      {[](MLSModule& m) { std::swap(m.LeagueOrder(1, 1), m.LeagueOrder(1, 2)); },
       "LeagueOrder(1, 1) is 73, not a club of English division 1"},
      {[](MLSModule& m) { m.LeagueOrder(21, 1) = 60; },
       "LeagueOrder(21, 1) is 60, past the 20 clubs of English division 1"},
      {[](MLSModule& m) { m.LeagueOrder(13, 12) = 225; }, "LeagueOrder(13, 12) is 225, already at place 1"},
  };
  for (const auto& [spoil, problem] : cases) EXPECT_EQ(refusalOf(spoil), problem);
  // An order is any arrangement of its clubs: the standings sort it.
  auto sorted = std::make_unique<MLSModule>(g());
  std::swap(sorted->ALeagueOrder(1), sorted->ALeagueOrder(18));
  std::swap(sorted->LeagueOrder(2, 4), sorted->LeagueOrder(24, 4));
  EXPECT_NO_THROW(parseSavedGame("x.usa", savedGameText(*sorted), g()));
}

TEST_F(SavedGameAgreementTest, BothSidesOfAFixtureAgree) {
  // Round 5 pairs 1-2 and 3-4, the odd club at home.
  const std::pair<Spoil, std::string> cases[] = {
      {[](MLSModule& m) { m.FixtureOpponent(1, 5) = 3; }, "FixtureOpponent(1, 5) is 3, but FixtureOpponent(3, 5) is 4"},
      {[](MLSModule& m) { m.FixtureOpponent(9, 5) = 9; }, "FixtureOpponent(9, 5) is 9, not a match between two clubs"},
      {[](MLSModule& m) { m.FixtureOpponent(0, 5) = 1; }, "FixtureOpponent(0, 5) is 1, not a match between two clubs"},
      {[](MLSModule& m) { m.FixtureCompetition(2, 5) = 2; },
       "FixtureCompetition(1, 5) is 1, but FixtureCompetition(2, 5) is 2"},
      {[](MLSModule& m) { m.FixtureVenue(2, 5) = 1; }, "FixtureVenue(1, 5) is 1, but FixtureVenue(2, 5) is 1"},
      {[](MLSModule& m) { m.FixtureVenue(4, 5) = 0; }, "FixtureVenue(3, 5) is 1, but FixtureVenue(4, 5) is 0"},
      // The first and the last round are checked as well.
      {[](MLSModule& m) { m.FixtureOpponent(200, 1) = 201; },
       "FixtureOpponent(200, 1) is 201, but FixtureOpponent(201, 1) is 0"},
      {[](MLSModule& m) { m.FixtureOpponent(200, kLastRound) = 201; },
       "FixtureOpponent(200, 104) is 201, but FixtureOpponent(201, 104) is 0"},
  };
  for (const auto& [spoil, problem] : cases) EXPECT_EQ(refusalOf(spoil), problem);
  // A final on neutral ground.
  auto neutral = std::make_unique<MLSModule>(g());
  neutral->FixtureVenue(5, 5) = 0;
  neutral->FixtureVenue(6, 5) = 0;
  EXPECT_NO_THROW(parseSavedGame("x.usa", savedGameText(*neutral), g()));
}

TEST_F(SavedGameAgreementTest, WholeNumbersAndColoursAreWhatTheySay) {
  // Marker values the rest of the file does not hold.
  g().FixtureOpponent(1, 5) = 0;
  g().FixtureOpponent(2, 5) = 0;
  g().FixtureVenue(1, 5) = g().FixtureVenue(2, 5) = 0;
  g().FixtureCompetition(1, 5) = g().FixtureCompetition(2, 5) = 0;
  g().TicketPrice(3) = 4321;
  g().SponsorFee(3) = 54321;
  const std::string fixture = "\"FixtureOpponent\"";
  std::string text = savedGameText(g());
  const std::pair<std::string, std::string> cases[] = {
      {edited(",4321,", ",4321.5,"), "TicketPrice(3) is 4321.5, not a whole number"},
      {edited(",4321,", ",40000,"), "TicketPrice(3) is 40000, outside 0 to 32767"},
      {edited(",54321,", ",54321.5,"), "SponsorFee(3) is 54321.5, not a whole number"},
      {edited(",0,10,5,0,\"Ada Quill\"", ",2,10,5,0,\"Ada Quill\""), "ShowAllMatches is 2, outside -1 to 0"},
  };
  for (const auto& [file, problem] : cases) EXPECT_EQ(savedGameRefusal(file), problem);

  // The fixture grid, club fastest: (1, 5) is the 5 * 286 + 1st value.
  const std::size_t start = text.find(fixture);
  ASSERT_NE(start, std::string::npos);
  std::size_t at = text.find(',', text.find(',', start) + 1) + 1;
  for (int k = 0; k < 5 * 286 + 1; ++k) at = text.find(',', at) + 1;
  ASSERT_EQ(text.compare(at, 2, "0,"), 0);
  EXPECT_EQ(savedGameRefusal(std::string(text).replace(at, 1, "2.5")),
            "FixtureOpponent(1, 5) is 2.5, not a whole number");

  // Player items name the player, and the column where there is one.
  EXPECT_EQ(refusalOf([](MLSModule& m) { m.PlayerDefense(12) = 20000; }),
            "PlayerDefense(12) is 20000, outside 0 to 10000");
  EXPECT_EQ(refusalOf([](MLSModule& m) { m.PlayerInterest(7, 3) = 999; }),
            "PlayerInterest(7, 3) is 999, outside 0 to 285");
  EXPECT_EQ(refusalOf([](MLSModule& m) { m.TeamColour1(3) = "red"; }),
            "TeamColour1(3) is \"red\", not a colour (&H and hex digits)");
  EXPECT_EQ(refusalOf([](MLSModule& m) { m.TeamColour2(4) = "&H1234567"; }),
            "TeamColour2(4) is \"&H1234567\", not a colour (&H and hex digits)");
  // A colour in the long-standing layout alone is checked too.
  std::string layout = edited("\"&HFFFF\"", "\"&HFFFF \xC3\xA9\"");
  layout.resize(layout.find("\"Kervale trailer\""));
  EXPECT_EQ(savedGameRefusal(layout), "TeamColour2(1) is \"&HFFFF ??\", not a colour (&H and hex digits)");
}

}  // namespace
}  // namespace kervale::test
