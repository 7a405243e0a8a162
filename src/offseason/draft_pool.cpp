#include "offseason/draft_pool.h"

#include "base/random.h"

namespace kervale {

namespace {

constexpr const char* kUniversities[] = {
    "Duke",    "North Carolina", "Rutgers",   "UCLA",     "St. Louis", "Temple",      "Maryland",      "Michigan",
    "Gonzaga", "California",     "St. Johns", "Virginia", "Stanford",  "Santa Clara", "Florida Int'l", "William & Mary",
};

const std::string& drawName(const std::vector<std::string>& names) {
  return names[static_cast<std::size_t>(rng().draw(static_cast<int>(names.size()), 1) - 1)];
}

double points(const MLSModule& g, int club) { return 3 * g.TeamWins(club) + g.TeamDraws(club); }

}  // namespace

std::string draftTag(const PoolPlayer& p) {
  std::string tag;
  if (p.forward > p.midfield) tag = "F ";
  if (p.midfield >= p.forward) tag = "M ";
  if (p.defence >= p.midfield && p.defence > p.forward) tag = "D ";
  if (p.keeping > p.defence && p.keeping > p.midfield && p.keeping > p.forward) tag = "G ";
  return tag;
}

DraftPosition draftPosition(const PoolPlayer& p) {
  DraftPosition pos;
  if (p.forward > p.midfield) pos = {"Forward", p.forward};
  if (p.midfield >= p.forward) pos = {"Midfield", p.midfield};
  if (p.defence >= p.midfield && p.defence > p.forward) pos = {"Defender", p.defence};
  if (p.keeping > p.defence && p.keeping > p.midfield && p.keeping > p.forward) pos = {"Keeper", p.keeping};
  return pos;
}

DraftPool makeDraftPool(const std::vector<std::string>& firstNames, const std::vector<std::string>& lastNames) {
  DraftPool pool{};
  for (int i = 1; i <= kPoolSize; ++i) {
    PoolPlayer& p = pool[static_cast<std::size_t>(i)];
    const std::string& first = drawName(firstNames);
    const std::string& last = drawName(lastNames);
    const int g = rng().draw(40, 1);
    if (g > 8) {
      p.keeping = 1;
      p.defence = rng().draw(8, 1);
      p.midfield = rng().draw(8, 1);
      p.forward = rng().draw(8, 1);
    } else {
      p.keeping = g;
      p.defence = p.midfield = p.forward = 1;
    }
    p.university = kUniversities[rng().draw(16)];
    p.name = first + " " + last;
  }
  return pool;
}

DraftOrderList makeDraftOrder(const MLSModule& g, bool expanded) {
  DraftOrderList order{};
  const int clubs = static_cast<int>(g.MLSTeamCount);
  for (int i = 1; i <= clubs && i <= kDraftPicks; ++i) order[static_cast<std::size_t>(i)] = i;
  auto at = [&](int i) -> int& { return order[static_cast<std::size_t>(i)]; };
  bool swapped = true;
  while (swapped) {
    swapped = false;
    for (int i = 1; i <= clubs && !swapped; ++i) {
      for (int j = 1; j < i; ++j) {
        if (points(g, at(i)) < points(g, at(j))) {
          std::swap(at(i), at(j));
          swapped = true;
          break;
        }
      }
    }
  }
  if (expanded) {
    for (int i = clubs + 2; i <= kDraftPicks; i += 2) {
      at(i - 1) = clubs - 1;
      at(i) = clubs;
    }
  }
  return order;
}

}  // namespace kervale
