#pragma once
// The platform's integer conversion: leading spaces, an optional sign, decimal digits,
// or hexadecimal digits after "$" or "0x". Nothing may follow the digits.
#include <cstdint>
#include <optional>
#include <string_view>

namespace platform {

std::optional<int32_t> ParseInteger(std::string_view text);

inline int32_t ParseIntegerOr(std::string_view text, int32_t fallback) {
  return ParseInteger(text).value_or(fallback);
}

}  // namespace platform
