#pragma once

#include "offseason/season_summary.h"
#include "ui/control.h"
#include "ui/control_array.h"
#include "ui/form.h"

namespace kervale {

// The season summary: its load closes the English tables, shows the season's
// winners for the user's part of the world, clears the knock-out tables and
// picks the all-star squad. Its button (or the close box) moves the calendar
// on a round and closes it.
class EndOfSeason : public ui::Form {
 public:
  EndOfSeason();

  // ---- Controls
  ui::Label Label1{*this, "Label1"};  // champion
  ui::Label Label2{*this, "Label2"};  // cup winner
  ui::Label Label3{*this, "Label3"};  // continental winner
  ui::Label Label4{*this, "Label4"};  // World Club Cup winner
  ui::Label Label5{*this, "Label5"};  // "MVP:"
  ui::Label Label7{*this, "Label7"};  // "Leading Scorer:"
  ui::Label Label8{*this, "Label8"};  // "A-League MVP:"
  ui::Label Label6{*this, "Label6"};  // squad title
  ui::ControlArray<ui::Label> AllStarLine{*this, "AllStarLine", 1, 11};
  ui::CommandButton Command1{*this, "Command1"};  // "Continue"

  // ---- Handlers
  void Command1_Click();

  const AllStarSquad& allStars() const { return allStars_; }

 protected:
  void Form_Load() override;
  void Form_QueryUnload(int& cancel, ui::UnloadMode mode) override;

 private:
  void showAllStars();

  AllStarSquad allStars_;
};

// The one opener: shows the summary modal; returns when it has been left.
void showEndOfSeason();

}  // namespace kervale
