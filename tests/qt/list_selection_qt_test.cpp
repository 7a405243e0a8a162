// Lists and combos in the real widgets report only what the user chose: a row
// the model selected stands through showing and focus.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QListWidget>
#include <QTest>

#include "qt/qt_app.h"
#include "ui/control.h"
#include "ui/form.h"
#include "ui/qt/qt_backend.h"

namespace kervale::test {
namespace {

class Lists : public ui::Form {
 public:
  Lists() : Form("Lists") {
    state_.width = 6000;
    state_.height = 4500;
    List1.move(150, 150, 2400, 3000);
    Combo1.move(3000, 150, 2400, 315);
    for (const char* club : {"Kervale", "Harbour City", "Eastgate", "Saltmarsh", "Westhaven"}) {
      List1.addItem(club);
      Combo1.addItem(club);
    }
    List1.onClick = [this] { ++listClicks; };
    Combo1.onClick = [this] { ++comboClicks; };
    designDone();
  }
  ui::ListBox List1{*this, "List1"};
  ui::ComboBox Combo1{*this, "Combo1"};
  int listClicks = 0;
  int comboClicks = 0;
};

class ListSelection : public ::testing::Test {
 protected:
  void SetUp() override {
    qtApp();
    ui::setBackend(&qt);
  }
  void TearDown() override {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ui::setBackend(nullptr);
  }
  // Shows the form and hands the focus to each list in turn.
  void showAndFocus(Lists& form) {
    form.Show();
    QCoreApplication::processEvents();
    for (const ui::Control* c : {static_cast<ui::Control*>(&form.List1), static_cast<ui::Control*>(&form.Combo1)}) {
      QWidget* w = qt.widget(*c);
      w->setFocus(Qt::TabFocusReason);
      QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
      QCoreApplication::sendEvent(w, &in);
      QCoreApplication::processEvents();
    }
  }
  QListWidget* list(Lists& form) { return qobject_cast<QListWidget*>(qt.widget(form.List1)); }

  test::WindowBackend qt;
};

TEST_F(ListSelection, RowsSetByTheModelStandThroughShowAndFocus) {
  for (int chosen : {3, 0, -1}) {
    Lists form;
    form.Load();
    form.List1.setListIndex(chosen);
    form.Combo1.setListIndex(chosen);
    const int listClicks = form.listClicks, comboClicks = form.comboClicks;
    showAndFocus(form);
    EXPECT_EQ(form.List1.listIndex(), chosen);
    EXPECT_EQ(form.Combo1.listIndex(), chosen);
    EXPECT_EQ(list(form)->currentRow(), chosen);
    EXPECT_EQ(qobject_cast<QComboBox*>(qt.widget(form.Combo1))->currentIndex(), chosen);
    EXPECT_EQ(form.listClicks, listClicks) << "focus reported as a click, row " << chosen;
    EXPECT_EQ(form.comboClicks, comboClicks);
    form.Unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
}

TEST_F(ListSelection, ARowClickedReachesTheHandlerOnce) {
  Lists form;
  form.Load();
  form.List1.setListIndex(0);
  showAndFocus(form);
  const int before = form.listClicks;
  QListWidget* l = list(form);
  QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(2)).center());
  QCoreApplication::processEvents();
  EXPECT_EQ(form.List1.listIndex(), 2);
  EXPECT_EQ(form.listClicks, before + 1);
  QTest::keyClick(l, Qt::Key_Down);
  EXPECT_EQ(form.List1.listIndex(), 3);
  EXPECT_EQ(form.listClicks, before + 2);
  form.Unload();
}

}  // namespace
}  // namespace kervale::test
