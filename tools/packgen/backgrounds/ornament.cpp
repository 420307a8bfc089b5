// Ornament: a rosette pressed into the middle of the cloth, quarter rosettes in the corners and
// a double frame around, tone on tone.
#include <QPainterPathStroker>
#include <cmath>
#include <numbers>

#include "paint_kit.h"
#include "style_kit.h"
#include "styles.h"

namespace fibwick::packgen {

namespace {

constexpr double Pi = std::numbers::pi;

QPainterPath Outline(const QPainterPath& path, double width) {
  QPainterPathStroker stroker;
  stroker.setWidth(width);
  stroker.setCapStyle(Qt::RoundCap);
  return stroker.createStroke(path);
}

QPainterPath Ring(const QPointF& c, double r, double width) {
  QPainterPath circle;
  circle.addEllipse(c, r, r);
  return Outline(circle, width);
}

// Petals from radius inner out to radius outer around c, as a pointed arch each.
QPainterPath Petals(const QPointF& c, int count, double inner, double outer, double width,
                    double turn = 0) {
  QPainterPath petals;
  for (int i = 0; i < count; ++i) {
    const double a = turn + 2 * Pi * i / count;
    const QPointF along(std::cos(a), std::sin(a)), side(-std::sin(a), std::cos(a));
    const QPointF base = c + along * inner, tip = c + along * outer;
    const double mid = (inner + outer) / 2;
    QPainterPath petal;
    petal.moveTo(base);
    petal.cubicTo(c + along * mid + side * width, tip + side * width * 0.3 - along * 4.0, tip);
    petal.cubicTo(tip - side * width * 0.3 - along * 4.0, c + along * mid - side * width, base);
    petals.addPath(petal);
  }
  petals.setFillRule(Qt::WindingFill);
  return petals;
}

void Rosette(QPainter& p, const QPointF& c, double scale, const ClothDye& dye) {
  Pressed(p, Ring(c, 24 * scale, 3), dye, 0.45);
  Pressed(p, Petals(c, 8, 6 * scale, 20 * scale, 6 * scale), dye, 0.4);
  Pressed(p, Petals(c, 16, 30 * scale, 92 * scale, 12 * scale), dye, 0.3);
  Pressed(p, Ring(c, 102 * scale, 3.5), dye, 0.45);
  Pressed(p, Petals(c, 8, 106 * scale, 150 * scale, 24 * scale, Pi / 8), dye, 0.28);
  for (int i = 0; i < 8; ++i) {
    const double a = 2 * Pi * i / 8;
    QPainterPath bead;
    bead.addEllipse(c + QPointF(std::cos(a), std::sin(a)) * 118 * scale, 5 * scale, 5 * scale);
    Pressed(p, bead, dye, 0.4);
  }
}

}  // namespace

QImage Ornament(int w, int h, const ClothDye& dye) {
  QImage cloth = PlainCloth(w, h, dye);
  PaintOver(cloth, [&](QPainter& p) {
    const QRectF frame(24, 24, UnitsWide - 48, UnitsHigh - 48);
    QPainterPath outer, inner;
    outer.addRoundedRect(frame, 10, 10);
    inner.addRoundedRect(frame.adjusted(9, 9, -9, -9), 6, 6);
    Pressed(p, Outline(outer, 3.5), dye, 0.45);
    Pressed(p, Outline(inner, 1.6), dye, 0.4);
    for (const QPointF corner :
         {frame.topLeft(), frame.topRight(), frame.bottomLeft(), frame.bottomRight()}) {
      p.save();
      p.setClipRect(frame.adjusted(9, 9, -9, -9));
      Rosette(p, corner, 0.55, dye);
      p.restore();
    }
    Rosette(p, QPointF(UnitsWide / 2, UnitsHigh / 2), 1.0, dye);
  });
  return cloth;
}

}  // namespace fibwick::packgen
