// The line-up panel, the player on the ball and the filler line of every minute.
#include <cstdint>

#include "base/numbers.h"
#include "base/random.h"
#include "data/mls_module.h"
#include "match/match_engine.h"

namespace kervale {

namespace {

constexpr Colour kBooked = 0x00FFFF;   // yellow
constexpr Colour kSentOff = 0x008080;  // olive name
constexpr Colour kSentOffPosition = 0x800000;

}  // namespace

void MatchEngine::lineupPanel() {
  const MLSModule& g = mls();
  for (int i = 0; i <= 10; ++i) {
    Label10(i).setCaption(onpitchname(i, 1));
    Label11(i).setCaption(g.PositionName(g.TeamPosition(i, hometeam)));
    Label12(i).setCaption(onpitchname(i, 2));
    Label13(i).setCaption(g.PositionName(g.TeamPosition(i, awayteam)));
  }
  lineupColours();
}

void MatchEngine::lineupColours() {
  // A booked player's position keeps the colour it had, so the colours carry
  // from match to match even where the captions do not.
  for (int i = 0; i <= 10; ++i) {
    const int home = slotyellows(i + 1, 1);
    const int away = slotyellows(i + 1, 2);
    if (home == 0) {
      Label10(i).setForeColor(ui::kWhite);
      Label11(i).setForeColor(ui::kWhite);
    }
    if (away == 0) {
      Label12(i).setForeColor(ui::kWhite);
      Label13(i).setForeColor(ui::kWhite);
    }
    if (home == 1) Label10(i).setForeColor(kBooked);
    if (home == 2) {
      Label10(i).setForeColor(kSentOff);
      Label11(i).setForeColor(kSentOffPosition);
    }
    if (away == 1) Label12(i).setForeColor(kBooked);
    if (away == 2) {
      Label12(i).setForeColor(kSentOff);
      Label13(i).setForeColor(kSentOffPosition);
    }
  }
}

void MatchEngine::carrierCheck() {
  // The carrier may have left the pitch since he got the ball.
  for (int draws = 0; draws < 300 && onpitchname(ballcarrier, possession).empty(); ++draws) {
    ballcarrier = rng().draw(10, 1);
  }
}

void MatchEngine::fillerLine() {
  commsel = static_cast<std::int16_t>(rng().draw(10, 1));
  if (watched_) say(onpitchname(ballcarrier, possession), kernel_.game->CommentaryLine(40 + commsel));
}

void MatchEngine::catchUpScreen() {
  if (!screenBehind_ || running_) return;
  screenBehind_ = false;
  syncDisplay();
}

void MatchEngine::syncDisplay() {
  // What the per-minute refreshes of a watched match would have left, written once.
  const MLSModule& g = mls();
  const int last = minute > totalminutes ? totalminutes : minute;
  attendancebar.setVisible(last >= 46);
  Label4.setCaption("Minute" + Str(last));
  zoneMarkers();
  Minbox.setCaption(g.CommentaryLine(0) + Str(last));
  for (ui::Label* label :
       {&possesshome, &possessaway, &awayshotslabel, &awayfoulslabel, &homeshotslabel, &homefoulslabel}) {
    label->setCaption("");
  }
  lineupPanel();
  endOfMinuteLabels();
}

}  // namespace kervale
