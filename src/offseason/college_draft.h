#pragma once

#include <string>
#include <vector>

#include "offseason/draft_pool.h"
#include "offseason/mls_expansion.h"
#include "offseason/off_season_files.h"
#include "ui/control.h"
#include "ui/form.h"

namespace kervale {

// What one off-season did, for the headless runner's report.
struct DraftSummary {
  int season = 0;  // the year that ended
  bool expanded = false;
  int drafted = 0;
  int passed = 0;
  int retired = 0;
};

// The off-season screen: its load runs the expansion, the season close and
// the expansion draft, then fixes the draft order and the pool; Begin Draft
// runs the picks, waiting (yielding) at the user's; Quit ends the off-season.
class CollegeDraft : public ui::Form {
 public:
  CollegeDraft();

  // ---- Controls
  ui::Label Label1{*this, "Label1"};  // "Draft Order"
  ui::Label Label3{*this, "Label3"};  // the draft order
  ui::Label Label7{*this, "Label7"};  // "College Players"
  ui::ListBox List1{*this, "List1"};
  ui::Label Label9{*this, "Label9"};  // "Draft Log"
  ui::Label Label4{*this, "Label4"};  // the draft log
  ui::Label playrName{*this, "playrName"};
  ui::Label Label10{*this, "Label10"};  // "Position:"
  ui::Label Label5{*this, "Label5"};
  ui::Label Label11{*this, "Label11"};  // "Scouting:"
  ui::Label Label6{*this, "Label6"};
  ui::Label Label12{*this, "Label12"};  // "University:"
  ui::Label Label2{*this, "Label2"};
  ui::Label Label13{*this, "Label13"};  // "Status:"
  ui::Label Label8{*this, "Label8"};
  ui::CommandButton Command2{*this, "Command2"};  // "Begin Draft"
  ui::CommandButton Command3{*this, "Command3"};  // "Pass"
  ui::CommandButton Command4{*this, "Command4"};  // "Draft Player"
  ui::CommandButton Command1{*this, "Command1"};  // "Quit"

  // ---- Handlers
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Command4_Click();
  void List1_Click();

  // ---- The draft's state, read by the runner and the tests
  const DraftPool& pool() const { return pool_; }
  const DraftOrderList& order() const { return order_; }
  bool waiting() const { return DraftWaiting == 1; }
  bool ended() const { return ended_; }
  const DraftSummary& summary() const { return summary_; }
  int draftsRun() const { return draftsRun_; }

 protected:
  void Form_Load() override;
  void Form_QueryUnload(int& cancel, ui::UnloadMode mode) override;
  void Form_Unload(int& cancel) override;

 private:
  bool prepare();
  void fillOrderLabel();
  void runPick(int club, std::vector<bool>& held);
  void logLine(const std::string& line);

  DraftPool pool_{};
  DraftOrderList order_{};
  double DraftWaiting = 0;
  double DraftChoice = 0;
  bool expanded_ = false;
  bool ended_ = false;
  bool programEnd_ = false;
  DraftSummary summary_;
  int draftsRun_ = 0;
  const OffSeasonFiles* given_ = nullptr;  // the season end's files, read before it began

  friend void showCollegeDraft(const OffSeasonFiles* files);
};

// The one opener: shows the draft modal; returns when it has been left. The
// season end hands over the files it has read (and its Quit then rolls the
// season over); without them the draft reads its own.
void showCollegeDraft(const OffSeasonFiles* files = nullptr);

}  // namespace kervale
