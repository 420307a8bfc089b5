#pragma once

#include <chrono>
#include <cstddef>

namespace fibwick::service {

// What one connection may take from the service before it is cut.
struct HttpLimits {
  std::size_t maxBody = 64 * 1024;                   // larger bodies answer 413
  std::size_t maxHeader = 8 * 1024;                  // request line and headers; larger answer 431
  std::chrono::milliseconds requestTimeout{10'000};  // from a request's first byte to its last
  std::chrono::milliseconds idleTimeout{30'000};     // a kept-alive connection between requests
  std::size_t maxConnections = 10'000;               // beyond it a new connection is closed at once
};

}  // namespace fibwick::service
