#include "club/chairman.h"

#include <optional>
#include <string>

#include "base/numbers.h"
#include "club/club_office.h"
#include "data/mls_module.h"
#include "shell/main_module.h"
#include "ui/backend.h"
#include "ui/screen.h"

namespace kervale {

namespace {

constexpr int kTopPrice = 40;
constexpr int kRefusalsToClose = 3;

// The hub as the resignation leaves it: only the days can pass.
void hubWithoutClub() {
  MainModule& hub = ui::screen<MainModule>();
  for (ui::CommandButton* b :
       {&hub.Command1, &hub.Command3, &hub.Command8, &hub.Command5, &hub.Command6, &hub.Command9}) {
    b->setEnabled(false);
  }
  hub.TeamSelect_Menu.setEnabled(false);
  hub.Visit_team_websiteGODAMMIT.setEnabled(false);
  hub.PlayGamesBUtton.setEnabled(true);
}

}  // namespace

void showChairman() { ui::screen<Chairman>().Show(); }

Chairman::Chairman() : Form("Chairman") {
  setCaption("Chairman's Office");
  move(0, 0, 8400, 5400);
  setBorderStyle(1);
  setBackColor(0x404040);

  Image3.move(240, 240, 1455, 1455);
  Image3.setStretch(true);
  Label1.setCaption("Sponsor:");
  Label1.move(1920, 240, 1200, 285);
  Label3.move(3120, 240, 4935, 285);
  Label4.setCaption("Ticket Price:");
  Label4.move(1920, 720, 1200, 285);
  HScroll2.move(3120, 720, 3600, 255);
  HScroll2.setMin(0);
  HScroll2.setMax(kTopPrice);
  HScroll2.setSmallChange(1);
  HScroll2.setLargeChange(3);
  Label2.move(6840, 720, 1215, 285);
  for (ui::Label* l : {&Label1, &Label3, &Label4, &Label2}) {
    l->setOpaque(false);
    l->setForeColor(ui::kWhite);
  }
  lblAppr.move(1920, 1200, 6135, 495);
  lblAppr.setOpaque(false);
  lblAppr.setForeColor(0x80FFFF);
  lblAppr.setFont(ui::Font{"Arial", 10, true});
  Label6.move(240, 1920, 7815, 1335);
  Label6.setBackColor(ui::kWhite);
  Label6.setBorderStyle(1);

  Combo1.move(240, 3480, 4335, 315);
  Command3.setCaption("Chat");
  Command3.move(4800, 3480, 1575, 375);
  Command4.setCaption("Ticket Pricing");
  Command4.move(6480, 3480, 1575, 375);
  Command2.setCaption("Resign");
  Command2.move(240, 4440, 1575, 495);
  Command1.setCaption("OK");
  Command1.move(6480, 4440, 1575, 495);

  Command1.onClick = [this] { Command1_Click(); };
  Command2.onClick = [this] { Command2_Click(); };
  Command3.onClick = [this] { Command3_Click(); };
  Command4.onClick = [this] { Command4_Click(); };
  HScroll2.onChange = [this] { HScroll2_Change(); };
  designDone();
}

void Chairman::Form_Load() {
  const MLSModule& g = mls();
  ticketRefusals_ = 0;
  Image3.setPicture(g.TeamLogo(g.MyTeam));
  Label3.setCaption(g.TeamSponsor(g.MyTeam));
  HScroll2.setValue(g.TicketPrice(g.MyTeam));
  HScroll2_Change();  // a price equal to the design value fires no change
  if (auto quote = approvalQuote(g.ManagerApproval(g.MyTeam), QuoteMoment::Opening)) lblAppr.setCaption(*quote);
  Label6.setCaption(lblAppr.caption());
  for (int topic = 0; topic < kTopics; ++topic) Combo1.addItem(topicCaption(g, topic));
  Combo1.setListIndex(kPerformance);
}

void Chairman::HScroll2_Change() { Label2.setCaption(Str(HScroll2.value()) + "$"); }

void Chairman::Command3_Click() {
  MLSModule& g = mls();
  if (Combo1.listIndex() == kPerformance) {
    if (auto quote = approvalQuote(g.ManagerApproval(g.MyTeam), QuoteMoment::Talk)) lblAppr.setCaption(*quote);
    Label6.setCaption(lblAppr.caption());
    return;
  }
  if (auto answer = talkAbout(g, Combo1.listIndex())) Label6.setCaption(*answer);
}

void Chairman::Command4_Click() {
  const TicketVerdict verdict = proposeTicketPrice(mls(), HScroll2.value());
  Label6.setCaption(verdict.answer);
  if (!verdict.tooExpensive) return;
  if (++ticketRefusals_ == kRefusalsToClose) Command4.setEnabled(false);
}

void Chairman::Command2_Click() {
  if (ui::MsgBox("Are you sure you want to resign?", ui::MsgButtons::YesNo, ui::MsgIcon::Question,
                 "A Vital Career Decision") != ui::MsgResult::Yes) {
    return;
  }
  ui::MsgBox("Your resignation has been finalised.\rThis is your last day with the club.");
  resignManager(mls());
  hubWithoutClub();
  Unload();
}

void Chairman::Command1_Click() { Unload(); }

void Chairman::Form_Deactivate() { Unload(); }

}  // namespace kervale
