#include "records/rating.h"

#include <algorithm>
#include <cmath>

namespace fibwick {

double NewRating(int startGames, double startRating, int sessionPoints, int gamesNow) {
  if (gamesNow <= 0) return startRating;
  const double average = (static_cast<double>(startGames) * startRating + sessionPoints) / gamesNow;
  const double rounded = std::round(average * 1e6) / 1e6;
  return std::clamp(rounded, -RatingLimit, RatingLimit);
}

}  // namespace fibwick
