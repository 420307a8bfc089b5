#include "online/service_base.h"

#include <cstdlib>

namespace fibwick {

std::string ServiceBaseFromEnvironment() {
  const char* named = std::getenv(ServiceUrlVariable);
  std::string base = named != nullptr && *named != '\0' ? named : DefaultServiceBase;
  while (!base.empty() && base.back() == '/') base.pop_back();
  return base;
}

BuiltInAddresses AddressesUnder(std::string_view base) {
  const std::string root(base);
  return {.paths = root + "/paths",
          .ip = root + "/ip",
          .news = root + "/news",
          .files = root + "/files/",
          .account = root + "/account",
          .tournament = root + "/tournament",
          .records = root + "/records",
          .statistics = root + "/statistics"};
}

void RebaseDefaultAddresses(Settings& settings, std::string_view base,
                            const ServiceAddresses& named) {
  const BuiltInAddresses addresses = AddressesUnder(base);
  if (named.records.empty() && settings.RecordsAddress == BuiltInRecordsAddress) {
    settings.RecordsAddress = addresses.records;
  }
  if (named.statistics.empty() && settings.StatisticsAddress == BuiltInStatisticsAddress) {
    settings.StatisticsAddress = addresses.statistics;
  }
}

}  // namespace fibwick
