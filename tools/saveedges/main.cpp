// kervale-save-edges: reads a saved game and writes copies of it with one
// item at an edge of its range each, for scripts/save-range-sweep.sh.
#include <exception>
#include <filesystem>
#include <iostream>
#include <memory>

#include "base/csv.h"
#include "base/file_error.h"
#include "data/mls_module.h"
#include "edge_copies.h"
#include "shell/saved_game.h"

int main(int argc, char** argv) {
  using namespace kervale;
  if (argc != 3) {
    std::cerr << "usage: kervale-save-edges SAVE.usa FOLDER\n";
    return 2;
  }
  const std::filesystem::path save = argv[1];
  const std::filesystem::path folder = argv[2];
  try {
    // What a game leaves out of the file (the data files' tables) plays no
    // part in the copies: an empty game is base enough.
    const auto empty = std::make_unique<MLSModule>();
    const auto game = readSavedGame(save, *empty);
    // Else every copy would differ from the save in more than its one value.
    if (savedGameText(*game) != readWholeFile(save)) {
      throw FileError(save.filename().string(), "is not written back as it was read");
    }
    std::filesystem::create_directories(folder);
    save_edges::writeEdgeCopies(*game, folder, std::cout);
    return 0;
  } catch (const std::exception& error) {
    std::cerr << "error: " << error.what() << "\n";
    return 1;
  }
}
