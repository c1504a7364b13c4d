#pragma once
// The help viewer port: contents, a context number, a topic ID.
#include <string>
#include <vector>

namespace platform {

class HelpViewer {
 public:
  virtual ~HelpViewer() = default;
  virtual void ShowContents(const std::string& helpFile) = 0;
  virtual void ShowContext(const std::string& helpFile, int context) = 0;
  virtual void ShowTopic(const std::string& helpFile, const std::string& topicId) = 0;
};

// Records each call as "contents FILE", "context FILE N" or "topic FILE ID".
class RecordingHelpViewer : public HelpViewer {
 public:
  std::vector<std::string> Calls;
  void ShowContents(const std::string& f) override { Calls.push_back("contents " + f); }
  void ShowContext(const std::string& f, int c) override {
    Calls.push_back("context " + f + " " + std::to_string(c));
  }
  void ShowTopic(const std::string& f, const std::string& id) override {
    Calls.push_back("topic " + f + " " + id);
  }
};

}  // namespace platform
