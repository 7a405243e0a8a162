#include "offseason/college_draft.h"

#include "base/file_error.h"
#include "data/mls_module.h"
#include "data/squad_moves.h"
#include "offseason/draft_picks.h"
#include "offseason/off_season.h"
#include "offseason/off_season_files.h"
#include "offseason/season_close.h"
#include "team/position_tag.h"
#include "ui/backend.h"
#include "ui/screen.h"

namespace kervale {

namespace {

constexpr char kCr = '\r';

void place(ui::Label& label, const char* caption, int left, int top, int width) {
  label.setCaption(caption);
  label.move(left, top, width, 255);
}

void whiteBox(ui::Label& label, int left, int top, int width, int height) {
  label.move(left, top, width, height);
  label.setBackColor(ui::kWhite);
  label.setBorderStyle(1);
}

}  // namespace

CollegeDraft::CollegeDraft() : Form("CollegeDraft") {
  setCaption("College Draft");
  move(0, 0, 10200, 6990);
  setBorderStyle(3);

  place(Label1, "Draft Order", 120, 120, 2400);
  whiteBox(Label3, 120, 420, 2400, 5355);
  place(Label7, "College Players", 2640, 120, 3600);
  List1.move(2640, 420, 3600, 3720);
  playrName.move(2640, 4260, 3600, 315);
  playrName.setFont(ui::Font{"Arial", 10, true});
  place(Label10, "Position:", 2640, 4640, 1200);
  place(Label11, "Scouting:", 2640, 4940, 1200);
  place(Label12, "University:", 2640, 5240, 1200);
  place(Label13, "Status:", 2640, 5540, 1200);
  Label5.move(3900, 4640, 2340, 255);
  Label6.move(3900, 4940, 2340, 255);
  Label2.move(3900, 5240, 2340, 255);
  Label8.move(3900, 5540, 2340, 255);
  place(Label9, "Draft Log", 6360, 120, 3600);
  whiteBox(Label4, 6360, 420, 3600, 5355);

  Command2.setCaption("Begin Draft");
  Command2.move(120, 5940, 2400, 495);
  Command3.setCaption("Pass");
  Command3.move(2640, 5940, 1740, 495);
  Command3.setEnabled(false);
  Command4.setCaption("Draft Player");
  Command4.move(4500, 5940, 1740, 495);
  Command4.setEnabled(false);
  Command1.setCaption("Quit");
  Command1.move(6360, 5940, 3600, 495);
  Command1.setEnabled(false);

  Command1.onClick = [this] { Command1_Click(); };
  Command2.onClick = [this] { Command2_Click(); };
  Command3.onClick = [this] { Command3_Click(); };
  Command4.onClick = [this] { Command4_Click(); };
  List1.onClick = [this] { List1_Click(); };
  designDone();
}

void CollegeDraft::Form_Load() {
  pool_ = {};
  order_ = {};
  DraftWaiting = 0;
  DraftChoice = 0;
  expanded_ = false;
  ended_ = false;
  programEnd_ = false;
  if (!prepare()) {
    Unload();
    afterCollegeDraft(mls(), nullptr);
  }
}

bool CollegeDraft::prepare() {
  MLSModule& g = mls();
  OffSeasonFiles read;
  if (given_ == nullptr) {
    try {
      read = readOffSeasonFiles(".", g);
    } catch (const FileError& error) {
      ui::MsgBox(error.what(), ui::MsgButtons::OK, ui::MsgIcon::Critical);
      return false;
    }
  }
  const OffSeasonFiles& files = given_ != nullptr ? *given_ : read;
  summary_ = DraftSummary{};
  summary_.season = static_cast<int>(2002 + g.CurrentSeason);
  const ExpansionOutcome expansion =
      runMlsExpansion(g, files.expansion ? &*files.expansion : nullptr, files.expansionProblem);
  expanded_ = expansion.expanded;
  summary_.expanded = expanded_;
  if (const Schedule* schedule = files.mlsSchedule(g.MLSTeamCount)) applyMlsTemplate(g, *schedule);
  clearRetiredSlots(g);
  summary_.retired = closeSeason(g);
  runExpansionDraft(g, expansion);
  order_ = makeDraftOrder(g, expanded_);
  fillOrderLabel();
  pool_ = makeDraftPool(files.firstNames, files.lastNames);
  for (int i = 1; i <= kPoolSize; ++i) List1.addItem(draftTag(pool_[i]) + pool_[i].name);
  return true;
}

void CollegeDraft::fillOrderLabel() {
  std::string text;
  for (int i = 1; i <= kDraftPicks; ++i) text += mls().TeamName(order_[i]) + kCr;
  Label3.setCaption(text);
}

void CollegeDraft::logLine(const std::string& line) { Label4.setCaption(Label4.caption() + line + kCr); }

void CollegeDraft::Command2_Click() {
  if (!Command2.enabled()) return;
  MLSModule& g = mls();
  Command2.setEnabled(false);
  Command4.setEnabled(true);
  Command3.setEnabled(true);
  makeRoomForDraftees(g);
  pool_[0].name.clear();
  pool_[0].university = "none";
  std::vector<bool> held = heldRecords(g);
  for (int pick = 1; pick <= kDraftPicks && order_[pick] != 0; ++pick) {
    runPick(order_[pick], held);
    if (!loaded() || ui::backend().programEnded()) return;
  }
  Command1.setEnabled(true);
  Command3.setEnabled(false);
  Command4.setEnabled(false);
  ended_ = true;
  ++draftsRun_;
}

void CollegeDraft::runPick(int club, std::vector<bool>& held) {
  MLSModule& g = mls();
  int slot = 0;
  if (club != g.MyTeam) {
    DraftChoice = computerChoice(g, club, pool_);
    slot = firstFreeSquadSlot(g, club);
  } else {
    Command4.setEnabled(true);
    DraftWaiting = 1;
    while (DraftWaiting == 1 && loaded() && !ui::backend().programEnded()) ui::DoEvents();
    if (!loaded() || ui::backend().programEnded()) return;
    slot = lastFreeSquadSlot(g, club);
  }
  const int record = firstFreeRecord(g, held);
  const int choice = static_cast<int>(DraftChoice);
  if (slot != 0 && choice != 0 && record != 0) {
    logLine(makePick(g, pool_, choice, club, slot, record));
    held[static_cast<std::size_t>(record)] = true;
    ++summary_.drafted;
    // The player on view may be the one just taken: his status follows.
    List1_Click();
  } else {
    logLine("(passed)");
    ++summary_.passed;
  }
}

void CollegeDraft::Command3_Click() {
  if (ui::MsgBox("Forfeit your draft pick?", ui::MsgButtons::YesNo) != ui::MsgResult::Yes) return;
  if (DraftWaiting == 1) DraftWaiting = 0;
  DraftChoice = 0;
}

void CollegeDraft::Command4_Click() {
  const int k = List1.listIndex() + 1;
  if (k < 0 || k > kPoolSize) return;
  if (ui::MsgBox("Draft " + pool_[k].name + "?", ui::MsgButtons::YesNo) != ui::MsgResult::Yes) return;
  if (pool_[k].taken) {
    ui::MsgBox("This player has already been drafted");
    DraftChoice = 0;
    return;
  }
  if (DraftWaiting == 1) DraftWaiting = 0;
  DraftChoice = k;
}

void CollegeDraft::List1_Click() {
  const int k = List1.listIndex() + 1;
  if (k < 1 || k > kPoolSize) return;
  const PoolPlayer& p = pool_[k];
  const DraftPosition position = draftPosition(p);
  Label5.setCaption(position.word);
  Label6.setCaption(RatingGradeWord(position.rating));
  Label2.setCaption(p.university);
  playrName.setCaption(p.name);
  Label8.setCaption(p.taken ? "Drafted" : "Available");
}

void CollegeDraft::Command1_Click() { Unload(); }

void CollegeDraft::Form_QueryUnload(int& cancel, ui::UnloadMode mode) {
  // The close box waits for the draft to end; after it, it acts as Quit.
  if (mode == ui::UnloadMode::CloseBox && !ended_) cancel = 1;
  programEnd_ = mode == ui::UnloadMode::ProgramEnd;
}

void CollegeDraft::Form_Unload(int& cancel) {
  (void)cancel;
  if (!ended_ || programEnd_) return;
  ended_ = false;
  const OffSeasonFiles* files = given_;
  given_ = nullptr;
  afterCollegeDraft(mls(), files);
}

void showCollegeDraft(const OffSeasonFiles* files) {
  CollegeDraft& draft = ui::screen<CollegeDraft>();
  draft.given_ = files;
  draft.Show(ui::ShowMode::Modal);
  draft.given_ = nullptr;
}

}  // namespace kervale
