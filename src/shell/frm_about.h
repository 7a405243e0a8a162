#pragma once

#include "ui/control.h"
#include "ui/form.h"

namespace kervale {

// Help, About.
class frmAbout : public ui::Form {
 public:
  frmAbout();

  ui::Label lblVersion{*this, "lblVersion"};
  ui::Label lblDescription{*this, "lblDescription"};
  ui::Label Label2{*this, "Label2"};
  ui::CommandButton cmdOK{*this, "cmdOK"};

  void cmdOK_Click();

 protected:
  void Form_Load() override;
};

}  // namespace kervale
