#include "club/player_price.h"

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

}  // namespace kervale
