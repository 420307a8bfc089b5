#include "server/log.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <mutex>
#include <string>

namespace fibwick::service {
namespace {

std::atomic<LogLevel> threshold{LogLevel::Info};
std::mutex outputMutex;

const char* LevelName(LogLevel level) {
  switch (level) {
    case LogLevel::Info:
      return "info";
    case LogLevel::Warning:
      return "warning";
    case LogLevel::Error:
      return "error";
  }
  return "?";
}

}  // namespace

std::optional<LogLevel> ParseLogLevel(std::string_view name) {
  for (auto level : {LogLevel::Info, LogLevel::Warning, LogLevel::Error}) {
    if (name == LevelName(level)) return level;
  }
  return std::nullopt;
}

void SetLogLevel(LogLevel level) {
  threshold = level;
}

bool LogEnabled(LogLevel level) {
  return level >= threshold.load();
}

void Log(LogLevel level, std::string_view message) {
  if (!LogEnabled(level)) return;
  const auto now = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  const auto millis =
      std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
  std::tm utc{};
  gmtime_r(&seconds, &utc);
  char stamp[40];
  const auto length = std::strftime(stamp, sizeof stamp, "%Y-%m-%dT%H:%M:%S", &utc);
  std::snprintf(stamp + length, sizeof stamp - length, ".%03dZ ", static_cast<int>(millis));
  std::string line = stamp;
  line += LevelName(level);
  line += ' ';
  line += message;
  line += '\n';
  std::lock_guard lock(outputMutex);
  std::fputs(line.c_str(), stderr);
}

}  // namespace fibwick::service
