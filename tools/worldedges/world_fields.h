#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace kervale::edges {

// One number of a data file as the game's readers read and check it.
struct Field {
  std::string file;
  std::string record;  // "player 17", or "" for a count
  std::size_t valueNumber = 0;
  std::string name;  // its row of the value table, or what the reader calls it
  double value = 0;
  double low = 0;
  double high = 0;
};

// Every checked number of every data file a new game and its first season
// read, in reading order, each once: the readers say where it stands and
// which bounds they hold it to.
std::vector<Field> readWorldFields(const std::filesystem::path& world);

}  // namespace kervale::edges
