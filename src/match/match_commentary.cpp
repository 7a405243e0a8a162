// The commentary queue of a minute, its flush with the reading delay, and the score labels.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <utility>

#include "base/numbers.h"
#include "data/mls_module.h"
#include "match/match_engine.h"
#include "ui/backend.h"

namespace kervale {

namespace {

// Sung from the stands when club 69 wins at home.
constexpr const char* kSupportersSong = "\r'Stand up for the Harbourmen, we'll sing you all the way home...'";

}  // namespace

void MatchEngine::queueLine(std::string text) {
  // A minute holds at most 30 lines; more would have nowhere to go.
  if (commcount >= decltype(commline)::upper) return;
  commcount += 1;
  commline(commcount) = std::move(text);
}

void MatchEngine::queueInfo(int side, std::string text) {
  int& count = side == 1 ? homeinfocount : awayinfocount;
  if (count >= decltype(infoline)::upper1) return;
  count += 1;
  infoline(count, side) = std::move(text);
}

void MatchEngine::flushCommentary() {
  if (watched_) showCommentary();
  clearCommentary();
}

void MatchEngine::showCommentary() {
  const MLSModule& g = mls();
  Commentary.addItem(commcount == 0 ? std::string() : UCase(g.CommentaryLine(0)) + Str(minute));
  for (int i = 1; i <= commcount; ++i) {
    // An empty line is a pause in the talk: it holds four times as long.
    const double factor = commline(i).empty() ? 4 : 1;
    // The minute's lines are done with once shown: moved, not copied.
    Commentary.addItem(std::move(commline(i)));
    if (Fastsim.value() == 0) {
      scrollToEnd(Commentary);
      const double passes = std::min(roundHalfEven(g.CommentarySpeed * 10000 * factor), 2147483647.0);
      for (std::int64_t pass = 1; pass <= passes && !ui::backend().programEnded(); ++pass) {
        commdelay = static_cast<std::int32_t>(pass);
        ui::DoEvents();
      }
    }
  }
  for (int i = 1; i <= homeinfocount; ++i) homeinfo.addItem(std::move(infoline(i, 1)));
  for (int i = 1; i <= awayinfocount; ++i) awayinfo.addItem(std::move(infoline(i, 2)));
}

void MatchEngine::scrollToEnd(ui::ListBox& list) {
  commentarycount = list.listCount();
  if (commentarycount != 0) list.setListIndex(commentarycount - 1);
}

void MatchEngine::showScore() { Label1.setCaption(Str(homegoals) + " :" + Str(awaygoals)); }

void MatchEngine::endOfMinuteLabels() {
  showScore();
  homeshotslabel.setCaption(numText(homeshots));
  awayshotslabel.setCaption(numText(awayshots));
  homefoulslabel.setCaption(numText(homefouls));
  awayfoulslabel.setCaption(numText(awayfouls));
  // A side that never held the ball keeps its previous text.
  if (homepossession != 0) {
    possesshome.setCaption(Format(static_cast<double>(homepossession) / possessiontotal, "##.#%"));
  }
  if (awaypossession != 0) {
    possessaway.setCaption(Format(static_cast<double>(awaypossession) / possessiontotal, "##.#%"));
  }
}

bool MatchEngine::finalScoreDisplay() {
  const MLSModule& g = mls();
  scrollToEnd(Commentary);
  showScore();
  homeshotslabel.setCaption(numText(homeshots));
  awayshotslabel.setCaption(numText(awayshots));
  homefoulslabel.setCaption(numText(homefouls));
  awayfoulslabel.setCaption(numText(awayfouls));

  const std::string extra = hometeam == 69 && homegoals > awaygoals ? kSupportersSong : "";
  const std::string from = "Final Score from " + g.TeamVenue(hometeam) + "\r";
  std::string text;
  if ((minute == 90 && homegoals != awaygoals) || extratimeflag == 0) {
    text = from + g.TeamName(hometeam) + Str(homegoals) + " :" + Str(awaygoals) + " " + g.TeamName(awayteam) + extra;
  } else if (goldengoal == 1) {
    text = from + g.TeamName(hometeam) + " " + Str(homegoals) + " :" + Str(awaygoals) + " " + g.TeamName(awayteam);
  } else if (minute == 120) {
    text = from + g.TeamName(hometeam) + " " + Str(homegoals) + " :" + Str(awaygoals) + " " + g.TeamName(awayteam) +
           " (aet)";
  } else {
    return false;
  }
  ui::MsgBox(text, ui::MsgButtons::OK, ui::MsgIcon::None, "KERV");
  return true;
}

}  // namespace kervale
