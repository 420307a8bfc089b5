#include "ui/flight_path.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "base/round_even.h"

namespace fibwick {

int FlightSteps(FlightPixel from, FlightPixel to) {
  return std::max(std::abs(to.x - from.x), std::abs(to.y - from.y));
}

FlightPixel FlightPointAt(FlightPixel from, FlightPixel to, int step) {
  const int dx = to.x - from.x;
  const int dy = to.y - from.y;
  if (dx == 0 && dy == 0) return from;
  if (std::abs(dx) >= std::abs(dy)) {
    const int x = from.x + (dx >= 0 ? step : -step);
    return {x, RoundEven(static_cast<double>(dy) * (x - from.x) / dx + from.y)};
  }
  const int y = from.y + (dy >= 0 ? step : -step);
  return {RoundEven(static_cast<double>(dx) * (y - from.y) / dy + from.x), y};
}

FlightPace PaceOfSpeed(int flightSpeed) {
  // Levels 5 and 6 have no pause of their own; a step still costs its drawing, which we take
  // as 0.2 ms so that the fastest flights stay visible.
  static constexpr std::array<FlightPace, 6> Paces{{
      {2000, false, 110},
      {1000, false, 95},
      {500, false, 80},
      {333, false, 65},
      {200, false, 40},
      {200, true, 25},
  }};
  return Paces[static_cast<std::size_t>(std::clamp(flightSpeed, 1, 6) - 1)];
}

}  // namespace fibwick
