#include "app/indicator_reading.h"

#include "online/http_client.h"

namespace fibwick {

bool ReadsStatistics(int style) {
  return style == 1 || style == 2;
}

IndicatorReading StatisticsReading(int style, const TNuvStat& totals) {
  if (style == 1) {
    IndicatorReading reading;
    reading.figure = IqFigure(totals.StatX[2], totals.StatX[3]);
    return reading;
  }
  return GamesFigure(totals.StatX[0]);
}

std::optional<IndicatorReading> ReadIndicator(int style, const std::string& statisticsAddress) {
  if (!ReadsStatistics(style)) return std::nullopt;
  // The window's own client may be busy on its thread meanwhile.
  HttpClient client;
  StatisticsService service(client, statisticsAddress);
  TNuvStat totals;
  if (!service.ReadTotals(GameId, totals)) return std::nullopt;
  return StatisticsReading(style, totals);
}

}  // namespace fibwick
