// A knight's arms at each end of the card: a great helm with its plume over a shield with one
// heraldic division a day, on a field of chain mail.
#include <QLinearGradient>
#include <QRadialGradient>
#include <array>
#include <cmath>

#include "back_designs.h"
#include "back_heraldry.h"
#include "back_kit.h"
#include "paint_kit.h"
#include "palette.h"

namespace fibwick::packgen {

namespace {

using artgen::RoundedRect;
using artgen::WithAlpha;

using namespace tincture;

enum class Division { PerPale, PerFess, Quarterly, PerBend, Chevron, Cross, PerSaltire };

struct Arms {
  Division division;
  QColor metal, colour;  // the field's two tinctures
  QColor mail;           // the ground of the card
};

const std::array<Arms, 7> Days{{
    {Division::PerPale, Or, Gules, {44, 58, 92}},
    {Division::PerFess, Argent, Azure, {110, 32, 36}},
    {Division::Quarterly, Or, Vert, {62, 40, 86}},
    {Division::PerBend, Argent, Sable, {30, 82, 62}},
    {Division::Chevron, Or, Purpure, {70, 74, 82}},
    {Division::Cross, Argent, Gules, {34, 40, 56}},
    {Division::PerSaltire, Or, Azure, {96, 54, 30}},
}};

// A heater shield 1 wide and 1.3 high around (0, 0).
QPainterPath Shield() {
  QPainterPath shield;
  shield.moveTo(-0.5, -0.55);
  shield.lineTo(0.5, -0.55);
  shield.lineTo(0.5, -0.05);
  shield.cubicTo(0.5, 0.4, 0.2, 0.62, 0, 0.75);
  shield.cubicTo(-0.2, 0.62, -0.5, 0.4, -0.5, -0.05);
  shield.closeSubpath();
  return shield;
}

// The part of the field in the second tincture.
QPainterPath Charge(Division division) {
  QPainterPath part;
  switch (division) {
    case Division::PerPale:
      part.addRect(QRectF(0, -1, 1, 2));
      break;
    case Division::PerFess:
      part.addRect(QRectF(-1, 0, 2, 1));
      break;
    case Division::Quarterly:
      part.addRect(QRectF(0, -1, 1, 0.9));
      part.addRect(QRectF(-1, -0.1, 1, 1));
      break;
    case Division::PerBend:
      part = Polygon({{-1, -1.45}, {1, 0.55}, {1, -1}});
      break;
    case Division::Chevron:
      part = Polygon({{-0.6, 0.35}, {0, -0.25}, {0.6, 0.35}, {0.6, 0.6}, {0, 0}, {-0.6, 0.6}});
      break;
    case Division::Cross:
      part.addRect(QRectF(-0.12, -1, 0.24, 2));
      part.addRect(QRectF(-1, -0.22, 2, 0.24));
      part.setFillRule(Qt::WindingFill);
      part = part.simplified();
      break;
    case Division::PerSaltire:
      part = Polygon({{-1, -1.1}, {0, -0.1}, {1, -1.1}});
      part.addPolygon(QPolygonF({QPointF(-1, 0.9), QPointF(0, -0.1), QPointF(1, 0.9)}));
      part.closeSubpath();
      break;
  }
  return part;
}

// A great helm 1 wide and 1.2 high around (0, 0), seen from the front.
void Helm(QPainter& p, const QPointF& at, double size, const QColor& plume) {
  const QTransform t = QTransform().translate(at.x(), at.y()).scale(size, size);
  // The plume first, rising behind the helm.
  for (const double dx : {-0.22, 0.22, 0.0}) {
    QPainterPath feather;
    feather.addEllipse(QPointF(dx, -0.6), 0.17, 0.2);
    Paint(p, t.map(feather), plume, plume.darker(150), 0.3);
  }
  QPainterPath body;
  body.moveTo(-0.44, 0.6);
  body.lineTo(-0.5, -0.2);
  body.quadTo(-0.48, -0.6, 0, -0.62);
  body.quadTo(0.48, -0.6, 0.5, -0.2);
  body.lineTo(0.44, 0.6);
  body.closeSubpath();
  const QPointF left = t.map(QPointF(-0.5, 0)), right = t.map(QPointF(0.5, 0));
  QLinearGradient steel(left, right);
  steel.setColorAt(0, QColor(92, 98, 110));
  steel.setColorAt(0.35, QColor(226, 230, 236));
  steel.setColorAt(1, QColor(70, 74, 84));
  Paint(p, t.map(body), steel, QColor(30, 32, 38), 0.45);
  QPainterPath bands;
  bands.addRect(QRectF(-0.06, -0.61, 0.12, 1.21));
  bands.addRect(QRectF(-0.49, -0.22, 0.98, 0.1));
  p.fillPath(t.map(bands), Or);
  QPainterPath slits;
  slits.addRect(QRectF(-0.4, -0.1, 0.3, 0.07));
  slits.addRect(QRectF(0.1, -0.1, 0.3, 0.07));
  for (int row = 0; row < 3; ++row) {
    for (int i = 0; i < 3 - row; ++i) {
      for (const double side : {-1.0, 1.0}) {
        slits.addEllipse(QPointF(side * (0.18 + 0.09 * i), 0.18 + 0.1 * row), 0.025, 0.025);
      }
    }
  }
  p.fillPath(t.map(slits), QColor(20, 20, 24));
}

// A sword 1 long with its point up, crossed at (0, 0) two thirds of the way to the point.
void Sword(QPainter& p, const QTransform& t) {
  const QPainterPath blade =
      Polygon({{0, -0.68}, {0.028, -0.6}, {0.024, 0.16}, {-0.024, 0.16}, {-0.028, -0.6}});
  QLinearGradient steel(t.map(QPointF(-0.03, 0)), t.map(QPointF(0.03, 0)));
  steel.setColorAt(0, QColor(236, 238, 242));
  steel.setColorAt(1, QColor(120, 126, 138));
  Paint(p, t.map(blade), steel, QColor(40, 42, 48), 0.3);
  QPainterPath hilt;
  hilt.addRoundedRect(QRectF(-0.13, 0.16, 0.26, 0.035), 0.015, 0.015);
  hilt.addEllipse(QPointF(0, 0.31), 0.03, 0.03);
  Paint(p, t.map(hilt), Or, Or.darker(160), 0.3);
  QPainterPath grip;
  grip.addRect(QRectF(-0.016, 0.195, 0.032, 0.09));
  p.fillPath(t.map(grip), QColor(90, 52, 30));
}

}  // namespace

void DrawKnightlyBack(QPainter& p, const QSizeF& card, int picture) {
  const Arms& arms = Days[static_cast<std::size_t>(picture % 7)];
  const QPointF c(card.width() / 2, card.height() / 2);
  Turned(p, card, [&] {
    const QPainterPath shape = LitPanel(p, card, arms.mail, 25);
    const QRectF panel = shape.boundingRect();
    p.save();
    p.setClipPath(shape, Qt::IntersectClip);
    // Chain mail: rows of rings, each row set half a ring along.
    p.setPen(QPen(WithAlpha(QColor(220, 224, 232), 70), 0.35));
    p.setBrush(Qt::NoBrush);
    for (int row = 0; row * 1.6 < c.y() + 2; ++row) {
      const double y = c.y() - row * 1.6;
      for (double x = std::fmod(c.x() + (row % 2), 2.0) - 2; x < card.width() + 2; x += 2) {
        p.drawEllipse(QPointF(x, y), 1.15, 1.15);
      }
    }
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(200, 204, 212), 0.9));
    p.drawPath(RoundedRect(panel.adjusted(1.8, 1.8, -1.8, -1.8), 1.8));
    p.setPen(QPen(arms.mail.darker(200), 0.6));
    p.drawPath(shape);

    // From the middle outwards: the point of the shield, the shield over two crossed swords,
    // and the helm on top.
    const double size = 19;
    const QPointF shieldAt(c.x(), c.y() - 3 - 0.75 * size);
    for (const double degrees : {-50.0, 50.0}) {
      Sword(p, QTransform().translate(shieldAt.x(), shieldAt.y()).rotate(degrees).scale(40, 40));
    }
    const QTransform t = QTransform().translate(shieldAt.x(), shieldAt.y()).scale(size, size);
    const QPainterPath shield = t.map(Shield());
    p.fillPath(shield, arms.metal);
    p.fillPath(shield.intersected(t.map(Charge(arms.division))), arms.colour);
    QRadialGradient sheen(t.map(QPointF(-0.2, -0.3)), size * 0.8);
    sheen.setColorAt(0, WithAlpha(Qt::white, 70));
    sheen.setColorAt(1, WithAlpha(Qt::black, 40));
    p.fillPath(shield, sheen);
    p.strokePath(shield, QPen(QColor(40, 36, 34), 0.9));
    p.strokePath(t.map(QTransform::fromScale(0.9, 0.9).map(Shield())),
                 QPen(WithAlpha(Or, 200), 0.4));
    Helm(p, QPointF(c.x(), shieldAt.y() - 0.55 * size - 4.6), 13, arms.colour.lighter(120));
  });
}

}  // namespace fibwick::packgen
