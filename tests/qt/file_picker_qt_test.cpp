// The picture picker in the real widgets: where it is, and the world's
// picture kinds listed.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <filesystem>

#include "data/mls_module.h"
#include "qt/qt_app.h"
#include "shell/load_bg_picture.h"
#include "shell/main_module.h"
#include "shell/shell_game.h"
#include "support/temp_dir.h"
#include "ui/qt/qt_backend.h"
#include "ui/screen.h"

namespace kervale::test {
namespace {

QStringList rows(QWidget* w) {
  QStringList shown;
  auto* list = qobject_cast<QListWidget*>(w);
  for (int i = 0; list != nullptr && i < list->count(); ++i) shown.push_back(list->item(i)->text());
  return shown;
}

TEST(FilePicker, ShowsItsFolderAndListsTheWorldsPictureKinds) {
  qtApp();
  TempDir folder;
  for (const char* name : {"hub.jpg", "badge 1.png", "old.bmp", "notes.txt", "club.usa"}) folder.write(name);
  folder.makeDir("pictures");
  ScopedCurrentDir inFolder(folder.path());
  test::WindowBackend qt;
  ui::setBackend(&qt);
  replaceGame(smallGame());
  LoadBgPicture& picker = ui::screen<LoadBgPicture>();
  ui::screen<MainModule>().PicChange_Click();
  QCoreApplication::processEvents();

  QWidget* dirs = qt.widget(picker.Dir1);
  ASSERT_NE(dirs, nullptr);
  const QString where = QString::fromStdString(std::filesystem::canonical(folder.path()).string());
  bool folderShown = false;
  for (const QLabel* heading : dirs->findChildren<QLabel*>()) {
    folderShown |= heading->isVisible() && heading->toolTip() == where && where.endsWith(heading->text().remove(0, 1));
  }
  EXPECT_TRUE(folderShown) << "no line shows " << where.toStdString();
  EXPECT_EQ(rows(qt.widget(picker.File1)), (QStringList{"badge 1.png", "hub.jpg", "old.bmp"}));
  picker.Command6.userClick();  // ".JPEG"
  QCoreApplication::processEvents();
  EXPECT_EQ(rows(qt.widget(picker.File1)), QStringList{"hub.jpg"});

  picker.Unload();
  ui::screen<MainModule>().Unload();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  ui::setBackend(nullptr);
  replaceGame(nullptr);
}

}  // namespace
}  // namespace kervale::test
