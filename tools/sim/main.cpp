// kervale-sim: a headless runner of the game for tests, benchmarks and checks.
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "between_events.h"
#include "matches.h"
#include "season_tables.h"
#include "sim_cups.h"
#include "sim_days.h"
#include "sim_new_game.h"
#include "sim_options.h"
#include "squad_starts.h"

namespace {

// Every way to run the program, one a line.
std::string usage() {
  using namespace kervale::sim;
  const std::string again = "\n       kervale-sim ";
  return usageLine() + again + matchesUsage() + again + "--help";
}

bool wantsHelp(const std::vector<std::string>& args) {
  for (const std::string& arg : args) {
    if (arg == "--help") return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace kervale::sim;
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (wantsHelp(args)) {
    std::cout << usage() << "\n";
    return 0;
  }
  if (wantsMatches(args)) return runMatches(args, std::cout, std::cerr);
  try {
    const Options options = parseOptions(args);
    startNewGame(options);
    const double moneyBefore = totalMoney();
    runDays(options);
    printGameSummary(std::cout);
    printDaysSummary(options, std::cout);
    printCupWinners(std::cout);
    printBetweenEvents(options, moneyBefore, std::cout);
    printSeasonTables(options, std::cout);
    printSquadStarts(options, std::cout);
    return 0;
  } catch (const UsageError& error) {
    std::cerr << "error: " << error.what() << "\n" << usage() << "\n";
    return 2;
  } catch (const RunError& error) {
    std::cerr << "error: " << error.what() << "\n";
    return 2;
  } catch (const std::exception& error) {
    std::cerr << "error: " << error.what() << "\n";
    return 1;
  }
}
