#include "platform/intconv.h"

namespace platform {
namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::optional<int32_t> ParseInteger(std::string_view s) {
  size_t i = 0;
  while (i < s.size() && s[i] == ' ') ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  bool hex = false;
  if (i < s.size() && s[i] == '$') {
    hex = true;
    ++i;
  } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
    hex = true;
    i += 2;
  }
  if (i == s.size()) return std::nullopt;
  uint64_t value = 0;
  for (; i < s.size(); ++i) {
    int d = hex ? HexDigit(s[i]) : (s[i] >= '0' && s[i] <= '9' ? s[i] - '0' : -1);
    if (d < 0) return std::nullopt;
    value = value * (hex ? 16 : 10) + static_cast<uint64_t>(d);
    if (value > 0xFFFFFFFFull) return std::nullopt;
  }
  if (hex) {
    // Hexadecimal digits give the 32-bit pattern, as the platform's conversion does.
    auto pattern = static_cast<int32_t>(static_cast<uint32_t>(value));
    return negative ? static_cast<int32_t>(0u - static_cast<uint32_t>(pattern)) : pattern;
  }
  if (negative) {
    if (value > 2147483648ull) return std::nullopt;
    return static_cast<int32_t>(-static_cast<int64_t>(value));
  }
  if (value > 2147483647ull) return std::nullopt;
  return static_cast<int32_t>(value);
}

}  // namespace platform
