#include "shell/saved_game.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <type_traits>
#include <vector>

#include "base/csv.h"
#include "base/file_error.h"
#include "base/numbers.h"

namespace kervale {

namespace {

using Int16 = std::int16_t;
using Int32 = std::int32_t;

constexpr int kClubsWithScouting = 237;
constexpr const char* kTrailerMark = "Kervale trailer";
constexpr int kTrailerVersion = 1;
constexpr const char* kTrailerEnd = "End of trailer";

// ---- The layout of the file, walked alike by the writer and the reader.

// io(value) writes or reads one value; io.encoded(text) a scrambled club
// text that the reader drops; io.blank() one of the twenty unused texts per
// club; io.end() ends a record line.
template <class IO, class M>
void visitLayout(IO& io, M& g) {
  io(g.CurrentWeek);
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
      io(g.ScoutingFunding(i));
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
  void encoded(std::string&) {}  // written, but not restored
  void blank() {}
  void end() {}

 private:
  std::vector<bool> covered_;
  const char* base_ = nullptr;
};

const Coverage& coverage() {
  static const Coverage instance;
  return instance;
}

// ---- Writing

class Out {
 public:
  void number(double v) {
    separate();
    if (std::isnan(v)) v = 0;
    if (std::isinf(v)) v = v > 0 ? std::numeric_limits<double>::max() : -std::numeric_limits<double>::max();
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, v);
    text_.append(buffer, result.ptr);
  }
  void whole(long long v) {
    separate();
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, v);
    text_.append(buffer, result.ptr);
  }
  // A text cannot hold a double quote in this format: it becomes an apostrophe.
  void text(std::string_view v) {
    separate();
    text_ += '"';
    for (char c : v) text_ += c == '"' ? '\'' : c;
    text_ += '"';
  }
  void empty() { separate(); }
  void end() {
    if (!started_) return;
    text_ += "\r\n";
    started_ = false;
  }
  std::string take() { return std::move(text_); }

 private:
  void separate() {
    if (started_) text_ += ',';
    started_ = true;
  }
  std::string text_;
  bool started_ = false;
};

class Writer {
 public:
  explicit Writer(Out& out) : out_(out) {}
  void operator()(const double& v) { out_.number(v); }
  void operator()(const float& v) { out_.number(static_cast<double>(v)); }
  void operator()(const Int16& v) { out_.whole(v); }
  void operator()(const Int32& v) { out_.whole(v); }
  void operator()(const bool& v) { out_.whole(v ? -1 : 0); }
  void operator()(const std::string& v) { out_.text(v); }
  void operator()(const Variant& v) {
    if (v.isEmpty()) {
      out_.empty();
    } else if (v.isText()) {
      out_.text(v.text());
    } else {
      out_.number(v.number());
    }
  }
  void encoded(const std::string& v) { out_.text(encodeClubText(v)); }
  void blank() { out_.text(""); }
  void end() { out_.end(); }

 private:
  Out& out_;
};

class TrailerWriter {
 public:
  TrailerWriter(Out& out, const MLSModule& g) : out_(out), cell_(out), g_(g) {}

  template <class T>
  void scalar(const char* name, const T& v) {
    if (coverage().covered(g_, &v)) return;
    out_.text(name);
    out_.whole(1);
    cell_(v);
    out_.end();
  }
  template <class Tab>
  void table(const char* name, const Tab& t) {
    std::vector<const std::remove_cvref_t<decltype(*t.begin())>*> cells;
    for (const auto& v : t) {
      if (!coverage().covered(g_, &v)) cells.push_back(&v);
    }
    if (cells.empty()) return;
    out_.text(name);
    out_.whole(static_cast<long long>(cells.size()));
    for (const auto* v : cells) cell_(*v);
    out_.end();
  }
  template <class Tab>
  void players(const char* name, const Tab& t) {
    const int last = g_.NumPlayers;
    out_.text(name);
    out_.whole(last + 1);
    for (int p = 0; p <= last; ++p) cell_(t(p));
    out_.end();
  }
  template <class Tab>
  void playerColumns(const char* name, const Tab& t) {
    const int last = g_.NumPlayers;
    out_.text(name);
    out_.whole(static_cast<long long>(last + 1) * (Tab::upper2 + 1));
    for (int column = 0; column <= Tab::upper2; ++column) {
      for (int p = 0; p <= last; ++p) cell_(t(p, column));
    }
    out_.end();
  }

 private:
  Out& out_;
  Writer cell_;
  const MLSModule& g_;
};

// ---- Reading

class Reader {
 public:
  explicit Reader(CsvReader& in) : in_(in) {}
  void operator()(double& v) { v = in_.nextNumber(); }
  void operator()(float& v) { v = in_.nextSingle(); }
  void operator()(Int16& v) { v = in_.nextInt16(); }
  void operator()(Int32& v) { v = in_.nextInt32(); }
  void operator()(bool& v) { v = in_.nextNumber() != 0; }
  void operator()(std::string& v) { v = in_.next().text; }
  void operator()(Variant& v) {
    CsvValue value = in_.next();
    if (value.quoted) {
      v = Variant(std::move(value.text));
    } else if (value.text.empty()) {
      v = Variant();
    } else if (value.isNumber()) {
      v = Variant(value.number());
    } else {
      in_.fail("value " + std::to_string(in_.valuesRead()) + " is neither a number nor a text");
    }
  }
  void encoded(std::string&) { in_.next(); }
  void blank() { in_.next(); }
  void end() {}

 private:
  CsvReader& in_;
};

// Runs one section's reading with the section named in front of any problem.
template <class Body>
void inSection(const char* name, Body&& body) {
  try {
    body();
  } catch (const FileError& error) {
    throw FileError(error.fileName(), std::string("trailer, ") + name + ": " + error.problem());
  }
}

class TrailerReader {
 public:
  TrailerReader(CsvReader& in, MLSModule& g) : in_(in), cell_(in), g_(g) {}

  template <class T>
  void scalar(const char* name, T& v) {
    if (coverage().covered(g_, &v)) return;
    inSection(name, [&] {
      header(name, 1);
      cell_(v);
    });
    if (static_cast<const void*>(&v) == static_cast<const void*>(&g_.NumPlayers) &&
        (g_.NumPlayers < 0 || g_.NumPlayers > kLastPlayer)) {
      in_.fail("trailer: " + std::to_string(g_.NumPlayers) + " players, at most " + std::to_string(kLastPlayer));
    }
  }
  template <class Tab>
  void table(const char* name, Tab& t) {
    long long count = 0;
    for (auto& v : t) count += coverage().covered(g_, &v) ? 0 : 1;
    if (count == 0) return;
    inSection(name, [&] {
      header(name, count);
      for (auto& v : t) {
        if (!coverage().covered(g_, &v)) cell_(v);
      }
    });
  }
  // Records past the last player are emptied: the copy may have held more.
  template <class Tab>
  void players(const char* name, Tab& t) {
    const int last = g_.NumPlayers;
    inSection(name, [&] {
      header(name, last + 1);
      for (int p = 0; p <= last; ++p) cell_(t(p));
    });
    for (int p = last + 1; p <= kLastPlayer; ++p) t(p) = {};
  }
  template <class Tab>
  void playerColumns(const char* name, Tab& t) {
    const int last = g_.NumPlayers;
    inSection(name, [&] {
      header(name, static_cast<long long>(last + 1) * (Tab::upper2 + 1));
      for (int column = 0; column <= Tab::upper2; ++column) {
        for (int p = 0; p <= last; ++p) cell_(t(p, column));
        for (int p = last + 1; p <= kLastPlayer; ++p) t(p, column) = 0;
      }
    });
  }

 private:
  void header(const char* name, long long count) {
    const CsvValue found = in_.next();
    if (!found.quoted || found.text != name) in_.fail("the section " + std::string(name) + " is missing");
    const double held = in_.nextNumber();
    if (held != static_cast<double>(count)) {
      in_.fail("holds " + numText(held) + " values where " + std::to_string(count) + " belong");
    }
  }

  CsvReader& in_;
  Reader cell_;
  MLSModule& g_;
};

// ---- Checks of a read game

class Checker {
 public:
  Checker(const std::string& fileName, const MLSModule& g) : fileName_(fileName), g_(g) {}

  void whole(double v, double low, double high, const std::string& what) const {
    if (v == std::floor(v) && v >= low && v <= high) return;
    throw FileError(fileName_, what + " is " + numText(v) + ", outside " + numText(low) + " to " + numText(high));
  }
  template <class Tab>
  void eachWhole(const Tab& t, double low, double high, const char* name) const {
    for (const auto& v : t) whole(static_cast<double>(v), low, high, std::string("a value of ") + name);
  }
  template <class Tab>
  void clubs(const Tab& t, const char* name) const {
    for (const auto& v : t) whole(static_cast<double>(v), 0, kLastClub, std::string("a club number in ") + name);
  }
  // Limit of a reference table: its count when the data files gave one.
  static double limit(double count, int upper) { return count > 0 && count <= upper ? count : upper; }

  void run() const {
    const MLSModule& g = g_;
    whole(g.CurrentWeek, 1, kLastRound, "CurrentWeek");
    whole(g.CurrentSeason, -1, 100, "CurrentSeason");
    whole(g.WeekDay, 0, 7, "WeekDay");
    whole(g.CurrentMonth, 1, 12, "CurrentMonth");
    whole(g.MonthDay, 1, 31, "MonthDay");
    whole(g.ALeagueSeason, 0, 100, "ALeagueSeason");
    whole(g.MyTeam, 0, kLastClub, "MyTeam");
    whole(g.MLSTeamCount, 0, 16, "MLSTeamCount");
    whole(g.MLSMatchesPerRound, 0, 8, "MLSMatchesPerRound");
    whole(g.ClubNewsCount, 0, 50, "ClubNewsCount");
    whole(g.HeadlineCount, 0, 300, "HeadlineCount");
    whole(g.NumPlayers, 0, kLastPlayer, "NumPlayers");
    whole(g.YouthCoach, 0, 300, "YouthCoach");
    whole(g.ReserveCoach, 0, 300, "ReserveCoach");
    whole(g.SelectedSquadSlot, 0, 20, "SelectedSquadSlot");
    whole(g.SelectedPlayer, 0, g.NumPlayers, "SelectedPlayer");
    whole(g.TableLeague, -1, 20, "TableLeague");
    whole(g.PlayoffView, 0, 7, "PlayoffView");
    for (double club : {g.MLSFinalTeam1, g.MLSFinalTeam2, static_cast<double>(g.AppliedTeam), g.WebsiteTeam,
                        g.WebsiteTeamPick, g.MatchHomeTeam, g.MatchAwayTeam, g.SettingsHomeTeam, g.SettingsAwayTeam}) {
      whole(club, 0, kLastClub, "a club number");
    }

    clubs(g.TeamOfWeekTeam, "TeamOfWeekTeam");
    eachWhole(g.TeamOfWeekSlot, 0, 20, "TeamOfWeekSlot");
    clubs(g.MLSChampionHistory, "MLSChampionHistory");
    clubs(g.CupWinnerHistory, "CupWinnerHistory");
    clubs(g.WorldClubWinnerHistory, "WorldClubWinnerHistory");
    clubs(g.PremiershipChampionHistory, "PremiershipChampionHistory");
    clubs(g.ALeagueChampionHistory, "ALeagueChampionHistory");
    clubs(g.WestOrder, "WestOrder");
    clubs(g.EastOrder, "EastOrder");
    clubs(g.ALeagueOrder, "ALeagueOrder");
    clubs(g.D3Order, "D3Order");
    clubs(g.LeagueOrder, "LeagueOrder");
    clubs(g.PlayoffQFTeam, "PlayoffQFTeam");
    clubs(g.PlayoffSFTeam, "PlayoffSFTeam");
    clubs(g.EnglishPlayoffTeam, "EnglishPlayoffTeam");
    clubs(g.ALeaguePlayoffSFTeam, "ALeaguePlayoffSFTeam");
    clubs(g.ALeaguePlayoffFinalTeam, "ALeaguePlayoffFinalTeam");
    clubs(g.D3PlayoffSFTeam, "D3PlayoffSFTeam");
    clubs(g.D3PlayoffFinalist, "D3PlayoffFinalist");
    clubs(g.USCupPrelimTeam, "USCupPrelimTeam");
    clubs(g.USCupRound1Team, "USCupRound1Team");
    clubs(g.USCupRound2Team, "USCupRound2Team");
    clubs(g.USCupRound3Team, "USCupRound3Team");
    clubs(g.USCupRound4Team, "USCupRound4Team");
    clubs(g.USCupSemiTeam, "USCupSemiTeam");
    clubs(g.USCupFinalTeam, "USCupFinalTeam");
    clubs(g.EnglishCupEntrant, "EnglishCupEntrant");
    clubs(g.CanadaCupSFTeam, "CanadaCupSFTeam");
    clubs(g.CanadaCupFinalTeam, "CanadaCupFinalTeam");
    clubs(g.ChampionsQFTeam, "ChampionsQFTeam");
    clubs(g.ChampionsSFTeam, "ChampionsSFTeam");
    clubs(g.CopaSFTeam, "CopaSFTeam");
    clubs(g.WorldClubSFTeam, "WorldClubSFTeam");
    clubs(g.ConcacafQFTeam, "ConcacafQFTeam");
    clubs(g.ConcacafSFTeam, "ConcacafSFTeam");
    clubs(g.ConcacafFinalTeam, "ConcacafFinalTeam");
    clubs(g.EnglishLeagueFixture, "EnglishLeagueFixture");
    clubs(g.EnglishLeagueFixtureWork, "EnglishLeagueFixtureWork");
    clubs(g.GermanLeagueFixture, "GermanLeagueFixture");
    clubs(g.GermanLeagueFixtureWork, "GermanLeagueFixtureWork");
    clubs(g.PremiershipFixture, "PremiershipFixture");
    clubs(g.Fixture14Template, "Fixture14Template");
    clubs(g.FixtureOpponent, "FixtureOpponent");
    eachWhole(g.FixtureCompetition, 0, 3, "FixtureCompetition");
    eachWhole(g.FixtureVenue, 0, 2, "FixtureVenue");

    eachWhole(g.TeamSquad, 0, g.NumPlayers, "TeamSquad");
    for (double count : g.TeamSquadCount) whole(count, 0, kLastPlayer, "a squad count");
    eachWhole(g.TeamKeyPlayerSlot, 0, 20, "TeamKeyPlayerSlot");
    const double positions = limit(g.NumPositions, decltype(g.PositionName)::upper);
    eachWhole(g.TeamPosition, 0, positions, "TeamPosition");
    eachWhole(g.TeamPositionBackup, 0, positions, "TeamPositionBackup");
    const double tactics = limit(g.NumTactics, decltype(g.TacticName)::upper);
    eachWhole(g.TeamTactic, 0, tactics, "TeamTactic");
    eachWhole(g.SavedTactic, 0, tactics, "SavedTactic");
    const double flows = limit(g.NumFlows, decltype(g.FlowTable1)::upper2);
    eachWhole(g.TeamFlow, 0, flows, "TeamFlow");
    eachWhole(g.SavedFlow, 0, flows, "SavedFlow");
    eachWhole(g.TeamFormation, 0, limit(g.NumFormations, decltype(g.FormationName)::upper), "TeamFormation");
    eachWhole(g.EnglishDivision, 0, 4, "EnglishDivision");
    eachWhole(g.GermanDivision, 0, 2, "GermanDivision");
    eachWhole(g.TrainingGroup, 0, 3, "TrainingGroup");
    eachWhole(g.TrainingPlanType, 0, 7, "TrainingPlanType");
    eachWhole(g.TrainingPlanIntensity, 0, 2, "TrainingPlanIntensity");
    eachWhole(g.AssistantCoach, 0, 300, "AssistantCoach");
    eachWhole(g.HeadScout, 0, 300, "HeadScout");

    clubs(g.PlayerTeam, "PlayerTeam");
    clubs(g.PlayerInterest, "PlayerInterest");
    eachWhole(g.PlayerNation, 0, decltype(g.NationName)::upper, "PlayerNation");
  }

 private:
  const std::string& fileName_;
  const MLSModule& g_;
};

bool isUnsafe(unsigned char c) { return c < 32 || c == 127 || c == '/' || c == '\\'; }

}  // namespace

std::string encodeClubText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char ch : text) {
    int k = static_cast<unsigned char>(ch) + 12;
    if (k == 44) k = 1;
    if (k > 255) {
      out += '\0';
      k = 267 - k;
    }
    out += static_cast<char>(k);
  }
  return out;
}

std::string savedGameText(const MLSModule& game) {
  Out out;
  Writer writer(out);
  visitLayout(writer, game);
  out.text(kTrailerMark);
  out.whole(kTrailerVersion);
  out.end();
  TrailerWriter trailer(out, game);
  visitTrailer(trailer, game);
  out.text(kTrailerEnd);
  out.end();
  return out.take();
}

void writeSavedGame(const std::filesystem::path& file, const MLSModule& game) {
  writeFileAtomically(file, savedGameText(game));
}

std::unique_ptr<MLSModule> parseSavedGame(const std::string& fileName, std::string content, const MLSModule& base) {
  auto game = std::make_unique<MLSModule>(base);
  CsvReader in(fileName, std::move(content));
  Reader reader(in);
  visitLayout(reader, *game);
  if (!in.atEnd()) {
    // Values past the layout are ours only when they start with the mark;
    // anything else is ignored, as the layout's own reader does.
    const CsvValue mark = in.next();
    if (mark.quoted && mark.text == kTrailerMark) {
      const double version = in.nextNumber();
      if (version != kTrailerVersion) in.fail("trailer version " + numText(version) + " is not known");
      TrailerReader trailer(in, *game);
      visitTrailer(trailer, *game);
      const CsvValue end = in.next();
      if (!end.quoted || end.text != kTrailerEnd) in.fail("the trailer does not end where it should");
    }
  }
  Checker(fileName, *game).run();
  return game;
}

std::unique_ptr<MLSModule> readSavedGame(const std::filesystem::path& file, const MLSModule& base) {
  return parseSavedGame(file.filename().string(), readWholeFile(file), base);
}

std::string savedGameFileName(std::string_view clubName, std::string_view answer) {
  if (Trim(answer).empty()) return "";
  std::string name = std::string(clubName) + " " + std::string(answer) + ".usa";
  for (char& c : name) {
    if (isUnsafe(static_cast<unsigned char>(c))) c = '_';
  }
  return name;
}

}  // namespace kervale
