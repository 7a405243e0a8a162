#pragma once

#include "club/team_stats_rank.h"
#include "ui/control.h"
#include "ui/control_array.h"
#include "ui/form.h"

namespace kervale {

// Team statistics: the clubs of the ticked leagues ranked by one season
// statistic, highest first, 24 rows at a time. Closes when it loses the focus.
class teamstats : public ui::Form {
 public:
  teamstats();

  static constexpr int kRows = 24;  // rows shown at a time

  // ---- Controls
  ui::ControlArray<ui::OptionButton> optStats{*this, "optStats", 0, kStatCount - 1};  // the statistic
  ui::ControlArray<ui::CheckBox> leagues{*this, "leagues", 0, kLeagueBoxes - 1};      // leagues ranked
  ui::CheckBox Check1{*this, "Check1"};                                               // "Points Per Game"
  ui::Label Label2{*this, "Label2"};                                                  // statistic heading
  ui::ControlArray<ui::Label> eastwins2{*this, "eastwins2", 0, 0};                    // value column heading
  ui::ControlArray<ui::Label> eastgames{*this, "eastgames", 0, kRows};                // 0: "G"; games of each row
  ui::ControlArray<ui::Label> Label1{*this, "Label1", 1, kRows};                      // rank
  ui::ControlArray<ui::Label> eastname{*this, "eastname", 1, kRows};                  // club name
  ui::ControlArray<ui::Label> eastwins{*this, "eastwins", 1, kRows};                  // value
  ui::VScrollBar VScroll1{*this, "VScroll1"};
  ui::CommandButton Command1{*this, "Command1"};  // "OK"

  // ---- Handlers and procedures
  void statsstart();
  void statssort();
  void statsshow();
  void optStats_Click(int index);
  void leagues_Click(int index);
  void Check1_Click();
  void VScroll1_Change();
  void Command1_Click();

  // Clubs listed by the last sort.
  int listedClubs() const { return listed_; }

 protected:
  void Form_Load() override;
  void Form_Deactivate() override;

 private:
  bool perGame() const { return Check1.value() == 1; }

  int TeamStatChoice_ = 0;
  ClubFlags TeamStatExcluded_{};
  ClubValues TeamStatValue_{};
  ClubNumbers TeamStatClub_{};
  int TeamStatFirstRow_ = 1;
  int listed_ = 0;
};

// The hub's way in.
void showTeamStats();

}  // namespace kervale
