#include <windows.h>

#include <vector>

#include "platform/files.h"
#include "platform/win32/wide.h"

namespace platform {
namespace {

[[noreturn]] void ThrowLastError() {
  DWORD code = GetLastError();
  wchar_t* text = nullptr;
  FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                 code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring reason = text ? text : L"";
  if (text) LocalFree(text);
  while (!reason.empty() && (reason.back() == L'\n' || reason.back() == L'\r' || reason.back() == L' '))
    reason.pop_back();
  if (reason.empty()) reason = L"System error " + std::to_wstring(code);
  throw FileError(win32::Narrow(reason));
}

struct Handle {
  HANDLE h;
  ~Handle() {
    if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
  }
};

}  // namespace

std::string ReadWholeFile(const std::string& path) {
  Handle file{CreateFileW(win32::Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr)};
  if (file.h == INVALID_HANDLE_VALUE) ThrowLastError();
  std::string bytes;
  char buffer[65536];
  DWORD got = 0;
  for (;;) {
    if (!ReadFile(file.h, buffer, sizeof(buffer), &got, nullptr)) ThrowLastError();
    if (got == 0) break;
    bytes.append(buffer, got);
  }
  return bytes;
}

void ReplaceFileContents(const std::string& path, const std::string& bytes) {
  if (path.empty()) {
    SetLastError(ERROR_INVALID_NAME);
    ThrowLastError();
  }
  std::wstring target = win32::Widen(path);
  DWORD attributes = GetFileAttributesW(target.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
    SetLastError(ERROR_ACCESS_DENIED);
    ThrowLastError();
  }
  std::wstring temp = target + L".vnt-new";
  {
    Handle file{CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)};
    if (file.h == INVALID_HANDLE_VALUE) ThrowLastError();
    DWORD written = 0;
    if (!bytes.empty() && (!WriteFile(file.h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
                           written != bytes.size())) {
      DWORD err = GetLastError();
      CloseHandle(file.h);
      file.h = INVALID_HANDLE_VALUE;
      DeleteFileW(temp.c_str());
      SetLastError(err ? err : ERROR_DISK_FULL);
      ThrowLastError();
    }
    if (!FlushFileBuffers(file.h)) ThrowLastError();
  }
  if (!MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DWORD err = GetLastError();
    DeleteFileW(temp.c_str());
    SetLastError(err);
    ThrowLastError();
  }
}

std::string AnsiToUtf8(const std::string& ansi) {
  if (ansi.empty()) return {};
  int n = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(), n);
  return win32::Narrow(wide);
}

std::string Utf8ToAnsi(const std::string& utf8) {
  std::wstring wide = win32::Widen(utf8);
  if (wide.empty()) return {};
  int n = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), out.data(), n, nullptr, nullptr);
  return out;
}

std::string LowerCase(const std::string& text) {
  std::wstring wide = win32::Widen(text);
  if (!wide.empty()) CharLowerBuffW(wide.data(), static_cast<DWORD>(wide.size()));
  return win32::Narrow(wide);
}

}  // namespace platform
