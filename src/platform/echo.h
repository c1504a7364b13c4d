#pragma once
// The echo port: one ICMP echo to an IPv4 address, and the name look-up before it.
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace platform {

constexpr uint32_t kEchoSuccess = 0;
constexpr uint32_t kEchoTimedOut = 11010;
constexpr uint32_t kEchoHostUnreachable = 11003;

struct EchoReply {
  uint32_t RoundTripTime = 0;  // milliseconds
  uint16_t DataSize = 0;       // bytes of data that came back
  uint32_t Status = kEchoTimedOut;
};

class EchoPort {
 public:
  virtual ~EchoPort() = default;
  // An IPv4 address in host order; nullopt when the name does not resolve.
  virtual std::optional<uint32_t> Resolve(const std::string& host) = 0;
  // Waits for the reply or the timeout.
  virtual EchoReply Send(uint32_t address, uint16_t size, uint32_t timeoutMs, uint8_t ttl) = 0;
};

// Scripted replies per address for tests; an address without script times out.
class ScriptedEcho : public EchoPort {
 public:
  struct Sent {
    uint32_t Address;
    uint16_t Size;
    uint32_t Timeout;
    uint8_t Ttl;
  };
  std::map<std::string, uint32_t> Names;                 // host name -> address
  std::map<uint32_t, std::deque<EchoReply>> Replies;     // address -> replies in order
  std::vector<Sent> Log;
  std::function<void()> OnSend;  // runs before each reply, to act in the middle of a run

  // Queues replies for an address: a time of -1 is a lost echo, the size the request's.
  void Script(const std::string& dotted, std::vector<int> times, uint16_t size = 56);
  std::optional<uint32_t> Resolve(const std::string& host) override;
  EchoReply Send(uint32_t address, uint16_t size, uint32_t timeoutMs, uint8_t ttl) override;
};

// "a.b.c.d" with four decimal parts of 0 to 255.
std::optional<uint32_t> ParseDottedIPv4(const std::string& text);

}  // namespace platform
