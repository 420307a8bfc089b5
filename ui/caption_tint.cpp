#include "ui/caption_tint.h"

#include <algorithm>
#include <cstdlib>

#include "base/round_even.h"

namespace fibwick {

QRgb TintPixel(QRgb pixel, int tint) {
  int r = qRed(pixel), g = qGreen(pixel), b = qBlue(pixel);
  switch (tint) {
    case 2:  // orange
      if (g < r && b < r) {
        b = RoundEven(0.7 * std::min(b, g));
        g = b + RoundEven(0.4 * std::abs(r - b));
      }
      break;
    case 3:  // yellow
      g = r;
      break;
    case 4:  // green
      std::swap(r, g);
      break;
    case 5: {  // aqua
      const int oldR = r;
      r = b;
      g = b = oldR;
      break;
    }
    case 6:  // blue
      std::swap(r, b);
      break;
    case 7:  // violet
      b = r;
      break;
    default:
      break;
  }
  return qRgba(r, g, b, qAlpha(pixel));
}

QImage TintPicture(const QImage& picture, int tint) {
  QImage out = picture.convertToFormat(QImage::Format_ARGB32);
  if (tint <= 1 || tint > CaptionTintCount) return out;
  for (int y = 0; y < out.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x) line[x] = TintPixel(line[x], tint);
  }
  return out;
}

int NextCaptionTint(int tint) {
  return tint >= CaptionTintCount ? 1 : tint + 1;
}

}  // namespace fibwick
