#include <sys/resource.h>

#include <exception>
#include <iostream>

#include "server/http/http_server.h"
#include "server/log.h"
#include "server/routes.h"
#include "server/service_config.h"
#include "server/store/store.h"

namespace {

using namespace fibwick::service;

// Each connection holds a descriptor: take all the system allows this process.
void RaiseOpenFileLimit() {
  rlimit limit{};
  if (getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur < limit.rlim_max) {
    limit.rlim_cur = limit.rlim_max;
    setrlimit(RLIMIT_NOFILE, &limit);
  }
}

std::string HostForUrl(const std::string& address) {
  return address.find(':') == std::string::npos ? address : "[" + address + "]";
}

int Serve(const ServiceConfig& config) {
  SetLogLevel(config.logLevel);
  RaiseOpenFileLimit();
  std::error_code error;
  if (!std::filesystem::is_directory(config.data, error)) {
    Log(LogLevel::Error, "the data folder " + config.data.string() + " does not exist");
    return 1;
  }
  const auto store = OpenStore(config.database, config.data);
  HttpServer server(config.limits, config.threads);
  const unsigned short port = server.Listen(config.listen, config.port);
  const std::string address = "http://" + HostForUrl(config.listen) + ":" + std::to_string(port);
  const std::string publicUrl = config.publicUrl.empty() ? address : config.publicUrl;
  // Tests and scripts that start the service on port 0 read the port from this line.
  std::cout << "listening on " << address << std::endl;
  Log(LogLevel::Info, "listening on " + address + ", public address " + publicUrl);
  server.Run(ServiceRoutes(config, publicUrl, *store));
  Log(LogLevel::Info, "stopped");
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    const auto config = ReadConfig(argc, argv, std::cout);
    if (!config) return 0;
    return Serve(*config);
  } catch (const ConfigError& error) {
    std::cerr << "fibwick-service: " << error.what() << "\nTry fibwick-service --help\n";
    return 2;
  } catch (const std::exception& error) {
    Log(LogLevel::Error, error.what());
    return 1;
  }
}
