// The holidays' pictures: one for every picture name of the program's holiday table, drawn from
// its design on a rounded card that sits on the blank page below the binding.
#include <QLinearGradient>
#include <QRadialGradient>
#include <array>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <set>

#include "calendar_art.h"
#include "holiday_designs.h"
#include "paint_kit.h"
#include "palette.h"
#include "records/holidays.h"

namespace fibwick::packgen {
namespace {

using namespace artgen;

const QRectF Card(0.5, 0.5, HolidayPictureSize.width() - 1.0, HolidayPictureSize.height() - 1.0);
constexpr double CardRadius = 5;
const QPointF LargeCentre(27, 25);
constexpr double LargeSize = 38;
constexpr double SmallTop = 50;
constexpr double SmallSize = 16;
constexpr double SmallStep = 20;

double Noise01(double x, double y, unsigned seed) {
  return (ValueNoise(x, y, 1, seed) + 1) / 2;
}

unsigned SeedOf(std::string_view name) {
  unsigned seed = 2166136261u;
  for (const char c : name) seed = (seed ^ static_cast<unsigned char>(c)) * 16777619u;
  return seed;
}

bool IsDark(const Backdrop& style) {
  return qGray(style.top.rgb()) < 128;
}

void DrawStars(QPainter& p, unsigned seed) {
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 22; ++i) {
    const double x = 3 + Noise01(i * 7.3, 1.7, seed) * (Card.width() - 6);
    const double y = 3 + Noise01(2.9, i * 5.1, seed) * (SmallTop - 6);
    const double r = 0.35 + Noise01(i * 1.3, i * 2.7, seed + 1) * 0.6;
    p.setBrush(QColor(255, 250, 220, 110 + static_cast<int>(r * 140)));
    p.drawEllipse(QPointF(x, y), r, r);
  }
}

void DrawSnow(QPainter& p, unsigned seed) {
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 26; ++i) {
    const double x = 2 + Noise01(i * 6.7, 3.1, seed) * (Card.width() - 4);
    const double y = 2 + Noise01(4.3, i * 4.9, seed) * (Card.height() - 4);
    const double r = 0.5 + Noise01(i * 2.3, i * 1.9, seed + 2) * 0.7;
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(QPointF(x, y), r, r);
  }
}

void DrawConfetti(QPainter& p, unsigned seed) {
  const std::array<QColor, 5> colours = {palette::Crimson, palette::Royal, palette::Emerald,
                                         palette::Violet, palette::Amber};
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 24; ++i) {
    const double x = 2 + Noise01(i * 5.3, 2.3, seed) * (Card.width() - 4);
    const double y = 2 + Noise01(3.7, i * 6.1, seed) * (Card.height() - 4);
    p.save();
    p.translate(x, y);
    p.rotate(Noise01(i * 1.1, 9.3, seed) * 180);
    p.setBrush(WithAlpha(colours[static_cast<std::size_t>(i) % colours.size()], 200));
    p.drawRect(QRectF(-1.2, -0.6, 2.4, 1.2));
    p.restore();
  }
}

// The orange and black ribbon of St George across the top left corner.
void DrawRibbon(QPainter& p) {
  p.save();
  p.translate(10, 10);
  p.rotate(-45);
  const QRectF band(-22, -4.5, 44, 9);
  p.fillRect(band, QColor(245, 140, 20));
  p.setPen(Qt::NoPen);
  for (const double y : {-3.3, -0.9, 1.5})
    p.fillRect(QRectF(band.left(), y, band.width(), 1.8), QColor(20, 16, 16));
  p.restore();
}

// A gold line framing the picture like an icon case: round or pointed at the top.
void DrawArch(QPainter& p, bool pointed) {
  const QRectF inner = Card.adjusted(3, 3, -3, -3);
  const double springLine = inner.top() + inner.width() / 2;
  QPainterPath arch;
  arch.moveTo(inner.left(), inner.bottom());
  arch.lineTo(inner.left(), springLine);
  if (pointed) {
    arch.quadTo(inner.left(), inner.top() + 4, inner.center().x(), inner.top());
    arch.quadTo(inner.right(), inner.top() + 4, inner.right(), springLine);
  } else {
    arch.arcTo(QRectF(inner.left(), inner.top(), inner.width(), inner.width()), 180, -180);
  }
  arch.lineTo(inner.right(), inner.bottom());
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(pointed ? QColor(255, 255, 255, 210) : palette::Gold, 1.2));
  p.drawPath(arch);
}

void DrawOrnament(QPainter& p, Ornament ornament, unsigned seed) {
  switch (ornament) {
    case Ornament::None:
      return;
    case Ornament::Stars:
      return DrawStars(p, seed);
    case Ornament::Snow:
      return DrawSnow(p, seed);
    case Ornament::Confetti:
      return DrawConfetti(p, seed);
    case Ornament::Ribbon:
      return DrawRibbon(p);
    case Ornament::RoundArch:
      return DrawArch(p, false);
    case Ornament::PointedArch:
      return DrawArch(p, true);
  }
}

void DrawGlow(QPainter& p, Glow glow) {
  p.setPen(Qt::NoPen);
  if (glow == Glow::Halo) {
    QRadialGradient halo(LargeCentre, LargeSize * 0.62);
    halo.setColorAt(0, QColor(255, 244, 180, 255));
    halo.setColorAt(0.7, QColor(250, 214, 100, 210));
    halo.setColorAt(1, QColor(240, 190, 60, 0));
    p.setBrush(halo);
    p.drawEllipse(LargeCentre, LargeSize * 0.62, LargeSize * 0.62);
  } else if (glow == Glow::Rays) {
    constexpr int Rays = 16;
    for (int i = 0; i < Rays; ++i) {
      const double a = 2 * std::numbers::pi * i / Rays;
      const double spread = std::numbers::pi / Rays / 2;
      QPainterPath ray;
      ray.moveTo(LargeCentre);
      ray.lineTo(LargeCentre + 40 * QPointF(std::cos(a - spread), std::sin(a - spread)));
      ray.lineTo(LargeCentre + 40 * QPointF(std::cos(a + spread), std::sin(a + spread)));
      ray.closeSubpath();
      QRadialGradient fade(LargeCentre, 34);
      fade.setColorAt(0, QColor(255, 236, 150, 230));
      fade.setColorAt(1, QColor(255, 220, 110, 0));
      p.setBrush(fade);
      p.drawPath(ray);
    }
  }
}

// A cross in gold with a dark edge; the Orthodox one with the title board and the slanted
// footrest, its left end (the Saviour's right) raised.
void DrawCross(QPainter& p, const QRectF& box, bool orthodox) {
  const double w = box.width(), h = box.height();
  const double cx = box.center().x();
  const double bar = std::max(1.2, w * 0.12);
  QPainterPath cross;
  cross.setFillRule(Qt::WindingFill);
  cross.addRect(QRectF(cx - bar / 2, box.top(), bar, h));
  if (orthodox) {
    cross.addRect(QRectF(cx - w * 0.2, box.top() + h * 0.12, w * 0.4, bar));
    cross.addRect(QRectF(cx - w * 0.42, box.top() + h * 0.3, w * 0.84, bar));
    QPainterPath foot;
    foot.addRect(QRectF(-w * 0.19, -bar / 2, w * 0.38, bar));
    cross.addPath(QTransform().translate(cx, box.top() + h * 0.74).rotate(25).map(foot));
  } else {
    cross.addRect(QRectF(cx - w * 0.36, box.top() + h * 0.26, w * 0.72, bar));
  }
  const QPainterPath shape = cross.simplified();
  QLinearGradient gold(box.topLeft(), box.bottomRight());
  gold.setColorAt(0, palette::GoldLight);
  gold.setColorAt(0.5, palette::Gold);
  gold.setColorAt(1, palette::GoldDark);
  p.setBrush(gold);
  p.setPen(QPen(WithAlpha(palette::GoldDark, 220), std::max(0.5, w * 0.03)));
  p.drawPath(shape);
}

// A five-pointed red star with a gold rim, each ray lit on one side.
void DrawRedStar(QPainter& p, const QRectF& box) {
  const QPointF c = box.center() + QPointF(0, box.height() * 0.04);
  const double outer = std::min(box.width(), box.height()) / 2;
  const double inner = outer * 0.42;
  const auto point = [&](int i, double r) {
    const double a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
    return c + r * QPointF(std::cos(a), std::sin(a));
  };
  QPainterPath star;
  star.moveTo(point(0, outer));
  for (int i = 1; i < 10; ++i) star.lineTo(point(i, i % 2 == 0 ? outer : inner));
  star.closeSubpath();
  p.setPen(QPen(palette::Gold, std::max(0.6, outer * 0.1)));
  p.setBrush(palette::Crimson);
  p.drawPath(star);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(236, 60, 52));
  for (int i = 0; i < 10; i += 2) {
    QPainterPath facet;
    facet.moveTo(c);
    facet.lineTo(point(i, outer * 0.92));
    facet.lineTo(point(i + 1, inner * 0.92));
    facet.closeSubpath();
    p.drawPath(facet);
  }
}

// A field gun of 1812: a bronze barrel on a wooden carriage with a spoked wheel.
void DrawCannon(QPainter& p, const QRectF& box) {
  p.save();
  p.translate(box.topLeft());
  p.scale(box.width() / 40, box.height() / 40);
  p.setPen(QPen(QColor(60, 40, 20), 0.8));
  p.setBrush(QColor(120, 76, 36));
  QPainterPath trail;
  trail.moveTo(4, 34);
  trail.lineTo(24, 24);
  trail.lineTo(27, 28);
  trail.lineTo(7, 37);
  trail.closeSubpath();
  p.drawPath(trail);
  p.save();
  p.translate(20, 20);
  p.rotate(-20);
  QLinearGradient bronze(0, -4, 0, 4);
  bronze.setColorAt(0, QColor(238, 200, 120));
  bronze.setColorAt(0.5, QColor(176, 122, 48));
  bronze.setColorAt(1, QColor(96, 60, 20));
  p.setBrush(bronze);
  QPainterPath barrel;
  barrel.moveTo(-12, -4.5);
  barrel.lineTo(17, -2.8);
  barrel.lineTo(17, 2.8);
  barrel.lineTo(-12, 4.5);
  barrel.quadTo(-16, 0, -12, -4.5);
  p.drawPath(barrel);
  p.drawRect(QRectF(16, -3.6, 2.5, 7.2));
  p.restore();
  const QPointF hub(25, 29);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(70, 44, 20), 2.2));
  p.drawEllipse(hub, 8.5, 8.5);
  p.setPen(QPen(QColor(110, 72, 34), 1.2));
  for (int i = 0; i < 6; ++i) {
    const double a = i * std::numbers::pi / 3;
    p.drawLine(hub, hub + 8 * QPointF(std::cos(a), std::sin(a)));
  }
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(50, 32, 14));
  p.drawEllipse(hub, 2, 2);
  p.restore();
}

void DrawMotif(QPainter& p, const Motif& motif, const QRectF& box, const CalendarFonts& fonts) {
  switch (motif.painted) {
    case Painted::OrthodoxCross:
      return DrawCross(p, box.adjusted(box.width() * 0.12, 0, -box.width() * 0.12, 0), true);
    case Painted::LatinCross:
      return DrawCross(p, box.adjusted(box.width() * 0.12, 0, -box.width() * 0.12, 0), false);
    case Painted::RedStar:
      return DrawRedStar(p, box);
    case Painted::Cannon:
      return DrawCannon(p, box);
    case Painted::None:
      break;
  }
  QImage art = WithoutTile(GlyphArt(QString::fromUtf8(motif.emoji), fonts.emoji));
  if (motif.tint != 0) art = Tinted(art, QColor(motif.tint));
  DrawFitted(p, art, box);
}

void DrawLarge(QPainter& p, const std::vector<Motif>& large, const CalendarFonts& fonts) {
  if (large.size() == 1) {
    DrawMotif(p, large[0],
              QRectF(LargeCentre - QPointF(LargeSize, LargeSize) / 2, QSizeF(LargeSize, LargeSize)),
              fonts);
    return;
  }
  const double size = (Card.width() - 8) / static_cast<double>(large.size());
  for (std::size_t i = 0; i < large.size(); ++i) {
    DrawMotif(p, large[i],
              QRectF(4 + static_cast<double>(i) * size, LargeCentre.y() - size / 2, size, size),
              fonts);
  }
}

void DrawSmall(QPainter& p, const std::vector<Motif>& small, const CalendarFonts& fonts) {
  const double count = static_cast<double>(small.size());
  const double step = std::min(SmallStep, (Card.width() - 6) / count);
  const double size = std::min(SmallSize, step - 1);
  for (std::size_t i = 0; i < small.size(); ++i) {
    const double x = LargeCentre.x() + (static_cast<double>(i) - (count - 1) / 2) * step;
    DrawMotif(p, small[i], QRectF(x - size / 2, SmallTop + (SmallSize - size) / 2, size, size),
              fonts);
  }
}

QImage DrawHoliday(const HolidayDesign& design, const CalendarFonts& fonts) {
  const Backdrop& style = design.backdrop;
  QImage picture(HolidayPictureSize, QImage::Format_ARGB32_Premultiplied);
  picture.fill(Qt::transparent);
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  const QPainterPath card = RoundedRect(Card, CardRadius);
  QLinearGradient body(Card.topLeft(), Card.bottomLeft());
  body.setColorAt(0, style.top);
  body.setColorAt(1, style.bottom);
  p.setPen(Qt::NoPen);
  p.setBrush(body);
  p.drawPath(card);
  p.save();
  p.setClipPath(card);
  DrawOrnament(p, style.ornament, SeedOf(design.picture));
  DrawGlow(p, design.glow);
  p.restore();
  DrawLarge(p, design.large, fonts);
  DrawSmall(p, design.small, fonts);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(IsDark(style) ? WithAlpha(palette::GoldLight, 170) : QColor(0, 0, 0, 90), 1));
  p.drawPath(card);
  return picture;
}

}  // namespace

bool AddHolidayPictures(PackWriter& pack, const CalendarFonts& fonts) {
  std::set<std::string_view> wanted;
  for (const HolidayRecord& holiday : BuiltInHolidays()) wanted.insert(holiday.picture);
  bool ok = true;
  std::set<std::string_view> drawn;
  for (const HolidayDesign& design : HolidayDesigns()) {
    if (!wanted.contains(design.picture)) {
      std::fprintf(stderr, "%.*s: no holiday shows this picture\n",
                   static_cast<int>(design.picture.size()), design.picture.data());
      ok = false;
      continue;
    }
    drawn.insert(design.picture);
    pack.AddPng(QString::fromLatin1(design.picture.data(), design.picture.size()),
                DrawHoliday(design, fonts));
  }
  for (const std::string_view picture : wanted) {
    if (drawn.contains(picture)) continue;
    std::fprintf(stderr, "%.*s: a holiday shows this picture, but it has no design\n",
                 static_cast<int>(picture.size()), picture.data());
    ok = false;
  }
  return ok;
}

}  // namespace fibwick::packgen
