#include "support/world.h"

namespace kervale::test {

std::filesystem::path worldFolder() { return KERVALE_WORLD_DIR; }

::testing::AssertionResult worldPresent() {
  for (const char* file : {"mlsdata2.dat", "players2.dat"}) {
    if (!std::filesystem::exists(worldFolder() / file)) {
      return ::testing::AssertionFailure() << "no world: " << file << " was looked for in " << worldFolder()
                                           << " (the world is made by tools/worldgen)";
    }
  }
  return ::testing::AssertionSuccess();
}

}  // namespace kervale::test
