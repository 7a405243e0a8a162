// The minute loop: kick-off, half time, overtime, the end of each minute and its waits.
#include <cstdint>
#include <string>

#include "base/numbers.h"
#include "base/random.h"
#include "data/mls_module.h"
#include "match/match_engine.h"
#include "team/locker_room.h"
#include "ui/backend.h"
#include "ui/screen.h"

namespace kervale {

namespace {

bool programEnded() { return ui::backend().programEnded(); }

}  // namespace

void MatchEngine::playMinutes() {
  const int last = totalminutes;
  for (minute = 1; minute <= last; ++minute) {
    startOfMinute();
    if (minute == 1) kickOff();
    if (minute == 46) halfTime();
    if (minute > 90) overtimeNotes();
    rareEvent();
    foulStep();
    ui::YieldToEvents();
    if (watched_) lineupPanel();
    rebuildStrengths();
    // A penalty kick was the minute's play.
    if (!penaltyplayed) {
      // The rebuild has just added up the lines.
      weighLines(kernel_.lines);
      carrierCheck();
      fillerLine();
      possessionStep();
    }
    if (endOfMinute()) break;
  }
  if (!watched_) {
    lineupColours();
    screenBehind_ = true;
  }
}

// The rare event lives with the loop, which runs it inline.
void MatchEngine::rareEvent() {
  if (rng().draw(9000000) == 0) tellStreaker();
}

void MatchEngine::startOfMinute() {
  MLSModule& g = *kernel_.game;
  chanceflag = 0;
  g.TeamTalkStage = 0;
  // Only a change during play takes a rating outside its bounds.
  if (ratingsOutside_) clampRatings();
  rng().reseedHook();
  markerzone_ = ballzone;
  markerside_ = possession;
  if (watched_) showMinuteStart();
}

void MatchEngine::showMinuteStart() {
  const MLSModule& g = *kernel_.game;
  // The crowd figure shows from the second half on.
  attendancebar.setVisible(minute >= 46);
  Label4.setCaption("Minute" + Str(minute));
  zoneMarkers();
  Minbox.setCaption(g.CommentaryLine(0) + Str(minute));
  if (minute == 1) {
    for (ui::Label* label :
         {&possesshome, &possessaway, &awayshotslabel, &awayfoulslabel, &homeshotslabel, &homefoulslabel}) {
      label->setCaption("");
    }
    for (int side = 1; side <= 2; ++side) {
      for (int i = 0; i <= 10; ++i) {
        panel_[side].name[i]->setCaption("");
        panel_[side].position[i]->setCaption("");
      }
    }
  }
}

void MatchEngine::kickOff() {
  const MLSModule& g = mls();
  if (watched_) showScore();
  if (userMatch_) teamTalk();
  say(g.CommentaryLine(1));
  ballcarrier = rng().draw(10, 1);
  lastcarrier = ballcarrier;
  lastside = 1;
  say(onpitchname(ballcarrier, possession), g.CommentaryLine(2));
}

void MatchEngine::halfTime() {
  const MLSModule& g = mls();
  if (userMatch_) halfTimeTalk();
  Label14.setCaption("HT:" + Str(homegoals) + " -" + Str(awaygoals));
  Label14.setVisible(true);
  // The away side kicks off the second half.
  possession = 2;
  ballzone = 13;
  say(g.CommentaryLine(3));
  say(onpitchname(ballcarrier, possession), g.CommentaryLine(2));
}

void MatchEngine::halfTimeTalk() {
  MLSModule& g = mls();
  LockerRoom& room = ui::screen<LockerRoom>();
  // Writing to the talk screen loads it first, as any use of its controls does.
  room.Load();
  room.Label3.setCaption("");
  room.TeamTalkList.clear();
  for (const char* talk : {"A very good first half. Keep it up.", "A very good first half. Take a little off.",
                           "A good half, but we need another.", "You guys played only alright.",
                           "Get out there and WIN THIS BALLGAME!", "We stunk like rotten fish! Wake up!"}) {
    room.TeamTalkList.addItem(talk);
  }
  room.TeamTalkList.setListIndex(0);

  const bool home = hometeam == g.MyTeam;
  const int usGoals = home ? homegoals : awaygoals;
  const int themGoals = home ? awaygoals : homegoals;
  const int usShots = home ? homeshots : awayshots;
  const int themShots = home ? awayshots : homeshots;
  const int usBall = home ? homepossession : awaypossession;
  const int themBall = home ? awaypossession : homepossession;
  auto share = [this](int count) {
    return Format(possessiontotal != 0 ? static_cast<double>(count) / possessiontotal : 0.0, "##.#%");
  };
  std::string stats = "Halftime Stats (Us - Them):\r";
  stats += "Score:" + Str(usGoals) + " -" + Str(themGoals) + "\r";
  stats += "Shots:" + Str(usShots) + " -" + Str(themShots) + "\r";
  stats += "Posession: " + share(usBall) + " / " + share(themBall) + "\r";
  room.Label3.setCaption(stats);

  g.TeamTalkStage = 2;
  teamTalk();
}

void MatchEngine::teamTalk() {
  const MLSModule& g = mls();
  LockerRoom& room = ui::screen<LockerRoom>();
  room.Show();
  // Only the talk screen ends this wait; once it is gone, nobody could.
  while (g.TeamTalkStage != 1 && room.loaded() && !programEnded()) ui::DoEvents();
}

void MatchEngine::overtimeNotes() {
  if (minute == 91) {
    say("And the game starts the first overtime period.");
    const std::string tied =
        joinText("The game went to golden goal overtime tied", Str(homegoals), " -", Str(awaygoals), ". ");
    matchreport += tied;
    homereport += tied;
  }
  if (minute == 105)
    say("And there is the whistle for the end of the first overtime, a brief rest for the players here.");
  if (minute == 106) {
    say("Now the kickoff for the second overtime.");
    ballzone = 13;
  }
}

bool MatchEngine::endOfMinute() {
  const MLSModule& g = *kernel_.game;
  const bool fullTime = (g.ShowAllMatches || userMatch_) && (minute == 90 || minute == 120 || goldengoal == 1);
  if (watched_ || fullTime) {
    endOfShownMinute(fullTime);
  } else {
    // Nothing to say, show or wait for at the whistle: the same steps without their words.
    clearCommentary();
    goldenGoalCheck();
    if (g.PauseFlag != 0) pauseWait();  // the usual minute makes no call for it
  }
  minutedone = true;

  if (minute == 90 && homegoals != awaygoals) return true;
  if (minute == 90 && extratimeflag == 0) return true;
  if (minute > 90 && homegoals != awaygoals) return true;
  return false;
}

void MatchEngine::endOfShownMinute(bool fullTime) {
  if (minute == 45) say("And there's the whistle signifying the end of the first half.");
  if (fullTime) {
    say("And there's the full-time whistle");
    if (watched_) {
      scrollToEnd(homeinfo);
      scrollToEnd(awayinfo);
      scrollToEnd(Commentary);
    }
  }
  flushCommentary();
  goldenGoalCheck();
  if (watched_) {
    scrollToEnd(homeinfo);
    scrollToEnd(awayinfo);
    scrollToEnd(Commentary);
    showScore();
  }
  if (fullTime && finalScoreDisplay() && hometeam != 0 && awayteam != 0) {
    // Ended by the minute button; only a shown screen has one to press.
    Minbox.SetFocus();
    while (minutedone && shown() && !programEnded()) ui::DoEvents();
  }
  pauseWait();
  if (watched_) endOfMinuteLabels();
}

void MatchEngine::pauseWait() {
  while (kernel_.game->PauseFlag != 0 && shown() && !programEnded()) ui::DoEvents();
}

}  // namespace kervale
