#pragma once
// Whole-file reading and safe replacing, with paths in UTF-8 and file text in the
// system's ANSI code page.
#include <stdexcept>
#include <string>

namespace platform {

// A file operation that failed; what() gives the system's reason.
class FileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Reads every byte; other programs may read the file meanwhile but not write it.
std::string ReadWholeFile(const std::string& path);
// Writes to a temporary file beside the target and then puts it in the target's place,
// so a failure leaves any previous file whole.
void ReplaceFileContents(const std::string& path, const std::string& bytes);

std::string AnsiToUtf8(const std::string& ansi);
std::string Utf8ToAnsi(const std::string& utf8);
// Lower case by the system's rules.
std::string LowerCase(const std::string& text);

}  // namespace platform
