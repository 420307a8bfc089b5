#include "server/service_config.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

namespace fibwick::service {
namespace {

std::optional<ServiceConfig> Read(std::vector<const char*> args, std::ostream& help) {
  args.insert(args.begin(), "fibwick-service");
  return ReadConfig(static_cast<int>(args.size()), args.data(), help);
}

ServiceConfig Read(std::vector<const char*> args) {
  std::ostringstream help;
  const auto config = Read(std::move(args), help);
  if (!config) throw std::logic_error("help asked for");
  return *config;
}

TEST(ServiceConfig, DefaultsAreSafeAndEveryOptionIsRead) {
  const auto defaults = Read({"--data", "/srv/fibwick"});
  EXPECT_EQ(defaults.listen, "127.0.0.1");
  EXPECT_EQ(defaults.port, 25680);
  EXPECT_EQ(defaults.data, "/srv/fibwick");
  EXPECT_EQ(defaults.database, "");
  EXPECT_EQ(defaults.limits.maxBody, 65536u);
  EXPECT_EQ(defaults.limits.maxHeader, 8192u);
  EXPECT_EQ(defaults.limits.requestTimeout, std::chrono::seconds(10));
  EXPECT_EQ(defaults.limits.idleTimeout, std::chrono::seconds(30));
  EXPECT_EQ(defaults.limits.maxConnections, 10000u);
  EXPECT_FALSE(defaults.pauseRecords || defaults.pauseChat || defaults.trustProxy);

  const auto config = Read({"--listen",
                            "0.0.0.0",
                            "--port",
                            "8080",
                            "--data",
                            "d",
                            "--database",
                            "postgresql://fw@db/fw",
                            "--public-url",
                            "https://x.example/",
                            "--threads",
                            "3",
                            "--max-body",
                            "100",
                            "--max-header",
                            "2000",
                            "--request-timeout",
                            "0.25",
                            "--idle-timeout",
                            "5",
                            "--max-connections",
                            "7",
                            "--pause-records",
                            "--pause-chat",
                            "--trust-proxy",
                            "--log-level",
                            "warning"});
  EXPECT_EQ(config.listen, "0.0.0.0");
  EXPECT_EQ(config.port, 8080);
  EXPECT_EQ(config.database, "postgresql://fw@db/fw");
  EXPECT_EQ(config.publicUrl, "https://x.example");
  EXPECT_EQ(config.threads, 3u);
  EXPECT_EQ(config.limits.maxBody, 100u);
  EXPECT_EQ(config.limits.maxHeader, 2000u);
  EXPECT_EQ(config.limits.requestTimeout, std::chrono::milliseconds(250));
  EXPECT_EQ(config.limits.idleTimeout, std::chrono::seconds(5));
  EXPECT_EQ(config.limits.maxConnections, 7u);
  EXPECT_TRUE(config.pauseRecords && config.pauseChat && config.trustProxy);
  EXPECT_EQ(config.logLevel, LogLevel::Warning);
}

TEST(ServiceConfig, TheEnvironmentFillsWhatTheCommandLineLeavesOut) {
  ::setenv("FIBWICK_SERVICE_PORT", "9000", 1);
  ::setenv("FIBWICK_SERVICE_DATA", "/from/environment", 1);
  ::setenv("FIBWICK_SERVICE_MAX_CONNECTIONS", "12", 1);
  ::setenv("FIBWICK_SERVICE_TRUST_PROXY", "true", 1);
  ::setenv("FIBWICK_SERVICE_URL", "http://the-game-reads-this", 1);  // not an option: ignored
  const auto config = Read({"--port", "9100"});
  for (const auto* name :
       {"FIBWICK_SERVICE_PORT", "FIBWICK_SERVICE_DATA", "FIBWICK_SERVICE_MAX_CONNECTIONS",
        "FIBWICK_SERVICE_TRUST_PROXY", "FIBWICK_SERVICE_URL"}) {
    ::unsetenv(name);
  }
  EXPECT_EQ(config.port, 9100);
  EXPECT_EQ(config.data, "/from/environment");
  EXPECT_EQ(config.limits.maxConnections, 12u);
  EXPECT_TRUE(config.trustProxy);
}

TEST(ServiceConfig, WhatTheServiceCannotStartWithIsRefusedWithItsReason) {
  const std::vector<std::vector<const char*>> refused = {
      {},
      {"--data", "d", "--port", "65536"},
      {"--data", "d", "--port", "-1"},
      {"--data", "d", "--max-body", "0"},
      {"--data", "d", "--max-connections", "0"},
      {"--data", "d", "--request-timeout", "0"},
      {"--data", "d", "--idle-timeout", "-2"},
      {"--data", "d", "--log-level", "loud"},
      {"--data", "d", "--unknown"},
      {"--data", "d", "--threads", "many"},
  };
  for (const auto& args : refused) {
    EXPECT_THROW(Read(args), ConfigError) << (args.size() > 2 ? args[2] : "no --data");
  }
}

TEST(ServiceConfig, HelpListsEveryOption) {
  std::ostringstream help;
  EXPECT_FALSE(Read({"--help"}, help));
  for (const auto* option :
       {"--listen", "--port", "--data", "--database", "--public-url", "--threads", "--max-body",
        "--max-header", "--request-timeout", "--idle-timeout", "--max-connections",
        "--pause-records", "--pause-chat", "--trust-proxy", "--log-level", "FIBWICK_SERVICE_"}) {
    EXPECT_NE(help.str().find(option), std::string::npos) << option;
  }
}

}  // namespace
}  // namespace fibwick::service
