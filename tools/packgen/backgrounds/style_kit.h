// What the background styles share.
#pragma once

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <functional>

#include "table_cloth.h"

namespace fibwick::packgen {

inline constexpr double UnitsWide = 760, UnitsHigh = 500;

// Where on the cloth a pixel is, in units (u, v) and in pixels (x, y).
struct Spot {
  double u, v;
  int x, y;
};

// The tone of a pixel: t from shadow (0) to light (1) of the dye, and the grain that scales it.
struct Tone {
  double t;
  double grain = 1.0;
};

// A picture filled pixel by pixel with the tone the function gives for each spot.
template <typename ToneOf>
QImage Toned(int w, int h, const artgen::ClothDye& dye, ToneOf toneOf) {
  QImage image(w, h, QImage::Format_RGB32);
  const double unit = w / UnitsWide;
  for (int y = 0; y < h; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < w; ++x) {
      const Tone tone = toneOf(Spot{x / unit, y / unit, x, y});
      line[x] = artgen::Dyed(dye, std::clamp(tone.t, 0.0, 1.0), tone.grain);
    }
  }
  return image;
}

// Cloth lit in the middle with a faint mottle and a fine grain: the ground of the styles that
// press a pattern into it.
QImage PlainCloth(int w, int h, const artgen::ClothDye& dye);

// Light falling on the middle of the table: 1 there, 0 towards the corners.
double TableLight(double u, double v);

// Pixel noise in [-1, 1] that breaks the steps of smooth gradients.
double Dither(int x, int y);

// Draws over the picture in units of the small window.
void PaintOver(QImage& image, const std::function<void(QPainter&)>& paint);

// A shape pressed into the cloth: a shadow below right, a light edge above left, a lighter
// face; strength 0..1 sets how much it shows.
void Pressed(QPainter& p, const QPainterPath& shape, const artgen::ClothDye& dye, double strength);

}  // namespace fibwick::packgen
