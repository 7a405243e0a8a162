#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "base/colour.h"
#include "base/numbers.h"
#include "club/player_directory.h"
#include "club/player_price.h"
#include "data/club_colours.h"
#include "data/mls_module.h"
#include "team/position_tag.h"
#include "ui/backend.h"
#include "ui/screen.h"

namespace kervale {

using namespace ui;

namespace {

constexpr char kCr = '\r';

constexpr std::array<const char*, 7> kSkillNames = {"Ball Control", "Tackling", "Passing",  "Shooting",
                                                    "Heading",      "Speed",    "Awareness"};

// Club and nation numbers come from the saved game; one outside its table
// reads as no club or no nation.
int clubIndex(double club) {
  const double c = roundHalfEven(club);
  return c >= 0 && c <= kLastClub ? static_cast<int>(c) : 0;
}

int nationIndex(double nation) { return clubIndex(nation); }

// Position of the highest (or lowest) of the seven skills; among equal values
// the latest one wins.
int extremeSkill(const std::array<double, 7>& skills, bool highest) {
  int best = 0;
  for (int i = 1; i < 7; ++i) {
    if (highest ? skills[i] >= skills[best] : skills[i] <= skills[best]) best = i;
  }
  return best;
}

}  // namespace

void PlayerDirectory::Form_Load() {
  const MLSModule& g = mls();
  const int p = static_cast<int>(std::clamp(roundHalfEven(g.SelectedPlayer), 0.0, double{kLastPlayer}));
  const int c = clubIndex(g.PlayerTeam(p));
  const int u = clubIndex(g.MyTeam);
  shownPlayer_ = p;
  shownClub_ = c;
  shownUser_ = u;

  AskingPrice = PlayerAskingPrice(g, p);
  Label20.setCaption(g.TeamName(c) + " want" + Str(AskingPrice) + "k for " + g.PlayerName(p) + ".");
  showOwnership(c, u);
  TeamNameLabel.setCaption(g.TeamName(u));
  Label29.setCaption("0k ");
  setBidRange(u);

  const double year = 2002 + g.CurrentSeason;
  Label61.setCaption(Str(g.PlayerBirthMonth(p)) + "/" + Str(g.PlayerBirthDay(p)) + "/" + Str(year - g.PlayerAge(p)));
  Label59.setCaption(Str(year));
  Label10.setCaption(Str(g.PlayerAge(p)));
  showSkills(p);
  showStatistics(p);
  const int nation = nationIndex(g.PlayerNation(p));
  Label9.setCaption(g.NationName(nation) + " ");
  showInterest(p);
  Label12.setCaption(Str(g.PlayerContractYears(p)) + " year(s)");
  Label18.setCaption(Str(g.PlayerWage(p)) + "k");

  Label25.setCaption(" " + RatingGradeWord(g, g.PlayerGoalkeeping(p)));
  Label26.setCaption(" " + RatingGradeWord(g, g.PlayerDefense(p)));
  Label27.setCaption(" " + RatingGradeWord(g, g.PlayerMidfield(p)));
  Label32.setCaption(" " + RatingGradeWord(g, g.PlayerAttack(p)));
  Label41.setCaption(" " + AggressionGradeWord(g, g.PlayerAggression(p)));

  Image1.setPicture(g.TeamLogo(u));
  Label2.setCaption(g.PlayerName(p));
  Labbel.setPicture(g.NationFlagFile(nation));
  showColours(c, u);
  Image2.setPicture(g.BackgroundPicture);
  HScroll1_Change();
  HScroll2_Change();
  // Without a club of his own the user can neither sign nor bid.
  if (u == 0) {
    Frame6.setVisible(false);
    Frame1.setVisible(false);
  }
  keepDealState();
  if (g.ScreenMode == "1024 X 768") {
    Image2.move(Image2.left(), Image2.top(), 16000, 10500);
    Label19.setWidth(16015);
  }
}

void PlayerDirectory::showOwnership(int club, int user) {
  // Managing no club, the user owns nobody, not even the free players.
  const bool own = club == user && user != 0;
  Command2.setVisible(own);
  Command3.setVisible(own);
  Frame1.setVisible(own);
  Frame6.setVisible(!own);
  if (club == 0) {
    for (Label* row : {&Label8, &Label12, &Label17, &Label18}) row->setVisible(false);
    Frame1.setVisible(true);
    Frame6.setVisible(false);
  }
}

void PlayerDirectory::setBidRange(int user) {
  const double money = mls().TeamMoney(user);
  // Held in 32 bits, and never below 0: a club in debt can bid nothing.
  const std::int32_t most = std::max<std::int32_t>(0, CLng(money / 1000));
  std::int32_t least = 0;
  if (!(AskingPrice * 1000.0 / 2 > money)) least = CLng(AskingPrice / 2.0);
  least = std::clamp<std::int32_t>(least, 0, most);
  HScroll3.setMax(most);
  HScroll3.setMin(least);
  // A click beside the thumb moves a tenth of the range, so a bid can be
  // raised without dragging.
  HScroll3.setLargeChange(std::max<std::int32_t>(1, CLng((most - least) / 10.0)));
}

void PlayerDirectory::showSkills(int p) {
  const MLSModule& g = mls();
  const std::array<double, 7> skills = {g.PlayerBallControl(p), g.PlayerTackling(p), g.PlayerPassing(p),
                                        g.PlayerShooting(p),    g.PlayerHeading(p),  g.PlayerSpeed(p),
                                        g.PlayerAwareness(p)};
  Label38.setCaption(kSkillNames[extremeSkill(skills, true)]);
  Label39.setCaption(kSkillNames[extremeSkill(skills, false)]);
}

void PlayerDirectory::showStatistics(int p) {
  const MLSModule& g = mls();
  Label52.setCaption(Str(g.PlayerGamesSeason(p)));
  Label63.setCaption(Str(g.PlayerGamesCareer(p)));
  Label58.setCaption(Str(g.PlayerGoalsSeason(p)));
  Label64.setCaption(Str(g.PlayerGoalsCareer(p)));
  Label57.setCaption(Str(g.PlayerAssistsSeason(p)));
  Label65.setCaption(Str(g.PlayerAssistsCareer(p)));
  Label56.setCaption(Str(2 * g.PlayerGoalsSeason(p) + g.PlayerAssistsSeason(p)));
  Label66.setCaption(Str(2 * g.PlayerGoalsCareer(p) + g.PlayerAssistsCareer(p)));
  Label55.setCaption(Str(g.PlayerShotsOnTarget(p)));
  if (g.PlayerGamesSeason(p) > 0) Label70.setCaption(Str(g.PlayerRatingSumSeason(p) / g.PlayerGamesSeason(p)));
  if (g.PlayerGamesCareer(p) > 0) Label71.setCaption(Str(g.PlayerRatingSumCareer(p) / g.PlayerGamesCareer(p)));
}

void PlayerDirectory::showInterest(int p) {
  const MLSModule& g = mls();
  // Built afresh: a refresh must not list the clubs a second time.
  std::string clubs;
  for (int k = 1; k <= 5; ++k) {
    const int club = g.PlayerInterest(p, k);
    if (club > 0 && club <= kLastClub) clubs += " " + g.TeamName(club) + kCr + " ";
  }
  Label43.setCaption(clubs);
}

void PlayerDirectory::showColours(int club, int user) {
  const MLSModule& g = mls();
  teamplayfor.setCaption(g.TeamName(club));
  if (g.TeamColour1(club) == g.TeamColour2(club)) {
    teamplayfor.setBackColor(kWhite);
    teamplayfor.setForeColor(kBlack);
  } else {
    // Some clubs' two colours barely differ: the name then stands in black or white.
    const Colour strip = colourFromText(g.TeamColour1(club));
    teamplayfor.setBackColor(strip);
    teamplayfor.setForeColor(readableOn(colourFromText(g.TeamColour2(club)), strip));
  }
  // The name stands transparent on the strip, in the club's second colour.
  Label19.setBackColor(colourFromText(g.TeamColour1(user)));
  TeamNameLabel.setBackColor(colourFromText(g.TeamColour2(user)));
  TeamNameLabel.setForeColor(clubNameColour(g, user));
}

void PlayerDirectory::Form_Unload(int& cancel) {
  (void)cancel;
  AskingPrice = 0;
  BidAmount = 0;
  BidRound = 0;
  shownPlayer_ = 0;
  shownClub_ = 0;
  shownUser_ = 0;
  talksAgreed_ = false;
  biddingOver_ = false;
}

void PlayerDirectory::Command10_Click() { Unload(); }

void PlayerDirectory::HScroll1_Change() { Label15.setCaption(Str(HScroll1.value()) + " years"); }

void PlayerDirectory::HScroll2_Change() { Label16.setCaption(Str(HScroll2.value()) + "k"); }

void PlayerDirectory::HScroll3_Change() { Label29.setCaption(Str(HScroll3.value()) + "k "); }

void showPlayerCard(int player) {
  MLSModule& g = mls();
  if (player < 1 || player > g.NumPlayers || player > kLastPlayer || g.PlayerName(player).empty()) {
    MsgBox("There is no such player.");
    return;
  }
  PlayerDirectory& card = screen<PlayerDirectory>();
  if (card.loaded() && card.shownPlayer() != player) card.Unload();
  if (!card.loaded()) g.SelectedPlayer = player;
  card.Show();
}

}  // namespace kervale
