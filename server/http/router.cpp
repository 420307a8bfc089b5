#include "server/http/router.h"

#include <algorithm>

namespace fibwick::service {
namespace {

bool Matches(const Route& route, const std::string& path) {
  if (route.path.ends_with('/')) return path.starts_with(route.path);
  return path == route.path;
}

bool Admits(const Route& route, const std::string& method) {
  const auto& methods = route.methods;
  const auto takes = [&](const char* name) {
    return std::ranges::find(methods, name) != methods.end();
  };
  return takes(method.c_str()) || (method == "HEAD" && takes("GET"));
}

}  // namespace

Reply Router::Dispatch(const Request& request) const {
  const auto route = std::ranges::find_if(
      routes_, [&](const Route& candidate) { return Matches(candidate, request.path); });
  if (route == routes_.end()) return StatusReply(404);
  if (!Admits(*route, request.method)) {
    auto reply = StatusReply(405);
    std::string allowed;
    for (const auto& method : route->methods) allowed += (allowed.empty() ? "" : ", ") + method;
    reply.headers.emplace_back("Allow", allowed);
    return reply;
  }
  return route->handler(request);
}

}  // namespace fibwick::service
