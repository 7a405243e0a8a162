#pragma once

#include "ui/control.h"
#include "ui/form.h"

namespace kervale {

// The user's club accounts, read only: the last match's income, the wage
// bill, the scouting budget, the balance and the MLS salary cap.
class Finances : public ui::Form {
 public:
  Finances();

  // ---- Captions
  ui::Label Label1{*this, "Label1"};    // "Ticket Sales"
  ui::Label Label2{*this, "Label2"};    // "TV\Radio Income"
  ui::Label Label3{*this, "Label3"};    // "Concessions"
  ui::Label Label5{*this, "Label5"};    // "Sponsorship"
  ui::Label Label9{*this, "Label9"};    // "Total Income"
  ui::Label Label10{*this, "Label10"};  // "Wages"
  ui::Label Label12{*this, "Label12"};  // "Scouting Funding"
  ui::Label Label13{*this, "Label13"};  // "Taxes"
  ui::Label Label14{*this, "Label14"};  // "Transfers In/Out"
  ui::Label Label15{*this, "Label15"};  // "Total Expenses"
  ui::Label Label18{*this, "Label18"};  // "Previous Account"
  ui::Label Label20{*this, "Label20"};  // "Total:"
  ui::Label Label21{*this, "Label21"};  // "Your Salaries:"
  ui::Label Label22{*this, "Label22"};  // "Salary Cap:"
  // ---- Values
  ui::Label Ticketsales{*this, "Ticketsales"};
  ui::Label TVSales{*this, "TVSales"};
  ui::Label Label19{*this, "Label19"};  // sponsorship
  ui::Label Label4{*this, "Label4"};    // total income
  ui::Label Label6{*this, "Label6"};    // wages
  ui::Label Label7{*this, "Label7"};    // scouting funding
  ui::Label Label8{*this, "Label8"};    // total expenses
  ui::Label Label17{*this, "Label17"};  // balance
  ui::Label Label16{*this, "Label16"};  // "k" beside the balance
  ui::Label Label11{*this, "Label11"};  // the user's salaries
  ui::Label salcap{*this, "salcap"};
  ui::CommandButton Command1{*this, "Command1"};  // "OK"

  void Command1_Click();

 protected:
  void Form_Load() override;
  void Form_Deactivate() override;
};

// The hub's way in.
void showFinances();

}  // namespace kervale
