#pragma once
// The countdown before the automatic connect.
#include "app/dialog_form.h"

namespace vnt {

class TFormAutoConnect : public DialogForm {
 public:
  explicit TFormAutoConnect(ui::Application& app)
      : DialogForm(app, "FormAutoConnect", "Automatic Connect", 283, 97, 30) {}
};

inline TFormAutoConnect* FormAutoConnect = nullptr;

}  // namespace vnt
