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

int main(int argc, char** argv) {
  using namespace kervale::sim;
  if (wantsMatches(std::vector<std::string>(argv + 1, argv + argc))) {
    return runMatches(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
  }
  try {
    const Options options = parseOptions(std::vector<std::string>(argv + 1, argv + argc));
    startNewGame(options);
    const double moneyBefore = totalMoney();
    runDays(options);
    printGameSummary(std::cout);
    printDaysSummary(options, std::cout);
    printCupWinners(std::cout);
    printBetweenEvents(options, moneyBefore, std::cout);
    printSeasonTables(options, std::cout);
    return 0;
  } catch (const UsageError& error) {
    std::cerr << "error: " << error.what() << "\n" << usageLine() << "\n";
    return 2;
  } catch (const RunError& error) {
    std::cerr << "error: " << error.what() << "\n";
    return 2;
  } catch (const std::exception& error) {
    std::cerr << "error: " << error.what() << "\n";
    return 1;
  }
}
