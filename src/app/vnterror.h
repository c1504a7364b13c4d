#pragma once
// The dialog that says no server matches the preferred criterion at the automatic connect.
#include "app/dialog_form.h"
#include "ui/button.h"
#include "ui/label.h"

namespace vnt {

class TFormError : public DialogForm {
 public:
  explicit TFormError(ui::Application& app) : DialogForm(app, "FormError", "Auto Connect Error", 262, 94, 0) {
    plblMessage = Place<ui::Label>(this, "plblMessage", 8, 8, 246, 52);
    plblMessage->WordWrap = true;
    plblMessage->AutoSize = false;
    plblMessage->SetCaption(
        "VNTR can't connect automatically because none of the servers currently match your preferred servers "
        "crieteria.  Please select a server manually, and then click one of the Connect buttons.");
    pbOK = Place<ui::Button>(this, "pbOK", 94, 62, 75, 25, "&OK");
    pbOK->SetDefault(true);
    pbOK->ModalResult = ui::mrOk;
  }
  ui::Label* plblMessage;
  ui::Button* pbOK;
};

inline TFormError* FormError = nullptr;

}  // namespace vnt
