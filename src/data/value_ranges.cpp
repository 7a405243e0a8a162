#include "data/value_ranges.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <unordered_map>

#include "base/colour.h"
#include "base/csv.h"
#include "base/numbers.h"
#include "data/mls_module.h"

namespace kervale {

namespace {

using K = ValueKind;

constexpr double kClubs = kLastClub;
constexpr double kPlayers = kLastPlayer;
constexpr double kRounds = kLastRound;
// The longest career the ranges cover: seasons -1 to 300, beyond the 274
// seasons of the headless runner's most days. Values that grow a little
// every season (ages of free records, fan demand, approval) are bounded by it.
constexpr double kLastSeason = 300;
constexpr double kSeasons = kLastSeason + 2;
// Ratings and skills start within the skill table's 0..54, but training and
// each season end's development raise them with no top: a good player gains
// a few points a season, for as many seasons as he plays. Only wage look-ups
// index by a rating sum, and they clamp it.
constexpr double kRating = 10000;
// A data file's ratings and skills go to 100 (the committed world's to 20). A
// season end adds at most the season's average match rating (about 10) and a
// tenth of the goals and assists; training 0.04 a working day (10 a season):
// far below the (kRating - 100) / kSeasons, 33 a season, a save allows.
constexpr Bounds kFileRating{0, 100};
// Money a club can hold, in currency units. A gate is up to the stadium's
// seats, which grow every season the chairman agrees, times a ticket price
// the user may raise with fan demand: a club kept winning for decades earns
// far more than 1e10. Below this, sums keep whole units, and a 75000th of it
// (the scouting fund) fits 32 bits.
constexpr double kMoney = 1e14;
constexpr double kMoneyK = kMoney / 1000;
// Counters of one season: at most one match a round.
constexpr double kSeasonMatches = kRounds;
// Goals, shots and cards of one season, and any career counter. A match's
// minute plays at most one attack or penalty and one foul: a shot, a goal and
// a card at most, for 120 minutes, in a match a round.
constexpr double kMinutes = 120;
constexpr double kSeasonCount = kMinutes * kRounds;
constexpr double kCareerCount = kSeasonCount * kSeasons;
constexpr double kStaff = 300;  // coaches and scouts 1..300
// A match rating is brought back within 0.5..10 for the eleven on the pitch
// once a minute; the minute's last events and a substitute's rating, never
// brought back, go past it (a keeper below 0 after a late goal, 11 after late
// saves). Far beyond what one match's events move a rating by.
constexpr double kMatchRating = 1000;
constexpr double kInt16 = 32767;
// An English club below its division's mark gains 5 a season, and loses 5 net
// when relegated: three relegations in a row take a club from a data file's 0
// to -15. The top two divisions are brought back within 10..100 each season;
// a promoted club gains 5 net.
constexpr double kLowestReputation = -15;
// A data file's reputations, 0 to 200. The most a club gains above its data
// file's value is 10, promoted from the fourth division and then from the
// third; a save allows twice that.
constexpr Bounds kFileReputation{0, 200};
// A data file's seats, and up to 30000 more each season the chairman agrees
// to build.
constexpr Bounds kFileSeats{0, 200000};

ValueRange whole(std::string_view name, double low, double high) { return {name, K::Whole, low, high, false}; }
ValueRange number(std::string_view name, double low, double high) { return {name, K::Number, low, high, false}; }
ValueRange club(std::string_view name) { return whole(name, 0, kClubs); }
// A score or result cell: blank until the tie is played.
ValueRange score(std::string_view name) { return {name, K::Whole, 0, 1000, true}; }
ValueRange text(std::string_view name, bool emptyAllowed = true) { return {name, K::Text, 0, 0, emptyAllowed}; }
ValueRange lines(std::string_view name) { return {name, K::Lines, 0, 0, true}; }
ValueRange colour(std::string_view name) { return {name, K::Colour, 0, 0, true}; }
// Cells kept only for the file, read by nothing: any number, text or blank.
ValueRange kept(std::string_view name) { return {name, K::Number, -kMoney, kMoney, true}; }
// A value play moves on from where a data file left it: the file keeps to
// `file`, a saved game to the row's own bounds.
ValueRange grown(ValueRange saved, Bounds file) {
  saved.dataFile = file;
  return saved;
}

std::vector<ValueRange> makeRanges() {
  return {
      // ---- Data-file counts and values that only the files carry
      whole("NumPlayers", 1, kPlayers),
      whole("NumRefs", 1, 40),
      whole("TacticCount", 1, kInt16),  // "tactics.dat" may list more; 30 are read
      whole("NumFlows", 1, 8),
      whole("NumFormations", 1, 50),
      whole("NumPositions", 1, 24),
      whole("PositionRows", 1, 8),
      whole("NumNations", 1, 285),
      whole("NumSponsors", 1, 100),
      whole("NameCount", 1, 1000000),
      text("Name", false),
      whole("ColourComponent", 0, 255),
      number("StartApproval", 0, 1),
      number("TacticFactor", 0.25, 4),
      number("PositionFactor", 0.01, 4),
      number("PositionPickWeight", 0, 100),
      number("PositionUnused", -kInt16, kInt16),
      whole("FormationPos", 1, 24),
      whole("FormationFlow", 1, 8),
      whole("FlowTable1", 1, 25),
      number("FlowWeight", 0, 10000),
      number("RefStrictness", 0, 100),
      number("SkillValueTable", 0, 1000),
      number("PlayerUnused", -kMoney, kMoney),
      text("TacticName", false),
      text("FlowName", false),
      text("FormationName", false),
      text("PositionName", false),
      text("RefName", false),
      text("SponsorName", false),
      text("NationName", false),
      text("NationFlagFile"),
      text("CommentaryLine"),
      text("RatingWord", false),
      text("AggressionWord", false),

      // ---- Calendar and the user's game
      whole("CurrentWeek", 1, kRounds),
      // Not checked against the date: a career's weekdays follow from the day
      // its league starts (MLS Monday 1 June, English Monday 13 August,
      // Australian Monday 13 September), so a date falls on different
      // weekdays in different careers. 7 lasts only within the press that
      // plays the Saturday round and sets it back to 0: no save holds it.
      whole("WeekDay", 0, 6),
      whole("MonthDay", 1, 31),
      whole("CurrentMonth", 1, 12),
      whole("CurrentSeason", -1, kLastSeason),
      whole("SeasonStartFlag", 0, 1),
      club("MyTeam"),
      text("ManagerName"),
      whole("CurrentLeague", 0, 3),
      whole("ExpansionMode", 0, 1),
      whole("PlayoffTeams", 4, 8),
      whole("LeagueSkipped", 0, 1),
      number("SalaryCap", 0, kMoneyK),
      number("CommentarySpeed", 0, 100),
      whole("CommishMode", 0, 1),
      whole("CheatFlag", 0, 1),
      whole("StatView", 0, 10),
      whole("ShowAllMatches", -1, 0),

      // ---- Club table
      text("TeamName"),
      text("TeamNickname"),
      text("TeamLogo"),
      whole("TeamDivision", 0, 4),
      text("TeamVenue"),
      grown(whole("StadiumCapacity", 0, kFileSeats.high + 30000 * kSeasons), kFileSeats),
      // Floored at 0 (reset to 0.1) by a loss; a win adds up to 0.03 with no top.
      number("ManagerApproval", 0, 1 + 0.03 * kRounds * kSeasons),
      grown(number("TeamReputation", kLowestReputation, kFileReputation.high + 20), kFileReputation),
      whole("TeamCupEntry", 0, 16),
      colour("TeamColour1"),
      colour("TeamColour2"),
      whole("EnglishDivision", 0, 4),
      whole("GermanDivision", 0, 2),
      // Only the home club's demand is floored (at 0.1) after a match; an away
      // defeat lowers it by 0.02 with no floor. Every league club plays at
      // home each season, so a run of away matches spans at most two seasons'
      // rounds. A home win adds 0.04 with no top, from at most 2 in a data file.
      grown(number("TeamFanDemand", 0.1 - 0.02 * 2 * kRounds, 2 + 0.04 * kRounds * kSeasons), {0, 2}),
      whole("TicketPrice", 0, kInt16),
      number("TeamMoney", -kMoney, kMoney),
      number("TeamWages", -kMoney, kMoney),
      // Follows the club's money (a 75000th of it), so it is negative in debt.
      whole("ScoutingFunding", -kMoneyK, kMoneyK),
      text("TeamSponsor"),
      whole("SponsorFee", 0, 2147483647),
      whole("MlsAllocations", 0, 100),
      whole("StadiumExpansionPlan", 0, 200000),
      text("TeamForm"),
      lines("TeamLatestNews"),
      whole("TicketRaiseBlock", 0, 10),
      club("AppliedTeam"),

      // ---- Club tactics (the reference counts tighten these in a loaded game)
      whole("TeamFormation", 0, 50),
      whole("TeamTactic", 0, 30),
      whole("TeamFlow", 0, 8),
      whole("TeamPushUp", 0, 3),
      // Kept within 0.4..1.8 as a match starts; then each minute's shot, goal
      // and booking move it by up to +0.2 or -0.12 in all, for 120 minutes.
      number("TeamMorale", 0.4 - 0.12 * kMinutes, 1.8 + 0.2 * kMinutes),
      whole("TeamKeyPlayerSlot", 0, 20),
      whole("SavedTactic", 0, 30),
      whole("SavedFlow", 0, 8),
      whole("TeamAggression", -1, 1),

      // ---- Club season statistics and records
      whole("TeamGames", 0, kSeasonMatches),
      whole("TeamWins", 0, kSeasonMatches),
      whole("TeamDraws", 0, kSeasonMatches),
      whole("TeamLosses", 0, kSeasonMatches),
      whole("TeamGoalsFor", 0, kSeasonCount),
      whole("TeamGoalsAgainst", 0, kSeasonCount),
      whole("TeamGamesPlayed", 0, kSeasonMatches),
      whole("TeamYellowCards", 0, kSeasonCount),
      whole("TeamRedCards", 0, kSeasonCount),
      whole("TeamDisciplinePoints", 0, 4 * kSeasonCount),  // a yellow 1, a red 3
      whole("TeamFirstHalfGoals", 0, kSeasonCount),
      whole("TeamSecondHalfGoals", 0, kSeasonCount),
      whole("TeamExtraTimeGoals", 0, kSeasonCount),
      whole("TeamShotsOnTarget", 0, kSeasonCount),
      whole("TeamShotsAgainst", 0, kSeasonCount),
      whole("TeamBiggestWinMargin", 0, 1000),
      text("TeamBiggestWinText"),
      whole("TeamBiggestLossMargin", 0, 1000),
      text("TeamBiggestLossText"),
      whole("TeamMostGoalsInGame", 0, 1000),
      text("TeamMostGoalsText"),

      // ---- Player table
      club("PlayerTeam"),
      text("PlayerName"),
      grown(number("PlayerGoalkeeping", 0, kRating), kFileRating),
      grown(number("PlayerDefense", 0, kRating), kFileRating),
      grown(number("PlayerMidfield", 0, kRating), kFileRating),
      grown(number("PlayerAttack", 0, kRating), kFileRating),
      // A data file's ages go to 60. A player past 41 never retires, and a
      // retired player's free record goes on ageing: one year a season.
      grown(whole("PlayerAge", 0, 60 + kSeasons), {0, 60}),
      whole("PlayerNation", 0, 285),
      number("PlayerAggression", 0, 58),
      number("PlayerTrainingFactor", 0, 100),
      number("PlayerBallControl", 0, kRating),
      number("PlayerTackling", 0, kRating),
      number("PlayerPassing", 0, kRating),
      number("PlayerShooting", 0, kRating),
      number("PlayerHeading", 0, kRating),
      grown(number("PlayerSpeed", 0, kRating), kFileRating),
      grown(number("PlayerAwareness", 0, kRating), kFileRating),
      number("PlayerAttribute14", 0, kRating),
      number("PlayerAttribute18", 0, kRating),
      number("PlayerAttribute20", 0, kRating),
      // The loader mends impossible dates (month 13, April 31, July 40) instead
      // of refusing them.
      whole("PlayerBirthMonth", 0, 99),
      whole("PlayerBirthDay", 0, 99),
      number("PlayerWage", 0, kMoneyK),
      // Capped at 100 after a match he played; one left out moves by the
      // result less 0.5, with no floor and no cap (+0.2 after an away win):
      // less than 1 a match.
      number("PlayerForm", -kRounds * kSeasons, kRounds * kSeasons),
      whole("PlayerContractYears", 0, 5),
      whole("PlayerInjury", 0, kRounds),
      text("PlayerInjuryText"),
      whole("PlayerBookings", 0, 10),
      whole("PlayerTransferListed", 0, 1),
      whole("PlayerListingMargin", 0, 10),
      club("PlayerInterest"),

      // ---- Player statistics
      whole("PlayerGamesSeason", 0, kSeasonMatches),
      whole("PlayerGamesCareer", 0, kCareerCount),
      number("PlayerRatingSumSeason", -kMatchRating * kSeasonMatches, kMatchRating * kSeasonMatches),
      number("PlayerRatingSumCareer", -kMatchRating * kRounds * kSeasons, kMatchRating * kRounds * kSeasons),
      number("PlayerRatingSumWeek", -kMatchRating * kSeasonMatches, kMatchRating * kSeasonMatches),
      // A keeper's goals count down by each goal he concedes.
      whole("PlayerGoalsSeason", -kSeasonCount, kSeasonCount),
      whole("PlayerGoalsCareer", 0, kCareerCount),
      whole("PlayerAssistsSeason", 0, kSeasonCount),
      whole("PlayerAssistsCareer", 0, kCareerCount),
      whole("PlayerShotsOnTarget", 0, kCareerCount),
      whole("PlayerShotsSeason", 0, kSeasonCount),
      whole("PlayerTeamOfWeekCount", 0, kCareerCount),
      whole("TeamOfWeekSlot", 0, 20),
      club("TeamOfWeekTeam"),
      lines("TeamOfTheWeekText"),

      // ---- Squads, positions, training, staff
      whole("TeamSquad", 0, kPlayers),
      whole("TeamSquadCount", 0, kPlayers),
      whole("TeamPosition", 0, 24),
      whole("TeamPositionBackup", 0, 24),
      whole("TrainingGroup", 0, 3),
      whole("TrainingPlanType", 0, 7),
      whole("TrainingPlanIntensity", 0, 2),
      whole("SelectedPlayer", 0, kPlayers),
      whole("SelectedSquadSlot", 0, 20),
      text("CoachName"),
      whole("CoachAge", 0, 100),
      number("CoachRatingA", 0, 100),
      number("CoachRatingB", 0, 100),
      text("ScoutName"),
      whole("AssistantCoach", 0, kStaff),
      whole("HeadScout", 0, kStaff),
      whole("YouthCoach", 0, kStaff),
      whole("ReserveCoach", 0, kStaff),

      // ---- Values handed between the match and the screens
      whole("CupTieFlag", 0, 1),
      club("MatchHomeTeam"),
      club("MatchAwayTeam"),
      whole("TeamTalkStage", 0, 2),
      // Never reset: at most a pre-match and a half-time talk a match.
      whole("BigGameTalks", 0, 2 * kRounds * kSeasons),
      // 1 only while a team sheet is open during a match, when no save can be made.
      whole("PauseFlag", 0, 0),
      number("MatchRating", -kMatchRating, kMatchRating),
      number("TeamSheetCondition", 0, 1),
      whole("SettingsMinute", 0, 120),
      club("SettingsHomeTeam"),
      club("SettingsAwayTeam"),
      whole("SettingsSide", 0, 2),
      whole("SettingsHomeGoals", 0, 1000),
      whole("SettingsAwayGoals", 0, 1000),
      number("TicketIncome", 0, kMoney),
      // A thousand times the club's reputation, which may fall below 0.
      number("TvIncome", kLowestReputation * 1000, kMoney),
      number("SponsorIncome", 0, kMoneyK),
      number("WageBill", 0, kMoney),
      lines("LastResultText"),
      number("BarDivisor", 0, kMoney),

      // ---- News
      text("ClubNewsLine"),
      whole("ClubNewsCount", 0, 50),
      text("Headlines"),
      whole("HeadlineCount", 0, 300),
      lines("LastWeekTransfersText"),
      club("WebsiteTeam"),
      club("WebsiteTeamPick"),

      // ---- Kept only for the saved game
      whole("TeamSaveItem6", -kInt16, kInt16),
      kept("TeamSaveItem7"),
      kept("TeamSaveItem12"),
      kept("TeamSaveItem14"),
      kept("TeamSaveItem40"),
      kept("TeamSaveItem21"),
      kept("TeamSaveItem27"),
      // The new game sets 0 at every club and play never changes it; club 0
      // stays blank.
      {"TeamSaveItem28", K::Whole, 0, 0, true},
      whole("SaveFieldA", -kInt16, kInt16),
      kept("SaveFieldB"),
      whole("SaveFieldC", -kInt16, kInt16),
      whole("SaveFieldD", -kInt16, kInt16),
      whole("CalendarResetCounter", 0, kRounds),

      // ---- Fixture grid and schedule templates (club or league-local team numbers)
      club("FixtureOpponent"),
      whole("FixtureCompetition", 0, 3),
      whole("FixtureVenue", 0, 2),
      whole("FixtureScore", 0, 1000),
      club("EnglishLeagueFixture"),
      club("EnglishLeagueFixtureWork"),
      club("PremiershipFixture"),
      club("GermanLeagueFixture"),
      club("GermanLeagueFixtureWork"),
      club("Fixture14Template"),
      club("Fixture12Template"),
      club("Fixture20Clubs"),
      club("Fixture20Template"),
      club("Fixture20Work"),
      club("FixtureMLSTemplate"),
      club("FixtureMLSWork"),
      club("FixtureSpare612A"),
      club("FixtureSpare612B"),
      club("FixtureSpare612C"),

      // ---- Standings, playoffs, cups and histories
      whole("MLSTeamCount", 0, 16),
      whole("MLSMatchesPerRound", 0, 8),
      club("WestOrder"),
      club("EastOrder"),
      club("ALeagueOrder"),
      club("D3Order"),
      club("LeagueOrder"),
      whole("TableLeague", -1, 20),
      whole("PlayoffView", 0, 7),
      number("PlayoffStage", 0, 10),
      club("PlayoffQFTeam"),
      score("PlayoffQFResult"),
      club("PlayoffSFTeam"),
      score("PlayoffSFResult"),
      club("MLSFinalTeam1"),
      club("MLSFinalTeam2"),
      score("MLSFinalScore1"),
      score("MLSFinalScore2"),
      score("PlayoffEastHomeScore"),
      score("PlayoffEastAwayScore"),
      score("PlayoffWestHomeScore"),
      score("PlayoffWestAwayScore"),
      club("EnglishPlayoffTeam"),
      club("ALeaguePlayoffSFTeam"),
      score("ALeaguePlayoffSFScore"),
      club("ALeaguePlayoffFinalTeam"),
      score("ALeaguePlayoffFinalScore"),
      club("D3PlayoffSFTeam"),
      score("D3PlayoffSemiScore"),
      club("D3PlayoffFinalist"),
      score("D3PlayoffFinalScore"),
      club("USCupPrelimTeam"),
      score("USCupPrelimResult"),
      club("USCupRound1Team"),
      score("USCupRound1Result"),
      club("USCupRound2Team"),
      score("USCupRound2Result"),
      club("USCupRound3Team"),
      score("USCupRound3Result"),
      club("USCupRound4Team"),
      score("USCupRound4Result"),
      club("USCupSemiTeam"),
      score("USCupSemiResult"),
      club("USCupFinalTeam"),
      score("USCupFinalResult"),
      club("EnglishCupEntrant"),
      club("CanadaCupSFTeam"),
      score("CanadaCupSFScore"),
      club("CanadaCupFinalTeam"),
      score("CanadaCupFinalScore"),
      club("ChampionsQFTeam"),
      score("ChampionsQFScore"),
      club("ChampionsSFTeam"),
      // The bracket viewer reads each pair both ways: scores or clubs.
      score("ChampionsSFScore"),
      score("ChampionsFinalTeam"),
      score("ChampionsFinalScore"),
      club("CopaSFTeam"),
      score("CopaSFScore"),
      score("CopaFinalTeam"),
      score("CopaFinalScore"),
      club("WorldClubSFTeam"),
      score("WorldClubSFScore"),
      score("WorldClubFinalTeam"),
      score("WorldClubFinalScore"),
      club("ConcacafQFTeam"),
      score("ConcacafQFResult"),
      club("ConcacafSFTeam"),
      score("ConcacafSFResult"),
      club("ConcacafFinalTeam"),
      score("ConcacafFinalResult"),
      club("MLSChampionHistory"),
      club("CupWinnerHistory"),
      club("WorldClubWinnerHistory"),
      club("PremiershipChampionHistory"),
      club("ALeagueChampionHistory"),
      whole("ALeagueSeason", 0, 100),
  };
}

bool isControl(unsigned char c) { return c < 32 || c == 127; }

// A bound worked out in doubles (0.4 - 0.12 * 120) can miss the decimal it
// means by its last bit (-13.999999999999998), and a refusal shows it as the
// decimal ("outside -14 to 25.8"). Each bound takes the wider of the two: a
// value equal to the decimal is accepted, and so is every value the bound as
// worked out accepted.
Bounds widenedToShown(double low, double high) {
  return Bounds{std::min(low, Val(numText(low))), std::max(high, Val(numText(high)))};
}

std::vector<ValueRange> shownRanges() {
  std::vector<ValueRange> rows = makeRanges();
  for (ValueRange& range : rows) {
    const Bounds widened = widenedToShown(range.low, range.high);
    range.low = widened.low;
    range.high = widened.high;
    if (range.dataFile) range.dataFile = widenedToShown(range.dataFile->low, range.dataFile->high);
  }
  return rows;
}

}  // namespace

const std::vector<ValueRange>& valueRanges() {
  static const std::vector<ValueRange> ranges = shownRanges();
  return ranges;
}

const ValueRange& valueRange(std::string_view name) {
  // Loading a game looks a range up for every value it reads: found by hash,
  // not by a walk through several hundred names.
  static const std::unordered_map<std::string_view, const ValueRange*> byName = [] {
    std::unordered_map<std::string_view, const ValueRange*> rows;
    for (const ValueRange& range : valueRanges()) rows.emplace(range.name, &range);
    return rows;
  }();
  const auto found = byName.find(name);
  if (found == byName.end()) throw std::logic_error("no value range for " + std::string(name));
  return *found->second;
}

const ValueRange& dataFileRange(std::string_view name) {
  // Every row once, tightened where a data file keeps to less: a reader looks
  // up each value it reads in one hash.
  static const std::vector<ValueRange> tightened = [] {
    std::vector<ValueRange> rows = valueRanges();
    for (ValueRange& range : rows) {
      if (!range.dataFile) continue;
      range.low = range.dataFile->low;
      range.high = range.dataFile->high;
    }
    return rows;
  }();
  static const std::unordered_map<std::string_view, const ValueRange*> byName = [] {
    std::unordered_map<std::string_view, const ValueRange*> rows;
    for (std::size_t k = 0; k < tightened.size(); ++k) {
      const ValueRange& range = tightened[k];
      rows.emplace(range.name, range.dataFile ? &range : &valueRanges()[k]);
    }
    return rows;
  }();
  const auto found = byName.find(name);
  return found == byName.end() ? valueRange(name) : *found->second;
}

std::string numberProblem(const ValueRange& range, double value) {
  if (!(value >= range.low && value <= range.high)) {
    return "is " + exactNumText(value) + ", outside " + numText(range.low) + " to " + numText(range.high);
  }
  if (range.kind == ValueKind::Whole && value != std::floor(value)) {
    return "is " + exactNumText(value) + ", not a whole number";
  }
  return "";
}

std::string textProblem(const ValueRange& range, std::string_view text) {
  if (text.empty() && !range.emptyAllowed) return "is empty";
  if (range.kind == ValueKind::Colour && !text.empty() && !isColourText(text)) {
    return "is \"" + maskedText(text) + "\", not a colour (&H and hex digits)";
  }
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (range.kind == ValueKind::Lines && (c == '\r' || c == '\n')) continue;
    if (isControl(byte)) return "holds control character " + std::to_string(byte);
  }
  return "";
}

}  // namespace kervale
