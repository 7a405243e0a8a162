#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QSignalBlocker>
#include <algorithm>

#include "ui/qt/form_window.h"
#include "ui/qt/qt_convert.h"

namespace kervale::ui {

void FormWindow::buildMenus(QWidget* parent, const std::vector<MenuItem*>& items) {
  for (MenuItem* item : items) {
    QAction* action = nullptr;
    if (!item->children().empty()) {
      auto* menu = new QMenu(parent);
      action = menu->menuAction();
      // Opening a menu clicks its title: the handler may set up the items.
      QObject::connect(menu, &QMenu::aboutToShow, this, [this, item] {
        if (!live()) return;
        QPointer<FormWindow> self(this);
        item->userClick();
        if (self && live()) push(false);
      });
      buildMenus(menu, item->children());
    } else {
      action = new QAction(parent);
      QObject::connect(action, &QAction::triggered, this, [this, item] {
        if (!live()) return;
        QPointer<FormWindow> self(this);
        item->userClick();
        if (!self || !live()) return;
        menusResync_ = true;
        backend_.formChanged(form_);
      });
    }
    parent->addAction(action);
    actions_[item] = action;
  }
}

void FormWindow::applyMenu(MenuItem& m, QAction* a) {
  const QSignalBlocker blocker(a);
  const MenuState& s = m.state();
  bool separator = s.caption == "-";
  if (a->isSeparator() != separator && a->menu() == nullptr) a->setSeparator(separator);
  if (!separator) a->setText(qs(s.caption));
  if (a->shortcut().toString() != qs(s.shortcut)) a->setShortcut(QKeySequence(qs(s.shortcut)));
  a->setVisible(s.visible);
  a->setEnabled(s.enabled);
  if (s.checked) a->setCheckable(true);
  if (a->isCheckable()) a->setChecked(s.checked);
}

void FormWindow::applyMenus(bool all) {
  bool any = false;
  for (MenuItem* m : form_.allMenus()) {
    if (!all && !menusResync_ && !m->changed()) continue;
    m->clearChanged();
    any = true;
    if (QAction* a = actionOf(*m)) applyMenu(*m, a);
  }
  menusResync_ = false;
  if (!any || form_.menuBar().empty()) return;
  bool shown = std::any_of(form_.menuBar().begin(), form_.menuBar().end(), [](MenuItem* m) { return m->visible(); });
  if (menuBar()->isHidden() == shown) menuBar()->setVisible(shown);
}

}  // namespace kervale::ui
