// Harlequin lozenges in two shades of the day's stone, with the stone itself cut as a large
// faceted lozenge in a gold setting.
#include <QLinearGradient>
#include <array>

#include "back_designs.h"
#include "back_kit.h"
#include "paint_kit.h"
#include "palette.h"

namespace fibwick::packgen {

namespace {

using artgen::Mix;
using artgen::RoundedRect;
using artgen::WithAlpha;

// Ruby, sapphire, emerald, amethyst, topaz, aquamarine and a white diamond on slate.
const std::array<QColor, 7> Stones{{{196, 24, 52},
                                    {30, 66, 176},
                                    {18, 140, 80},
                                    {130, 56, 176},
                                    {214, 140, 24},
                                    {40, 160, 180},
                                    {150, 164, 186}}};

QPainterPath Lozenge(const QPointF& c, double halfW, double halfH) {
  return Polygon({{c.x(), c.y() - halfH},
                  {c.x() + halfW, c.y()},
                  {c.x(), c.y() + halfH},
                  {c.x() - halfW, c.y()}});
}

// A stone cut with a table in the middle and eight facets around it, lit from the upper left.
void Gem(QPainter& p, const QPointF& c, double halfW, double halfH, const QColor& stone) {
  const std::array<QPointF, 4> outer = {
      QPointF(c.x(), c.y() - halfH), QPointF(c.x() + halfW, c.y()), QPointF(c.x(), c.y() + halfH),
      QPointF(c.x() - halfW, c.y())};
  const double t = 0.45;
  std::array<QPointF, 4> table;
  for (std::size_t i = 0; i < 4; ++i) table[i] = c + (outer[i] - c) * t;
  // The two facets along each edge, their shade set by which way the edge faces.
  const std::array<double, 4> light = {1.45, 0.8, 0.55, 1.15};
  for (std::size_t i = 0; i < 4; ++i) {
    const std::size_t j = (i + 1) % 4;
    const QPointF mid = (outer[i] + outer[j]) / 2;
    const QColor a = stone.lighter(static_cast<int>(100 * light[i]));
    const QColor b = stone.lighter(static_cast<int>(100 * light[i] * 0.86));
    p.fillPath(Polygon({outer[i], mid, table[j], table[i]}), a);
    p.fillPath(Polygon({mid, outer[j], table[j]}), b);
  }
  QLinearGradient top(table[3], table[1]);
  top.setColorAt(0, stone.lighter(175));
  top.setColorAt(1, stone.lighter(115));
  p.fillPath(Polygon({table[0], table[1], table[2], table[3]}), top);
  p.setPen(QPen(WithAlpha(Qt::white, 110), 0.35));
  for (std::size_t i = 0; i < 4; ++i) {
    p.drawLine(outer[i], table[i]);
    p.drawLine(table[i], table[(i + 1) % 4]);
  }
  // A glint on the table.
  const QPointF glint = table[3] + (c - table[3]) * 0.45;
  const double g = halfW * 0.22;
  p.fillPath(Polygon({glint + QPointF(0, -g), glint + QPointF(g * 0.22, -g * 0.22),
                      glint + QPointF(g, 0), glint + QPointF(g * 0.22, g * 0.22),
                      glint + QPointF(0, g), glint + QPointF(-g * 0.22, g * 0.22),
                      glint + QPointF(-g, 0), glint + QPointF(-g * 0.22, -g * 0.22)}),
             WithAlpha(Qt::white, 220));
}

}  // namespace

void DrawDiamondBack(QPainter& p, const QSizeF& card, int picture) {
  const QColor stone = Stones[static_cast<std::size_t>(picture % 7)];
  const QColor gold = artgen::palette::Gold;
  const QPointF c(card.width() / 2, card.height() / 2);
  Mirrored(p, card, [&] {
    const QRectF panel = CardStock(p, card, Qt::white, 4);
    const auto shape = RoundedRect(panel, 2.5);
    p.save();
    p.setClipPath(shape, Qt::IntersectClip);
    const double halfW = panel.width() / 10, halfH = halfW * 1.6;
    const QColor dark = Mix(stone, Qt::black, 0.45), light = Mix(stone, Qt::black, 0.18);
    // A chequer turned on its point: lozenges of one row share a shade.
    for (int j = -8; j <= 8; ++j) {
      for (int i = -8; i <= 8; ++i) {
        if ((i + j) % 2 != 0) continue;
        p.fillPath(Lozenge({c.x() + i * halfW, c.y() + j * halfH}, halfW, halfH),
                   j % 2 == 0 ? dark : light);
      }
    }
    p.setPen(QPen(WithAlpha(gold, 150), 0.4));
    for (int j = -8; j <= 8; ++j) {
      for (int i = -8; i <= 8; ++i) {
        if ((i + j) % 2 != 0) continue;
        p.setBrush(Qt::NoBrush);
        p.drawPath(Lozenge({c.x() + i * halfW, c.y() + j * halfH}, halfW, halfH));
        p.setBrush(gold);
        p.drawEllipse(QPointF(c.x() + i * halfW, c.y() + j * halfH - halfH), 0.5, 0.5);
      }
    }
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(gold, 0.9));
    p.drawPath(RoundedRect(panel.adjusted(1.8, 1.8, -1.8, -1.8), 1.8));
    p.setPen(QPen(stone.darker(200), 0.6));
    p.drawPath(shape);

    const double gw = panel.width() * 0.34, gh = gw * 1.5;
    Paint(p, Lozenge(c, gw + 2.4, gh + 3.6), gold, artgen::palette::GoldDark, 0.6);
    Paint(p, Lozenge(c, gw + 1.0, gh + 1.5), artgen::palette::GoldDark, artgen::palette::GoldDark,
          0);
    Gem(p, c, gw, gh, stone);
  });
}

}  // namespace fibwick::packgen
