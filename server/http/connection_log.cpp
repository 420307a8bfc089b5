#include "server/http/connection_log.h"

#include <cstdio>

#include "server/log.h"

namespace fibwick::service {
namespace {

constexpr std::size_t MaxLoggedTarget = 200;

// A target is the caller's text: it must not forge log lines.
std::string Printable(const std::string& text) {
  std::string printable;
  for (const char c : text.substr(0, MaxLoggedTarget)) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte >= 0x7f || c == '\\') {
      char escaped[5];
      std::snprintf(escaped, sizeof escaped, "\\x%02x", byte);
      printable += escaped;
    } else {
      printable += c;
    }
  }
  if (text.size() > MaxLoggedTarget) printable += "...";
  return printable;
}

}  // namespace

void LogExchange(const ExchangeLog& exchange) {
  if (!LogEnabled(LogLevel::Info)) return;
  char timing[32];
  std::snprintf(timing, sizeof timing, "%.1fms", exchange.milliseconds);
  std::string line = Printable(exchange.method) + " " + Printable(exchange.target) + " " +
                     std::to_string(exchange.status) + " " + std::to_string(exchange.bytes) + "B " +
                     timing + " " + exchange.peer + ":" + std::to_string(exchange.peerPort);
  if (!exchange.cause.empty()) line += " (" + exchange.cause + ")";
  Log(LogLevel::Info, line);
}

}  // namespace fibwick::service
