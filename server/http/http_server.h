#pragma once

#include <memory>
#include <string>

#include "server/http/limits.h"
#include "server/http/router.h"

namespace fibwick::service {

// HTTP/1.1 with keep-alive on a pool of threads; every request goes to the router's scripts.
class HttpServer {
 public:
  HttpServer(HttpLimits limits, unsigned threads);
  ~HttpServer();
  HttpServer(const HttpServer&) = delete;
  HttpServer& operator=(const HttpServer&) = delete;

  // Binds the listening socket and returns the port it got (a free one for port 0). Throws
  // std::runtime_error with the cause when the address cannot be bound.
  unsigned short Listen(const std::string& address, unsigned short port);

  // Serves until SIGTERM or SIGINT, then returns.
  void Run(Router router);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace fibwick::service
