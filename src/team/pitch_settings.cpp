#include "team/pitch_settings.h"

#include <cmath>

#include "base/numbers.h"
#include "data/tactics_in_play.h"
#include "ui/screen.h"

namespace kervale {

namespace {

constexpr int kZoneWidth = 1080;
constexpr int kZoneHeight = 720;
constexpr int kPitchLeft = 120;
constexpr int kPitchTop = 120;
constexpr int kSide = 1;  // the view always reads the first side's zone weights
constexpr double kZoneDivisor = 20;

struct LineTotals {
  double defence = 0, midfield = 0, attack = 0;
};

// The factor of a stored position code, 0 for a code outside the table.
double positionFactor(const MLSModule& g, double code, int flow, int k) {
  const double position = std::nearbyint(code);
  if (!(position >= 0 && position <= decltype(g.PositionFactor)::upper1)) return 0;
  return g.PositionFactor(position, flow, k);
}

LineTotals lineTotals(const MLSModule& g, int club, int flow, int tactic) {
  LineTotals totals;
  for (int j = 1; j <= 10; ++j) {
    const double player = g.TeamSquad(j + 1, club);
    if (!(player >= 0 && player <= kLastPlayer)) continue;
    const double code = g.TeamPosition(j, club);
    totals.defence += g.PlayerDefense(player) * positionFactor(g, code, flow, 1) * g.TacticFactor(tactic, 1);
    totals.midfield += g.PlayerMidfield(player) * positionFactor(g, code, flow, 2) * g.TacticFactor(tactic, 2);
    totals.attack += g.PlayerAttack(player) * positionFactor(g, code, flow, 3) * g.TacticFactor(tactic, 3);
  }
  return totals;
}

}  // namespace

std::array<std::int16_t, 25> zoneStrengths(const MLSModule& g, int club) {
  std::array<std::int16_t, 25> strengths{};
  if (club < 1 || club > kLastClub) return strengths;
  const int flow = flowInPlay(g, club);
  const int tactic = tacticInPlay(g, club);
  const LineTotals t = lineTotals(g, club, flow, tactic);
  for (int z = 1; z <= 25; ++z) {
    const double weighted = t.defence * g.FlowTable2(z, flow, kSide) + t.midfield * g.FlowTable3(z, flow, kSide) +
                            t.attack * g.FlowTable4(z, flow, kSide);
    strengths[z - 1] = CInt(weighted / kZoneDivisor);
  }
  return strengths;
}

pitchsettings::pitchsettings() : Form("pitchsettings") {
  setCaption("Formation Balance");
  move(2400, 1200, 5790, 4800);
  setBorderStyle(3);
  setBackColor(0x205020);

  Image1.move(kPitchLeft, kPitchTop, 5 * kZoneWidth, 5 * kZoneHeight);
  Image1.setStretch(true);
  Image1.setPicture("pitch 1.jpg");
  Label1.forEach([](int z, ui::Label& zone) {
    const int row = (z - 1) / 5;
    const int column = (z - 1) % 5;
    zone.move(kPitchLeft + column * kZoneWidth + 240, kPitchTop + row * kZoneHeight + 180, 600, 360);
    zone.setAlignment(ui::Alignment::Center);
    zone.setBackColor(ui::kWhite);
    zone.setBorderStyle(1);
    zone.setFont(ui::Font{"Arial", 10, true});
  });
  Command1.setCaption("OK");
  Command1.move(2295, 3840, 1200, 375);
  Command1.setDefault(true);
  Command1.onClick = [this] { Command1_Click(); };
  designDone();
}

void pitchsettings::Form_Load() {
  const MLSModule& g = mls();
  const auto strengths = zoneStrengths(g, static_cast<int>(g.MyTeam));
  for (int z = 1; z <= 25; ++z) Label1(z).setCaption(numText(strengths[z - 1]));
}

void pitchsettings::Command1_Click() { Unload(); }

void pitchsettings::Form_Deactivate() {
  if (loaded()) Unload();
}

void showPitchSettings() {
  pitchsettings& view = ui::screen<pitchsettings>();
  // A fresh load each time: the view shows the tables as they stand now.
  if (view.loaded()) view.Unload();
  view.Show();
}

}  // namespace kervale
