#include "platform/ping.h"

#include <algorithm>

namespace platform {

int TPing::Ping() {
  auto address = ParseDottedIPv4(Address);
  if (!address) address = port_.Resolve(Address);
  if (!address) {
    reply_ = {0, 0, kEchoHostUnreachable};
    return 0;
  }
  auto size = static_cast<uint16_t>(std::clamp(Size, 0, 65500));
  auto ttl = static_cast<uint8_t>(std::clamp(TTL, 1, 255));
  reply_ = port_.Send(*address, size, static_cast<uint32_t>(std::max(Timeout, 1)), ttl);
  return reply_.Status == kEchoSuccess ? 1 : 0;
}

}  // namespace platform
