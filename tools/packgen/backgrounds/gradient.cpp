// Gradient: the light comes from the upper left and fades smoothly into the far corner.
#include <cmath>

#include "style_kit.h"
#include "styles.h"

namespace fibwick::packgen {

QImage Gradient(int w, int h, const ClothDye& dye) {
  return Toned(w, h, dye, [](const Spot& s) {
    const double across = 0.55 * s.u / UnitsWide + 0.45 * s.v / UnitsHigh;
    const double edge = std::pow(std::abs(s.u / UnitsWide - 0.5) * 2, 4.0) * 0.12;
    return Tone{0.86 - 0.74 * across - edge, 1.0 + 0.012 * Dither(s.x, s.y)};
  });
}

}  // namespace fibwick::packgen
