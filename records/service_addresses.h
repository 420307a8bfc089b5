#pragma once

#include <string>

// The two service addresses the settings file keeps.
namespace fibwick {

struct ServiceAddresses {
  std::string records;     // empty when not named
  std::string statistics;  // empty when not named
};

// Until a paths document or the settings file names others: the game service run on this
// machine, which answers every service on one port.
inline constexpr const char* DefaultServiceBase = "http://127.0.0.1:25680";
inline constexpr const char* BuiltInRecordsAddress = "http://127.0.0.1:25680/records";
inline constexpr const char* BuiltInStatisticsAddress = "http://127.0.0.1:25680/statistics";

}  // namespace fibwick
