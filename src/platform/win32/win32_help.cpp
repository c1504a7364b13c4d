#include "platform/win32/win32_help.h"

#include <windows.h>

#include "platform/win32/wide.h"

namespace platform::win32 {
namespace {

constexpr UINT kDisplayToc = 0x0001;      // HH_DISPLAY_TOC
constexpr UINT kDisplayTopic = 0x0000;    // HH_DISPLAY_TOPIC
constexpr UINT kHelpContext = 0x000F;     // HH_HELP_CONTEXT

using HtmlHelpFn = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);

HWND CallHtmlHelp(const std::wstring& file, UINT command, DWORD_PTR data) {
  // Loaded on first use: the viewer is part of the system, not of the program.
  static HtmlHelpFn fn = [] {
    HMODULE module = LoadLibraryW(L"hhctrl.ocx");
    return module ? reinterpret_cast<HtmlHelpFn>(reinterpret_cast<void*>(GetProcAddress(module, "HtmlHelpW"))) : nullptr;
  }();
  return fn ? fn(GetActiveWindow(), file.c_str(), command, data) : nullptr;
}

}  // namespace

std::wstring BesideProgram(const std::string& fileName) {
  std::wstring name = Widen(fileName);
  if (name.find(L'\\') != std::wstring::npos || name.find(L':') != std::wstring::npos) return name;
  wchar_t path[MAX_PATH * 4];
  DWORD n = GetModuleFileNameW(nullptr, path, static_cast<DWORD>(std::size(path)));
  std::wstring dir(path, n);
  size_t slash = dir.find_last_of(L"\\/");
  return (slash == std::wstring::npos ? std::wstring() : dir.substr(0, slash + 1)) + name;
}

void Win32HelpViewer::ShowContents(const std::string& helpFile) {
  CallHtmlHelp(BesideProgram(helpFile), kDisplayToc, 0);
}

void Win32HelpViewer::ShowContext(const std::string& helpFile, int context) {
  CallHtmlHelp(BesideProgram(helpFile), kHelpContext, static_cast<DWORD_PTR>(context));
}

void Win32HelpViewer::ShowTopic(const std::string& helpFile, const std::string& topicId) {
  std::wstring target = BesideProgram(helpFile) + L"::/" + Widen(topicId) + L".htm";
  CallHtmlHelp(target, kDisplayTopic, 0);
}

}  // namespace platform::win32
