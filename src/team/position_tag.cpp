#include "team/position_tag.h"

#include "base/numbers.h"

namespace kervale {

std::string PositionTag(const MLSModule& g, int player) {
  if (player < 0 || player > kLastPlayer) return "";
  // Compared exactly as stored: the keeper's rating is single precision.
  const double k = g.PlayerGoalkeeping(player);
  const double d = g.PlayerDefense(player);
  const double m = g.PlayerMidfield(player);
  const double f = g.PlayerAttack(player);
  // Every test that holds replaces the tag before it: the last one decides.
  const char* tag = "";
  if (d == m && d == f) tag = "DMF ";
  if (d >= m && d > f) tag = "DM ";
  if (d > m && d > f) tag = "D ";
  if (d < m && m >= f) tag = "MF ";
  if (d == f && d > m) tag = "DF ";
  if (d < m && m > f) tag = "M ";
  if (d < f && m < f) tag = "F ";
  if (k >= d && k >= m && k >= f) tag = "G ";
  return tag;
}

std::string PositionTag(int player) { return PositionTag(mls(), player); }

namespace {

// Word tables hold entries 0..50; anything outside reads as the empty word.
std::string wordAt(const Table1<std::string, 50>& words, double index) {
  if (!(index >= 0 && index <= 50)) return "";
  return words(static_cast<int>(index));
}

}  // namespace

std::string RatingGradeWord(const MLSModule& g, double rating) { return wordAt(g.RatingWord, roundHalfEven(rating)); }

std::string RatingGradeWord(double rating) { return RatingGradeWord(mls(), rating); }

std::string AggressionGradeWord(const MLSModule& g, double aggression) {
  return wordAt(g.AggressionWord, 14 - Int((40 - aggression) / 3));
}

std::string AggressionGradeWord(double aggression) { return AggressionGradeWord(mls(), aggression); }

}  // namespace kervale
