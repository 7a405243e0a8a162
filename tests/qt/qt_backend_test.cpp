#include "ui/qt/qt_backend.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>
#include <string>

#include "qt/qt_app.h"
#include "ui/control.h"
#include "ui/form.h"
#include "ui/menu.h"

namespace {

using namespace kervale;
using namespace kervale::ui;

QApplication& app() { return kervale::test::qtApp(); }

constexpr Colour kYellow = 0x00FFFF;  // blue-green-red
constexpr Colour kDarkRed = 0x0000C8;

// One control of every kind and a small menu.
class EveryKind : public Form {
 public:
  EveryKind(const std::string& picture, const std::string& folder) : Form("EveryKind") {
    state_.caption = "Every kind";
    state_.width = 9000;
    state_.height = 6750;
    state_.backColor = rgbColour(0, 96, 0);
    state_.borderStyle = 1;
    Label1.setCaption("First line\rSecond line");
    Label1.move(150, 150, 2400, 600);
    Label1.setBackColor(kYellow);
    Label1.setForeColor(kDarkRed);
    Label1.setAlignment(Alignment::Center);
    Label1.setBorderStyle(1);
    Command1.setCaption("&Go");
    Command1.move(2700, 150, 1200, 450);
    Command1.setDefault(true);
    Command2.setCaption("&Cancel");
    Command2.move(4050, 150, 1200, 450);
    Command2.setCancel(true);
    Text1.setText("typed");
    Text1.move(150, 900, 2400, 375);
    Text2.setMultiLine(true);
    Text2.setText("one\r\ntwo");
    Text2.move(150, 1350, 2400, 750);
    for (const char* item : {"Alpha", "Beta", "Gamma"}) List1.addItem(item);
    List1.setListIndex(1);
    List1.move(2700, 900, 1800, 1200);
    Combo1.addItem("Red");
    Combo1.addItem("Blue");
    Combo1.setListIndex(0);
    Combo1.move(4650, 900, 1500, 375);
    Check1.setCaption("&Tick");
    Check1.setValue(1);
    Check1.move(4650, 1350, 1500, 300);
    Frame1.setCaption("Group");
    Frame1.move(150, 2250, 3000, 1500);
    Option1.setContainer(&Frame1);
    Option1.setCaption("&One");
    Option1.setValue(1);
    Option1.move(300, 2550, 1200, 300);
    Option2.setContainer(&Frame1);
    Option2.setCaption("T&wo");
    Option2.move(300, 2925, 1200, 300);
    HScroll1.setMax(10);
    HScroll1.setValue(3);
    HScroll1.setLargeChange(2);
    HScroll1.move(3300, 2250, 2400, 255);
    VScroll1.setMin(10);
    VScroll1.setMax(0);
    VScroll1.setValue(4);
    VScroll1.move(5850, 2250, 255, 1500);
    Image1.setPicture(picture);
    Image1.setStretch(true);
    Image1.move(6300, 150, 1200, 900);
    Picture1.setPicture(folder + "/no such picture.png");
    Picture1.setBackColor(kWhite);
    Picture1.move(6300, 1200, 1200, 900);
    Shape1.setShape(ShapeType::Circle);
    Shape1.setOpaque(false);
    Shape1.setFillStyle(0);
    Shape1.setFillColor(rgbColour(0, 0, 255));
    Shape1.setBorderStyle(1);
    Shape1.move(6300, 2250, 900, 900);
    Line1.setLinePoints(150, 3900, 6000, 3900);
    Line1.setBorderColor(kWhite);
    Line1.setBorderWidth(2);
    Drive1.move(150, 4200, 1800, 300);
    Dir1.setPath(folder);
    Dir1.move(2100, 4200, 1800, 1200);
    File1.setPath(folder);
    File1.move(4050, 4200, 1800, 1200);
    mnuGrid.setChecked(true);
    mnuHidden.setVisible(false);
    designDone();
  }

  MenuItem mnuFile{*this, "mnuFile", "&File"};
  MenuItem mnuNew{*this, "mnuNew", "&New", &mnuFile};
  MenuItem mnuSep{*this, "mnuSep", "-", &mnuFile};
  MenuItem mnuExit{*this, "mnuExit", "E&xit", &mnuFile};
  MenuItem mnuView{*this, "mnuView", "&View"};
  MenuItem mnuGrid{*this, "mnuGrid", "&Grid", &mnuView};
  MenuItem mnuHidden{*this, "mnuHidden", "Hidden", &mnuView};
  Label Label1{*this, "Label1"};
  CommandButton Command1{*this, "Command1"};
  CommandButton Command2{*this, "Command2"};
  TextBox Text1{*this, "Text1"};
  TextBox Text2{*this, "Text2"};
  ListBox List1{*this, "List1"};
  ComboBox Combo1{*this, "Combo1"};
  CheckBox Check1{*this, "Check1"};
  Frame Frame1{*this, "Frame1"};
  OptionButton Option1{*this, "Option1"};
  OptionButton Option2{*this, "Option2"};
  HScrollBar HScroll1{*this, "HScroll1"};
  VScrollBar VScroll1{*this, "VScroll1"};
  Image Image1{*this, "Image1"};
  PictureBox Picture1{*this, "Picture1"};
  Shape Shape1{*this, "Shape1"};
  Line Line1{*this, "Line1"};
  DriveListBox Drive1{*this, "Drive1"};
  DirListBox Dir1{*this, "Dir1"};
  FileListBox File1{*this, "File1"};
};

class Small : public Form {
 public:
  Small() : Form("Small") {
    state_.caption = "Small";
    state_.width = 3000;
    state_.height = 2000;
    Label1.setCaption("Design");
    Label1.move(120, 120, 2000, 300);
    designDone();
  }
  int keepOpen = 0;  // close-box presses still refused
  int activations = 0, deactivations = 0;
  Label Label1{*this, "Label1"};

 protected:
  void Form_Activate() override { ++activations; }
  void Form_Deactivate() override { ++deactivations; }
  void Form_QueryUnload(int& cancel, UnloadMode mode) override {
    if (mode == UnloadMode::CloseBox && keepOpen > 0) {
      --keepOpen;
      cancel = 1;
    }
  }
};

class QtBackendTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app();
    ASSERT_TRUE(folder_.isValid());
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(QColor(255, 128, 0));
    for (int x = 0; x < 20; ++x) {
      for (int y = 0; y < 30; ++y) image.setPixel(x, y, qRgb(0, 128, 255));
    }
    picture_ = (folder_.path() + "/badge.png").toStdString();
    ASSERT_TRUE(image.save(QString::fromStdString(picture_)));
    QFile save(folder_.path() + "/club.usa");
    ASSERT_TRUE(save.open(QIODevice::WriteOnly));
    QDir(folder_.path()).mkdir("saves");
    qt_ = std::make_unique<kervale::test::WindowBackend>();
    setBackend(qt_.get());
  }
  void TearDown() override {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    setBackend(nullptr);
    qt_.reset();
  }
  std::string folder() const { return folder_.path().toStdString(); }
  template <class W>
  W* widget(const Control& c) {
    return qobject_cast<W*>(qt_->widget(c));
  }

  QTemporaryDir folder_{QString::fromStdString(kervale::test::outputFile("backend-XXXXXX"))};
  std::string picture_;
  std::unique_ptr<QtBackend> qt_;
};

// Runs the program's loop; a hang fails instead of blocking.
int execGuarded() {
  const kervale::test::Watchdog watchdog(5000, "the program's loop", [] { QCoreApplication::exit(1); });
  return QApplication::exec();
}

// Runs answer on the modal dialog of type D that the next call opens.
template <class D, class F>
void onModal(F answer) {
  QTimer::singleShot(0, [answer] {
    auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    answer(dialog);
  });
}

int stackIndex(QWidget* w) { return static_cast<int>(w->parentWidget()->children().indexOf(w)); }

TEST_F(QtBackendTest, EveryKindOfControlIsShownFromTheModel) {
  EveryKind form(picture_, folder());
  form.Show();
  QCoreApplication::processEvents();

  auto* window = qobject_cast<QMainWindow*>(qt_->window(form));
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->windowTitle(), "Every kind");
  EXPECT_EQ(window->size(), QSize(600, 450));
  EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "only a sizable form can be resized";

  auto* label = widget<QLabel>(form.Label1);
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->text(), "First line\nSecond line");
  EXPECT_EQ(label->geometry(), QRect(10, 10, 160, 40));
  EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(200, 0, 0));
  EXPECT_EQ(label->frameShape(), QFrame::Panel);
  EXPECT_TRUE(label->alignment() & Qt::AlignHCenter);

  auto* go = widget<QPushButton>(form.Command1);
  ASSERT_NE(go, nullptr);
  EXPECT_EQ(go->text(), "&Go");
  EXPECT_TRUE(go->isDefault());
  EXPECT_EQ(go->geometry(), QRect(180, 10, 80, 30));

  auto* text1 = widget<QLineEdit>(form.Text1);
  auto* text2 = widget<QPlainTextEdit>(form.Text2);
  auto* list = widget<QListWidget>(form.List1);
  auto* combo = widget<QComboBox>(form.Combo1);
  auto* check = widget<QCheckBox>(form.Check1);
  auto* one = widget<QRadioButton>(form.Option1);
  auto* two = widget<QRadioButton>(form.Option2);
  ASSERT_TRUE(text1 && text2 && list && combo && check && one && two);
  EXPECT_EQ(text1->text(), "typed");
  EXPECT_EQ(text1->palette().color(QPalette::Base), QColor(255, 255, 255));
  EXPECT_EQ(text2->toPlainText(), "one\ntwo");
  ASSERT_EQ(list->count(), 3);
  EXPECT_EQ(list->item(2)->text(), "Gamma");
  EXPECT_EQ(list->currentRow(), 1);
  EXPECT_EQ(combo->count(), 2);
  EXPECT_EQ(combo->currentText(), "Red");
  EXPECT_EQ(check->checkState(), Qt::Checked);
  EXPECT_TRUE(one->isChecked());
  EXPECT_FALSE(two->isChecked());
  EXPECT_FALSE(one->autoExclusive());
  EXPECT_EQ(one->geometry().topLeft(), QPoint(20, 170)) << "form coordinates, also inside a frame";

  auto* across = widget<QScrollBar>(form.HScroll1);
  auto* down = widget<QScrollBar>(form.VScroll1);
  ASSERT_TRUE(across && down);
  EXPECT_EQ(across->orientation(), Qt::Horizontal);
  EXPECT_EQ(across->value(), 3);
  EXPECT_EQ(across->maximum(), 10);
  EXPECT_EQ(across->pageStep(), 2);
  EXPECT_EQ(down->orientation(), Qt::Vertical);
  EXPECT_EQ(down->maximum(), 10);
  EXPECT_TRUE(down->invertedAppearance()) << "Min above Max runs the bar the other way";
  EXPECT_EQ(down->value(), 4);

  auto* group = widget<QGroupBox>(form.Frame1);
  auto* image = widget<QLabel>(form.Image1);
  auto* picture = widget<QLabel>(form.Picture1);
  QWidget* shape = qt_->widget(form.Shape1);
  QWidget* line = qt_->widget(form.Line1);
  auto* files = widget<QListWidget>(form.File1);
  auto* dirs = widget<QListWidget>(form.Dir1);
  auto* drives = widget<QListWidget>(form.Drive1);
  ASSERT_TRUE(group && image && picture && shape && line && files && dirs && drives);
  EXPECT_EQ(group->title(), "Group");
  EXPECT_LT(stackIndex(group), stackIndex(one)) << "a frame lies behind the controls in it";
  EXPECT_LT(stackIndex(group), stackIndex(label));
  EXPECT_LT(stackIndex(image), stackIndex(go)) << "pictures and labels lie behind windowed controls";
  EXPECT_TRUE(image->hasScaledContents());
  EXPECT_LT(stackIndex(picture), stackIndex(label))
      << "a picture box holds controls, so it lies behind labels made before it";
  EXPECT_TRUE(picture->pixmap().isNull()) << "a missing picture shows nothing";
  EXPECT_EQ(shape->geometry(), QRect(420, 150, 60, 60));
  EXPECT_TRUE(line->geometry().contains(QRect(10, 259, 390, 2)));
  EXPECT_LT(line->height(), 10);
  ASSERT_EQ(files->count(), 2);
  EXPECT_EQ(files->item(0)->text(), "badge.png");
  EXPECT_EQ(files->item(1)->text(), "club.usa");
  ASSERT_EQ(dirs->count(), form.Dir1.listCount());
  EXPECT_EQ(dirs->findItems("saves", Qt::MatchExactly).size(), 1);
  EXPECT_EQ(drives->count(), 1);

  ASSERT_TRUE(window->menuBar()->isVisible());
  QAction* file = qt_->action(form.mnuFile);
  ASSERT_TRUE(file && file->menu());
  EXPECT_EQ(file->text(), "&File");
  EXPECT_EQ(file->menu()->actions().size(), 3);
  EXPECT_TRUE(qt_->action(form.mnuSep)->isSeparator());
  EXPECT_TRUE(qt_->action(form.mnuGrid)->isChecked());
  EXPECT_FALSE(qt_->action(form.mnuHidden)->isVisible());

  // The rendered window: the picture an eye would see.
  QImage shot = window->grab().toImage();
  QSet<QRgb> colours;
  for (int y = 0; y < shot.height(); y += 3) {
    for (int x = 0; x < shot.width(); x += 3) colours.insert(shot.pixel(x, y));
  }
  EXPECT_GT(colours.size(), 20) << "a blank grab";
  QImage client = qt_->surface(form)->grab().toImage();
  EXPECT_EQ(client.pixelColor(590, 300), QColor(0, 96, 0)) << "the form's own colour";
  EXPECT_EQ(client.pixelColor(14, 46), QColor(255, 255, 0)) << "an opaque label";
  EXPECT_EQ(client.pixelColor(425, 20), QColor(0, 128, 255)) << "the stretched picture";
  EXPECT_EQ(client.pixelColor(450, 180), QColor(0, 0, 255)) << "the filled circle";
  EXPECT_EQ(client.pixelColor(200, 260), QColor(255, 255, 255)) << "the line";
  form.Unload();
}

TEST_F(QtBackendTest, UserActionsReachTheHandlers) {
  EveryKind form(picture_, folder());
  int go = 0, cancel = 0, ticks = 0, picks = 0, doubles = 0, edits = 0, changes = 0, labelClicks = 0, news = 0,
      menuOpens = 0;
  std::vector<std::string> downs;
  form.Command1.onClick = [&] { ++go; };
  form.Command2.onClick = [&] { ++cancel; };
  form.Check1.onClick = [&] { ++ticks; };
  form.List1.onClick = [&] { ++picks; };
  form.List1.onDblClick = [&] { ++doubles; };
  form.Text1.onChange = [&] { ++edits; };
  form.HScroll1.onChange = [&] { ++changes; };
  form.Label1.onClick = [&] { ++labelClicks; };
  form.Label1.onMouseDown = [&](int button, int shift, double x, double y) {
    downs.push_back(std::to_string(button) + " " + std::to_string(shift) + " " + std::to_string(int(x)) + " " +
                    std::to_string(int(y)));
  };
  form.mnuNew.onClick = [&] { ++news; };
  form.mnuGrid.onClick = [&] { form.mnuGrid.setChecked(!form.mnuGrid.checked()); };
  form.mnuView.onClick = [&] {
    ++menuOpens;
    form.mnuHidden.setVisible(true);
  };
  form.Show();
  QCoreApplication::processEvents();
  QWidget* window = qt_->window(form);

  QTest::mouseClick(widget<QPushButton>(form.Command1), Qt::LeftButton);
  EXPECT_EQ(go, 1);
  QTest::keyClick(window, Qt::Key_Return);
  EXPECT_EQ(go, 2) << "Enter presses the default button";
  QTest::keyClick(window, Qt::Key_Escape);
  EXPECT_EQ(cancel, 1) << "Escape presses the cancel button";

  const QPoint box(6, 10);  // on the tick box itself
  QTest::mouseClick(widget<QCheckBox>(form.Check1), Qt::LeftButton, {}, box);
  EXPECT_EQ(form.Check1.value(), 0);
  EXPECT_EQ(ticks, 1);

  QTest::mouseClick(widget<QRadioButton>(form.Option2), Qt::LeftButton, {}, box);
  EXPECT_EQ(form.Option2.value(), 1);
  EXPECT_EQ(form.Option1.value(), 0);
  QTest::mouseClick(widget<QRadioButton>(form.Option2), Qt::LeftButton, {}, box);  // Qt alone would untick it
  QCoreApplication::processEvents();
  EXPECT_FALSE(widget<QRadioButton>(form.Option1)->isChecked());
  EXPECT_TRUE(widget<QRadioButton>(form.Option2)->isChecked());

  auto* list = widget<QListWidget>(form.List1);
  QPoint third = list->visualItemRect(list->item(2)).center();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, third);
  EXPECT_EQ(form.List1.listIndex(), 2);
  EXPECT_EQ(picks, 1);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, third);
  EXPECT_EQ(doubles, 1);

  auto* edit = widget<QLineEdit>(form.Text1);
  edit->setFocus();
  edit->end(false);
  QTest::keyClicks(edit, "!?");
  EXPECT_EQ(form.Text1.text(), "typed!?");
  EXPECT_EQ(edits, 2);

  QTest::keyClick(widget<QComboBox>(form.Combo1), Qt::Key_Down);
  EXPECT_EQ(form.Combo1.listIndex(), 1);
  EXPECT_EQ(form.Combo1.text(), "Blue");

  widget<QScrollBar>(form.HScroll1)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(form.HScroll1.value(), 4);
  widget<QScrollBar>(form.HScroll1)->triggerAction(QAbstractSlider::SliderPageStepSub);
  EXPECT_EQ(form.HScroll1.value(), 2);
  EXPECT_EQ(changes, 2);

  int labelDoubles = 0;
  form.Label1.onDblClick = [&] { ++labelDoubles; };
  QTest::mouseClick(widget<QLabel>(form.Label1), Qt::LeftButton, Qt::ShiftModifier, QPoint(30, 20));
  EXPECT_EQ(labelClicks, 1);
  // The window system's double click: press, release, double click, release.
  auto* label = widget<QLabel>(form.Label1);
  QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(5, 5));
  QMouseEvent twice(QEvent::MouseButtonDblClick, QPointF(5, 5), label->mapToGlobal(QPointF(5, 5)), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(label, &twice);
  QMouseEvent up(QEvent::MouseButtonRelease, QPointF(5, 5), label->mapToGlobal(QPointF(5, 5)), Qt::LeftButton,
                 Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(label, &up);
  EXPECT_EQ(labelDoubles, 1);
  EXPECT_EQ(labelClicks, 2) << "a double click is one click and one double click";
  ASSERT_EQ(downs.size(), 2u);
  EXPECT_EQ(downs[0], "1 1 450 300") << "button, shift, x and y in twips";

  qt_->action(form.mnuNew)->trigger();
  EXPECT_EQ(news, 1);
  qt_->action(form.mnuGrid)->trigger();
  EXPECT_FALSE(form.mnuGrid.checked());
  QCoreApplication::processEvents();
  EXPECT_FALSE(qt_->action(form.mnuGrid)->isChecked());
  QMenu* view = qt_->action(form.mnuView)->menu();
  view->popup(QPoint(0, 0));
  EXPECT_EQ(menuOpens, 1) << "opening a menu clicks its title";
  EXPECT_TRUE(qt_->action(form.mnuHidden)->isVisible()) << "and shows what its handler set up";
  view->hide();

  form.Command1.setEnabled(false);
  QCoreApplication::processEvents();
  QTest::keyClick(window, Qt::Key_Return);
  EXPECT_EQ(go, 2) << "a disabled button does not answer Enter";
  form.Unload();
}

TEST_F(QtBackendTest, ModelChangesReachTheWidgetsWhenTheLoopRuns) {
  EveryKind form(picture_, folder());
  form.Show();
  QCoreApplication::processEvents();
  auto* label = widget<QLabel>(form.Label1);
  auto* list = widget<QListWidget>(form.List1);

  form.Label1.setCaption("Changed");
  for (int i = 0; i < 500; ++i) form.List1.addItem("Row " + std::to_string(i));
  form.List1.setListIndex(450);
  form.Frame1.setVisible(false);
  form.setCaption("Renamed");
  form.mnuHidden.setVisible(true);
  form.Image1.setPicture("");
  EXPECT_EQ(label->text(), "First line\nSecond line") << "nothing is pushed before the loop runs";
  EXPECT_TRUE(qt_->flushPending());

  QCoreApplication::processEvents();
  EXPECT_FALSE(qt_->flushPending());
  EXPECT_EQ(label->text(), "Changed");
  EXPECT_EQ(list->count(), 503);
  EXPECT_EQ(list->currentRow(), 450);
  EXPECT_TRUE(list->viewport()->rect().intersects(list->visualItemRect(list->item(450))))
      << "the selected item is brought into view";
  int scrolled = list->verticalScrollBar()->value();
  EXPECT_GT(scrolled, 0);
  form.List1.addItem("One more");
  QCoreApplication::processEvents();
  EXPECT_EQ(list->count(), 504);
  EXPECT_EQ(list->item(503)->text(), "One more");
  EXPECT_EQ(list->verticalScrollBar()->value(), scrolled) << "adding at the end does not move the list";
  form.List1.setList(0, "First");
  QCoreApplication::processEvents();
  EXPECT_EQ(list->item(0)->text(), "First");
  EXPECT_EQ(list->count(), 504);
  EXPECT_TRUE(widget<QGroupBox>(form.Frame1)->isHidden());
  EXPECT_TRUE(widget<QRadioButton>(form.Option1)->isHidden()) << "a hidden frame hides what stands in it";
  EXPECT_EQ(qt_->window(form)->windowTitle(), "Renamed");
  EXPECT_TRUE(qt_->action(form.mnuHidden)->isVisible());
  EXPECT_TRUE(widget<QLabel>(form.Image1)->pixmap().isNull());

  form.Frame1.setVisible(true);
  form.Label1.setCaption("Now");
  form.Refresh();
  EXPECT_EQ(label->text(), "Now") << "Refresh pushes at once";
  EXPECT_FALSE(widget<QRadioButton>(form.Option1)->isHidden());

  // A form that is not shown has no window; shown later, it shows its current state.
  Small other;
  other.Load();
  other.Label1.setCaption("Before showing");
  QCoreApplication::processEvents();
  EXPECT_EQ(qt_->window(other), nullptr);
  other.Show();
  ASSERT_NE(qt_->window(other), nullptr);
  EXPECT_LT(qt_->window(other)->minimumSize().width(), 200) << "a sizable form";
  ASSERT_NE(widget<QLabel>(other.Label1), nullptr);
  EXPECT_EQ(widget<QLabel>(other.Label1)->text(), "Before showing");
  other.Hide();
  other.Label1.setCaption("While hidden");
  other.Show();
  EXPECT_EQ(widget<QLabel>(other.Label1)->text(), "While hidden");
  other.Unload();

  // A control made while the window is up (a control array growing) gets a widget.
  Label extra(form, "Extra");
  extra.setCaption("Late");
  extra.move(7500, 4500, 1200, 300);
  QCoreApplication::processEvents();
  ASSERT_NE(widget<QLabel>(extra), nullptr);
  EXPECT_EQ(widget<QLabel>(extra)->text(), "Late");
  EXPECT_EQ(widget<QLabel>(extra)->geometry(), QRect(500, 300, 80, 20));
  EXPECT_TRUE(widget<QLabel>(extra)->isVisible());
  form.Unload();
}

TEST_F(QtBackendTest, AFormWithNoPlaceStandsInTheMiddleOfTheScreen) {
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  if (QGuiApplication::platformName() == "offscreen") {
    ASSERT_NE(area.topLeft(), QPoint(0, 0)) << "on a screen at the desktop's corner, dropping its origin goes unseen";
  }
  Small form;
  form.Load();  // the design's size, then the screen's
  form.move(0, 0, area.width() * 15, area.height() * 15);
  form.Show();
  EXPECT_EQ(qt_->window(form)->pos(), area.topLeft()) << "as large as the screen: all of it, no row short";
  form.Unload();
  form.Show();  // the design's 3000 x 2000 twips
  EXPECT_EQ(qt_->window(form)->pos(), area.topLeft() + QPoint((area.width() - 200) / 2, (area.height() - 133) / 2));
  form.Unload();
}

TEST_F(QtBackendTest, ActivatingAWindowActivatesItsForm) {
  Small first, second;
  first.Show();
  EXPECT_EQ(first.activations, 1) << "the form shown becomes the active one";
  second.Show();
  EXPECT_EQ(first.deactivations, 1);
  EXPECT_EQ(second.activations, 1);
  EXPECT_EQ(Form::active(), &second);

  qt_->window(first)->activateWindow();
  EXPECT_TRUE(QTest::qWaitFor([&] { return Form::active() == &first; }, 3000));
  EXPECT_EQ(Form::active(), &first) << "the user brought the first window to the front";
  EXPECT_EQ(first.activations, 2);
  EXPECT_EQ(second.deactivations, 1);

  second.Unload();
  first.Unload();
}

TEST_F(QtBackendTest, AHandlerMayUnloadItsOwnForm) {
  EveryKind form(picture_, folder());
  int clicks = 0;
  form.Command1.onClick = [&] { form.Unload(); };
  form.Label1.onMouseUp = [&](int, int, double, double) { form.Unload(); };
  form.Label1.onClick = [&] { ++clicks; };
  form.List1.onClick = [&] {
    form.Unload();
    form.Show();
  };
  form.Show();
  QPointer<QWidget> window = qt_->window(form);
  QPointer<QPushButton> button = widget<QPushButton>(form.Command1);

  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_FALSE(form.loaded());
  EXPECT_EQ(qt_->window(form), nullptr);
  ASSERT_FALSE(window.isNull()) << "deleted later, not while its signal runs";
  EXPECT_TRUE(window->isHidden()) << "but hidden at once";
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(window.isNull());
  EXPECT_TRUE(button.isNull());

  // Unloaded by the mouse-up handler: the click that would follow never comes.
  form.Show();
  window = qt_->window(form);
  QTest::mouseClick(widget<QLabel>(form.Label1), Qt::LeftButton);
  EXPECT_FALSE(form.loaded());
  EXPECT_EQ(clicks, 0);

  // Unloaded and shown again from a list's click: a new window, built from design.
  form.Label1.onMouseUp = nullptr;
  form.Show();
  window = qt_->window(form);
  auto* list = widget<QListWidget>(form.List1);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
  QWidget* again = qt_->window(form);
  ASSERT_NE(again, nullptr);
  EXPECT_NE(again, window.data());
  EXPECT_TRUE(again->isVisible());
  EXPECT_EQ(widget<QListWidget>(form.List1)->currentRow(), 1);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(window.isNull());
  form.Unload();
}

TEST_F(QtBackendTest, AModalShowReturnsWhenTheFormGoes) {
  Small dialog;
  bool wasModal = false;
  QTimer::singleShot(0, [&] {
    QWidget* w = qt_->window(dialog);
    wasModal = w != nullptr && w->isVisible() && w->windowModality() == Qt::ApplicationModal;
    dialog.Unload();
  });
  dialog.Show(ShowMode::Modal);
  EXPECT_TRUE(wasModal);
  EXPECT_FALSE(dialog.loaded());
  EXPECT_EQ(qt_->window(dialog), nullptr);

  // The close box: refused once by the form, then accepted.
  dialog.keepOpen = 1;
  bool stayed = false;
  QTimer::singleShot(0, [&] {
    qt_->window(dialog)->close();
    stayed = dialog.loaded() && qt_->window(dialog) != nullptr && qt_->window(dialog)->isVisible();
    qt_->window(dialog)->close();
  });
  dialog.Show(ShowMode::Modal);
  EXPECT_TRUE(stayed);
  EXPECT_FALSE(dialog.loaded());

  // Hidden ends the wait too; shown modeless afterwards it is modal no more.
  QTimer::singleShot(0, [&] { dialog.Hide(); });
  dialog.Show(ShowMode::Modal);
  EXPECT_TRUE(dialog.loaded());
  dialog.Show();
  EXPECT_EQ(qt_->window(dialog)->windowModality(), Qt::NonModal);
  dialog.Unload();
}

TEST_F(QtBackendTest, EndingTheProgramLeavesNestedLoops) {
  Small main, dialog;
  bool afterModal = false;
  main.Show();
  QTimer::singleShot(0, [&] {
    dialog.Show(ShowMode::Modal);
    afterModal = true;
  });
  QTimer::singleShot(0, [&] { qt_->endProgram(); });  // runs inside the modal loop
  EXPECT_EQ(execGuarded(), 0);
  EXPECT_TRUE(afterModal);
  EXPECT_TRUE(qt_->programEnded());
  EXPECT_EQ(qt_->window(main), nullptr);
  EXPECT_EQ(qt_->window(dialog), nullptr);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(qt_->messageBox("gone", MsgButtons::YesNo, MsgIcon::None, "KERV"), MsgResult::No)
      << "no box once the program ended";
}

TEST_F(QtBackendTest, ClosingTheLastWindowEndsTheProgram) {
  qt_->setEndWhenAllUnloaded(true);
  Small hub, squad;
  squad.Label1.onClick = [&] {
    // A full-window screen: the hub goes, then the other one comes, in one handler.
    hub.Unload();
    squad.Unload();
    hub.Show();
  };
  bool survivedHandOver = false;
  hub.Show();
  squad.Show();
  QTimer::singleShot(0, [&] {
    QTest::mouseClick(widget<QLabel>(squad.Label1), Qt::LeftButton);
    // Posted after the backend's own check for windows left.
    QTimer::singleShot(0, [&] {
      survivedHandOver = !qt_->programEnded() && hub.shown();
      if (QWidget* last = qt_->window(hub)) last->close();  // the close box of the last window
    });
  });
  EXPECT_EQ(execGuarded(), 0);
  EXPECT_TRUE(survivedHandOver);
  EXPECT_FALSE(hub.loaded());
  EXPECT_TRUE(qt_->programEnded());
}

TEST_F(QtBackendTest, DialogsAndServices) {
  QString shown;
  onModal<QMessageBox>([&shown](QMessageBox* box) {
    shown = box->windowTitle() + "|" + box->text() + "|" + QString::number(box->icon());
    box->button(QMessageBox::Yes)->click();
  });
  EXPECT_EQ(MsgBox("Sell him?\rHe is 34.", MsgButtons::YesNo, MsgIcon::Question), MsgResult::Yes);
  EXPECT_EQ(shown, "KERV|Sell him?\nHe is 34.|" + QString::number(QMessageBox::Question));

  onModal<QMessageBox>([](QMessageBox* box) {
    ASSERT_EQ(box->buttons().size(), 3);
    box->button(QMessageBox::Retry)->click();
  });
  EXPECT_EQ(MsgBox("Screen", MsgButtons::AbortRetryIgnore, MsgIcon::Critical, "Error"), MsgResult::Retry);

  onModal<QInputDialog>([&shown](QInputDialog* dialog) {
    shown = dialog->textValue();
    dialog->setTextValue("Rovers");
    dialog->accept();
  });
  EXPECT_EQ(InputBox("Name of the save", "Save", "Default"), "Rovers");
  EXPECT_EQ(shown, "Default");
  onModal<QInputDialog>([](QInputDialog* dialog) { dialog->reject(); });
  EXPECT_EQ(InputBox("Name of the save"), std::nullopt);

  ScreenMetrics screen = qt_->screen();
  QRect geometry = QGuiApplication::primaryScreen()->geometry();
  EXPECT_EQ(screen.widthPixels, geometry.width());
  EXPECT_EQ(screen.heightPixels, geometry.height());
  EXPECT_EQ(screen.twipsPerPixelX, 15);
  EXPECT_EQ(screen.twipsPerPixelY, 15);

  qt_->setBusyCursor(true);
  qt_->setBusyCursor(true);
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  qt_->setBusyCursor(false);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "busy on and off stay balanced";
  qt_->setBusyCursor(false);

  // Nested DoEvents from inside a pending action.
  int depth = 0, ran = 0;
  QTimer::singleShot(0, [&] {
    ++depth;
    DoEvents();
    ++ran;
  });
  QTimer::singleShot(0, [&] { ran += 10; });
  DoEvents();
  EXPECT_EQ(depth, 1);
  EXPECT_EQ(ran, 11);
}

}  // namespace
