#include "server/service_config.h"

#include <algorithm>
#include <boost/program_options.hpp>
#include <cctype>

namespace fibwick::service {
namespace {

namespace po = boost::program_options;

constexpr std::string_view EnvironmentPrefix = "FIBWICK_SERVICE_";

po::options_description Options() {
  const ServiceConfig defaults;
  const auto seconds = [](std::chrono::milliseconds limit) {
    return std::chrono::duration<double>(limit).count();
  };
  po::options_description options(
      "fibwick-service: the game's online service (paths, statistics, news, downloads)\n"
      "Every option can also be set by FIBWICK_SERVICE_<OPTION>, e.g. FIBWICK_SERVICE_PORT;\n"
      "the command line wins. Options");
  // clang-format off
  options.add_options()
    ("help", "print this help and exit")
    ("listen", po::value<std::string>()->default_value(defaults.listen), "address to listen on")
    ("port", po::value<unsigned>()->default_value(defaults.port), "port; 0 picks a free one")
    ("data", po::value<std::string>(), "data folder (required): news.html, files/, the SQLite database")
    ("database", po::value<std::string>()->default_value(""),
     "postgresql://... to keep the data in PostgreSQL; empty for SQLite in the data folder")
    ("public-url", po::value<std::string>()->default_value(""),
     "address clients reach the service at, for the paths document; default http://<listen>:<port>")
    ("threads", po::value<unsigned>()->default_value(0), "worker threads; 0 for one per processor")
    ("max-body", po::value<std::size_t>()->default_value(defaults.limits.maxBody),
     "largest request body in bytes (larger: 413)")
    ("max-header", po::value<std::size_t>()->default_value(defaults.limits.maxHeader),
     "largest request line and headers in bytes (larger: 431)")
    ("request-timeout", po::value<double>()->default_value(seconds(defaults.limits.requestTimeout)),
     "seconds a client has to send a whole request")
    ("idle-timeout", po::value<double>()->default_value(seconds(defaults.limits.idleTimeout)),
     "seconds a kept-alive connection may wait for its next request")
    ("max-connections", po::value<std::size_t>()->default_value(defaults.limits.maxConnections),
     "open connections at most; more are closed at once")
    ("pause-records", po::value<bool>()->default_value(false)->implicit_value(true),
     "tell clients the world top ten is paused")
    ("pause-chat", po::value<bool>()->default_value(false)->implicit_value(true),
     "tell clients the chat is paused")
    ("trust-proxy", po::value<bool>()->default_value(false)->implicit_value(true),
     "behind a proxy: take the caller's address from X-Forwarded-For")
    ("log-level", po::value<std::string>()->default_value("info"), "info, warning or error");
  // clang-format on
  return options;
}

std::chrono::milliseconds Seconds(const po::variables_map& values, const char* name) {
  const double seconds = values[name].as<double>();
  if (!(seconds > 0 && seconds <= 86400)) {
    throw ConfigError(std::string("--") + name + " must be between 0 and 86400 seconds");
  }
  return std::chrono::milliseconds(static_cast<std::int64_t>(seconds * 1000 + 0.5));
}

template <class T>
T Positive(const po::variables_map& values, const char* name) {
  const T value = values[name].as<T>();
  if (value == 0) throw ConfigError(std::string("--") + name + " must be above 0");
  return value;
}

ServiceConfig FromValues(const po::variables_map& values) {
  ServiceConfig config;
  config.listen = values["listen"].as<std::string>();
  const unsigned port = values["port"].as<unsigned>();
  if (port > 65535) throw ConfigError("--port must be 0..65535");
  config.port = static_cast<unsigned short>(port);
  if (!values.count("data")) throw ConfigError("--data names the data folder and is required");
  config.data = values["data"].as<std::string>();
  config.database = values["database"].as<std::string>();
  config.publicUrl = values["public-url"].as<std::string>();
  while (config.publicUrl.ends_with('/')) config.publicUrl.pop_back();
  config.threads = values["threads"].as<unsigned>();
  config.limits.maxBody = Positive<std::size_t>(values, "max-body");
  config.limits.maxHeader = Positive<std::size_t>(values, "max-header");
  config.limits.requestTimeout = Seconds(values, "request-timeout");
  config.limits.idleTimeout = Seconds(values, "idle-timeout");
  config.limits.maxConnections = Positive<std::size_t>(values, "max-connections");
  config.pauseRecords = values["pause-records"].as<bool>();
  config.pauseChat = values["pause-chat"].as<bool>();
  config.trustProxy = values["trust-proxy"].as<bool>();
  const auto level = ParseLogLevel(values["log-level"].as<std::string>());
  if (!level) throw ConfigError("--log-level must be info, warning or error");
  config.logLevel = *level;
  return config;
}

}  // namespace

std::optional<ServiceConfig> ReadConfig(int argc, const char* const* argv, std::ostream& help) {
  const auto options = Options();
  po::variables_map values;
  try {
    po::store(po::parse_command_line(argc, argv, options), values);
    po::store(po::parse_environment(
                  options,
                  [&](const std::string& variable) -> std::string {
                    if (!variable.starts_with(EnvironmentPrefix)) return {};
                    std::string name = variable.substr(EnvironmentPrefix.size());
                    std::ranges::transform(name, name.begin(), [](char c) {
                      return c == '_'
                                 ? '-'
                                 : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
                    });
                    const bool known = name != "help" && options.find_nothrow(name, false);
                    return known ? name : std::string();
                  }),
              values);
    po::notify(values);
  } catch (const po::error& error) {
    throw ConfigError(error.what());
  }
  if (values.count("help")) {
    help << options << '\n';
    return std::nullopt;
  }
  return FromValues(values);
}

}  // namespace fibwick::service
