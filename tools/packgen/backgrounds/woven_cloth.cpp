// Cloth: a twill of round threads, two over and two under, each thread a little uneven.
#include <cmath>
#include <numbers>

#include "paint_kit.h"
#include "style_kit.h"
#include "styles.h"

namespace fibwick::packgen {

QImage WovenCloth(int w, int h, const ClothDye& dye) {
  constexpr double Thread = 3.2;  // units from one thread to the next
  return Toned(w, h, dye, [](const Spot& s) {
    const double gu = s.u / Thread, gv = s.v / Thread;
    const int warp = static_cast<int>(gu), weft = static_cast<int>(gv);
    const bool warpOnTop = (warp + weft) % 4 < 2;
    // Across the thread on top the light rounds over it.
    const double across = warpOnTop ? gu - warp : gv - weft;
    const double round = std::sin(std::numbers::pi * across);
    const double uneven =
        warpOnTop ? artgen::ValueNoise(warp, s.v, 40, 3) : artgen::ValueNoise(s.u, weft, 40, 4);
    const double t =
        0.16 + 0.62 * TableLight(s.u, s.v) + 0.05 * artgen::ValueNoise(s.u, s.v, 120, 9);
    return Tone{t, 0.8 + 0.2 * round + 0.04 * uneven};
  });
}

}  // namespace fibwick::packgen
