#pragma once

#include <array>
#include <filesystem>
#include <map>
#include <span>
#include <string>
#include <vector>

namespace kervale::worldgen {

// A colour as the pictures see it; every component is 0 or 16..255 so that
// the club file's "&H" text keeps two digits per component.
struct Rgb {
  int red = 0;
  int green = 0;
  int blue = 0;
  bool operator==(const Rgb&) const = default;
};

enum class NameStyle { American, English, German, Spanish };

// Where a club plays; decides its names, strength and players' origins.
enum class Region { Usa, Canada, England, Scotland, Germany, Mexico, Australia, Europe, SouthAmerica, Elsewhere };

struct Nation {
  std::string code;
  std::string name;
  std::string flagFile;
  NameStyle style = NameStyle::English;
  int flagPattern = 0;
  std::array<Rgb, 3> colours{};
};

struct Badge {
  int pattern = 0;
  Rgb colour1;
  Rgb colour2;
};

struct Club {
  int number = 0;
  std::string name;
  std::string nickname;
  std::string logo;
  int division = 0;
  std::string venue;
  int seats = 0;
  double approval = 0.5;
  int reputation = 0;
  int cupCode = 0;
  Badge badge;
  Region region = Region::Usa;
  double level = 0;    // mean main rating of its players; 0 = it has none
  int homeNation = 1;  // nation of most of its players
};

struct Player {
  int club = 0;
  std::string name;
  int keeping = 0;
  int defence = 0;
  int midfield = 0;
  int attack = 0;
  int age = 0;
  int nation = 0;
  int aggression = 0;
  int training = 0;
  // Ball control, tackling, passing, crossing, shooting, heading, speed,
  // stamina, awareness, composure: fields 11..20 of the player file.
  std::array<int, 10> skills{};
  int birthMonth = 1;
  int birthDay = 1;
  int sum() const { return keeping + defence + midfield + attack; }
};

// One record of the expansion file: a new MLS club, and the new identity of
// the A-League club whose market it takes (when movedClub is not 0).
struct ExpansionClub {
  int movedClub = 0;
  std::string name;
  std::string logo;
  int slot = 0;
  std::string venue;
  int seats = 0;
  double fanDemand = 0.6;
  Badge badge;
  std::string movedName;
  std::string movedLogo;
  std::string movedVenue;
  int movedSeats = 0;
  double movedFanDemand = 0;
  Badge movedBadge;
};

struct World {
  std::vector<Nation> nations;  // nation n at index n - 1
  std::vector<Club> clubs;      // club c at index c; index 0 unused
  std::vector<Player> players;  // in file order
  std::vector<ExpansionClub> expansion;
};

constexpr int kClubCount = 285;

// Data files by name, contents exactly as written.
using DataFiles = std::map<std::string, std::string>;

// Hand-written lists (names.cpp).
const std::vector<std::string>& firstNames(NameStyle style);
const std::vector<std::string>& lastNames(NameStyle style);
const std::vector<std::string>& placeNames(Region region);
const std::vector<std::string>& nicknames(Region region);
const std::vector<std::string>& stadiumWords(Region region);
const std::vector<std::string>& stadiumForms(Region region);
const std::vector<std::string>& sponsorNames();

// Jobs, each with its own random source.
void buildNations(World& world);
void buildClubs(World& world);
void buildExpansion(World& world);
void buildPlayers(World& world);
// How a league's club levels lie around their mean.
struct LevelShape {
  double spread = 0;  // standard deviation, a share of the mean
  double lead = 0;    // 0: as drawn; above 0 the best clubs stand further out than the worst lag
};

// Lays the levels of clubs first..last, which play in one league, around
// their mean by `shape`; their order and mean stay (levels.cpp).
void spreadLevels(std::vector<Club>& clubs, const LevelShape& shape, int first, int last);

// Shifts a drawn pair in lightness, if need be, until the second colour reads
// on the first, each keeping the look of its colour among `named`
// (readable_colours.cpp).
void makeReadable(Badge& badge, std::span<const Rgb> named);

void addClubFiles(const World& world, DataFiles& files);   // mlsdata2, mlsexp, nat
void addPlayerFile(const World& world, DataFiles& files);  // players2
void addScheduleFiles(DataFiles& files);                   // fixtures and MLS schedules
void addTacticalFiles(DataFiles& files);                   // tactics, flow, formation, Position
void addTextFiles(DataFiles& files);                       // commentary, skills, names, refs, sponsors, pic

// Writes every picture the data files and the screens name.
void writePictures(const World& world, const std::filesystem::path& folder);

// The picture names the screens use beside those in the data files.
inline constexpr const char* kBackgroundPicture = "background.jpg";

}  // namespace kervale::worldgen
