#include "data/readers/reference_files.h"

#include <cctype>
#include <string_view>

#include "data/readers/reader_support.h"

namespace kervale {

using readers::checkValue;
using readers::openDataFile;
using readers::readText;
using readers::readValue;
using readers::readWholeValue;

namespace {

bool isPictureFile(std::string_view file) {
  const std::size_t dot = file.find_last_of('.');
  if (dot == std::string_view::npos) return false;
  std::string ending(file.substr(dot));
  for (char& c : ending) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return ending == ".png" || ending == ".jpg" || ending == ".jpeg" || ending == ".gif" || ending == ".bmp";
}

// A line written twice, whole or in part, moves every later field: a nation
// then repeats the one before it, or its flag file holds a name or code.
void checkNation(const CsvReader& file, const NationsData& data) {
  const std::string& name = data.names.back();
  const std::string& flag = data.flags.back();
  if (!flag.empty() && !isPictureFile(flag)) {
    file.fail(file.lastValuePlace() + ": flag file \"" + maskedText(flag) + "\" is not a picture file");
  }
  for (std::size_t n = 0; n + 1 < data.names.size(); ++n) {
    if (data.names[n] == name) {
      file.fail(file.lastValuePlace() + ": name \"" + maskedText(name) + "\" repeats nation " + std::to_string(n + 1));
    }
  }
}

}  // namespace

NationsData readNations(const std::filesystem::path& folder) {
  CsvReader file = openDataFile(folder, "nat.dat");
  const int count = readWholeValue(file, "NumNations", "count");
  NationsData data;
  readers::readRecords(file, count, "nation", [&] {
    file.next();  // not kept
    data.names.push_back(readText(file, "NationName", "name"));
    data.flags.push_back(readText(file, "NationFlagFile", "flag file"));
    checkNation(file, data);
  });
  return data;
}

void applyNations(const NationsData& data, MLSModule& game) {
  for (std::size_t i = 0; i < data.names.size(); ++i) {
    game.NationName(i + 1) = data.names[i];
    game.NationFlagFile(i + 1) = data.flags[i];
  }
}

void loadNations(const std::filesystem::path& folder, MLSModule& game) { applyNations(readNations(folder), game); }

CommentaryData readCommentary(const std::filesystem::path& folder) {
  CsvReader file = openDataFile(folder, "commentary.dat");
  CommentaryData data;
  for (auto& line : data.lines) line = readText(file, "CommentaryLine", "line");
  return data;
}

void applyCommentary(const CommentaryData& data, MLSModule& game) {
  for (int k = 1; k <= kCommentaryLines; ++k) game.CommentaryLine(k) = data.lines[k - 1];
}

void loadCommentary(const std::filesystem::path& folder, MLSModule& game) {
  applyCommentary(readCommentary(folder), game);
}

SkillsData readSkills(const std::filesystem::path& folder) {
  CsvReader file = openDataFile(folder, "skills.dat");
  SkillsData data;
  for (auto& word : data.ratingWords) word = readText(file, "RatingWord", "grade word");
  for (auto& word : data.aggressionWords) word = readText(file, "AggressionWord", "aggression word");
  for (auto& value : data.values) value = readValue(file, "SkillValueTable", "wage value");
  return data;
}

void applySkills(const SkillsData& data, MLSModule& game) {
  for (int k = 0; k < kSkillWords; ++k) {
    game.RatingWord(k) = data.ratingWords[k];
    game.AggressionWord(k) = data.aggressionWords[k];
  }
  for (int k = 0; k < kSkillValues; ++k) game.SkillValueTable(k + 5) = data.values[k];
}

void loadSkills(const std::filesystem::path& folder, MLSModule& game) { applySkills(readSkills(folder), game); }

std::vector<std::string> readNameList(const std::filesystem::path& folder, const std::string& fileName) {
  CsvReader file = openDataFile(folder, fileName);
  // The file's end stops a count that is too large.
  const int count = readWholeValue(file, "NameCount", "count");
  std::vector<std::string> names;
  readers::readRecords(file, count, "name", [&] { names.push_back(readText(file, "Name", "name")); });
  return names;
}

RefsData readRefs(const std::filesystem::path& folder) {
  CsvReader file = openDataFile(folder, "refs.dat");
  const int count = file.nextInt16();
  checkValue(file, count, "NumRefs", "count");
  RefsData data;
  readers::readRecords(file, count, "referee", [&] {
    data.names.push_back(readText(file, "RefName", "name"));
    data.strictness.push_back(readValue(file, "RefStrictness", "strictness"));
  });
  return data;
}

void applyRefs(const RefsData& data, MLSModule& game) {
  game.NumRefs = static_cast<std::int16_t>(data.names.size());
  for (std::size_t i = 0; i < data.names.size(); ++i) {
    game.RefName(i + 1) = data.names[i];
    game.RefStrictness(i + 1) = data.strictness[i];
  }
}

void loadRefs(const std::filesystem::path& folder, MLSModule& game) { applyRefs(readRefs(folder), game); }

SponsorsData readSponsors(const std::filesystem::path& folder) {
  CsvReader file = openDataFile(folder, "sponsors.dat");
  const int count = readWholeValue(file, "NumSponsors", "count");
  SponsorsData data;
  readers::readRecords(file, count, "sponsor", [&] { data.names.push_back(readText(file, "SponsorName", "name")); });
  return data;
}

void applySponsors(const SponsorsData& data, MLSModule& game) {
  game.NumSponsors = static_cast<double>(data.names.size());
  for (std::size_t i = 0; i < data.names.size(); ++i) game.SponsorName(i + 1) = data.names[i];
}

void loadSponsors(const std::filesystem::path& folder, MLSModule& game) { applySponsors(readSponsors(folder), game); }

}  // namespace kervale
