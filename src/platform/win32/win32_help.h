#pragma once
#include "platform/help.h"

namespace platform::win32 {

// HTML Help; a bare help file name is looked up beside the program.
class Win32HelpViewer : public HelpViewer {
 public:
  void ShowContents(const std::string& helpFile) override;
  void ShowContext(const std::string& helpFile, int context) override;
  void ShowTopic(const std::string& helpFile, const std::string& topicId) override;
};

// The full path of a file beside the running program.
std::wstring BesideProgram(const std::string& fileName);

}  // namespace platform::win32
