// The windows' icons in the purple design: a gold-rimmed violet medallion with the window's
// emblem, ten frames of 48 x 48 side by side, looping.
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <numbers>
#include <set>
#include <string>

#include "graphics_painters.h"
#include "paint_kit.h"
#include "palette.h"
#include "symbols.h"

namespace fibwick::packgen {

namespace {

using namespace artgen;

constexpr double Pi = std::numbers::pi;
const QColor Amethyst{104, 36, 150};

// The medallion in its 100 x 100 box at one moment of the loop (phase 0 up to 1).
void IconFrame(QPainter& p, Symbol emblem, IconMotion motion, double phase) {
  const double wave = std::sin(2 * Pi * phase);
  QTransform turn;
  switch (motion) {
    case IconMotion::Spin:
      turn.rotate(45 * phase);
      break;
    case IconMotion::Swing:
      turn.rotate(16 * wave);
      break;
    case IconMotion::Pulse:
      turn.scale(1 + 0.1 * wave, 1 + 0.1 * wave);
      break;
    case IconMotion::Turn: {
      const double squeeze = std::cos(2 * Pi * phase);
      const double width = std::max(std::abs(squeeze), 0.08);
      // The rim's thickness shows while the coin stands edgewise.
      p.save();
      p.translate(50 + 3 * wave, 50);
      p.scale(width, 1);
      p.setPen(Qt::NoPen);
      p.setBrush(palette::GoldDark);
      p.drawEllipse(QPointF(0, 0), 47, 47);
      p.restore();
      p.translate(50, 50);
      p.scale(squeeze < 0 ? -width : width, 1);
      p.translate(-50, -50);
      break;
    }
    case IconMotion::Shine:
      break;
  }
  Medallion(p, Amethyst, emblem, turn);
  if (motion != IconMotion::Shine) return;
  QPainterPath disc;
  disc.addEllipse(QPointF(50, 50), 47, 47);
  const double x = -40 + 180 * phase;
  QLinearGradient gleam(x - 14, 0, x + 14, 28);
  gleam.setColorAt(0, QColor(255, 255, 255, 0));
  gleam.setColorAt(0.5, QColor(255, 250, 230, 150));
  gleam.setColorAt(1, QColor(255, 255, 255, 0));
  p.fillPath(disc, gleam);
  const double glint = std::sin(Pi * std::fmod(phase * 2, 1.0));
  Sparkle(p, QPointF(80, 20), 14 * glint, static_cast<int>(255 * glint));
}

QImage IconFilm(Symbol emblem, IconMotion motion) {
  return DrawScaled(IconSize * IconFrameCount, IconSize, 1.0, [&](QPainter& p) {
    for (int frame = 0; frame < IconFrameCount; ++frame) {
      p.save();
      p.translate(frame * IconSize + 1, 1);
      p.scale((IconSize - 2) / 100.0, (IconSize - 2) / 100.0);
      // Frames sit half a step into their slice of the loop, so no two neighbours of a swinging
      // motion stand at the same point of it.
      IconFrame(p, emblem, motion, (frame + 0.5) / IconFrameCount);
      p.restore();
    }
  });
}

}  // namespace

void AddIconFilms(PackWriter& pack) {
  std::set<std::string_view> drawn;
  for (const DialogArtRow& row : DialogArtTable) {
    if (row.pictures.icon.empty() || !drawn.insert(row.pictures.icon).second) continue;
    const DialogLook look = LookOf(row.dialog);
    pack.AddPng(ResourceName(row.pictures.icon), IconFilm(look.emblem, look.motion));
  }
}

}  // namespace fibwick::packgen
