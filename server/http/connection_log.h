#pragma once

#include <cstdint>
#include <string>

namespace fibwick::service {

// What the log keeps of one request and its reply.
struct ExchangeLog {
  std::string peer;
  unsigned short peerPort = 0;
  std::string method = "-";
  std::string target = "-";
  unsigned status = 0;
  std::uint64_t bytes = 0;
  double milliseconds = 0;
  std::string cause;  // why a request was refused, when the parser said
};

// One info line: method, target (control bytes escaped, long targets cut), status, body bytes,
// time taken and the caller; refusals add their cause.
void LogExchange(const ExchangeLog& exchange);

}  // namespace fibwick::service
