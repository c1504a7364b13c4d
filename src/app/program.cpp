#include "app/program.h"

#include "app/vntabout.h"
#include "app/vntadd.h"
#include "app/vntauto.h"
#include "app/vnterror.h"
#include "app/vntimprt.h"
#include "app/vntmain.h"
#include "app/vntoption.h"
#include "app/vntupdat.h"

namespace vnt {

void CreateForms(ui::Application& app, Ports& ports) {
  app.HelpFile = "vntr.chm";
  app.Title = "Vantorel";
  FormMain = app.CreateForm<TFormMain>(ports);
  FormAbout = app.CreateForm<TFormAbout>();
  FormOptions = app.CreateForm<TFormOptions>(ports);
  // What the Options dialog shows is what the first ping measures.
  FormMain->ApplyPingOptions();
  FormAutoConnect = app.CreateForm<TFormAutoConnect>();
  FormUpdateServerList = app.CreateForm<TFormUpdateServerList>();
  FormImport = app.CreateForm<TFormImport>();
  FormAdd = app.CreateForm<TFormAdd>();
  FormError = app.CreateForm<TFormError>();
}

int RunProgram(ui::Application& app, Ports& ports) {
  try {
    CreateForms(app, ports);
    app.Run();
  } catch (const std::exception& e) {
    app.ShowException(e);
  }
  return 0;
}

void ForgetForms() {
  FormMain = nullptr;
  FormAbout = nullptr;
  FormOptions = nullptr;
  FormAutoConnect = nullptr;
  FormUpdateServerList = nullptr;
  FormImport = nullptr;
  FormAdd = nullptr;
  FormError = nullptr;
}

}  // namespace vnt
