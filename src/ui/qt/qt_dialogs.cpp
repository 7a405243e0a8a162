#include <QInputDialog>
#include <QMessageBox>

#include "ui/qt/qt_backend.h"
#include "ui/qt/qt_convert.h"

namespace kervale::ui {

MsgResult QtBackend::messageBox(std::string_view text, MsgButtons buttons, MsgIcon icon, std::string_view title) {
  using SB = QMessageBox::StandardButton;
  QMessageBox::StandardButtons set;
  MsgResult fallback = MsgResult::OK;
  switch (buttons) {
    case MsgButtons::OK:
      set = SB::Ok;
      break;
    case MsgButtons::OKCancel:
      set = SB::Ok | SB::Cancel;
      fallback = MsgResult::Cancel;
      break;
    case MsgButtons::AbortRetryIgnore:
      set = SB::Abort | SB::Retry | SB::Ignore;
      fallback = MsgResult::Abort;
      break;
    case MsgButtons::YesNoCancel:
      set = SB::Yes | SB::No | SB::Cancel;
      fallback = MsgResult::Cancel;
      break;
    case MsgButtons::YesNo:
      set = SB::Yes | SB::No;
      fallback = MsgResult::No;
      break;
    case MsgButtons::RetryCancel:
      set = SB::Retry | SB::Cancel;
      fallback = MsgResult::Cancel;
      break;
  }
  if (ended_) return fallback;
  QMessageBox::Icon qicon = QMessageBox::NoIcon;
  switch (icon) {
    case MsgIcon::Critical:
      qicon = QMessageBox::Critical;
      break;
    case MsgIcon::Question:
      qicon = QMessageBox::Question;
      break;
    case MsgIcon::Exclamation:
      qicon = QMessageBox::Warning;
      break;
    case MsgIcon::Information:
      qicon = QMessageBox::Information;
      break;
    case MsgIcon::None:
      break;
  }
  // No parent: a handler may unload the form that would own the box.
  QMessageBox box(qicon, qs(title), withLineBreaks(text), set);
  box.setTextFormat(Qt::PlainText);
  // The first button is the default one.
  for (SB b : {SB::Ok, SB::Abort, SB::Retry, SB::Yes}) {
    if (set.testFlag(b)) {
      box.setDefaultButton(b);
      break;
    }
  }
  box.exec();
  switch (box.standardButton(box.clickedButton())) {
    case SB::Ok:
      return MsgResult::OK;
    case SB::Cancel:
      return MsgResult::Cancel;
    case SB::Abort:
      return MsgResult::Abort;
    case SB::Retry:
      return MsgResult::Retry;
    case SB::Ignore:
      return MsgResult::Ignore;
    case SB::Yes:
      return MsgResult::Yes;
    case SB::No:
      return MsgResult::No;
    default:
      return fallback;
  }
}

std::optional<std::string> QtBackend::inputBox(std::string_view prompt, std::string_view title,
                                               std::string_view defaultText) {
  if (ended_) return std::nullopt;
  QInputDialog dialog;
  dialog.setInputMode(QInputDialog::TextInput);
  dialog.setWindowTitle(qs(title));
  dialog.setLabelText(withLineBreaks(prompt));
  dialog.setTextValue(qs(defaultText));
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.textValue().toStdString();
}

}  // namespace kervale::ui
