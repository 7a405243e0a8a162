// The squad screen's controls: where they stand and what they say at design.
#include <string>

#include "team/team_select.h"
#include "ui/types.h"

namespace kervale {

namespace {

constexpr int kGridTop = 1000;  // row 1
constexpr int kRowHeight = 300;
constexpr int kCellHeight = 285;
constexpr int kNameLeft = 540;
constexpr int kNameWidth = 2220;
constexpr int kComboLeft = 2820;
constexpr int kComboWidth = 2130;  // the longest position name beside the box's arrow
constexpr int kNumbersLeft = 4980;
constexpr int kNumberWidth = 525;
constexpr int kRight = 8760;  // the right column of profile and tactics
constexpr int kRightWidth = 3120;
constexpr int kButton = 375;

// Rows 12..20 stand one row lower, under the "Substitutes" heading.
int rowTop(int row) { return kGridTop + (row - 1) * kRowHeight + (row >= 12 ? kRowHeight : 0); }

void inFrame(ui::Control& c, ui::Frame& frame, int left, int top, int width, const char* caption = nullptr) {
  c.move(left, top, width, 255);
  c.setContainer(&frame);
  if (caption != nullptr) c.setCaption(caption);
}

}  // namespace

void TeamSelect::layOutBand() {
  Image2.move(0, 615, 12000, 8385);
  Image2.setStretch(true);
  Label19.move(0, 0, 12015, 615);
  Image1.move(120, 60, 495, 495);
  Image1.setStretch(true);
  TeamNameLabel.move(840, 120, 6000, 375);
  TeamNameLabel.setOpaque(false);
  TeamNameLabel.setFont(ui::Font{"Arial", 14, true});
  Label18.setCaption("TEAM SELECT");
  Label18.move(8760, 120, 3120, 375);
  Label18.setOpaque(false);
  Label18.setAlignment(ui::Alignment::Right);
  Label18.setFont(ui::Font{"Arial", 14, true});
}

void TeamSelect::layOutGrid() {
  const char* headings[] = {"Player Name", "Games", "SOG", "Goals", "Assts", "Age", "Out", "Rating"};
  for (int c = 0; c <= 7; ++c) {
    ui::Label& h = ColumnHeading(c);
    h.setCaption(headings[c]);
    h.move(c == 0 ? kNameLeft : kNumbersLeft + (c - 1) * kNumberWidth, kGridTop - 280,
           c == 0 ? kNameWidth : kNumberWidth, 255);
    ui::setTextBacking(h);  // over the picture
    h.setForeColor(ui::kWhite);
    h.setFontBold(true);
    if (c > 0) h.setAlignment(ui::Alignment::Center);  // over its centred numbers
  }
  Label22.setCaption("Substitutes");
  Label22.move(kNameLeft, rowTop(12) - kRowHeight, kNameWidth, 255);
  ui::setTextBacking(Label22);
  Label22.setForeColor(ui::kWhite);
  Label22.setFontBold(true);

  for (int i = 1; i <= 20; ++i) {
    const int top = rowTop(i);
    Image3(i).move(120, top, 360, kCellHeight);
    Image3(i).setStretch(true);
    Image3(i).setVisible(false);
    PlayerName(i).move(kNameLeft, top, kNameWidth, kCellHeight);
    PlayerName(i).setWordWrap(false);
    ui::Label* numbers[] = {&goalkeepingability(i), &defensiveview(i),  &midfieldview(i), &forwardview(i),
                            &AgeLabel(i),           &goalscoredview(i), &injuryview(i)};
    for (int c = 0; c < 7; ++c) {
      numbers[c]->move(kNumbersLeft + c * kNumberWidth, top, kNumberWidth, kCellHeight);
      numbers[c]->setAlignment(ui::Alignment::Center);
    }
  }
  for (int j = 1; j <= 10; ++j) positioncombo(j).move(kComboLeft, rowTop(j + 1), kComboWidth, kCellHeight);
}

void TeamSelect::layOutProfile() {
  Frame1.move(kRight, 720, kRightWidth, 2520);
  Frame1.setVisible(false);
  Frame1.setFontBold(true);
  const int grade = kRight + 1320;
  const int gradeWidth = kRightWidth - 1440;
  inFrame(Label5, Frame1, kRight + 120, 1020, 1200, "Goaltending:");
  inFrame(Label24, Frame1, grade, 1020, gradeWidth);
  inFrame(Label6, Frame1, kRight + 120, 1320, 1200, "Defence:");
  inFrame(Label25, Frame1, grade, 1320, gradeWidth);
  inFrame(Label7, Frame1, kRight + 120, 1620, 1200, "Midfield:");
  inFrame(Label26, Frame1, grade, 1620, gradeWidth);
  inFrame(Label8, Frame1, kRight + 120, 1920, 1200, "Forward:");
  inFrame(Label27, Frame1, grade, 1920, gradeWidth);
  inFrame(Label21, Frame1, kRight + 120, 2220, kRightWidth - 240);
  Label21.setForeColor(rgbColour(192, 0, 0));
  inFrame(Label14, Frame1, kRight + 120, 2520, kRightWidth - 240, "Regular Transfer Status");
  inFrame(Check1, Frame1, kRight + 120, 2820, 1440, "Corner Taker");
  inFrame(Check2, Frame1, kRight + 1560, 2820, 1440, "Penalty Taker");
  Command7.setCaption("Full Player Profile");
  Command7.move(kRight, 3300, kRightWidth, kButton);
  Command7.setVisible(false);
}

void TeamSelect::layOutTactics() {
  Frame2.setCaption("Formations");
  Frame2.move(kRight, 3780, kRightWidth, 1080);
  inFrame(Label9, Frame2, kRight + 120, 4080, 960, "Formation:");
  formationcombo.move(kRight + 1080, 4050, kRightWidth - 1200, 315);
  formationcombo.setContainer(&Frame2);
  formationcombo.setToolTipText("Changes current formation to preset formation.");
  Command1.setCaption("OK");
  Command1.move(kRight + 1080, 4440, 960, 315);
  Command1.setContainer(&Frame2);

  struct Stacked {
    ui::CommandButton* button;
    const char* caption;
    const char* tip;
  };
  const Stacked stack[] = {
      {&tacticbutton, "Tactic: ", "Changes the general tactic of your team."},
      {&flowbutton, "Flow: ", "Changes where your team looks to pass the ball after a challenge is won."},
      {&Command10, "Change Overlap",
       "Determines how often defending and midfielding players get into the attack, and vice versa."},
      {&Command11, "Change Corner Kicks", "Changes the kind of corner kicks players look to make."},
      {&Command12, "Change Passing", "Changes what kind of passes players look to make."},
  };
  int top = 4980;
  for (const Stacked& s : stack) {
    s.button->setCaption(s.caption);
    s.button->setToolTipText(s.tip);
    s.button->move(kRight, top, kRightWidth, kButton);
    top += 420;
  }
  layOutSlotsAndExits(top);
}

void TeamSelect::layOutSlotsAndExits(int top) {
  Label10.setCaption("Save...");
  Label10.move(kRight, top + 60, 1080, 255);
  Label11.setCaption("Load...");
  Label11.move(kRight, top + 480, 1080, 255);
  for (ui::Label* l : {&Label10, &Label11}) {
    ui::setTextBacking(*l);
    l->setForeColor(ui::kWhite);
  }
  for (int n = 0; n <= 2; ++n) {
    const std::string number = std::to_string(n + 1);
    Command8(n).setCaption(number);
    Command8(n).move(kRight + 1200 + n * 640, top, 555, kButton);
    Command9(n).setCaption(number);
    Command9(n).move(kRight + 1200 + n * 640, top + 420, 555, kButton);
  }

  const int bottom = 7680;
  Command13.setCaption("Save");
  Command13.move(120, bottom, 1200, 435);
  Command2.setCaption("Save Changes and Exit");
  Command2.move(1440, bottom, 2400, 435);
  Command14.setCaption("Quit");
  Command14.move(3960, bottom, 1200, 435);
  Command3.setCaption("Formation Balance");
  Command3.setToolTipText("View strengths and weaknesses on certain areas of the pitch.");
  Command3.move(5280, bottom, 2160, 435);
}

void TeamSelect::wire() {
  PlayerName.onClick([this](int row) { PlayerName_Click(row); });
  Command7.onClick = [this] { Command7_Click(); };
  Command1.onClick = [this] { Command1_Click(); };
  tacticbutton.onClick = [this] { tacticbutton_Click(); };
  flowbutton.onClick = [this] { flowbutton_Click(); };
  Command10.onClick = [this] { Command10_Click(); };
  Command8.onClick([this](int n) { Command8_Click(n); });
  Command9.onClick([this](int n) { Command9_Click(n); });
  Command13.onClick = [this] { Command13_Click(); };
  Command2.onClick = [this] { Command2_Click(); };
  Command14.onClick = [this] { Command14_Click(); };
  Command3.onClick = [this] { Command3_Click(); };
  Label8.onClick = [this] { Label8_Click(); };
}

TeamSelect::TeamSelect() : Form("TeamSelect") {
  setCaption("Team Select");
  move(0, 0, 12000, 9000);
  setMaximized(true);  // a full-window screen
  setBackColor(0x404040);
  layOutBand();
  layOutGrid();
  layOutProfile();
  layOutTactics();
  wire();
  designDone();
}

}  // namespace kervale
