#include "style_kit.h"

#include <algorithm>
#include <cmath>

#include "paint_kit.h"

namespace fibwick::packgen {

double TableLight(double u, double v) {
  const double dx = (u - UnitsWide / 2) / 430, dy = (v - UnitsHigh / 2) / 330;
  return std::clamp(1.0 - (dx * dx + dy * dy), 0.0, 1.0);
}

double Dither(int x, int y) {
  unsigned h = static_cast<unsigned>(x) * 2654435761u ^ static_cast<unsigned>(y) * 2246822519u;
  h = (h ^ (h >> 15)) * 2246822519u;
  return ((h >> 16) & 0xffu) / 127.5 - 1.0;
}

QImage PlainCloth(int w, int h, const artgen::ClothDye& dye) {
  return Toned(w, h, dye, [](const Spot& s) {
    const double t =
        0.17 + 0.56 * TableLight(s.u, s.v) + 0.03 * artgen::ValueNoise(s.u, s.v, 85, 71);
    return Tone{t, 1.0 + 0.02 * artgen::ValueNoise(s.x, s.y, 1.35, 73)};
  });
}

void PaintOver(QImage& image, const std::function<void(QPainter&)>& paint) {
  QPainter p(&image);
  p.setRenderHints(QPainter::Antialiasing);
  p.scale(image.width() / UnitsWide, image.height() / UnitsHigh);
  paint(p);
}

void Pressed(QPainter& p, const QPainterPath& shape, const artgen::ClothDye& dye, double strength) {
  const auto alpha = [strength](int a) { return static_cast<int>(std::lround(a * strength)); };
  p.fillPath(shape.translated(1.2, 1.2), artgen::WithAlpha(dye.dark.darker(140), alpha(150)));
  p.fillPath(shape.translated(-0.7, -0.7), artgen::WithAlpha(dye.light.lighter(140), alpha(110)));
  p.fillPath(shape, artgen::WithAlpha(artgen::Mix(dye.body, dye.light, 0.6), alpha(170)));
}

}  // namespace fibwick::packgen
