#pragma once
#include "platform/echo.h"

namespace platform::win32 {

// ICMP echo through the system's ICMP service (iphlpapi), names through Winsock.
class Win32Echo : public EchoPort {
 public:
  Win32Echo();
  ~Win32Echo() override;
  std::optional<uint32_t> Resolve(const std::string& host) override;
  EchoReply Send(uint32_t address, uint16_t size, uint32_t timeoutMs, uint8_t ttl) override;

 private:
  void* icmp_;
};

}  // namespace platform::win32
