#include <windows.h>

#include "ui/application.h"
#include "ui/win32/win32_widgetset.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  ui::win32::Win32WidgetSet widgets;
  ui::Application app(&widgets);
  widgets.SetApplication(app);
  app.Title = "Vantorel";
  auto* f = app.CreateForm<ui::Form>("FormMain");
  f->SetCaption("VNTR");
  f->SetBounds({192, 108, 203, 273});
  app.Run();
  return 0;
}
