#pragma once
// The common frame of the program's dialogs: caption, fixed border, client size, help context.
#include <string>

#include "ui/application.h"
#include "ui/form.h"

namespace vnt {

class DialogForm : public ui::Form {
 public:
  DialogForm(ui::Application& app, std::string name, std::string caption, int clientWidth, int clientHeight,
             int helpContext)
      : ui::Form(app, std::move(name)) {
    Border = ui::BorderStyle::Dialog;
    SetCaption(caption);
    SetClientSize(app.Scale(clientWidth), app.Scale(clientHeight));
    HelpContext = helpContext;
  }

 protected:
  // A control placed at design coordinates, scaled to the screen.
  template <class T>
  T* Place(ui::Control* parent, std::string name, int left, int top, int width, int height,
           const std::string& caption = "") {
    T* c = Own<T>(parent, std::move(name));
    ui::Application& a = App();
    c->SetBounds({a.Scale(left), a.Scale(top), a.Scale(width), a.Scale(height)});
    if (!caption.empty()) c->SetCaption(caption);
    return c;
  }
};

}  // namespace vnt
