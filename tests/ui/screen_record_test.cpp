// The record of what a screen shows: only changes after the first look, a
// hidden control as hidden, list items as they come, and where two records part.
#include "support/screen_record.h"

#include <gtest/gtest.h>

#include <string>

#include "panel.h"

namespace kervale::ui {
namespace {

using test::firstDifference;
using test::ScreenRecord;

// The lines of a record taken after `when`.
std::string linesAt(const std::string& record, const std::string& when) {
  std::string out;
  std::size_t at = 0;
  while (at < record.size()) {
    const std::size_t end = record.find('\n', at);
    const std::string line = record.substr(at, end - at);
    if (line.rfind(when + " ", 0) == 0) out += line + "\n";
    at = end + 1;
  }
  return out;
}

TEST(ScreenRecordTest, WritesEveryControlOnceThenOnlyWhatChanged) {
  test::ScriptedDialogs dialogs;
  Panel panel;
  panel.Load();
  ScreenRecord record(panel);
  record.take("a");
  const std::string first = linesAt(record.text(), "a");
  EXPECT_NE(first.find("a Label1(-1) caption=\"Name\" fore=000000 back=C0C0C0 value=0 selected=-1 visible=1 "
                       "enabled=1\n"),
            std::string::npos);
  EXPECT_NE(first.find("a Command2(-1) visible=0\n"), std::string::npos);
  EXPECT_NE(first.find("a List1(-1) + \"Gamma\"\n"), std::string::npos);

  record.take("b");
  EXPECT_EQ(linesAt(record.text(), "b"), "") << "nothing changed";

  panel.Label1.setCaption("Two\rlines");
  panel.Check1.setForeColor(0x00FFFF);
  panel.Text1.setEnabled(false);
  panel.List1.addItem("Delta");
  panel.Command2.setCaption("Unseen");  // hidden: not written
  record.take("c");
  EXPECT_EQ(linesAt(record.text(), "c"),
            "c Label1(-1) caption=\"Two\\rlines\" fore=000000 back=C0C0C0 value=0 selected=-1 visible=1 enabled=1\n"
            "c Text1(-1) caption=\"\" fore=000000 back=FFFFFF value=0 selected=-1 visible=1 enabled=0\n"
            "c Check1(-1) caption=\"Tick\" fore=00FFFF back=C0C0C0 value=0 selected=-1 visible=1 enabled=1\n"
            "c List1(-1) + \"Delta\"\n");

  panel.List1.clear();
  panel.List1.addItem("Omega");
  panel.Command2.setVisible(true);
  record.take("d");
  EXPECT_EQ(linesAt(record.text(), "d"),
            "d List1(-1) items 1\n"
            "d List1(-1) + \"Omega\"\n"
            "d Command2(-1) caption=\"Unseen\" fore=000000 back=C0C0C0 value=0 selected=-1 visible=1 enabled=1\n");
  record.note("e", "Final\rScore");
  EXPECT_EQ(linesAt(record.text(), "e"), "e \"Final\\rScore\"\n");
  panel.Unload();
}

TEST(ScreenRecordTest, NamesTheFirstLineWhereTwoRecordsPart) {
  EXPECT_EQ(firstDifference("a\nb\n", "a\nb\n"), "");
  EXPECT_EQ(firstDifference("a\nb\nc\n", "a\nx\nc\n"), "line 2\n  expected: b\n  actual:   x");
  EXPECT_EQ(firstDifference("a\n", "a\nb\n"), "line 2\n  expected: <end of record>\n  actual:   b");
  EXPECT_EQ(firstDifference("a\nb\n", "a\n"), "line 2\n  expected: b\n  actual:   <end of record>");
}

}  // namespace
}  // namespace kervale::ui
