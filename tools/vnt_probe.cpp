// Drives the running program from a second Windows process, as a user's tools would:
// waits for its main window, opens a menu, lists the server list, closes the window.
//   vnt_probe wait CAPTION SECONDS | idle SECONDS | menu LETTER | key LETTER|esc | list |
//   close-window CAPTION | close
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>

namespace {

struct Search {
  std::wstring prefix;
  HWND found;
};

BOOL CALLBACK MatchMainWindow(HWND hwnd, LPARAM p) {
  auto* s = reinterpret_cast<Search*>(p);
  wchar_t cls[64] = {}, text[256] = {};
  GetClassNameW(hwnd, cls, 64);
  GetWindowTextW(hwnd, text, 256);
  if (std::wstring(cls) == L"VantorelForm" && IsWindowVisible(hwnd) && std::wstring(text).rfind(s->prefix, 0) == 0 &&
      GetMenu(hwnd)) {
    s->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

HWND MainWindow(const std::wstring& prefix) {
  Search search{prefix, nullptr};
  EnumWindows(MatchMainWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND ListOf(HWND main) { return FindWindowExW(main, nullptr, WC_LISTVIEWW, nullptr); }

// Reads the list view of another process through memory allocated in that process.
int List(HWND main) {
  HWND list = ListOf(main);
  DWORD pid = 0;
  GetWindowThreadProcessId(list, &pid);
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
  if (!process) return 1;
  const SIZE_T size = sizeof(LVITEMW) + 512;
  auto* remote = static_cast<char*>(VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE));
  int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    std::string columns[2];
    for (int sub = 0; sub < 2; ++sub) {
      LVITEMW item{};
      item.iSubItem = sub;
      item.cchTextMax = 255;
      item.pszText = reinterpret_cast<wchar_t*>(remote + sizeof(LVITEMW));
      WriteProcessMemory(process, remote, &item, sizeof(item), nullptr);
      SendMessageW(list, LVM_GETITEMTEXTW, i, reinterpret_cast<LPARAM>(remote));
      wchar_t text[256] = {};
      ReadProcessMemory(process, remote + sizeof(LVITEMW), text, sizeof(text) - sizeof(wchar_t), nullptr);
      char narrow[512] = {};
      WideCharToMultiByte(CP_UTF8, 0, text, -1, narrow, sizeof(narrow) - 1, nullptr, nullptr);
      columns[sub] = narrow;
    }
    LRESULT state = SendMessageW(list, LVM_GETITEMSTATE, i, LVIS_STATEIMAGEMASK | LVIS_SELECTED);
    std::printf("%s|%s|%d|%s\n", columns[0].c_str(), columns[1].c_str(),
                static_cast<int>((state & LVIS_STATEIMAGEMASK) >> 12), (state & LVIS_SELECTED) ? "selected" : "");
  }
  VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  CloseHandle(process);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return 2;
  std::wstring command = argv[1];
  if (command == L"wait") {
    std::wstring prefix = argc > 2 ? argv[2] : L"VNTR";
    int seconds = argc > 3 ? _wtoi(argv[3]) : 30;
    for (int i = 0; i < seconds * 10; ++i) {
      if (MainWindow(prefix)) return 0;
      Sleep(100);
    }
    return 1;
  }
  HWND main = MainWindow(L"VNTR");
  if (!main) return 1;
  if (command == L"menu" && argc > 2) {
    SetForegroundWindow(main);
    PostMessageW(main, WM_SYSCOMMAND, SC_KEYMENU, argv[2][0]);
    return 0;
  }
  if (command == L"list") return List(main);
  if (command == L"idle") {
    // A ping run or an opening shows its progress in the status bar until it ends.
    HWND status = FindWindowExW(main, nullptr, STATUSCLASSNAMEW, nullptr);
    int seconds = argc > 2 ? _wtoi(argv[2]) : 60;
    for (int i = 0; i < seconds * 10; ++i) {
      DWORD_PTR simple = 1;
      if (SendMessageTimeoutW(status, SB_ISSIMPLE, 0, 0, SMTO_ABORTIFHUNG, 1000, &simple) && !simple) return 0;
      Sleep(100);
    }
    return 1;
  }
  if (command == L"key" && argc > 2) {
    // A menu's own loop reads the thread's queue, so posted keys reach an open menu too.
    if (std::wstring(argv[2]) == L"esc") {
      PostMessageW(main, WM_KEYDOWN, VK_ESCAPE, 0);
      PostMessageW(main, WM_KEYUP, VK_ESCAPE, 0);
      return 0;
    }
    wchar_t letter = argv[2][0];
    PostMessageW(main, WM_KEYDOWN, static_cast<WPARAM>(towupper(letter)), 0);
    PostMessageW(main, WM_CHAR, letter, 0);
    PostMessageW(main, WM_KEYUP, static_cast<WPARAM>(towupper(letter)), 0);
    return 0;
  }
  if (command == L"close-window" && argc > 2) {
    HWND window = FindWindowW(L"VantorelForm", argv[2]);
    if (!window) return 1;
    PostMessageW(window, WM_CLOSE, 0, 0);
    return 0;
  }
  if (command == L"close") {
    PostMessageW(main, WM_CLOSE, 0, 0);
    return 0;
  }
  return 2;
}
