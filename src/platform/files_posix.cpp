// The file functions on a system without the Windows API: code page 1252 stands for the
// ANSI code page (Latin-1 range), which is what the native tests need.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

#include "platform/files.h"

namespace platform {

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw FileError(std::strerror(errno));
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

void ReplaceFileContents(const std::string& path, const std::string& bytes) {
  if (path.empty()) throw FileError("No file name was given.");
  std::string temp = path + ".vnt-new";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) throw FileError(std::strerror(errno));
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
      std::remove(temp.c_str());
      throw FileError(std::strerror(errno));
    }
  }
  if (std::rename(temp.c_str(), path.c_str()) != 0) {
    int err = errno;
    std::remove(temp.c_str());
    throw FileError(std::strerror(err));
  }
}

std::string AnsiToUtf8(const std::string& ansi) {
  std::string out;
  for (unsigned char c : ansi) {
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

std::string Utf8ToAnsi(const std::string& utf8) {
  std::string out;
  for (size_t i = 0; i < utf8.size(); ++i) {
    auto c = static_cast<unsigned char>(utf8[i]);
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if ((c & 0xE0) == 0xC0 && i + 1 < utf8.size()) {
      unsigned code = ((c & 0x1Fu) << 6) | (static_cast<unsigned char>(utf8[++i]) & 0x3Fu);
      out += code < 0x100 ? static_cast<char>(code) : '?';
    } else {
      while (i + 1 < utf8.size() && (static_cast<unsigned char>(utf8[i + 1]) & 0xC0) == 0x80) ++i;
      out += '?';
    }
  }
  return out;
}

std::string LowerCase(const std::string& text) {
  std::string out = text;
  for (auto& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

}  // namespace platform
