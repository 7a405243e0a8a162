// The day's training of the user's squad.
#include <algorithm>
#include <string>

#include "base/numbers.h"
#include "base/random.h"
#include "data/mls_module.h"
#include "data/news.h"
#include "shell/main_module.h"
#include "team/training_plan.h"

namespace kervale {

namespace {

constexpr double kStep = 0.04;

void report(MLSModule& g, const char* prefix, const std::string& name, const char* suffix) {
  addClubNews(g, std::string(prefix) + name + suffix);
}

// A setback stops at 0, as an old player's decline does: the grade words are
// looked up by a rating's whole part, and a save holds no rating below 0.
template <class T>
void setBack(T& rating) {
  rating = std::max(T{0}, rating - static_cast<T>(kStep));
}

}  // namespace

void MainModule::trainingday() {
  MLSModule& g = mls();
  const int club = static_cast<int>(g.MyTeam);
  const int day = static_cast<int>(g.WeekDay);
  for (int slot = 1; slot <= 20; ++slot) {
    const double player = g.TeamSquad(slot, club);
    if (player == 0) break;
    const int group = g.TrainingGroup(slot);
    if (group == 0) continue;
    const int cell = trainingPlanCell(group, day);
    if (cell < 1 || cell > kPlanCells) continue;  // a group outside 1..3 trains nothing
    const int type = static_cast<int>(g.TrainingPlanType(cell));
    const double intensity = g.TrainingPlanIntensity(cell);
    // Light sessions never tell; moderate ones may help; intense ones may
    // help or set a player back. A higher factor makes either rarer.
    const double roll = Int(Rnd() * g.PlayerTrainingFactor(player)) + (2 - intensity);
    const std::string& name = g.PlayerName(player);

    if (roll == 0 && type != 0) {
      switch (rng().draw(10, 1)) {
        case 1:
          setBack(g.PlayerGoalkeeping(player));
          break;
        case 2:
          setBack(g.PlayerDefense(player));
          report(g, "Your assistant coach says that ", name, " looked a little weaker in defence today.");
          break;
        case 3:
          setBack(g.PlayerMidfield(player));
          report(g, "Your assistant coach says that ", name, " looked a little weaker in midfield today.");
          break;
        case 4:
          setBack(g.PlayerAttack(player));
          report(g, "Your assistant coach says that ", name, " looked a little weaker attacking today.");
          break;
        default:
          break;
      }
    }
    if (roll != 1) continue;
    if (type == 1 || type == 2) {
      const int attribute = rng().draw(3, 2);
      const bool individual = type == 1;
      switch (attribute) {
        case 2:
          g.PlayerDefense(player) += kStep;
          if (individual) {
            report(g, "Your assistant coach claims ", name, " was working individually on defense today.");
          } else {
            report(g, "Your assistant coach states that ", name, " led the team in defending today.");
          }
          break;
        case 3:
          g.PlayerMidfield(player) += kStep;
          if (individual) {
            report(g, "Your assistant coach claims ", name, " was working individually in midfield today.");
          } else {
            report(g, "Your assistant coach states that ", name, " led the team in midfield today.");
          }
          break;
        default:
          g.PlayerAttack(player) += kStep;
          if (individual) {
            report(g, "Your assistant coach claims ", name, " was working individually on attacking today.");
          } else {
            report(g, "Your assistant coach states that ", name, " led the team in attack today.");
          }
          break;
      }
    } else if (type == 3) {
      g.PlayerAwareness(player) += kStep;
      report(g, "Your assistant coach states that ", name, " was more tactically aware during training today.");
    } else if (type == 4) {
      g.PlayerSpeed(player) += kStep;
      report(g, "", name, " increased his speed slightly in training today.");
    }
  }
}

}  // namespace kervale
