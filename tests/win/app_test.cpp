// The program's windows on the real widget set, registry and ICMP echo, under Wine.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/program.h"
#include "app/vntadd.h"
#include "app/vntmain.h"
#include "app/vntoption.h"
#include "platform/help.h"
#include "platform/win32/win32_echo.h"
#include "platform/win32/win32_registry.h"
#include "ui/win32/win32_widgetset.h"
#include "win_helpers.h"

namespace fs = std::filesystem;
using wintest::Pump;

namespace {

class RealProgram : public ::testing::Test {
 protected:
  ui::win32::Win32WidgetSet widgets;
  platform::RecordingHelpViewer help;
  platform::win32::Win32Registry registry;
  platform::win32::Win32Echo echo;
  vnt::Ports ports{registry, echo};
  std::unique_ptr<ui::Application> app;
  fs::path dir;

  void SetUp() override {
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Vantorel");
    dir = fs::temp_directory_path() / ("vnt-app-" + std::to_string(GetCurrentProcessId()));
    fs::create_directories(dir);
    app = std::make_unique<ui::Application>(&widgets, &help);
    widgets.SetApplication(*app);
    vnt::CreateForms(*app, ports);
    Main().Show();
    Pump(50);
  }
  void TearDown() override {
    app.reset();
    vnt::ForgetForms();
    std::error_code ignored;
    for (auto& e : fs::directory_iterator(dir, ignored)) SetFileAttributesW(e.path().c_str(), FILE_ATTRIBUTE_NORMAL);
    fs::remove_all(dir, ignored);
  }
  vnt::TFormMain& Main() { return *vnt::FormMain; }
  HWND List() { return widgets.HandleOf(*Main().plv); }
  std::string Write(const char* name, const std::string& bytes) {
    std::ofstream(dir / name, std::ios::binary) << bytes;
    return (dir / name).string();
  }
  int Row(const std::string& name) {
    int n = static_cast<int>(SendMessageW(List(), LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < n; ++i)
      if (wintest::ListText(List(), i, 0) == name) return i;
    return -1;
  }
  POINT ItemCentre(int row) {
    RECT r{LVIR_LABEL, 0, 0, 0};
    SendMessageW(List(), LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&r));
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }
};

struct Expected {
  const char* name;
  int minTime, maxTime;  // -1: no time
  int image;             // state image number: code + 1
};

TEST_F(RealProgram, OpenedListIsPingedWithRealEchoes) {
  const std::string path = Write("responders.vnt",
                                 "127.0.0.2\r\n127.0.0.3,0\r\n127.0.0.4\r\n127.0.0.5,4\r\n127.0.0.6,0\r\n127.0.0.7\r\n"
                                 "vantorel-test.invalid,1\r\n");
  Main().Ping.Tag = 2;
  Main().Ping.Timeout = 1000;
  ASSERT_TRUE(Main().OpenServerList(path));
  EXPECT_EQ(wintest::Text(widgets.HandleOf(Main())), "VNTR - responders.vnt");
  // Late replies under load are tolerated as long as the colour cannot change (200/400 ms).
  for (const Expected& e : {Expected{"127.0.0.2", 1, 40, 1}, Expected{"127.0.0.3", 148, 190, 1},
                            Expected{"127.0.0.4", 298, 390, 2}, Expected{"127.0.0.5", 448, 490, 7},
                            Expected{"127.0.0.6", -1, -1, 4}, Expected{"127.0.0.7", -1, -1, 4},
                            Expected{"vantorel-test.invalid", -1, -1, 4}}) {
    int row = Row(e.name);
    ASSERT_GE(row, 0) << e.name;
    const std::string time = wintest::ListText(List(), row, 1);
    if (e.minTime < 0) {
      EXPECT_EQ(time, "") << e.name;
    } else {
      EXPECT_GE(std::stoi(time), e.minTime) << e.name;
      EXPECT_LE(std::stoi(time), e.maxTime) << e.name;
    }
    EXPECT_EQ(wintest::StateImage(List(), row), e.image) << e.name;
  }
  EXPECT_EQ(Row("127.0.0.2"), 0) << "sorted by time, low to high";
  EXPECT_EQ(SendMessageW(List(), LVM_GETSELECTEDCOUNT, 0, 0), 1) << "the fastest server is selected";
  EXPECT_EQ(SendMessageW(List(), LVM_GETNEXTITEM, -1, LVNI_SELECTED), 0);
}

TEST_F(RealProgram, DoubleClickTogglesMarksAndHeaderClickSorts) {
  Main().LinesToList({"bravo,0", "alpha,5", "charlie,2"});
  Main().plv->Item(0)->SetSelected(true);
  Main().plv->Item(1)->SetSelected(true);
  Pump(30);
  POINT p = ItemCentre(1);
  LPARAM at = MAKELPARAM(p.x, p.y);
  PostMessageW(List(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageW(List(), WM_LBUTTONUP, 0, at);
  PostMessageW(List(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
  PostMessageW(List(), WM_LBUTTONUP, 0, at);
  Pump(100);
  std::vector<int> codes;
  for (int i = 0; i < 3; ++i) codes.push_back(Main().plv->Item(i)->StateIndex());
  // The click selects the entry under the mouse alone; the double click toggles its mark.
  EXPECT_EQ(codes, (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(wintest::StateImage(List(), 1), 2);
  EXPECT_EQ(Main().plv->SelCount(), 1);
  EXPECT_TRUE(Main().Modified());

  HWND header = reinterpret_cast<HWND>(SendMessageW(List(), LVM_GETHEADER, 0, 0));
  RECT r{};
  SendMessageW(header, HDM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r));
  LPARAM centre = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  for (int expected : {0, 1}) {
    PostMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, centre);
    PostMessageW(header, WM_LBUTTONUP, 0, centre);
    Pump(60);
    EXPECT_EQ(Main().SortMethod, expected);
  }
  EXPECT_EQ(wintest::ListText(List(), 0, 0), "charlie") << "Z to A after the second click";
}

TEST_F(RealProgram, SaveIntoAReadOnlyFileShowsTheErrorAndKeepsTheFile) {
  const std::string path = Write("locked.vnt", "old,0\r\n");
  SetFileAttributesW(fs::path(path).c_str(), FILE_ATTRIBUTE_READONLY);
  Main().LinesToList({"new,1"});
  std::string caption, text;
  wintest::WhenShown answer(L"Save Error", [&](HWND box) {
    caption = wintest::Text(box);
    text = wintest::Text(GetDlgItem(box, 0xFFFF));
    PostMessageW(box, WM_COMMAND, IDOK, 0);
  });
  EXPECT_FALSE(Main().SaveServerList(path));
  EXPECT_EQ(caption, "Save Error");
  EXPECT_NE(text.find("locked.vnt"), std::string::npos) << text;
  std::ifstream in(path, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "old,0\r\n");
}

TEST_F(RealProgram, SaveAsThroughTheSaveDialogIntoAFolderWithAnAccentedName) {
  fs::path folder = dir / L"Listes \u00e9t\u00e9";
  fs::create_directories(folder);
  const std::wstring target = (folder / L"mine.vnt").wstring();
  Main().LinesToList({"alpha,4"});
  wintest::WhenShown pick(L"Save Server List", [&](HWND dialog) {
    HWND name = GetDlgItem(dialog, 0x47c);
    if (!name) name = GetDlgItem(dialog, 0x480);
    SetWindowTextW(name, target.c_str());
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  });
  Main().pmiSaveAs->Click();
  ASSERT_TRUE(pick.Done());
  std::ifstream in(folder / L"mine.vnt", std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "alpha,4\r\n");
  EXPECT_EQ(wintest::Text(widgets.HandleOf(Main())), "VNTR - mine.vnt");
  Main().plv->Clear();
  EXPECT_TRUE(Main().OpenServerList(platform::win32::Narrow(target)));
  EXPECT_EQ(Main().plv->Item(0)->Caption(), "alpha");
}

TEST_F(RealProgram, OptionsDialogStepsByArrowKeysAndHandsOverOnOk) {
  vnt::TFormOptions& options = *vnt::FormOptions;
  wintest::WhenShown edit(L"Options", [&](HWND) {
    HWND count = widgets.HandleOf(*options.peCount);
    for (int i = 0; i < 97; ++i) {
      SendMessageW(count, WM_KEYDOWN, VK_UP, 0);
      SendMessageW(count, WM_KEYUP, VK_UP, 0);
    }
    HWND timeout = widgets.HandleOf(*options.peTimeout);
    SendMessageW(timeout, WM_KEYDOWN, VK_DOWN, 0);
    SendMessageW(timeout, WM_KEYUP, VK_DOWN, 0);
    SendMessageW(widgets.HandleOf(*options.pbOK), BM_CLICK, 0, 0);
  });
  Main().pmiOptions->Click();
  EXPECT_EQ(Main().Ping.Tag, 1) << "3 stepped up 97 times wraps past 99 to 1";
  EXPECT_EQ(Main().Ping.Timeout, 900);
  EXPECT_EQ(wintest::Text(widgets.HandleOf(*options.peTimeout)), "900");
  RECT main{}, dialog{};
  GetWindowRect(widgets.HandleOf(Main()), &main);
  GetWindowRect(widgets.HandleOf(options), &dialog);
  EXPECT_EQ(dialog.left - main.left, 25);
  EXPECT_EQ(dialog.top - main.top, 90);
}

TEST_F(RealProgram, AddServerByTheDialogAndEnterPingsIt) {
  wintest::WhenShown add(L"Add Server", [&](HWND) {
    EXPECT_EQ(GetFocus(), widgets.HandleOf(*vnt::FormAdd->pbOK));
    HWND edit = widgets.HandleOf(*vnt::FormAdd->peServer);
    SetWindowTextW(edit, L"127.0.0.3");
    // Enter in the edit field chooses the default button, OK.
    SetFocus(edit);
    PostMessageW(edit, WM_KEYDOWN, VK_RETURN, 0);
    PostMessageW(edit, WM_KEYUP, VK_RETURN, 0);
  });
  Main().Ping.Tag = 1;
  Main().pmiAdd->Click();
  ASSERT_EQ(Row("127.0.0.3"), 0);
  EXPECT_EQ(wintest::StateImage(List(), 0), 1);
  EXPECT_EQ(SendMessageW(List(), LVM_GETSELECTEDCOUNT, 0, 0), 1);
}

}  // namespace
