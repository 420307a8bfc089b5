#include "header_bands.h"

#include <QLinearGradient>
#include <QPainterPath>

#include "paint_kit.h"
#include "palette.h"

namespace fibwick::artgen {

namespace {

constexpr int BandHeight = CaptionBandHeight;

void Flourish(QPainter& p, double x, double y, double direction) {
  const QPointF diamond[] = {{x, y - 5}, {x + 3.5, y}, {x, y + 5}, {x - 3.5, y}};
  p.setPen(QPen(palette::GoldDark, 0.6));
  p.setBrush(palette::Gold);
  p.drawPolygon(diamond, 4);
  p.setPen(QPen(palette::Gold, 1.0));
  p.drawLine(QPointF(x + direction * 6, y), QPointF(x + direction * 16, y));
  p.setBrush(palette::Gold);
  p.setPen(Qt::NoPen);
  p.drawEllipse(QPointF(x + direction * 19, y), 1.4, 1.4);
}

}  // namespace

void CaptionBand(QPainter& p, int width) {
  const QRectF r(0.5, 0.5, width - 1, BandHeight - 1);
  QLinearGradient fill(r.topLeft(), r.bottomLeft());
  fill.setColorAt(0, palette::GraphiteLight);
  fill.setColorAt(0.18, palette::Graphite);
  fill.setColorAt(1, palette::GraphiteDark);
  p.fillPath(RoundedRect(r, 6), fill);
  // A faint diagonal weave, like a silk cover.
  p.save();
  p.setClipPath(RoundedRect(r, 6));
  p.setPen(QPen(QColor(255, 255, 255, 10), 1.0));
  for (int x = -BandHeight; x < width; x += 4) p.drawLine(x, BandHeight, x + BandHeight, 0);
  p.restore();
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(palette::GraphiteDark.darker(130), 1.0));
  p.drawPath(RoundedRect(r, 6));
  p.setPen(QPen(WithAlpha(palette::Steel, 200), 0.8));
  p.drawLine(QPointF(6, 5), QPointF(width - 6, 5));
  p.drawLine(QPointF(6, BandHeight - 5), QPointF(width - 6, BandHeight - 5));
  p.setPen(QPen(WithAlpha(palette::Steel, 90), 0.6));
  p.drawLine(QPointF(6, 7), QPointF(width - 6, 7));
  p.drawLine(QPointF(6, BandHeight - 7), QPointF(width - 6, BandHeight - 7));
  if (width >= 200) {
    Flourish(p, 12, BandHeight / 2.0, 1);
    Flourish(p, width - 12, BandHeight / 2.0, -1);
  }
}

void Ribbon(QPainter& p, int w, int h) {
  const QRectF front = RibbonFront(w, h);
  const double band = front.height();
  const double top = front.top();
  const double tail = front.left();
  const double drop = h * 0.14;

  // Tails behind the band, each with a notch at its free end.
  for (const int side : {-1, 1}) {
    const double outer = side < 0 ? 1.0 : w - 1.0;
    const double inner = side < 0 ? tail + h * 0.15 : w - tail - h * 0.15;
    const double notch = outer - side * h * 0.16;
    QPainterPath shape;
    shape.moveTo(inner, top + drop);
    shape.lineTo(outer, top + drop);
    shape.lineTo(notch, top + drop + band / 2);
    shape.lineTo(outer, top + drop + band);
    shape.lineTo(inner, top + drop + band);
    shape.closeSubpath();
    QLinearGradient fill(0, top + drop, 0, top + drop + band);
    fill.setColorAt(0, palette::Burgundy.lighter(130));
    fill.setColorAt(1, palette::Burgundy.darker(140));
    p.setPen(QPen(palette::Burgundy.darker(200), 0.8));
    p.setBrush(fill);
    p.drawPath(shape);
    // The fold where the band turns back into the tail.
    const double edge = side < 0 ? tail : w - tail;
    const QPointF fold[] = {
        {edge, top + band}, {edge, top + band + drop}, {edge - side * drop, top + band}};
    p.setBrush(palette::Burgundy.darker(220));
    p.drawPolygon(fold, 3);
  }

  QLinearGradient satin(front.topLeft(), front.bottomLeft());
  satin.setColorAt(0, palette::Crimson.lighter(150));
  satin.setColorAt(0.25, palette::Crimson.lighter(115));
  satin.setColorAt(0.6, palette::Crimson);
  satin.setColorAt(1, palette::Crimson.darker(160));
  p.setPen(QPen(palette::Burgundy.darker(160), 0.8));
  p.setBrush(satin);
  p.drawRect(front);
  p.setPen(QPen(palette::Gold, 1.2));
  p.drawLine(QPointF(front.left(), front.top() + 3), QPointF(front.right(), front.top() + 3));
  p.drawLine(QPointF(front.left(), front.bottom() - 3), QPointF(front.right(), front.bottom() - 3));
}

QRectF RibbonFront(int w, int h) {
  const double band = h * 0.56;
  const double top = (h - band) / 2 - h * 0.06;
  const double tail = h * 0.42;
  return QRectF(tail, top, w - 2 * tail, band);
}

}  // namespace fibwick::artgen
