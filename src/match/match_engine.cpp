// The match screen: its design, the wide layout, its buttons and closing.
#include "match/match_engine.h"

#include <cmath>
#include <initializer_list>

#include "data/mls_module.h"
#include "data/tactics_in_play.h"
#include "shell/main_module.h"
#include "ui/screen.h"

namespace kervale {

namespace {

constexpr Colour kDarkGreen = 0x004000;
// The line-up panel: a name and the longest position name on each row, the
// commentary between the two sides.
constexpr int kPanelName = 1260;
constexpr int kPanelPosition = 1680;
constexpr int kCommentaryGap = 90;
constexpr int kAwayPanel = 11880 - kPanelName - 60 - kPanelPosition;
constexpr int kCommentaryLeft = 120 + kPanelName + 60 + kPanelPosition + kCommentaryGap;
constexpr Colour kYellow = 0x00FFFF;

void place(ui::Control& c, int left, int top, int width, int height) { c.move(left, top, width, height); }

// The screen's texts stand over the picture, each on its backing.
void fixedText(ui::Label& label, int left, int top, int width, std::string text) {
  place(label, left, top, width, 255);
  label.setCaption(std::move(text));
  ui::setTextBacking(label);
  label.setForeColor(ui::kWhite);
}

void valueLabel(ui::Label& label, int left, int top, int width) {
  place(label, left, top, width, 255);
  label.setCaption("");
  ui::setTextBacking(label);
  label.setForeColor(kYellow);
}

}  // namespace

MatchEngine::MatchEngine() : Form("MatchEngine") {
  state_.caption = "Match";
  state_.width = 12000;
  state_.height = 9000;
  state_.backColor = kDarkGreen;
  state_.maximized = true;

  place(Image3, 0, 0, 12000, 9000);
  Image3.setBorderStyle(0);
  Image3.setStretch(true);  // any picture the user chose fills the screen

  // Club banners across the top, badges at their outer ends.
  place(hometeambgcol, 0, 0, 6000, 480);
  place(awayteambgcol, 6000, 0, 6000, 480);
  place(Image1, 1560, 0, 480, 480);
  place(Image2, 9960, 0, 480, 480);
  Image1.setStretch(true);
  Image2.setStretch(true);
  for (ui::Label* name : {&hometeamlabel, &awayteamlabel}) {
    name->setAlignment(ui::Alignment::Center);
    name->setFontBold(true);
    name->setFontSize(12);
  }
  place(hometeamlabel, 2160, 60, 3480, 360);
  place(awayteamlabel, 6360, 60, 3480, 360);

  // The pitch with its 25 zone markers, top left.
  place(Image4, 120, 480, 1815, 1215);
  Image4.setStretch(true);
  for (int k = 1; k <= 25; ++k) {
    ui::Label& marker = thepitch(k);
    place(marker, 120 + 360 * ((k - 1) % 5), 480 + 240 * ((k - 1) / 5), 375, 255);
    marker.setVisible(false);
    marker.setBorderStyle(1);
  }

  // The middle column: minute, score, match facts, buttons, commentary.
  place(Label4, 2400, 600, 1680, 285);
  Label4.setCaption("Minute 0");
  ui::setTextBacking(Label4);
  Label4.setForeColor(ui::kWhite);
  Label4.setFontBold(true);
  place(Minbox, 2400, 960, 1680, 375);
  Minbox.setCaption(" 0");
  Minbox.setToolTipText("After the final score: click here, or press Return or Space, to go on with the matchday.");
  place(Label1, 5340, 600, 1320, 480);
  Label1.setCaption(" 0 : 0");
  Label1.setAlignment(ui::Alignment::Center);
  Label1.setFontBold(true);
  Label1.setFontSize(18);
  Label1.setForeColor(ui::kWhite);
  ui::setTextBacking(Label1);
  place(Label14, 5520, 1080, 960, 285);
  Label14.setAlignment(ui::Alignment::Center);
  ui::setTextBacking(Label14);
  Label14.setForeColor(ui::kWhite);
  Label14.setVisible(false);
  fixedText(stadiumname, 2400, 1440, 3360, "at");
  fixedText(Referees, 2400, 1695, 3360, "Referee:");
  fixedText(attendancebar, 2400, 1950, 3360, "");
  attendancebar.setVisible(false);
  place(Command1, 6960, 600, 2400, 375);
  Command1.setCaption("Home");
  place(Command3, 6960, 1020, 2400, 375);
  Command3.setCaption("Away");
  place(Fastsim, 6960, 1440, 2400, 255);
  Fastsim.setCaption("Quick Simulation");
  ui::setTextBacking(Fastsim);
  Fastsim.setForeColor(ui::kWhite);
  fixedText(Label16, kCommentaryLeft, 2280, kAwayPanel - kCommentaryGap - kCommentaryLeft, "Match Commentary:");
  place(Commentary, kCommentaryLeft, 2580, kAwayPanel - kCommentaryGap - kCommentaryLeft, 5880);

  // Home column on the left, away column on the right: statistics, info list, line-up.
  fixedText(Label2, 120, 1800, 1080, "Possession:");
  fixedText(Label5, 120, 2055, 1080, "Shots:");
  fixedText(Label7, 120, 2310, 1080, "Fouls:");
  valueLabel(possesshome, 1200, 1800, 1080);
  valueLabel(homeshotslabel, 1200, 2055, 1080);
  valueLabel(homefoulslabel, 1200, 2310, 1080);
  place(homeinfo, 120, 2640, 2160, 1200);
  fixedText(Label3, 9600, 1800, 1080, "Possession:");
  fixedText(Label6, 9600, 2055, 1080, "Shots:");
  fixedText(Label8, 9600, 2310, 1080, "Fouls:");
  valueLabel(possessaway, 10680, 1800, 1080);
  valueLabel(awayshotslabel, 10680, 2055, 1080);
  valueLabel(awayfoulslabel, 10680, 2310, 1080);
  place(awayinfo, 9600, 2640, 2160, 1200);
  for (int i = 0; i <= 10; ++i) {
    const int top = 3960 + 255 * i;
    fixedText(Label10(i), 120, top, kPanelName, "");
    fixedText(Label11(i), 120 + kPanelName + 60, top, kPanelPosition, "");
    fixedText(Label12(i), kAwayPanel, top, kPanelName, "");
    fixedText(Label13(i), kAwayPanel + kPanelName + 60, top, kPanelPosition, "");
    // A long name shows shortened, whole in its tip; a position shows whole.
    for (ui::Label* cell : {&Label10(i), &Label11(i), &Label12(i), &Label13(i)}) cell->setElide(true);
  }

  for (int i = 0; i <= 10; ++i) {
    panel_[1].name[i] = &Label10(i);
    panel_[1].position[i] = &Label11(i);
    panel_[2].name[i] = &Label12(i);
    panel_[2].position[i] = &Label13(i);
  }
  for (int k = 1; k <= 25; ++k) zoneMarker_[k] = &thepitch(k);

  Minbox.onClick = [this] { Minbox_Click(); };
  Command1.onClick = [this] { Command1_Click(); };
  Command3.onClick = [this] { Command3_Click(); };
  designDone();
}

void MatchEngine::arrangeForScreenMode() {
  if (mls().ScreenMode != "1024 X 768") return;
  Image3.setWidth(16000);
  // Down to the screen's bottom edge: a window without a title bar takes it all.
  Image3.setHeight(ui::kLargeScreenHeight);
  auto shift = [](ui::Control& c, int by) { c.setLeft(c.left() + by); };
  // The middle column keeps its place relative to the centre, the away column to the right edge.
  for (ui::Control* c : std::initializer_list<ui::Control*>{&Fastsim, &stadiumname, &Label4, &Commentary,
                                                            &hometeamlabel, &awayteamlabel, &Referees, &Image4,
                                                            &Label16, &Minbox, &Command1, &Command3, &attendancebar}) {
    shift(*c, 2000);
  }
  for (int k = 1; k <= 25; ++k) shift(thepitch(k), 2000);
  for (ui::Control* c : std::initializer_list<ui::Control*>{&awayinfo, &Label3, &Label6, &Label8, &possessaway,
                                                            &awayshotslabel, &awayfoulslabel}) {
    shift(*c, 3480);
  }
  for (int i = 0; i <= 10; ++i) {
    shift(Label12(i), 3360);
    shift(Label13(i), 3360);
  }
  // The commentary takes the room the middle column gained, up to the away panel.
  Commentary.setWidth(Label12(0).left() - kCommentaryGap - Commentary.left());
  Label16.setWidth(Commentary.width());
  shift(Image2, 3375);
  hometeambgcol.setWidth(static_cast<int>(std::lround(hometeambgcol.width() * 1.28)));
  awayteambgcol.setWidth(static_cast<int>(std::lround(awayteambgcol.width() * 1.28)));
  awayteambgcol.setLeft(static_cast<int>(std::lround(awayteambgcol.left() * 1.28)));
  Label1.setLeft(7340);
  Label14.setLeft(7520);
}

void MatchEngine::freeloader() {
  ui::screen<MainModule>().Show();
  Unload();
}

void MatchEngine::Form_QueryUnload(int& cancel, ui::UnloadMode mode) {
  // A match in progress is waiting on this screen's buttons; closing it would leave that wait unanswerable.
  if (running_ && mode != ui::UnloadMode::ProgramEnd) {
    cancel = 1;
    return;
  }
  // Closed by the user after the round: back to the hub, as the minute button does.
  MainModule& hub = ui::screen<MainModule>();
  if (mode == ui::UnloadMode::CloseBox && roundOver() && !hub.loaded()) hub.Show();
}

int MatchEngine::flowOf(int club) { return flowInPlay(mls(), club); }

int MatchEngine::tacticOf(int club) { return tacticInPlay(mls(), club); }

}  // namespace kervale
