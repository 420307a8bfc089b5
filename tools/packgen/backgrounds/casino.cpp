// Casino: smooth baize under a spotlight, a printed double oval and faint suit signs around it.
#include <QPen>
#include <array>
#include <cmath>

#include "paint_kit.h"
#include "style_kit.h"
#include "styles.h"

namespace fibwick::packgen {

namespace {

// Suit signs about 2 units across around (0, 0).
QPainterPath Heart() {
  QPainterPath heart;
  heart.moveTo(0, 1);
  heart.cubicTo(-0.9, 0.3, -1.1, -0.3, -0.8, -0.7);
  heart.cubicTo(-0.5, -1.05, -0.1, -0.9, 0, -0.5);
  heart.cubicTo(0.1, -0.9, 0.5, -1.05, 0.8, -0.7);
  heart.cubicTo(1.1, -0.3, 0.9, 0.3, 0, 1);
  return heart;
}

QPainterPath Diamond() {
  QPainterPath diamond;
  diamond.moveTo(0, -1);
  diamond.quadTo(0.35, -0.35, 0.75, 0);
  diamond.quadTo(0.35, 0.35, 0, 1);
  diamond.quadTo(-0.35, 0.35, -0.75, 0);
  diamond.quadTo(-0.35, -0.35, 0, -1);
  return diamond;
}

QPainterPath Stem() {
  QPainterPath stem;
  stem.moveTo(-0.1, 0.2);
  stem.quadTo(-0.1, 0.8, -0.45, 1);
  stem.lineTo(0.45, 1);
  stem.quadTo(0.1, 0.8, 0.1, 0.2);
  stem.closeSubpath();
  return stem;
}

QPainterPath Spade() {
  QPainterPath leaf = QTransform().translate(0, -0.15).scale(1, -1).map(Heart());
  leaf.addPath(Stem());
  leaf.setFillRule(Qt::WindingFill);
  return leaf.simplified();
}

QPainterPath Club() {
  QPainterPath club;
  club.addEllipse(QPointF(0, -0.5), 0.42, 0.42);
  club.addEllipse(QPointF(-0.48, 0.1), 0.42, 0.42);
  club.addEllipse(QPointF(0.48, 0.1), 0.42, 0.42);
  club.addPath(Stem());
  club.setFillRule(Qt::WindingFill);
  return club.simplified();
}

}  // namespace

QImage Casino(int w, int h, const ClothDye& dye) {
  QImage baize = Toned(w, h, dye, [](const Spot& s) {
    const double dx = (s.u - 380) / 300, dy = (s.v - 240) / 210;
    const double spot = std::exp(-(dx * dx + dy * dy) * 1.3);
    const double t = 0.1 + 0.68 * spot + 0.03 * artgen::ValueNoise(s.u, s.v, 50, 61);
    return Tone{t, 1.0 + 0.025 * artgen::ValueNoise(s.x, s.y, 1.0, 67) + 0.01 * Dither(s.x, s.y)};
  });
  PaintOver(baize, [&](QPainter& p) {
    const QColor print = artgen::WithAlpha(artgen::Mix(dye.light, QColor(250, 222, 150), 0.45), 95);
    const QPointF middle(UnitsWide / 2, UnitsHigh / 2);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(print, 2.4));
    p.drawEllipse(middle, 300, 178);
    p.setPen(QPen(print, 1.0));
    p.drawEllipse(middle, 291, 170);
    const std::array<QPainterPath, 4> suits = {Spade(), Heart(), Club(), Diamond()};
    const QColor faint = artgen::WithAlpha(dye.light.lighter(125), 34);
    int n = 0;
    for (int row = 0; row < 12; ++row) {
      for (int col = 0; col < 18; ++col) {
        const QPointF at(col * 46.0 + (row % 2) * 23 + 6, row * 46.0 + 14);
        const QPointF d = at - middle;
        if (std::pow(d.x() / 322, 2) + std::pow(d.y() / 198, 2) < 1) continue;
        const auto& suit = suits[static_cast<std::size_t>((n++ + row) % 4)];
        p.fillPath(QTransform().translate(at.x(), at.y()).scale(8, 8).map(suit), faint);
      }
    }
  });
  return baize;
}

}  // namespace fibwick::packgen
