#include "platform/win32/win32_echo.h"

#include <winsock2.h>
#include <ws2tcpip.h>
#include <windows.h>
#include <iphlpapi.h>
#include <icmpapi.h>

#include <stdexcept>
#include <vector>

#include "platform/win32/wide.h"

namespace platform::win32 {

Win32Echo::Win32Echo() {
  WSADATA data;
  WSAStartup(MAKEWORD(2, 2), &data);
  icmp_ = IcmpCreateFile();
  if (icmp_ == INVALID_HANDLE_VALUE) throw std::runtime_error("The ICMP service cannot be set up");
}

Win32Echo::~Win32Echo() {
  IcmpCloseHandle(icmp_);
  WSACleanup();
}

std::optional<uint32_t> Win32Echo::Resolve(const std::string& host) {
  addrinfoW hints{};
  hints.ai_family = AF_INET;
  addrinfoW* found = nullptr;
  if (GetAddrInfoW(Widen(host).c_str(), nullptr, &hints, &found) != 0 || !found) return std::nullopt;
  uint32_t address = ntohl(reinterpret_cast<sockaddr_in*>(found->ai_addr)->sin_addr.s_addr);
  FreeAddrInfoW(found);
  return address;
}

EchoReply Win32Echo::Send(uint32_t address, uint16_t size, uint32_t timeoutMs, uint8_t ttl) {
  std::vector<char> request(size, 'V');
  // Room for the reply record, the echoed data, and an ICMP error's payload (IP header and 8 bytes).
  std::vector<char> buffer(sizeof(ICMP_ECHO_REPLY) + size + 8 + 60 + 8 + 2 * sizeof(void*));
  IP_OPTION_INFORMATION options{};
  options.Ttl = ttl;
  DWORD count = IcmpSendEcho(icmp_, htonl(address), request.data(), size, &options, buffer.data(),
                             static_cast<DWORD>(buffer.size()), timeoutMs);
  if (count == 0) {
    DWORD err = GetLastError();
    return {0, 0, err ? static_cast<uint32_t>(err) : kEchoTimedOut};
  }
  auto* reply = reinterpret_cast<ICMP_ECHO_REPLY*>(buffer.data());
  return {reply->RoundTripTime, reply->DataSize, reply->Status};
}

}  // namespace platform::win32
