#include "club/finances.h"

#include <string>
#include <utility>

#include "base/numbers.h"
#include "club/club_office.h"
#include "data/mls_module.h"
#include "ui/screen.h"

namespace kervale {

namespace {

constexpr int kCaptionLeft = 240;
constexpr int kValueLeft = 3000;
constexpr int kRow = 360;

std::string kText(double thousands) { return numText(thousands) + "k"; }

}  // namespace

void showFinances() { ui::screen<Finances>().Show(); }

Finances::Finances() : Form("Finances") {
  setCaption("Finances");
  move(0, 0, 7800, 6600);
  setBorderStyle(1);

  // Caption and value of each row; the value-less captions stand alone.
  const std::pair<ui::Label*, ui::Label*> rows[] = {{&Label1, &Ticketsales}, {&Label2, &TVSales}, {&Label3, nullptr},
                                                    {&Label5, &Label19},     {&Label9, &Label4},  {&Label10, &Label6},
                                                    {&Label12, &Label7},     {&Label13, nullptr}, {&Label14, nullptr},
                                                    {&Label15, &Label8},     {&Label18, nullptr}, {&Label20, &Label17}};
  const char* captions[] = {"Ticket Sales",     "TV\\Radio Income",
                            "Concessions",      "Sponsorship",
                            "Total Income",     "Wages",
                            "Scouting Funding", "Taxes",
                            "Transfers In/Out", "Total Expenses",
                            "Previous Account", "Total:"};
  int top = 240;
  for (int i = 0; i < 12; ++i) {
    rows[i].first->setCaption(captions[i]);
    rows[i].first->move(kCaptionLeft, top, 2600, 285);
    if (rows[i].second != nullptr) {
      rows[i].second->move(kValueLeft, top, 1400, 285);
      rows[i].second->setAlignment(ui::Alignment::Right);
    }
    top += kRow;
  }
  for (ui::Label* total : {&Label9, &Label15, &Label20}) total->setFontBold(true);
  Label16.setCaption("k");
  Label16.move(kValueLeft + 1400, Label17.top(), 300, 285);

  Label21.setCaption("Your Salaries:");
  Label21.move(4800, 240, 1500, 285);
  Label11.move(6300, 240, 1200, 285);
  Label22.setCaption("Salary Cap:");
  Label22.move(4800, 600, 1500, 285);
  salcap.move(6300, 600, 1300, 285);

  Command1.setCaption("OK");
  Command1.move(5880, 5400, 1575, 495);
  Command1.onClick = [this] { Command1_Click(); };
  designDone();
}

void Finances::Form_Load() {
  const MLSModule& g = mls();
  const int club = static_cast<int>(g.MyTeam);
  const bool mlsClub = isMLSClub(club);
  const double bill = Int(squadWageBill(g, club));

  Ticketsales.setCaption(thousandsText(g.TicketIncome));
  TVSales.setCaption(thousandsText(g.TvIncome));
  Label19.setCaption(kText(g.SponsorIncome));
  Label4.setCaption(kText(g.SponsorIncome + Int((g.TicketIncome + g.TvIncome) / 1000)));
  Label6.setCaption(mlsClub ? "MLS" : kText(bill));
  Label7.setCaption(kText(scoutingBudget(g, club)));
  Label8.setCaption(kText(mlsClub ? g.TeamWages(club) : g.TeamWages(club) + bill));
  Label17.setCaption(numText(Int(g.TeamMoney(club) / 1000)));
  Label11.setCaption(kText(bill));
  salcap.setCaption(mlsClub ? kText(g.SalaryCap) : "Not applicable");
}

void Finances::Command1_Click() { Unload(); }

void Finances::Form_Deactivate() { Unload(); }

}  // namespace kervale
