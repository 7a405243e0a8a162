// The player file: every playing club's squad and the free agents.
#include <algorithm>
#include <cmath>
#include <set>
#include <stdexcept>

#include "base/csv.h"
#include "world.h"
#include "world_random.h"

namespace kervale::worldgen {

namespace {

enum class Role { Keeper, Defender, Midfielder, Attacker };

constexpr int kFreeAgents = 200;
constexpr int kReserveKeeperAge = 30;
constexpr int kSalaryCapSum = 349;  // an MLS squad's ratings sum; x 20 stays under the 7000k cap
const int kDaysInMonth[] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

int clampInt(double value, int low, int high) {
  return std::clamp(static_cast<int>(std::floor(value + 0.5)), low, high);
}

class PlayerMaker {
 public:
  explicit PlayerMaker(const World& world) : world_(world), random_("players") {}

  Player make(int club, double level, Role role, bool starter, int homeNation) {
    Player p;
    p.club = club;
    p.age = clampInt(17 + 19 * (random_.uniform() + random_.uniform()) / 2, 17, 36);
    // Players retire from 33: a club's reserve keeper outlasts the first
    // seasons, or a club that loses both keepers puts a defender in goal.
    if (role == Role::Keeper && !starter && club != 0) p.age = std::min(p.age, kReserveKeeperAge);
    p.nation = random_.chance(0.72) ? homeNation : random_.range(1, static_cast<int>(world_.nations.size()));
    p.name = uniqueName(world_.nations[p.nation - 1].style);

    const double main = level + random_.bell() * 1.6 + ageEffect(p.age) + (starter ? 0.6 : -0.6);
    const int m = clampInt(main, 4, 19);
    switch (role) {
      case Role::Keeper:
        p.keeping = std::min(20, m + 1);
        p.defence = clampInt(m * random_.uniform(0.15, 0.35), 0, p.keeping - 1);
        p.midfield = clampInt(m * random_.uniform(0.1, 0.3), 0, p.keeping - 1);
        p.attack = clampInt(m * random_.uniform(0.05, 0.2), 0, p.keeping - 1);
        break;
      case Role::Defender:
        p.defence = m;
        p.midfield = clampInt(m * random_.uniform(0.35, 0.65), 0, m - 1);
        p.attack = clampInt(m * random_.uniform(0.15, 0.45), 0, m - 1);
        break;
      case Role::Midfielder:
        p.midfield = m;
        p.defence = clampInt(m * random_.uniform(0.3, 0.6), 0, m - 1);
        p.attack = clampInt(m * random_.uniform(0.3, 0.7), 0, m - 1);
        break;
      case Role::Attacker:
        p.attack = m;
        p.midfield = clampInt(m * random_.uniform(0.35, 0.65), 0, m - 1);
        p.defence = clampInt(m * random_.uniform(0.1, 0.35), 0, m - 1);
        break;
    }
    if (role != Role::Keeper) {
      // An outfield player keeps goal no better than he plays anywhere.
      p.keeping = std::min(random_.range(0, 2), std::min({p.defence, p.midfield, p.attack}));
    }

    const int adjust[] = {-10, 7, 2, -2};
    p.aggression = clampInt(22 + random_.bell() * 14 + adjust[static_cast<int>(role)], 0, 58);
    p.training = random_.range(3, 9);
    fillSkills(p, role, m);
    p.birthMonth = random_.range(1, 12);
    p.birthDay = random_.range(1, kDaysInMonth[p.birthMonth]);
    return p;
  }

  WorldRandom& random() { return random_; }

 private:
  static double ageEffect(int age) {
    if (age <= 20) return -1.2 + 0.3 * (age - 17);
    if (age <= 24) return -0.3;
    if (age <= 30) return 0.3;
    if (age <= 33) return 0;
    return -0.6;
  }

  int noisy(double value) { return clampInt(value + random_.range(-2, 2), 1, 20); }

  void fillSkills(Player& p, Role role, int m) {
    const bool keeper = role == Role::Keeper;
    const double feet = keeper ? 2 : (p.midfield + p.attack) / 2.0 + 1;
    p.skills[0] = noisy(feet);                     // ball control
    p.skills[1] = noisy(keeper ? 2 : p.defence);   // tackling
    p.skills[2] = noisy(keeper ? 3 : p.midfield);  // passing
    p.skills[3] = noisy(keeper ? 2 : feet - 1);    // crossing
    p.skills[4] = noisy(keeper ? 1 : p.attack);    // shooting
    const bool aerial = role == Role::Defender || role == Role::Attacker;
    p.skills[5] = noisy(keeper ? 3 : (aerial ? m * 0.8 + 2 : m * 0.5));   // heading
    p.skills[6] = noisy(random_.range(7, 17) - std::max(0, p.age - 29));  // speed
    p.skills[7] = noisy(random_.range(8, 17));                            // stamina
    p.skills[8] = noisy(m * 0.6 + p.age / 4.0);                           // awareness
    p.skills[9] = noisy(random_.range(5, 17));                            // composure
  }

  std::string uniqueName(NameStyle style) {
    for (;;) {
      std::string name = random_.pick(firstNames(style)) + " " + random_.pick(lastNames(style));
      if (names_.insert(name).second) return name;
    }
  }

  const World& world_;
  WorldRandom random_;
  std::set<std::string> names_;
};

// Index of the club's best attacker within its block.
std::size_t bestAttacker(const std::vector<Player>& squad, const std::vector<Role>& roles) {
  std::size_t best = 9;
  for (std::size_t i = 0; i < squad.size(); ++i) {
    if (roles[i] == Role::Attacker && squad[i].attack > squad[best].attack) best = i;
  }
  return best;
}

// Lowers the best-paid players' side ratings until the squad fits the cap.
void fitSalaryCap(std::vector<Player>& squad, const std::vector<Role>& roles, WorldRandom& random) {
  auto total = [&] {
    int sum = 0;
    for (const Player& p : squad) sum += p.sum();
    return sum;
  };
  while (total() > kSalaryCapSum) {
    std::size_t top = 0;
    for (std::size_t i = 1; i < squad.size(); ++i) {
      if (squad[i].sum() > squad[top].sum()) top = i;
    }
    Player& p = squad[top];
    int* sides[2] = {&p.midfield, &p.attack};
    switch (roles[top]) {
      case Role::Keeper:
        sides[0] = &p.defence, sides[1] = &p.midfield;
        break;
      case Role::Defender:
        sides[0] = &p.midfield, sides[1] = &p.attack;
        break;
      case Role::Midfielder:
        sides[0] = &p.defence, sides[1] = &p.attack;
        break;
      case Role::Attacker:
        sides[0] = &p.midfield, sides[1] = &p.defence;
        break;
    }
    // An outfield player keeps goal no better than he plays anywhere; a
    // keeper's other ratings may go down to 0.
    const int floor = roles[top] == Role::Keeper ? 0 : p.keeping;
    int* side = sides[random.range(0, 1)];
    if (*side <= floor) side = side == sides[0] ? sides[1] : sides[0];
    if (*side > floor) {
      --*side;
    } else if (p.keeping > 0 && roles[top] != Role::Keeper) {
      --p.keeping;
    } else {
      throw std::logic_error("worldgen: an MLS squad cannot fit the salary cap");
    }
  }
}

}  // namespace

void buildPlayers(World& world) {
  PlayerMaker maker(world);
  WorldRandom& random = maker.random();
  const std::vector<Role> starters = {Role::Keeper,     Role::Defender,   Role::Defender,   Role::Defender,
                                      Role::Defender,   Role::Midfielder, Role::Midfielder, Role::Midfielder,
                                      Role::Midfielder, Role::Attacker,   Role::Attacker};
  for (int c = 1; c <= kClubCount; ++c) {
    const Club& club = world.clubs[c];
    if (club.level <= 0) continue;
    // A keeper, then defence, midfield and attack: first the eleven, then the
    // substitutes in the same order.
    std::vector<Role> subs = {Role::Keeper,     Role::Defender, Role::Defender, Role::Midfielder,
                              Role::Midfielder, Role::Attacker, Role::Attacker};
    const int size = random.range(18, 20);
    while (static_cast<int>(starters.size() + subs.size()) < size) {
      subs.push_back(static_cast<Role>(random.range(1, 3)));
    }
    std::sort(subs.begin(), subs.end());
    std::vector<Role> roles = starters;
    roles.insert(roles.end(), subs.begin(), subs.end());

    std::vector<Player> squad;
    for (std::size_t i = 0; i < roles.size(); ++i) {
      squad.push_back(maker.make(c, club.level, roles[i], i < starters.size(), club.homeNation));
    }
    // The tenth player takes the penalties: the squad's best attacker.
    std::swap(squad[9], squad[bestAttacker(squad, roles)]);
    if (c <= 16) fitSalaryCap(squad, roles, random);
    world.players.insert(world.players.end(), squad.begin(), squad.end());
  }
  for (int i = 0; i < kFreeAgents; ++i) {
    const int pick = random.range(0, 9);
    const Role role = pick == 0 ? Role::Keeper : static_cast<Role>(1 + pick % 3);
    const double level = 5.5 + random.bell() * 1.5;
    world.players.push_back(maker.make(0, level, role, false, random.range(1, static_cast<int>(world.nations.size()))));
  }
  for (const Player& p : world.players) {
    // Every player's wage index stays inside the wage table.
    if (p.sum() < 5 || p.sum() > 54) throw std::logic_error("worldgen: a player falls outside the wage table");
  }
}

void addPlayerFile(const World& world, DataFiles& files) {
  CsvWriter out;
  out.number(static_cast<int>(world.players.size())).endRecord();
  for (const Player& p : world.players) {
    out.number(p.club).text(p.name).number(p.keeping).number(p.defence).number(p.midfield).number(p.attack);
    out.number(p.age).number(p.nation).number(p.aggression).number(p.training);
    for (int skill : p.skills) out.number(skill);
    out.number(0).number(p.birthMonth).number(p.birthDay);
    out.endRecord();
  }
  files["players2.dat"] = out.content();
}

}  // namespace kervale::worldgen
