// A knotted rug drawn knot by knot, one unit a knot: fringes at both ends, guard stripes, a
// border band of lozenges, and a stepped medallion with corner pieces on the field.
#include <algorithm>
#include <array>
#include <cmath>

#include "back_designs.h"
#include "back_kit.h"
#include "paint_kit.h"

namespace fibwick::packgen {

namespace {

struct Wool {
  QColor field, border, lozenge, medallion, accent, dark, ivory;
};

const std::array<Wool, 7> Dyes{{
    {{152, 30, 32},
     {30, 42, 92},
     {214, 164, 66},
     {34, 52, 112},
     {214, 164, 66},
     {38, 20, 26},
     {236, 222, 188}},
    {{30, 44, 98},
     {144, 30, 34},
     {220, 176, 88},
     {160, 42, 40},
     {220, 176, 88},
     {18, 20, 38},
     {232, 220, 190}},
    {{30, 94, 62},
     {140, 34, 30},
     {226, 208, 164},
     {226, 208, 164},
     {190, 52, 40},
     {22, 36, 28},
     {236, 224, 192}},
    {{226, 210, 172},
     {150, 34, 36},
     {32, 50, 104},
     {32, 50, 104},
     {170, 40, 38},
     {46, 30, 26},
     {246, 238, 214}},
    {{172, 82, 40},
     {58, 32, 24},
     {228, 184, 96},
     {30, 48, 88},
     {228, 184, 96},
     {40, 22, 16},
     {238, 222, 186}},
    {{44, 38, 40},
     {150, 30, 30},
     {200, 150, 60},
     {200, 150, 60},
     {170, 40, 36},
     {16, 14, 16},
     {226, 210, 176}},
    {{206, 150, 52},
     {28, 40, 86},
     {206, 150, 52},
     {150, 34, 34},
     {32, 52, 100},
     {58, 34, 16},
     {240, 226, 190}},
}};

// Knot hash in [-1, 1]: the small colour differences between knots that make wool look woven.
double KnotNoise(int i, int j) {
  unsigned h = static_cast<unsigned>(i) * 73856093u ^ static_cast<unsigned>(j) * 19349663u;
  h = (h ^ (h >> 13)) * 1274126177u;
  return ((h >> 8) & 0xffu) / 127.5 - 1.0;
}

QColor Shaded(const QColor& c, double f) {
  const auto ch = [f](int v) { return std::clamp(static_cast<int>(std::lround(v * f)), 0, 255); };
  return QColor(ch(c.red()), ch(c.green()), ch(c.blue()));
}

// The wool of one knot, from its distances: to the middle (dx, dy), to the nearest edge of the
// rug (edge), and along the border band it lies in (along).
QColor Knot(const Wool& wool, double dx, double dy, int edge, double along, double halfW,
            double halfH) {
  if (edge == 0 || edge == 2 || edge == 9 || edge == 11) return wool.dark;
  if (edge == 1 || edge == 10) return wool.ivory;
  if (edge <= 8) {
    const double t = std::fmod(along, 8.0) - 4.0;
    const double s = edge - 5.5;
    const double lozenge = std::abs(t) + std::abs(s);
    if (lozenge < 0.8) return wool.dark;
    if (lozenge < 2.6) return wool.lozenge;
    if (lozenge < 3.6) return wool.dark;
    return wool.border;
  }
  // The field, inside the twelve knots of border.
  const double fw = halfW - 12, fh = halfH - 12;
  const double m = dx / (fw * 0.8) + dy / (fh * 0.62);
  const double step = std::floor(dx / 2) * 2 / (fw * 0.8) + std::floor(dy / 2) * 2 / (fh * 0.62);
  const double pendant = dx / 3.5 + std::abs(dy - fh * 0.7) / 5.0;
  if (step < 0.18) return wool.accent;
  if (step < 0.3) return wool.dark;
  if (step < 0.46) return wool.ivory;
  if (m < 0.86 && step < 0.9) return step < 0.8 ? wool.medallion : wool.dark;
  if (pendant < 1.0) return wool.medallion;
  if (pendant < 1.5) return wool.dark;
  // Corner pieces: a quarter of the medallion's shape from each corner of the field.
  const double corner = (fw - dx) / (fw * 0.5) + (fh - dy) / (fh * 0.34);
  if (corner < 0.8) return wool.medallion;
  if (corner < 1.0) return wool.dark;
  // Small stepped crosses strewn over the open field.
  const int gx = static_cast<int>(dx + 0.5) % 7, gy = static_cast<int>(dy + 0.5) % 7;
  if ((gx == 3 && gy >= 2 && gy <= 4) || (gy == 3 && gx >= 2 && gx <= 4)) return wool.accent;
  return wool.field;
}

}  // namespace

void DrawCarpetBack(QPainter& p, const QSizeF& card, int picture) {
  const Wool& wool = Dyes[static_cast<std::size_t>(picture % 7)];
  const QRectF rug(3.5, 6, card.width() - 7, card.height() - 12);
  const int columns = static_cast<int>(rug.width());
  const int rows = static_cast<int>(rug.height());
  const double halfW = columns / 2.0, halfH = rows / 2.0;
  QImage knots(columns, rows, QImage::Format_RGB32);
  for (int j = 0; j < rows; ++j) {
    const double abrash = 1.0 + 0.035 * artgen::ValueNoise(j, picture * 10.0, 5, 3);
    for (int i = 0; i < columns; ++i) {
      const int edge = std::min({i, columns - 1 - i, j, rows - 1 - j});
      const double dx = std::abs(i + 0.5 - halfW), dy = std::abs(j + 0.5 - halfH);
      const bool onSide = std::min(i, columns - 1 - i) < std::min(j, rows - 1 - j);
      const double along = onSide ? dy : dx;
      const QColor colour = Knot(wool, dx, dy, edge, along, halfW, halfH);
      knots.setPixel(i, j, Shaded(colour, abrash + 0.05 * KnotNoise(i, j)).rgb());
    }
  }
  // The upper half of the rug on the picture's own pixels, each pixel taking the knot it falls
  // in: square knots without smoothing, and the same pixels in the mirrored half.
  const double sx = p.transform().m11(), sy = p.transform().m22();
  QImage half(static_cast<int>(std::lround(card.width() * sx)),
              static_cast<int>(std::lround(card.height() / 2 * sy)),
              QImage::Format_ARGB32_Premultiplied);
  half.fill(Qt::transparent);
  for (int y = 0; y < half.height(); ++y) {
    const double v = (y + 0.5) / sy - rug.top();
    if (v < 0) continue;
    for (int x = 0; x < half.width(); ++x) {
      const double u = (x + 0.5) / sx - rug.left();
      if (u >= 0 && u < columns) {
        half.setPixel(x, y, knots.pixel(static_cast<int>(u), static_cast<int>(v)));
      }
    }
  }
  Mirrored(p, card, [&] {
    CardStock(p, card, QColor(250, 248, 242), 0);
    // The fringe: warp threads running out of the rug's end.
    p.setPen(QPen(wool.ivory.darker(125), 0.7, Qt::SolidLine, Qt::RoundCap));
    for (int i = 1; i < columns; i += 2) {
      const double x = rug.left() + i;
      const double length = 3.4 + 0.6 * KnotNoise(i, 7);
      p.drawLine(QPointF(x, rug.top()), QPointF(x, rug.top() - length));
    }
    p.drawImage(QRectF(0, 0, card.width(), card.height() / 2), half);
  });
}

}  // namespace fibwick::packgen
