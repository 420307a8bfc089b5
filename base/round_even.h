#pragma once

#include <cmath>

namespace fibwick {

// Layout and colour arithmetic rounds half-way values to the even neighbour, never away from zero.
inline int RoundEven(double value) {
  const double down = std::floor(value);
  const double diff = value - down;
  auto result = static_cast<long long>(down);
  if (diff > 0.5 || (diff == 0.5 && (result % 2 != 0))) ++result;
  return static_cast<int>(result);
}

}  // namespace fibwick
