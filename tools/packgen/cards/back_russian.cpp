// Russian folk painting in two manners on one skeleton of stems around a middle flower:
// Khokhloma (gold leaves and red berries on black, cinnabar or gold) and Gzhel (cobalt brush
// strokes that fade into white porcelain).
#include <QLinearGradient>
#include <QRadialGradient>
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "back_designs.h"
#include "back_kit.h"
#include "paint_kit.h"

namespace fibwick::packgen {

namespace {

using artgen::Mix;
using artgen::RoundedRect;
using artgen::WithAlpha;

constexpr double Pi = std::numbers::pi;

struct Manner {
  bool gzhel;
  QColor ground;
  QColor leaf;    // leaves, stems and grass; Gzhel: the cobalt of every stroke
  QColor berry;   // berries and the petals of the flower
  QColor middle;  // the flower's heart
};

const QColor Black(24, 18, 16), Gold(226, 170, 44), Cinnabar(186, 34, 22);
const QColor Cobalt(22, 52, 162), Porcelain(250, 251, 255);

const std::array<Manner, 7> Days{{
    {false, Black, Gold, Cinnabar, Gold},
    {true, Porcelain, Cobalt, Cobalt, Cobalt},
    {false, Cinnabar, Gold, Black, Gold},
    {true, QColor(28, 58, 156), Porcelain, Porcelain, Porcelain},
    {false, QColor(214, 160, 48), Black, Cinnabar, Black},
    {true, QColor(212, 226, 246), QColor(16, 34, 112), QColor(16, 34, 112), QColor(16, 34, 112)},
    {false, Black, Cinnabar, Gold, Cinnabar},
}};

// A drop 1 long from its base at (0, 0) towards (0, -1).
QPainterPath Drop(double width = 1.0) {
  QPainterPath drop;
  drop.moveTo(0, 0);
  drop.cubicTo(0.42 * width, -0.25, 0.4 * width, -0.72, 0, -1);
  drop.cubicTo(-0.4 * width, -0.72, -0.42 * width, -0.25, 0, 0);
  return drop;
}

// A Gzhel stroke fades from the full colour at its tip to the ground at its base.
QBrush Stroke(const Manner& m, const QPointF& base, const QPointF& tip) {
  QLinearGradient fade(base, tip);
  fade.setColorAt(0, Mix(m.ground, m.leaf, 0.15));
  fade.setColorAt(0.7, m.leaf);
  fade.setColorAt(1, m.leaf);
  return fade;
}

void Leaf(QPainter& p, const Manner& m, const QPointF& base, double length, double degrees) {
  const QPainterPath leaf = Placed(Drop(), base, length, degrees);
  const QTransform turn = QTransform().rotate(degrees);
  const QPointF tip = base + turn.map(QPointF(0, -length));
  if (m.gzhel) {
    p.fillPath(leaf, Stroke(m, base, tip));
    return;
  }
  Paint(p, leaf, m.leaf, m.leaf.darker(150), 0.25);
  // The midrib and the fine veins painted over the leaf in the ground colour.
  p.setPen(QPen(WithAlpha(m.ground, 160), 0.3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(base, base + turn.map(QPointF(0, -length * 0.8)));
  for (const double t : {0.35, 0.55}) {
    const QPointF on = base + turn.map(QPointF(0, -length * t));
    p.drawLine(on, on + turn.map(QPointF(length * 0.18, -length * 0.12)));
    p.drawLine(on, on + turn.map(QPointF(-length * 0.18, -length * 0.12)));
  }
}

void Berries(QPainter& p, const Manner& m, const QPointF& at, double r) {
  const std::array<QPointF, 4> cluster = {QPointF(0, 0), QPointF(1.7, 0.6), QPointF(-1.6, 0.8),
                                          QPointF(0.1, 1.9)};
  for (const QPointF& offset : cluster) {
    const QPointF c = at + offset * r;
    if (m.gzhel) {
      p.fillPath(Circle(c, r), m.berry);
      continue;
    }
    QRadialGradient shine(c - QPointF(r, r) * 0.3, r * 1.2);
    shine.setColorAt(0, m.berry.lighter(150));
    shine.setColorAt(1, m.berry);
    Paint(p, Circle(c, r), shine, m.berry.darker(160), 0.25);
    p.fillPath(Circle(c - QPointF(r, r) * 0.35, r * 0.22), WithAlpha(Qt::white, 200));
  }
}

// Grass: fine hooked strokes, two at a time, along a stem.
void Grass(QPainter& p, const Manner& m, const QPainterPath& stem) {
  p.setPen(QPen(m.leaf, 0.35, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  for (const double t : {0.2, 0.45, 0.7}) {
    const QPointF on = stem.pointAtPercent(t);
    const double a = -stem.angleAtPercent(t) * Pi / 180;
    for (const double side : {-1.0, 1.0}) {
      const QPointF out(std::cos(a + side * 1.1) * 2.6, std::sin(a + side * 1.1) * 2.6);
      QPainterPath hook;
      hook.moveTo(on);
      hook.quadTo(on + out * 0.8 + QPointF(0, -0.6), on + out);
      p.drawPath(hook);
    }
  }
}

void Flower(QPainter& p, const Manner& m, const QPointF& c, double r) {
  const int petals = m.gzhel ? 8 : 10;
  for (int ring = 0; ring < (m.gzhel ? 2 : 1); ++ring) {
    const double length = r * (ring == 0 ? 1.0 : 0.68);
    for (int i = 0; i < petals; ++i) {
      const double degrees = 360.0 * i / petals + ring * 180.0 / petals;
      const QPointF base = c + QTransform().rotate(degrees).map(QPointF(0, -r * 0.22));
      const QPainterPath petal = Placed(Drop(m.gzhel ? 1.5 : 1.0), base, length, degrees);
      if (m.gzhel) {
        const QPointF tip = c + QTransform().rotate(degrees).map(QPointF(0, -length));
        Paint(p, petal, Stroke(m, base, tip), m.ground, 0.5);
      } else {
        QRadialGradient glow(c, length * 1.1);
        glow.setColorAt(0.3, m.berry.lighter(130));
        glow.setColorAt(1, m.berry.darker(110));
        Paint(p, petal, glow, m.leaf, 0.45);
      }
    }
  }
  if (m.gzhel) {
    p.fillPath(Circle(c, r * 0.26), m.middle);
    return;
  }
  Paint(p, Circle(c, r * 0.32), m.middle, m.middle.darker(150), 0.3);
  for (int i = 0; i < 6; ++i) {
    const double a = i * Pi / 3;
    p.fillPath(Circle(c + QPointF(std::cos(a), std::sin(a)) * r * 0.17, r * 0.05), m.berry);
  }
}

// One side of the painting, above the middle line and right of the middle.
void RightBranch(QPainter& p, const Manner& m, const QPointF& c, double hw) {
  QPainterPath rising(c + QPointF(2, -5));
  rising.cubicTo(c + QPointF(hw * 0.75, -8), c + QPointF(hw * 0.1, -28),
                 c + QPointF(hw * 0.62, -33));
  QPainterPath curl(c + QPointF(6, -1));
  curl.cubicTo(c + QPointF(hw * 0.5, -1), c + QPointF(hw * 0.85, -3), c + QPointF(hw * 0.8, -9));
  curl.cubicTo(c + QPointF(hw * 0.76, -13), c + QPointF(hw * 0.6, -12), c + QPointF(hw * 0.62, -8));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(m.leaf, m.gzhel ? 0.8 : 0.9, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(rising);
  p.drawPath(curl);
  if (!m.gzhel) Grass(p, m, rising);
  const auto along = [](const QPainterPath& path, double t) {
    return std::pair{path.pointAtPercent(t), 90.0 - path.angleAtPercent(t)};
  };
  for (const auto& [t, side] :
       {std::pair{0.3, -1.0}, std::pair{0.52, 1.0}, std::pair{0.75, -1.0}}) {
    const auto [at, degrees] = along(rising, t);
    Leaf(p, m, at, 7.5, degrees + side * 55);
  }
  const auto [curlAt, curlDegrees] = along(curl, 0.35);
  Leaf(p, m, curlAt, 6.5, curlDegrees - 60);
  Berries(p, m, rising.pointAtPercent(1.0) + QPointF(0.5, -1), 1.45);
}

}  // namespace

void DrawRussianBack(QPainter& p, const QSizeF& card, int picture) {
  const Manner& m = Days[static_cast<std::size_t>(picture % 7)];
  const QPointF c(card.width() / 2, card.height() / 2);
  Mirrored(p, card, [&] {
    const QRectF panel = LitPanel(p, card, m.ground, 12).boundingRect();
    // The frame: a band in the painting's colours with a row of drops along it.
    const QColor band = m.gzhel ? m.leaf : m.berry;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(band, 1.3));
    p.drawPath(RoundedRect(panel.adjusted(1.6, 1.6, -1.6, -1.6), 1.6));
    p.setPen(QPen(m.gzhel ? m.leaf : m.leaf, 0.4));
    p.drawPath(RoundedRect(panel.adjusted(3.2, 3.2, -3.2, -3.2), 1.2));
    for (double x = c.x() - 3; x > panel.left() + 5; x -= 6) {
      for (const double sx : {x, 2 * c.x() - x}) {
        p.fillPath(Placed(Drop(), {sx, panel.top() + 5.2}, 2.2, 180), band);
      }
    }
    p.save();
    p.setClipPath(RoundedRect(panel.adjusted(3.4, 3.4, -3.4, -3.4), 1), Qt::IntersectClip);
    const double hw = panel.width() / 2 - 3.4;
    // Up the middle: a stem with a pair of leaves and berries at its top.
    p.setPen(QPen(m.leaf, 0.9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(0, -8), c + QPointF(0, -30));
    for (const double side : {-1.0, 1.0}) Leaf(p, m, c + QPointF(0, -17), 7, side * 42);
    Berries(p, m, c + QPointF(-0.2, -34), 1.45);
    RightBranch(p, m, c, hw);
    p.save();
    p.setTransform(QTransform(-1, 0, 0, 1, 2 * c.x(), 0), true);
    RightBranch(p, m, c, hw);
    p.restore();
    p.restore();
    Flower(p, m, c, std::min(hw * 0.55, 12.0));
  });
}

}  // namespace fibwick::packgen
