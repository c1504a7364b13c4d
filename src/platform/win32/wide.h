#pragma once
// UTF-8 inside the program, UTF-16 at the Windows API.
#include <string>

namespace platform::win32 {

std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& wide);
std::string Narrow(const wchar_t* wide, size_t length);

}  // namespace platform::win32
