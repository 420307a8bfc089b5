// A chequered board of eight files with a chess piece on a plate at each end, the piece of the
// day standing up from either end of the card.
#include <QLinearGradient>
#include <QRadialGradient>
#include <algorithm>
#include <array>

#include "back_designs.h"
#include "back_kit.h"
#include "paint_kit.h"
#include "palette.h"

namespace fibwick::packgen {

namespace {

using artgen::RoundedRect;

// Pieces stand on (0, 0), about 1.2 wide and 2 high.
QPainterPath Pedestal() {
  QPainterPath base;
  base.addRoundedRect(QRectF(-0.58, -0.22, 1.16, 0.22), 0.06, 0.06);
  base.addRoundedRect(QRectF(-0.46, -0.38, 0.92, 0.2), 0.05, 0.05);
  base.setFillRule(Qt::WindingFill);
  return base.simplified();
}

QPainterPath Body(double top, double waist) {
  QPainterPath body;
  body.moveTo(-0.36, -0.36);
  body.quadTo(-waist, -0.75, -waist, top);
  body.lineTo(waist, top);
  body.quadTo(waist, -0.75, 0.36, -0.36);
  body.closeSubpath();
  QPainterPath collar;
  collar.addEllipse(QPointF(0, top), waist + 0.14, 0.08);
  return Pedestal().united(body).united(collar);
}

QPainterPath Pawn() {
  QPainterPath head;
  head.addEllipse(QPointF(0, -1.36), 0.28, 0.28);
  return Body(-1.05, 0.14).united(head);
}

QPainterPath Rook() {
  QPainterPath tower;
  tower.addRect(QRectF(-0.3, -1.3, 0.6, 0.95));
  tower.addRect(QRectF(-0.42, -1.7, 0.84, 0.4));
  tower.setFillRule(Qt::WindingFill);
  QPainterPath crenels;
  crenels.addRect(QRectF(-0.22, -1.72, 0.14, 0.16));
  crenels.addRect(QRectF(0.08, -1.72, 0.14, 0.16));
  return Pedestal().united(tower.simplified()).subtracted(crenels);
}

QPainterPath Bishop() {
  QPainterPath mitre;
  mitre.moveTo(-0.28, -1.14);
  mitre.cubicTo(-0.36, -1.45, -0.12, -1.7, 0, -1.82);
  mitre.cubicTo(0.12, -1.7, 0.36, -1.45, 0.28, -1.14);
  mitre.closeSubpath();
  mitre.addEllipse(QPointF(0, -1.9), 0.09, 0.09);
  mitre.setFillRule(Qt::WindingFill);
  const QPainterPath slit = Polygon({{0.02, -1.36}, {0.2, -1.6}, {0.26, -1.52}, {0.08, -1.3}});
  return Body(-1.1, 0.15).united(mitre.simplified()).subtracted(slit);
}

QPainterPath Crown(double height) {
  QPainterPath crown;
  crown.moveTo(-0.24, -1.16);
  crown.lineTo(-0.4, -height);
  crown.lineTo(-0.2, -height + 0.22);
  crown.lineTo(0, -height - 0.06);
  crown.lineTo(0.2, -height + 0.22);
  crown.lineTo(0.4, -height);
  crown.lineTo(0.24, -1.16);
  crown.closeSubpath();
  return crown;
}

QPainterPath Queen() {
  QPainterPath pearls;
  for (const QPointF at : {QPointF(-0.4, -1.7), QPointF(0, -1.78), QPointF(0.4, -1.7)}) {
    pearls.addEllipse(at, 0.08, 0.08);
  }
  return Body(-1.12, 0.13).united(Crown(1.64)).united(pearls);
}

QPainterPath King() {
  QPainterPath cross;
  cross.addRect(QRectF(-0.06, -2.04, 0.12, 0.42));
  cross.addRect(QRectF(-0.18, -1.94, 0.36, 0.11));
  cross.setFillRule(Qt::WindingFill);
  QPainterPath band;
  band.moveTo(-0.26, -1.14);
  band.lineTo(-0.36, -1.6);
  band.quadTo(0, -1.72, 0.36, -1.6);
  band.lineTo(0.26, -1.14);
  band.closeSubpath();
  return Body(-1.12, 0.14).united(band).united(cross.simplified());
}

QPainterPath Knight() {
  QPainterPath head;
  head.moveTo(0.4, -0.36);
  head.cubicTo(0.5, -0.9, 0.44, -1.5, 0.08, -1.78);
  head.lineTo(0.02, -1.96);
  head.lineTo(-0.1, -1.74);
  head.cubicTo(-0.3, -1.64, -0.46, -1.4, -0.58, -1.12);
  head.cubicTo(-0.64, -0.98, -0.54, -0.88, -0.42, -0.9);
  head.cubicTo(-0.3, -0.93, -0.2, -0.98, -0.06, -1.0);
  head.cubicTo(-0.22, -0.8, -0.36, -0.6, -0.38, -0.36);
  head.closeSubpath();
  QPainterPath eye;
  eye.addEllipse(QPointF(-0.14, -1.46), 0.06, 0.05);
  return Pedestal().united(head).subtracted(eye);
}

struct Day {
  std::array<QPainterPath (*)(), 2> pieces;  // the second may be empty
  QColor light, dark;
};

const std::array<Day, 7> Days{{
    {{King, nullptr}, {226, 200, 152}, {122, 80, 44}},
    {{Queen, nullptr}, {236, 236, 208}, {104, 146, 82}},
    {{Rook, nullptr}, {214, 224, 238}, {66, 98, 152}},
    {{Bishop, nullptr}, {196, 54, 46}, {36, 32, 32}},
    {{Knight, nullptr}, {222, 222, 222}, {92, 98, 110}},
    {{Pawn, nullptr}, {240, 214, 188}, {184, 94, 68}},
    {{Queen, King}, {222, 208, 234}, {108, 70, 140}},
}};

}  // namespace

void DrawChessBack(QPainter& p, const QSizeF& card, int picture) {
  const Day& day = Days[static_cast<std::size_t>(picture % 7)];
  const QPointF c(card.width() / 2, card.height() / 2);
  Turned(p, card, [&] {
    const QRectF panel = CardStock(p, card, Qt::white, 4);
    const auto shape = RoundedRect(panel, 2.5);
    p.fillPath(shape, day.light);
    p.save();
    p.setClipPath(shape, Qt::IntersectClip);
    const double square = panel.width() / 8;
    for (int row = 0; row * square < c.y(); ++row) {
      for (int file = 0; file < 8; ++file) {
        if ((row + file) % 2 == 0) continue;
        p.fillRect(QRectF(panel.left() + file * square, c.y() - (row + 1) * square, square, square),
                   day.dark);
      }
    }
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(day.dark.darker(160), 0.8));
    p.drawPath(shape);

    const double r = std::min(panel.width() * 0.33, 17.0);
    const QPointF plate(c.x(), panel.top() + (c.y() - panel.top()) / 2);
    Paint(p, Circle(plate, r + 1.2), artgen::palette::Gold, artgen::palette::GoldDark, 0.6);
    QRadialGradient cream(plate - QPointF(r * 0.3, r * 0.4), r * 1.3);
    cream.setColorAt(0, Qt::white);
    cream.setColorAt(1, artgen::palette::CreamShade);
    Paint(p, Circle(plate, r), cream, artgen::palette::GoldDark, 0.4);

    const bool pair = day.pieces[1] != nullptr;
    const double size = r * (pair ? 0.7 : 0.82);
    for (int i = 0; i < (pair ? 2 : 1); ++i) {
      const double dx = pair ? (i == 0 ? -0.45 : 0.45) * r : 0;
      const QPointF foot(plate.x() + dx, plate.y() + r * 0.78);
      const QPainterPath piece = Placed(day.pieces[i](), foot, size);
      QLinearGradient ebony(foot - QPointF(size * 0.6, 0), foot + QPointF(size * 0.6, 0));
      ebony.setColorAt(0, QColor(86, 80, 84));
      ebony.setColorAt(0.35, QColor(52, 48, 52));
      ebony.setColorAt(1, QColor(22, 20, 24));
      Paint(p, piece, ebony, QColor(12, 10, 12), 0.4);
    }
  });
}

}  // namespace fibwick::packgen
