// Sun: a glow a little above the middle of the table with broad, soft rays around it.
#include <algorithm>
#include <cmath>

#include "paint_kit.h"
#include "style_kit.h"
#include "styles.h"

namespace fibwick::packgen {

QImage Sun(int w, int h, const ClothDye& dye) {
  return Toned(w, h, dye, [](const Spot& s) {
    const double dx = s.u - 380, dy = s.v - 220;
    const double r = std::hypot(dx / 1.25, dy) / 330;
    const double angle = std::atan2(dy, dx);
    // Rays twist a little with the distance so that they do not look ruled.
    const double rays = std::pow(0.5 + 0.5 * std::cos(angle * 16 + r * 1.5), 2.0);
    const double glow = std::exp(-r * r * 2.2);
    const double disc = std::exp(-std::pow(r * 5.5, 2.0));
    const double t = 0.1 + 0.55 * glow + 0.2 * disc +
                     0.14 * rays * std::min(1.0, r * 3) * (0.4 + 0.6 * glow) +
                     0.04 * artgen::ValueNoise(s.u, s.v, 70, 5);
    return Tone{t, 1.0 + 0.012 * Dither(s.x, s.y)};
  });
}

}  // namespace fibwick::packgen
