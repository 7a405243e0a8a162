#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/colour.h"
#include "base/random.h"
#include "data/table.h"
#include "match/match_kernel.h"
#include "ui/control.h"
#include "ui/control_array.h"
#include "ui/form.h"

namespace kervale {

struct MLSModule;

// The match screen. Its load plays a whole matchday; Playgame plays one match
// between hometeam and awayteam minute by minute, writing the score back into
// homegoals / awaygoals and everything else into the shared tables.
//
// Only a watched match (the user's, or any while the screen is shown) builds
// commentary texts and refreshes the screen every minute; a computer match
// makes the same random draws and table changes and leaves the screen's labels
// as the last minute would have, but its three lists stay empty.
class MatchEngine : public ui::Form {
 public:
  MatchEngine();

  // ---- Members the matchday driver and the match share (kept between matchdays)
  int hometeam = 0;
  int awayteam = 0;
  int extratimeflag = 0;  // 1: level at 90 goes on to golden-goal overtime
  int homegoals = 0;
  int awaygoals = 0;
  int minute = 0;
  bool minutedone = false;    // true at the end of every played minute
  bool matchdaydone = false;  // true once the driver has finished the round
  int fixtureloop = 0;
  int fixturehome = 0;
  int fixtureaway = 0;
  int fixtureweek = 0;
  int fixturetype = 0;
  Table1<int, 64> roundwinners{"roundwinners"};

  // ---- The match state (members; the ones marked "per call" start at 0 or
  // empty every call of Playgame)
  // Ball: zone 1..25 on the 5 x 5 grid row by row (13 the centre spot), side
  // 1 home / 2 away in possession, outfield rows 1..10 of the carriers.
  int ballzone = 0;                                                 // per call
  int possession = 0;                                               // per call
  int ballcarrier = 0;                                              // per call
  int lastcarrier = 0;                                              // per call
  int lastside = 0;                                                 // per call
  int totalminutes = 0;                                             // per call
  int goldengoal = 0;                                               // per call
  int chanceflag = 0;                                               // per call; the penalty flag
  int homeshots = 0, awayshots = 0;                                 // per call
  int homefouls = 0, awayfouls = 0;                                 // per call
  int homepossession = 0, awaypossession = 0, possessiontotal = 0;  // per call
  int homeflow = 0, awayflow = 0;                                   // per call; flow columns of the flow tables
  double homekeeperrating = 0, awaykeeperrating = 0;                // per call
  int referee = 0;                                                  // per call
  double attendance = 0, gatemoney = 0;                             // per call
  int tvroll = 0;                                                   // per call
  // The possession contest; the roll is wider than 16 bits so a large total cannot overflow it.
  double homedefsum = 0, homemidsum = 0, homeattsum = 0;  // per call
  double awaydefsum = 0, awaymidsum = 0, awayattsum = 0;  // per call
  std::int64_t contestroll = 0;                           // per call
  int contestwinner = 0;                                  // per call; 1 home, 0 away

  std::string homekeepername;
  std::string awaykeepername;
  Table2<std::string, 20, 2> onpitchname{"onpitchname"};  // (row, side); "" = off the pitch
  // Skill copies of rows 1..10, taken at set-up; a sending-off zeroes them.
  SkillRows<double> homedefskill{"homedefskill", homeskillschanged_};
  SkillRows<double> homemidskill{"homemidskill", homeskillschanged_};
  SkillRows<double> homeattskill{"homeattskill", homeskillschanged_};
  SkillRows<double> awaydefskill{"awaydefskill", awayskillschanged_};
  SkillRows<std::int16_t> awaymidskill{"awaymidskill", awayskillschanged_};
  SkillRows<double> awayattskill{"awayattskill", awayskillschanged_};
  // Working strengths of rows 1..10, rebuilt every minute.
  Table1<double, 10> homedefvalue{"homedefvalue"};
  Table1<std::int16_t, 10> homemidvalue{"homemidvalue"};
  Table1<double, 10> homeattvalue{"homeattvalue"};
  Table1<double, 10> awaydefvalue{"awaydefvalue"};
  Table1<double, 10> awaymidvalue{"awaymidvalue"};
  Table1<double, 10> awayattvalue{"awayattvalue"};
  Table1<double, 20> homecondition{"homecondition"};  // 1 fresh
  Table1<double, 20> awaycondition{"awaycondition"};
  Table2<std::int16_t, 20, 2> slotyellows{"slotyellows"};  // (squad slot, side)

  // Commentary of the current minute, flushed at its end.
  Table1<std::string, 30> commline{"commline"};
  int commcount = 0;
  std::int16_t commsel = 0;                        // the variant selector every wording choice draws
  Table2<std::string, 5, 2> infoline{"infoline"};  // (line, side)
  int homeinfocount = 0;
  int awayinfocount = 0;
  std::int32_t commdelay = 0;
  int commentarycount = 0;

  // Reports: the away club's in its own words, and the home club's.
  std::string matchreport;
  std::string homereport;

  // ---- Procedures
  // Plays one match (set-up, minutes, end). Does nothing when called while a
  // match is already running.
  void Playgame();
  // A hidden match leaves its screen as it was; this writes what its last
  // minute would have shown. Only the last match of a round can still be seen.
  void catchUpScreen();
  // Moves the controls for the 1024 x 768 layout when ScreenMode asks for it.
  void arrangeForScreenMode();
  // Procedures nothing calls, with empty bodies.
  void TimedComm() {}
  void Timer1_Timer() {}
  // Leaves for the hub: the minute button after the round.
  void freeloader();

  // Steps of the match, in the order a match runs them.
  bool setupMatch();  // false for a walkover, which skips the minutes
  void playMinutes();
  void startOfMinute();
  // What a watched match shows as a minute starts: apart, so that the
  // minute of a match nobody watches pays nothing for it.
  [[gnu::noinline]] void showMinuteStart();
  void kickOff();
  void halfTime();
  void overtimeNotes();
  void rareEvent();
  [[gnu::noinline]] void tellStreaker();  // the rare event's words, apart from its draw
  void foulStep();
  // A foul committed: cards, counts, words and the penalty award; true when a
  // penalty was given. Apart, so that a minute without a foul stays short.
  [[gnu::noinline]] bool commitFoul(const KernelSide& fouling);
  void lineupPanel();
  void lineupColours();
  void clampRatings();
  void rebuildStrengths();
  void zoneMarkers();
  void zoneSums();  // from the working values' tables
  // The line sums the last rebuild of the strengths made along with the values.
  const std::array<LineSums, 3>& lineSums() const { return kernel_.lines; }
  // Inline, as the minute loop runs them every minute.
  void carrierCheck() {
    // The carrier may have left the pitch since he got the ball.
    for (int draws = 0; draws < 300 && onpitchname(ballcarrier, possession).empty(); ++draws) {
      ballcarrier = rng().draw(10, 1);
    }
  }
  void fillerLine() {
    commsel = static_cast<std::int16_t>(rng().draw(10, 1));
    if (watched_) tellFiller();
  }
  [[gnu::noinline]] void tellFiller();  // the filler line a watched match shows
  void possessionStep();
  void awayAttack();
  void homeAttack();
  bool endOfMinute();  // true when an exit rule ends the match
  // The end of a minute that is watched or ends at the full-time whistle.
  [[gnu::noinline]] void endOfShownMinute(bool fullTime);
  // A level score at 90 with extra time to come plays on to 120.
  void goldenGoalCheck() {
    if (minute == 90 && homegoals == awaygoals && extratimeflag == 1) {
      totalminutes = 120;
      say("And we're in for a golden goal overtime!");
    }
  }
  void pauseWait();  // waits, yielding, while the game is paused and the screen shown
  void finishMatch();

  // Commentary. A text is built only for a watched match.
  template <class... Parts>
  void say(const Parts&... parts) {
    if (!watched_) return;
    queueLine(joinText(parts...));
  }
  template <class... Parts>
  void sayInfo(int side, const Parts&... parts) {
    if (!watched_) return;
    queueInfo(side, joinText(parts...));
  }
  void queueLine(std::string text);
  void queueInfo(int side, std::string text);
  void flushCommentary();
  // The minute's queued lines, dropped.
  void clearCommentary() {
    commcount = 0;
    homeinfocount = 0;
    awayinfocount = 0;
  }
  [[gnu::noinline]] void showCommentary();  // the minute's lines onto a watched match's lists
  void scrollToEnd(ui::ListBox& list);
  void showScore();
  void endOfMinuteLabels();
  // The full-time labels and the final-score box; true when a box was shown.
  bool finalScoreDisplay();

  // The flow and tactic a club plays with: its own when inside the tables, else the first.
  static int flowOf(int club);
  static int tacticOf(int club);

  bool userMatch() const { return userMatch_; }
  bool watched() const { return watched_; }
  bool running() const { return running_; }

  // ---- Match events: attacks, shots, goals, fouls, cards, penalties, the team-sheet buttons
  int attacker = 0;                             // outfield row that carries the attack and shoots
  Table1<double, 10> pickweight{"pickweight"};  // weights of the attacker draw
  int buildupkind = 0;                          // the away side's build-up move, for its report
  int restartcode = 0;                          // 0..4: restart in zone 13, 3, 8, 18 or 23
  int fouler = 0;                               // outfield row of the fouling player
  int foulside = 0;
  int foultries = 0;
  double foulroll = 0, refroll = 0, cardroll = 0;
  int bookedflag = 0, sentoffflag = 0;
  bool penaltyplayed = false;  // this minute's play was a penalty kick
  int penaltycount = 0;        // penalties awarded in the match, counted from its first minute
  void attackStep(int side);
  void pickAttacker(int side);
  bool headerDuel(int side);  // true when the attacker wins it
  void clearance(int side);   // the attacking side loses the ball
  void shotStep(int side);
  void missedShot(int side, double shooter);
  void restartPlay(int defending);
  void awayGoal();
  void homeGoal();
  bool penaltyAward();               // true when the foul gave a penalty, which was then taken
  int penaltyTaker(int side) const;  // squad slot 2..11
  void Command1_Click();             // home team sheet
  void Command3_Click();             // away team sheet
  void openTeamSheet(int side);

  // ---- Controls
  ui::PictureBox Image3{*this, "Image3"};  // background picture
  ui::Label hometeambgcol{*this, "hometeambgcol"};
  ui::Label awayteambgcol{*this, "awayteambgcol"};
  ui::Image Image1{*this, "Image1"};
  ui::Image Image2{*this, "Image2"};
  ui::Label hometeamlabel{*this, "hometeamlabel"};
  ui::Label awayteamlabel{*this, "awayteamlabel"};
  ui::Label Label1{*this, "Label1"};    // score
  ui::Label Label14{*this, "Label14"};  // half-time score
  ui::Label Label4{*this, "Label4"};    // minute
  ui::CommandButton Minbox{*this, "Minbox"};
  ui::Label stadiumname{*this, "stadiumname"};
  ui::Label Referees{*this, "Referees"};
  ui::Label attendancebar{*this, "attendancebar"};
  ui::CommandButton Command1{*this, "Command1"};  // home team sheet
  ui::CommandButton Command3{*this, "Command3"};  // away team sheet
  ui::CheckBox Fastsim{*this, "Fastsim"};
  ui::Image Image4{*this, "Image4"};  // the pitch
  ui::ControlArray<ui::Label> thepitch{*this, "thepitch", 1, 25};
  ui::Label Label16{*this, "Label16"};
  ui::ListBox Commentary{*this, "Commentary"};
  ui::Label Label2{*this, "Label2"};
  ui::Label Label5{*this, "Label5"};
  ui::Label Label7{*this, "Label7"};
  ui::Label possesshome{*this, "possesshome"};
  ui::Label homeshotslabel{*this, "homeshotslabel"};
  ui::Label homefoulslabel{*this, "homefoulslabel"};
  ui::ListBox homeinfo{*this, "homeinfo"};
  ui::ControlArray<ui::Label> Label10{*this, "Label10", 0, 10};
  ui::ControlArray<ui::Label> Label11{*this, "Label11", 0, 10};
  ui::Label Label3{*this, "Label3"};
  ui::Label Label6{*this, "Label6"};
  ui::Label Label8{*this, "Label8"};
  ui::Label possessaway{*this, "possessaway"};
  ui::Label awayshotslabel{*this, "awayshotslabel"};
  ui::Label awayfoulslabel{*this, "awayfoulslabel"};
  ui::ListBox awayinfo{*this, "awayinfo"};
  ui::ControlArray<ui::Label> Label12{*this, "Label12", 0, 10};
  ui::ControlArray<ui::Label> Label13{*this, "Label13", 0, 10};

  // ---- Between-matchday events: transfer market, managers, injuries, finances, sponsors
  struct TransferMove {
    int player = 0;
    int from = 0;  // 0: a free agent
    int to = 0;
  };
  // Running counts since the screen was made; the runner and the tests read them.
  struct BetweenTally {
    long passes = 0;
    long transfers = 0;
    long salesKept = 0;  // listed players a computer club kept to stay at its floor
    long callUps = 0;    // youths called up by computer clubs below their floor
    long sackings = 0;   // clubs whose manager went for a low approval
    long injuries = 0;   // named players injured by the random roll
    long suspensions = 0;
  };
  std::vector<TransferMove> transfermoves;  // the moves of the last pass, in order
  BetweenTally betweentally;
  void transfermarket();
  void managermarket();
  void playerinjuries();  // suspensions, injuries and recoveries of every squad player
  void userreports();     // the user's injury and unhappiness reports
  void teamfinance();
  void sponsorships();
  void insolvencywarnings();

  // ---- Matchday driver: the load plays the whole round CurrentWeek
  void Form_Load() override;
  // Places fixturehome v fixtureaway in round fixtureweek with code fixturetype; fixturetype is 0 afterwards.
  void fixturecheck();
  int winnercounter = 1;  // next free place in roundwinners (and EnglishCupEntrant); 1 at each matchday's start
  bool drivingMatchday() const { return driving_; }
  // Neither a round nor a match is being played on the screen.
  bool roundOver() const { return !driving_ && !running_; }

  // ---- Computer line-ups
  std::int16_t swapteam = 0;  // the club swapsquadslots works on
  double swapslota = 0;
  double swapslotb = 0;
  Table1<std::int16_t, 11> lineupslot{"lineupslot"};  // (position index 2..11): the squad slot picked
  Table1<double, 11> lineupbest{"lineupbest"};        // (position index 2..11): the rating it was picked by
  void swapsquadslots();
  void teamupdate();  // every computer club's line-up, formation and flow
  // teamupdate once more, with no player changed since the last one: a club
  // whose squad is as that one left it may do what it did from there before.
  void teamupdateAgain() {
    squadsAsLastPicked_ = true;
    teamupdate();
  }
  void playercheck();  // computer clubs' squad lists and every club's count, rebuilt from PlayerTeam

  // ---- After-match updates
  void matchratingsupdate();  // player statistics and form, then morales
  void morales();             // records, headlines, approval, form letters
  void updateteams();         // league counters, fan demand; empties the three lists

  // ---- Penalty shoot-out
  void penalties();  // a level knockout tie: the winner's goals + 1

  // ---- Cups, playoffs and the six-club phase
  void cuprecords();  // a played cup or playoff tie (hometeam, awayteam, homegoals, awaygoals): its records
  void cupdraws();    // after the round: the next cup rounds, the playoffs and the six-club phase

  // ---- Handlers
  void Minbox_Click();

 protected:
  void Form_QueryUnload(int& cancel, ui::UnloadMode mode) override;

 private:
  static void appendText(std::string& out, std::string_view part) { out.append(part); }
  // The parts appended to a text in place, without a joined temporary.
  template <class... Parts>
  static void appendAll(std::string& out, const Parts&... parts) {
    (appendText(out, std::string_view(parts)), ...);
  }
  template <class... Parts>
  static std::string joinText(const Parts&... parts) {
    std::string out;
    appendAll(out, parts...);
    return out;
  }
  void resetMatchState();
  void teamTalk();  // shows the talk screen and waits, yielding, until the user leaves it
  void halfTimeTalk();
  void awayWinsBall();
  void homeWinsBall();
  // The words for a won ball, chosen by the draws already made.
  void tellAwayTookIt(int how, int why);
  void tellAwayPass(int way);
  void tellHomeTookIt(int how, int why);
  void tellHomePass(int way);
  void tellCredit(int side, int credit);
  void rating(int row, int side, double change) { adjustRating(row + 1, side, change); }  // of outfield row 1..10
  // Every change of a match rating during play: one that leaves 0.5..10 has
  // the start of the next minute bring all of them back within it.
  // A change of nothing (a credit not given) leaves the rating and the mark as they were.
  void adjustRating(int slot, int side, double change) {
    double& r = kernel_.rating(slot, side);
    r += change;
    ratingsOutside_ |= (change != 0) & !((r >= 0.5) & (r <= 10));
  }
  void drawCarrier(int side);
  // The zone sums of the line sums of both sides (1 home, 2 away).
  void weighLines(const std::array<LineSums, 3>& lines);
  void syncDisplay();  // a computer match's screen as its last minute leaves it

  // Where the minute loop finds both sides, resolved by set-up.
  void resolveKernel();
  MatchKernel kernel_;
  // Set by teamupdateAgain for its teamupdate.
  bool squadsAsLastPicked_ = false;
  bool ratingsOutside_ = false;    // a rating left 0.5..10 since the last clamp
  bool homeskillschanged_ = true;  // a skill copy was written since the strengths were made
  bool awayskillschanged_ = true;

  bool userMatch_ = false;
  bool watched_ = false;
  bool screenBehind_ = false;  // a hidden match's screen not yet written
  bool running_ = false;
  // The line-up panel's labels by side (1 home, 2 away) and row 0..10, and the
  // zone markers 1..25, found once: a watched minute writes them all.
  struct PanelColumns {
    std::array<ui::Label*, 11> name{};
    std::array<ui::Label*, 11> position{};
  };
  std::array<PanelColumns, 3> panel_{};
  std::array<ui::Label*, 26> zoneMarker_{};
  int markerzone_ = 0;  // ball zone and side in possession at the start of the minute
  int markerside_ = 0;
  Colour homemarker_ = 0;  // zone marker colours of the two sides
  Colour awaymarker_ = 0;

  // ---- Matchday driver: the round's play and the re-entry guard
  void playRound();
  bool driving_ = false;
  // The last round played without a match (it leaves no results to know it
  // by): its game (gameNumber), season and round.
  std::uint64_t emptyRoundGame_ = 0;
  double emptyRoundSeason_ = 0;
  int emptyRound_ = 0;
};

}  // namespace kervale
