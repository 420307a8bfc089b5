#include "table_cloth.h"

#include <algorithm>
#include <cmath>

#include "paint_kit.h"

namespace fibwick::artgen {

QRgb Dyed(const ClothDye& dye, double t, double grain) {
  const QColor base =
      t < 0.5 ? Mix(dye.dark, dye.body, t * 2) : Mix(dye.body, dye.light, t * 2 - 1);
  const auto channel = [grain](int c) {
    return std::clamp(static_cast<int>(std::lround(c * grain)), 0, 255);
  };
  return qRgb(channel(base.red()), channel(base.green()), channel(base.blue()));
}

QImage Felt(int w, int h, const ClothDye& dye) {
  const double unit = w / 760.0;
  QImage image(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < w; ++x) {
      const double u = x / unit, v = y / unit;
      // Light falls on the middle of the table and fades towards the edges.
      const double dx = (u - 380) / 430, dy = (v - 250) / 330;
      const double light = std::clamp(1.0 - (dx * dx + dy * dy), 0.0, 1.0);
      const double clouds = ValueNoise(u, v, 90, 7) * 0.5 + ValueNoise(u, v, 31, 11) * 0.3;
      const double fibre = ValueNoise(x, y * 0.35, 1.6, 23) * 0.6 + ValueNoise(x, y, 1.0, 29) * 0.4;
      const double t = std::clamp(0.18 + 0.72 * light + 0.10 * clouds, 0.0, 1.0);
      line[x] = Dyed(dye, t, 1.0 + 0.07 * fibre);
    }
  }
  return image;
}

}  // namespace fibwick::artgen
