#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// One request and its reply as a script sees them; the connection code owns the wire.
namespace fibwick::service {

struct Request {
  std::string method;  // as sent, e.g. "GET"; a HEAD request reaches the GET script
  std::string path;    // the target before any '?', still percent-encoded
  std::string body;
  std::string peer;  // the caller's address without the port
  std::vector<std::pair<std::string, std::string>> headers;

  // The first header of that name (names compare without case), or nothing.
  std::optional<std::string_view> Header(std::string_view name) const;
  // The last one, for headers that proxies append to.
  std::optional<std::string_view> LastHeader(std::string_view name) const;
};

struct Reply {
  unsigned status = 200;
  std::string contentType = "text/plain; charset=utf-8";
  std::string body;
  // When set, the reply's body is this file instead of `body`.
  std::optional<std::filesystem::path> file;
  std::vector<std::pair<std::string, std::string>> headers;
};

using Handler = std::function<Reply(const Request&)>;

// A short plain-text reply for a status that carries no data of its own.
Reply StatusReply(unsigned status);

}  // namespace fibwick::service
