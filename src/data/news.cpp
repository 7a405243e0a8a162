#include "data/news.h"

#include <cmath>
#include <utility>

namespace kervale {

namespace {

// The count may have been set by hand (a loaded game): a negative one starts
// the list again, one at or past the last index means the list is full.
template <class Lines, class Count>
bool append(Lines& lines, Count& count, std::string line) {
  constexpr int last = Lines::upper;
  double held = std::floor(static_cast<double>(count));
  if (!(held >= 0)) held = 0;
  if (held >= last) {
    count = static_cast<Count>(last);
    return false;
  }
  const int at = static_cast<int>(held);
  lines(at) = std::move(line);
  count = static_cast<Count>(at + 1);
  return true;
}

}  // namespace

bool addClubNews(MLSModule& game, std::string line) {
  return append(game.ClubNewsLine, game.ClubNewsCount, std::move(line));
}

bool addHeadline(MLSModule& game, std::string line) {
  return append(game.Headlines, game.HeadlineCount, std::move(line));
}

void clearClubNews(MLSModule& game) {
  game.ClubNewsLine.clear();
  game.ClubNewsCount = 0;
}

void clearHeadlines(MLSModule& game) {
  game.Headlines.clear();
  game.HeadlineCount = 0;
}

void clearNews(MLSModule& game) {
  clearClubNews(game);
  clearHeadlines(game);
}

}  // namespace kervale
