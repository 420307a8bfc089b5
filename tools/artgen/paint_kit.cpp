#include "paint_kit.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "palette.h"

namespace fibwick::artgen {

QImage DrawScaled(int w, int h, double scaleX, double scaleY,
                  const std::function<void(QPainter&)>& draw) {
  QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                   QPainter::SmoothPixmapTransform);
  p.scale(scaleX, scaleY);
  draw(p);
  p.end();
  return image.convertToFormat(QImage::Format_ARGB32);
}

QImage DrawScaled(int w, int h, double scale, const std::function<void(QPainter&)>& draw) {
  return DrawScaled(w, h, scale, scale, draw);
}

QImage Flatten(const QImage& image, const QColor& under) {
  QImage flat(image.size(), QImage::Format_RGB32);
  flat.fill(under);
  QPainter p(&flat);
  p.drawImage(0, 0, image);
  p.end();
  return flat;
}

QColor Mix(const QColor& a, const QColor& b, double t) {
  const auto lerp = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
  return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()),
                lerp(a.alpha(), b.alpha()));
}

QColor WithAlpha(const QColor& c, int alpha) {
  QColor result = c;
  result.setAlpha(alpha);
  return result;
}

QPainterPath RoundedRect(const QRectF& r, double radius) {
  QPainterPath path;
  path.addRoundedRect(r, radius, radius);
  return path;
}

QPainterPath Star(const QPointF& centre, double outer, double inner, int points) {
  QPainterPath star;
  for (int i = 0; i < 2 * points; ++i) {
    const double a = -std::numbers::pi / 2 + std::numbers::pi * i / points;
    const double r = i % 2 ? inner : outer;
    const QPointF point = centre + QPointF(r * std::cos(a), r * std::sin(a));
    if (i == 0)
      star.moveTo(point);
    else
      star.lineTo(point);
  }
  star.closeSubpath();
  return star;
}

void GlossPlate(QPainter& p, const QRectF& r, double radius, const QColor& body, const QColor& rim,
                double rimWidth) {
  p.save();
  const auto outer = RoundedRect(r, radius);
  p.fillPath(outer, rim);
  const auto inner = r.adjusted(rimWidth, rimWidth, -rimWidth, -rimWidth);
  const double innerRadius = std::max(0.0, radius - rimWidth);
  QLinearGradient fill(inner.topLeft(), inner.bottomLeft());
  fill.setColorAt(0.0, body.lighter(135));
  fill.setColorAt(0.48, body);
  fill.setColorAt(1.0, body.darker(150));
  p.fillPath(RoundedRect(inner, innerRadius), fill);
  // The reflection: a lighter cap over the upper half, fading downwards.
  const QRectF shine(inner.left() + innerRadius * 0.4, inner.top() + rimWidth * 0.3,
                     inner.width() - innerRadius * 0.8, inner.height() * 0.46);
  QLinearGradient glow(shine.topLeft(), shine.bottomLeft());
  glow.setColorAt(0.0, QColor(255, 255, 255, 120));
  glow.setColorAt(1.0, QColor(255, 255, 255, 8));
  p.fillPath(RoundedRect(shine, std::min(shine.height() / 2, innerRadius)), glow);
  p.restore();
}

double EaseOut(double t) {
  t = std::clamp(t, 0.0, 1.0);
  return 1 - (1 - t) * (1 - t) * (1 - t);
}

void Sparkle(QPainter& p, const QPointF& at, double size, int alpha) {
  if (size <= 0 || alpha <= 0) return;
  QPainterPath star;
  star.moveTo(at.x(), at.y() - size);
  star.quadTo(at, at + QPointF(size, 0));
  star.quadTo(at, at + QPointF(0, size));
  star.quadTo(at, at - QPointF(size, 0));
  star.quadTo(at, at - QPointF(0, size));
  p.fillPath(star, WithAlpha(palette::GoldLight, alpha));
  p.setPen(Qt::NoPen);
  p.setBrush(WithAlpha(Qt::white, alpha));
  p.drawEllipse(at, size / 5, size / 5);
}

namespace {

double Lattice(int x, int y, unsigned seed) {
  unsigned h = static_cast<unsigned>(x) * 374761393u + static_cast<unsigned>(y) * 668265263u +
               seed * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  h ^= h >> 16;
  return (h & 0xffffu) / 32767.5 - 1.0;
}

double Smooth(double t) {
  return t * t * (3 - 2 * t);
}

}  // namespace

double ValueNoise(double x, double y, double cell, unsigned seed) {
  const double gx = x / cell;
  const double gy = y / cell;
  const int ix = static_cast<int>(std::floor(gx));
  const int iy = static_cast<int>(std::floor(gy));
  const double fx = Smooth(gx - ix);
  const double fy = Smooth(gy - iy);
  const double top = Lattice(ix, iy, seed) * (1 - fx) + Lattice(ix + 1, iy, seed) * fx;
  const double bottom = Lattice(ix, iy + 1, seed) * (1 - fx) + Lattice(ix + 1, iy + 1, seed) * fx;
  return top * (1 - fy) + bottom * fy;
}

}  // namespace fibwick::artgen
