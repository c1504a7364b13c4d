#include "app/server_list_format.h"

#include "platform/intconv.h"

namespace vnt {

std::string TrimControl(const std::string& text) {
  size_t begin = 0, end = text.size();
  while (begin < end && static_cast<unsigned char>(text[begin]) <= 32) ++begin;
  while (end > begin && static_cast<unsigned char>(text[end - 1]) <= 32) --end;
  return text.substr(begin, end - begin);
}

std::vector<std::string> SplitServerLines(const std::string& bytes) {
  const std::string text = bytes.substr(0, bytes.find('\0'));
  std::vector<std::string> lines;
  std::string line;
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(line);
      line.clear();
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      line += c;
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

ServerLine ParseServerLine(const std::string& line) {
  const size_t comma = line.rfind(',');
  if (comma == std::string::npos) return {TrimControl(line), 3};
  auto state = platform::ParseInteger(TrimControl(line.substr(comma + 1)));
  return {TrimControl(line.substr(0, comma)), state ? std::optional<int>(*state) : std::nullopt};
}

std::string FormatServerLine(const std::string& name, int state) { return TrimControl(name) + "," + std::to_string(state); }

std::string JoinServerLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  return text;
}

}  // namespace vnt
