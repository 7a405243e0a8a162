#include "qt/qt_app.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <algorithm>
#include <exception>

#include "ui/headless/headless_backend.h"

namespace kervale::test {

namespace {

QString outputFolder() {
  static const QString folder = [] {
    const QString path = QStringLiteral(KERVALE_TEST_OUTPUT_DIR);
    QDir().mkpath(path);
    return path;
  }();
  return folder;
}

// Qt keeps runtime files in XDG_RUNTIME_DIR, or else makes a folder in the
// system's temporary folder; the tests give it one of their own.
void privateRuntimeFolder() {
  if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) return;
  const QString runtime = outputFolder() + QStringLiteral("/runtime");
  QDir().mkpath(runtime);
  QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  qputenv("XDG_RUNTIME_DIR", runtime.toUtf8());
}

// The offscreen screen's description, one file per process: tests run in
// parallel, and a file another process is rewriting reads as broken.
QString screenFile() {
  return outputFolder() + QStringLiteral("/offscreen-screen-%1.json").arg(QCoreApplication::applicationPid());
}

void offscreenScreen() {
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  if (!platform.isEmpty() && platform != "offscreen") return;
  QFile file(screenFile());
  if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    // Off the desktop's corner, as beside a panel: placing a window on the
    // screen must count from its origin.
    file.write(R"({"screens": [{"name": "test", "x": 64, "y": 32, "width": 1024, "height": 768,)"
               R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + file.fileName().toUtf8());
  } else {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
}

}  // namespace

QApplication& qtApp() {
  if (auto* running = qobject_cast<QApplication*>(QCoreApplication::instance())) return *running;
  privateRuntimeFolder();
  offscreenScreen();
  static int argc = 1;
  static char name[] = "test_qt";
  static char* argv[] = {name, nullptr};
  auto* app = new QApplication(argc, argv);  // lives to the end of the program
  QFile::remove(screenFile());
  return *app;
}

std::string outputFile(const std::string& name) {
  return (outputFolder() + "/" + QString::fromStdString(name)).toStdString();
}

WindowBackend::WindowBackend() { qtApp(); }

void WindowBackend::formShown(ui::Form& form, bool modal) {
  if (std::find(shown_.begin(), shown_.end(), &form) == shown_.end()) shown_.push_back(&form);
  QtBackend::formShown(form, modal);
}

void WindowBackend::formUnloaded(ui::Form& form) {
  // A form that goes (a test's own) is unloaded first, so none stays listed.
  std::erase(shown_, &form);
  QtBackend::formUnloaded(form);
}

WindowBackend::~WindowBackend() {
  if (&ui::backend() == this) ui::setBackend(nullptr);
  ui::HeadlessBackend& headless = ui::headless();
  headless.reset();
  headless.setPolicy(ui::HeadlessBackend::Policy::Defaults);
  try {
    // An unload handler may show another screen (the hub comes back): a few passes.
    for (int pass = 0; pass < 4; ++pass) {
      std::vector<ui::Form*> forms = shown_;
      forms.insert(forms.end(), headless.shownForms().begin(), headless.shownForms().end());
      headless.clearShownForms();
      bool unloaded = false;
      for (ui::Form* form : forms) {
        if (form->loaded()) unloaded = form->Unload(ui::UnloadMode::Code) || unloaded;
      }
      if (!unloaded) break;
    }
  } catch (const std::exception& e) {
    ADD_FAILURE() << "unloading the window test's screens: " << e.what();
  }
  headless.reset();
}

QPalette DesktopScheme::dark() {
  QPalette p;
  for (QPalette::ColorRole back : {QPalette::Window, QPalette::Button, QPalette::Base})
    p.setColor(back, QColor(45, 45, 45));
  for (QPalette::ColorRole text : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
    p.setColor(text, Qt::white);
  return p;
}

QPalette DesktopScheme::light() {
  QPalette p;
  for (QPalette::ColorRole back : {QPalette::Window, QPalette::Button, QPalette::Base})
    p.setColor(back, QColor(239, 239, 239));
  for (QPalette::ColorRole text : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
    p.setColor(text, Qt::black);
  return p;
}

void DesktopScheme::use(const QPalette& scheme) {
  QApplication::setPalette(scheme);
  QCoreApplication::processEvents();
}

DesktopScheme::~DesktopScheme() { use(before_); }

Watchdog::Watchdog(int ms, std::string what, std::function<void()> end) {
  timer_.setSingleShot(true);
  QObject::connect(&timer_, &QTimer::timeout, [this, ms, what = std::move(what), end = std::move(end)] {
    fired_ = true;
    ADD_FAILURE() << what << " did not end within " << ms << " ms";
    end();
  });
  timer_.start(ms);
}

}  // namespace kervale::test
