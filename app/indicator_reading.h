#pragma once

#include <optional>
#include <string>

#include "online/statistics.h"
#include "ui/hud.h"

// The figure of the menu's colour indicator, as the game service reports it.
namespace fibwick {

// Styles 1 and 2 show the statistics totals; the boards and the accounts of the other styles
// are not kept by this version's service, so reading them fails.
bool ReadsStatistics(int style);

// What a statistics style shows of the totals: the share of points people lost against the
// computer (1), or the games played with it (2).
IndicatorReading StatisticsReading(int style, const TNuvStat& totals);

}  // namespace fibwick
