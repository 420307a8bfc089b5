// The seven backs of the built-in set, one per weekday, drawn on the 71 x 96 card shape:
// a white border, a coloured panel with its own pattern and a medallion in the middle.
#include <QLinearGradient>
#include <QRadialGradient>
#include <array>
#include <cmath>
#include <numbers>

#include "paint_kit.h"
#include "painters.h"
#include "palette.h"

namespace fibwick::artgen {

namespace {

constexpr double CardW = 71, CardH = 96;
const QRectF Panel(4.5, 4.5, CardW - 9, CardH - 9);

using Pattern = void (*)(QPainter&, const QColor&);

void Lattice(QPainter& p, const QColor& ink) {
  p.setPen(QPen(ink, 0.7));
  for (double d = -CardH; d < CardW + CardH; d += 6) {
    p.drawLine(QPointF(d, 0), QPointF(d + CardH, CardH));
    p.drawLine(QPointF(d, 0), QPointF(d - CardH, CardH));
  }
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  for (double y = 0; y < CardH; y += 6)
    for (double x = std::fmod(y / 6, 2) * 3; x < CardW; x += 6)
      p.drawEllipse(QPointF(x, y), 0.8, 0.8);
}

void Argyle(QPainter& p, const QColor& ink) {
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  for (int row = 0; row * 8 < CardH + 8; ++row) {
    for (int col = 0; col * 8 < CardW + 8; ++col) {
      if ((row + col) % 2) continue;
      const double cx = col * 8.0, cy = row * 8.0;
      const QPointF diamond[] = {{cx, cy - 4}, {cx + 4, cy}, {cx, cy + 4}, {cx - 4, cy}};
      p.drawPolygon(diamond, 4);
    }
  }
  p.setPen(QPen(WithAlpha(Qt::white, 70), 0.5, Qt::DashLine));
  for (double d = -CardH; d < CardW + CardH; d += 8) {
    p.drawLine(QPointF(d + 4, 0), QPointF(d + 4 + CardH, CardH));
    p.drawLine(QPointF(d + 4, 0), QPointF(d + 4 - CardH, CardH));
  }
}

void Waves(QPainter& p, const QColor& ink) {
  p.setPen(QPen(ink, 0.6));
  p.setBrush(Qt::NoBrush);
  for (double y = -4; y < CardH + 4; y += 3.2) {
    QPainterPath wave;
    for (double x = 0; x <= CardW; x += 0.5) {
      const double wy = y + 1.6 * std::sin(x / 4.0 + y / 7.0);
      if (x == 0)
        wave.moveTo(x, wy);
      else
        wave.lineTo(x, wy);
    }
    p.drawPath(wave);
  }
}

void Scales(QPainter& p, const QColor& ink) {
  p.setPen(QPen(ink, 0.7));
  p.setBrush(Qt::NoBrush);
  for (int row = 0; row * 4 < CardH + 8; ++row) {
    const double shift = (row % 2) * 3.5;
    for (double x = -7 + shift; x < CardW + 7; x += 7) {
      p.drawArc(QRectF(x, row * 4.0 - 3.5, 7, 7), 180 * 16, 180 * 16);
    }
  }
}

void Dots(QPainter& p, const QColor& ink) {
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  for (int row = 0; row * 5 < CardH + 5; ++row) {
    for (int col = 0; col * 5 < CardW + 5; ++col) {
      const QPointF c(col * 5.0 + (row % 2) * 2.5, row * 5.0);
      p.drawEllipse(c, 1.1, 1.1);
    }
  }
}

void Rays(QPainter& p, const QColor& ink) {
  const QPointF centre(CardW / 2, CardH / 2);
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  constexpr int Count = 48;
  for (int i = 0; i < Count; i += 2) {
    const double a0 = 2 * std::numbers::pi * i / Count;
    const double a1 = 2 * std::numbers::pi * (i + 1) / Count;
    const QPointF ray[] = {centre, centre + QPointF(std::cos(a0), std::sin(a0)) * 90,
                           centre + QPointF(std::cos(a1), std::sin(a1)) * 90};
    p.drawPolygon(ray, 3);
  }
}

void Rhombs(QPainter& p, const QColor& ink) {
  p.setPen(QPen(ink, 0.6));
  for (double d = -CardH; d < CardW + CardH; d += 5) {
    p.drawLine(QPointF(d, 0), QPointF(d + CardH * 0.6, CardH));
    p.drawLine(QPointF(d, 0), QPointF(d - CardH * 0.6, CardH));
  }
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  for (double y = 8; y < CardH; y += 16)
    for (double x = 8; x < CardW; x += 16) {
      const QPointF star[] = {{x, y - 2.2}, {x + 0.7, y - 0.7}, {x + 2.2, y}, {x + 0.7, y + 0.7},
                              {x, y + 2.2}, {x - 0.7, y + 0.7}, {x - 2.2, y}, {x - 0.7, y - 0.7}};
      p.drawPolygon(star, 8);
    }
}

struct Back {
  const char* name;
  QColor panel;
  QColor ink;
  Pattern pattern;
};

const std::array<Back, 7> Backs{{
    {"Ob01Mo", palette::Royal, QColor(120, 170, 255), Lattice},
    {"Ob02Tu", palette::Crimson, QColor(140, 8, 20), Argyle},
    {"Ob03We", palette::Emerald, QColor(90, 200, 140), Waves},
    {"Ob04Th", palette::Navy, palette::Gold, Scales},
    {"Ob05Fr", palette::Burgundy, QColor(220, 120, 120), Dots},
    {"Ob06Su", palette::Violet, QColor(150, 90, 210), Rays},
    {"Ob07Su", palette::GraphiteDark, palette::GoldDark, Rhombs},
}};

void Medallion(QPainter& p, const Back& back) {
  const QPointF c(CardW / 2, CardH / 2);
  const QRectF oval(c.x() - 14, c.y() - 18, 28, 36);
  p.setPen(QPen(palette::GoldDark, 0.8));
  QRadialGradient fill(c - QPointF(3, 5), 22);
  fill.setColorAt(0, palette::Cream);
  fill.setColorAt(1, palette::CreamShade);
  p.setBrush(fill);
  p.drawEllipse(oval);
  p.setPen(QPen(palette::Gold, 0.6));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(oval.adjusted(2, 2, -2, -2));
  // A four-petal rosette in the panel colour.
  p.setPen(Qt::NoPen);
  p.setBrush(back.panel);
  for (int i = 0; i < 4; ++i) {
    p.save();
    p.translate(c);
    p.rotate(90.0 * i);
    QPainterPath petal;
    petal.moveTo(0, 0);
    petal.cubicTo(5, -4, 4, -10, 0, -13);
    petal.cubicTo(-4, -10, -5, -4, 0, 0);
    p.drawPath(petal);
    p.restore();
  }
  p.setBrush(palette::Gold);
  p.drawEllipse(c, 2.4, 2.4);
}

void DrawBack(QPainter& p, const Back& back) {
  p.fillRect(QRectF(0, 0, CardW, CardH), Qt::white);
  const auto panel = RoundedRect(Panel, 3);
  QLinearGradient fill(Panel.topLeft(), Panel.bottomRight());
  fill.setColorAt(0, back.panel.lighter(118));
  fill.setColorAt(1, back.panel.darker(125));
  p.fillPath(panel, fill);
  p.save();
  p.setClipPath(panel);
  back.pattern(p, back.ink);
  p.restore();
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(palette::Gold, 0.8));
  p.drawPath(RoundedRect(Panel.adjusted(2, 2, -2, -2), 2));
  p.setPen(QPen(back.panel.darker(160), 0.8));
  p.drawPath(panel);
  Medallion(p, back);
}

QImage SmallBack(const Back& back) {
  const auto card = DrawScaled(71, 96, 1.0, [&](QPainter& p) { DrawBack(p, back); });
  return Flatten(card.copy(1, 1, 69, 94), palette::Ink);
}

QImage BigBack(const Back& back) {
  constexpr int W = 146, H = 198;
  constexpr double Radius = 7.0;
  const auto art = DrawScaled(W, H, W / CardW, H / CardH, [&](QPainter& p) { DrawBack(p, back); });
  return DrawScaled(W, H, 1.0, [&](QPainter& p) {
    const auto shape = RoundedRect(QRectF(0, 0, W, H), Radius);
    p.setClipPath(shape);
    p.drawImage(0, 0, art);
    p.setClipping(false);
    p.setPen(QPen(palette::Ink, 2.0));
    p.drawPath(RoundedRect(QRectF(1, 1, W - 2, H - 2), Radius - 1));
  });
}

}  // namespace

void AddCardBacks(ArtSet& set) {
  set.SetGroup("Card backs, small (69 x 94)");
  for (const auto& back : Backs) set.Add(back.name, SmallBack(back));
  set.SetGroup("Card backs, big (146 x 198)");
  for (const auto& back : Backs) set.Add(QString(back.name) + "B", BigBack(back));
}

}  // namespace fibwick::artgen
