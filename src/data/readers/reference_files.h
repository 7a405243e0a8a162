#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "data/mls_module.h"

namespace kervale {

// Readers of the small reference files. Each read...() parses the whole file
// into a value and checks it; apply...() writes a checked value into a game
// and cannot fail; load...() does both, so a bad file changes nothing.

inline constexpr int kCommentaryLines = 50;
inline constexpr int kSkillWords = 21;
inline constexpr int kSkillValues = 50;  // SkillValueTable(5..54)

// "nat.dat": N, then N records of (not kept, name, flag file).
struct NationsData {
  std::vector<std::string> names;  // nation n at n - 1
  std::vector<std::string> flags;
};
NationsData readNations(const std::filesystem::path& folder);
void applyNations(const NationsData& data, MLSModule& game);
void loadNations(const std::filesystem::path& folder, MLSModule& game);

// "commentary.dat": exactly 50 texts.
struct CommentaryData {
  std::array<std::string, kCommentaryLines> lines;  // line k at k - 1
};
CommentaryData readCommentary(const std::filesystem::path& folder);
void applyCommentary(const CommentaryData& data, MLSModule& game);
void loadCommentary(const std::filesystem::path& folder, MLSModule& game);

// "skills.dat": 21 grade words, 21 aggression words, 50 wage values.
struct SkillsData {
  std::array<std::string, kSkillWords> ratingWords;      // RatingWord(0..20)
  std::array<std::string, kSkillWords> aggressionWords;  // AggressionWord(0..20)
  std::array<double, kSkillValues> values;               // SkillValueTable(5..54)
};
SkillsData readSkills(const std::filesystem::path& folder);
void applySkills(const SkillsData& data, MLSModule& game);
void loadSkills(const std::filesystem::path& folder, MLSModule& game);

// The first- and last-name lists: N (at least 1), then N names.
inline constexpr const char* kUsaFirstNames = "usafirst.dat";
inline constexpr const char* kEngFirstNames = "engfirst.dat";
inline constexpr const char* kGerFirstNames = "gerfirst.dat";
inline constexpr const char* kUsaLastNames = "usalast.dat";
inline constexpr const char* kEngLastNames = "englast.dat";
inline constexpr const char* kGerLastNames = "gerlast.dat";
std::vector<std::string> readNameList(const std::filesystem::path& folder, const std::string& fileName);

// "refs.dat": N (1..40), then N records of (name, strictness).
struct RefsData {
  std::vector<std::string> names;  // referee r at r - 1
  std::vector<double> strictness;
};
RefsData readRefs(const std::filesystem::path& folder);
void applyRefs(const RefsData& data, MLSModule& game);
void loadRefs(const std::filesystem::path& folder, MLSModule& game);

// "sponsors.dat": N (0..100), then N names.
struct SponsorsData {
  std::vector<std::string> names;  // sponsor s at s - 1
};
SponsorsData readSponsors(const std::filesystem::path& folder);
void applySponsors(const SponsorsData& data, MLSModule& game);
void loadSponsors(const std::filesystem::path& folder, MLSModule& game);

}  // namespace kervale
