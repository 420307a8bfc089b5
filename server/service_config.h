#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>

#include "server/http/limits.h"
#include "server/log.h"

namespace fibwick::service {

struct ServiceConfig {
  std::string listen = "127.0.0.1";
  unsigned short port = 25680;
  std::filesystem::path data;
  std::string database;   // empty: the SQLite file in the data folder
  std::string publicUrl;  // empty: http://<listen>:<port>
  unsigned threads = 0;   // 0: one per processor
  HttpLimits limits;
  bool pauseRecords = false;
  bool pauseChat = false;
  bool trustProxy = false;
  LogLevel logLevel = LogLevel::Info;
};

// A command line or environment the service cannot start with; the text says why.
class ConfigError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The command line, then FIBWICK_SERVICE_<OPTION> variables (upper case, '_' for '-') for the
// options it leaves out. Nothing when --help was asked for; the help text went to `help`.
std::optional<ServiceConfig> ReadConfig(int argc, const char* const* argv, std::ostream& help);

}  // namespace fibwick::service
