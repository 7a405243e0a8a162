#pragma once

#include <string>

#include "data/mls_module.h"

namespace kervale {

// The short position tag every player list shows before a name ("G ", "D ",
// "DM " ...), worked out from the four stored ratings as they stand.
std::string PositionTag(const MLSModule& g, int player);
std::string PositionTag(int player);

// The grade word of a rating, and of an aggression value. A value whose index
// falls outside the word tables gives the empty word.
std::string RatingGradeWord(const MLSModule& g, double rating);
std::string RatingGradeWord(double rating);
std::string AggressionGradeWord(const MLSModule& g, double aggression);
std::string AggressionGradeWord(double aggression);

}  // namespace kervale
