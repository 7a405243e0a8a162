#pragma once

#include <string>

namespace kervale {

// Starts a new game of the world the way a player does, through the start-up
// and new-game screens: the North-American page (or the English one), the
// club, a manager's name, OK. The screens are closed afterwards. Returns
// whether the club's game started; otherwise `error` says why.
bool startGameThroughScreens(int club, int loaderSeed, bool english, std::string& error);

}  // namespace kervale
