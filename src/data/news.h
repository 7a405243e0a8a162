#pragma once

#include <string>

#include "data/mls_module.h"

namespace kervale {

// Every writer of the club news and the league headlines appends through these
// helpers, so both lists follow one convention: the count is the index of the
// next line, lines 0..count - 1 are in use and the next line goes to index
// count. The count stops at the table's last index (ClubNewsLine(50),
// Headlines(300)), which takes the list's last line; a line after that is
// dropped. A reader reads to the last index at most, whatever the count says.

// Appends to ClubNewsLine / ClubNewsCount; false when the line was dropped.
bool addClubNews(MLSModule& game, std::string line);
// Appends to Headlines / HeadlineCount; false when the line was dropped.
bool addHeadline(MLSModule& game, std::string line);
// Empties ClubNewsLine 0..50 and sets ClubNewsCount to 0.
void clearClubNews(MLSModule& game);
// Empties Headlines 0..300 and sets HeadlineCount to 0.
void clearHeadlines(MLSModule& game);
// Both lists, as at the start of every matchday.
void clearNews(MLSModule& game);

}  // namespace kervale
