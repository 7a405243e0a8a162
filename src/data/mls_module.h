#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "data/table.h"
#include "data/variant.h"

namespace kervale {

// Club numbers 0..285, player numbers 0..10000.
inline constexpr int kLastClub = 285;
inline constexpr int kLastPlayer = 10000;
inline constexpr int kLastRound = 104;

// The whole state of one game: every shared table under the name the screens
// use, with inclusive bounds from 0 and checked indexing. Texts are strings,
// numbers double (or the declared 16-bit, 32-bit or single type); Variant only
// where a cell holds a number or a text, or where empty shows apart from 0.
// A new or loaded game replaces the whole structure (see replaceGame).
struct MLSModule {
  using Text = std::string;
  using Int16 = std::int16_t;
  using Int32 = std::int32_t;
  template <class T>
  using Clubs = Table1<T, kLastClub>;
  template <class T>
  using Players = Table1<T, kLastPlayer>;

  // ---- Calendar
  double CurrentWeek = 0;  // round 1..104
  double WeekDay = 0;      // 0..7; 4 and 7 are matchdays
  double MonthDay = 0;
  double CurrentMonth = 0;   // 1..12
  double CurrentSeason = 0;  // year shown is 2002 + value; -1 in expansion mode
  double SeasonStartFlag = 0;
  Table1<Text, 12> MonthName{"MonthName"};
  Table1<Text, 7> DayName{"DayName"};

  // ---- The user's game and settings
  double MyTeam = 0;
  Text ManagerName;
  double CurrentLeague = 0;  // 0 MLS, 1 A-League, 2 D3 Pro League, 3 English
  double ExpansionMode = 0;
  Int16 PlayoffTeams = 0;
  Table1<double, 6> LeagueSkipped{"LeagueSkipped"};
  double SalaryCap = 0;
  Text ScreenMode;
  Text BackgroundPicture;
  double PickerMode = 0;
  double MenuLanguage = 0;
  double CommentarySpeed = 0;
  double CommishMode = 0;
  double CheatFlag = 0;
  double StatView = 0;
  bool ShowAllMatches = false;

  // ---- Club table
  Clubs<Text> TeamName{"TeamName"};
  Clubs<Text> TeamNickname{"TeamNickname"};
  Clubs<Text> TeamLogo{"TeamLogo"};
  Clubs<double> TeamDivision{"TeamDivision"};
  Clubs<Text> TeamVenue{"TeamVenue"};
  Clubs<double> StadiumCapacity{"StadiumCapacity"};
  Clubs<double> ManagerApproval{"ManagerApproval"};
  Clubs<double> TeamReputation{"TeamReputation"};
  Clubs<double> TeamCupEntry{"TeamCupEntry"};
  Clubs<Text> TeamColour1{"TeamColour1"};  // "&H" and hex digits
  Clubs<Text> TeamColour2{"TeamColour2"};
  Table1<double, 96> EnglishDivision{"EnglishDivision"};  // club c at c - 52
  Table1<double, 40> GermanDivision{"GermanDivision"};    // club c at c - 164
  Clubs<double> TeamFanDemand{"TeamFanDemand"};
  Clubs<Int16> TicketPrice{"TicketPrice"};
  Clubs<double> TeamMoney{"TeamMoney"};
  Clubs<double> TeamWages{"TeamWages"};
  Table1<Int32, 237> ScoutingFunding{"ScoutingFunding"};
  Clubs<Text> TeamSponsor{"TeamSponsor"};
  Clubs<Int32> SponsorFee{"SponsorFee"};
  Clubs<double> MlsAllocations{"MlsAllocations"};
  Clubs<Int16> StadiumExpansionPlan{"StadiumExpansionPlan"};
  Clubs<Text> TeamForm{"TeamForm"};
  Clubs<Text> TeamLatestNews{"TeamLatestNews"};
  Int16 TicketRaiseBlock = 0;
  Int16 AppliedTeam = 0;

  // ---- Club tactics
  Clubs<double> TeamFormation{"TeamFormation"};
  Clubs<double> TeamTactic{"TeamTactic"};
  Clubs<Int16> TeamFlow{"TeamFlow"};
  Clubs<double> TeamPushUp{"TeamPushUp"};
  Clubs<double> TeamMorale{"TeamMorale"};
  Clubs<double> TeamKeyPlayerSlot{"TeamKeyPlayerSlot"};
  Table1<Int16, 4> SavedTactic{"SavedTactic"};
  Table1<double, 4> SavedFlow{"SavedFlow"};
  double TeamAggression = 0;

  // ---- Club season statistics and records
  Clubs<double> TeamGames{"TeamGames"};
  Clubs<double> TeamWins{"TeamWins"};
  Clubs<double> TeamDraws{"TeamDraws"};
  Clubs<double> TeamLosses{"TeamLosses"};
  Clubs<double> TeamGoalsFor{"TeamGoalsFor"};
  Clubs<double> TeamGoalsAgainst{"TeamGoalsAgainst"};
  Clubs<double> TeamGamesPlayed{"TeamGamesPlayed"};
  Clubs<double> TeamYellowCards{"TeamYellowCards"};
  Clubs<double> TeamRedCards{"TeamRedCards"};
  Clubs<double> TeamDisciplinePoints{"TeamDisciplinePoints"};
  Clubs<double> TeamFirstHalfGoals{"TeamFirstHalfGoals"};
  Clubs<double> TeamSecondHalfGoals{"TeamSecondHalfGoals"};
  Clubs<double> TeamExtraTimeGoals{"TeamExtraTimeGoals"};
  Clubs<double> TeamShotsOnTarget{"TeamShotsOnTarget"};
  Clubs<double> TeamShotsAgainst{"TeamShotsAgainst"};
  Clubs<double> TeamBiggestWinMargin{"TeamBiggestWinMargin"};
  Clubs<Text> TeamBiggestWinText{"TeamBiggestWinText"};
  Clubs<double> TeamBiggestLossMargin{"TeamBiggestLossMargin"};
  Clubs<Text> TeamBiggestLossText{"TeamBiggestLossText"};
  Clubs<double> TeamMostGoalsInGame{"TeamMostGoalsInGame"};
  Clubs<Text> TeamMostGoalsText{"TeamMostGoalsText"};

  // ---- Player table
  Int16 NumPlayers = 0;
  Players<double> PlayerTeam{"PlayerTeam"};  // 0 = free agent
  Players<Text> PlayerName{"PlayerName"};    // "" = free record
  Players<float> PlayerGoalkeeping{"PlayerGoalkeeping"};
  Players<double> PlayerDefense{"PlayerDefense"};
  Players<double> PlayerMidfield{"PlayerMidfield"};
  Players<double> PlayerAttack{"PlayerAttack"};
  Players<double> PlayerAge{"PlayerAge"};
  Players<double> PlayerNation{"PlayerNation"};
  Players<double> PlayerAggression{"PlayerAggression"};
  Players<double> PlayerTrainingFactor{"PlayerTrainingFactor"};
  Players<double> PlayerBallControl{"PlayerBallControl"};
  Players<double> PlayerTackling{"PlayerTackling"};
  Players<double> PlayerPassing{"PlayerPassing"};
  Players<double> PlayerShooting{"PlayerShooting"};
  Players<double> PlayerHeading{"PlayerHeading"};
  Players<double> PlayerSpeed{"PlayerSpeed"};
  Players<double> PlayerAwareness{"PlayerAwareness"};
  Players<double> PlayerAttribute14{"PlayerAttribute14"};
  Players<double> PlayerAttribute18{"PlayerAttribute18"};
  Players<double> PlayerAttribute20{"PlayerAttribute20"};
  Players<double> PlayerBirthMonth{"PlayerBirthMonth"};
  Players<double> PlayerBirthDay{"PlayerBirthDay"};
  Players<double> PlayerWage{"PlayerWage"};  // k per week
  Players<double> PlayerForm{"PlayerForm"};
  Players<double> PlayerContractYears{"PlayerContractYears"};
  Players<double> PlayerInjury{"PlayerInjury"};
  Players<Text> PlayerInjuryText{"PlayerInjuryText"};
  Players<Int16> PlayerBookings{"PlayerBookings"};
  Players<Int16> PlayerTransferListed{"PlayerTransferListed"};
  Players<double> PlayerListingMargin{"PlayerListingMargin"};
  Table2<Int16, kLastPlayer, 5> PlayerInterest{"PlayerInterest"};  // (player, column)

  // ---- Player statistics
  Players<double> PlayerGamesSeason{"PlayerGamesSeason"};
  Players<double> PlayerGamesCareer{"PlayerGamesCareer"};
  Players<double> PlayerRatingSumSeason{"PlayerRatingSumSeason"};
  Players<double> PlayerRatingSumCareer{"PlayerRatingSumCareer"};
  Players<double> PlayerRatingSumWeek{"PlayerRatingSumWeek"};
  Players<double> PlayerGoalsSeason{"PlayerGoalsSeason"};
  Players<double> PlayerGoalsCareer{"PlayerGoalsCareer"};
  Players<double> PlayerAssistsSeason{"PlayerAssistsSeason"};
  Players<double> PlayerAssistsCareer{"PlayerAssistsCareer"};
  // Shots on target of a player (the squad screen and the card show it; also
  // called PlayerSaves in places).
  Players<double> PlayerShotsOnTarget{"PlayerShotsOnTarget"};
  Players<Int16> PlayerShotsSeason{"PlayerShotsSeason"};
  Players<double> PlayerTeamOfWeekCount{"PlayerTeamOfWeekCount"};
  Table1<double, 11> TeamOfWeekSlot{"TeamOfWeekSlot"};
  Table1<double, 11> TeamOfWeekTeam{"TeamOfWeekTeam"};
  Text TeamOfTheWeekText;

  // ---- Squads, positions and training
  Table2<double, 20, kLastClub> TeamSquad{"TeamSquad"};  // (slot, club)
  Clubs<double> TeamSquadCount{"TeamSquadCount"};
  Table2<double, 10, kLastClub> TeamPosition{"TeamPosition"};  // (j, club): slot j + 1
  Table2<Int16, 10, kLastClub> TeamPositionBackup{"TeamPositionBackup"};
  Table1<Int16, 20> TrainingGroup{"TrainingGroup"};
  Table1<double, 15> TrainingPlanType{"TrainingPlanType"};
  Table1<double, 15> TrainingPlanIntensity{"TrainingPlanIntensity"};
  double SelectedPlayer = 0;
  double SelectedSquadSlot = 0;

  // ---- Staff
  Table1<Text, 300> CoachName{"CoachName"};
  Table1<double, 300> CoachAge{"CoachAge"};
  Table1<double, 300> CoachRatingA{"CoachRatingA"};
  Table1<double, 300> CoachRatingB{"CoachRatingB"};
  Table1<Text, 300> ScoutName{"ScoutName"};
  Clubs<double> AssistantCoach{"AssistantCoach"};
  Clubs<double> HeadScout{"HeadScout"};
  double YouthCoach = 0;
  double ReserveCoach = 0;

  // ---- Reference tables from the data files
  Table1<Text, 285> NationName{"NationName"};
  Table1<Text, 285> NationFlagFile{"NationFlagFile"};
  Table1<Text, 1000> CommentaryLine{"CommentaryLine"};
  // The new game's names for youth teams (the English lists); not saved: a
  // loaded game keeps those of the game it replaces.
  std::vector<Text> YouthFirstNames;
  std::vector<Text> YouthLastNames;
  // The new game's North-American lists, for the youths a club calls up
  // during a season; not saved either.
  std::vector<Text> UsaFirstNames;
  std::vector<Text> UsaLastNames;
  // Each club's level at the new game (by club number), the youth intake's
  // scale; not saved either.
  std::vector<double> StartingLevel;
  // Each club's named players at the new game (by club number), under the
  // floor the computer market keeps; not saved either.
  std::vector<int> StartingSquad;
  Table1<Text, 50> RatingWord{"RatingWord"};
  Table1<Text, 50> AggressionWord{"AggressionWord"};
  Table1<double, 54> SkillValueTable{"SkillValueTable"};
  double NumTactics = 0;
  Table1<Text, 30> TacticName{"TacticName"};
  Table2<double, 30, 3> TacticFactor{"TacticFactor"};  // (tactic, column)
  Int16 NumFlows = 0;
  Table1<Text, 10> FlowName{"FlowName"};
  // (zone, flow, side): zone 5 x (row - 1) + column, side 1 home, 2 away.
  Table3<double, 25, 8, 2> FlowTable1{"FlowTable1"};
  Table3<double, 25, 8, 2> FlowTable2{"FlowTable2"};
  Table3<double, 25, 8, 2> FlowTable3{"FlowTable3"};
  Table3<double, 25, 8, 2> FlowTable4{"FlowTable4"};
  double NumFormations = 0;
  Table1<Text, 50> FormationName{"FormationName"};
  Table2<double, 50, 10> FormationPos{"FormationPos"};  // (formation, outfield slot)
  Table1<double, 50> FormationFlow{"FormationFlow"};
  double NumPositions = 0;
  Table1<Text, 24> PositionName{"PositionName"};
  Table1<double, 24> PositionPickWeight{"PositionPickWeight"};
  Table3<double, 24, 8, 3> PositionFactor{"PositionFactor"};  // (position, row, column)
  Int16 NumRefs = 0;
  Table1<Text, 40> RefName{"RefName"};
  Table1<double, 40> RefStrictness{"RefStrictness"};
  double NumSponsors = 0;
  Table1<Text, 100> SponsorName{"SponsorName"};

  // ---- Values handed between the match and the screens
  double CupTieFlag = 0;
  double MatchHomeTeam = 0;
  double MatchAwayTeam = 0;
  double TeamTalkStage = 0;
  double BigGameTalks = 0;
  double PauseFlag = 0;
  Table2<double, 60, 2> MatchRating{"MatchRating"};  // (squad slot, side)
  Table1<double, 11> TeamSheetCondition{"TeamSheetCondition"};
  double SettingsMinute = 0;
  double SettingsHomeTeam = 0;
  double SettingsAwayTeam = 0;
  double SettingsSide = 0;
  double SettingsHomeGoals = 0;
  Int16 SettingsAwayGoals = 0;
  double TicketIncome = 0;
  double TvIncome = 0;
  double SponsorIncome = 0;
  double WageBill = 0;
  Text LastResultText;
  double BarDivisor = 0;

  // ---- News (append only through data/news.h)
  Table1<Text, 50> ClubNewsLine{"ClubNewsLine"};
  double ClubNewsCount = 0;  // next line; stops at 50, the last line
  Table1<Text, 300> Headlines{"Headlines"};
  Int16 HeadlineCount = 0;  // next line; stops at 300, the last line
  Text LastWeekTransfersText;
  double WebsiteTeam = 0;
  double WebsiteTeamPick = 0;

  // ---- Values kept only for the saved game
  Clubs<Int16> TeamSaveItem6{"TeamSaveItem6"};
  Clubs<Variant> TeamSaveItem7{"TeamSaveItem7"};
  Clubs<Variant> TeamSaveItem12{"TeamSaveItem12"};
  Clubs<Variant> TeamSaveItem14{"TeamSaveItem14"};
  Clubs<Variant> TeamSaveItem40{"TeamSaveItem40"};
  Table2<Variant, kLastClub, 3> TeamSaveItem21{"TeamSaveItem21"};
  Clubs<Variant> TeamSaveItem27{"TeamSaveItem27"};
  Clubs<Variant> TeamSaveItem28{"TeamSaveItem28"};
  Int16 SaveFieldA = 0;
  Variant SaveFieldB;
  Int16 SaveFieldC = 0;
  Int16 SaveFieldD = 0;
  double CalendarResetCounter = 0;

  // ---- Fixture grid: (club, round), round 1..104 used
  Table2<Int16, kLastClub, kLastRound> FixtureOpponent{"FixtureOpponent"};  // 0 = no match
  Table2<Int16, kLastClub, kLastRound> FixtureCompetition{"FixtureCompetition"};
  Table2<Int16, kLastClub, kLastRound> FixtureVenue{"FixtureVenue"};  // 1 home, 2 away, 0 neutral
  Table2<Int16, kLastClub, kLastRound> FixtureScore{"FixtureScore"};

  // ---- Schedule templates
  Table2<double, 1104, 3> EnglishLeagueFixture{"EnglishLeagueFixture"};  // (entry, column)
  Table2<double, 1104, 3> EnglishLeagueFixtureWork{"EnglishLeagueFixtureWork"};
  Table1<double, 760> PremiershipFixture{"PremiershipFixture"};
  Table2<double, 612, 2> GermanLeagueFixture{"GermanLeagueFixture"};
  Table2<double, 612, 2> GermanLeagueFixtureWork{"GermanLeagueFixtureWork"};
  Table1<double, 364> Fixture14Template{"Fixture14Template"};
  Table1<double, 264> Fixture12Template{"Fixture12Template"};
  Table1<double, 780> Fixture20Clubs{"Fixture20Clubs"};
  Table1<double, 760> Fixture20Template{"Fixture20Template"};
  Table1<double, 780> Fixture20Work{"Fixture20Work"};
  Table1<double, 480> FixtureMLSTemplate{"FixtureMLSTemplate"};
  Table1<double, 480> FixtureMLSWork{"FixtureMLSWork"};
  Table1<double, 612> FixtureSpare612A{"FixtureSpare612A"};
  Table1<double, 612> FixtureSpare612B{"FixtureSpare612B"};
  Table1<double, 612> FixtureSpare612C{"FixtureSpare612C"};

  // ---- Standings orders
  double MLSTeamCount = 0;
  double MLSMatchesPerRound = 0;
  Table1<double, 8> WestOrder{"WestOrder"};
  Table1<double, 8> EastOrder{"EastOrder"};
  Table1<double, 18> ALeagueOrder{"ALeagueOrder"};
  Table1<double, 18> D3Order{"D3Order"};
  Table2<double, 24, 20> LeagueOrder{"LeagueOrder"};  // (place, league)
  double TableLeague = 0;
  double PlayoffView = 0;

  // ---- Playoffs. Club tables hold club numbers (0 = none); score and result
  // tables are Variant, since a never-played score shows nothing and 0 shows "0".
  float PlayoffStage = 0;
  Table1<double, 8> PlayoffQFTeam{"PlayoffQFTeam"};
  Table1<Variant, 8> PlayoffQFResult{"PlayoffQFResult"};
  Table1<double, 4> PlayoffSFTeam{"PlayoffSFTeam"};
  Table1<Variant, 4> PlayoffSFResult{"PlayoffSFResult"};
  double MLSFinalTeam1 = 0;
  double MLSFinalTeam2 = 0;
  Variant MLSFinalScore1;
  Variant MLSFinalScore2;
  Variant PlayoffEastHomeScore;
  Variant PlayoffEastAwayScore;
  Variant PlayoffWestHomeScore;
  Variant PlayoffWestAwayScore;
  Table2<double, 4, 3> EnglishPlayoffTeam{"EnglishPlayoffTeam"};  // (slot, division)
  Table1<double, 4> ALeaguePlayoffSFTeam{"ALeaguePlayoffSFTeam"};
  Table1<Variant, 4> ALeaguePlayoffSFScore{"ALeaguePlayoffSFScore"};
  Table1<double, 2> ALeaguePlayoffFinalTeam{"ALeaguePlayoffFinalTeam"};
  Table1<Variant, 2> ALeaguePlayoffFinalScore{"ALeaguePlayoffFinalScore"};
  Table1<double, 4> D3PlayoffSFTeam{"D3PlayoffSFTeam"};
  Table1<Variant, 4> D3PlayoffSemiScore{"D3PlayoffSemiScore"};
  Table1<double, 2> D3PlayoffFinalist{"D3PlayoffFinalist"};
  Table1<Variant, 2> D3PlayoffFinalScore{"D3PlayoffFinalScore"};

  // ---- Cups: slots 2t - 1 and 2t form tie t; club 0 = bye.
  Table1<double, 64> USCupPrelimTeam{"USCupPrelimTeam"};
  Table1<Variant, 64> USCupPrelimResult{"USCupPrelimResult"};
  Table1<double, 64> USCupRound1Team{"USCupRound1Team"};
  Table1<Variant, 64> USCupRound1Result{"USCupRound1Result"};
  Table1<double, 32> USCupRound2Team{"USCupRound2Team"};
  Table1<Variant, 32> USCupRound2Result{"USCupRound2Result"};
  Table1<double, 16> USCupRound3Team{"USCupRound3Team"};
  Table1<Variant, 16> USCupRound3Result{"USCupRound3Result"};
  Table1<double, 8> USCupRound4Team{"USCupRound4Team"};
  Table1<Variant, 8> USCupRound4Result{"USCupRound4Result"};
  Table1<double, 4> USCupSemiTeam{"USCupSemiTeam"};
  Table1<Variant, 4> USCupSemiResult{"USCupSemiResult"};
  Table1<double, 2> USCupFinalTeam{"USCupFinalTeam"};
  Table1<Variant, 2> USCupFinalResult{"USCupFinalResult"};
  Table1<double, 64> EnglishCupEntrant{"EnglishCupEntrant"};
  Table1<double, 4> CanadaCupSFTeam{"CanadaCupSFTeam"};
  Table1<Variant, 4> CanadaCupSFScore{"CanadaCupSFScore"};
  Table1<double, 2> CanadaCupFinalTeam{"CanadaCupFinalTeam"};
  Table1<Variant, 2> CanadaCupFinalScore{"CanadaCupFinalScore"};
  // Champions League, Copa Libertadores and World Club Cup: the bracket viewer
  // shows the semi-final scores from ...FinalTeam (1..4; also called
  // ChampionsSemiScore, CopaSemiScore, WorldClubSemiScore) and the finalists
  // from ...SFScore (1..2; also called ChampionsFinalist, CopaFinalist,
  // WorldClubFinalist). Both tables of a pair are 0..4 so either reading fits.
  Table1<double, 8> ChampionsQFTeam{"ChampionsQFTeam"};
  Table1<Variant, 8> ChampionsQFScore{"ChampionsQFScore"};
  Table1<double, 4> ChampionsSFTeam{"ChampionsSFTeam"};
  Table1<Variant, 4> ChampionsSFScore{"ChampionsSFScore"};
  Table1<Variant, 4> ChampionsFinalTeam{"ChampionsFinalTeam"};
  Table1<Variant, 2> ChampionsFinalScore{"ChampionsFinalScore"};
  Table1<double, 4> CopaSFTeam{"CopaSFTeam"};
  Table1<Variant, 4> CopaSFScore{"CopaSFScore"};
  Table1<Variant, 4> CopaFinalTeam{"CopaFinalTeam"};
  Table1<Variant, 2> CopaFinalScore{"CopaFinalScore"};
  Table1<double, 4> WorldClubSFTeam{"WorldClubSFTeam"};
  Table1<Variant, 4> WorldClubSFScore{"WorldClubSFScore"};
  Table1<Variant, 4> WorldClubFinalTeam{"WorldClubFinalTeam"};
  Table1<Variant, 2> WorldClubFinalScore{"WorldClubFinalScore"};
  Table1<double, 8> ConcacafQFTeam{"ConcacafQFTeam"};
  Table1<Variant, 8> ConcacafQFResult{"ConcacafQFResult"};
  Table1<double, 4> ConcacafSFTeam{"ConcacafSFTeam"};
  Table1<Variant, 4> ConcacafSFResult{"ConcacafSFResult"};
  Table1<double, 2> ConcacafFinalTeam{"ConcacafFinalTeam"};
  Table1<Variant, 2> ConcacafFinalResult{"ConcacafFinalResult"};

  // ---- Histories, indexed by season (entry 0 is the new-game seed)
  Table1<double, 100> MLSChampionHistory{"MLSChampionHistory"};
  Table1<Int16, 100> CupWinnerHistory{"CupWinnerHistory"};
  Table1<double, 100> WorldClubWinnerHistory{"WorldClubWinnerHistory"};
  Table1<double, 100> PremiershipChampionHistory{"PremiershipChampionHistory"};
  Table1<Int16, 100> ALeagueChampionHistory{"ALeagueChampionHistory"};
  double ALeagueSeason = 0;
};

// The running game. Before any game is made it is an empty one.
MLSModule& mls();
// A new or loaded game replaces the running one whole (null gives an empty one).
void replaceGame(std::unique_ptr<MLSModule> fresh);
// Which game runs: a number no earlier game of this session had, even one
// that came to live at the same address.
std::uint64_t gameNumber();
// A game with every table empty, as at program start.
std::unique_ptr<MLSModule> makeEmptyGame();

}  // namespace kervale
