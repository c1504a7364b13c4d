#pragma once
// The layout shared by the two import prompts: a bold question, a message, OK, Cancel, Help.
#include "app/dialog_form.h"
#include "ui/button.h"
#include "ui/label.h"

namespace vnt {

class PromptForm : public DialogForm {
 public:
  PromptForm(ui::Application& app, std::string name, std::string caption, int clientHeight, const char* questionName,
             const char* question, int questionWidth, const char* messageName, const char* message, int messageHeight)
      : DialogForm(app, std::move(name), std::move(caption), 300, clientHeight, 40) {
    plblQuestion = Place<ui::Label>(this, questionName, 8, 8, questionWidth, 13);
    plblQuestion->Bold = true;
    plblQuestion->SetCaption(question);
    plblMessage = Place<ui::Label>(this, messageName, 8, 24, 200, messageHeight);
    plblMessage->WordWrap = true;
    plblMessage->AutoSize = false;
    plblMessage->SetCaption(message);
    pbOK = Place<ui::Button>(this, "pbOK", 216, 8, 75, 25, "&OK");
    pbOK->SetDefault(true);
    pbOK->ModalResult = ui::mrOk;
    pbCancel = Place<ui::Button>(this, "pbCancel", 216, 40, 75, 25, "&Cancel");
    pbCancel->ModalResult = ui::mrCancel;
    pbHelp = Place<ui::Button>(this, "pbHelp", 216, 72, 75, 25, "&Help");
    pbHelp->OnClick = [this] { App().HelpTopic("vntrSynchronizingServerLists"); };
    OnShow = [this] { pbOK->SetFocus(); };
  }
  ui::Label *plblQuestion, *plblMessage;
  ui::Button *pbOK, *pbCancel, *pbHelp;
};

}  // namespace vnt
