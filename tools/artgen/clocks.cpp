// The two menu clocks: a dark glass face and seven-segment digits in one colour per display.
#include <QLinearGradient>
#include <array>

#include "paint_kit.h"
#include "painters.h"
#include "palette.h"

namespace fibwick::artgen {

namespace {

constexpr int DigitW = 20, DigitH = 40;

// Segments a..g of a seven-segment digit: top, upper right, lower right, bottom, lower left,
// upper left, middle.
QPainterPath Segment(int index) {
  constexpr double L = 3.0, R = 17.0, T = 2.5, M = 20.0, B = 37.5, W = 3.4, Gap = 0.7;
  const auto horizontal = [&](double y) {
    QPainterPath path;
    const double h = W / 2;
    path.moveTo(L + Gap, y);
    path.lineTo(L + Gap + h, y - h);
    path.lineTo(R - Gap - h, y - h);
    path.lineTo(R - Gap, y);
    path.lineTo(R - Gap - h, y + h);
    path.lineTo(L + Gap + h, y + h);
    path.closeSubpath();
    return path;
  };
  const auto vertical = [&](double x, double y0, double y1) {
    QPainterPath path;
    const double h = W / 2;
    path.moveTo(x, y0 + Gap);
    path.lineTo(x + h, y0 + Gap + h);
    path.lineTo(x + h, y1 - Gap - h);
    path.lineTo(x, y1 - Gap);
    path.lineTo(x - h, y1 - Gap - h);
    path.lineTo(x - h, y0 + Gap + h);
    path.closeSubpath();
    return path;
  };
  switch (index) {
    case 0:
      return horizontal(T + W / 2 - 1);
    case 1:
      return vertical(R, T, M);
    case 2:
      return vertical(R, M, B);
    case 3:
      return horizontal(B - W / 2 + 1);
    case 4:
      return vertical(L, M, B);
    case 5:
      return vertical(L, T, M);
    default:
      return horizontal(M);
  }
}

// Lit segments per character, bit 0 = a .. bit 6 = g; index 10 is the minus sign.
constexpr std::array<unsigned, 11> Lit{0x3f, 0x06, 0x5b, 0x4f, 0x66, 0x6d,
                                       0x7d, 0x07, 0x7f, 0x6f, 0x40};

void DrawGlyph(QPainter& p, unsigned lit, const QColor& colour) {
  p.setPen(Qt::NoPen);
  // A slight lean, as on a real display.
  p.translate(1.4, 0);
  p.shear(-0.07, 0);
  QPainterPath on, off;
  for (int s = 0; s < 7; ++s) ((lit >> s) & 1u ? on : off).addPath(Segment(s));
  p.fillPath(off, WithAlpha(colour, 26));
  for (const auto& [width, alpha] : {std::pair{2.6, 30}, std::pair{1.2, 60}}) {
    p.strokePath(on,
                 QPen(WithAlpha(colour, alpha), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  }
  p.fillPath(on, colour);
  p.fillPath(on, WithAlpha(Qt::white, 60));
}

void Colon(QPainter& p, const QColor& colour) {
  p.setPen(Qt::NoPen);
  for (const double y : {5.0, 17.0}) {
    p.setBrush(WithAlpha(colour, 50));
    p.drawEllipse(QPointF(3, y), 2.6, 2.6);
    p.setBrush(colour);
    p.drawEllipse(QPointF(3, y), 1.8, 1.8);
  }
}

void ClockFace(QPainter& p) {
  const QRectF r(0.5, 0.5, 114, 63);
  QLinearGradient bezel(r.topLeft(), r.bottomLeft());
  bezel.setColorAt(0, palette::Steel);
  bezel.setColorAt(0.5, palette::GraphiteLight);
  bezel.setColorAt(1, palette::GraphiteDark);
  p.fillPath(RoundedRect(r, 10), bezel);
  p.setPen(QPen(palette::GraphiteDark, 0.8));
  p.setBrush(Qt::NoBrush);
  p.drawPath(RoundedRect(r, 10));
  const auto glass = r.adjusted(3.5, 3.5, -3.5, -3.5);
  QLinearGradient dark(glass.topLeft(), glass.bottomLeft());
  dark.setColorAt(0, QColor(26, 32, 42));
  dark.setColorAt(1, QColor(6, 8, 12));
  p.fillPath(RoundedRect(glass, 7), dark);
  p.setPen(QPen(QColor(0, 0, 0, 160), 1.0));
  p.drawPath(RoundedRect(glass, 7));
  // A faint reflection across the upper left of the glass.
  QPainterPath shine;
  shine.moveTo(glass.left() + 6, glass.top() + 1.5);
  shine.lineTo(glass.left() + 62, glass.top() + 1.5);
  shine.lineTo(glass.left() + 30, glass.top() + 22);
  shine.lineTo(glass.left() + 1.5, glass.top() + 22);
  shine.lineTo(glass.left() + 1.5, glass.top() + 6);
  shine.closeSubpath();
  QLinearGradient fade(glass.topLeft(), glass.topLeft() + QPointF(0, 22));
  fade.setColorAt(0, QColor(255, 255, 255, 34));
  fade.setColorAt(1, QColor(255, 255, 255, 0));
  p.fillPath(shine, fade);
}

struct DigitSet {
  const char* name;
  QColor colour;
};

// "B" is the local clock; the others are the indicator styles.
const std::array<DigitSet, 8> DigitSets{{
    {"GBClock", QColor(120, 196, 255)},
    {"GRClock", QColor(255, 70, 52)},
    {"GAClock", QColor(0, 232, 255)},
    {"GGClock", QColor(80, 240, 100)},
    {"GYClock", QColor(255, 222, 40)},
    {"GVClock", QColor(196, 130, 255)},
    {"GLClock", QColor(255, 152, 40)},
    {"GNClock", QColor(255, 120, 196)},
}};

}  // namespace

void AddClocks(ArtSet& set) {
  set.SetGroup("Menu clocks: face, digits 20 x 40, colon 6 x 22");
  set.Add("GClockBG", DrawScaled(115, 64, 1.0, ClockFace));
  for (const auto& digits : DigitSets) {
    const QString name = digits.name;
    for (unsigned d = 0; d < 10; ++d) {
      set.Add(name + QString::number(d), DrawScaled(DigitW, DigitH, 1.0, [&](QPainter& p) {
                DrawGlyph(p, Lit[d], digits.colour);
              }));
    }
    if (name == "GBClock") {
      set.Add(name + "P", DrawScaled(6, 22, 1.0, [&](QPainter& p) { Colon(p, digits.colour); }));
    } else {
      set.Add(name + "M", DrawScaled(DigitW, DigitH, 1.0,
                                     [&](QPainter& p) { DrawGlyph(p, Lit[10], digits.colour); }));
    }
  }
}

}  // namespace fibwick::artgen
