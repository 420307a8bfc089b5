// Plates of the table: speech strips, the claim plate, the message strip, the move clocks
// and the waiting banner. Each "big" twin is the same drawing at twice the size.
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

void SpeechStrip(QPainter& p, const QColor& body) {
  const QRectF r(0.5, 0.5, 159, 19);
  GlossPlate(p, r, 9.5, body, body.darker(210), 1.1);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(WithAlpha(Qt::white, 70), 0.6));
  p.drawPath(RoundedRect(r.adjusted(1.6, 1.6, -1.6, -1.6), 7.9));
}

// A cream panel in a gold frame with a thin inner rule: the family look of the text plates.
void ParchmentPanel(QPainter& p, const QRectF& r, double radius) {
  QLinearGradient frame(r.topLeft(), r.bottomLeft());
  frame.setColorAt(0, palette::GoldLight);
  frame.setColorAt(0.5, palette::Gold);
  frame.setColorAt(1, palette::GoldDark);
  p.fillPath(RoundedRect(r, radius), frame);
  p.setPen(QPen(palette::GoldDark.darker(130), 0.8));
  p.setBrush(Qt::NoBrush);
  p.drawPath(RoundedRect(r.adjusted(0.4, 0.4, -0.4, -0.4), radius));
  const auto inner = r.adjusted(3, 3, -3, -3);
  QRadialGradient paper(inner.center() - QPointF(0, inner.height() * 0.2), inner.width() * 0.7);
  paper.setColorAt(0, palette::Cream);
  paper.setColorAt(1, palette::CreamShade);
  p.fillPath(RoundedRect(inner, radius - 2.5), paper);
  p.setPen(QPen(WithAlpha(palette::GoldDark, 160), 0.6));
  p.drawPath(RoundedRect(inner.adjusted(2.5, 2.5, -2.5, -2.5), std::max(1.0, radius - 5)));
}

void Diamond(QPainter& p, const QPointF& c, double size, const QColor& colour) {
  const QPointF shape[] = {{c.x(), c.y() - size},
                           {c.x() + size * 0.7, c.y()},
                           {c.x(), c.y() + size},
                           {c.x() - size * 0.7, c.y()}};
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPolygon(shape, 4);
}

void ClaimPlate(QPainter& p) {
  const QRectF r(0.5, 0.5, 154, 59);
  ParchmentPanel(p, r, 8);
  for (const QPointF c : {QPointF(12, 12), QPointF(143, 12), QPointF(12, 48), QPointF(143, 48)})
    Diamond(p, c, 2.6, palette::Crimson);
}

void MessagePlate(QPainter& p) {
  const QRectF r(0.5, 0.5, 129, 89);
  ParchmentPanel(p, r, 8);
  // Faint rules under the four chat lines.
  p.setPen(QPen(WithAlpha(palette::GoldDark, 70), 0.5));
  for (int j = 1; j <= 4; ++j) {
    const double y = 14.0 * j + 3 + 14;
    p.drawLine(QPointF(10, y), QPointF(120, y));
  }
}

void MoveClock(QPainter& p, const QColor& face) {
  const QPointF c(10, 10);
  QLinearGradient rim(0, 0, 0, 20);
  rim.setColorAt(0, palette::GoldLight);
  rim.setColorAt(1, palette::GoldDark);
  p.setPen(QPen(palette::GoldDark.darker(140), 0.5));
  p.setBrush(rim);
  p.drawEllipse(c, 9.6, 9.6);
  QRadialGradient disc(c - QPointF(2.5, 3), 10);
  disc.setColorAt(0, face.lighter(140));
  disc.setColorAt(0.7, face);
  disc.setColorAt(1, face.darker(160));
  p.setPen(Qt::NoPen);
  p.setBrush(disc);
  p.drawEllipse(c, 8.1, 8.1);
  p.setPen(QPen(WithAlpha(palette::Ink, 110), 0.45));
  for (int i = 0; i < 12; ++i) {
    const double a = 2 * std::numbers::pi * i / 12;
    const QPointF dir(std::cos(a), std::sin(a));
    p.drawLine(c + dir * 6.9, c + dir * 7.8);
  }
  QLinearGradient shine(0, 2, 0, 10);
  shine.setColorAt(0, QColor(255, 255, 255, 110));
  shine.setColorAt(1, QColor(255, 255, 255, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(shine);
  p.drawEllipse(QRectF(4.5, 2.6, 11, 6.5));
}

void WaitBanner(QPainter& p) {
  const QRectF r(1, 1, 348, 78);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 60));
  p.drawPath(RoundedRect(r.translated(0, 1), 14));
  ParchmentPanel(p, r.adjusted(0, 0, 0, -1), 14);
  for (const double x : {18.0, 332.0}) {
    Diamond(p, QPointF(x, 39), 6, palette::Crimson);
    Diamond(p, QPointF(x, 39), 2.5, palette::GoldLight);
  }
}

struct Strip {
  const char* name;
  QColor body;
};

const std::array<Strip, 5> Strips{{
    {"SPBlue", palette::Royal},
    {"SPGreen", palette::Emerald},
    {"SPRed", palette::Crimson},
    {"SPYellow", palette::Amber},
    {"SPFiolet", palette::Violet},
}};

}  // namespace

void AddTablePlates(ArtSet& set) {
  set.SetGroup("Speech strips (160 x 20, B 320 x 40)");
  for (const auto& strip : Strips) {
    const auto draw = [&](QPainter& p) { SpeechStrip(p, strip.body); };
    set.Add(strip.name, DrawScaled(160, 20, 1.0, draw));
    set.Add(QString(strip.name) + "B", DrawScaled(320, 40, 2.0, draw));
  }
  set.SetGroup("Claim plate, message strip, move clocks, waiting banner");
  set.Add("RamkaFBSm", DrawScaled(155, 60, 1.0, ClaimPlate));
  set.Add("RamkaFBBg", DrawScaled(310, 120, 2.0, ClaimPlate));
  set.Add("RamkaERSm", DrawScaled(130, 90, 1.0, MessagePlate));
  set.Add("RamkaERBg", DrawScaled(260, 180, 2.0, MessagePlate));
  set.Add("GTimerR", DrawScaled(40, 40, 2.0, [](QPainter& p) { MoveClock(p, palette::Crimson); }));
  set.Add("GTimerY",
          DrawScaled(40, 40, 2.0, [](QPainter& p) { MoveClock(p, QColor(250, 200, 30)); }));
  set.Add("AdvBar3", DrawScaled(350, 80, 1.0, WaitBanner));
}

}  // namespace fibwick::artgen
