#pragma once
// The operating system as the program's windows see it.
#include "platform/echo.h"
#include "platform/registry.h"

namespace vnt {

struct Ports {
  platform::Registry& Registry;
  platform::EchoPort& Echo;
};

}  // namespace vnt
