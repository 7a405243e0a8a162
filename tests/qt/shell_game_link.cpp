// The shell tests' hand-made game, shared with the window tests.
#include "shell/shell_game.cpp"  // NOLINT(bugprone-suspicious-include)
