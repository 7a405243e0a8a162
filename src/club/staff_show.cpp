#include "club/staff_show.h"

#include "club/club_office.h"
#include "data/mls_module.h"
#include "ui/backend.h"
#include "ui/screen.h"

namespace kervale {

namespace {

constexpr const char* kPostCaptions[kStaffPosts] = {
    "Assistant Coach:", "Reserve Coach:", "Youth Coach:", "Head Scout:"};
constexpr int kRowTop = 840;
constexpr int kRow = 480;

}  // namespace

void showStaff() { ui::screen<StaffShow>().Show(); }

StaffShow::StaffShow() : Form("StaffShow") {
  setCaption("View the Staff");
  move(0, 0, 8400, 5400);
  setBorderStyle(1);

  Label1.setCaption("Club Personnel");
  Label1.move(240, 240, 4000, 375);
  Label1.setFont(ui::Font{"Arial", 14, true});
  for (int post = 0; post < kStaffPosts; ++post) {
    const int top = kRowTop + post * kRow;
    Label6(post).setCaption(kPostCaptions[post]);
    Label6(post).move(240, top, 1800, 285);
    nameLabel(post).move(2100, top, 3000, 285);
    Command2(post).setCaption("Fire");
    Command2(post).move(5280, top - 45, 1215, 375);
    Command3(post).setCaption("Info");
    Command3(post).move(6600, top - 45, 1215, 375);
  }
  const int below = kRowTop + kStaffPosts * kRow + 240;
  Label7.setCaption("Scouts in Organization:");
  Label7.move(240, below, 2400, 285);
  Command4.setCaption("Hire");
  Command4.move(2700, below - 45, 1215, 375);
  Label8.setCaption("Age:");
  Label8.move(240, below + 480, 2400, 285);
  Label9.setCaption("Previous Clubs:");
  Label9.move(240, below + 840, 2400, 285);
  Label10.setCaption("Interview Comment:");
  Label10.move(240, below + 1200, 2400, 285);
  Command1.setCaption("OK");
  Command1.move(6600, 4560, 1215, 495);

  Command1.onClick = [this] { Command1_Click(); };
  Command2.onClick([this](int index) { Command2_Click(index); });
  designDone();
}

ui::Label& StaffShow::nameLabel(int post) {
  ui::Label* labels[kStaffPosts] = {&Label2, &Label3, &Label4, &Label5};
  return *labels[post];
}

void StaffShow::Form_Load() {
  const MLSModule& g = mls();
  for (int post = 0; post < kStaffPosts; ++post) {
    Command2(post).setEnabled(staffPostOpen(g, post));
    nameLabel(post).setCaption(staffName(g, post));
    Command2(post).setCaption(staffPerson(g, post) == 0 ? "Hire" : "Fire");
  }
}

void StaffShow::Command2_Click(int Index) {
  MLSModule& g = mls();
  if (Command2(Index).caption() == "Hire") {
    hireStaff(g, Index);
  } else if (ui::MsgBox("Are you sure you want to fire " + staffName(g, Index), ui::MsgButtons::YesNo) ==
             ui::MsgResult::Yes) {
    fireStaff(g, Index);
  }
  Form_Load();
}

void StaffShow::Command1_Click() { Unload(); }

}  // namespace kervale
