#pragma once

#include <benchmark/benchmark.h>

#include <exception>
#include <filesystem>
#include <memory>

#include "data/mls_module.h"

namespace kervale {

// The world folder as the working folder for a scope: the game reads its
// files by bare name, during play as well as at a new game.
class InWorldFolder {
 public:
  InWorldFolder();
  ~InWorldFolder();
  InWorldFolder(const InWorldFolder&) = delete;
  InWorldFolder& operator=(const InWorldFolder&) = delete;

 private:
  std::filesystem::path before_;
};

// Starts a new game of the world the way a player does, through the start-up
// and new-game screens with their default options: the North-American page
// (or the English one), the club, a manager's name, OK. The screens are closed
// afterwards and the started game is the running one. Throws, saying why,
// when the club's game did not start.
void startGameThroughScreens(int club, int loaderSeed, bool english);

// The same, handing the started game over; no game runs afterwards.
std::unique_ptr<MLSModule> gameThroughScreens(int club, int loaderSeed, bool english);

// As the day loop hands a matchday over: the match screen's load plays the
// round, then the round moves on (after round 104 to round 1). A user's match
// needs a stand-in player alive around the call.
void playMatchday();

// Plays matchdays on until a round in which every league that has fixtures
// this season plays a league match (none when the current round is one);
// throws when no round of the season is.
void playOnToARoundOfEveryLeague();

// Counters of the game's current round: its number, its matches, and the
// league matches of each league.
void countMatches(benchmark::State& state, const MLSModule& game);

// A private folder under the system's temporary folder, removed with its
// files when the object goes; two runs at once never share one.
class BenchTempDir {
 public:
  BenchTempDir();
  ~BenchTempDir();
  BenchTempDir(const BenchTempDir&) = delete;
  BenchTempDir& operator=(const BenchTempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// Runs one bench's body inside the world folder. An error thrown ends that
// bench alone, marked with its message, and the list goes on; the running
// game is dropped afterwards, so no bench sees another's.
template <class Body>
void guarded(benchmark::State& state, Body body) {
  {
    const InWorldFolder inWorld;
    try {
      body();
    } catch (const std::exception& e) {
      state.SkipWithError(e.what());
    }
  }
  replaceGame(nullptr);
}

}  // namespace kervale
