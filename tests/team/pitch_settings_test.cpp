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

TEST_F(PitchSettingsTest, SumsRoundHalfToEvenAndTheKeeperNeverCounts) {
  EXPECT_EQ(zone(1), "10");
  EXPECT_EQ(zone(2), "10");
  EXPECT_EQ(zone(3), "12");
  EXPECT_EQ(zone(25), "0");
  mls().PlayerDefense(1) = 0;
  mls().TeamPosition(0, 1) = 1;
  EXPECT_EQ(zone(3), "12");
}

TEST_F(PitchSettingsTest, FollowsTheTacticAndFlowTheMatchPlays) {
  struct Case {
    double tactic;
    int flow;
    int zone;
    const char* shown;
  };
  const Case cases[] = {
      {2, 1, 1, "19"},                  // the tactic doubles the defence
      {0, 1, 1, "10"},                  // outside the table: the match plays tactic 1
      {7, 1, 3, "12"}, {1, 2, 4, "2"},  // flow 2 weighs zone 4 only: 50 / 20
      {1, 9, 1, "10"},                  // an unknown flow plays as flow 1
  };
  for (const Case& c : cases) {
    mls().TeamTactic(1) = c.tactic;
    mls().TeamFlow(1) = static_cast<std::int16_t>(c.flow);
    EXPECT_EQ(zone(c.zone), c.shown) << "tactic " << c.tactic << " flow " << c.flow;
  }
}

TEST_F(PitchSettingsTest, BadCodesCountNothing) {
  MLSModule& g = mls();
  g.TeamSquad(3, 1) = 20000;  // no player record
  g.TeamSquad(4, 1) = -3;
  g.TeamPosition(2, 1) = 99;  // no position
  g.TeamPosition(3, 1) = -1;
  EXPECT_EQ(zone(1), "10");
  g.TeamPosition(1, 1) = 500;
  EXPECT_EQ(zone(1), "0");
}

TEST_F(PitchSettingsTest, GoesOnOkAndWhenItLosesTheFocus) {
  showPitchSettings();
  view().Command1.userClick();
  EXPECT_FALSE(view().loaded());
  showPitchSettings();
  view().userActivate();
  view().userDeactivate();
  EXPECT_FALSE(view().loaded());
}

}  // namespace
}  // namespace kervale
