#pragma once
// The Add Server dialog.
#include "app/dialog_form.h"
#include "ui/button.h"
#include "ui/edit.h"
#include "ui/label.h"

namespace vnt {

class TFormAdd : public DialogForm {
 public:
  explicit TFormAdd(ui::Application& app) : DialogForm(app, "FormAdd", "Add Server", 282, 73, 20) {
    plblServer = Place<ui::Label>(this, "plblServer", 8, 8, 181, 13, "Type the server's name or IP address:");
    peServer = Place<ui::Edit>(this, "peServer", 8, 28, 181, 21);
    pbOK = Place<ui::Button>(this, "pbOK", 200, 8, 75, 25, "&OK");
    pbOK->SetDefault(true);
    pbOK->ModalResult = ui::mrOk;
    pbCancel = Place<ui::Button>(this, "pbCancel", 200, 40, 75, 25, "&Cancel");
    pbCancel->ModalResult = ui::mrCancel;
    OnShow = [this] { pbOK->SetFocus(); };
  }
  ui::Label* plblServer;
  ui::Edit* peServer;
  ui::Button *pbOK, *pbCancel;
};

inline TFormAdd* FormAdd = nullptr;

}  // namespace vnt
