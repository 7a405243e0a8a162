#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "data/mls_module.h"

namespace kervale {

// The saved game ".usa": the club-level state, histories, brackets, templates
// and scalars in their long-standing layout, followed by a trailer with every
// table that layout leaves out (players, squads, fixture grid, calendar,
// options, ...), so that a loaded game plays on. A file without the trailer
// loads as before: what it does not hold keeps its values.

// The whole file.
std::string savedGameText(const MLSModule& game);
// The whole file, read back as a load reads and checks it: FileError under
// fileName naming the first item a load would refuse.
std::string checkedSavedGameText(const std::string& fileName, const MLSModule& game);
// Writes the checked file through a temporary file renamed over the target;
// FileError when a load would refuse it or it cannot be written (the old file
// is then untouched).
void writeSavedGame(const std::filesystem::path& file, const MLSModule& game);

// Reads a saved game into a copy of base and checks it whole. FileError naming
// the file on any fault; base is never changed.
std::unique_ptr<MLSModule> parseSavedGame(const std::string& fileName, std::string content, const MLSModule& base);
std::unique_ptr<MLSModule> readSavedGame(const std::filesystem::path& file, const MLSModule& base);

// The file name for a save called answer by the user of club: the club's name,
// a blank, the answer and ".usa", with path separators and control
// characters replaced. Empty when the answer holds nothing but blanks.
std::string savedGameFileName(std::string_view clubName, std::string_view answer);

// The scrambling of the club texts in the file: each byte c as c + 12, a blank
// as code 1, and a code above 255 as code 0 followed by 267 minus it.
std::string encodeClubText(std::string_view text);

}  // namespace kervale
