#include "classic_backs.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <array>
#include <cmath>
#include <numbers>

#include "paint_kit.h"
#include "palette.h"

namespace fibwick::artgen {

namespace {

using Pattern = void (*)(QPainter&, double w, double h, const QColor& ink);

void Lattice(QPainter& p, double w, double h, const QColor& ink) {
  p.setPen(QPen(ink, 0.7));
  for (double d = -h; d < w + h; d += 6) {
    p.drawLine(QPointF(d, 0), QPointF(d + h, h));
    p.drawLine(QPointF(d, 0), QPointF(d - h, h));
  }
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  for (double y = 0; y < h; y += 6)
    for (double x = std::fmod(y / 6, 2) * 3; x < w; x += 6) p.drawEllipse(QPointF(x, y), 0.8, 0.8);
}

void Argyle(QPainter& p, double w, double h, const QColor& ink) {
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  for (int row = 0; row * 8 < h + 8; ++row) {
    for (int col = 0; col * 8 < w + 8; ++col) {
      if ((row + col) % 2) continue;
      const double cx = col * 8.0, cy = row * 8.0;
      const QPointF diamond[] = {{cx, cy - 4}, {cx + 4, cy}, {cx, cy + 4}, {cx - 4, cy}};
      p.drawPolygon(diamond, 4);
    }
  }
  p.setPen(QPen(WithAlpha(Qt::white, 70), 0.5, Qt::DashLine));
  for (double d = -h; d < w + h; d += 8) {
    p.drawLine(QPointF(d + 4, 0), QPointF(d + 4 + h, h));
    p.drawLine(QPointF(d + 4, 0), QPointF(d + 4 - h, h));
  }
}

void Waves(QPainter& p, double w, double h, const QColor& ink) {
  p.setPen(QPen(ink, 0.6));
  p.setBrush(Qt::NoBrush);
  for (double y = -4; y < h + 4; y += 3.2) {
    QPainterPath wave;
    for (double x = 0; x <= w; x += 0.5) {
      const double wy = y + 1.6 * std::sin(x / 4.0 + y / 7.0);
      if (x == 0)
        wave.moveTo(x, wy);
      else
        wave.lineTo(x, wy);
    }
    p.drawPath(wave);
  }
}

void Scales(QPainter& p, double w, double h, const QColor& ink) {
  p.setPen(QPen(ink, 0.7));
  p.setBrush(Qt::NoBrush);
  for (int row = 0; row * 4 < h + 8; ++row) {
    const double shift = (row % 2) * 3.5;
    for (double x = -7 + shift; x < w + 7; x += 7) {
      p.drawArc(QRectF(x, row * 4.0 - 3.5, 7, 7), 180 * 16, 180 * 16);
    }
  }
}

void Dots(QPainter& p, double w, double h, const QColor& ink) {
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  for (int row = 0; row * 5 < h + 5; ++row) {
    for (int col = 0; col * 5 < w + 5; ++col) {
      const QPointF c(col * 5.0 + (row % 2) * 2.5, row * 5.0);
      p.drawEllipse(c, 1.1, 1.1);
    }
  }
}

void Rays(QPainter& p, double w, double h, const QColor& ink) {
  const QPointF centre(w / 2, h / 2);
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

void Rhombs(QPainter& p, double w, double h, const QColor& ink) {
  p.setPen(QPen(ink, 0.6));
  for (double d = -h; d < w + h; d += 5) {
    p.drawLine(QPointF(d, 0), QPointF(d + h * 0.6, h));
    p.drawLine(QPointF(d, 0), QPointF(d - h * 0.6, h));
  }
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  for (double y = 8; y < h; y += 16)
    for (double x = 8; x < w; x += 16) {
      const QPointF star[] = {{x, y - 2.2}, {x + 0.7, y - 0.7}, {x + 2.2, y}, {x + 0.7, y + 0.7},
                              {x, y + 2.2}, {x - 0.7, y + 0.7}, {x - 2.2, y}, {x - 0.7, y - 0.7}};
      p.drawPolygon(star, 8);
    }
}

struct Back {
  QColor panel;
  QColor ink;
  Pattern pattern;
};

const std::array<Back, ClassicBackCount> Backs{{
    {palette::Royal, QColor(120, 170, 255), Lattice},
    {palette::Crimson, QColor(140, 8, 20), Argyle},
    {palette::Emerald, QColor(90, 200, 140), Waves},
    {palette::Navy, palette::Gold, Scales},
    {palette::Burgundy, QColor(220, 120, 120), Dots},
    {palette::Violet, QColor(150, 90, 210), Rays},
    {palette::GraphiteDark, palette::GoldDark, Rhombs},
}};

void Medallion(QPainter& p, const QPointF& c, const Back& back) {
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

}  // namespace

void DrawClassicBack(QPainter& p, const QSizeF& card, int index) {
  const Back& back = Backs[static_cast<std::size_t>(index % ClassicBackCount)];
  const double w = card.width(), h = card.height();
  const QRectF panelRect(4.5, 4.5, w - 9, h - 9);
  p.fillRect(QRectF(0, 0, w, h), Qt::white);
  const auto panel = RoundedRect(panelRect, 3);
  QLinearGradient fill(panelRect.topLeft(), panelRect.bottomRight());
  fill.setColorAt(0, back.panel.lighter(118));
  fill.setColorAt(1, back.panel.darker(125));
  p.fillPath(panel, fill);
  p.save();
  p.setClipPath(panel);
  back.pattern(p, w, h, back.ink);
  p.restore();
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(palette::Gold, 0.8));
  p.drawPath(RoundedRect(panelRect.adjusted(2, 2, -2, -2), 2));
  p.setPen(QPen(back.panel.darker(160), 0.8));
  p.drawPath(panel);
  Medallion(p, QPointF(w / 2, h / 2), back);
}

}  // namespace fibwick::artgen
