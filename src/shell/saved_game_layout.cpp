#include "shell/saved_game_layout.h"

namespace kervale::saved_game {

const Coverage& coverage() {
  static const Coverage instance;
  return instance;
}

}  // namespace kervale::saved_game
