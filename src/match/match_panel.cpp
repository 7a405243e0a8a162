// The line-up panel and the words of the filler line.
#include <cstdint>
#include <string>

#include "base/numbers.h"
#include "data/mls_module.h"
#include "match/match_engine.h"

namespace kervale {

namespace {

constexpr Colour kBooked = 0x00FFFF;   // yellow
constexpr Colour kSentOff = 0x008080;  // olive name
constexpr Colour kSentOffPosition = 0x800000;

}  // namespace

namespace {

// A caption that is already there is left as it is, as setting it would.
void showCaption(ui::Label& label, const std::string& text) {
  if (label.caption() != text) label.setCaption(text);
}

}  // namespace

void MatchEngine::lineupPanel() {
  const MLSModule& g = mls();
  for (int i = 0; i <= 10; ++i) {
    for (int side = 1; side <= 2; ++side) {
      const int club = side == 1 ? hometeam : awayteam;
      showCaption(*panel_[side].name[i], onpitchname(i, side));
      showCaption(*panel_[side].position[i], g.PositionName(g.TeamPosition(i, club)));
    }
  }
  lineupColours();
}

void MatchEngine::lineupColours() {
  // A booked player's position keeps the colour it had, so the colours carry
  // from match to match even where the captions do not.
  for (int i = 0; i <= 10; ++i) {
    for (int side = 1; side <= 2; ++side) {
      ui::Label& name = *panel_[side].name[i];
      ui::Label& position = *panel_[side].position[i];
      switch (slotyellows(i + 1, side)) {
        case 0:
          name.setForeColor(ui::kWhite);
          position.setForeColor(ui::kWhite);
          break;
        case 1:
          name.setForeColor(kBooked);
          break;
        case 2:
          name.setForeColor(kSentOff);
          position.setForeColor(kSentOffPosition);
          break;
        default:
          break;
      }
    }
  }
}

void MatchEngine::tellFiller() {
  say(onpitchname(ballcarrier, possession), kernel_.game->CommentaryLine(40 + commsel));
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
