#include "platform/registry.h"

namespace platform {

RegValue RegValue::DWord(uint32_t v) {
  std::string bytes(4, '\0');
  for (int i = 0; i < 4; ++i) bytes[static_cast<size_t>(i)] = static_cast<char>((v >> (8 * i)) & 0xFF);
  return {RegType::DWord, bytes};
}

}  // namespace platform
