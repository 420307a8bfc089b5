#pragma once

#include <optional>
#include <string>

#include "online/statistics.h"
#include "ui/dialogs/statistics_dialog.h"

// The statistics window's requests as a test makes them: at once, on the test's thread, so the
// window opens with what the service answered.
namespace fibwick::testing_support {

inline std::optional<TNuvStat> ReadTotalsNow(StatisticsService& service) {
  TNuvStat totals;
  if (!service.ReadTotals(GameId, totals)) return std::nullopt;
  return totals;
}

inline StatLiker LikeNow(StatisticsService& service) {
  return [&service](const std::string& nick, const std::function<void(bool)>& done) {
    done(service.ReportLike(nick));
  };
}

}  // namespace fibwick::testing_support
