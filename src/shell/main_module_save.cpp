// File, Save.
#include <filesystem>
#include <string>

#include "base/file_error.h"
#include "data/mls_module.h"
#include "shell/main_module.h"
#include "shell/saved_game.h"
#include "ui/backend.h"

namespace kervale {

void MainModule::Save_Game_Click() {
  MLSModule& g = mls();
  const auto answer = ui::InputBox("What do you want to save the game as?", "Kervo");
  if (!answer) return;
  const std::string name = savedGameFileName(g.TeamName(g.MyTeam), *answer);
  if (name.empty()) {
    ui::MsgBox("The game was not saved: it needs a name.", ui::MsgButtons::OK, ui::MsgIcon::Exclamation);
    return;
  }
  const auto refuse = [&](const std::string& problem) {
    ui::MsgBox("The game could not be saved as \"" + name + "\": " + problem, ui::MsgButtons::OK,
               ui::MsgIcon::Critical);
  };
  try {
    writeSavedGame(std::filesystem::current_path() / name, g);
  } catch (const FileError& error) {
    refuse(error.problem());
  } catch (const std::filesystem::filesystem_error& error) {
    refuse(error.what());
  }
}

}  // namespace kervale
