#include "shell/load_bg_picture.h"

#include <filesystem>
#include <memory>
#include <string>
#include <system_error>

#include "base/csv.h"
#include "base/file_error.h"
#include "data/mls_module.h"
#include "newgame/pick_team.h"
#include "offseason/off_season_files.h"
#include "shell/main_module.h"
#include "shell/saved_game.h"
#include "ui/backend.h"
#include "ui/screen.h"

namespace kervale {

namespace fs = std::filesystem;

namespace {

// The picture kinds the hub shows; the world's own are JPEG and PNG.
constexpr const char* kAnyPicture = "*.BMP;*.GIF;*.JPG;*.JPEG;*.PNG";
constexpr const char* kJpeg = "*.JPG;*.JPEG";

}  // namespace

LoadBgPicture::LoadBgPicture() : Form("LoadBgPicture") {
  setCaption("Load Picture");
  move(0, 0, 6300, 4800);
  setBorderStyle(3);

  Drive1.move(120, 120, 2895, 315);
  Dir1.move(120, 480, 2895, 2790);
  File1.move(3120, 120, 2895, 3150);
  File1.setPattern(kAnyPicture);
  Command4.setCaption(".BMP");
  Command4.move(120, 3360, 855, 375);
  Command5.setCaption(".GIF");
  Command5.move(1080, 3360, 855, 375);
  Command6.setCaption(".JPEG");
  Command6.move(2040, 3360, 855, 375);
  Check1.setCaption("Save as default image");
  Check1.move(120, 3840, 2895, 315);
  LoadBut.setCaption("&Load");
  LoadBut.move(3120, 3360, 1335, 375);
  LoadBut.setDefault(true);
  CancelBut.setCaption("&Cancel");
  CancelBut.move(4680, 3360, 1335, 375);
  CancelBut.setCancel(true);

  Drive1.onChange = [this] { Drive1_Change(); };
  Dir1.onChange = [this] { Dir1_Change(); };
  Command4.onClick = [this] { Command4_Click(); };
  Command5.onClick = [this] { Command5_Click(); };
  Command6.onClick = [this] { Command6_Click(); };
  LoadBut.onClick = [this] { LoadBut_Click(); };
  CancelBut.onClick = [this] { CancelBut_Click(); };

  designDone();
}

void LoadBgPicture::Form_Load() {
  if (mls().PickerMode == 1) {
    setCaption("Load Game");
    Command4.setVisible(false);
    Command5.setVisible(false);
    Command6.setVisible(false);
    Check1.setVisible(false);
    File1.setPattern("*.usa");
  }
  // The game's folder: the lists start here, and the process never leaves
  // it, so the data files and "pic.dat" are always found.
  std::error_code error;
  startFolder_ = fs::current_path(error);
  Drive1.setPath(startFolder_.root_path().string());
  Dir1.setPath(startFolder_.string());
  File1.setPath(startFolder_.string());
}

void LoadBgPicture::Drive1_Change() {
  std::error_code error;
  if (!fs::is_directory(Drive1.path(), error)) {
    ui::MsgBox("Drive Not Ready", ui::MsgButtons::OK, ui::MsgIcon::Critical);
    return;
  }
  Dir1.setPath(Drive1.path());
}

void LoadBgPicture::Dir1_Change() { File1.setPath(Dir1.path()); }

void LoadBgPicture::Command4_Click() { File1.setPattern("*.BMP"); }
void LoadBgPicture::Command5_Click() { File1.setPattern("*.GIF"); }
void LoadBgPicture::Command6_Click() { File1.setPattern(kJpeg); }

void LoadBgPicture::LoadBut_Click() {
  const std::string chosen = File1.fileName();
  if (chosen.empty()) return;  // nothing chosen: nothing to do
  const fs::path full = fs::path(File1.path()) / chosen;
  MLSModule& g = mls();

  if (g.PickerMode != 1) {
    g.BackgroundPicture = full.string();
    MainModule& hub = ui::screen<MainModule>();
    if (hub.loaded()) hub.Image3.setPicture(g.BackgroundPicture);
    if (Check1.value() == 1) {
      CsvWriter record;
      record.text(g.BackgroundPicture).endRecord();
      try {
        writeFileAtomically(startFolder_ / "pic.dat", record.content());
      } catch (const FileError& error) {
        ui::MsgBox("The picture could not be kept as the default:" + std::string(1, '\r') + error.what(),
                   ui::MsgButtons::OK, ui::MsgIcon::Exclamation);
      }
    }
    Unload();
    return;
  }

  std::unique_ptr<MLSModule> loaded;
  try {
    loaded = readSavedGame(full, g);
  } catch (const FileError& error) {
    ui::MsgBox("The saved game \"" + chosen + "\" could not be loaded, and the game in play is unchanged:" +
                   std::string(1, '\r') + error.problem(),
               ui::MsgButtons::OK, ui::MsgIcon::Critical);
    return;  // back to the picker
  }
  if (!laterFilesUsable("The saved game \"" + chosen + "\" could not be loaded, and the game in play is unchanged"))
    return;
  // The hub is rebuilt from the loaded game; unloading it first keeps its
  // slider from writing into the new one.
  MainModule& hub = ui::screen<MainModule>();
  if (hub.loaded()) hub.Unload();
  replaceGame(std::move(loaded));
  ui::MsgBox("Game loaded successfully");
  mls().PickerMode = 0;
  hub.Show();
  closeNewGameScreen();
  Unload();
}

void LoadBgPicture::CancelBut_Click() {
  mls().PickerMode = 2;
  Unload();
}

void LoadBgPicture::Form_Deactivate() { Unload(); }

void LoadBgPicture::closeNewGameScreen() {
  PickTeam& newGame = ui::screen<PickTeam>();
  if (newGame.loaded()) newGame.Unload();
}

}  // namespace kervale
