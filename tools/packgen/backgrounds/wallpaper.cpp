// Pattern: damask wallpaper, one motif in rows set half a motif apart, pressed tone on tone.

#include "paint_kit.h"
#include "style_kit.h"
#include "styles.h"

namespace fibwick::packgen {

namespace {

// The motif around (0, 0), about 60 units wide and 80 high: a palmette of a tall middle leaf
// and two leaves curling out of its foot, on a short stem with a bud.
QPainterPath Palmette() {
  QPainterPath middle;
  middle.moveTo(0, 12);
  middle.cubicTo(12, 0, 10, -22, 0, -34);
  middle.cubicTo(-10, -22, -12, 0, 0, 12);
  QPainterPath motif = middle.subtracted(QTransform::fromScale(0.45, 0.55).map(middle));
  for (const double side : {-1.0, 1.0}) {
    QPainterPath leaf;
    leaf.moveTo(side * 3, 10);
    leaf.cubicTo(side * 10, -6, side * 30, -12, side * 30, 2);
    leaf.cubicTo(side * 30, 10, side * 22, 12, side * 19, 6);
    leaf.cubicTo(side * 23, 4, side * 24, -2, side * 20, -2);
    leaf.cubicTo(side * 14, -2, side * 9, 8, side * 6, 14);
    leaf.closeSubpath();
    motif = motif.united(leaf);
  }
  QPainterPath stem;
  stem.addRect(QRectF(-1.6, 12, 3.2, 22));
  stem.addEllipse(QPointF(0, 38), 4.5, 5.5);
  stem.setFillRule(Qt::WindingFill);
  return motif.united(stem.simplified());
}

}  // namespace

QImage Wallpaper(int w, int h, const ClothDye& dye) {
  QImage paper = PlainCloth(w, h, dye);
  PaintOver(paper, [&](QPainter& p) {
    const QPainterPath motif = Palmette();
    for (int row = -1; row < 6; ++row) {
      for (int col = -1; col < 12; ++col) {
        const QPointF at(col * 72.0 + (row % 2 ? 36 : 0) + 20, row * 96.0 + 58);
        Pressed(p, motif.translated(at), dye, 0.36);
      }
    }
  });
  return paper;
}

}  // namespace fibwick::packgen
