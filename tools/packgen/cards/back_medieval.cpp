// The two medieval sets: a heraldic field, and a page of an illuminated book.
#include <QLinearGradient>
#include <QRadialGradient>
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "back_designs.h"
#include "back_heraldry.h"
#include "back_kit.h"
#include "paint_kit.h"
#include "palette.h"

namespace fibwick::packgen {

namespace {

using artgen::RoundedRect;
using artgen::WithAlpha;

constexpr double Pi = std::numbers::pi;

using namespace tincture;

const QColor Vellum(244, 234, 206);

QColor Pick(const std::array<QColor, 7>& colours, int picture) {
  return colours[static_cast<std::size_t>(picture % 7)];
}

// A fleur-de-lis about 2 wide and 2 high around (0, 0), upright.
QPainterPath FleurDeLis() {
  QPainterPath middle;
  middle.moveTo(0, -1.1);
  middle.cubicTo(0.38, -0.75, 0.34, -0.25, 0.1, 0.12);
  middle.lineTo(-0.1, 0.12);
  middle.cubicTo(-0.34, -0.25, -0.38, -0.75, 0, -1.1);
  QPainterPath right;
  right.moveTo(0.1, 0.12);
  right.cubicTo(0.25, -0.45, 0.95, -0.7, 0.97, -0.22);
  right.cubicTo(0.98, 0.02, 0.78, 0.1, 0.66, -0.03);
  right.cubicTo(0.76, -0.2, 0.56, -0.32, 0.42, -0.08);
  right.cubicTo(0.36, 0.02, 0.34, 0.08, 0.34, 0.12);
  right.closeSubpath();
  const QPainterPath left = QTransform::fromScale(-1, 1).map(right);
  QPainterPath band;
  band.addRect(QRectF(-0.44, 0.1, 0.88, 0.17));
  QPainterPath foot;
  foot.moveTo(-0.1, 0.27);
  foot.cubicTo(-0.2, 0.45, -0.42, 0.47, -0.48, 0.66);
  foot.cubicTo(-0.3, 0.62, -0.15, 0.54, -0.06, 0.44);
  foot.lineTo(0, 0.74);
  foot.lineTo(0.06, 0.44);
  foot.cubicTo(0.15, 0.54, 0.3, 0.62, 0.48, 0.66);
  foot.cubicTo(0.42, 0.47, 0.2, 0.45, 0.1, 0.27);
  foot.closeSubpath();
  return middle.united(right).united(left).united(band).united(foot);
}

// A heraldic rose of six petals with a seeded middle.
void Rose(QPainter& p, const QPointF& c, double r, const QColor& tincture) {
  QPainterPath petals;
  for (int i = 0; i < 6; ++i) {
    const double a = i * Pi / 3;
    petals.addEllipse(c + QPointF(std::cos(a), std::sin(a)) * r * 0.55, r * 0.45, r * 0.45);
  }
  petals.setFillRule(Qt::WindingFill);
  QRadialGradient fill(c, r);
  fill.setColorAt(0, tincture.lighter(130));
  fill.setColorAt(1, tincture.darker(115));
  Paint(p, petals.simplified(), fill, tincture.darker(170), 0.4);
  for (int i = 0; i < 6; ++i) {
    const double a = i * Pi / 3 + Pi / 6;
    const QPointF tip = c + QPointF(std::cos(a), std::sin(a)) * r * 0.98;
    const QPointF side = QPointF(-std::sin(a), std::cos(a)) * r * 0.12;
    const QPointF base = c + QPointF(std::cos(a), std::sin(a)) * r * 0.72;
    Paint(p, Polygon({tip, base + side, base - side}), Vert, Vert, 0);
  }
  Paint(p, Circle(c, r * 0.3), artgen::palette::Gold, artgen::palette::GoldDark, 0.4);
}

}  // namespace

void DrawHeraldicBack(QPainter& p, const QSizeF& card, int picture) {
  static const std::array<QColor, 7> Fields = {Azure, Gules, Vert, Purpure, Sable, Tenne, Murrey};
  static const std::array<QColor, 7> Charges = {Gules, Azure, Gules, Vert, Gules, Azure, Azure};
  const QColor field = Pick(Fields, picture);
  const QColor charge = Pick(Charges, picture);
  const QPainterPath fleur = FleurDeLis();
  const QPointF c(card.width() / 2, card.height() / 2);
  Mirrored(p, card, [&] {
    const QRectF panel = CardStock(p, card, Argent, 3.5);
    const auto shape = RoundedRect(panel, 3);
    QRadialGradient ground(c, card.height() * 0.6);
    ground.setColorAt(0, field.lighter(125));
    ground.setColorAt(1, field.darker(125));
    p.fillPath(shape, ground);
    p.save();
    p.setClipPath(shape, Qt::IntersectClip);
    // A diaper of fine lines with a fleur-de-lis in every lozenge; no row sits on the middle
    // line, where the lower half turns them over.
    p.setPen(QPen(WithAlpha(artgen::palette::GoldLight, 60), 0.35));
    for (int k = -12; k <= 12; ++k) {
      const double u = c.x() - c.y() + 2.5 + 10 * k;  // x - y
      const double v = c.x() + c.y() + 7.5 + 10 * k;  // x + y
      p.drawLine(QPointF(u, 0), QPointF(u + 96, 96));
      p.drawLine(QPointF(v, 0), QPointF(v - 96, 96));
    }
    for (int b = -10; b < 0; ++b) {
      for (int a = -7; a <= 7; ++a) {
        if ((a + b) % 2 != 0) continue;
        const QPointF at(c.x() + 5 * a, c.y() + 2.5 + 5 * b);
        Paint(p, Placed(fleur, at, 2.2), artgen::palette::Gold, artgen::palette::GoldDark, 0.25);
      }
    }
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(artgen::palette::Gold, 0.8));
    p.drawPath(RoundedRect(panel.adjusted(1.8, 1.8, -1.8, -1.8), 2));
    p.setPen(QPen(field.darker(170), 0.6));
    p.drawPath(shape);

    QPainterPath quatrefoil;
    for (const QPointF step : {QPointF(0, -8), QPointF(8, 0), QPointF(0, 8), QPointF(-8, 0)}) {
      quatrefoil.addEllipse(c + step, 8.5, 8.5);
    }
    quatrefoil.addRect(QRectF(c - QPointF(8, 8), QSizeF(16, 16)));
    quatrefoil.setFillRule(Qt::WindingFill);
    quatrefoil = quatrefoil.simplified();
    Paint(p, quatrefoil, artgen::palette::GoldDark, artgen::palette::GoldDark, 0);
    const QPainterPath inner = QTransform()
                                   .translate(c.x(), c.y())
                                   .scale(0.88, 0.88)
                                   .translate(-c.x(), -c.y())
                                   .map(quatrefoil);
    QRadialGradient argent(c - QPointF(4, 6), 22);
    argent.setColorAt(0, Qt::white);
    argent.setColorAt(1, artgen::palette::CreamShade);
    Paint(p, inner, argent, artgen::palette::Gold, 0.8);
    Rose(p, c, 10, charge);
  });
}

void DrawIlluminatedBack(QPainter& p, const QSizeF& card, int picture) {
  static const std::array<QColor, 7> Bands = {
      Azure, QColor(196, 54, 32), Vert, Purpure, QColor(164, 36, 82), QColor(176, 112, 28), Sable};
  static const std::array<QColor, 7> Glass = {
      QColor(196, 54, 32), Vert, artgen::palette::Gold, Vert, Azure, Purpure, Gules};
  const QColor band = Pick(Bands, picture);
  const QColor glass = Pick(Glass, picture);
  const QColor gold = artgen::palette::Gold;
  const QPointF c(card.width() / 2, card.height() / 2);
  Mirrored(p, card, [&] {
    const QRectF panel = CardStock(p, card, Qt::white, 3.5);
    const auto outer = RoundedRect(panel, 2.5);
    QLinearGradient bandFill(panel.topLeft(), panel.topRight());
    bandFill.setColorAt(0, band.darker(115));
    bandFill.setColorAt(0.5, band.lighter(115));
    bandFill.setColorAt(1, band.darker(115));
    p.fillPath(outer, bandFill);
    const QRectF page = panel.adjusted(5.5, 5.5, -5.5, -5.5);
    QRadialGradient vellum(c, card.height() * 0.55);
    vellum.setColorAt(0, Vellum.lighter(104));
    vellum.setColorAt(1, Vellum.darker(108));
    p.fillRect(page, vellum);

    // The vine: a gold stem down the middle of the band with leaves on alternate sides.
    const QRectF stem = panel.adjusted(2.75, 2.75, -2.75, -2.75);
    p.setPen(QPen(gold, 0.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(stem);
    p.setPen(Qt::NoPen);
    const auto leaf = [&](const QPointF& at, double degrees) {
      QPainterPath shape;
      shape.addEllipse(QPointF(0, -1.1), 0.7, 1.3);
      Paint(p, Placed(shape, at, 1.0, degrees), gold, gold, 0);
    };
    int n = 0;
    for (double x = stem.left() + 5; x < stem.right() - 4; x += 3.2, ++n) {
      leaf({x, stem.top()}, n % 2 ? 40 : 140);
    }
    n = 0;
    for (double y = c.y() - 1.6; y > stem.top() + 4; y -= 3.2, ++n) {
      leaf({stem.left(), y}, n % 2 ? -50 : 50);
      leaf({stem.right(), y}, n % 2 ? 50 : -50);
    }
    // Bosses in the corners of the band.
    for (const QPointF corner : {stem.topLeft(), stem.topRight()}) {
      p.fillRect(QRectF(corner - QPointF(2.6, 2.6), QSizeF(5.2, 5.2)), gold);
      Paint(p, Circle(corner, 1.5), glass, glass.darker(150), 0.3);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(gold.darker(130), 0.6));
    p.drawRect(page);

    // Faint ruling of the page, red dots where the lines cross.
    p.save();
    p.setClipRect(page, Qt::IntersectClip);
    p.setPen(QPen(WithAlpha(gold.darker(120), 70), 0.3));
    for (double d = -96; d < 96 + card.width(); d += 6) {
      p.drawLine(QPointF(c.x() + d - 96, c.y() - 96), QPointF(c.x() + d, c.y()));
      p.drawLine(QPointF(c.x() - d + 96, c.y() - 96), QPointF(c.x() - d, c.y()));
    }
    p.restore();

    // The rose window: eight foils of glass around a round middle, in gold tracery.
    const double r = std::min(card.width(), card.height()) * 0.3;
    Paint(p, Circle(c, r + 1.6), gold, artgen::palette::GoldDark, 0.6);
    Paint(p, Circle(c, r), band.darker(160), band.darker(160), 0);
    for (int i = 0; i < 8; ++i) {
      const double a = i * Pi / 4 + Pi / 8;
      const QPointF at = c + QPointF(std::cos(a), std::sin(a)) * r * 0.64;
      const QColor pane = i % 2 ? glass : band;
      QRadialGradient shine(at, r * 0.34);
      shine.setColorAt(0, pane.lighter(150));
      shine.setColorAt(1, pane);
      Paint(p, Circle(at, r * 0.3), shine, gold, 0.6);
    }
    QRadialGradient middle(c, r * 0.34);
    middle.setColorAt(0, artgen::palette::GoldLight);
    middle.setColorAt(1, glass);
    Paint(p, Circle(c, r * 0.3), middle, gold, 0.7);
    Paint(p, Circle(c, r * 0.08), gold, artgen::palette::GoldDark, 0.3);
  });
}

}  // namespace fibwick::packgen
