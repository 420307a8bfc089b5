// Silk: long soft folds whose crests catch the light, over a fine sheen of threads.
#include <cmath>

#include "paint_kit.h"
#include "style_kit.h"
#include "styles.h"

namespace fibwick::packgen {

QImage Silk(int w, int h, const ClothDye& dye) {
  return Toned(w, h, dye, [](const Spot& s) {
    const double phase = 0.011 * s.u + 0.018 * s.v + 2.4 * artgen::ValueNoise(s.u, s.v, 260, 31) +
                         1.1 * artgen::ValueNoise(s.u, s.v, 110, 37);
    const double fold = 0.5 + 0.5 * std::sin(phase * 2.2);
    const double sheen = std::pow(fold, 4.0);
    const double t = 0.16 + 0.4 * TableLight(s.u, s.v) + 0.12 * fold + 0.18 * sheen;
    const double threads = artgen::ValueNoise(s.x * 0.5, s.y, 1.0, 41);
    return Tone{t, 1.0 + 0.015 * threads + 0.01 * Dither(s.x, s.y)};
  });
}

}  // namespace fibwick::packgen
