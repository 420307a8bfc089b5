// Carpet: a pile carpet over the table, its pattern woven tone on tone: guard stripes, a border
// of lozenges, a lattice over the field and a medallion in the middle.
#include <algorithm>
#include <cmath>

#include "paint_kit.h"
#include "style_kit.h"
#include "styles.h"

namespace fibwick::packgen {

namespace {

// How much lighter (or darker) the pattern makes the wool at a spot.
double Pattern(double u, double v) {
  const double edge = std::min({u, UnitsWide - u, v, UnitsHigh - v});
  if (edge < 14) return -0.08;
  if (edge < 18 || (edge > 62 && edge < 66)) return 0.12;
  if (edge < 62) {
    const bool onSide = std::min(u, UnitsWide - u) < std::min(v, UnitsHigh - v);
    const double along = std::fmod((onSide ? v : u) + 1000, 44) - 22;
    const double lozenge = std::abs(along) / 22 + std::abs(edge - 40) / 22;
    if (lozenge < 0.35) return -0.06;
    return lozenge < 0.8 ? 0.1 : 0.0;
  }
  double pattern = 0;
  const double fu = std::fmod(u - UnitsWide / 2 + 3000, 60) / 60;
  const double fv = std::fmod(v - UnitsHigh / 2 + 3000, 80) / 80;
  const double cell = std::abs(fu - 0.5) + std::abs(fv - 0.5);
  if (std::abs(cell - 0.5) < 0.025 || cell < 0.1) pattern = 0.08;
  const double medallion = std::abs(u - UnitsWide / 2) / 230 + std::abs(v - UnitsHigh / 2) / 150;
  if (medallion < 1) pattern += 0.05;
  if (std::abs(medallion - 1) < 0.012 || std::abs(medallion - 0.93) < 0.008) pattern += 0.1;
  return pattern;
}

}  // namespace

QImage TableCarpet(int w, int h, const ClothDye& dye) {
  return Toned(w, h, dye, [](const Spot& s) {
    const double pile =
        0.6 * artgen::ValueNoise(s.x, s.y, 1.2, 51) + 0.4 * artgen::ValueNoise(s.x, s.y, 2.5, 53);
    const double t = 0.2 + 0.5 * TableLight(s.u, s.v) + Pattern(s.u, s.v);
    return Tone{t, 1.0 + 0.06 * pile};
  });
}

}  // namespace fibwick::packgen
