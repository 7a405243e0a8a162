#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "base/file_error.h"
#include "data/mls_module.h"
#include "newgame/new_game_loader.h"
#include "ui/control.h"
#include "ui/control_array.h"
#include "ui/form.h"

namespace kervale {

// The new-game screen: its load runs the data loader; the user pages through
// the clubs of a country, picks one, types a name, chooses options and starts
// the game with OK.
class PickTeam : public ui::Form {
 public:
  PickTeam();

  // ---- Country buttons
  ui::CommandButton Command1{*this, "Command1"};        // USA
  ui::CommandButton Command1347{*this, "Command1347"};  // England
  ui::CommandButton Command7{*this, "Command7"};        // Australia
  ui::CommandButton Command2{*this, "Command2"};        // Germany
  ui::CommandButton Command5{*this, "Command5"};        // Scotland
  ui::CommandButton Command4{*this, "Command4"};        // Mexico
  ui::Label Label4{*this, "Label4"};                    // the selected country

  // ---- Club picker
  ui::ControlArray<ui::CommandButton> teambutton{*this, "teambutton", 1, 10};
  ui::VScrollBar VScroll1{*this, "VScroll1"};
  ui::Label teamnamelabel{*this, "teamnamelabel"};
  ui::Label shape4{*this, "shape4"};  // colour swatch
  ui::Label Label2{*this, "Label2"};  // "Roster"
  ui::ListBox PlayersList{*this, "PlayersList"};
  ui::Image Image1{*this, "Image1"};  // club badge
  ui::Label Label3{*this, "Label3"};  // "Defense  "
  ui::Label Label5{*this, "Label5"};  // "Midfield  "
  ui::Label Label6{*this, "Label6"};  // "Attack  "
  ui::Label Label7{*this, "Label7"};  // "Overall  "
  ui::Label defenseshape{*this, "defenseshape"};
  ui::Label midfieldshape{*this, "midfieldshape"};
  ui::Label forwardshape{*this, "forwardshape"};
  ui::Label overallshape{*this, "overallshape"};

  // ---- Name and options
  ui::Label Label1{*this, "Label1"};  // "Your Name:"
  ui::TextBox Text1{*this, "Text1"};
  ui::Frame Frame1{*this, "Frame1"};  // "Gameplay Modes"
  ui::ControlArray<ui::OptionButton> Option2{*this, "Option2", 0, 1};
  ui::Frame Frame2{*this, "Frame2"};  // "MLS Playoffs"
  ui::ControlArray<ui::OptionButton> Option3{*this, "Option3", 0, -1};
  ui::Frame Frame3{*this, "Frame3"};  // "Run Leagues"
  ui::ControlArray<ui::CheckBox> Check1{*this, "Check1", 0, 5};
  ui::Frame Frame4{*this, "Frame4"};  // "Manager Approval"
  ui::ControlArray<ui::OptionButton> managerapproval{*this, "managerapproval", 0, -1};
  ui::ControlArray<ui::OptionButton> Option1{*this, "Option1", 0, 1};  // screen layout

  // ---- Buttons
  ui::CommandButton Command3{*this, "Command3"};  // Load Game
  ui::CommandButton Command6{*this, "Command6"};  // Quit
  ui::CommandButton OkButtonTeamSelect{*this, "OkButtonTeamSelect"};

  // Filled by the loader; kept while the screen lives.
  NewGameScreenTables screenTables;

  // Tests and the headless runner set a seed so that a new game is repeatable;
  // the game leaves it empty and the loader seeds from the clock.
  std::optional<std::uint64_t> loaderSeed;
  // The file that stopped the last load, when it failed.
  std::optional<FileError> loadError;

  // ---- Handlers
  void Command1_Click();     // USA
  void Command1347_Click();  // England
  void Command7_Click();     // Australia
  void Command2_Click();     // Germany
  void Command5_Click();     // Scotland
  void Command4_Click();     // Mexico
  void VScroll1_Change();
  void teambutton_Click(int Index);
  void PlayersListDraw();
  void Command3_Click();  // Load Game
  void Command6_Click();  // Quit
  void OkButtonTeamSelect_Click();

 protected:
  void Form_Load() override;

 private:
  // A country page: the scroll bar's range and the country's name.
  void showPage(int low, int high, const char* country);
};

}  // namespace kervale
