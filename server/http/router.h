#pragma once

#include <string>
#include <vector>

#include "server/http/exchange.h"

namespace fibwick::service {

struct Route {
  std::string path;                  // a path ending in '/' also takes every path below it
  std::vector<std::string> methods;  // GET also admits HEAD
  Handler handler;
};

// The table of scripts: a path with no route answers 404, a method the route does not take 405.
class Router {
 public:
  explicit Router(std::vector<Route> routes) : routes_(std::move(routes)) {}
  Reply Dispatch(const Request& request) const;

 private:
  std::vector<Route> routes_;
};

}  // namespace fibwick::service
