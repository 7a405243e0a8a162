// The matchday tests' games started on the world, shared with the window tests.
#include "matchday/driver_world.cpp"  // NOLINT(bugprone-suspicious-include)
