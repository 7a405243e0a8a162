#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace kervale::sim {

// The command line of kervale-sim. Each option of the table in sim_options.cpp
// sets one field here.
struct Options {
  std::filesystem::path world = ".";  // --world DIR: the folder of the data files
  std::optional<std::uint64_t> seed;  // --seed N: fixed seed instead of the clock
  int club = 1;                       // --club N: the club picked on the new-game screen

  int days = 0;                               // --days N: presses of the hub's continue button
  std::optional<std::filesystem::path> save;  // --save FILE: the game is saved there after the days
  std::optional<std::filesystem::path> load;  // --load FILE: this saved game is loaded before the days
  bool tables = false;                        // --tables: every league's table after the days
  bool results = false;                       // --results: every league match after the days
  // --round-trip: after every day the game is saved to memory and loaded back
  // through the loader's checks; the run stops on a refusal.
  bool roundTrip = false;
};

// An unknown option or a bad value.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The arguments after the program name.
Options parseOptions(const std::vector<std::string>& args);
// One line naming every option.
std::string usageLine();

}  // namespace kervale::sim
