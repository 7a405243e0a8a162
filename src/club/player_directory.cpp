#include "club/player_directory.h"

#include "ui/types.h"

namespace kervale {

using namespace ui;

namespace {

constexpr int kRow = 330;      // height of one row of a frame
constexpr int kRowText = 255;  // height of the text of a row
constexpr int kFramesTop = 2040;
constexpr int kPanelsTop = 5520;  // below the statistics, the tallest frame
constexpr int kSkillWidth = 1680;
constexpr int kStatWidth = 1350;
constexpr Colour kDarkGrey = 0x404040;

void place(Control& c, Control& frame, int left, int top, int width, int height = kRowText) {
  c.move(left, top, width, height);
  c.setContainer(&frame);
}

// A row of a frame: its fixed caption and the label that shows its value.
void row(Label& caption, const char* text, Label& value, Frame& frame, int line, int valueLeft, int valueWidth) {
  const int top = frame.top() + kRow + line * kRow;
  caption.setCaption(text);
  place(caption, frame, frame.left() + 120, top, valueLeft - frame.left() - 180);
  place(value, frame, valueLeft, top, valueWidth);
}

void frameAt(Frame& frame, const char* caption, int left, int top, int width, int height) {
  frame.setCaption(caption);
  frame.move(left, top, width, height);
  frame.setFontBold(true);
}

void overBackground(Label& label, double size) {
  setTextBacking(label);
  label.setForeColor(kWhite);
  label.setFont(Font{"Arial", size, true});
}

}  // namespace

PlayerDirectory::PlayerDirectory() : Form("PlayerDirectory") {
  setCaption("Player Profile");
  move(0, 0, 12000, 9000);
  setBorderStyle(3);
  setBackColor(kDarkGrey);

  Image2.move(0, 0, 12000, 9000);  // the whole card: no strip below the picture
  Image2.setStretch(true);
  Label19.move(0, 0, 12015, 615);
  Image1.move(240, 60, 495, 495);
  Image1.setStretch(true);
  TeamNameLabel.move(1080, 120, 6000, 375);
  TeamNameLabel.setOpaque(false);
  TeamNameLabel.setFont(Font{"MS Sans Serif", 14, true});
  Label1.setCaption("PLAYER PROFILE");
  Label1.move(240, 720, 3000, 375);
  overBackground(Label1, 12);
  Label2.move(240, 1140, 5000, 435);
  overBackground(Label2, 14);
  teamplayfor.move(240, 1620, 3600, 315);
  teamplayfor.setAlignment(Alignment::Center);
  teamplayfor.setFontBold(true);
  Labbel.move(5400, 1140, 900, 600);
  Labbel.setStretch(true);

  frameAt(Frame2, "Personal Attributes", 240, kFramesTop, 3840, 2760);
  const int personal = 1560;
  row(FieldLabel(0), "Age:", Label10, Frame2, 0, personal, 2400);
  row(FieldLabel(1), "Birthdate:", Label61, Frame2, 1, personal, 2400);
  row(FieldLabel(2), "Country:", Label9, Frame2, 2, personal, 2400);
  row(Label8, "Contract:", Label12, Frame2, 3, personal, 2400);
  row(Label17, "Wage:", Label18, Frame2, 4, personal, 2400);
  row(FieldLabel(3), "Availability:", Label34, Frame2, 5, personal, 2400);

  frameAt(Frame3, "Skill Attributes", 4200, kFramesTop, 3300, 2760);
  const int skills = 5700;
  row(FieldLabel(4), "Keeping:", Label25, Frame3, 0, skills, kSkillWidth);
  row(FieldLabel(5), "Defense:", Label26, Frame3, 1, skills, kSkillWidth);
  row(FieldLabel(6), "Midfield:", Label27, Frame3, 2, skills, kSkillWidth);
  row(FieldLabel(7), "Forward:", Label32, Frame3, 3, skills, kSkillWidth);
  row(FieldLabel(8), "Best Attribute:", Label38, Frame3, 4, skills, kSkillWidth);
  row(FieldLabel(9), "Worst Attribute:", Label39, Frame3, 5, skills, kSkillWidth);
  row(FieldLabel(10), "Aggression:", Label41, Frame3, 6, skills, kSkillWidth);

  // The statistics take the width the skills spare: an average rating is
  // written with up to fifteen digits.
  frameAt(Frame4, "Statistics", 7620, kFramesTop, 4140, 3420);
  const int season = 8940;
  const int career = 10320;
  Label59.setCaption("2002");
  place(Label59, Frame4, season, kFramesTop + kRow, kStatWidth);
  Label62.setCaption("Career");
  place(Label62, Frame4, career, kFramesTop + kRow, kStatWidth);
  struct StatRow {
    const char* text;
    Label* season;
    Label* career;
  };
  const StatRow stats[] = {
      {"Games:", &Label52, &Label63},        {"Goals:", &Label58, &Label64},         {"Assists:", &Label57, &Label65},
      {"Points:", &Label56, &Label66},       {"Shots on Goal:", &Label55, &Label67}, {"Fouls:", &Label54, &Label68},
      {"Match Rating:", &Label70, &Label71}, {"Susp. Points:", &Label4, &Label6},
  };
  for (int i = 0; i < 8; ++i) {
    row(FieldLabel(11 + i), stats[i].text, *stats[i].season, Frame4, i + 1, season, kStatWidth);
    place(*stats[i].career, Frame4, career, stats[i].season->top(), kStatWidth);
    stats[i].season->setCaption("0");
    stats[i].career->setCaption("0");
  }
  Label67.setCaption("N/A");
  // A longer average still is shortened, the whole of it in the tip.
  Label70.setElide(true);
  Label71.setElide(true);

  frameAt(Frame5, "Transfer Info", 240, kPanelsTop, 3840, 2880);
  FieldLabel(19).setCaption("Interested Teams:");
  place(FieldLabel(19), Frame5, 360, kPanelsTop + kRow, 3600);
  place(Label43, Frame5, 360, kPanelsTop + 2 * kRow, 3600, 1560);
  FieldLabel(20).setCaption("Highest Bid: ");
  place(FieldLabel(20), Frame5, 360, kPanelsTop + 2460, 1200);
  place(Label45, Frame5, 1620, kPanelsTop + 2460, 1080);
  place(Label46, Frame5, 2760, kPanelsTop + 2460, 1080);

  frameAt(Frame1, "Contract", 4200, kPanelsTop, 3840, 2880);
  FieldLabel(21).setCaption("Contr. Length:");
  place(FieldLabel(21), Frame1, 4320, kPanelsTop + kRow, 1260);
  place(HScroll1, Frame1, 5640, kPanelsTop + kRow, 1440);
  place(Label15, Frame1, 7140, kPanelsTop + kRow, 840);
  FieldLabel(22).setCaption("Wage:");
  place(FieldLabel(22), Frame1, 4320, kPanelsTop + 3 * kRow, 1260);
  place(HScroll2, Frame1, 5640, kPanelsTop + 3 * kRow, 1440);
  place(Label16, Frame1, 7140, kPanelsTop + 3 * kRow, 840);
  Command6.setCaption("Offer Contract");
  place(Command6, Frame1, 4320, kPanelsTop + 2160, 3600, 495);
  HScroll1.setMin(1);
  HScroll1.setMax(5);
  HScroll1.setValue(1);
  HScroll2.setMin(1);
  HScroll2.setMax(50);
  HScroll2.setValue(1);

  frameAt(Frame6, "Bid for player", 4200, kPanelsTop, 3840, 2880);
  place(Label20, Frame6, 4320, kPanelsTop + kRow, 3600, 600);
  place(Label28, Frame6, 4320, kPanelsTop + 1000, 3600, 960);
  place(Label29, Frame6, 4320, kPanelsTop + 2040, 900);
  place(HScroll3, Frame6, 5280, kPanelsTop + 2040, 2640);
  HScroll3.setMax(0);
  Command7.setCaption("Bid");
  place(Command7, Frame6, 4320, kPanelsTop + 2340, 1740, 435);
  Command4.setCaption("Stay");
  place(Command4, Frame6, 6180, kPanelsTop + 2340, 1740, 435);

  Command1.setCaption("Shortlist Player");
  Command1.move(8160, 5640, 3600, 435);
  Command2.setCaption("Transfer List Player");
  Command2.move(8160, 5640, 3600, 435);
  Command3.setCaption("Release Player");
  Command3.move(8160, 6180, 3600, 435);
  Command10.setCaption("Leave");
  Command10.setToolTipText("Leave, dammit!");
  Command10.move(8160, 7680, 3600, 495);
  Command10.setCancel(true);

  Command10.onClick = [this] { Command10_Click(); };
  HScroll1.onChange = [this] { HScroll1_Change(); };
  HScroll2.onChange = [this] { HScroll2_Change(); };
  HScroll3.onChange = [this] { HScroll3_Change(); };
  Command2.onClick = [this] { Command2_Click(); };
  Command3.onClick = [this] { Command3_Click(); };
  Command4.onClick = [this] { Command4_Click(); };
  Command6.onClick = [this] { Command6_Click(); };
  Command7.onClick = [this] { Command7_Click(); };
  designDone();
}

}  // namespace kervale
