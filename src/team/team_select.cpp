#include "team/team_select.h"

#include <string>

#include "base/colour.h"
#include "base/numbers.h"
#include "club/player_directory.h"
#include "data/club_colours.h"
#include "data/mls_module.h"
#include "data/player_ratings.h"
#include "shell/main_module.h"
#include "team/line_up.h"
#include "team/pitch_settings.h"
#include "team/position_tag.h"
#include "ui/backend.h"
#include "ui/screen.h"

namespace kervale {

namespace {

constexpr Colour kLight = ui::kWhite;  // the desktop's title-bar text colour
constexpr Colour kTeal = rgbColour(0, 128, 128);
constexpr Colour kInjured = rgbColour(0, 0, 192);
constexpr Colour kSelected = rgbColour(192, 192, 0);
constexpr Colour kOnSelected = ui::kBlack;  // neither teal nor white reads on the dark yellow
constexpr const char* kWideScreen = "1024 X 768";

int myClub() { return static_cast<int>(mls().MyTeam); }
int playerIn(int slot) { return squadPlayer(mls(), myClub(), slot); }
bool injured(int player) { return player != 0 && mls().PlayerInjury(player) > 0; }

// A name from a table, "" for an index outside it.
template <class Table>
std::string nameIn(const Table& table, double index) {
  return index >= 0 && index <= Table::upper ? table(index) : std::string();
}

std::string seasonRating(const MLSModule& g, int player) {
  return averageRatingText(g.PlayerRatingSumSeason(player), g.PlayerGamesSeason(player));
}

}  // namespace

void showTeamSelect() { ui::screen<TeamSelect>().Show(); }

void TeamSelect::Form_Load() {
  MLSModule& g = mls();
  const int club = myClub();
  const Colour first = colourFromText(g.TeamColour1(club));
  const Colour second = colourFromText(g.TeamColour2(club));
  Frame2.setBackColor(first);
  Frame2.setForeColor(second);
  Label19.setBackColor(first);
  TeamNameLabel.setForeColor(clubNameColour(g, club));
  Label18.setForeColor(TeamNameLabel.foreColor());
  if (g.ScreenMode == kWideScreen) {
    Image2.setWidth(16000);
    Image2.setHeight(ui::kLargeScreenHeight - Image2.top());  // down to the screen's bottom edge
    Label19.setWidth(16015);
  }
  RowSelected = 0;
  Image2.setPicture(g.BackgroundPicture);
  fillTactics();
  tagPass(false);
  Image1.setPicture(g.TeamLogo(club));
  Image1.setVisible(!g.TeamLogo(club).empty());
  TeamNameLabel.setCaption(g.TeamName(club));
  contentPass(false);
  const double formation = g.TeamFormation(club);
  formationcombo.setListIndex(formation >= 0 && formation < formationcombo.listCount() ? static_cast<int>(formation)
                                                                                       : -1);
  showTacticCaptions();
}

void TeamSelect::fillTactics() {
  const MLSModule& g = mls();
  for (int j = 1; j <= 10; ++j) {
    ui::ComboBox& combo = positioncombo(j);
    combo.clear();
    for (int code = 1; code <= g.NumPositions && code <= decltype(g.PositionName)::upper; ++code) {
      combo.addItem(g.PositionName(code));
    }
  }
  const std::string pushUp = pushUpCaption(g.TeamPushUp(myClub()));
  if (!pushUp.empty()) Command10.setCaption(pushUp);
  formationcombo.clear();
  formationcombo.addItem("Reset Formation");
  for (int f = 1; f <= g.NumFormations && f <= decltype(g.FormationName)::upper; ++f) {
    formationcombo.addItem(g.FormationName(f));
  }
  showPositions();
}

void TeamSelect::showPositions() {
  const MLSModule& g = mls();
  for (int j = 1; j <= 10; ++j) {
    const double code = g.TeamPosition(j, myClub());
    ui::ComboBox& combo = positioncombo(j);
    const bool listed = code >= 1 && code <= combo.listCount() && code == static_cast<int>(code);
    combo.setListIndex(listed ? static_cast<int>(code) - 1 : -1);
  }
}

void TeamSelect::showTacticCaptions() {
  const MLSModule& g = mls();
  flowbutton.setCaption("Flow: " + nameIn(g.FlowName, g.TeamFlow(myClub())));
  tacticbutton.setCaption("Tactic: " + nameIn(g.TacticName, g.TeamTactic(myClub())));
}

void TeamSelect::tagPass(bool exchange) {
  for (int i = 1; i <= 20; ++i) {
    const int p = playerIn(i);
    if (exchange) Image3(i).setVisible(true);
    if (p != 0) {
      Image3(i).setVisible(true);
      PlayerName(i).setCaption(PositionTag(mls(), p));
    } else {
      Image3(i).setVisible(false);
      if (exchange) PlayerName(i).setCaption("");
    }
  }
}

void TeamSelect::paintRow(int row) {
  const bool odd = row % 2 == 1;
  Colour back = odd ? kLight : kTeal;
  Colour text = odd ? kTeal : kLight;
  if (injured(playerIn(row))) {
    back = kInjured;
    text = kLight;
  }
  for (ui::Label* cell : {&PlayerName(row), &goalkeepingability(row), &defensiveview(row), &midfieldview(row),
                          &forwardview(row), &AgeLabel(row), &goalscoredview(row), &injuryview(row)}) {
    cell->setBackColor(back);
    cell->setForeColor(text);
  }
}

void TeamSelect::contentPass(bool exchange) {
  const MLSModule& g = mls();
  bool everyRowPlayed = true;
  for (int i = 1; i <= 20; ++i) {
    const int p = playerIn(i);
    paintRow(i);
    if (p == 0) {
      for (ui::Label* blank :
           {&goalkeepingability(i), &defensiveview(i), &midfieldview(i), &forwardview(i), &AgeLabel(i)}) {
        blank->setCaption(" ");
      }
      goalscoredview(i).setCaption("");
      injuryview(i).setCaption("");
      everyRowPlayed = false;
      continue;
    }
    PlayerName(i).setCaption(PlayerName(i).caption() + g.PlayerName(p));
    goalkeepingability(i).setCaption(numText(g.PlayerGamesSeason(p)));
    defensiveview(i).setCaption(numText(g.PlayerShotsOnTarget(p)));
    midfieldview(i).setCaption(numText(g.PlayerGoalsSeason(p)));
    forwardview(i).setCaption(numText(g.PlayerAssistsSeason(p)));
    goalscoredview(i).setCaption(numText(g.PlayerInjury(p)));
    Image3(i).setPicture(nameIn(g.NationFlagFile, g.PlayerNation(p)));
    injuryview(i).setCaption(seasonRating(g, p));
    AgeLabel(i).setCaption(numText(g.PlayerAge(p)));
    if (!(g.PlayerGamesSeason(p) > 0)) everyRowPlayed = false;
  }
  if (exchange && !everyRowPlayed) {
    Frame1.setVisible(false);
    Command7.setVisible(false);
  }
}

void TeamSelect::PlayerName_Click(int row) {
  if (RowSelected == 1) {
    exchangeWith(row);
  } else {
    selectRow(row);
  }
}

void TeamSelect::exchangeWith(int row) {
  RowSelected = 0;
  exchangeSquadSlots(mls(), myClub(), SelectedRow, row);
  tagPass(true);
  contentPass(true);
}

void TeamSelect::selectRow(int row) {
  const MLSModule& g = mls();
  const int p = playerIn(row);
  paintRow(row);
  Frame1.setCaption(g.PlayerName(p));
  if (p != 0) Frame1.setVisible(true);
  Label24.setCaption(RatingGradeWord(g, g.PlayerGoalkeeping(p)));
  Label25.setCaption(RatingGradeWord(g, g.PlayerDefense(p)));
  Label26.setCaption(RatingGradeWord(g, g.PlayerMidfield(p)));
  Label27.setCaption(RatingGradeWord(g, g.PlayerAttack(p)));
  Label21.setVisible(true);
  Label14.setCaption("Under Contract");
  if (g.PlayerInjury(p) == 0) Label21.setVisible(false);
  Label21.setCaption(g.PlayerInjuryText(p));
  if (p == 0) return;
  for (ui::Label* cell : {&PlayerName(row), &goalkeepingability(row), &defensiveview(row), &midfieldview(row),
                          &forwardview(row), &AgeLabel(row), &goalscoredview(row), &injuryview(row)}) {
    cell->setBackColor(kSelected);
    cell->setForeColor(kOnSelected);
  }
  RowSelected = 1;
  Command7.setVisible(true);
  SelectedRow = row;
}

void TeamSelect::Command7_Click() {
  const int player = playerIn(SelectedRow);
  if (player == 0) return;
  mls().SelectedPlayer = player;
  SelectedRow = 0;
  Form_Load();
  Command7.setVisible(false);
  Frame1.setVisible(false);
  showPlayerCard(player);
}

void TeamSelect::Command3_Click() { showPitchSettings(); }
void TeamSelect::Label8_Click() { showPitchSettings(); }

}  // namespace kervale
