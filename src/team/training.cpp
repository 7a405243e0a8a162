#include "team/training.h"

#include <string>

#include "base/colour.h"
#include "data/club_colours.h"
#include "data/mls_module.h"
#include "team/training_plan.h"
#include "ui/backend.h"
#include "ui/screen.h"

namespace kervale {

using namespace ui;

namespace {

constexpr const char* kDays[kTrainingDays] = {"Monday:", "Tuesday:", "Wednesday:", "Thursday:", "Friday:"};

// The plan grid: a column of two lists per group, a line per day.
constexpr int kGridLeft = 1320;
constexpr int kGroupWidth = 3480;
constexpr int kGridTop = 1200;
constexpr int kDayHeight = 420;
// The player rows under it.
constexpr int kRowsTop = 4080;
constexpr int kRowHeight = 375;
constexpr int kRows = 10;
constexpr int kButtonWidth = 1080;

void place(Control& c, const char* caption, int left, int top, int width, int height) {
  c.setCaption(caption);
  c.move(left, top, width, height);
}

}  // namespace

Training::Training() : Form("Training") {
  state_.caption = "First Team Training";
  state_.width = 12000;
  state_.height = 9000;
  state_.borderStyle = 1;

  Image2.move(0, 0, 12000, 9000);  // the whole window: no strip below the picture
  Image2.setStretch(true);
  Label19.move(0, 0, 12015, 615);
  TeamNameLabel.move(1080, 120, 8000, 375);
  TeamNameLabel.setFont(Font{"MS Sans Serif", 14, true, false, false});
  TeamNameLabel.setOpaque(false);
  Image1.move(240, 60, 495, 495);
  Image1.setStretch(true);

  layoutPlanGrid();
  layoutRows();
  place(Command8, "Save All Plans", 8760, kRowsTop, 3000, 495);
  place(Command7, "Rest All", 8760, kRowsTop + 660, 3000, 495);
  place(Command1, "Exit Without Saving", 8760, kRowsTop + 1320, 3000, 495);
  Command1.setCancel(true);

  VScroll1.onChange = [this] { VScroll1_Change(); };
  Command2.onClick([this](int r) { Command2_Click(r); });
  Command4.onClick([this](int r) { Command4_Click(r); });
  Command5.onClick([this](int r) { Command5_Click(r); });
  Command6.onClick([this](int r) { Command6_Click(r); });
  Command3.onClick([this](int g) { Command3_Click(g); });
  Command8.onClick = [this] { Command8_Click(); };
  Command7.onClick = [this] { Command7_Click(); };
  Command1.onClick = [this] { Command1_Click(); };
  designDone();
}

void Training::layoutPlanGrid() {
  Label* headings[kTrainingGroups] = {&Label8, &Label9, &Label10};
  const char* groupNames[kTrainingGroups] = {"Group One", "Group Two", "Group Three"};
  for (int group = 0; group < kTrainingGroups; ++group) {
    const int left = kGridLeft + group * kGroupWidth;
    place(*headings[group], groupNames[group], left, kGridTop - 360, kGroupWidth - 120, 285);
    headings[group]->setFontBold(true);
    headings[group]->setAlignment(Alignment::Center);
    place(Command3(group + 1), "Save this plan", left, kGridTop + kTrainingDays * kDayHeight, kGroupWidth - 120, 375);
  }
  for (int day = 0; day < kTrainingDays; ++day) {
    place(Label3(day), kDays[day], 240, kGridTop + day * kDayHeight, 1000, 315);
  }
  for (int k = 0; k < kPlanCells; ++k) {
    const int left = kGridLeft + (k / kTrainingDays) * kGroupWidth;
    const int top = kGridTop + (k % kTrainingDays) * kDayHeight;
    cmboTraining(k).move(left, top, 2040, 315);
    Combo2(k).move(left + 2100, top, 1260, 315);
  }
}

void Training::layoutRows() {
  for (int r = 0; r < kRows; ++r) {
    const int top = kRowsTop + r * kRowHeight;
    Label1(r).move(240, top, 3000, 315);
    place(Command2(r), "Rest", 3360, top, kButtonWidth, 315);
    place(Command4(r), "Group 1", 3360 + kButtonWidth + 60, top, kButtonWidth, 315);
    place(Command5(r), "Group 2", 3360 + 2 * (kButtonWidth + 60), top, kButtonWidth, 315);
    place(Command6(r), "Group 3", 3360 + 3 * (kButtonWidth + 60), top, kButtonWidth, 315);
  }
  VScroll1.move(3360 + 4 * (kButtonWidth + 60), kRowsTop, 255, kRows * kRowHeight - 60);
  VScroll1.setMin(0);
  VScroll1.setMax(kTrainingSlots - kRows);
  VScroll1.setLargeChange(5);
}

void Training::Form_Load() {
  const MLSModule& g = mls();
  if (g.ScreenMode == "1024 X 768") {
    Image2.setHeight(10600);
    Image2.setWidth(16000);
    Label19.setWidth(16015);
  }
  showRows();

  const double me = g.MyTeam;
  TeamNameLabel.setCaption(g.TeamName(me));
  TeamNameLabel.setForeColor(clubNameColour(g, me));
  Label19.setBackColor(colourFromText(g.TeamColour1(me)));
  Image1.setPicture(g.TeamLogo(me));
  Image2.setPicture(g.BackgroundPicture);

  for (int k = 0; k < kPlanCells; ++k) {
    for (std::string_view type : kTrainingTypes) cmboTraining(k).addItem(std::string(type));
    for (std::string_view intensity : kTrainingIntensities) Combo2(k).addItem(std::string(intensity));
    Combo2(k).setListIndex(storedListPosition(g.TrainingPlanIntensity(k + 1), Combo2(k).listCount()));
    cmboTraining(k).setListIndex(storedListPosition(g.TrainingPlanType(k + 1), cmboTraining(k).listCount()));
  }
}

void Training::showRows() {
  const MLSModule& g = mls();
  for (int r = 0; r < kRows; ++r) {
    const std::string& name = trainingSlotName(g, VScroll1.value() + r + 1);
    Label1(r).setCaption(name);
    for (auto* buttons : {&Command2, &Command4, &Command5, &Command6}) (*buttons)(r).setEnabled(!name.empty());
  }
  traininggroupset();
}

void Training::traininggroupset() {
  const MLSModule& g = mls();
  ControlArray<CommandButton>* byGroup[] = {&Command2, &Command4, &Command5, &Command6};
  for (int r = 0; r < kRows; ++r) {
    for (auto* buttons : byGroup) (*buttons)(r).setBackColor(kButtonFace);
    const int group = g.TrainingGroup(VScroll1.value() + r + 1);
    if (group >= 0 && group <= kTrainingGroups) (*byGroup[group])(r).setBackColor(kTrainingGroupMarker);
  }
}

void Training::VScroll1_Change() { showRows(); }

void Training::setRowGroup(int row, int group) {
  setTrainingGroup(mls(), VScroll1.value() + row + 1, group);
  traininggroupset();
}

void Training::Command2_Click(int index) { setRowGroup(index, 0); }
void Training::Command4_Click(int index) { setRowGroup(index, 1); }
void Training::Command5_Click(int index) { setRowGroup(index, 2); }
void Training::Command6_Click(int index) { setRowGroup(index, 3); }

void Training::savePlanCells(int first, int last) {
  for (int cell = first; cell <= last; ++cell) {
    storePlanCell(mls(), cell, cmboTraining(cell - 1).listIndex(), Combo2(cell - 1).listIndex());
  }
}

void Training::Command3_Click(int index) {
  savePlanCells(trainingPlanCell(index, 1), trainingPlanCell(index, kTrainingDays));
  MsgBox("Plan saved successfully!", MsgButtons::OK, MsgIcon::Information);
}

void Training::Command8_Click() { savePlanCells(1, kPlanCells); }

void Training::Command7_Click() {
  if (MsgBox("Rest everybody?", MsgButtons::YesNo, MsgIcon::Question, "Rest All") != MsgResult::Yes) return;
  restWholeSquad(mls());
  traininggroupset();
}

void Training::Command1_Click() { Unload(); }

void Training::Form_Deactivate() { Unload(); }

void showTraining() { screen<Training>().Show(); }

}  // namespace kervale
