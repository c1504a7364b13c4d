#pragma once
// The echo component: address, request size, timeout and time-to-live, one echo per Ping().
#include <cstdint>
#include <string>

#include "platform/echo.h"

namespace platform {

class TPing {
 public:
  explicit TPing(EchoPort& port) : port_(port) {}

  std::string Address;  // host name or dotted IPv4 address
  int Size = 56;
  int Timeout = 1500;
  int TTL = 64;
  int Tag = 1;  // the echo count per server

  // Sends one echo and waits; returns the number of replies (0 or 1). A name that does
  // not resolve gets no reply.
  int Ping();
  const EchoReply& Reply() const { return reply_; }

 private:
  EchoPort& port_;
  EchoReply reply_;
};

}  // namespace platform
