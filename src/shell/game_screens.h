#pragma once

#include <functional>
#include <string>
#include <vector>

namespace kervale {

// A screen of the game as the layout check walks it: its name and how the
// game opens it on the running game (through its opener, as a player would).
// `prepare`, when set, first puts the running game where the screen can be
// opened by itself (a screen reached mid-matchday, say).
struct GameScreenView {
  std::string name;
  std::function<void()> show;
};
struct GameScreen {
  std::string name;
  std::function<void()> open;
  std::function<void()> prepare = {};
  // The screen's other states worth a look once it is open, each reached the
  // way a player reaches it (a row chosen, another page).
  std::vector<GameScreenView> views = {};
};

// Every screen of the game. A new screen adds its entry in game_screens.cpp,
// so the layout check covers it without touching the check.
const std::vector<GameScreen>& gameScreens();

}  // namespace kervale
