// Tree: stained planks laid lengthwise, each with its own grain, tone and joint.
#include <cmath>

#include "paint_kit.h"
#include "style_kit.h"
#include "styles.h"

namespace fibwick::packgen {

namespace {

constexpr double Plank = 84;  // units across one plank

double PlankHash(int plank, unsigned salt) {
  return artgen::ValueNoise(plank * 7.0 + 0.5, salt * 13.0 + 0.5, 1.0, 101 + salt);
}

// A soft dark line of the given half width at distance d from it.
double Seam(double d, double halfWidth) {
  return std::exp(-(d * d) / (halfWidth * halfWidth));
}

}  // namespace

QImage Wood(int w, int h, const ClothDye& dye) {
  return Toned(w, h, dye, [](const Spot& s) {
    const int plank = static_cast<int>((s.v + 30) / Plank);
    const double across = s.v + 30 - plank * Plank;
    const auto seed = static_cast<unsigned>(plank);
    // The grain: growth rings cut lengthwise, whose arches rise along the plank around the
    // heart of the log, bent by its knots.
    const double heart = Plank * (0.5 + 0.25 * PlankHash(plank, 3)) +
                         14 * artgen::ValueNoise(s.u, 0, 260, 500 + seed);
    const double bend = 9 * artgen::ValueNoise(s.u, s.v, 150, 200 + seed) +
                        3 * artgen::ValueNoise(s.u, s.v, 40, 300 + seed);
    const double distance = std::sqrt(std::pow(across - heart, 2) + 40);
    const double rings = (distance + bend - 0.035 * s.u * (plank % 2 ? 1 : -1)) / 7.0;
    const double late = std::pow(rings - std::floor(rings), 4.0);
    const double fibre = artgen::ValueNoise(s.u / 14, s.v * 1.3, 1.0, 400 + seed);
    double t =
        0.24 + 0.42 * TableLight(s.u, s.v) + 0.06 * PlankHash(plank, 1) - 0.2 * late + 0.06 * fibre;
    // Soft gaps between the planks, and an end joint on every other plank.
    t -= 0.22 * (Seam(across, 1.1) + Seam(Plank - across, 1.1));
    if (plank % 2 == 0) {
      const double joint = 160 + 440 * (0.5 + 0.5 * PlankHash(plank, 2));
      t -= 0.2 * Seam(s.u - joint, 0.8);
    }
    return Tone{t, 1.0 + 0.015 * Dither(s.x, s.y)};
  });
}

}  // namespace fibwick::packgen
