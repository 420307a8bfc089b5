// Pictures of the online parts: the sex icons of the lists, the photo placeholders of the
// tournament players, the relay indicator and the banner of the local top ten.
#include <QFont>
#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

#include "paint_kit.h"
#include "painters.h"
#include "palette.h"
#include "symbols.h"

namespace fibwick::artgen {

namespace {

constexpr double Pi = std::numbers::pi;

// A head and shoulders; the woman's has long hair behind the face.
void Bust(QPainter& p, const QColor& body, const QColor& hair, bool longHair) {
  if (longHair) {
    QPainterPath locks;
    locks.moveTo(28, 62);
    locks.cubicTo(22, 20, 78, 20, 72, 62);
    locks.closeSubpath();
    p.fillPath(locks, hair);
  }
  QPainterPath shoulders;
  shoulders.moveTo(14, 100);
  shoulders.cubicTo(14, 70, 30, 62, 50, 62);
  shoulders.cubicTo(70, 62, 86, 70, 86, 100);
  shoulders.closeSubpath();
  QLinearGradient cloth(0, 62, 0, 100);
  cloth.setColorAt(0, body.lighter(140));
  cloth.setColorAt(1, body.darker(130));
  p.fillPath(shoulders, cloth);
  QRadialGradient skin(QPointF(44, 34), 24);
  skin.setColorAt(0, QColor(255, 226, 196));
  skin.setColorAt(1, QColor(222, 170, 130));
  p.setPen(QPen(QColor(150, 100, 70), 1));
  p.setBrush(skin);
  p.drawEllipse(QPointF(50, 40), 17, 20);
  QPainterPath top;
  top.moveTo(32, 38);
  top.cubicTo(30, 14, 70, 14, 68, 38);
  top.cubicTo(60, 28, 42, 26, 32, 38);
  p.fillPath(top, hair);
}

void SexIcon(QPainter& p, bool man) {
  const QColor ring = man ? palette::Royal : palette::Crimson;
  p.setPen(QPen(ring.darker(140), 4));
  p.setBrush(ring.lighter(man ? 230 : 200));
  p.drawEllipse(QPointF(50, 50), 46, 46);
  QPainterPath clip;
  clip.addEllipse(QPointF(50, 50), 44, 44);
  p.setClipPath(clip);
  Bust(p, ring, QColor(90, 56, 30), !man);
}

void Placeholder(QPainter& p, bool man) {
  QLinearGradient wall(0, 0, 0, 120);
  wall.setColorAt(0, palette::Steel);
  wall.setColorAt(1, palette::GraphiteLight);
  p.fillRect(QRectF(0, 0, 96, 120), wall);
  p.save();
  p.translate(0, 12);
  p.scale(0.96, 1.08);
  Bust(p, man ? palette::Royal : palette::Crimson, WithAlpha(palette::GraphiteDark, 200), !man);
  p.restore();
  p.setPen(QPen(palette::GraphiteDark, 2));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(1, 1, 94, 118));
}

void RelayIndicator(QPainter& p, bool on) {
  const QColor lamp = on ? QColor(40, 200, 60) : palette::GraphiteLight;
  QRadialGradient glass(QPointF(10, 9), 10);
  glass.setColorAt(0, lamp.lighter(170));
  glass.setColorAt(0.5, lamp);
  glass.setColorAt(1, lamp.darker(200));
  p.setPen(QPen(palette::GraphiteDark, 1));
  p.setBrush(glass);
  p.drawEllipse(QPointF(12, 14), 6, 6);
  QPainterPath mast;
  mast.moveTo(12, 20);
  mast.lineTo(12, 23);
  p.strokePath(mast, QPen(palette::GraphiteDark, 2));
  p.setPen(
      QPen(on ? QColor(40, 200, 60) : palette::GraphiteLight, 1.6, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  for (const double r : {9.5, 13.0}) {
    p.drawArc(QRectF(12 - r, 14 - r, 2 * r, 2 * r), -40 * 16, 80 * 16);
    p.drawArc(QRectF(12 - r, 14 - r, 2 * r, 2 * r), 140 * 16, 80 * 16);
  }
  if (!on) {
    p.setPen(QPen(palette::Crimson, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(4, 4), QPointF(20, 22));
  }
}

// "TOP 10" on a gold plate with stars twinkling in turn.
void TopTenBanner(QPainter& p, double phase) {
  GlossPlate(p, QRectF(10, 32, 220, 70), 14, palette::Burgundy, palette::Gold, 3);
  QFont font("DejaVu Serif");
  font.setBold(true);
  font.setPixelSize(44);
  QLinearGradient gold(0, 42, 0, 92);
  gold.setColorAt(0, palette::GoldLight);
  gold.setColorAt(1, palette::GoldDark);
  OutlinedText(p, QRectF(10, 34, 220, 66), "TOP 10", font, gold, palette::Burgundy.darker(180), 3);
  for (int i = 0; i < 5; ++i) {
    const double x = 48 + 36 * i;
    const QPointF at(x, 8 + 0.0012 * (x - 120) * (x - 120) + 6);
    const double glow = 0.5 + 0.5 * std::cos(2 * Pi * (phase - i / 5.0));
    p.save();
    p.translate(at);
    p.scale(0.18 + 0.08 * glow, 0.18 + 0.08 * glow);
    p.translate(-50, -53);
    StarSymbol(p, Mix(palette::GoldDark, palette::GoldLight, glow));
    p.restore();
  }
}

}  // namespace

void AddAccountPictures(ArtSet& set) {
  set.SetGroup("Sex icons (16 x 16), photo placeholders (96 x 120), relay (24 x 24)");
  for (const bool man : {true, false}) {
    set.Add(man ? "FaceMan16" : "FaceWoman16",
            DrawScaled(16, 16, 0.16, [&](QPainter& p) { SexIcon(p, man); }));
  }
  for (const bool man : {true, false}) {
    set.Add(man ? "GAcNoM" : "GAcNoF",
            Flatten(DrawScaled(96, 120, 1.0, [&](QPainter& p) { Placeholder(p, man); }),
                    palette::Steel));
  }
  for (const bool on : {true, false}) {
    set.Add(on ? "GTourOn" : "GTourOff",
            DrawScaled(24, 24, 1.0, [&](QPainter& p) { RelayIndicator(p, on); }));
  }
  set.SetGroup("Local top ten banner (240 x 120, 12 frames)");
  for (int frame = 0; frame < 12; ++frame) {
    set.Add(FrameName("GTopTen", frame),
            DrawScaled(240, 120, 1.0, [&](QPainter& p) { TopTenBanner(p, frame / 12.0); }));
  }
}

}  // namespace fibwick::artgen
