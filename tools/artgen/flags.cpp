// The large language flags of the options dialog, 96 x 64, with a light sheen and a frame.
#include <QLinearGradient>
#include <array>
#include <cmath>
#include <numbers>

#include "paint_kit.h"
#include "painters.h"
#include "palette.h"

namespace fibwick::artgen {

namespace {

constexpr double W = 96;
constexpr double H = 64;
constexpr double Pi = std::numbers::pi;

void Stripes(QPainter& p, std::initializer_list<QColor> colours, bool upright,
             std::initializer_list<double> weights = {}) {
  std::vector<double> parts(weights);
  if (parts.empty()) parts.assign(colours.size(), 1.0);
  double total = 0;
  for (const double part : parts) total += part;
  double at = 0;
  std::size_t i = 0;
  for (const QColor& colour : colours) {
    const double size = (upright ? W : H) * parts[i++] / total;
    p.fillRect(upright ? QRectF(at, 0, size + 0.5, H) : QRectF(0, at, W, size + 0.5), colour);
    at += size;
  }
}

void Star(QPainter& p, const QPointF& c, double r, double turn, const QColor& colour) {
  QPainterPath star;
  for (int i = 0; i < 10; ++i) {
    const double a = turn - Pi / 2 + Pi * i / 5;
    const double radius = i % 2 ? r * 0.382 : r;
    const QPointF point = c + QPointF(radius * std::cos(a), radius * std::sin(a));
    if (i == 0)
      star.moveTo(point);
    else
      star.lineTo(point);
  }
  star.closeSubpath();
  p.fillPath(star, colour);
}

void UnitedKingdom(QPainter& p) {
  const QColor blue(1, 33, 105), red(200, 16, 46);
  p.fillRect(QRectF(0, 0, W, H), blue);
  p.setPen(QPen(Qt::white, H / 5));
  p.drawLine(QPointF(0, 0), QPointF(W, H));
  p.drawLine(QPointF(W, 0), QPointF(0, H));
  p.setPen(QPen(red, H / 15));
  p.drawLine(QPointF(0, 0), QPointF(W, H));
  p.drawLine(QPointF(W, 0), QPointF(0, H));
  p.fillRect(QRectF(W / 2 - H / 6, 0, H / 3, H), Qt::white);
  p.fillRect(QRectF(0, H / 3, W, H / 3), Qt::white);
  p.fillRect(QRectF(W / 2 - H / 10, 0, H / 5, H), red);
  p.fillRect(QRectF(0, H / 2 - H / 10, W, H / 5), red);
}

void China(QPainter& p) {
  p.fillRect(QRectF(0, 0, W, H), QColor(238, 28, 37));
  const double u = H / 20;
  const QColor yellow(255, 255, 0);
  const QPointF big(5 * u, 5 * u);
  Star(p, big, 3 * u, 0, yellow);
  for (const auto& [x, y] : {std::pair{10.0, 2.0}, {12.0, 4.0}, {12.0, 7.0}, {10.0, 9.0}}) {
    const QPointF c(x * u, y * u);
    const double toBig = std::atan2(big.y() - c.y(), big.x() - c.x());
    Star(p, c, u, toBig + Pi / 2, yellow);
  }
}

void Czechia(QPainter& p) {
  Stripes(p, {Qt::white, QColor(215, 20, 26)}, false);
  const QPointF wedge[] = {{0, 0}, {W / 2, H / 2}, {0, H}};
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(17, 69, 126));
  p.drawPolygon(wedge, 3);
}

void Japan(QPainter& p) {
  p.fillRect(QRectF(0, 0, W, H), Qt::white);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(188, 0, 45));
  p.drawEllipse(QPointF(W / 2, H / 2), H * 0.3, H * 0.3);
}

// Trigram of three bars along the painter's x axis; a broken bar has a gap in its middle.
void Trigram(QPainter& p, std::array<bool, 3> broken) {
  const double bar = H / 24, gap = H / 48, length = H / 4;
  for (int i = 0; i < 3; ++i) {
    const double y = (i - 1) * (bar + gap) - bar / 2;
    if (broken[i]) {
      p.fillRect(QRectF(-length / 2, y, length * 0.45, bar), Qt::black);
      p.fillRect(QRectF(length * 0.05, y, length * 0.45, bar), Qt::black);
    } else {
      p.fillRect(QRectF(-length / 2, y, length, bar), Qt::black);
    }
  }
}

void Korea(QPainter& p) {
  p.fillRect(QRectF(0, 0, W, H), Qt::white);
  const QPointF c(W / 2, H / 2);
  const double r = H / 4;
  const double tilt = std::atan2(H, W) * 180 / Pi;
  const QColor red(205, 46, 58), blue(0, 71, 160);
  p.save();
  p.translate(c);
  p.rotate(tilt);
  p.setPen(Qt::NoPen);
  p.setBrush(blue);
  p.drawEllipse(QPointF(0, 0), r, r);
  p.setBrush(red);
  p.drawPie(QRectF(-r, -r, 2 * r, 2 * r), 0, 180 * 16);
  p.drawEllipse(QPointF(-r / 2, 0), r / 2, r / 2);
  p.setBrush(blue);
  p.drawEllipse(QPointF(r / 2, 0), r / 2, r / 2);
  p.restore();
  const double reach = r * 1.75;
  struct Place {
    double angle;
    std::array<bool, 3> broken;
  };
  const std::array<Place, 4> places{{{180 + tilt, {false, false, false}},
                                     {-tilt, {true, false, true}},
                                     {180 - tilt, {false, true, false}},
                                     {tilt, {true, true, true}}}};
  for (const auto& place : places) {
    const double a = place.angle * Pi / 180;
    p.save();
    p.translate(c + QPointF(reach * std::cos(a), reach * std::sin(a)));
    p.rotate(place.angle + 90);
    Trigram(p, place.broken);
    p.restore();
  }
}

struct Flag {
  const char* name;
  void (*draw)(QPainter&);
};

const std::array<Flag, 10> Flags{{
    {"FlagOEng", UnitedKingdom},
    {"FlagORus",
     [](QPainter& p) {
       Stripes(p, {Qt::white, QColor(0, 57, 166), QColor(213, 43, 30)}, false);
     }},
    {"FlagODeu",
     [](QPainter& p) {
       Stripes(p, {Qt::black, QColor(221, 0, 0), QColor(255, 206, 0)}, false);
     }},
    {"FlagOFra",
     [](QPainter& p) {
       Stripes(p, {QColor(0, 35, 149), Qt::white, QColor(237, 41, 57)}, true);
     }},
    {"FlagOSpa",
     [](QPainter& p) {
       Stripes(p, {QColor(170, 21, 27), QColor(241, 191, 0), QColor(170, 21, 27)}, false,
               {1, 2, 1});
     }},
    {"FlagOChi", China},
    {"FlagOIta",
     [](QPainter& p) {
       Stripes(p, {QColor(0, 140, 69), Qt::white, QColor(205, 33, 42)}, true);
     }},
    {"FlagOCze", Czechia},
    {"FlagOJap", Japan},
    {"FlagOKor", Korea},
}};

void Framed(QPainter& p, void (*draw)(QPainter&)) {
  draw(p);
  QLinearGradient sheen(0, 0, W, H);
  sheen.setColorAt(0, QColor(255, 255, 255, 70));
  sheen.setColorAt(0.45, QColor(255, 255, 255, 0));
  sheen.setColorAt(1, QColor(0, 0, 0, 40));
  p.fillRect(QRectF(0, 0, W, H), sheen);
  p.setPen(QPen(palette::GraphiteDark, 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(0.5, 0.5, W - 1, H - 1));
}

}  // namespace

void AddFlags(ArtSet& set) {
  set.SetGroup("Language flags of the options (96 x 64)");
  for (const auto& flag : Flags) {
    set.Add(flag.name, Flatten(DrawScaled(96, 64, 1.0, [&](QPainter& p) { Framed(p, flag.draw); }),
                               Qt::white));
  }
}

}  // namespace fibwick::artgen
