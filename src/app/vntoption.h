#pragma once
// The Options dialog: ping count, size and timeout, the preferred-server criterion,
// automatic connect with its game, and update detection.
#include <cstdint>

#include "app/dialog_form.h"
#include "app/ports.h"
#include "ui/button.h"
#include "ui/checkbox.h"
#include "ui/combobox.h"
#include "ui/edit.h"
#include "ui/groupbox.h"
#include "ui/label.h"
#include "ui/updown.h"

namespace vnt {

class TFormOptions : public DialogForm {
 public:
  TFormOptions(ui::Application& app, Ports& ports);

  ui::GroupBox *pgbServers, *pgbPings;
  ui::Label *plblPreferred, *plblCount, *plblSize, *plblTimeout;
  ui::ComboBox* pcbPreferred;
  ui::CheckBox *pcbAutoConnect, *pcbDetectUpdates;
  ui::RadioButton *prbStarcraft, *prbDiablo;
  ui::Edit *peCount, *peSize, *peTimeout;
  ui::UpDown *pudCount, *pudSize, *pudTimeout;
  ui::Button *pbOK, *pbCancel, *pbDefaults, *pbButton;

  void LoadOptions();
  void FormShow();
  void FormClose();
  void pbCancelClick();
  void pbDefaultsClick();
  void pcbAutoConnectClick();
  void pbButtonClick();

 private:
  struct Values {
    int16_t Count, Size, Timeout;
    int Preferred;
    bool AutoConnect, Diablo, Starcraft, DetectUpdates;
  };
  void BuildServers();
  void BuildPings();
  ui::UpDown* PositionRow(const char* label, const char* edit, const char* updown, int top, int min, int max, int step,
                          ui::Label*& lbl, ui::Edit*& pe);
  void Apply(const Values& v);
  Ports& ports_;
  Values loaded_{};
};

inline TFormOptions* FormOptions = nullptr;

}  // namespace vnt
