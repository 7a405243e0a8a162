#include "data/readers/club_file.h"

#include <map>

#include "base/colour.h"
#include "data/readers/reader_support.h"

namespace kervale {

using readers::checkWhole;
using readers::inRecord;
using readers::openDataFile;
using readers::readText;
using readers::readValue;
using readers::readWholeValue;

namespace {

constexpr int kFirstEnglish = 53;
constexpr int kLastEnglish = 148;
constexpr int kLastEnglishInTables = 144;  // the standings and schedules take 53..144
constexpr int kFirstGerman = 165;
constexpr int kLastGerman = 203;
constexpr int kFirstMexican = 205;
constexpr int kLastMexican = 224;
constexpr int kMaxLeagueClubs = 24;  // places of LeagueOrder
// The new-game cup draw places clubs 1..52 except MLS 11..16 into slots 1..52
// whose club has a cup code other than 2, redrawing until it finds one.
constexpr int kCupClubsAtNewGame = 46;
constexpr int kMaxCanadaCup = 4;
constexpr int kMaxConference = 8;
constexpr int kMlsClubsAtNewGame = 10;
constexpr int kLastMlsClub = 16;

std::string colourText(CsvReader& file, const char* which) {
  int parts[3];
  for (int k = 0; k < 3; ++k) {
    parts[k] = readWholeValue(file, "ColourComponent", std::string(which) + " component " + std::to_string(k + 1));
  }
  return clubColourText(parts[0], parts[1], parts[2]);
}

void checkLeagues(const CsvReader& file, const ClubsData& data) {
  auto division = [&](int club) { return data.clubs[club - 1].division; };
  // Clubs take places in LeagueOrder and columns of the schedule templates by
  // their division 1..high; 0, where allowed, leaves a club outside them.
  auto checkRange = [&](int first, int last, int low, int high, const char* what) {
    std::map<int, int> members;
    for (int club = first; club <= last; ++club) {
      const int d = checkWhole(file, division(club), low, high, "club " + std::to_string(club) + " " + what);
      if (d > 0 && ++members[d] > kMaxLeagueClubs) {
        file.fail("club " + std::to_string(club) + ": more than " + std::to_string(kMaxLeagueClubs) + " clubs in " +
                  what + " " + std::to_string(d));
      }
    }
  };
  // MLS clubs: 1 West, 0 East, 2 drawn into the Canada Cup.
  checkRange(1, kLastMlsClub, 0, 2, "conference code");
  checkRange(kFirstEnglish, kLastEnglishInTables, 1, 4, "division");
  checkRange(kLastEnglishInTables + 1, kLastEnglish, 0, 4, "division");
  checkRange(kFirstGerman, kLastGerman, 0, 2, "division");
  checkRange(kFirstMexican, kLastMexican, 1, 4, "group");
  // The set-up gives an English club without seats 30000 / division of them.
  for (int club = kFirstEnglish; club <= kLastEnglish; ++club) {
    if (division(club) == 0 && data.clubs[club - 1].seats == 0) {
      file.fail("club " + std::to_string(club) + " has neither a division nor a seat count");
    }
  }

  int west = 0;
  int east = 0;
  for (int club = 1; club <= kMlsClubsAtNewGame; ++club) {
    if (division(club) == 1) ++west;
    if (division(club) == 0) ++east;
  }
  if (west > kMaxConference || east > kMaxConference) {
    file.fail("clubs 1.." + std::to_string(kMlsClubsAtNewGame) + " put more than " + std::to_string(kMaxConference) +
              " clubs in one conference");
  }

  int canada = 0;
  int cupSlots = 0;
  for (int club = 1; club <= 52; ++club) {
    if (division(club) == 2 && ++canada > kMaxCanadaCup) {
      file.fail("club " + std::to_string(club) + " is a fifth Canada Cup club (division code 2); at most " +
                std::to_string(kMaxCanadaCup) + " are allowed");
    }
    if (data.clubs[club - 1].cupEntry != 2) ++cupSlots;
  }
  if (cupSlots < kCupClubsAtNewGame) {
    file.fail("only " + std::to_string(cupSlots) + " of clubs 1..52 have a cup code other than 2; the cup draw needs " +
              std::to_string(kCupClubsAtNewGame));
  }
}

}  // namespace

ClubsData readClubs(const std::filesystem::path& folder) {
  CsvReader file = openDataFile(folder, "mlsdata2.dat");
  ClubsData data;
  for (int i = 1; i <= kLastClub; ++i) {
    inRecord("club " + std::to_string(i), [&] {
      ClubRecord& club = data.clubs[i - 1];
      club.name = readText(file, "TeamName", "name");
      club.nickname = readText(file, "TeamNickname", "nickname");
      club.logo = readText(file, "TeamLogo", "badge file");
      club.division = readValue(file, "TeamDivision", "division code");
      club.venue = readText(file, "TeamVenue", "stadium");
      club.seats = readValue(file, "StadiumCapacity", "seats");
      club.approval = readValue(file, "StartApproval", "approval");
      club.reputation = readValue(file, "TeamReputation", "reputation");
      club.cupEntry = readValue(file, "TeamCupEntry", "cup code");
      club.colour1 = colourText(file, "first colour");
      club.colour2 = colourText(file, "second colour");
    });
  }
  checkLeagues(file, data);
  return data;
}

void applyClubs(const ClubsData& data, MLSModule& game) {
  for (int i = 1; i <= kLastClub; ++i) {
    const ClubRecord& club = data.clubs[i - 1];
    game.TeamName(i) = club.name;
    game.TeamNickname(i) = club.nickname;
    game.TeamLogo(i) = club.logo;
    game.TeamDivision(i) = club.division;
    if (i >= kFirstEnglish && i <= kLastEnglish) game.EnglishDivision(i - 52) = club.division;
    if (i >= kFirstGerman && i <= kLastGerman) game.GermanDivision(i - 164) = club.division;
    game.TeamVenue(i) = club.venue;
    game.StadiumCapacity(i) = club.seats;
    game.ManagerApproval(i) = club.approval;
    game.TeamReputation(i) = club.reputation;
    game.TeamCupEntry(i) = club.cupEntry;
    game.TeamColour1(i) = club.colour1;
    game.TeamColour2(i) = club.colour2;
  }
}

void loadClubs(const std::filesystem::path& folder, MLSModule& game) { applyClubs(readClubs(folder), game); }

}  // namespace kervale
