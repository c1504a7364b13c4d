// The program entry: the Windows ports, the widget set, the windows and the message loop.
#include <windows.h>

#include "app/program.h"
#include "platform/win32/win32_echo.h"
#include "platform/win32/win32_help.h"
#include "platform/win32/win32_registry.h"
#include "ui/application.h"
#include "ui/win32/win32_widgetset.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  ui::win32::Win32WidgetSet widgets;
  platform::win32::Win32HelpViewer help;
  ui::Application app(&widgets, &help);
  widgets.SetApplication(app);
  app.Title = "Vantorel";
  try {
    platform::win32::Win32Registry registry;
    platform::win32::Win32Echo echo;
    vnt::Ports ports{registry, echo};
    int code = vnt::RunProgram(app, ports);
    vnt::ForgetForms();
    return code;
  } catch (const std::exception& e) {
    // The ICMP service could not be set up before any window existed.
    app.ShowException(e);
  }
  return 0;
}
