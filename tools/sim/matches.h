#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace kervale::sim {

// True when the arguments ask for the match runner (--matches).
bool wantsMatches(const std::vector<std::string>& args);

// The match runner's arguments, as the usage shows them.
std::string matchesUsage();

// kervale-sim --matches N --home A --away B [--seed S] [--world DIR]: a new
// game from the world folder, then N computer matches of club A at home to
// club B, with their averages as key=value lines. Returns the exit code.
int runMatches(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace kervale::sim
