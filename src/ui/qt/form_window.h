#pragma once

#include <QMainWindow>
#include <QPointer>
#include <memory>
#include <unordered_map>
#include <vector>

#include "ui/control.h"
#include "ui/form.h"
#include "ui/menu.h"
#include "ui/qt/qt_backend.h"
#include "ui/qt/qt_widgets.h"

namespace kervale::ui {

// The window of one shown form and the widgets of its controls.
class FormWindow : public QMainWindow {
 public:
  FormWindow(QtBackend& backend, Form& form);

  Form& form() const { return form_; }
  QWidget* surface() const { return surface_; }
  QWidget* widgetOf(const Control& c) const {
    auto it = byControl_.find(&c);
    return it == byControl_.end() ? nullptr : it->second->widget;
  }
  QAction* actionOf(const MenuItem& m) const {
    auto it = actions_.find(&m);
    return it == actions_.end() ? nullptr : it->second;
  }

  // Model to widgets: everything, or only what changed.
  void push(bool all);
  // The form was unloaded: hidden now, deleted when the event loop is back.
  void kill();
  bool live() const { return !dead_ && !backend_.ended_; }

  QEventLoop* modalLoop = nullptr;
  bool dirty = false;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct View {
    Control* control = nullptr;
    QWidget* widget = nullptr;
    ControlState last;
    bool fresh = true;    // nothing pushed yet
    bool resync = false;  // the user acted on it: the widget may differ from the model
    bool doubleClicked = false;
  };

  void addView(Control& c);
  void restack();
  bool fillsWindow(const Control& c) const;
  bool holdsFrame(const Control& c) const;
  QWidget* createWidget(View& v);
  void apply(View& v, bool all);
  void applyVisibility(View& v);
  void applyForm(bool all);
  void buildMenus(QWidget* parent, const std::vector<MenuItem*>& items);
  void applyMenu(MenuItem& m, QAction* a);
  void applyMenus(bool all);
  // Carries out the program's latest focus request, once.
  void applyFocus(bool all);
  void reconcile();
  // Runs a user action on the model, then has the widget re-read the model.
  template <class F>
  void act(View& v, F&& action);
  void pressButton(bool cancel);

  QtBackend& backend_;
  Form& form_;
  Surface* surface_;
  std::vector<std::unique_ptr<View>> views_;
  std::unordered_map<const Control*, View*> byControl_;
  std::unordered_map<QObject*, View*> sources_;  // widgets whose mouse and keys reach a control
  std::unordered_map<const MenuItem*, QAction*> actions_;
  FormState lastForm_;
  bool formFresh_ = true;
  int focusRequests_ = 0;
  bool menusResync_ = false;
  bool dead_ = false;
};

template <class F>
void FormWindow::act(View& v, F&& action) {
  if (!live()) return;
  QPointer<FormWindow> self(this);
  action();
  if (!self || !live()) return;
  v.resync = true;
  backend_.formChanged(form_);
}

}  // namespace kervale::ui
