#pragma once

#include <optional>
#include <string_view>

// One line per event on stderr, below the chosen level silent. Safe from any thread.
namespace fibwick::service {

enum class LogLevel { Info, Warning, Error };

std::optional<LogLevel> ParseLogLevel(std::string_view name);
void SetLogLevel(LogLevel level);
bool LogEnabled(LogLevel level);
void Log(LogLevel level, std::string_view message);

}  // namespace fibwick::service
