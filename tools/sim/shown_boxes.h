#pragma once

#include <ostream>

namespace kervale::sim {

// Headless, the boxes the game shows reach nobody, and their default answers
// let the run go on as the game does. Each box (and input box) shown since
// the last call goes to out as one line: its title, its text and the answer
// it got.
void writeShownBoxes(std::ostream& out);

// The boxes shown so far are not written: the runner reports the last one as
// its own error.
void passShownBoxes();

}  // namespace kervale::sim
