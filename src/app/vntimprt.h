#pragma once
// The prompt of the Import command.
#include "app/prompt_form.h"

namespace vnt {

class TFormImport : public PromptForm {
 public:
  explicit TFormImport(ui::Application& app)
      : PromptForm(app, "FormImport", "Import Server List", 104, "plblImportServerList", "Import server list?", 102,
                   "plblMessage",
                   "If you have connected successfully to Battle.net since choosing one of VNTR's Connect commands, "
                   "then choose OK to import the official Battle.net server list. Otherwise, choose Cancel.",
                   65) {}
};

inline TFormImport* FormImport = nullptr;

}  // namespace vnt
