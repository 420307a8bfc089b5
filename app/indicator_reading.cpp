#include "app/indicator_reading.h"

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

}  // namespace fibwick
