// Nations, the 285 clubs and the MLS expansion candidates.
#include <algorithm>
#include <cstdlib>
#include <set>
#include <stdexcept>

#include "base/colour.h"
#include "base/csv.h"
#include "world.h"
#include "world_random.h"

namespace kervale::worldgen {

namespace {

struct NationSeed {
  const char* code;
  const char* name;
  NameStyle style;
};

// The first seven are the home nations of the leagues (see homeNationOf).
const NationSeed kNations[] = {
    {"ARV", "Arvenia", NameStyle::American},       {"ALB", "Albrenne", NameStyle::English},
    {"HOL", "Hollenfeld", NameStyle::German},      {"VAL", "Valdrosa", NameStyle::Spanish},
    {"KUR", "Kurrindal", NameStyle::English},      {"GLV", "Glenvarra", NameStyle::English},
    {"NRH", "Norhaven", NameStyle::American},      {"CAL", "Caldoria", NameStyle::American},
    {"WIS", "Westerly Isles", NameStyle::English}, {"BRM", "Brenmark", NameStyle::German},
    {"THM", "Thornmere", NameStyle::English},      {"KES", "Kestavia", NameStyle::English},
    {"MTV", "Montevar", NameStyle::Spanish},       {"SCA", "Sierra Calida", NameStyle::Spanish},
    {"EIS", "Eisenmark", NameStyle::German},       {"DUN", "Dunvarra", NameStyle::English},
    {"LOR", "Lorvania", NameStyle::German},        {"TAR", "Tarsenia", NameStyle::Spanish},
    {"QUE", "Quellmark", NameStyle::German},       {"PEL", "Pellucia", NameStyle::Spanish},
    {"MAR", "Marendo", NameStyle::Spanish},        {"KOR", "Korrandia", NameStyle::American},
    {"IST", "Istrelle", NameStyle::English},       {"VTR", "Vantorre", NameStyle::Spanish},
    {"BAL", "Baltrenia", NameStyle::German},       {"SUR", "Surrevale", NameStyle::English},
    {"CEL", "Celadoria", NameStyle::Spanish},      {"HMK", "Harrowmark", NameStyle::English},
    {"NYV", "Nyvalla", NameStyle::German},         {"AMH", "Amberhollow", NameStyle::American},
    {"RSV", "Rosvalia", NameStyle::Spanish},       {"FEL", "Felsland", NameStyle::German},
    {"COR", "Corvanne", NameStyle::English},       {"ZAN", "Zandora", NameStyle::Spanish},
    {"ORL", "Orlindia", NameStyle::American},      {"VEK", "Vekmoor", NameStyle::German},
};

// Club colours: every component 0 or 16..255.
const Rgb kPalette[] = {
    {255, 255, 255},  // white
    {0, 0, 0},        // black
    {200, 16, 32},    // red
    {128, 16, 48},    // claret
    {16, 32, 96},     // navy
    {32, 64, 192},    // royal blue
    {96, 176, 232},   // sky blue
    {16, 128, 48},    // green
    {16, 80, 32},     // dark green
    {248, 208, 16},   // yellow
    {224, 160, 32},   // amber
    {240, 112, 16},   // orange
    {96, 32, 128},    // purple
    {112, 24, 24},    // maroon
    {128, 128, 128},  // grey
    {16, 128, 128},   // teal
    {232, 96, 160},   // pink
};

// White, black, red, the blues, the greens and yellow.
bool isCommonFlagColour(int paletteIndex) {
  return paletteIndex <= 2 || paletteIndex == 4 || paletteIndex == 5 || (paletteIndex >= 7 && paletteIndex <= 9);
}

int colourDistance(const Rgb& a, const Rgb& b) {
  return std::abs(a.red - b.red) + std::abs(a.green - b.green) + std::abs(a.blue - b.blue);
}

int brightness(const Rgb& c) { return (c.red * 3 + c.green * 6 + c.blue) / 10; }

// A first colour and a second one apart from it in brightness, then made to
// read; the shift draws nothing, so the data drawn after stays as it was.
void pickColours(WorldRandom& random, Badge& badge) {
  const int count = static_cast<int>(std::size(kPalette));
  badge.colour1 = kPalette[random.range(0, count - 1)];
  for (;;) {
    const Rgb second = kPalette[random.range(0, count - 1)];
    if (std::abs(brightness(second) - brightness(badge.colour1)) >= 70) {
      badge.colour2 = second;
      break;
    }
  }
  badge.pattern = random.range(0, 9);
  makeReadable(badge, kPalette);
}

struct League {
  int first;
  int last;
  Region region;
  int reputationLow, reputationHigh;
  double levelLow, levelHigh;  // 0 = no players
  LevelShape levels;
  int seatsLow, seatsHigh;
};

// How far apart a league's clubs are. With the players' own spread on top,
// the Premiership's clubs take points a game with a standard deviation of
// about 0.40 and a few big clubs lead it (its champion about 2.25 points a
// game); the divisions below are closer (0.33 to 0.38), the fourth the
// closest. The MLS and the Australian league are narrower than their drawn
// levels, as ten and thirteen clubs spread their points a game more widely.
constexpr LevelShape kTopFlight{0.08, 1.0};
constexpr LevelShape kLeague{0.065, 0};
constexpr LevelShape kNarrow{0.055, 0};
constexpr LevelShape kUnplayed{0.035, 0};  // leagues whose matches the game does not play
constexpr LevelShape kNoPlayers{};

// Number ranges of the club file, in club order.
const League kLeagues[] = {
    {1, 10, Region::Usa, 48, 78, 8.0, 10.0, kNarrow, 22000, 68000},           // MLS
    {11, 16, Region::Usa, 40, 50, 0, 0, kNoPlayers, 15000, 30000},            // expansion slots
    {17, 34, Region::Usa, 22, 48, 6.3, 8.0, kLeague, 4000, 16000},            // A-League
    {35, 52, Region::Usa, 8, 30, 5.0, 6.6, kUnplayed, 1500, 7000},            // D3 Pro League
    {53, 72, Region::England, 62, 96, 13.0, 16.5, kTopFlight, 22000, 62000},  // English division 1
    {73, 96, Region::England, 46, 72, 11.0, 13.5, kLeague, 14000, 36000},     // division 2
    {97, 120, Region::England, 32, 56, 9.6, 11.6, kNarrow, 7000, 20000},      // division 3
    {121, 144, Region::England, 21, 45, 8.4, 10.0, kNarrow, 4000, 12000},     // division 4
    {145, 148, Region::England, 12, 24, 6.5, 7.5, kUnplayed, 2000, 5000},     // outside the divisions
    {149, 164, Region::Scotland, 25, 65, 8.5, 12.0, kUnplayed, 4000, 50000},
    {165, 182, Region::Germany, 58, 92, 12.5, 15.5, kUnplayed, 25000, 75000},  // German division 1
    {183, 200, Region::Germany, 38, 62, 10.0, 12.0, kUnplayed, 12000, 35000},  // division 2
    {201, 204, Region::Germany, 18, 32, 7.5, 8.5, kUnplayed, 5000, 12000},     // in neither
    {205, 224, Region::Mexico, 35, 72, 9.5, 12.0, kUnplayed, 15000, 90000},    // four groups of five
    {225, 237, Region::Australia, 20, 50, 7.5, 9.5, kNarrow, 6000, 30000},
    {238, 239, Region::Elsewhere, 25, 70, 0, 0, kNoPlayers, 15000, 60000},
    {240, 258, Region::Europe, 70, 97, 0, 0, kNoPlayers, 30000, 85000},  // Champions League pool
    {259, 267, Region::Elsewhere, 25, 70, 0, 0, kNoPlayers, 15000, 60000},
    {268, 279, Region::SouthAmerica, 55, 88, 0, 0, kNoPlayers, 25000, 90000},  // Copa Libertadores pool
    {280, 285, Region::Elsewhere, 25, 70, 0, 0, kNoPlayers, 15000, 60000},
};

// The Canada Cup clubs: A-League and D3 Pro League clubs with division 2.
const int kCanadaCupClubs[] = {20, 27, 39, 46};
// East 0 / West 1 of clubs 1..16; 11 West and 12 East so that the first new
// club of an expansion joins the West and the second the East.
const int kConference[] = {0, 0, 0, 1, 0, 1, 1, 0, 1, 0, 1, 1, 0, 1, 0, 1, 0};
// A club above 144 outside the English divisions takes no part in any cup.
constexpr int kNoCupCode = 9;

bool isCanadaCupClub(int club) {
  return std::find(std::begin(kCanadaCupClubs), std::end(kCanadaCupClubs), club) != std::end(kCanadaCupClubs);
}

int homeNationOf(Region region) {
  switch (region) {
    case Region::Usa:
      return 1;
    case Region::England:
      return 2;
    case Region::Germany:
      return 3;
    case Region::Mexico:
      return 4;
    case Region::Australia:
      return 5;
    case Region::Scotland:
      return 6;
    case Region::Canada:
      return 7;
    default:
      return 8;
  }
}

int divisionOf(int club) {
  if (club <= 16) return kConference[club];
  if (club <= 52) return isCanadaCupClub(club) ? 2 : 0;
  if (club <= 72) return 1;
  if (club <= 96) return 2;
  if (club <= 120) return 3;
  if (club <= 144) return 4;
  if (club >= 165 && club <= 182) return 1;
  if (club >= 183 && club <= 200) return 2;
  if (club >= 205 && club <= 224) return (club - 205) % 4 + 1;
  return 0;
}

int cupCodeOf(int club) {
  if (club <= 52) return isCanadaCupClub(club) ? 2 : 0;
  if (club <= 144) return 16;
  return kNoCupCode;
}

// Draws names without repeats; the lists are sized for the world.
class NamePool {
 public:
  NamePool(WorldRandom& random, const std::vector<std::string>& names) : names_(names) { random.shuffle(names_); }
  std::string take() {
    if (next_ >= names_.size()) throw std::logic_error("worldgen: a name list is too short");
    return names_[next_++];
  }

 private:
  std::vector<std::string> names_;
  std::size_t next_ = 0;
};

// Stadium names, unique over the whole world.
class VenueMaker {
 public:
  explicit VenueMaker(WorldRandom& random) : random_(random) {}
  void reserve(const std::string& venue) { used_.insert(venue); }
  std::string make(Region region) {
    for (;;) {
      std::string form = random_.pick(stadiumForms(region));
      const std::string word = random_.pick(stadiumWords(region));
      form.replace(form.find("{}"), 2, word);
      if (used_.insert(form).second) return form;
    }
  }

 private:
  WorldRandom& random_;
  std::set<std::string> used_;
};

int roundTo(int value, int step) { return (value + step / 2) / step * step; }

double twoDecimals(double value) { return static_cast<int>(value * 100 + 0.5) / 100.0; }

}  // namespace

void buildNations(World& world) {
  WorldRandom random("nations");
  std::set<std::pair<int, std::array<int, 3>>> usedFlags;
  const int colours = static_cast<int>(std::size(kPalette));
  int n = 0;
  for (const NationSeed& seed : kNations) {
    ++n;
    Nation nation;
    nation.code = seed.code;
    nation.name = seed.name;
    nation.style = seed.style;
    nation.flagFile = "flag " + std::to_string(n) + ".png";
    // Every nation a flag of its own: no two share pattern and colours, and
    // at most one colour of a flag is one of the common flag colours, which
    // keeps the flags clear of real ones.
    for (;;) {
      nation.flagPattern = random.range(0, 9);
      std::array<int, 3> picks{random.range(0, colours - 1), random.range(0, colours - 1),
                               random.range(0, colours - 1)};
      int common = 0;
      bool distinct = true;
      for (int k = 0; k < 3; ++k) {
        if (isCommonFlagColour(picks[k])) ++common;
        for (int j = 0; j < k; ++j)
          distinct = distinct && colourDistance(kPalette[picks[k]], kPalette[picks[j]]) >= 120;
      }
      if (common > 1 || !distinct) continue;
      if (!usedFlags.insert({nation.flagPattern, picks}).second) continue;
      for (int k = 0; k < 3; ++k) nation.colours[k] = kPalette[picks[k]];
      break;
    }
    world.nations.push_back(nation);
  }
}

void buildClubs(World& world) {
  WorldRandom random("clubs");
  std::map<Region, NamePool> places;
  for (Region region : {Region::Usa, Region::Canada, Region::England, Region::Scotland, Region::Germany, Region::Mexico,
                        Region::Australia, Region::Europe, Region::SouthAmerica, Region::Elsewhere}) {
    places.emplace(region, NamePool(random, placeNames(region)));
  }
  NamePool americanNicknames(random, nicknames(Region::Usa));
  VenueMaker venues(random);

  world.clubs.assign(kClubCount + 1, Club{});
  for (const League& league : kLeagues) {
    for (int c = league.first; c <= league.last; ++c) {
      Club& club = world.clubs[c];
      club.number = c;
      club.region = (c <= 52 && isCanadaCupClub(c)) ? Region::Canada : league.region;
      // Club 1 is the club the new-game screen opens on.
      club.name = c == 1 ? "Kervale" : places.at(club.region).take();
      if (c >= 11 && c <= 16) {
        club.nickname = "FC";  // a franchise in waiting keeps its plain suffix
      } else if (club.region == Region::Usa || club.region == Region::Canada) {
        club.nickname = americanNicknames.take();
      } else {
        club.nickname = random.pick(nicknames(club.region));
      }
      club.logo = "badge " + std::to_string(c) + ".png";
      club.division = divisionOf(c);
      club.venue = venues.make(club.region);
      club.reputation = random.range(league.reputationLow, league.reputationHigh);
      const double standing =
          static_cast<double>(club.reputation - league.reputationLow) / (league.reputationHigh - league.reputationLow);
      const double seats = league.seatsLow + (league.seatsHigh - league.seatsLow) *
                                                 std::clamp(standing + random.uniform(-0.2, 0.2), 0.0, 1.0);
      club.seats = roundTo(static_cast<int>(seats), 250);
      club.approval = twoDecimals(random.uniform(0.4, 0.9));
      club.cupCode = cupCodeOf(c);
      pickColours(random, club.badge);
      if (league.levelHigh > 0) {
        club.level = league.levelLow + (league.levelHigh - league.levelLow) *
                                           std::clamp(standing + random.uniform(-0.15, 0.15), 0.0, 1.0);
      }
      club.homeNation = homeNationOf(club.region);
    }
    if (league.levelHigh > 0) spreadLevels(world.clubs, league.levels, league.first, league.last);
  }
  std::set<std::string> names;
  for (int c = 1; c <= kClubCount; ++c) {
    if (!names.insert(world.clubs[c].name).second) throw std::logic_error("worldgen: two clubs share a name");
  }
}

void buildExpansion(World& world) {
  WorldRandom random("expansion");
  std::set<std::string> taken;
  for (int c = 1; c <= kClubCount; ++c) taken.insert(world.clubs[c].name);
  std::vector<std::string> freePlaces;
  for (const std::string& place : placeNames(Region::Usa)) {
    if (!taken.count(place)) freePlaces.push_back(place);
  }
  NamePool places(random, freePlaces);
  VenueMaker venues(random);
  for (int c = 1; c <= kClubCount; ++c) venues.reserve(world.clubs[c].venue);
  auto freshVenue = [&] { return venues.make(Region::Usa); };

  // Four candidates for each of the two new clubs; three of them take over
  // the market of an A-League club, which moves and takes a new name.
  const int movedClubs[] = {23, 0, 31, 0, 0, 18, 0, 0};
  for (int i = 0; i < 8; ++i) {
    ExpansionClub record;
    record.slot = i % 2;
    record.name = places.take();
    record.logo = "expansion " + std::to_string(i + 1) + ".png";
    record.venue = freshVenue();
    record.seats = roundTo(random.range(18000, 45000), 500);
    record.fanDemand = 0.6;
    pickColours(random, record.badge);
    record.movedClub = movedClubs[i];
    if (record.movedClub != 0) {
      record.movedName = places.take();
      record.movedLogo = "relocated " + std::to_string(i + 1) + ".png";
      record.movedVenue = freshVenue();
      record.movedSeats = roundTo(random.range(5000, 14000), 250);
      record.movedFanDemand = 0.3;
      pickColours(random, record.movedBadge);
    }
    world.expansion.push_back(record);
  }
}

namespace {

void writeColour(CsvWriter& out, const Rgb& colour) {
  // The colour text reads blue, green, red.
  out.number(colour.blue).number(colour.green).number(colour.red);
}

}  // namespace

void addClubFiles(const World& world, DataFiles& files) {
  CsvWriter clubs;
  for (int c = 1; c <= kClubCount; ++c) {
    const Club& club = world.clubs[c];
    clubs.text(club.name).text(club.nickname).text(club.logo).number(club.division).text(club.venue);
    clubs.number(club.seats).number(club.approval).number(club.reputation).number(club.cupCode);
    writeColour(clubs, club.badge.colour1);
    writeColour(clubs, club.badge.colour2);
    clubs.endRecord();
  }
  files["mlsdata2.dat"] = clubs.content();

  CsvWriter expansion;
  expansion.number(static_cast<int>(world.expansion.size())).endRecord();
  for (const ExpansionClub& record : world.expansion) {
    expansion.number(record.movedClub).text(record.name).text(record.logo).number(record.slot).text(record.venue);
    expansion.number(record.seats).number(record.fanDemand);
    writeColour(expansion, record.badge.colour1);
    writeColour(expansion, record.badge.colour2);
    const Club* moved = record.movedClub != 0 ? &world.clubs[record.movedClub] : nullptr;
    // Field 16 is read and dropped; it carries the moved club's nickname.
    expansion.text(record.movedName).text(record.movedLogo).text(moved ? moved->nickname : "");
    expansion.text(record.movedVenue).number(record.movedSeats).number(record.movedFanDemand);
    writeColour(expansion, record.movedBadge.colour1);
    writeColour(expansion, record.movedBadge.colour2);
    expansion.endRecord();
  }
  files["mlsexp.dat"] = expansion.content();

  CsvWriter nations;
  nations.number(static_cast<int>(world.nations.size())).endRecord();
  for (const Nation& nation : world.nations)
    nations.text(nation.code).text(nation.name).text(nation.flagFile).endRecord();
  files["nat.dat"] = nations.content();
}

}  // namespace kervale::worldgen
