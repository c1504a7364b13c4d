#include "ui/headless.h"

#include <stdexcept>

#include "ui/form.h"

namespace ui {

void HeadlessWidgetSet::RunModal(Form& form) {
  ModalForms.push_back(form.Name());
  if (modal_.empty()) throw std::logic_error("no scripted answer for modal form " + form.Name());
  ModalStep step = std::move(modal_.front());
  modal_.pop_front();
  int result = step(form);
  if (form.ModalResult() == mrNone) form.SetModalResult(result);
}

int HeadlessWidgetSet::ShowMessageBox(const MessageBoxRequest& request) {
  MessageBoxes.push_back(request);
  if (answers_.empty()) throw std::logic_error("no scripted answer for message box: " + request.Text);
  int result = answers_.front();
  answers_.pop_front();
  return result;
}

bool HeadlessWidgetSet::Execute(FileDialog& dialog) {
  FileDialogTitles.push_back(dialog.Title);
  if (files_.empty()) throw std::logic_error("no scripted answer for file dialog " + dialog.Title);
  auto pick = std::move(files_.front());
  files_.pop_front();
  if (!pick) return false;
  dialog.FileName = *pick;
  return true;
}

}  // namespace ui
