#include "platform/echo.h"

#include <stdexcept>

namespace platform {

std::optional<uint32_t> ParseDottedIPv4(const std::string& text) {
  uint32_t address = 0;
  size_t pos = 0;
  for (int part = 0; part < 4; ++part) {
    if (part > 0) {
      if (pos >= text.size() || text[pos] != '.') return std::nullopt;
      ++pos;
    }
    size_t start = pos;
    uint32_t value = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9' && pos - start < 3)
      value = value * 10 + static_cast<uint32_t>(text[pos++] - '0');
    if (pos == start || value > 255) return std::nullopt;
    address = (address << 8) | value;
  }
  if (pos != text.size()) return std::nullopt;
  return address;
}

void ScriptedEcho::Script(const std::string& dotted, std::vector<int> times, uint16_t size) {
  auto address = ParseDottedIPv4(dotted);
  if (!address) throw std::invalid_argument("not a dotted address: " + dotted);
  auto& queue = Replies[*address];
  for (int t : times) {
    if (t < 0)
      queue.push_back({0, 0, kEchoTimedOut});
    else
      queue.push_back({static_cast<uint32_t>(t), size, kEchoSuccess});
  }
}

std::optional<uint32_t> ScriptedEcho::Resolve(const std::string& host) {
  auto it = Names.find(host);
  if (it == Names.end()) return std::nullopt;
  return it->second;
}

EchoReply ScriptedEcho::Send(uint32_t address, uint16_t size, uint32_t timeoutMs, uint8_t ttl) {
  Log.push_back({address, size, timeoutMs, ttl});
  if (OnSend) OnSend();
  auto it = Replies.find(address);
  if (it == Replies.end() || it->second.empty()) return {0, 0, kEchoTimedOut};
  EchoReply reply = it->second.front();
  it->second.pop_front();
  return reply;
}

}  // namespace platform
