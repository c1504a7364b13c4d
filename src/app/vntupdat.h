#pragma once
// The prompt shown when the game has replaced its server list with the official one.
#include "app/prompt_form.h"
#include "ui/checkbox.h"

namespace vnt {

class TFormUpdateServerList : public PromptForm {
 public:
  explicit TFormUpdateServerList(ui::Application& app)
      : PromptForm(app, "FormUpdateServerList", "Server List Update", 146, "plblUpdate", "Import official server list?",
                   144, "pblMessage",
                   "VNTR has detected that the official Battle.net server list does not match VNTR's current server "
                   "list.  Choose OK to import the official server list.  Choose Cancel to continue using VNTR's "
                   "current server list.",
                   85) {
    pcbDoNotDetectUpdates =
        Place<ui::CheckBox>(this, "pcbDoNotDetectUpdates", 8, 120, 200, 17, "&Don't show this message next time");
  }
  ui::CheckBox* pcbDoNotDetectUpdates;
};

inline TFormUpdateServerList* FormUpdateServerList = nullptr;

}  // namespace vnt
