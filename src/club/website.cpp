#include "club/website.h"

#include <string>
#include <utility>

#include "club/player_directory.h"
#include "club/portal_pages.h"
#include "data/mls_module.h"
#include "ui/backend.h"
#include "ui/screen.h"

namespace kervale {

namespace {

constexpr int kLinks = 7;
constexpr const char* kLinkCaptions[kLinks] = {
    "Headlines",        "Results",     "Endangered Jobs", "Transfers", "Transferlisted Players",
    "Team of the Week", "Free Players"};
constexpr const char* kSearchBoxes[] = {"Goalkeepers", "Defenders", "Midfielders", "Forwards", "Transfer Listed Only"};
constexpr Colour kPage = 0xF0F0F0;
constexpr Colour kBanner = 0x800000;
constexpr Colour kLink = 0xC00000;

constexpr int kPageLeft = 2400;
constexpr int kPageTop = 1200;

}  // namespace

void showWebsite() { ui::screen<Website>().Show(); }

Website::Website() : Form("Website") {
  setCaption("Quorra Soccer Online");
  move(0, 0, 12000, 8700);
  setBorderStyle(1);
  setBackColor(kPage);

  Label1.setCaption("QUORRA SOCCER ONLINE");
  Label1.move(0, 0, 12000, 855);
  Label1.setBackColor(kBanner);
  Label1.setForeColor(ui::kWhite);
  Label1.setFont(ui::Font{"Arial", 20, true});
  for (int i = 0; i <= 12; ++i) {
    ui::Label& link = Label4(i);
    link.move(120, 1200 + i * 420, 2100, 375);
    link.setOpaque(false);
    link.setForeColor(kLink);
    link.setFont(ui::Font{"Arial", 10, true});
    if (i < kLinks) link.setCaption(kLinkCaptions[i]);
  }
  Label4.onClick([this](int i) { Label4_Click(i); });

  Label2.move(kPageLeft, kPageTop, 9400, 495);
  Label2.setOpaque(false);
  Label2.setFont(ui::Font{"Arial", 16, true});
  Label6.move(kPageLeft, kPageTop + 600, 6600, 4200);
  Label6.setOpaque(false);
  Label6.setWordWrap(true);
  Label6.setScrollBars(true);  // a full matchday's results run far past the page

  Frame2.setCaption("Apply for position");
  Frame2.move(kPageLeft, 6000, 5400, 1095);
  Combo1.move(kPageLeft + 120, 6360, 3600, 315);
  Combo1.setContainer(&Frame2);
  Command2.setCaption("Apply");
  Command2.move(kPageLeft + 3960, 6300, 1215, 435);
  Command2.setContainer(&Frame2);
  Command2.onClick = [this] { Command2_Click(); };

  Frame4.setCaption("Transferlisted Players");
  Frame4.move(kPageLeft, kPageTop + 600, 6600, 5400);
  List1.move(kPageLeft + 120, kPageTop + 900, 6360, 4455);
  List1.setContainer(&Frame4);
  Command7.setCaption("Get Player Details");
  Command7.move(kPageLeft + 120, kPageTop + 5460, 2100, 435);
  Command7.setContainer(&Frame4);
  Command7.onClick = [this] { Command7_Click(); };
  Command6.setCaption("Previous");
  Command6.move(kPageLeft + 2400, kPageTop + 5460, 1335, 435);
  Command6.setContainer(&Frame4);

  Frame3.setCaption("Search for Player");
  Frame3.move(9120, kPageTop + 600, 2760, 3960);
  Label3.setCaption("Name:");
  Text1.setLocked(true);
  Label5.setCaption("Age:");
  Text2.setLocked(true);
  int top = kPageTop + 900;
  for (ui::Control* c : {static_cast<ui::Control*>(&Label3), static_cast<ui::Control*>(&Text1),
                         static_cast<ui::Control*>(&Label5), static_cast<ui::Control*>(&Text2)}) {
    c->move(9240, top, 2520, 285);
    c->setContainer(&Frame3);
    top += 330;
  }
  for (int i = 0; i <= 4; ++i) {
    Check1(i).setCaption(kSearchBoxes[i]);
    Check1(i).move(9240, top, 2520, 285);
    Check1(i).setContainer(&Frame3);
    top += 330;
  }
  Command3.setCaption("Search");
  Command3.move(9240, top + 60, 1215, 375);
  Command3.setContainer(&Frame3);

  Command1.setCaption("Log Off");
  Command1.move(10440, 7800, 1335, 435);
  Command1.onClick = [this] { Command1_Click(); };
  designDone();
}

void Website::Form_Load() {
  const MLSModule& g = mls();
  Frame2.setVisible(false);
  Combo1.clear();
  if (g.AppliedTeam != 0) Command2.setEnabled(false);
  PortalJobClub_ = jobClubs(g);
  for (int club : PortalJobClub_) Combo1.addItem(g.TeamName(club));
  for (int i = kLinks; i <= 12; ++i) Label4(i).setVisible(false);
  Label4_Click(0);
}

void Website::showPage(const char* title, std::string text, bool jobs, bool players) {
  Label2.setCaption(title);
  Label6.setCaption(std::move(text));
  Label2.setVisible(true);
  Label6.setVisible(true);
  Frame2.setVisible(jobs);
  Frame4.setVisible(players);
}

void Website::Label4_Click(int index) {
  const MLSModule& g = mls();
  switch (index) {
    case 0:
      showPage("HEADLINES", headlinesText(g), false, false);
      break;
    case 1:
      showPage("Results", g.LastResultText, false, false);
      break;
    case 2:
      showPage("Unstable Times at these clubs", jobMarketText(g), true, false);
      break;
    case 3:
      showPage("Last Week's Transfers", g.LastWeekTransfersText, false, false);
      break;
    case 4:
      showPage("Transfer List", "", false, true);
      transferlistupdate();
      break;
    case 5:
      showPage("Quorra Team of the Week", g.TeamOfTheWeekText, false, false);
      break;
    case 6:
      showPage("Free Transfer List", "", false, true);
      freetransferlistupdate();
      break;
    default:
      break;  // the unused links have no page
  }
}

template <class Rows>
void Website::fillList(const Rows& rows) {
  List1.clear();
  Label6.setCaption("");
  PortalRowPlayer_.clear();
  PortalRowPlayer_.reserve(rows.size());
  for (const PortalRow& row : rows) {
    List1.addItem(row.text);
    PortalRowPlayer_.push_back(row.player);
  }
}

void Website::transferlistupdate() { fillList(transferListRows(mls())); }

void Website::freetransferlistupdate() { fillList(freeTransferRows(mls())); }

void Website::Command7_Click() {
  const int row = List1.listIndex();
  if (row < 0 || row >= static_cast<int>(PortalRowPlayer_.size())) return;
  showPlayerCard(PortalRowPlayer_[row]);
}

void Website::Command2_Click() {
  const int item = Combo1.listIndex();
  if (item < 0 || item >= static_cast<int>(PortalJobClub_.size())) return;
  switch (applyForJob(mls(), PortalJobClub_[item])) {
    case Application::Sent:
      Command2.setEnabled(false);
      break;
    case Application::OwnClub:
      ui::MsgBox("Your own team is not likely to rehire you after the job you've been doing.");
      break;
    case Application::NoClub:
      break;
  }
}

void Website::Command1_Click() { Unload(); }

}  // namespace kervale
