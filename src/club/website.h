#pragma once

#include <vector>

#include "ui/control.h"
#include "ui/control_array.h"
#include "ui/form.h"

namespace kervale {

// The league portal: news pages, the job market with its application form,
// and the transfer and free-transfer lists that open the player card. Stays
// open when it loses the focus.
class Website : public ui::Form {
 public:
  Website();

  // ---- Controls
  ui::Label Label1{*this, "Label1"};                           // site banner
  ui::ControlArray<ui::Label> Label4{*this, "Label4", 0, 12};  // section links; 7..12 unused
  ui::Label Label2{*this, "Label2"};                           // page title
  ui::Label Label6{*this, "Label6"};                           // page text

  ui::Frame Frame2{*this, "Frame2"};              // "Apply for position"
  ui::ComboBox Combo1{*this, "Combo1"};           // clubs taking applications
  ui::CommandButton Command2{*this, "Command2"};  // "Apply"

  ui::Frame Frame4{*this, "Frame4"};              // "Transferlisted Players"
  ui::ListBox List1{*this, "List1"};              // transfer or free-transfer list
  ui::CommandButton Command7{*this, "Command7"};  // "Get Player Details"
  ui::CommandButton Command6{*this, "Command6"};  // "Previous", no behaviour

  // "Search for Player": drawn, no behaviour.
  ui::Frame Frame3{*this, "Frame3"};
  ui::Label Label3{*this, "Label3"};  // "Name:"
  ui::TextBox Text1{*this, "Text1"};
  ui::Label Label5{*this, "Label5"};  // "Age:"
  ui::TextBox Text2{*this, "Text2"};
  ui::ControlArray<ui::CheckBox> Check1{*this, "Check1", 0, 4};  // positions, "Transfer Listed Only"
  ui::CommandButton Command3{*this, "Command3"};                 // "Search"

  ui::CommandButton Command1{*this, "Command1"};  // "Log Off"

  // ---- Handlers
  void Label4_Click(int index);
  void transferlistupdate();
  void freetransferlistupdate();
  void Command7_Click();
  void Command2_Click();
  void Command1_Click();

 protected:
  void Form_Load() override;

 private:
  void showPage(const char* title, std::string text, bool jobs, bool players);
  template <class Rows>
  void fillList(const Rows& rows);

  std::vector<int> PortalJobClub_;    // club of each Combo1 item
  std::vector<int> PortalRowPlayer_;  // player of each List1 row
};

// The hub's way in.
void showWebsite();

}  // namespace kervale
