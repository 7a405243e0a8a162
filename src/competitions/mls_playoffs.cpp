#include "competitions/mls_playoffs.h"

#include "base/numbers.h"
#include "competitions/playoff_views.h"
#include "data/mls_module.h"
#include "ui/screen.h"

namespace kervale {

namespace {

constexpr int kRowHeight = 285;
constexpr int kClubWidth = 2400;
constexpr int kScoreWidth = 480;
constexpr int kRowWidth = kClubWidth + kScoreWidth;
constexpr int kQuarterLeft = 120;
constexpr int kSemiLeft = kQuarterLeft + kRowWidth + 360;
constexpr int kFinalLeft = kSemiLeft + kRowWidth + 360;
constexpr int kTop = 240;

// Tops of the rows: two rows a tie, each later round halfway between the
// two ties that feed it.
constexpr int quarterTop(int k) { return kTop + (k - 1) / 2 * 960 + (k - 1) % 2 * 360; }
constexpr int semiTop(int k) { return (quarterTop(2 * k - 1) + quarterTop(2 * k)) / 2; }
constexpr int finalTop(int k) { return (semiTop(2 * k - 1) + semiTop(2 * k)) / 2; }

void placeRow(const MLS_Playoffs::Row& row, int left, int top) {
  row.club->move(left, top, kClubWidth, kRowHeight);
  row.club->setBackColor(ui::kWhite);
  row.club->setBorderStyle(1);
  row.score->move(left + kClubWidth, top, kScoreWidth, kRowHeight);
  row.score->setBackColor(ui::kWhite);
  row.score->setBorderStyle(1);
  row.score->setAlignment(ui::Alignment::Center);
}

// Joins the two rows of a tie (tops a and b, right edge x) to the row of the
// next round at `nextLeft`.
void connect(ui::Line& joint, ui::Line& across, int x, int a, int b, int nextLeft) {
  const int mid = kRowHeight / 2;
  joint.setLinePoints(x + 120, a + mid, x + 120, b + mid);
  across.setLinePoints(x + 120, (a + b) / 2 + mid, nextLeft, (a + b) / 2 + mid);
}

}  // namespace

MLS_Playoffs::MLS_Playoffs() : Form("MLS_Playoffs") {
  setCaption("MLS Playoffs");
  move(0, 0, kFinalLeft + kRowWidth + 360, quarterTop(8) + kRowHeight + 1200);
  setBorderStyle(3);
  for (int k = 1; k <= 8; ++k) placeRow(quarterRow(k), kQuarterLeft, quarterTop(k));
  for (int k = 1; k <= 4; ++k) placeRow(semiRow(k), kSemiLeft, semiTop(k));
  for (int k = 1; k <= 2; ++k) placeRow(finalRow(k), kFinalLeft, finalTop(k));

  ui::Line* quarterJoints[] = {&Line1, &Line2, &Line3, &Line4};
  ui::Line* quarterAcross[] = {&Line5, &Line6, &Line7, &Line8};
  for (int t = 0; t < 4; ++t) {
    connect(*quarterJoints[t], *quarterAcross[t], kQuarterLeft + kRowWidth, quarterTop(2 * t + 1),
            quarterTop(2 * t + 2), kSemiLeft);
  }
  connect(Line9, Line11, kSemiLeft + kRowWidth, semiTop(1), semiTop(2), kFinalLeft);
  connect(Line10, Line12, kSemiLeft + kRowWidth, semiTop(3), semiTop(4), kFinalLeft);
  const int x = kFinalLeft + kRowWidth + 120;
  Line13.setLinePoints(x, finalTop(1) + kRowHeight / 2, x, finalTop(2) + kRowHeight / 2);

  Command1.setCaption("&OK");
  Command1.move(kFinalLeft + kRowWidth - 1215, quarterTop(8) + kRowHeight + 360, 1215, 375);
  Command1.onClick = [this] { Command1_Click(); };
  designDone();
}

MLS_Playoffs::Row MLS_Playoffs::semiRow(int k) {
  switch (k) {
    case 1:
      return {&eastaway, &eastawayscore};
    case 2:
      return {&easthome, &easthomescore};
    case 3:
      return {&westaway, &westawayscore};
    default:
      return {&westhome, &westhomescore};
  }
}

MLS_Playoffs::Row MLS_Playoffs::finalRow(int k) {
  return k == 1 ? Row{&champaway, &finalhomescore} : Row{&champhome, &finalawayscore};
}

void MLS_Playoffs::Form_Load() {
  MLSModule& g = mls();
  const BracketView view = bracketView(g, CInt(g.PlayoffView));
  if (!view.caption.empty()) setCaption(view.caption);
  auto show = [](const Row& row, const BracketEntry& entry) {
    row.club->setCaption(entry.club);
    row.score->setCaption(entry.score);
  };
  for (int k = 1; k <= 8; ++k) {
    if (view.quarters[k - 1]) show(quarterRow(k), *view.quarters[k - 1]);
  }
  for (int k = 1; k <= 4; ++k) {
    if (view.semis[k - 1]) show(semiRow(k), *view.semis[k - 1]);
  }
  for (int k = 1; k <= 2; ++k) show(finalRow(k), view.finals[k - 1]);
  g.PlayoffView = 0;
}

void MLS_Playoffs::Command1_Click() { Unload(); }

void MLS_Playoffs::Form_Deactivate() { Unload(); }

void showPlayoffs(int view) {
  mls().PlayoffView = view;
  MLS_Playoffs& viewer = ui::screen<MLS_Playoffs>();
  if (viewer.loaded()) viewer.Unload();
  viewer.Show();
}

}  // namespace kervale
