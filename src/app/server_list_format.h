#pragma once
// The .vnt server list format: one "name,code" line per server, CR LF after each line.
#include <optional>
#include <string>
#include <vector>

namespace vnt {

struct ServerLine {
  std::string Name;
  std::optional<int> State;  // nullopt: the state text did not convert
};

// Removes leading and trailing characters 0 to 32.
std::string TrimControl(const std::string& text);
// Splits at CR LF, lone CR and lone LF; the text ends at the first zero byte. A line end at
// the very end adds no empty line.
std::vector<std::string> SplitServerLines(const std::string& text);
// A line without a comma is a bare name of state 3. Otherwise the name is what stands
// before the last comma, so a name with a comma survives; the state is after it.
ServerLine ParseServerLine(const std::string& line);
std::string FormatServerLine(const std::string& name, int state);
// Every line followed by CR LF; no lines give no bytes.
std::string JoinServerLines(const std::vector<std::string>& lines);

}  // namespace vnt
