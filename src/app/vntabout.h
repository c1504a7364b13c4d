#pragma once
// The About box: title, version and the OK button.
#include "app/dialog_form.h"
#include "ui/button.h"
#include "ui/label.h"

namespace vnt {

class TFormAbout : public DialogForm {
 public:
  explicit TFormAbout(ui::Application& app) : DialogForm(app, "FormAbout", "About Vantorel", 442, 185, 10) {
    plblTitle = Place<ui::Label>(this, "plblTitle", 284, 4, 0, 0);
    plblTitle->Bold = true;
    plblTitle->SetCaption("Vantorel");
    plblVersion = Place<ui::Label>(this, "plblVersion", 284, 28, 0, 0, "Version 2.0");
    pbOK = Place<ui::Button>(this, "pbOK", 284, 152, 149, 25, "&OK");
    pbOK->SetDefault(true);
    pbOK->ModalResult = ui::mrOk;
    OnShow = [this] { pbOK->SetFocus(); };
  }
  ui::Label *plblTitle, *plblVersion;
  ui::Button* pbOK;
};

inline TFormAbout* FormAbout = nullptr;

}  // namespace vnt
