// Seeded mutations of every data file and of a saved game: each run of
// kervale-sim ends in a clean error or in a game whose every value is within
// range and whose squads hold their own players.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "base/csv.h"
#include "base/file_error.h"
#include "data/small_world.h"
#include "shell/saved_game.h"
#include "sim_run.h"
#include "support/temp_dir.h"

namespace {

using kervale::test::runSim;
using kervale::test::SimRun;
using kervale::test::TempDir;

// Byte offsets of the bare numbers in text.
std::vector<std::pair<std::size_t, std::size_t>> numbers(const std::string& text) {
  std::vector<std::pair<std::size_t, std::size_t>> found;
  bool quoted = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '"') quoted = !quoted;
    const bool starts = !quoted && (std::isdigit(static_cast<unsigned char>(text[i])) != 0) &&
                        (i == 0 || text[i - 1] == ',' || text[i - 1] == '\n');
    if (!starts) continue;
    std::size_t end = i;
    while (end < text.size() && text[end] != ',' && text[end] != '\r' && text[end] != '\n') ++end;
    found.emplace_back(i, end - i);
    i = end;
  }
  return found;
}

// One of the edits a player's text editor or a slip makes.
std::string mutate(std::string text, std::mt19937& random) {
  auto pick = [&](std::size_t n) { return n == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, n - 1)(random); };
  const auto spots = numbers(text);
  switch (pick(6)) {
    case 0:  // cut short
      return text.substr(0, pick(text.size()));
    case 1: {  // a line twice
      const std::size_t from = text.rfind('\n', pick(text.size()));
      const std::size_t start = from == std::string::npos ? 0 : from + 1;
      const std::size_t end = text.find('\n', start);
      return text.insert(start, text.substr(start, end == std::string::npos ? end : end - start + 1));
    }
    case 2:
    case 3: {  // a number made huge, negative or text
      if (spots.empty()) return text + "\x01";
      const auto [at, size] = spots[pick(spots.size())];
      const char* replacements[] = {"99999999999", "-7", "1e308", "x", "0", "-0.5"};
      return text.replace(at, size, replacements[pick(6)]);
    }
    case 4:  // a stray byte
      return text.insert(pick(text.size()), 1, static_cast<char>(pick(256)));
    default: {  // line ends of another system
      std::string plain;
      for (char c : text) {
        if (c != '\r') plain += c;
      }
      return plain;
    }
  }
}

class FuzzFiles : public ::testing::Test {
 protected:
  FuzzFiles() {
    kervale::test::writeSmallWorld(clean);
    std::string players;
    for (int k = 1; k <= 64; ++k) {
      const int club = 1 + (k - 1) / 16;
      players += kervale::test::playerRecord(club, "P" + std::to_string(k), k % 16 == 1 ? 9 : 2, 5 + k % 4, 4 + k % 5,
                                             3 + k % 6);
    }
    clean.write("players2.dat", "64\r\n" + players);
  }

  // A run ended cleanly: refused with a message, or played into a game that
  // loads back whole.
  void expectCleanEnd(const SimRun& run, const std::string& what) {
    ASSERT_TRUE(run.status == 0 || run.status == 2) << what << " ended with " << run.status << ": " << run.err;
    ++(run.status == 2 ? refused : played);
    if (run.status == 2) {
      EXPECT_EQ(run.err.rfind("error: ", 0), 0u) << what << ": " << run.err;
      return;
    }
    std::unique_ptr<kervale::MLSModule> game;
    try {
      game = kervale::readSavedGame(out.path() / "after.usa", *kervale::makeEmptyGame());
    } catch (const kervale::FileError& error) {
      FAIL() << what << ": the game after play is out of range: " << error.what();
    }
    for (int club = 0; club <= kervale::kLastClub; ++club) {
      for (int slot = 1; slot <= 20; ++slot) {
        const double p = game->TeamSquad(slot, club);
        if (p > 0) {
          EXPECT_EQ(game->PlayerTeam(p), club) << what << ": slot " << slot << " of club " << club;
        }
      }
    }
  }
  SimRun play(const TempDir& world, std::vector<std::string> more = {}) {
    std::vector<std::string> args = {"--world", world.str(), "--seed", "3",
                                     "--days",  "4",         "--save", (out.path() / "after.usa").string()};
    args.insert(args.end(), more.begin(), more.end());
    return runSim(args);
  }

  TempDir clean;
  TempDir out;
  int refused = 0;
  int played = 0;
};

TEST_F(FuzzFiles, MutatedDataFilesEndCleanly) {
  std::mt19937 random(27);
  for (const char* file :
       {"nat.dat", "commentary.dat", "skills.dat", "usafirst.dat", "mlsdata2.dat", "players2.dat", "tactics.dat",
        "flow.dat", "formation.dat", "Position.dat", "refs.dat", "sponsors.dat", "mls 10.dat", "fixt18.dat"}) {
    const std::string original = kervale::readWholeFile(clean.path() / file);
    for (int k = 0; k < 2; ++k) {
      clean.write(file, mutate(original, random));
      expectCleanEnd(play(clean), std::string(file) + " mutation " + std::to_string(k));
    }
    clean.write(file, original);
  }
  // Both ends are reached, so neither check is idle.
  EXPECT_GT(refused, 0);
  EXPECT_GT(played, 0);
}

TEST_F(FuzzFiles, MutatedSavesEndCleanly) {
  ASSERT_EQ(play(clean).status, 0);
  const std::string save = kervale::readWholeFile(out.path() / "after.usa");
  std::mt19937 random(2027);
  for (int k = 0; k < 8; ++k) {
    out.write("before.usa", mutate(save, random));
    expectCleanEnd(play(clean, {"--load", (out.path() / "before.usa").string()}), "save mutation " + std::to_string(k));
  }
  EXPECT_GT(refused, 0);
  EXPECT_GT(played, 1);
}

}  // namespace
