// kervale-sim: a headless runner of the game for tests, benchmarks and checks.
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "between_events.h"
#include "matches.h"
#include "season_tables.h"
#include "shown_boxes.h"
#include "sim_cups.h"
#include "sim_days.h"
#include "sim_new_game.h"
#include "sim_options.h"
#include "squad_matches.h"
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

// The exit status and the line for standard error of a run that failed.
int reportError(const std::string& usageText) {
  try {
    throw;
  } catch (const kervale::sim::UsageError& error) {
    std::cerr << "error: " << error.what() << "\n" << usageText << "\n";
    return 2;
  } catch (const kervale::sim::RunError& error) {
    std::cerr << "error: " << error.what() << "\n";
    return 2;
  } catch (const std::exception& error) {
    std::cerr << "error: " << error.what() << "\n";
    return 1;
  }
}

// Plays the game the options ask for. What the run made before an error (the
// season lines, the tables so far) is written out before the error is passed on.
void playGame(const kervale::sim::Options& options) {
  using namespace kervale::sim;
  startNewGame(options);
  const double moneyBefore = totalMoney();
  std::exception_ptr failure;
  try {
    runDays(options);
  } catch (const std::exception&) {
    failure = std::current_exception();
  }
  writeShownBoxes(std::cerr);  // those of a load without days, or of the day that failed
  printGameSummary(std::cout);
  printDaysSummary(options, std::cout);
  printCupWinners(std::cout);
  printBetweenEvents(options, moneyBefore, std::cout);
  printSeasonTables(options, std::cout);
  printSquadStarts(options, std::cout);
  printSidesFielded(options, std::cout);
  std::cout.flush();
  if (failure) std::rethrow_exception(failure);
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
    playGame(parseOptions(args));
    return 0;
  } catch (const std::exception&) {
    return reportError(usage());
  }
}
