// The pitch view: zone strengths of the user's outfield starters.
#include "team/pitch_settings.h"

#include <gtest/gtest.h>

#include <string>

#include "data/mls_module.h"
#include "support/scripted_dialogs.h"
#include "ui/screen.h"

namespace kervale {
namespace {

constexpr int kDefender = 2;  // the one outfield player with ratings; squad slot 2

class PitchSettingsTest : public ::testing::Test {
 protected:
  PitchSettingsTest() {
    replaceGame(makeEmptyGame());
    MLSModule& g = mls();
    g.MyTeam = 1;
    g.NumPlayers = 11;
    g.NumTactics = 2;
    g.NumFlows = 2;
    for (int slot = 1; slot <= 11; ++slot) {
      g.TeamSquad(slot, 1) = slot;
      g.PlayerName(slot) = "P" + std::to_string(slot);
    }
    g.PlayerDefense(1) = g.PlayerMidfield(1) = g.PlayerAttack(1) = 90;  // the keeper
    g.PlayerDefense(kDefender) = 10;
    g.TeamPosition(1, 1) = 1;
    g.TeamTactic(1) = 1;
    g.TeamFlow(1) = 1;
    for (int flow = 1; flow <= 2; ++flow) g.PositionFactor(1, flow, 1) = 1;
    g.TacticFactor(1, 1) = 1;
    g.TacticFactor(2, 1) = 2;
    // Zones 1..3 weigh the defence so that the sums are 190, 210 and 230.
    const double weights[] = {19, 21, 23};
    for (int z = 1; z <= 3; ++z) g.FlowTable2(z, 1, 1) = weights[z - 1];
    g.FlowTable2(4, 2, 1) = 5;
  }
  ~PitchSettingsTest() override {
    if (view().loaded()) view().Unload();
    replaceGame(nullptr);
  }
  static pitchsettings& view() { return ui::screen<pitchsettings>(); }
  static std::string zone(int z) {
    showPitchSettings();
    return view().Label1(z).caption();
  }

  test::ScriptedDialogs dialogs;
};

TEST_F(PitchSettingsTest, SumsRoundHalfToEvenTheKeeperNeverCountsAndItGoes) {
  EXPECT_EQ(zone(1), "10");
  EXPECT_EQ(zone(2), "10");
  EXPECT_EQ(zone(3), "12");
  EXPECT_EQ(zone(25), "0");
  mls().PlayerDefense(1) = 0;
  mls().TeamPosition(0, 1) = 1;
  EXPECT_EQ(zone(3), "12");
  view().Command1.userClick();
  EXPECT_FALSE(view().loaded());
  showPitchSettings();
  view().userActivate();
  view().userDeactivate();
  EXPECT_FALSE(view().loaded());
}

TEST_F(PitchSettingsTest, PlaysWhatTheMatchPlaysAndSkipsBadCodes) {
  struct Case {
    double tactic;
    int flow;
    double slot3, position2, position1;
    int zone;
    const char* shown;
  };
  const Case cases[] = {
      {2, 1, 3, 2, 1, 1, "19"},       // the tactic doubles the defence
      {0, 1, 3, 2, 1, 1, "10"},       // outside the table: the match plays tactic 1
      {7, 1, 3, 2, 1, 3, "12"},       //
      {1, 2, 3, 2, 1, 4, "2"},        // flow 2 weighs zone 4 only: 50 / 20
      {1, 9, 3, 2, 1, 1, "10"},       // an unknown flow plays as flow 1
      {1, 1, 20000, 99, 1, 1, "10"},  // no such player, no such position
      {1, 1, -3, -1, 500, 1, "0"},
  };
  MLSModule& g = mls();
  for (const Case& c : cases) {
    g.TeamTactic(1) = c.tactic;
    g.TeamFlow(1) = static_cast<std::int16_t>(c.flow);
    g.TeamSquad(3, 1) = c.slot3;
    g.TeamPosition(2, 1) = c.position2;
    g.TeamPosition(1, 1) = c.position1;
    EXPECT_EQ(zone(c.zone), c.shown) << "tactic " << c.tactic << " flow " << c.flow << " slot 3 " << c.slot3;
  }
}

}  // namespace
}  // namespace kervale
