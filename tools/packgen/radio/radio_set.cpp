// The radio window's own pictures: a walnut table set with a gold grille and a lit dial when it
// plays, the volume scale in each of its steps, and the gilt frame the station's logo sits in.
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <array>
#include <cmath>

#include "paint_kit.h"
#include "palette.h"
#include "radio_painters.h"
#include "symbols.h"
#include "ui/radio_pictures.h"

namespace fibwick::packgen {

namespace {

using namespace artgen;

const QColor Walnut{118, 60, 28};
const QColor WalnutDark{58, 26, 10};
const QColor Bakelite{34, 24, 20};
const QColor DialLit{255, 218, 132};
const QColor DialDark{46, 38, 30};
const QColor EyeOn{60, 230, 90};
const QColor EyeOff{220, 40, 30};

QPainterPath Cabinet() {
  QPainterPath cabinet;
  cabinet.moveTo(4, 120);
  cabinet.lineTo(4, 36);
  cabinet.cubicTo(4, 10, 34, 5, 110, 5);
  cabinet.cubicTo(186, 5, 216, 10, 216, 36);
  cabinet.lineTo(216, 120);
  cabinet.closeSubpath();
  return cabinet;
}

void Wood(QPainter& p) {
  const QPainterPath cabinet = Cabinet();
  QLinearGradient body(0, 5, 0, 120);
  body.setColorAt(0, Walnut.lighter(125));
  body.setColorAt(0.5, Walnut);
  body.setColorAt(1, WalnutDark);
  p.fillPath(cabinet, body);
  p.save();
  p.setClipPath(cabinet);
  // The grain: long wavering streaks across the front.
  for (int y = 6; y < 120; y += 2) {
    QPainterPath streak;
    streak.moveTo(0, y);
    for (int x = 0; x <= 220; x += 10) streak.lineTo(x, y + 2.5 * ValueNoise(x, y, 37, 3));
    const double shade = ValueNoise(0, y, 5, 9);
    p.strokePath(streak, QPen(shade > 0 ? QColor(255, 220, 170, static_cast<int>(shade * 34))
                                        : QColor(30, 10, 0, static_cast<int>(-shade * 60)),
                              1.2));
  }
  QLinearGradient gloss(0, 5, 0, 40);
  gloss.setColorAt(0, QColor(255, 255, 255, 70));
  gloss.setColorAt(1, QColor(255, 255, 255, 0));
  p.fillRect(QRectF(0, 5, 220, 35), gloss);
  p.fillRect(QRectF(0, 110, 220, 10), WithAlpha(WalnutDark.darker(150), 200));
  p.restore();
  p.setPen(QPen(WalnutDark.darker(170), 1.4));
  p.setBrush(Qt::NoBrush);
  p.drawPath(cabinet);
}

void Grille(QPainter& p, bool on) {
  const QRectF grille(16, 24, 80, 80);
  const auto frame = RoundedRect(grille, 10);
  QLinearGradient cloth(grille.topLeft(), grille.bottomRight());
  cloth.setColorAt(0, palette::GoldLight.darker(on ? 105 : 135));
  cloth.setColorAt(1, palette::GoldDark.darker(on ? 100 : 130));
  p.fillPath(frame, cloth);
  p.save();
  p.setClipPath(frame);
  p.setPen(QPen(QColor(60, 30, 0, 50), 0.6));
  for (double d = grille.left() - 80; d < grille.right(); d += 2.5) {
    p.drawLine(QPointF(d, grille.top()), QPointF(d + 80, grille.bottom()));
  }
  // Wooden slats in front of the cloth.
  for (int i = 0; i < 5; ++i) {
    const QRectF slat(grille.left() + 9 + i * 14.5, grille.top(), 6, grille.height());
    QLinearGradient wood(slat.topLeft(), slat.topRight());
    wood.setColorAt(0, Walnut.lighter(140));
    wood.setColorAt(1, WalnutDark);
    p.fillRect(slat, wood);
  }
  p.restore();
  p.setPen(QPen(palette::Gold, 1.8));
  p.setBrush(Qt::NoBrush);
  p.drawPath(frame);
}

void Dial(QPainter& p, const QString& digitsFont, bool on) {
  const QRectF dial(108, 24, 96, 44);
  const auto glass = RoundedRect(dial, 6);
  if (on) {
    QRadialGradient halo(dial.center(), 70);
    halo.setColorAt(0, WithAlpha(DialLit, 110));
    halo.setColorAt(1, WithAlpha(DialLit, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(dial.center(), 70, 40);
  }
  QLinearGradient light(dial.topLeft(), dial.bottomLeft());
  light.setColorAt(0, on ? DialLit.lighter(110) : DialDark.lighter(130));
  light.setColorAt(1, on ? DialLit.darker(135) : DialDark);
  p.fillPath(glass, light);
  const QColor ink = on ? QColor(70, 34, 8) : QColor(150, 130, 100);
  p.setPen(QPen(ink, 0.9));
  for (int i = 0; i <= 20; ++i) {
    const double x = dial.left() + 8 + i * (dial.width() - 16) / 20;
    p.drawLine(QPointF(x, dial.top() + 6), QPointF(x, dial.top() + (i % 5 == 0 ? 14 : 10)));
  }
  QFont digits(digitsFont);
  digits.setPixelSize(9);
  p.setFont(digits);
  const std::array<const char*, 3> marks{"88", "98", "108"};
  for (std::size_t i = 0; i < marks.size(); ++i) {
    const double x = dial.left() + 16 + static_cast<double>(i) * (dial.width() - 32) / 2;
    p.drawText(QRectF(x - 12, dial.top() + 15, 24, 12), Qt::AlignCenter, marks[i]);
  }
  p.setPen(QPen(palette::Crimson, 1.8, Qt::SolidLine, Qt::RoundCap));
  const double needle = dial.left() + 8 + 0.62 * (dial.width() - 16);
  p.drawLine(QPointF(needle, dial.top() + 4), QPointF(needle, dial.bottom() - 4));
  QLinearGradient reflection(dial.topLeft(), dial.bottomLeft());
  reflection.setColorAt(0, QColor(255, 255, 255, 90));
  reflection.setColorAt(0.45, QColor(255, 255, 255, 0));
  p.fillPath(glass, reflection);
  p.setPen(QPen(palette::Gold, 1.8));
  p.setBrush(Qt::NoBrush);
  p.drawPath(glass);
}

void Knob(QPainter& p, QPointF centre) {
  QRadialGradient body(centre + QPointF(-3, -3), 12);
  body.setColorAt(0, Bakelite.lighter(260));
  body.setColorAt(1, Bakelite);
  p.setPen(QPen(palette::Gold, 1.6));
  p.setBrush(body);
  p.drawEllipse(centre, 10, 10);
  p.setPen(QPen(palette::GoldLight, 1.4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(centre, centre + QPointF(5, -5));
}

// The tuning eye: green while the radio plays, red while it is off.
void Eye(QPainter& p, QPointF centre, bool on) {
  const QColor colour = on ? EyeOn : EyeOff;
  QRadialGradient glow(centre, 16);
  glow.setColorAt(0, WithAlpha(colour, on ? 170 : 90));
  glow.setColorAt(1, WithAlpha(colour, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawEllipse(centre, 16, 16);
  QRadialGradient lamp(centre + QPointF(-2, -2), 9);
  lamp.setColorAt(0, colour.lighter(on ? 170 : 130));
  lamp.setColorAt(0.6, colour);
  lamp.setColorAt(1, colour.darker(on ? 170 : 260));
  p.setPen(QPen(palette::Gold, 1.5));
  p.setBrush(lamp);
  p.drawEllipse(centre, 8, 8);
}

QImage RadioSet(bool on, const QString& digitsFont) {
  return DrawScaled(RadioSetSize.width, RadioSetSize.height, 1.0, [&](QPainter& p) {
    Wood(p);
    Grille(p, on);
    Dial(p, digitsFont, on);
    Knob(p, QPointF(126, 92));
    Knob(p, QPointF(186, 92));
    Eye(p, QPointF(156, 92), on);
  });
}

QImage VolumeScale(int step) {
  const int w = RadioVolumeSize.width;
  const int h = RadioVolumeSize.height;
  return DrawScaled(w, h, 1.0, [&](QPainter& p) {
    GlossPlate(p, QRectF(0.5, 0.5, w - 1, h - 1), 7, palette::GraphiteDark, palette::Gold, 1.2);
    p.save();
    p.translate(5, 3);
    p.scale((h - 6) / 100.0, (h - 6) / 100.0);
    SpeakerSymbol(p, palette::GoldLight);
    p.restore();
    constexpr double Left = 34;
    const double pitch = (w - Left - 6) / RadioVolumeSteps;
    for (int i = 0; i < RadioVolumeSteps; ++i) {
      const double height = 7 + (h - 13) * (i + 1.0) / RadioVolumeSteps;
      const QRectF bar(Left + i * pitch, h - 4 - height, pitch - 4, height);
      const double t = static_cast<double>(i) / (RadioVolumeSteps - 1);
      const QColor lit = t < 0.6 ? Mix(QColor(60, 200, 80), QColor(240, 210, 40), t / 0.6)
                                 : Mix(QColor(240, 210, 40), QColor(230, 60, 40), (t - 0.6) / 0.4);
      if (i < step) {
        GlossPlate(p, bar, 1.5, lit, lit.darker(170), 0.8);
      } else {
        p.setPen(QPen(palette::GraphiteLight, 0.8));
        p.setBrush(palette::Graphite.darker(130));
        p.drawRoundedRect(bar, 1.5, 1.5);
      }
    }
  });
}

QImage LogoFrame() {
  const int w = RadioFrameSize.width;
  const int h = RadioFrameSize.height;
  return DrawScaled(w, h, 1.0, [&](QPainter& p) {
    const QRectF outer(0.5, 0.5, w - 1, h - 1);
    const QRectF inner = outer.adjusted(RadioFrameBorder - 0.5, RadioFrameBorder - 0.5,
                                        -RadioFrameBorder + 0.5, -RadioFrameBorder + 0.5);
    QPainterPath frame = RoundedRect(outer, 9);
    frame.addRoundedRect(inner, 3, 3);
    frame.setFillRule(Qt::OddEvenFill);
    QLinearGradient gilt(outer.topLeft(), outer.bottomRight());
    gilt.setColorAt(0, palette::GoldLight);
    gilt.setColorAt(0.4, palette::Gold);
    gilt.setColorAt(0.75, palette::GoldDark);
    gilt.setColorAt(1, palette::Gold);
    p.fillPath(frame, gilt);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(palette::GoldDark.darker(160), 1));
    p.drawPath(frame);
    p.setPen(QPen(WithAlpha(palette::GoldLight, 200), 1));
    p.drawRoundedRect(outer.adjusted(3.5, 3.5, -3.5, -3.5), 6, 6);
    for (const QPointF& rivet :
         {outer.topLeft() + QPointF(5, 5), outer.topRight() + QPointF(-5, 5),
          outer.bottomLeft() + QPointF(5, -5), outer.bottomRight() + QPointF(-5, -5)}) {
      QRadialGradient head(rivet - QPointF(0.8, 0.8), 2.6);
      head.setColorAt(0, Qt::white);
      head.setColorAt(1, palette::GoldDark);
      p.setPen(Qt::NoPen);
      p.setBrush(head);
      p.drawEllipse(rivet, 2.2, 2.2);
    }
  });
}

}  // namespace

void AddRadioSet(PackWriter& pack, const RadioLettering& lettering) {
  pack.AddPng(ResourceName(RadioOnPicture), RadioSet(true, lettering.sans));
  pack.AddPng(ResourceName(RadioOffPicture), RadioSet(false, lettering.sans));
  for (int step = 0; step <= RadioVolumeSteps; ++step) {
    pack.AddPng(QString::fromStdString(RadioVolumePicture(step * 10)), VolumeScale(step));
  }
  pack.AddPng(ResourceName(RadioFramePicture), LogoFrame());
}

}  // namespace fibwick::packgen
