#include "newgame/fixture_list.h"

#include <string>

#include "base/colour.h"
#include "base/numbers.h"
#include "data/club_colours.h"
#include "data/mls_module.h"
#include "data/season_rounds.h"

namespace kervale {

using namespace ui;

namespace {

constexpr Colour kWeekColour = rgbColour(128, 130, 239);  // also rows of home fixtures
constexpr Colour kCurrentWeekColour = rgbColour(192, 192, 0);
constexpr Colour kAwayColour = rgbColour(207, 0, 0);
constexpr Colour kCupHomeColour = rgbColour(0, 128, 128);
constexpr Colour kCupAwayColour = rgbColour(0, 192, 192);

// Fifteen weeks of two rounds end above the legend and the scroll bar.
constexpr int kRowHeight = 210;
constexpr int kTop = 1140;

void legend(Label& label, const char* text, int left, Colour colour) {
  label.setCaption(text);
  label.move(left, 9000 - 1500, 1200, 255);
  label.setBackColor(colour);
  label.setForeColor(readableOn(kWhite, colour));
  label.setAlignment(Alignment::Center);
}

}  // namespace

FixtureList::FixtureList() : Form("FixtureList") {
  state_.caption = "Fixtures and Results";
  state_.width = 12000;
  state_.height = 9000;
  state_.borderStyle = 3;

  Image2.move(0, 0, 12000, 9000);  // the whole window: no strip below the picture
  Image2.setStretch(true);
  Label19.move(0, 0, 12015, 615);
  TeamNameLabel.move(1080, 120, 6000, 375);
  TeamNameLabel.setFont(Font{"MS Sans Serif", 14, true, false, false});
  TeamNameLabel.setOpaque(false);
  Image1.move(240, 60, 495, 495);
  Image1.setStretch(true);
  Label1.setCaption("FIXTURES");
  Label1.move(240, 720, 2400, 375);
  Label1.setFont(Font{"MS Sans Serif", 12, true, false, false});
  setTextBacking(Label1);  // the titles stand over the backdrop
  Label1.setForeColor(kWhite);
  Label5.move(2760, 780, 6000, 315);
  Label5.setFontBold(true);
  setTextBacking(Label5);
  Label5.setForeColor(kWhite);

  // Two columns of fifteen weeks; each week label stands beside its two rounds.
  for (int i = 1; i <= 30; ++i) {
    const int column = (i - 1) / 15;
    const int left = 240 + column * 4440;
    const int top = kTop + ((i - 1) % 15) * 2 * kRowHeight;
    Label2(i).move(left, top, 495, 2 * kRowHeight - 15);
    Label2(i).setBackColor(kWeekColour);
    Label2(i).setAlignment(Alignment::Center);
    Label2(i).setBorderStyle(1);
    for (int half = 0; half < 2; ++half) {
      const int row = 2 * i - 1 + half;
      Label3(row).move(left + 540, top + half * kRowHeight, 2760, kRowHeight - 15);
      Label3(row).setVisible(false);
      Label4(row).move(left + 3330, top + half * kRowHeight, 840, kRowHeight - 15);
      Label4(row).setAlignment(Alignment::Center);
      Label4(row).setVisible(false);
      for (Label* label : {&Label3(row), &Label4(row)}) {
        label->setBackColor(kWeekColour);
        label->setForeColor(kWhite);
      }
    }
  }

  legend(Label6, "Home", 240, kWeekColour);
  legend(Label7, "Away", 1560, kAwayColour);
  legend(Label8, "Cup Home", 2880, kCupHomeColour);
  legend(Label9, "Cup Away", 4200, kCupAwayColour);

  HScroll1.move(240, 9000 - 1080, 8640, 255);
  HScroll1.setMin(0);
  HScroll1.setMax(44);
  HScroll1.setSmallChange(2);
  HScroll1.setLargeChange(12);

  List1.move(9120, 1500, 2640, 6000);
  Command2.setCaption("Leave");
  Command2.move(9120, 9000 - 1320, 2640, 495);
  Command2.setCancel(true);

  HScroll1.onChange = [this] { HScroll1_Change(); };
  List1.onClick = [this] { List1_Click(); };
  Command2.onClick = [this] { Command2_Click(); };
  designDone();
}

void FixtureList::Form_Load() {
  const MLSModule& game = mls();
  const double me = game.MyTeam;
  TeamNameLabel.setCaption(game.TeamName(me));
  TeamNameLabel.setForeColor(clubNameColour(game, me));
  Label19.setBackColor(colourFromText(game.TeamColour1(me)));
  Image1.setPicture(game.TeamLogo(me));
  Image2.setPicture(game.BackgroundPicture);

  List1.clear();
  entryClub_.assign(1, 0);
  for (int i = 1; i <= 237; ++i) {
    if (i <= game.MLSTeamCount || i > 16) {
      List1.addItem(game.TeamName(i));
      entryClub_.push_back(static_cast<std::int16_t>(i));
      if (i == me) shownClub_ = static_cast<std::int16_t>(i);
    }
  }
  for (int i = 1; i <= 60; ++i) Label3(i).setCaption(" ");
  if (me == 0) List1.setListIndex(0);
  Output_Fixt();
}

void FixtureList::Output_Fixt() {
  const MLSModule& game = mls();
  const int v = HScroll1.value();
  if (game.ScreenMode == "1024 X 768") {
    Image2.setHeight(10500);
    Image2.setWidth(16000);
    Label19.setWidth(16015);
  }
  const int currentWeek = CInt(Int(game.CurrentWeek));
  for (int i = 1; i <= 60; ++i) {
    if (i <= 30) {
      const int week = v / 2 + i;
      Label2(i).setCaption(numText(week));
      Label2(i).setBackColor(week == currentWeek / 2 ? kCurrentWeekColour : kWeekColour);
    }
    Label3(i).setVisible(false);
    Label4(i).setVisible(false);
    Label4(i).setCaption(" ");
  }
  Label5.setCaption("Fixtures For " + game.TeamName(shownClub_));

  const int club = shownClub_;
  for (int r = v + 1; r <= v + 60 && r <= kLastRound; ++r) {
    const int opponent = game.FixtureOpponent(club, r);
    if (opponent == 0) continue;
    const int row = r - v;
    Label3(row).setVisible(true);
    Label3(row).setCaption(game.TeamName(opponent));
    Label4(row).setVisible(true);
    // Only a round of this season already played has a score; the current one
    // is still to come, and so are last season's rounds after the wrap.
    if (playedThisSeason(r, currentWeek)) {
      Label4(row).setCaption(Str(game.FixtureScore(club, r)) + " -" + Str(game.FixtureScore(opponent, r)));
    }
    const int venue = game.FixtureVenue(club, r);
    const bool cup = game.FixtureCompetition(club, r) >= 2;
    Colour colour = 0;
    if (venue == 1) {
      colour = cup ? kCupHomeColour : kWeekColour;
    } else if (venue == 2) {
      colour = cup ? kCupAwayColour : kAwayColour;
    } else {
      continue;  // neutral ground: the row keeps its colour
    }
    for (Label* label : {&Label3(row), &Label4(row)}) {
      label->setBackColor(colour);
      label->setForeColor(readableOn(kWhite, colour));
    }
  }
}

void FixtureList::HScroll1_Change() { Output_Fixt(); }

void FixtureList::List1_Click() {
  for (int i = 1; i <= 60; ++i) Label3(i).setVisible(false);
  const int entry = List1.listIndex() + 1;
  if (entry >= 1 && entry < static_cast<int>(entryClub_.size())) shownClub_ = entryClub_[entry];
  Output_Fixt();
}

void FixtureList::Command2_Click() { Unload(); }

void FixtureList::Form_Deactivate() { Unload(); }

}  // namespace kervale
