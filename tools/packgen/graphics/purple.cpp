// The purple design: deep violet velvet with a faint lily damask, lit from above and trimmed in
// gold. The windows' backgrounds lose their trim towards the bottom, so a window a little lower
// than its picture shows no cut-off border.
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

#include "graphics_painters.h"
#include "paint_kit.h"
#include "palette.h"

namespace fibwick::packgen {

namespace {

using namespace artgen;

const QColor VelvetDeep{20, 4, 34};
const QColor Velvet{62, 17, 94};
const QColor VelvetLight{116, 50, 154};
const QColor Lilac{190, 146, 226};

// A window with an icon keeps it a seat where the icon stands.
constexpr QPointF IconCentre{IconLeft + IconSize / 2.0, IconTop + IconSize / 2.0};
constexpr double IconHalo = IconSize / 2.0 + 3;

QImage VelvetPile(int w, int h, QPointF light, unsigned seed) {
  QImage image(w, h, QImage::Format_RGB32);
  const double reach = std::hypot(w, h) * 0.6;
  for (int y = 0; y < h; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < w; ++x) {
      const double lit =
          std::clamp(1.0 - std::hypot(x - light.x(), (y - light.y()) * 1.2) / reach, 0.0, 1.0);
      const double clouds =
          ValueNoise(x, y, 120, seed) * 0.6 + ValueNoise(x, y, 41, seed + 1) * 0.4;
      // The nap runs down the cloth: fine streaks, longer than they are wide.
      const double nap = ValueNoise(x * 0.8, y * 0.25, 1.6, seed + 2);
      const double t = std::clamp(0.22 + lit * lit * 0.74 + clouds * 0.12, 0.0, 1.0);
      const QColor base = t < 0.55 ? Mix(VelvetDeep, Velvet, t / 0.55)
                                   : Mix(Velvet, VelvetLight, (t - 0.55) / 0.45);
      const double grain = 1.0 + 0.07 * nap;
      const auto channel = [grain](int c) {
        return std::clamp(static_cast<int>(std::lround(c * grain)), 0, 255);
      };
      line[x] = qRgb(channel(base.red()), channel(base.green()), channel(base.blue()));
    }
  }
  return image;
}

// A lily in a 40 x 48 box: the middle petal, two petals curling out, the band and the foot.
QPainterPath Lily() {
  QPainterPath lily;
  lily.moveTo(20, 1);
  lily.cubicTo(28, 11, 27, 24, 20, 31);
  lily.cubicTo(13, 24, 12, 11, 20, 1);
  for (const double side : {-1.0, 1.0}) {
    lily.moveTo(20 + side * 3, 33);
    lily.cubicTo(20 + side * 13, 34, 20 + side * 21, 24, 20 + side * 17, 11);
    lily.cubicTo(20 + side * 13, 15, 20 + side * 13, 25, 20 + side * 4, 28);
    lily.closeSubpath();
    lily.addEllipse(QPointF(20 + side * 17.5, 9.5), 2.2, 2.2);
  }
  lily.addRoundedRect(QRectF(10, 31, 20, 4.5), 2, 2);
  lily.moveTo(20, 35);
  lily.cubicTo(25, 39, 26, 44, 23, 47);
  lily.lineTo(17, 47);
  lily.cubicTo(14, 44, 15, 39, 20, 35);
  lily.setFillRule(Qt::WindingFill);
  return lily;
}

void Damask(QPainter& p, int w, int h, double scale) {
  const QPainterPath lily = Lily();
  const double dx = 76 * scale;
  const double dy = 88 * scale;
  p.save();
  p.setPen(QPen(WithAlpha(Lilac, 34), 0.9));
  p.setBrush(WithAlpha(Lilac, 20));
  for (int row = -1; row * dy < h + dy; ++row) {
    for (int col = -1; col * dx < w + dx; ++col) {
      const double x = col * dx + (row % 2 != 0 ? dx / 2 : 0);
      const double y = row * dy;
      p.save();
      p.translate(x - 20 * scale, y - 24 * scale);
      p.scale(scale, scale);
      p.drawPath(lily);
      p.restore();
      // A small lozenge between the lilies.
      const QPointF at(x + dx / 2, y);
      const double r = 4 * scale;
      const QPointF lozenge[] = {{at.x(), at.y() - r},
                                 {at.x() + r * 0.7, at.y()},
                                 {at.x(), at.y() + r},
                                 {at.x() - r * 0.7, at.y()}};
      p.drawPolygon(lozenge, 4);
    }
  }
  p.restore();
}

void Vignette(QPainter& p, int w, int h, int alpha) {
  QRadialGradient shade(QPointF(w / 2.0, h * 0.42), std::hypot(w, h) * 0.62);
  shade.setColorAt(0, QColor(0, 0, 0, 0));
  shade.setColorAt(0.6, QColor(0, 0, 0, alpha / 4));
  shade.setColorAt(1, QColor(0, 0, 0, alpha));
  p.fillRect(QRectF(0, 0, w, h), shade);
}

QLinearGradient GoldLeaf(double top, double bottom) {
  QLinearGradient gold(0, top, 0, bottom);
  gold.setColorAt(0, palette::GoldLight);
  gold.setColorAt(0.45, palette::Gold);
  gold.setColorAt(1, palette::GoldDark);
  return gold;
}

// The ornament of the top left corner, `size` across; the other corners mirror it. Two arms run
// in along the edges and curl up, and a lily between them points into the window.
void CornerScroll(QPainter& p, double size) {
  const double k = size / 60;
  QPainterPath arms;
  for (const bool mirrored : {false, true}) {
    const auto at = [&](double x, double y) { return mirrored ? QPointF(y, x) : QPointF(x, y); };
    arms.moveTo(at(size, 3));
    arms.lineTo(at(26 * k, 3));
    arms.cubicTo(at(13 * k, 3), at(7 * k, 11 * k), at(13 * k, 17 * k));
    arms.cubicTo(at(17 * k, 21 * k), at(24 * k, 18 * k), at(22 * k, 12 * k));
    arms.cubicTo(at(20.5 * k, 8.5 * k), at(16 * k, 10 * k), at(17.5 * k, 13.5 * k));
  }
  const double pen = std::max(k, 0.5);
  p.strokePath(arms, QPen(palette::GoldDark.darker(170), 3.4 * pen, Qt::SolidLine, Qt::RoundCap,
                          Qt::RoundJoin));
  p.strokePath(
      arms, QPen(QBrush(GoldLeaf(0, size)), 1.9 * pen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setPen(QPen(palette::GoldDark.darker(170), 0.8));
  p.setBrush(GoldLeaf(2, 10 * k));
  p.drawEllipse(QPointF(6 * k, 6 * k), 3.2 * k, 3.2 * k);
  p.save();
  p.translate(27 * k, 27 * k);
  p.rotate(135);
  p.scale(0.5 * k, 0.5 * k);
  p.translate(-20, -24);
  p.setPen(QPen(palette::GoldDark.darker(170), 1.6));
  p.setBrush(GoldLeaf(0, 48));
  p.drawPath(Lily());
  p.restore();
}

// A double gold rule from a to b; along a side it fades from `from` to `to` alpha.
void Rule(QPainter& p, QPointF a, QPointF b, QPointF offset, int from, int to) {
  QLinearGradient fade(a, b);
  fade.setColorAt(0, WithAlpha(palette::Gold, from));
  fade.setColorAt(1, WithAlpha(palette::Gold, to));
  p.setPen(QPen(QBrush(fade), 1.6));
  p.drawLine(a, b);
  QLinearGradient thin(a, b);
  thin.setColorAt(0, WithAlpha(palette::GoldLight, from * 2 / 3));
  thin.setColorAt(1, WithAlpha(palette::GoldLight, to * 2 / 3));
  p.setPen(QPen(QBrush(thin), 0.7));
  p.drawLine(a + offset, b + offset);
}

void Corner(QPainter& p, QPointF corner, double size, double xDirection, double yDirection) {
  p.save();
  p.translate(corner);
  p.scale(xDirection, yDirection);
  CornerScroll(p, size);
  p.restore();
}

void IconSeat(QPainter& p) {
  QRadialGradient glow(IconCentre, IconHalo + 10);
  glow.setColorAt(0, WithAlpha(VelvetLight.lighter(130), 150));
  glow.setColorAt(0.7, WithAlpha(VelvetLight, 60));
  glow.setColorAt(1, WithAlpha(VelvetLight, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawEllipse(IconCentre, IconHalo + 10, IconHalo + 10);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(palette::Gold, 1.4));
  p.drawEllipse(IconCentre, IconHalo, IconHalo);
  p.setPen(QPen(WithAlpha(palette::GoldLight, 120), 0.7));
  p.drawEllipse(IconCentre, IconHalo + 3, IconHalo + 3);
}

QImage DialogBackground(QSize size, bool withIcon, unsigned seed) {
  const int w = size.width();
  const int h = size.height();
  QImage image = VelvetPile(w, h, QPointF(w * 0.5, -h * 0.15), seed);
  QPainter p(&image);
  p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
  Damask(p, w, h, 0.8);
  Vignette(p, w, h, 110);
  const double inset = 5.5;
  const double corner = std::clamp(std::min(w, h) * 0.22, 26.0, 60.0);
  const double sides = std::min(h - inset, std::max(corner * 2.5, h * 0.7));
  const double left = withIcon ? IconCentre.x() + IconHalo + 4 : inset + corner * 0.55;
  Rule(p, QPointF(left, inset), QPointF(w - inset - corner * 0.55, inset), QPointF(0, 3), 230, 230);
  Rule(p, QPointF(w - inset, inset + corner * 0.55), QPointF(w - inset, sides), QPointF(-3, 0), 230,
       0);
  Rule(p, QPointF(inset, withIcon ? IconCentre.y() + IconHalo + 4 : inset + corner * 0.55),
       QPointF(inset, sides), QPointF(3, 0), 230, 0);
  Corner(p, QPointF(w - inset + 1, inset - 1), corner, -1, 1);
  if (withIcon) {
    IconSeat(p);
  } else {
    Corner(p, QPointF(inset - 1, inset - 1), corner, 1, 1);
  }
  return image;
}

// Behind the menu and the table: stretched to every window size, so it is drawn for the largest
// one and framed all round.
QImage WindowBackground() {
  constexpr int W = 1520;
  constexpr int H = 1000;
  QImage image = VelvetPile(W, H, QPointF(W * 0.5, H * 0.38), 77);
  QPainter p(&image);
  p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
  Damask(p, W, H, 1.6);
  Vignette(p, W, H, 150);
  constexpr double Inset = 16;
  constexpr double Size = 120;
  const QPointF corners[] = {
      {Inset, Inset}, {W - Inset, Inset}, {Inset, H - Inset}, {W - Inset, H - Inset}};
  for (const double edge : {Inset, Inset + 9}) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(WithAlpha(palette::Gold, edge == Inset ? 220 : 150), edge == Inset ? 3 : 1.4));
    p.drawRect(QRectF(edge, edge, W - 2 * edge, H - 2 * edge));
  }
  for (const QPointF& c : corners) {
    Corner(p, c + QPointF(c.x() < W / 2 ? 4 : -4, c.y() < H / 2 ? 4 : -4), Size,
           c.x() < W / 2 ? 1 : -1, c.y() < H / 2 ? 1 : -1);
  }
  return image;
}

}  // namespace

void AddPurpleBackgrounds(PackWriter& pack) {
  unsigned seed = 11;
  for (const DialogArtRow& row : DialogArtTable) {
    if (row.pictures.picture.empty()) continue;
    const QSize window = LookOf(row.dialog).window + QSize(0, PurpleTopStrip);
    pack.AddJpeg(ResourceName(row.pictures.picture),
                 DialogBackground(window, !row.pictures.icon.empty(), seed += 7), 90);
  }
  pack.AddJpeg("BGLilu", WindowBackground(), 90);
}

}  // namespace fibwick::packgen
