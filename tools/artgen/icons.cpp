// Small pictures of the menu: the account icon with its state lamps, and the empty picture
// that resized pictures start from.
#include <QLinearGradient>
#include <QRadialGradient>
#include <array>

#include "paint_kit.h"
#include "painters.h"
#include "palette.h"

namespace fibwick::artgen {

namespace {

// A bust in the lower left; the state lamp is drawn over the upper right quarter.
void Account(QPainter& p) {
  QPainterPath shoulders;
  shoulders.moveTo(1.5, 46.5);
  shoulders.cubicTo(1.5, 34, 6.5, 29.5, 14.5, 29.5);
  shoulders.cubicTo(22.5, 29.5, 27.5, 34, 27.5, 46.5);
  shoulders.closeSubpath();
  const QRectF head(6, 11, 17, 17.5);
  QPainterPath bust = shoulders;
  bust.addEllipse(head);

  QLinearGradient fill(0, 10, 0, 47);
  fill.setColorAt(0, palette::Royal.lighter(160));
  fill.setColorAt(0.55, palette::Royal);
  fill.setColorAt(1, palette::Navy);
  p.setPen(QPen(WithAlpha(Qt::white, 230), 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(bust);
  p.setPen(QPen(palette::Navy.darker(140), 1.2));
  p.setBrush(fill);
  p.drawPath(shoulders);
  p.drawEllipse(head);
  QLinearGradient shine(0, 11, 0, 20);
  shine.setColorAt(0, QColor(255, 255, 255, 150));
  shine.setColorAt(1, QColor(255, 255, 255, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(shine);
  p.drawEllipse(QRectF(9, 12.5, 11, 7.5));
}

void Lamp(QPainter& p, const QColor& colour) {
  const QPointF c(12, 12);
  QLinearGradient ring(0, 1, 0, 23);
  ring.setColorAt(0, palette::Steel);
  ring.setColorAt(1, palette::GraphiteDark);
  p.setPen(QPen(palette::GraphiteDark, 0.8));
  p.setBrush(ring);
  p.drawEllipse(c, 11.2, 11.2);
  QRadialGradient glass(c + QPointF(-2.5, -3), 10.5);
  glass.setColorAt(0, colour.lighter(170));
  glass.setColorAt(0.45, colour);
  glass.setColorAt(1, colour.darker(210));
  p.setPen(Qt::NoPen);
  p.setBrush(glass);
  p.drawEllipse(c, 8.8, 8.8);
  QLinearGradient shine(0, 3.5, 0, 11);
  shine.setColorAt(0, QColor(255, 255, 255, 200));
  shine.setColorAt(1, QColor(255, 255, 255, 0));
  p.setBrush(shine);
  p.drawEllipse(QRectF(6.5, 4, 11, 6.5));
}

struct LampColour {
  const char* name;
  QColor colour;
};

const std::array<LampColour, 3> Lamps{{
    {"LampR24", QColor(236, 32, 24)},
    {"LampY24", QColor(250, 200, 20)},
    {"LampG24", QColor(40, 200, 60)},
}};

}  // namespace

void AddIcons(ArtSet& set) {
  set.SetGroup("Menu icons and the empty picture");
  set.Add("GFree", DrawScaled(8, 8, 1.0, [](QPainter&) {}));
  set.Add("Account48", DrawScaled(48, 48, 1.0, Account));
  for (const auto& lamp : Lamps) {
    set.Add(lamp.name, DrawScaled(24, 24, 1.0, [&](QPainter& p) { Lamp(p, lamp.colour); }));
  }
}

}  // namespace fibwick::artgen
