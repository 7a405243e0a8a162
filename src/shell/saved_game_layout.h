#pragma once

// The order of the saved game's values, walked alike by the writer, the
// reader and the checks: the long-standing layout, then the trailer.

#include <memory>
#include <vector>

#include "data/mls_module.h"

namespace kervale::saved_game {

inline constexpr int kClubsWithScouting = 237;
inline constexpr const char* kTrailerMark = "Kervale trailer";
inline constexpr int kTrailerVersion = 1;
inline constexpr const char* kTrailerEnd = "End of trailer";

// ---- The layout of the file, walked alike by the writer and the reader.

// io(value) writes or reads one value; io.lone(value) the one value of its
// record line, which is empty when its line is; io.encoded(text) a scrambled
// club text that the reader drops; io.blank() one of the twenty unused texts
// per club; io.end() ends a record line.
template <class IO, class M>
void visitLayout(IO& io, M& g) {
  io.lone(g.CurrentWeek);
  io.end();
  for (int i = 1; i <= kLastClub; ++i) {
    io(g.MlsAllocations(i));
    io(g.StadiumExpansionPlan(i));
    io(g.TeamBiggestWinMargin(i));
    io(g.TeamColour1(i));
    io(g.TeamColour2(i));
    io(g.TeamSaveItem6(i));
    io(g.TeamSaveItem7(i));
    io(g.TeamMostGoalsText(i));
    io(g.TeamBiggestLossText(i));
    io(g.TeamBiggestWinText(i));
    io(g.TeamForm(i));
    io(g.TeamSaveItem12(i));
    io(g.TeamMostGoalsInGame(i));
    io(g.TeamSaveItem14(i));
    io(g.TeamBiggestLossMargin(i));
    io(g.TeamLatestNews(i));
    io.end();

    io(g.TeamYellowCards(i));
    io(g.TeamRedCards(i));
    io(g.TeamDisciplinePoints(i));
    io(g.TeamGamesPlayed(i));
    io(g.TeamSaveItem21(i, 3));
    io(g.TeamFirstHalfGoals(i));
    io(g.TeamSecondHalfGoals(i));
    io(g.TeamExtraTimeGoals(i));
    io(g.TeamShotsOnTarget(i));
    io(g.TeamShotsAgainst(i));
    io(g.TeamSaveItem27(i));
    io(g.TeamSaveItem28(i));
    io.end();

    if (i <= kClubsWithScouting) {
      io.lone(g.ScoutingFunding(i));
      io.end();
    }

    io.encoded(g.TeamName(i));
    io.encoded(g.TeamLogo(i));
    io(g.TeamFanDemand(i));
    io(g.StadiumCapacity(i));
    io(g.TicketPrice(i));
    io.encoded(g.TeamNickname(i));
    io(g.TeamFlow(i));
    io(g.TeamSponsor(i));
    io(g.TeamDivision(i));
    io.end();

    io(g.TeamWages(i));
    io(g.TeamSaveItem40(i));
    io(g.SponsorFee(i));
    io(g.TeamTactic(i));
    io(g.TeamGames(i));
    io(g.TeamWins(i));
    io(g.TeamDraws(i));
    io(g.TeamLosses(i));
    io(g.TeamGoalsFor(i));
    io(g.TeamGoalsAgainst(i));
    io(g.TeamMoney(i));
    io(g.ManagerApproval(i));
    io.end();

    for (int k = 1; k <= 10; ++k) {
      io(g.TeamPosition(k, i));
      io(g.TeamPositionBackup(k, i));
      io.end();
    }
  }
  for (int k = 1; k <= 100; ++k) {
    io(g.PremiershipChampionHistory(k));
    io(g.WorldClubWinnerHistory(k));
    io(g.MLSChampionHistory(k));
    io(g.CupWinnerHistory(k));
    io.end();
  }
  for (int i = 1; i <= kLastClub; ++i) {
    for (int k = 0; k < 20; ++k) io.blank();
    io.end();
  }
  auto teamOfWeek = [&] {
    for (int k = 1; k <= 11; ++k) {
      io(g.TeamOfWeekSlot(k));
      io(g.TeamOfWeekTeam(k));
      io.end();
    }
  };
  teamOfWeek();
  for (int k = 1; k <= 480; ++k) {
    io(g.FixtureMLSTemplate(k));
    io(g.FixtureMLSWork(k));
    io.end();
  }
  for (int k = 1; k <= 612; ++k) {
    io(g.FixtureSpare612A(k));
    io(g.FixtureSpare612B(k));
    io(g.FixtureSpare612C(k));
    io.end();
  }
  for (int k = 1; k <= 760; ++k) {
    io(g.PremiershipFixture(k));
    io(g.Fixture20Template(k));
    io.end();
  }
  for (int k = 1; k <= 52; ++k) {
    io(g.USCupRound1Team(k));
    io(g.USCupRound1Result(k));
    io.end();
  }
  for (int k = 1; k <= 32; ++k) {
    io(g.USCupRound2Team(k));
    io(g.USCupRound2Result(k));
    io.end();
  }
  for (int k = 1; k <= 8; ++k) {
    io(g.USCupRound4Team(k));
    io(g.USCupRound4Result(k));
    io(g.ChampionsQFTeam(k));
    io(g.ChampionsQFScore(k));
    io(g.WestOrder(k));
    io(g.EastOrder(k));
    io(g.ConcacafQFTeam(k));
    io(g.ConcacafQFResult(k));
    io.end();
  }
  teamOfWeek();
  for (int k = 1; k <= 16; ++k) {
    io(g.USCupRound3Team(k));
    io(g.USCupRound3Result(k));
    io.end();
  }
  io(g.MyTeam);
  io(g.SaveFieldA);
  io(g.SaveFieldB);
  io(g.StatView);
  io(g.CurrentSeason);
  io(g.SalaryCap);
  io(g.MLSFinalTeam1);
  io(g.MLSFinalTeam2);
  io(g.PlayoffEastHomeScore);
  io(g.PlayoffEastAwayScore);
  io(g.PlayoffWestHomeScore);
  io(g.PlayoffWestAwayScore);
  io(g.MLSFinalScore1);
  io(g.MLSFinalScore2);
  io(g.CalendarResetCounter);
  io(g.SaveFieldC);
  io.end();
  io(g.ALeagueSeason);
  io(g.ShowAllMatches);
  io(g.MLSTeamCount);
  io(g.MLSMatchesPerRound);
  io(g.SaveFieldD);
  io(g.ManagerName);
  io.end();
}

// ---- The trailer: every table of the game the layout does not restore, in
// sections "name", count, values. Cells the layout restores are left out, so
// each value has one place in the file. The reference tables of the data
// files and the settings of this run (screen mode, background picture, picker
// and menu language) are not part of a game.

#define KV_S(name) io.scalar(#name, g.name)
#define KV_T(name) io.table(#name, g.name)
#define KV_P(name) io.players(#name, g.name)

template <class IO, class M>
void visitTrailer(IO& io, M& g) {
  KV_S(NumPlayers);  // first: it bounds the player sections

  KV_S(CurrentWeek);
  KV_S(WeekDay);
  KV_S(MonthDay);
  KV_S(CurrentMonth);
  KV_S(CurrentSeason);
  KV_S(SeasonStartFlag);

  KV_S(MyTeam);
  KV_S(ManagerName);
  KV_S(CurrentLeague);
  KV_S(ExpansionMode);
  KV_S(PlayoffTeams);
  KV_T(LeagueSkipped);
  KV_S(SalaryCap);
  KV_S(CommentarySpeed);
  KV_S(CommishMode);
  KV_S(CheatFlag);
  KV_S(StatView);
  KV_S(ShowAllMatches);

  KV_T(TeamName);
  KV_T(TeamNickname);
  KV_T(TeamLogo);
  KV_T(TeamDivision);
  KV_T(TeamVenue);
  KV_T(StadiumCapacity);
  KV_T(ManagerApproval);
  KV_T(TeamReputation);
  KV_T(TeamCupEntry);
  KV_T(TeamColour1);
  KV_T(TeamColour2);
  KV_T(EnglishDivision);
  KV_T(GermanDivision);
  KV_T(TeamFanDemand);
  KV_T(TicketPrice);
  KV_T(TeamMoney);
  KV_T(TeamWages);
  KV_T(ScoutingFunding);
  KV_T(TeamSponsor);
  KV_T(SponsorFee);
  KV_T(MlsAllocations);
  KV_T(StadiumExpansionPlan);
  KV_T(TeamForm);
  KV_T(TeamLatestNews);
  KV_S(TicketRaiseBlock);
  KV_S(AppliedTeam);

  KV_T(TeamFormation);
  KV_T(TeamTactic);
  KV_T(TeamFlow);
  KV_T(TeamPushUp);
  KV_T(TeamMorale);
  KV_T(TeamKeyPlayerSlot);
  KV_T(SavedTactic);
  KV_T(SavedFlow);
  KV_S(TeamAggression);

  KV_T(TeamGames);
  KV_T(TeamWins);
  KV_T(TeamDraws);
  KV_T(TeamLosses);
  KV_T(TeamGoalsFor);
  KV_T(TeamGoalsAgainst);
  KV_T(TeamGamesPlayed);
  KV_T(TeamYellowCards);
  KV_T(TeamRedCards);
  KV_T(TeamDisciplinePoints);
  KV_T(TeamFirstHalfGoals);
  KV_T(TeamSecondHalfGoals);
  KV_T(TeamExtraTimeGoals);
  KV_T(TeamShotsOnTarget);
  KV_T(TeamShotsAgainst);
  KV_T(TeamBiggestWinMargin);
  KV_T(TeamBiggestWinText);
  KV_T(TeamBiggestLossMargin);
  KV_T(TeamBiggestLossText);
  KV_T(TeamMostGoalsInGame);
  KV_T(TeamMostGoalsText);

  KV_P(PlayerTeam);
  KV_P(PlayerName);
  KV_P(PlayerGoalkeeping);
  KV_P(PlayerDefense);
  KV_P(PlayerMidfield);
  KV_P(PlayerAttack);
  KV_P(PlayerAge);
  KV_P(PlayerNation);
  KV_P(PlayerAggression);
  KV_P(PlayerTrainingFactor);
  KV_P(PlayerBallControl);
  KV_P(PlayerTackling);
  KV_P(PlayerPassing);
  KV_P(PlayerShooting);
  KV_P(PlayerHeading);
  KV_P(PlayerSpeed);
  KV_P(PlayerAwareness);
  KV_P(PlayerAttribute14);
  KV_P(PlayerAttribute18);
  KV_P(PlayerAttribute20);
  KV_P(PlayerBirthMonth);
  KV_P(PlayerBirthDay);
  KV_P(PlayerWage);
  KV_P(PlayerForm);
  KV_P(PlayerContractYears);
  KV_P(PlayerInjury);
  KV_P(PlayerInjuryText);
  KV_P(PlayerBookings);
  KV_P(PlayerTransferListed);
  KV_P(PlayerListingMargin);
  io.playerColumns("PlayerInterest", g.PlayerInterest);

  KV_P(PlayerGamesSeason);
  KV_P(PlayerGamesCareer);
  KV_P(PlayerRatingSumSeason);
  KV_P(PlayerRatingSumCareer);
  KV_P(PlayerRatingSumWeek);
  KV_P(PlayerGoalsSeason);
  KV_P(PlayerGoalsCareer);
  KV_P(PlayerAssistsSeason);
  KV_P(PlayerAssistsCareer);
  KV_P(PlayerShotsOnTarget);
  KV_P(PlayerShotsSeason);
  KV_P(PlayerTeamOfWeekCount);
  KV_T(TeamOfWeekSlot);
  KV_T(TeamOfWeekTeam);
  KV_S(TeamOfTheWeekText);

  KV_T(TeamSquad);
  KV_T(TeamSquadCount);
  KV_T(TeamPosition);
  KV_T(TeamPositionBackup);
  KV_T(TrainingGroup);
  KV_T(TrainingPlanType);
  KV_T(TrainingPlanIntensity);
  KV_S(SelectedPlayer);
  KV_S(SelectedSquadSlot);

  KV_T(CoachName);
  KV_T(CoachAge);
  KV_T(CoachRatingA);
  KV_T(CoachRatingB);
  KV_T(ScoutName);
  KV_T(AssistantCoach);
  KV_T(HeadScout);
  KV_S(YouthCoach);
  KV_S(ReserveCoach);

  KV_S(CupTieFlag);
  KV_S(MatchHomeTeam);
  KV_S(MatchAwayTeam);
  KV_S(TeamTalkStage);
  KV_S(BigGameTalks);
  KV_S(PauseFlag);
  KV_T(MatchRating);
  KV_T(TeamSheetCondition);
  KV_S(SettingsMinute);
  KV_S(SettingsHomeTeam);
  KV_S(SettingsAwayTeam);
  KV_S(SettingsSide);
  KV_S(SettingsHomeGoals);
  KV_S(SettingsAwayGoals);
  KV_S(TicketIncome);
  KV_S(TvIncome);
  KV_S(SponsorIncome);
  KV_S(WageBill);
  KV_S(LastResultText);
  KV_S(BarDivisor);

  KV_T(ClubNewsLine);
  KV_S(ClubNewsCount);
  KV_T(Headlines);
  KV_S(HeadlineCount);
  KV_S(LastWeekTransfersText);
  KV_S(WebsiteTeam);
  KV_S(WebsiteTeamPick);

  KV_T(TeamSaveItem6);
  KV_T(TeamSaveItem7);
  KV_T(TeamSaveItem12);
  KV_T(TeamSaveItem14);
  KV_T(TeamSaveItem40);
  KV_T(TeamSaveItem21);
  KV_T(TeamSaveItem27);
  KV_T(TeamSaveItem28);
  KV_S(SaveFieldA);
  KV_S(SaveFieldB);
  KV_S(SaveFieldC);
  KV_S(SaveFieldD);
  KV_S(CalendarResetCounter);

  KV_T(FixtureOpponent);
  KV_T(FixtureCompetition);
  KV_T(FixtureVenue);
  KV_T(FixtureScore);

  KV_T(EnglishLeagueFixture);
  KV_T(EnglishLeagueFixtureWork);
  KV_T(PremiershipFixture);
  KV_T(GermanLeagueFixture);
  KV_T(GermanLeagueFixtureWork);
  KV_T(Fixture14Template);
  KV_T(Fixture12Template);
  KV_T(Fixture20Clubs);
  KV_T(Fixture20Template);
  KV_T(Fixture20Work);
  KV_T(FixtureMLSTemplate);
  KV_T(FixtureMLSWork);
  KV_T(FixtureSpare612A);
  KV_T(FixtureSpare612B);
  KV_T(FixtureSpare612C);

  KV_S(MLSTeamCount);
  KV_S(MLSMatchesPerRound);
  KV_T(WestOrder);
  KV_T(EastOrder);
  KV_T(ALeagueOrder);
  KV_T(D3Order);
  KV_T(LeagueOrder);
  KV_S(TableLeague);
  KV_S(PlayoffView);

  KV_S(PlayoffStage);
  KV_T(PlayoffQFTeam);
  KV_T(PlayoffQFResult);
  KV_T(PlayoffSFTeam);
  KV_T(PlayoffSFResult);
  KV_S(MLSFinalTeam1);
  KV_S(MLSFinalTeam2);
  KV_S(MLSFinalScore1);
  KV_S(MLSFinalScore2);
  KV_S(PlayoffEastHomeScore);
  KV_S(PlayoffEastAwayScore);
  KV_S(PlayoffWestHomeScore);
  KV_S(PlayoffWestAwayScore);
  KV_T(EnglishPlayoffTeam);
  KV_T(ALeaguePlayoffSFTeam);
  KV_T(ALeaguePlayoffSFScore);
  KV_T(ALeaguePlayoffFinalTeam);
  KV_T(ALeaguePlayoffFinalScore);
  KV_T(D3PlayoffSFTeam);
  KV_T(D3PlayoffSemiScore);
  KV_T(D3PlayoffFinalist);
  KV_T(D3PlayoffFinalScore);

  KV_T(USCupPrelimTeam);
  KV_T(USCupPrelimResult);
  KV_T(USCupRound1Team);
  KV_T(USCupRound1Result);
  KV_T(USCupRound2Team);
  KV_T(USCupRound2Result);
  KV_T(USCupRound3Team);
  KV_T(USCupRound3Result);
  KV_T(USCupRound4Team);
  KV_T(USCupRound4Result);
  KV_T(USCupSemiTeam);
  KV_T(USCupSemiResult);
  KV_T(USCupFinalTeam);
  KV_T(USCupFinalResult);
  KV_T(EnglishCupEntrant);
  KV_T(CanadaCupSFTeam);
  KV_T(CanadaCupSFScore);
  KV_T(CanadaCupFinalTeam);
  KV_T(CanadaCupFinalScore);
  KV_T(ChampionsQFTeam);
  KV_T(ChampionsQFScore);
  KV_T(ChampionsSFTeam);
  KV_T(ChampionsSFScore);
  KV_T(ChampionsFinalTeam);
  KV_T(ChampionsFinalScore);
  KV_T(CopaSFTeam);
  KV_T(CopaSFScore);
  KV_T(CopaFinalTeam);
  KV_T(CopaFinalScore);
  KV_T(WorldClubSFTeam);
  KV_T(WorldClubSFScore);
  KV_T(WorldClubFinalTeam);
  KV_T(WorldClubFinalScore);
  KV_T(ConcacafQFTeam);
  KV_T(ConcacafQFResult);
  KV_T(ConcacafSFTeam);
  KV_T(ConcacafSFResult);
  KV_T(ConcacafFinalTeam);
  KV_T(ConcacafFinalResult);

  KV_T(MLSChampionHistory);
  KV_T(CupWinnerHistory);
  KV_T(WorldClubWinnerHistory);
  KV_T(PremiershipChampionHistory);
  KV_T(ALeagueChampionHistory);
  KV_S(ALeagueSeason);
}

#undef KV_S
#undef KV_T
#undef KV_P
// ---- Which cells the layout restores, by their place in the structure.

class Coverage {
 public:
  Coverage() : covered_(sizeof(MLSModule), false) {
    auto probe = std::make_unique<MLSModule>();
    base_ = reinterpret_cast<const char*>(probe.get());
    visitLayout(*this, *probe);
  }
  bool covered(const MLSModule& g, const void* cell) const {
    return covered_[static_cast<std::size_t>(static_cast<const char*>(cell) - reinterpret_cast<const char*>(&g))];
  }

  template <class T>
  void operator()(T& cell) {
    covered_[static_cast<std::size_t>(reinterpret_cast<const char*>(&cell) - base_)] = true;
  }
  template <class T>
  void lone(T& cell) {
    (*this)(cell);
  }
  void encoded(std::string&) {}  // written, but not restored
  void blank() {}
  void end() {}

 private:
  std::vector<bool> covered_;
  const char* base_ = nullptr;
};

// Built once, from a probe game.
const Coverage& coverage();

}  // namespace kervale::saved_game
