#include "data/news.h"

#include <cmath>
#include <utility>

namespace kervale {

namespace {

// The count is the index of the next line, at most the table's last index,
// where the list's last line goes. A count set by hand (a loaded game) that is
// negative starts the list again; one past the last index counts as the last.
template <class Lines, class Count>
bool append(Lines& lines, Count& count, std::string line) {
  constexpr int last = Lines::upper;
  double next = std::floor(static_cast<double>(count));
  if (!(next >= 0)) next = 0;
  if (next >= last) {
    count = static_cast<Count>(last);
    if (!lines(last).empty()) return false;
    lines(last) = std::move(line);
    return true;
  }
  const int at = static_cast<int>(next);
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
