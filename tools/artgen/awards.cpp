// The medal of the end-of-game dialog with its place numbers, and the Nuvs currency.
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
// The medal's disc; the place numbers are drawn on its centre so they line up when the
// two pictures are drawn at the same position.
const QPointF DiscCentre(50, 63);
constexpr double DiscRadius = 33;

void Medal(QPainter& p) {
  for (const double side : {-1.0, 1.0}) {
    QPainterPath band;
    band.moveTo(50 + side * 8, 40);
    band.lineTo(50 + side * 36, 2);
    band.lineTo(50 + side * 18, 2);
    band.lineTo(50 - side * 6, 36);
    band.closeSubpath();
    QLinearGradient silk(0, 0, 100, 0);
    silk.setColorAt(0, side < 0 ? palette::Royal : palette::Crimson);
    silk.setColorAt(1, side < 0 ? palette::Navy : palette::Burgundy);
    p.setPen(QPen(palette::GraphiteDark, 0.8));
    p.setBrush(silk);
    p.drawPath(band);
  }
  QPainterPath rim;
  for (int i = 0; i < 48; ++i) {
    const double a = 2 * Pi * i / 48;
    const double r = DiscRadius + (i % 2 ? 0.0 : 2.2);
    const QPointF point = DiscCentre + QPointF(r * std::cos(a), r * std::sin(a));
    if (i == 0)
      rim.moveTo(point);
    else
      rim.lineTo(point);
  }
  rim.closeSubpath();
  QLinearGradient gold(0, 28, 0, 98);
  gold.setColorAt(0, palette::GoldLight);
  gold.setColorAt(0.5, palette::Gold);
  gold.setColorAt(1, palette::GoldDark);
  p.setPen(QPen(palette::GoldDark.darker(160), 0.8));
  p.setBrush(gold);
  p.drawPath(rim);
  QRadialGradient face(DiscCentre - QPointF(9, 11), DiscRadius * 1.3);
  face.setColorAt(0, palette::GoldLight);
  face.setColorAt(0.6, palette::Gold);
  face.setColorAt(1, palette::GoldDark);
  p.setPen(QPen(palette::GoldDark, 1.2));
  p.setBrush(face);
  p.drawEllipse(DiscCentre, DiscRadius - 5, DiscRadius - 5);
  p.setPen(QPen(WithAlpha(palette::GoldDark, 150), 0.8));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(DiscCentre, DiscRadius - 8, DiscRadius - 8);
}

void Place(QPainter& p, int place) {
  QFont font("DejaVu Serif");
  font.setBold(true);
  font.setPixelSize(place < 10 ? 34 : 27);
  const QRectF box(DiscCentre.x() - 25, DiscCentre.y() - 20, 50, 40);
  OutlinedText(p, box, QString::number(place), font, QBrush(palette::Burgundy), palette::GoldLight,
               3);
}

void Coin(QPainter& p, const QPointF& c, double r) {
  QLinearGradient edge(0, c.y() - r, 0, c.y() + r);
  edge.setColorAt(0, palette::GoldLight);
  edge.setColorAt(1, palette::GoldDark.darker(130));
  p.setPen(QPen(palette::GoldDark.darker(170), r / 40));
  p.setBrush(edge);
  p.drawEllipse(c, r, r);
  QRadialGradient face(c - QPointF(r * 0.3, r * 0.35), r * 1.3);
  face.setColorAt(0, palette::GoldLight);
  face.setColorAt(0.55, palette::Gold);
  face.setColorAt(1, palette::GoldDark);
  p.setPen(QPen(palette::GoldDark, r / 50));
  p.setBrush(face);
  p.drawEllipse(c, r * 0.84, r * 0.84);
  p.setPen(QPen(WithAlpha(palette::GoldDark, 170), r / 60, Qt::DotLine));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(c, r * 0.75, r * 0.75);
  QFont font("DejaVu Serif");
  font.setBold(true);
  font.setPixelSize(static_cast<int>(r * 1.05));
  OutlinedText(p, QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), "N", font, QBrush(palette::GoldDark),
               palette::GoldLight, r / 16);
}

void CoinStack(QPainter& p) {
  for (int i = 0; i < 5; ++i) {
    const double y = 112 - i * 10;
    QRectF side(20, y - 14, 88, 24);
    QLinearGradient edge(20, 0, 108, 0);
    edge.setColorAt(0, palette::GoldDark);
    edge.setColorAt(0.4, palette::GoldLight);
    edge.setColorAt(1, palette::GoldDark.darker(130));
    p.setPen(QPen(palette::GoldDark.darker(170), 1));
    p.setBrush(edge);
    p.drawRoundedRect(side, 44, 12);
  }
  p.save();
  p.translate(64, 56);
  p.scale(1, 0.3);
  Coin(p, QPointF(0, 0), 44);
  p.restore();
  Coin(p, QPointF(84, 40), 34);
  SuitGlyph(p, QString::fromUtf8("\u2726"), QPointF(34, 22), 16, palette::GoldLight);
}

}  // namespace

void AddAwards(ArtSet& set) {
  set.SetGroup("Medal and places (100 x 100), Nuvs (128 x 128)");
  set.Add("GMedal", DrawScaled(100, 100, 1.0, Medal));
  for (int place = 1; place <= 10; ++place) {
    set.Add(QString("GPlace%1").arg(place, 2, 10, QChar('0')),
            DrawScaled(100, 100, 1.0, [&](QPainter& p) { Place(p, place); }));
  }
  set.Add("GNuvs128", DrawScaled(128, 128, 1.0, [](QPainter& p) { Coin(p, {64, 64}, 60); }));
  set.Add("GNuvsT128", DrawScaled(128, 128, 1.0, CoinStack));
}

}  // namespace fibwick::artgen
