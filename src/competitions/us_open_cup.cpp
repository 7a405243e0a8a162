#include "competitions/us_open_cup.h"

#include "base/numbers.h"
#include "data/mls_module.h"
#include "ui/screen.h"

namespace kervale {

namespace {

constexpr Colour kBlue = 0xFF0000;
constexpr int kLineGap = 210;
constexpr int kTop = 600;
constexpr int kNameWidth = 2400;
constexpr int kResultWidth = 480;
constexpr int kLeft = 120;
constexpr int kLineWidth = 2 * (kNameWidth + kResultWidth);

// A round's club and result at slot s.
struct Slot {
  double club;
  std::string result;
};

template <class Clubs, class Results>
Slot slotOf(const Clubs& clubs, const Results& results, int s) {
  return {clubs(s), results(s).text()};
}

}  // namespace

UsOpenCup::UsOpenCup() : Form("UsOpenCup") {
  setCaption("US Open Cup");
  move(0, 0, kLeft + kLineWidth + 1815, kTop + 32 * kLineGap + 600);
  setBorderStyle(3);
  WhatRound.move(kLeft, 120, kLineWidth, 375);
  WhatRound.setFontBold(true);
  WhatRound.setFontSize(12);
  WhatRound.setAlignment(ui::Alignment::Center);
  TeamNames(0).setVisible(false);
  theresult(0).setVisible(false);
  for (int t = 1; t <= 32; ++t) {
    const int top = kTop + (t - 1) * kLineGap;
    TeamNames(2 * t - 1).move(kLeft, top, kNameWidth, kLineGap);
    theresult(2 * t - 1).move(kLeft + kNameWidth, top, kResultWidth, kLineGap);
    theresult(2 * t).move(kLeft + kNameWidth + kResultWidth, top, kResultWidth, kLineGap);
    TeamNames(2 * t).move(kLeft + kNameWidth + 2 * kResultWidth, top, kNameWidth, kLineGap);
    theresult(2 * t - 1).setAlignment(ui::Alignment::Center);
    theresult(2 * t).setAlignment(ui::Alignment::Center);
    TeamNames(2 * t).setAlignment(ui::Alignment::Right);
  }
  const std::pair<ui::CommandButton*, const char*> buttons[] = {
      {&Command3, "Prelim"}, {&Rd1, "Round 1"},      {&Rd2, "Round 2"},   {&Rd3, "Round 3"},
      {&Rd4, "Round 4"},     {&Semis, "Semifinals"}, {&Finals, "Finals"}, {&Command2, "OK"}};
  int top = kTop;
  for (const auto& [button, caption] : buttons) {
    button->setCaption(caption);
    button->move(kLeft + kLineWidth + 240, top, 1455, 375);
    top += 480;
  }
  Command3.onClick = [this] { Command3_Click(); };
  Rd1.onClick = [this] { Rd1_Click(); };
  Rd2.onClick = [this] { Rd2_Click(); };
  Rd3.onClick = [this] { Rd3_Click(); };
  Rd4.onClick = [this] { Rd4_Click(); };
  Semis.onClick = [this] { Semis_Click(); };
  Finals.onClick = [this] { Finals_Click(); };
  Command2.onClick = [this] { Command2_Click(); };
  designDone();
}

void UsOpenCup::showRound(Round round) {
  MLSModule& g = mls();
  // The first stage holds 60 clubs when the English cup is played.
  struct Shown {
    const char* caption;
    int slots;
  };
  static constexpr Shown kShown[] = {
      {"First Stage", 60},           {"Round 1", 64}, {"Round 2", 32}, {"Round 3", 16}, {"US Open Cup Round 4", 8},
      {"US Open Cup Semifinals", 4}, {"Final", 2}};
  const Shown& shown = kShown[static_cast<int>(round)];
  WhatRound.setCaption(shown.caption);
  for (int s = 1; s <= 64; ++s) {
    if (s > shown.slots) {
      TeamNames(s).setCaption(" ");
      theresult(s).setCaption(" ");
      continue;
    }
    Slot slot{};
    switch (round) {
      case Round::Prelim:
        slot = slotOf(g.USCupPrelimTeam, g.USCupPrelimResult, s);
        break;
      case Round::Round1:
        slot = slotOf(g.USCupRound1Team, g.USCupRound1Result, s);
        break;
      case Round::Round2:
        slot = slotOf(g.USCupRound2Team, g.USCupRound2Result, s);
        break;
      case Round::Round3:
        slot = slotOf(g.USCupRound3Team, g.USCupRound3Result, s);
        break;
      case Round::Round4:
        slot = slotOf(g.USCupRound4Team, g.USCupRound4Result, s);
        break;
      case Round::Semis:
        slot = slotOf(g.USCupSemiTeam, g.USCupSemiResult, s);
        break;
      case Round::Final:
        slot = slotOf(g.USCupFinalTeam, g.USCupFinalResult, s);
        break;
    }
    const int club = CInt(slot.club);
    const bool known = club >= 0 && club <= kLastClub;
    TeamNames(s).setForeColor(ui::kBlack);
    TeamNames(s).setCaption(known ? g.TeamName(club) : "");
    theresult(s).setCaption(slot.result);
    if (club == 0) TeamNames(s).setCaption("(bye)");
    if (slot.club == g.MyTeam) TeamNames(s).setForeColor(kBlue);
  }
}

void UsOpenCup::Form_Load() { showRound(Round::Round1); }
void UsOpenCup::Command3_Click() { showRound(Round::Prelim); }
void UsOpenCup::Rd1_Click() { showRound(Round::Round1); }
void UsOpenCup::Rd2_Click() { showRound(Round::Round2); }
void UsOpenCup::Rd3_Click() { showRound(Round::Round3); }
void UsOpenCup::Rd4_Click() { showRound(Round::Round4); }
void UsOpenCup::Semis_Click() { showRound(Round::Semis); }
void UsOpenCup::Finals_Click() { showRound(Round::Final); }
void UsOpenCup::Command2_Click() { Unload(); }
void UsOpenCup::Form_Deactivate() { Unload(); }

void showUsOpenCup() {
  UsOpenCup& cup = ui::screen<UsOpenCup>();
  if (cup.loaded()) cup.Unload();
  cup.Show();
}

}  // namespace kervale
