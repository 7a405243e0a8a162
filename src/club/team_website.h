#pragma once

#include <string>
#include <vector>

#include "data/mls_module.h"
#include "ui/control.h"
#include "ui/control_array.h"
#include "ui/form.h"

namespace kervale {

// A club's home page: its made-up web address, badge and colours, and pages
// for its latest news, its squad (rows open the player card) and its records.
// "Jump to Website" moves to the club chosen in the list. Closes when it
// loses the focus.
class teamWebsite : public ui::Form {
 public:
  teamWebsite();

  // ---- Controls
  ui::Shape Shape1{*this, "Shape1"};  // colour bars, beneath the address
  ui::Shape Shape2{*this, "Shape2"};
  ui::Label Label1{*this, "Label1"};                                // web address
  ui::Label Label2{*this, "Label2"};                                // greeting line
  ui::Image Image1{*this, "Image1"};                                // badge
  ui::ComboBox Combo1{*this, "Combo1"};                             // every club
  ui::ControlArray<ui::Label> SiteLinks{*this, "SiteLinks", 0, 6};  // section links
  ui::ListBox List1{*this, "List1"};                                // squad page
  ui::Label Label3{*this, "Label3"};                                // page text
  ui::CommandButton Command1{*this, "Command1"};                    // "Log Off"

  // ---- Handlers
  void SiteLinks_Click(int index);
  void List1_Click();
  void Command1_Click();

 protected:
  void Form_Load() override;
  void Form_Deactivate() override;

 private:
  void buildPage();
  void showColours(int club);
  void newsPage();
  void squadPage();
  void recordsPage();

  int club_ = 0;                     // the club shown
  double ClubPageSection_ = 0;       // 1 once the squad page has opened
  std::vector<int> squadRowPlayer_;  // player of each List1 row
};

// The web address of a club's page: its name and a suffix by where it plays.
std::string clubAddress(const MLSModule& g, int club);

// Shows the home page of `club` (1..285), built afresh.
void showClubPage(int club);

}  // namespace kervale
