#pragma once

// The readers of every data file of a new game.
#include "data/readers/club_file.h"        // IWYU pragma: export
#include "data/readers/player_file.h"      // IWYU pragma: export
#include "data/readers/reference_files.h"  // IWYU pragma: export
#include "data/readers/schedule_file.h"    // IWYU pragma: export
#include "data/readers/tactical_files.h"   // IWYU pragma: export
