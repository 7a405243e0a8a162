#pragma once

#include "ui/control.h"
#include "ui/control_array.h"
#include "ui/form.h"

namespace kervale {

// The squad screen: the user's twenty players in a grid, exchanged two clicks
// at a time, the profile of the clicked player, the ten outfield positions,
// preset formations, tactic, flow, push-up and the saved tactic slots. Every
// change except the positions is written at once; the positions wait for
// "Save". Opened only through showTeamSelect; it hands back to the hub.
class TeamSelect : public ui::Form {
 public:
  TeamSelect();

  // ---- Controls: the band and background
  ui::Image Image2{*this, "Image2"};                // background picture
  ui::Label Label19{*this, "Label19"};              // title band in the club's first colour
  ui::Image Image1{*this, "Image1"};                // club badge
  ui::Label TeamNameLabel{*this, "TeamNameLabel"};  // on the band
  ui::Label Label18{*this, "Label18"};              // "TEAM SELECT"

  // ---- The grid: element i of each array is row i, squad slot i.
  ui::ControlArray<ui::Label> ColumnHeading{*this, "ColumnHeading", 0, 7};
  ui::Label Label22{*this, "Label22"};                                 // "Substitutes", between rows 11 and 12
  ui::ControlArray<ui::Image> Image3{*this, "Image3", 1, 20};          // flags
  ui::ControlArray<ui::Label> PlayerName{*this, "PlayerName", 1, 20};  // tag and name; the click target
  ui::ControlArray<ui::Label> goalkeepingability{*this, "goalkeepingability", 1, 20};  // games
  ui::ControlArray<ui::Label> defensiveview{*this, "defensiveview", 1, 20};            // shots on goal
  ui::ControlArray<ui::Label> midfieldview{*this, "midfieldview", 1, 20};              // goals
  ui::ControlArray<ui::Label> forwardview{*this, "forwardview", 1, 20};                // assists
  ui::ControlArray<ui::Label> AgeLabel{*this, "AgeLabel", 1, 20};
  ui::ControlArray<ui::Label> goalscoredview{*this, "goalscoredview", 1, 20};   // games out injured
  ui::ControlArray<ui::Label> injuryview{*this, "injuryview", 1, 20};           // season rating
  ui::ControlArray<ui::ComboBox> positioncombo{*this, "positioncombo", 1, 10};  // on rows 2..11

  // ---- The profile frame
  ui::Frame Frame1{*this, "Frame1"};  // caption: the player's name
  ui::Label Label5{*this, "Label5"};  // "Goaltending:"
  ui::Label Label24{*this, "Label24"};
  ui::Label Label6{*this, "Label6"};  // "Defence:"
  ui::Label Label25{*this, "Label25"};
  ui::Label Label7{*this, "Label7"};  // "Midfield:"
  ui::Label Label26{*this, "Label26"};
  ui::Label Label8{*this, "Label8"};  // "Forward:"; a click opens the pitch view
  ui::Label Label27{*this, "Label27"};
  ui::Label Label21{*this, "Label21"};            // injury line
  ui::Label Label14{*this, "Label14"};            // transfer status
  ui::CheckBox Check1{*this, "Check1"};           // "Corner Taker"
  ui::CheckBox Check2{*this, "Check2"};           // "Penalty Taker"
  ui::CommandButton Command7{*this, "Command7"};  // "Full Player Profile"

  // ---- Tactics
  ui::Frame Frame2{*this, "Frame2"};  // "Formations"
  ui::Label Label9{*this, "Label9"};  // "Formation:"
  ui::ComboBox formationcombo{*this, "formationcombo"};
  ui::CommandButton Command1{*this, "Command1"};  // "OK": applies the preset
  ui::CommandButton tacticbutton{*this, "tacticbutton"};
  ui::CommandButton flowbutton{*this, "flowbutton"};
  ui::CommandButton Command10{*this, "Command10"};  // push-up
  ui::CommandButton Command11{*this, "Command11"};  // "Change Corner Kicks"
  ui::CommandButton Command12{*this, "Command12"};  // "Change Passing"
  ui::Label Label10{*this, "Label10"};              // "Save..."
  ui::ControlArray<ui::CommandButton> Command8{*this, "Command8", 0, 2};
  ui::Label Label11{*this, "Label11"};  // "Load..."
  ui::ControlArray<ui::CommandButton> Command9{*this, "Command9", 0, 2};
  ui::CommandButton Command13{*this, "Command13"};  // "Save"
  ui::CommandButton Command2{*this, "Command2"};    // "Save Changes and Exit"
  ui::CommandButton Command14{*this, "Command14"};  // "Quit"
  ui::CommandButton Command3{*this, "Command3"};    // "Formation Balance"

  // ---- Handlers
  void PlayerName_Click(int row);
  void Command7_Click();
  void Command1_Click();
  void tacticbutton_Click();
  void flowbutton_Click();
  void Command10_Click();
  void Command8_Click(int index);
  void Command9_Click(int index);
  void Command13_Click();
  void Command2_Click();
  void Command14_Click();
  void Command3_Click();
  void Label8_Click();

  // Screen state: 1 while a first click waits for the second; the row of the
  // last first click (0 after the full card was opened).
  int RowSelected = 0;
  int SelectedRow = 0;

 protected:
  // The whole screen from the shared tables; also the redraw of the tactic
  // operations and the full-card button.
  void Form_Load() override;
  void Form_QueryUnload(int& cancel, ui::UnloadMode mode) override;

 private:
  void layOutBand();
  void layOutGrid();
  void layOutProfile();
  void layOutTactics();
  void layOutSlotsAndExits(int top);
  void wire();
  void fillTactics();
  void showTacticCaptions();
  void showPositions();
  void tagPass(bool exchange);
  void contentPass(bool exchange);
  void paintRow(int row);
  void selectRow(int row);
  void exchangeWith(int row);
  // Writes tactic slot 0 and the combos' positions; warns of a missing starter.
  void saveSheet();
  void backToHub();
};

// Shows the squad screen of the user's club, modeless.
void showTeamSelect();

}  // namespace kervale
