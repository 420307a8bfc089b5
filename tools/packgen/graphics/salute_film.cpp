// The click effect: a small firework bursting where the player clicked, in gold, lilac and
// white, gone by the last frame so the screen is left as it was.
#include "ui/salute_film.h"

#include <QRadialGradient>
#include <array>
#include <cmath>
#include <numbers>

#include "graphics_painters.h"
#include "paint_kit.h"
#include "palette.h"

namespace fibwick::packgen {

namespace {

using namespace artgen;

constexpr double Pi = std::numbers::pi;
const std::array<QColor, 3> SparkColours{palette::Gold, QColor(176, 82, 236),
                                         QColor(255, 248, 226)};
// Under every spark, so that the burst shows on a light window as well as on a dark one.
const QColor Smoke{44, 6, 64};

struct Ring {
  int sparks;
  double reach;  // how far the sparks fly, from the centre
  double turn;   // where the first spark starts, in turns
  double speed;  // how soon the ring is fully open
  double width;
};

const std::array<Ring, 2> Rings{{{12, 44, 0.0, 1.25, 2.6}, {8, 25, 1.0 / 16, 1.6, 2.0}}};

// One moment of the burst, t from 0 (the click) to 1 (nothing left).
void Burst(QPainter& p, double t) {
  const QPointF centre(SaluteFrameSize / 2.0, SaluteFrameSize / 2.0);
  const double fade = std::pow(1 - t, 1.3);
  if (t < 0.3) {
    const double flash = 1 - t / 0.3;
    QRadialGradient glow(centre, 8 + 26 * t / 0.3);
    glow.setColorAt(0, WithAlpha(Qt::white, static_cast<int>(240 * flash)));
    glow.setColorAt(0.35, WithAlpha(palette::Gold, static_cast<int>(200 * flash)));
    glow.setColorAt(0.7, WithAlpha(QColor(150, 60, 210), static_cast<int>(90 * flash)));
    glow.setColorAt(1, WithAlpha(QColor(150, 60, 210), 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(centre, 34, 34);
  }
  for (const Ring& ring : Rings) {
    const double open = EaseOut(t * ring.speed);
    for (int i = 0; i < ring.sparks; ++i) {
      const double a = 2 * Pi * (ring.turn + static_cast<double>(i) / ring.sparks);
      const QPointF direction(std::cos(a), std::sin(a));
      // Sparks sink a little as they burn out.
      const QPointF fall(0, 9 * t * t);
      const QPointF head = centre + direction * ring.reach * open + fall;
      const QPointF tail = centre + direction * ring.reach * open * 0.55 + fall * 0.6;
      const QColor colour = SparkColours[static_cast<std::size_t>(i) % SparkColours.size()];
      const double width = ring.width * (1 - t) + 0.4;
      for (const auto& [ink, extra] : {std::pair{WithAlpha(Smoke, 120), 2.0}, {colour, 0.0}}) {
        QLinearGradient streak(tail, head);
        streak.setColorAt(0, WithAlpha(ink, 0));
        streak.setColorAt(1, WithAlpha(ink, static_cast<int>(ink.alpha() * fade)));
        p.setPen(QPen(QBrush(streak), width + extra, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(tail, head);
      }
      // The heads twinkle out of step with each other.
      const double twinkle = 0.65 + 0.35 * std::sin(2 * Pi * (t * 5 + i * 0.37));
      const double size = (4 + 5 * (1 - t)) * twinkle;
      QRadialGradient smoke(head, size * 0.7);
      smoke.setColorAt(0, WithAlpha(Smoke, static_cast<int>(110 * fade)));
      smoke.setColorAt(1, WithAlpha(Smoke, 0));
      p.setPen(Qt::NoPen);
      p.setBrush(smoke);
      p.drawEllipse(head, size * 0.7, size * 0.7);
      Sparkle(p, head, size, static_cast<int>(255 * fade));
    }
  }
}

}  // namespace

void AddSaluteFilm(PackWriter& pack) {
  const QImage film =
      DrawScaled(SaluteFrameSize * SaluteFrameCount, SaluteFrameSize, 1.0, [](QPainter& p) {
        for (int frame = 0; frame < SaluteFrameCount; ++frame) {
          p.save();
          p.setClipRect(frame * SaluteFrameSize, 0, SaluteFrameSize, SaluteFrameSize);
          p.translate(frame * SaluteFrameSize, 0);
          Burst(p, static_cast<double>(frame) / (SaluteFrameCount - 1));
          p.restore();
        }
      });
  pack.AddPng(ResourceName(SaluteFilmName), film);
}

}  // namespace fibwick::packgen
