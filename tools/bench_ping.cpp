// Benchmark, not a test: a Ping All of the real program over the 20 responder addresses
// 127.0.0.10 to 127.0.0.29 (delays 10 to 200 ms), with real echoes under Wine.
// Prints the wall time beside the sum of the echo delays and the overhead per echo.
#include <windows.h>

#include <cstdio>

#include "app/program.h"
#include "app/vntmain.h"
#include "platform/help.h"
#include "platform/win32/win32_echo.h"
#include "platform/win32/win32_registry.h"
#include "ui/win32/win32_widgetset.h"

int wmain(int argc, wchar_t** argv) {
  const int echoes = argc > 1 ? _wtoi(argv[1]) : 3;
  ui::win32::Win32WidgetSet widgets;
  platform::RecordingHelpViewer help;
  platform::win32::Win32Registry registry;
  platform::win32::Win32Echo echo;
  vnt::Ports ports{registry, echo};
  ui::Application app(&widgets, &help);
  widgets.SetApplication(app);
  vnt::CreateForms(app, ports);
  vnt::TFormMain& main = *vnt::FormMain;
  main.Show();
  int delaySum = 0;
  std::vector<std::string> lines;
  for (int n = 10; n <= 29; ++n) {
    lines.push_back("127.0.0." + std::to_string(n));
    delaySum += (n - 9) * 10;
  }
  main.LinesToList(lines);
  main.Ping.Tag = echoes;
  main.Ping.Timeout = 1000;
  echo.Send(0x7F00000A, 56, 1000, 64);  // start Wine's network service before measuring
  LARGE_INTEGER freq, start, end;
  QueryPerformanceFrequency(&freq);
  QueryPerformanceCounter(&start);
  main.pmiPingAll->Click();
  QueryPerformanceCounter(&end);
  const double wall = 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(freq.QuadPart);
  const int expected = delaySum * echoes;
  const int total = 20 * echoes;
  std::printf("servers 20, echoes per server %d, echoes %d\n", echoes, total);
  std::printf("wall time %.1f ms, sum of echo delays %d ms, overhead %.1f ms (%.2f ms per echo)\n", wall, expected,
              wall - expected, (wall - expected) / total);
  int reachable = 0;
  for (int i = 0; i < main.plv->Count(); ++i) reachable += main.plv->Item(i)->SubItems().empty() ? 0 : 1;
  std::printf("servers with a time: %d of 20\n", reachable);
  vnt::ForgetForms();
  return reachable == 20 ? 0 : 1;
}
