// kervale-sim --matches: many computer matches between two clubs, with their averages.
#include "matches.h"

#include <charconv>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>

#include "base/numbers.h"
#include "data/mls_module.h"
#include "match/match_engine.h"
#include "newgame/new_game_loader.h"
#include "shown_boxes.h"
#include "ui/headless/headless_backend.h"
#include "ui/screen.h"

namespace kervale::sim {

namespace {

struct MatchOptions {
  int matches = 0;
  int home = 0;
  int away = 0;
  std::optional<std::uint64_t> seed;
  std::filesystem::path world = ".";
};

class BadArgument : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

template <class Number>
Number number(const std::string& option, const std::string& text, Number low, Number high) {
  Number value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < low || value > high) {
    throw BadArgument(option + " needs a whole number from " + std::to_string(low) + " to " + std::to_string(high) +
                      ", not \"" + text + "\"");
  }
  return value;
}

MatchOptions parse(const std::vector<std::string>& args) {
  MatchOptions o;
  bool home = false, away = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool known = arg == "--matches" || arg == "--home" || arg == "--away" || arg == "--seed" || arg == "--world";
    if (!known) throw BadArgument("unknown option " + arg);
    if (i + 1 >= args.size()) throw BadArgument(arg + " needs a value");
    const std::string& value = args[++i];
    if (arg == "--matches") {
      o.matches = number<int>(arg, value, 1, 10000000);
    } else if (arg == "--home") {
      o.home = number<int>(arg, value, 1, kLastClub);
      home = true;
    } else if (arg == "--away") {
      o.away = number<int>(arg, value, 1, kLastClub);
      away = true;
    } else if (arg == "--seed") {
      o.seed = number<std::uint64_t>(arg, value, 0, UINT64_MAX);
    } else {
      o.world = value;
    }
  }
  if (!home || !away) throw BadArgument("--matches needs --home and --away");
  if (o.home == o.away) throw BadArgument("--home and --away must be two clubs");
  return o;
}

bool hasEleven(const MLSModule& g, int club) {
  for (int slot = 1; slot <= 11; ++slot) {
    const double p = g.TeamSquad(slot, club);
    if (p < 1 || p > kLastPlayer || g.PlayerName(p).empty()) return false;
  }
  return true;
}

std::string fixed(double x, int decimals) {
  std::string pattern = "0.";
  pattern.append(static_cast<std::size_t>(decimals), '0');
  return Format(x, pattern);
}

}  // namespace

bool wantsMatches(const std::vector<std::string>& args) {
  for (const std::string& arg : args) {
    if (arg == "--matches") return true;
  }
  return false;
}

std::string matchesUsage() { return "--matches N --home A --away B [--seed S] [--world DIR]"; }

int runMatches(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  MatchOptions o;
  try {
    o = parse(args);
  } catch (const BadArgument& e) {
    err << "error: " << e.what() << "\nusage: kervale-sim " << matchesUsage() << "\n";
    return 2;
  }

  LoaderOptions loader;
  loader.seed = o.seed;
  try {
    replaceGame(loadNewGame(o.world, {}, loader));
  } catch (const std::exception& e) {
    err << "error: " << e.what() << "\n";
    return 2;
  }
  MLSModule& g = mls();
  for (int club : {o.home, o.away}) {
    if (!hasEleven(g, club)) {
      err << "error: club " << club << " has no eleven to play\n";
      return 2;
    }
  }

  // Neither club is the user's: nothing waits and nothing is shown.
  g.MyTeam = 0;
  g.ShowAllMatches = false;
  g.CupTieFlag = 0;
  ui::headless().setPolicy(ui::HeadlessBackend::Policy::Defaults);
  MatchEngine& match = ui::screen<MatchEngine>();
  const double homeMorale = g.TeamMorale(o.home);
  const double awayMorale = g.TeamMorale(o.away);

  double homeGoals = 0, awayGoals = 0, homeShots = 0, awayShots = 0, homeBall = 0;
  double fouls = 0, yellows = 0, reds = 0, penalties = 0;
  int homeWins = 0, draws = 0, awayWins = 0;
  std::chrono::steady_clock::duration played{};
  for (int i = 0; i < o.matches; ++i) {
    // Every match starts from the clubs' morale of the new game.
    g.TeamMorale(o.home) = homeMorale;
    g.TeamMorale(o.away) = awayMorale;
    g.LastResultText.clear();
    g.TeamLatestNews(o.home).clear();
    g.TeamLatestNews(o.away).clear();
    match.hometeam = o.home;
    match.awayteam = o.away;
    match.extratimeflag = 0;
    match.minutedone = false;
    match.Fastsim.setValue(1);
    const double yellowsBefore = g.TeamYellowCards(o.home) + g.TeamYellowCards(o.away);
    const double redsBefore = g.TeamRedCards(o.home) + g.TeamRedCards(o.away);
    const auto start = std::chrono::steady_clock::now();
    match.Playgame();
    played += std::chrono::steady_clock::now() - start;
    fouls += match.homefouls + match.awayfouls;
    yellows += g.TeamYellowCards(o.home) + g.TeamYellowCards(o.away) - yellowsBefore;
    reds += g.TeamRedCards(o.home) + g.TeamRedCards(o.away) - redsBefore;
    penalties += match.penaltycount;
    homeGoals += match.homegoals;
    awayGoals += match.awaygoals;
    homeShots += match.homeshots;
    awayShots += match.awayshots;
    if (match.possessiontotal > 0) homeBall += static_cast<double>(match.homepossession) / match.possessiontotal;
    if (match.homegoals > match.awaygoals) ++homeWins;
    if (match.homegoals == match.awaygoals) ++draws;
    if (match.homegoals < match.awaygoals) ++awayWins;
  }

  writeShownBoxes(err);
  const double n = o.matches;
  out << "matches=" << o.matches << "\n";
  out << "home=" << o.home << " " << g.TeamName(o.home) << "\n";
  out << "away=" << o.away << " " << g.TeamName(o.away) << "\n";
  out << "home_goals=" << fixed(homeGoals / n, 3) << "\n";
  out << "away_goals=" << fixed(awayGoals / n, 3) << "\n";
  out << "home_wins=" << fixed(100 * homeWins / n, 1) << "%\n";
  out << "draws=" << fixed(100 * draws / n, 1) << "%\n";
  out << "away_wins=" << fixed(100 * awayWins / n, 1) << "%\n";
  out << "home_shots=" << fixed(homeShots / n, 2) << "\n";
  out << "away_shots=" << fixed(awayShots / n, 2) << "\n";
  out << "home_possession=" << fixed(100 * homeBall / n, 1) << "%\n";
  out << "away_possession=" << fixed(100 - 100 * homeBall / n, 1) << "%\n";
  out << "fouls=" << fixed(fouls / n, 2) << "\n";
  out << "yellow_cards=" << fixed(yellows / n, 3) << "\n";
  out << "red_cards=" << fixed(reds / n, 3) << "\n";
  out << "penalties=" << fixed(penalties / n, 3) << "\n";
  out << "microseconds_per_match=" << fixed(std::chrono::duration<double, std::micro>(played).count() / n, 2) << "\n";
  return 0;
}

}  // namespace kervale::sim
