#include "club/player_price.h"

#include <algorithm>
#include <cmath>

#include "base/numbers.h"

namespace kervale {

std::int32_t PlayerAskingPrice(const MLSModule& g, int player) {
  if (player < 0 || player > kLastPlayer) return 0;
  const double k = g.PlayerGoalkeeping(player);
  const double d = g.PlayerDefense(player);
  const double m = g.PlayerMidfield(player);
  const double f = g.PlayerAttack(player);

  const double total = roundHalfEven(d + m + f);
  const std::int32_t squared = CLng(total * total);
  // Ties for the best line go to defence first, then midfield.
  double weight = 0;
  if (d >= m && d >= f) {
    weight = d / 5 + m / 8 + f / 10;
  } else if (m >= f) {
    weight = d / 7 + m / 5 + f / 7;
  } else {
    weight = d / 10 + m / 8 + f / 5;
  }
  std::int32_t price = CLng(squared * weight);
  // Only a keeper strictly better than every outfield line is priced as one.
  if (k > d && k > m && k > f) price = CLng(k * k * 10);
  if (g.PlayerTransferListed(player) != 0) price = CLng(2.0 * price);
  return price;
}

std::int32_t PlayerAskingPrice(int player) { return PlayerAskingPrice(mls(), player); }

double PlayerWageDemand(const MLSModule& g, int player, int club) {
  if (player < 0 || player > kLastPlayer) return 0;
  const double total =
      g.PlayerGoalkeeping(player) + g.PlayerDefense(player) + g.PlayerMidfield(player) + g.PlayerAttack(player);
  double demand = 0;
  if (club >= 1 && club <= 16) demand = total;
  if (club > 16) demand = g.SkillValueTable(static_cast<int>(std::clamp(std::floor(total), 5.0, 54.0)));
  if (club >= 53 && club <= 148) demand = roundHalfEven((5 - g.EnglishDivision(club - 52)) * total * 0.25);
  return demand;
}

}  // namespace kervale
