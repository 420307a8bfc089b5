// The station logos: typographic badges of our own with the station's name, one for the
// default station, one for the station of the sample list and one for a station that names
// none.
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <functional>

#include "paint_kit.h"
#include "palette.h"
#include "radio_painters.h"
#include "symbols.h"
#include "ui/radio_pictures.h"

namespace fibwick::packgen {

namespace {

using namespace artgen;

constexpr int W = StationLogoSize.width;
constexpr int H = StationLogoSize.height;

QFont Lettering(const QString& family, int pixels, bool italic = false) {
  QFont font(family);
  font.setPixelSize(pixels);
  font.setBold(true);
  font.setItalic(italic);
  return font;
}

void Badge(QPainter& p, const QColor& top, const QColor& bottom) {
  const QRectF r(0, 0, W, H);
  QLinearGradient fill(r.topLeft(), r.bottomLeft());
  fill.setColorAt(0, top);
  fill.setColorAt(1, bottom);
  p.fillRect(r, fill);
  QLinearGradient gloss(0, 0, 0, H * 0.5);
  gloss.setColorAt(0, QColor(255, 255, 255, 60));
  gloss.setColorAt(1, QColor(255, 255, 255, 0));
  p.fillRect(QRectF(0, 0, W, H * 0.5), gloss);
}

// "Авторадио Moscow": the name over a road running into the distance.
void AvtoRadio(QPainter& p, const RadioLettering& lettering) {
  Badge(p, QColor(20, 60, 150), QColor(6, 20, 60));
  QPainterPath road;
  road.moveTo(W * 0.5 - 6, H * 0.58);
  road.lineTo(W * 0.5 + 6, H * 0.58);
  road.lineTo(W * 0.5 + 60, H);
  road.lineTo(W * 0.5 - 60, H);
  road.closeSubpath();
  p.fillPath(road, QColor(40, 44, 56));
  p.setPen(QPen(palette::Amber, 2.2, Qt::DashLine));
  p.drawLine(QPointF(W * 0.5, H * 0.6), QPointF(W * 0.5, H));
  const QString name = QString::fromUtf8("Авторадио");
  OutlinedText(p, QRectF(6, 6, W - 12, 34), name,
               FitToWidth(Lettering(lettering.sans, 28, true), name, W - 16, 8), QBrush(Qt::white),
               QColor(6, 20, 60), 3);
  OutlinedText(p, QRectF(0, 38, W, 16), "MOSCOW", Lettering(lettering.sans, 12),
               QBrush(palette::Amber), QColor(6, 20, 60), 2);
}

// "Radio One": a gold one in a ring beside the name.
void RadioOne(QPainter& p, const RadioLettering& lettering) {
  Badge(p, palette::Crimson, palette::Burgundy.darker(140));
  const QPointF centre(H * 0.5, H * 0.5);
  QRadialGradient ring(centre - QPointF(6, 8), 40);
  ring.setColorAt(0, palette::GoldLight);
  ring.setColorAt(1, palette::GoldDark);
  p.setPen(QPen(palette::GoldDark.darker(150), 1.2));
  p.setBrush(ring);
  p.drawEllipse(centre, 34, 34);
  p.setBrush(palette::Burgundy);
  p.drawEllipse(centre, 27, 27);
  OutlinedText(p, QRectF(centre.x() - 27, centre.y() - 27, 54, 54), "1",
               Lettering(lettering.serif, 44), QBrush(palette::GoldLight), palette::GoldDark, 1.5);
  const QRectF words(H, 14, W - H - 6, H - 28);
  OutlinedText(p, QRectF(words.left(), words.top(), words.width(), words.height() / 2), "RADIO",
               FitToWidth(Lettering(lettering.sans, 22), "RADIO", words.width(), 8),
               QBrush(Qt::white), palette::Burgundy.darker(200), 2);
  OutlinedText(p, QRectF(words.left(), words.center().y(), words.width(), words.height() / 2),
               "ONE", FitToWidth(Lettering(lettering.sans, 26), "ONE", words.width(), 8),
               QBrush(palette::GoldLight), palette::Burgundy.darker(200), 2);
}

// A station without a logo of its own: the radio pictogram and the word, with waves.
void AnyStation(QPainter& p, const RadioLettering& lettering) {
  Badge(p, palette::GraphiteLight, palette::GraphiteDark);
  p.setBrush(Qt::NoBrush);
  for (int i = 1; i <= 3; ++i) {
    p.setPen(QPen(WithAlpha(palette::GoldLight, 220 - i * 50), 2.2, Qt::SolidLine, Qt::RoundCap));
    const double r = 10 + i * 9;
    p.drawArc(QRectF(W * 0.5 - r, 36 - r, 2 * r, 2 * r), 40 * 16, 100 * 16);
  }
  p.save();
  p.translate(W * 0.5 - 22, 18);
  p.scale(0.44, 0.44);
  RadioSymbol(p, palette::Cream);
  p.restore();
  OutlinedText(p, QRectF(0, H - 30, W, 26), "RADIO", Lettering(lettering.sans, 22),
               QBrush(palette::GoldLight), palette::GraphiteDark, 2.5);
}

struct StationLogo {
  std::string_view name;
  std::function<void(QPainter&, const RadioLettering&)> draw;
};

}  // namespace

void AddStationLogos(PackWriter& pack, const RadioLettering& lettering) {
  const StationLogo logos[] = {
      {DefaultStationLogo, AvtoRadio},
      {"RRADIO_LOGO_ONE", RadioOne},
      {UnnamedStationLogo, AnyStation},
  };
  for (const StationLogo& logo : logos) {
    pack.AddPng(ResourceName(logo.name),
                DrawScaled(W, H, 1.0, [&](QPainter& p) { logo.draw(p, lettering); }));
  }
}

}  // namespace fibwick::packgen
