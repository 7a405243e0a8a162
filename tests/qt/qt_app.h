#pragma once

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QWidget>

#include "ui/form.h"
#include "ui/qt/qt_backend.h"

namespace kervale::test {

// The one application of the window tests, made on first use. Offscreen, its
// screen is 1024 x 768 at 96 dots per inch, so both layouts of the game fit.
inline QApplication& qtApp() {
  if (auto* running = qobject_cast<QApplication*>(QCoreApplication::instance())) return *running;
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  if (platform.isEmpty() || platform == "offscreen") {
    // One file per process: tests run in parallel, and a file another process
    // is rewriting reads as broken.
    const QString config = QDir::temp().filePath(
        QStringLiteral("kervale-offscreen-screen-%1.json").arg(QCoreApplication::applicationPid()));
    QFile file(config);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
      file.write(R"({"screens": [{"name": "test", "x": 0, "y": 0, "width": 1024, "height": 768,)"
                 R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
      file.close();
      qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toUtf8());
    } else {
      qputenv("QT_QPA_PLATFORM", "offscreen");
    }
  }
  static int argc = 1;
  static char name[] = "test_qt";
  static char* argv[] = {name, nullptr};
  auto* app = new QApplication(argc, argv);  // lives to the end of the program
  QFile::remove(QDir::temp().filePath(
      QStringLiteral("kervale-offscreen-screen-%1.json").arg(QCoreApplication::applicationPid())));
  return *app;
}

// Whether the form's window is up and shows more than one colour.
inline bool rendered(const ui::QtBackend& qt, const ui::Form& form) {
  QCoreApplication::processEvents();
  QWidget* window = qt.window(form);
  if (window == nullptr || !window->isVisible()) return false;
  const QImage shot = window->grab().toImage();
  for (int y = 0; y < shot.height(); y += 3) {
    for (int x = 0; x < shot.width(); x += 3) {
      if (shot.pixel(x, y) != shot.pixel(0, 0)) return true;
    }
  }
  return false;
}

}  // namespace kervale::test
