// One kind of cross a day: large and gilded in a roundel, small and faint over the field.
#include <QLinearGradient>
#include <QRadialGradient>
#include <array>

#include "back_designs.h"
#include "back_kit.h"
#include "paint_kit.h"
#include "palette.h"

namespace fibwick::packgen {

namespace {

using artgen::RoundedRect;
using artgen::WithAlpha;

// Every cross reaches 1 from its middle along its four arms.
QPainterPath ArmsOf(const QPainterPath& arm) {
  QPainterPath cross;
  for (int i = 0; i < 4; ++i) cross = cross.united(QTransform().rotate(90.0 * i).map(arm));
  return cross;
}

QPainterPath Greek() {
  QPainterPath arm;
  arm.addRect(QRectF(-0.2, -1, 0.4, 1.2));
  return ArmsOf(arm);
}

QPainterPath Pattee() {
  QPainterPath arm;
  arm.moveTo(-0.12, 0);
  arm.quadTo(-0.14, -0.6, -0.5, -1);
  arm.lineTo(0.5, -1);
  arm.quadTo(0.14, -0.6, 0.12, 0);
  arm.closeSubpath();
  return ArmsOf(arm);
}

QPainterPath Maltese() {
  return ArmsOf(
      Polygon({{0, 0.02}, {-0.1, -0.1}, {-0.55, -1}, {0, -0.72}, {0.55, -1}, {0.1, -0.1}}));
}

QPainterPath Crosslet() {
  QPainterPath arm;
  arm.addRect(QRectF(-0.14, -1, 0.28, 1.1));
  arm.addRect(QRectF(-0.42, -0.78, 0.84, 0.24));
  arm.setFillRule(Qt::WindingFill);
  return ArmsOf(arm.simplified());
}

QPainterPath Potent() {
  QPainterPath arm;
  arm.addRect(QRectF(-0.17, -0.8, 0.34, 0.9));
  arm.addRect(QRectF(-0.5, -1, 1.0, 0.24));
  arm.setFillRule(Qt::WindingFill);
  return ArmsOf(arm.simplified());
}

QPainterPath Saltire() {
  return QTransform().rotate(45).scale(1.1, 1.1).map(Greek());
}

QPainterPath Bottony() {
  QPainterPath arm;
  arm.addRect(QRectF(-0.13, -0.72, 0.26, 0.8));
  arm.addEllipse(QPointF(0, -0.8), 0.2, 0.2);
  arm.addEllipse(QPointF(-0.22, -0.62), 0.18, 0.18);
  arm.addEllipse(QPointF(0.22, -0.62), 0.18, 0.18);
  arm.setFillRule(Qt::WindingFill);
  return ArmsOf(arm.simplified());
}

struct Day {
  QPainterPath (*cross)();
  QColor field;
  QColor roundel;
};

const std::array<Day, 7> Days{{
    {Greek, {168, 28, 36}, {248, 244, 232}},
    {Pattee, {28, 60, 140}, {176, 30, 36}},
    {Maltese, {20, 100, 60}, {248, 244, 232}},
    {Crosslet, {96, 36, 120}, {30, 30, 36}},
    {Potent, {32, 32, 40}, {180, 30, 36}},
    {Saltire, {20, 90, 140}, {248, 244, 232}},
    {Bottony, {120, 24, 40}, {24, 60, 120}},
}};

}  // namespace

void DrawCrossBack(QPainter& p, const QSizeF& card, int picture) {
  const Day& day = Days[static_cast<std::size_t>(picture % 7)];
  const QPainterPath cross = day.cross();
  const QPointF c(card.width() / 2, card.height() / 2);
  const QColor gold = artgen::palette::Gold;
  Mirrored(p, card, [&] {
    const QPainterPath shape = LitPanel(p, card, day.field, 20);
    const QRectF panel = shape.boundingRect();
    p.save();
    p.setClipPath(shape, Qt::IntersectClip);
    const QColor faint = WithAlpha(Qt::white, 46);
    Strew(card, [&](const QPointF& at) { p.fillPath(Placed(cross, at, 2.4), faint); });
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(gold, 0.9));
    p.drawPath(RoundedRect(panel.adjusted(2, 2, -2, -2), 2));
    p.setPen(QPen(gold, 0.4));
    p.drawPath(RoundedRect(panel.adjusted(3.3, 3.3, -3.3, -3.3), 1.5));
    p.setPen(QPen(day.field.darker(170), 0.6));
    p.drawPath(shape);

    const double r = card.width() * 0.3;
    Paint(p, Circle(c, r + 1.4), gold, artgen::palette::GoldDark, 0.6);
    QRadialGradient roundel(c - QPointF(r * 0.3, r * 0.4), r * 1.4);
    roundel.setColorAt(0, day.roundel.lighter(115));
    roundel.setColorAt(1, day.roundel.darker(112));
    Paint(p, Circle(c, r), roundel, artgen::palette::GoldDark, 0.5);
    QLinearGradient gilt(c - QPointF(r, r), c + QPointF(r, r));
    gilt.setColorAt(0, artgen::palette::GoldLight);
    gilt.setColorAt(0.5, gold);
    gilt.setColorAt(1, artgen::palette::GoldDark);
    Paint(p, Placed(cross, c, r * 0.82), gilt, artgen::palette::GoldDark.darker(130), 0.6);
  });
}

}  // namespace fibwick::packgen
