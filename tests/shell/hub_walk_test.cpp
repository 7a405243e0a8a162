// Every button and menu item of the hub, held to account: each reachable one
// does what the game promises, each out of reach does nothing.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "data/mls_module.h"
#include "shell/main_module.h"
#include "shell/shell_game.h"
#include "ui/form.h"
#include "ui/screen.h"

namespace kervale::test {
namespace {

enum class Effect {
  Shows,          // shows `screen` over the hub
  ShowsFullPage,  // shows `screen` and unloads the hub
  Asks,           // a box or input box whose text contains `screen`; the default answer changes nothing
  Nothing,        // no effect by design
  Elsewhere,      // plays a matchday: tested by the hub and driver tests
};

struct Item {
  const char* name;
  Effect effect;
  const char* screen = "";
};

const Item kItems[] = {
    {"Command1", Effect::ShowsFullPage, "TeamSelect"},
    {"Command2", Effect::ShowsFullPage, "TacticsForm"},
    {"Command3", Effect::Asks, "reserve"},  // no coach in the small game,
    {"Command4", Effect::Shows, "Website"},
    {"Command5", Effect::Shows, "Scouting"},
    {"Command6", Effect::Shows, "Chairman"},
    {"Command8", Effect::Shows, "Training"},
    {"Command9", Effect::Shows, "teamWebsite"},
    {"PlayGamesBUtton", Effect::Elsewhere},
    {"Load_Game", Effect::Shows, "LoadBgPicture"},
    {"Save_Game", Effect::Asks, "What do you want to save the game as?"},
    {"File_Exit", Effect::Asks, kQuitQuestion},
    {"TeamSelect_Menu", Effect::ShowsFullPage, "TeamSelect"},
    {"ViewthePaper", Effect::Shows, "Website"},
    {"Visit_team_websiteGODAMMIT", Effect::Shows, "teamWebsite"},
    {"Play_Match", Effect::Elsewhere},
    {"Java_Tabulas", Effect::Shows, "ALeagueTable"},
    {"MLSTabelesSHow", Effect::Shows, "Tables"},
    {"Stats_Menu_Fixtures", Effect::Shows, "FixtureList"},
    {"PlayerStats_Show", Effect::Shows, "PlayerStats"},
    {"Team_Stats_Show_Button", Effect::Shows, "teamstats"},
    {"Total_Shots", Effect::Nothing},
    {"Shots_on_Target", Effect::Nothing},
    {"Shots_per_Goal", Effect::Nothing},
    {"Stats_Menu_Cup", Effect::Shows, "UsOpenCup"},
    {"Canada_Cupview", Effect::Shows, "MLS_Playoffs"},
    {"Concacafcupsee", Effect::Shows, "MLS_Playoffs"},
    {"Champs_league", Effect::Shows, "MLS_Playoffs"},
    {"Copa_Liberadores", Effect::Shows, "MLS_Playoffs"},
    {"World_Cup_Show", Effect::Shows, "MLS_Playoffs"},
    {"MLS_Playoffs_Form_Show", Effect::Shows, "MLS_Playoffs"},
    {"A_League_Playoffthingy", Effect::Shows, "MLS_Playoffs"},
    {"D3ProPlayView", Effect::Shows, "MLS_Playoffs"},
    {"MexLeaguePlayoffSHow", Effect::Nothing},
    {"View_Winners", Effect::Shows, "LeagueChamp"},
    {"Training_Pitch_Show", Effect::Shows, "Training"},
    {"Finances_Menu", Effect::Shows, "Finances"},
    {"Stadium_Vieu", Effect::Nothing},
    {"View_Menu_Staff", Effect::Shows, "StaffShow"},
    {"Call_Chairman", Effect::Shows, "Chairman"},
    {"Free_Agents", Effect::Asks, "Coming Soon!"},
    {"Minor_Leagues", Effect::Shows, "BuyAPlayer"},
    {"Rrelease", Effect::Nothing},
    {"About", Effect::Shows, "frmAbout"},
    {"PicChange", Effect::Shows, "LoadBgPicture"},
    {"Commish_Mode", Effect::Asks, "Commissioner mode has been phased out."},
    {"Cheat_Codes", Effect::Asks, "Please Insert Cheat Code."},
    {"Americano", Effect::Nothing},
    {"English_Language_Is_The_Language_krustykrab", Effect::Nothing},
    {"Spanish", Effect::Nothing},
};

class HubWalkTest : public ShellTest {
 protected:
  // What one click did.
  struct Outcome {
    std::vector<std::string> shown;
    std::vector<std::string> boxes;
    bool hubLoaded = true;
  };

  static bool reachable(const ui::MenuItem& m) {
    for (const ui::MenuItem* item = &m; item != nullptr; item = item->parent()) {
      if (!item->visible() || !item->enabled()) return false;
    }
    return m.caption() != "-";
  }

  static ui::MenuItem* menuItem(const std::string& name) {
    for (ui::MenuItem* m : hub().allMenus()) {
      if (m->name() == name) return m;
    }
    return nullptr;
  }

  // Clicks the item on a fresh hub and closes whatever it opened.
  Outcome click(const Item& item, bool& reachableItem) {
    ui::HeadlessBackend& backend = dialogs.backend();
    if (!hub().loaded()) hub().Show();
    hub().Form_Load();
    backend.clearShownForms();
    backend.clearLog();
    if (ui::Control* button = hub().findControl(item.name)) {
      reachableItem = button->visible() && button->enabled();
      button->userClick();
    } else {
      ui::MenuItem* m = menuItem(item.name);
      EXPECT_NE(m, nullptr) << item.name;
      if (m == nullptr) return {};
      reachableItem = reachable(*m);
      m->userClick();
    }
    Outcome out;
    for (ui::Form* f : backend.shownForms()) out.shown.push_back(f->name());
    for (const ui::DialogRecord& box : backend.log()) out.boxes.push_back(box.text);
    out.hubLoaded = hub().loaded();
    for (ui::Form* f : backend.shownForms()) {
      if (f != &hub()) f->Unload();
    }
    backend.resetProgramEnd();
    return out;
  }
};

TEST_F(HubWalkTest, EveryItemDoesWhatItPromises) {
  dialogs.backend().setPolicy(ui::HeadlessBackend::Policy::Defaults);
  for (int club : {1, 17, 60, 0}) {
    g().MyTeam = club;
    for (const Item& item : kItems) {
      if (item.effect == Effect::Elsewhere) continue;
      const double pickerMode = g().PickerMode;
      bool reachableItem = false;
      const Outcome out = click(item, reachableItem);
      g().PickerMode = pickerMode;
      const std::string where = std::string(item.name) + " with club " + std::to_string(club);
      const bool nothing = out.shown.empty() && out.boxes.empty() && out.hubLoaded;
      if (!reachableItem || item.effect == Effect::Nothing) {
        EXPECT_TRUE(nothing) << where << " is out of reach or does nothing, yet acted";
        continue;
      }
      switch (item.effect) {
        case Effect::Shows:
        case Effect::ShowsFullPage:
          ASSERT_FALSE(out.shown.empty()) << where;
          EXPECT_EQ(out.shown.front(), item.screen) << where;
          EXPECT_EQ(out.hubLoaded, item.effect == Effect::Shows) << where;
          break;
        case Effect::Asks:
          ASSERT_FALSE(out.boxes.empty()) << where;
          EXPECT_NE(out.boxes.front().find(item.screen), std::string::npos) << where << ": " << out.boxes.front();
          EXPECT_TRUE(out.hubLoaded) << where;
          break;
        default:
          break;
      }
    }
  }
}

TEST_F(HubWalkTest, EveryItemOfTheHubIsListed) {
  std::vector<std::string> missing;
  auto listed = [](const std::string& name) {
    for (const Item& item : kItems) {
      if (name == item.name) return true;
    }
    return false;
  };
  for (ui::MenuItem* m : hub().allMenus()) {
    if (m->children().empty() && m->caption() != "-" && !listed(m->name())) missing.push_back(m->name());
  }
  for (ui::Control* c : hub().controls()) {
    if (c->kind() == ui::ControlKind::CommandButton && !listed(c->name())) missing.push_back(c->name());
  }
  EXPECT_TRUE(missing.empty()) << "not in the walk: " << ::testing::PrintToString(missing);
}

}  // namespace
}  // namespace kervale::test
