#pragma once

#include <filesystem>

#include "ui/control.h"
#include "ui/form.h"

namespace kervale {

// The drive, folder and file picker: loads a saved game when PickerMode is 1,
// otherwise chooses the hub's background picture.
class LoadBgPicture : public ui::Form {
 public:
  LoadBgPicture();

  ui::DriveListBox Drive1{*this, "Drive1"};
  ui::DirListBox Dir1{*this, "Dir1"};
  ui::FileListBox File1{*this, "File1"};
  ui::CommandButton Command4{*this, "Command4"};  // ".BMP"
  ui::CommandButton Command5{*this, "Command5"};  // ".GIF"
  ui::CommandButton Command6{*this, "Command6"};  // ".JPEG"
  ui::CheckBox Check1{*this, "Check1"};           // "Save as default image"
  ui::CommandButton LoadBut{*this, "LoadBut"};
  ui::CommandButton CancelBut{*this, "CancelBut"};

  void Drive1_Change();
  void Dir1_Change();
  void Command4_Click();
  void Command5_Click();
  void Command6_Click();
  void LoadBut_Click();
  void CancelBut_Click();

 protected:
  void Form_Load() override;
  void Form_Deactivate() override;

 private:
  // After a game was loaded: the new-game screen, when it is open, closes.
  void closeNewGameScreen();

  // The folder the picker opened in; the game's files are read from there.
  std::filesystem::path startFolder_;
};

}  // namespace kervale
