// Writes the game's world: every data file and picture, the same bytes on
// every run. Usage: kervale-worldgen [output folder], default ./world.
#include <QCoreApplication>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string_view>

#include "base/csv.h"
#include "base/file_error.h"
#include "world.h"

int main(int argc, char** argv) {
  using namespace kervale::worldgen;
  QCoreApplication application(argc, argv);  // for the picture format plugins
  // An option is never a folder name: "--help" would otherwise get a world.
  if (argc > 2 || (argc == 2 && argv[1][0] == '-')) {
    const bool asked = argc == 2 && std::string_view(argv[1]) == "--help";
    std::fprintf(asked ? stdout : stderr, "usage: kervale-worldgen [output folder]   (default ./world)\n");
    return asked ? 0 : 2;
  }
  const std::filesystem::path folder = argc > 1 ? argv[1] : "world";
  try {
    std::filesystem::create_directories(folder);
    World world;
    buildNations(world);
    buildClubs(world);
    buildExpansion(world);
    buildPlayers(world);

    DataFiles files;
    addClubFiles(world, files);
    addPlayerFile(world, files);
    addScheduleFiles(files);
    addTacticalFiles(files);
    addTextFiles(files);
    for (const auto& [name, content] : files) kervale::writeFileAtomically(folder / name, content);
    writePictures(world, folder);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "kervale-worldgen: %s\n", error.what());
    return 1;
  }
  return 0;
}
