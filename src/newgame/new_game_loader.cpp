#include "newgame/new_game_loader.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "base/csv.h"
#include "base/numbers.h"
#include "base/random.h"
#include "data/data_files.h"
#include "data/readers/reader_support.h"
#include "data/squad_floor.h"
#include "newgame/loader_steps.h"
#include "offseason/youth_player.h"

namespace kervale {

namespace {

constexpr int kCoaches = 300;
constexpr int kLastMlsClub = 16;
constexpr int kFirstEnglish = 53;
constexpr int kLastEnglish = 148;
constexpr int kSquadSlots = 20;
constexpr double kLastWageIndex = 54;  // SkillValueTable(0..54)

void report(const LoaderProgress& progress, const char* caption) {
  if (progress) progress(caption);
}

// "pic.dat" is the player's choice of background, written by the game itself;
// without one the hub simply has no background picture.
std::string readBackgroundPicture(const std::filesystem::path& folder) {
  std::error_code error;
  if (!std::filesystem::exists(folder / "pic.dat", error)) return "";
  CsvReader file = readers::openDataFile(folder, "pic.dat");
  return file.atEnd() ? "" : file.nextText();
}

void setStartingValues(MLSModule& game) {
  game.MyTeam = 1;
  game.CurrentWeek = 0;
  game.MLSTeamCount = 10;
  game.MLSMatchesPerRound = Int(game.MLSTeamCount / 2);
  game.CurrentSeason = 1;
  game.CurrentMonth = 1;
  game.MonthDay = 1;
  game.WeekDay = 1;
  game.TeamOfTheWeekText = "The Team of the Week has not yet been selected.";
  static constexpr std::array<const char*, 12> kMonths = {"January",   "February", "March",    "April",
                                                          "May",       "June",     "July",     "August",
                                                          "September", "October",  "November", "December"};
  for (int m = 1; m <= 12; ++m) game.MonthName(m) = kMonths[m - 1];
  static constexpr std::array<const char*, 8> kDays = {"Sunday",   "Monday", "Tuesday",  "Wednesday",
                                                       "Thursday", "Friday", "Saturday", "Sunday"};
  for (int d = 0; d <= 7; ++d) game.DayName(d) = kDays[d];
  for (int i = 1; i <= 18; ++i) {
    game.ALeagueOrder(i) = i + 16;
    game.D3Order(i) = i + 34;
  }
}

// The first- and last-name lists of the three name styles, read once: the
// draws are the same as reading a file anew for every name.
struct NameLists {
  static constexpr int kUsa = 0;
  static constexpr int kEnglish = 1;
  std::array<std::vector<std::string>, 3> first;
  std::array<std::vector<std::string>, 3> last;

  explicit NameLists(const std::filesystem::path& folder) {
    const std::array<const char*, 3> firstFiles = {kUsaFirstNames, kEngFirstNames, kGerFirstNames};
    const std::array<const char*, 3> lastFiles = {kUsaLastNames, kEngLastNames, kGerLastNames};
    for (int k = 0; k < 3; ++k) {
      first[k] = readNameList(folder, firstFiles[k]);
      last[k] = readNameList(folder, lastFiles[k]);
    }
  }

  static const std::string& pick(const std::vector<std::string>& names) {
    const int j = rng().draw(static_cast<int>(names.size()), 1);
    return names[static_cast<std::size_t>(j - 1)];
  }
  // k, then the first name, then the last name of the same style.
  std::string drawName() const {
    const int k = rng().draw(3);
    const std::string& firstName = pick(first[k]);
    return firstName + " " + pick(last[k]);
  }
};

// The English and North-American lists, at most 200 first and 10000 last
// names each, kept for the youths of later seasons.
void keepYouthNames(MLSModule& game, const NameLists& names) {
  auto keep = [](std::vector<std::string>& kept, const std::vector<std::string>& list, std::size_t most) {
    kept.assign(list.begin(), list.begin() + std::ptrdiff_t(std::min(list.size(), most)));
  };
  constexpr std::size_t kMostFirst = 200;
  constexpr std::size_t kMostLast = 10000;
  keep(game.YouthFirstNames, names.first[NameLists::kEnglish], kMostFirst);
  keep(game.YouthLastNames, names.last[NameLists::kEnglish], kMostLast);
  keep(game.UsaFirstNames, names.first[NameLists::kUsa], kMostFirst);
  keep(game.UsaLastNames, names.last[NameLists::kUsa], kMostLast);
}

void generateStaff(MLSModule& game, const NameLists& names, const LoaderProgress& progress) {
  for (int c = 1; c <= kCoaches; ++c) {
    game.CoachName(c) = names.drawName();
    game.CoachRatingA(c) = rng().draw(101);
    game.CoachRatingB(c) = rng().draw(101);
    game.CoachAge(c) = rng().draw(45, 25);
  }
  report(progress, "Generating Scouts");
  for (int c = 1; c <= kCoaches; ++c) game.ScoutName(c) = names.drawName();
}

// A month or day outside the calendar, past its end or 0, is drawn anew.
void fixBirthDate(MLSModule& game, int p) {
  const double month = game.PlayerBirthMonth(p);
  if (month > 12 || month < 1) game.PlayerBirthMonth(p) = rng().draw(12, 1);
  const double day = game.PlayerBirthDay(p);
  if (day > 31 || day < 1) game.PlayerBirthDay(p) = rng().draw(30, 1);
  if (game.PlayerBirthMonth(p) == 2 && game.PlayerBirthDay(p) > 28) game.PlayerBirthDay(p) = 28;
}

void setUpPlayers(MLSModule& game, NewGameScreenTables& tables) {
  for (int p = 1; p <= game.NumPlayers; ++p) {
    fixBirthDate(game, p);
    game.PlayerWage(p) = newGameWage(game, p);
    game.PlayerTeamOfWeekCount(p) = 0;
    const int c = CInt(game.PlayerTeam(p));
    tables.DefenseStrength(c) = CInt(tables.DefenseStrength(c) + game.PlayerDefense(p));
    tables.MidfieldStrength(c) = CInt(tables.MidfieldStrength(c) + game.PlayerMidfield(p));
    tables.AttackStrength(c) = CInt(tables.AttackStrength(c) + game.PlayerAttack(p));
    game.PlayerForm(p) = rng().draw(20, 40);
    game.PlayerContractYears(p) = rng().draw(5, 1);
    game.TeamSquadCount(c) += 1;
    if (c != 0 && game.TeamSquadCount(c) <= kSquadSlots) game.TeamSquad(game.TeamSquadCount(c), c) = p;
  }
  for (int t = 1; t <= kLastClub; ++t) {
    const double count = game.TeamSquadCount(t);
    if (count == 0) {
      tables.DefenseStrength(t) = tables.MidfieldStrength(t) = tables.AttackStrength(t) = 1;
      tables.OverallStrength(t) = 1;
      continue;
    }
    tables.DefenseStrength(t) = CInt(tables.DefenseStrength(t) / count);
    tables.MidfieldStrength(t) = CInt(tables.MidfieldStrength(t) / count);
    tables.AttackStrength(t) = CInt(tables.AttackStrength(t) / count);
    tables.OverallStrength(t) =
        CInt((tables.DefenseStrength(t) + tables.MidfieldStrength(t) + tables.AttackStrength(t)) / 3.0);
  }
}

void setUpTactics(const std::filesystem::path& folder, MLSModule& game, const LoaderProgress& progress) {
  report(progress, "Loading Tactical Data");
  game.SalaryCap = 7000;
  // The four files are checked together before any of them is used.
  loadTacticalFiles(folder, game);
  for (int t = 1; t <= kLastClub; ++t) game.TeamMorale(t) = 1;
  for (int t = 1; t <= kLastClub; ++t) {
    const int f = rng().draw(CInt(game.NumFormations), 1);
    game.TeamFormation(t) = f;
    game.TeamFlow(t) = CInt(game.FormationFlow(f));
    for (int j = 1; j <= 10; ++j) game.TeamPosition(j, t) = game.FormationPos(f, j);
    if (game.TeamFlow(t) == 6) game.TeamFlow(t) = static_cast<std::int16_t>(rng().draw(2, 3));
  }

  report(progress, "Loading Referee Data");
  loadRefs(folder, game);
  loadSponsors(folder, game);
  const int tactics = CInt(game.NumTactics);
  for (int t = 1; t <= kLastClub; ++t) {
    int tactic = rng().draw(tactics, 1);
    // The last tactic is never drawn, unless it is the only one.
    if (tactic == tactics && tactics > 1) tactic = tactics - 1;
    game.TeamTactic(t) = tactic;
  }
}

void clearSeasonStatistics(MLSModule& game) {
  for (int t = 1; t <= kLastClub; ++t) {
    game.TeamYellowCards(t) = 0;
    game.TeamRedCards(t) = 0;
    game.TeamDisciplinePoints(t) = 0;
    game.TeamGamesPlayed(t) = 0;
    game.TeamFirstHalfGoals(t) = 0;
    game.TeamSecondHalfGoals(t) = 0;
    game.TeamExtraTimeGoals(t) = 0;
    game.TeamShotsOnTarget(t) = 0;
    game.TeamShotsAgainst(t) = 0;
    game.TeamSaveItem27(t) = 0;
    game.TeamSaveItem28(t) = 0;
  }
}

}  // namespace

double newGameWage(const MLSModule& game, int p) {
  const double sum = static_cast<double>(game.PlayerGoalkeeping(p)) + game.PlayerDefense(p) + game.PlayerMidfield(p) +
                     game.PlayerAttack(p);
  const double c = game.PlayerTeam(p);
  // Later rules override earlier ones.
  double wage = 0;
  if (c <= kLastMlsClub) wage = sum * 20;
  // The player file keeps a sum within the table; a grown player may pass its end.
  if (c > kLastMlsClub) wage = game.SkillValueTable(std::clamp(Int(sum), 0.0, kLastWageIndex));
  if (c > 52 && c <= kLastEnglish) wage = CInt((5 - game.EnglishDivision(c - 52)) * (sum * 0.25));
  return wage;
}

std::unique_ptr<MLSModule> loadNewGame(const std::filesystem::path& folder, const LoaderProgress& progress) {
  return loadNewGame(folder, progress, LoaderOptions{});
}

std::unique_ptr<MLSModule> loadNewGame(const std::filesystem::path& folder, const LoaderProgress& progress,
                                       const LoaderOptions& options) {
  auto game = makeEmptyGame();
  auto tables = std::make_unique<NewGameScreenTables>();

  game->BackgroundPicture = readBackgroundPicture(folder);
  if (options.seed) {
    rng().seed(*options.seed);
  } else {
    rng().seedFromClock();
  }
  setStartingValues(*game);

  report(progress, "Loading Nationalities");
  loadNations(folder, *game);
  report(progress, "Loading Commentary");
  loadCommentary(folder, *game);
  loadSkills(folder, *game);

  report(progress, "Generating Coaches");
  const NameLists names(folder);
  generateStaff(*game, names, progress);

  report(progress, "Loading Team Data/Logos");
  loadClubs(folder, *game);
  report(progress, "Loading Player Data");
  loadPlayers(folder, *game);
  setUpPlayers(*game, *tables);
  keepStartingLevels(*game);
  keepStartingSquads(*game);

  setUpTactics(folder, *game, progress);

  report(progress, "Setting up Names for Youth Teams");
  keepYouthNames(*game, names);

  report(progress, "Seeding Cups");
  loader::seedCups(*game);
  report(progress, "Loading Fixtures");
  loader::loadFixtures(folder, *game);

  clearSeasonStatistics(*game);
  loader::fillTeamPickList(*tables);
  loader::setClubEconomy(*game);
  for (int t = 1; t <= kLastClub; ++t) game->TeamKeyPlayerSlot(t) = 10;

  if (options.screenTables != nullptr) *options.screenTables = *tables;
  return game;
}

}  // namespace kervale
