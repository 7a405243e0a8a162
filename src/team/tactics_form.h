#pragma once

#include "ui/control.h"
#include "ui/form.h"

namespace kervale {

// The tactics page: the club's name, badge and picture, and six buttons whose
// work is done on the squad screen and the pitch view. A full-window screen:
// the hub goes when it opens and comes back on every way out.
class TacticsForm : public ui::Form {
 public:
  TacticsForm();

  // ---- Controls
  ui::Image Image2{*this, "Image2"};  // background picture
  ui::Label TeamNameLabel{*this, "TeamNameLabel"};
  ui::Image Image1{*this, "Image1"};              // club badge
  ui::CommandButton Command2{*this, "Command2"};  // "Save Changes": back to the hub
  // Captions and tooltips only.
  ui::CommandButton Command3{*this, "Command3"};          // "View Formation Balance"
  ui::CommandButton Command11{*this, "Command11"};        // "Change Corner Kicks"
  ui::CommandButton Command12{*this, "Command12"};        // "Change Passing"
  ui::CommandButton Command10{*this, "Command10"};        // "Change Overlap"
  ui::CommandButton flowbutton{*this, "flowbutton"};      // "Change Flow"
  ui::CommandButton tacticbutton{*this, "tacticbutton"};  // "Change Tactic"

  // ---- Handlers
  void Command2_Click();

 protected:
  void Form_Load() override;
  void Form_QueryUnload(int& cancel, ui::UnloadMode mode) override;
};

// Opens the tactics page in place of the hub.
void showTacticsPage();

}  // namespace kervale
