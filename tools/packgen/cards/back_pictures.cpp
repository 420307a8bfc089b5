// The ten-picture sets: one picture of the colour emoji font a back, in a cartouche at each end
// of the card, on a ground that belongs to the set.
#include <QRadialGradient>
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "back_designs.h"
#include "back_kit.h"
#include "paint_kit.h"
#include "palette.h"

namespace fibwick::packgen {

namespace {

using artgen::RoundedRect;
using artgen::WithAlpha;

constexpr double Pi = std::numbers::pi;

struct Motif {
  const char* emoji;  // UTF-8
  QColor ground;
};

using Sprinkle = void (*)(QPainter& p, const QPointF& at, const QColor& ink);

void PawPrint(QPainter& p, const QPointF& at, const QColor& ink) {
  QPainterPath paw;
  paw.addEllipse(at + QPointF(0, 0.6), 1.3, 1.1);
  for (const QPointF toe :
       {QPointF(-1.5, -0.9), QPointF(-0.5, -1.6), QPointF(0.5, -1.6), QPointF(1.5, -0.9)}) {
    paw.addEllipse(at + toe, 0.48, 0.6);
  }
  p.fillPath(paw, ink);
}

void Blossom(QPainter& p, const QPointF& at, const QColor& ink) {
  QPainterPath blossom;
  for (int i = 0; i < 5; ++i) {
    const double a = i * 2 * Pi / 5 - Pi / 2;
    blossom.addEllipse(at + QPointF(std::cos(a), std::sin(a)) * 1.0, 0.8, 0.8);
  }
  blossom.setFillRule(Qt::WindingFill);
  p.fillPath(blossom, ink);
}

void CompassStar(QPainter& p, const QPointF& at, const QColor& ink) {
  p.fillPath(Polygon({at + QPointF(0, -2.4), at + QPointF(0.5, -0.5), at + QPointF(2.4, 0),
                      at + QPointF(0.5, 0.5), at + QPointF(0, 2.4), at + QPointF(-0.5, 0.5),
                      at + QPointF(-2.4, 0), at + QPointF(-0.5, -0.5)}),
             ink);
}

void Confetti(QPainter& p, const QPointF& at, const QColor& ink) {
  p.fillPath(artgen::Star(at, 1.7, 0.7, 5), ink);
}

void PictureBack(QPainter& p, const QSizeF& card, const Motif& motif, Sprinkle sprinkle) {
  const QPointF c(card.width() / 2, card.height() / 2);
  Turned(p, card, [&] {
    const QPainterPath shape = LitPanel(p, card, motif.ground, 18);
    const QRectF panel = shape.boundingRect();
    p.save();
    p.setClipPath(shape, Qt::IntersectClip);
    const QColor faint = WithAlpha(Qt::white, 56);
    Strew(card, [&](const QPointF& at) { sprinkle(p, at, faint); });
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(WithAlpha(Qt::white, 200), 0.8));
    p.drawPath(RoundedRect(panel.adjusted(1.8, 1.8, -1.8, -1.8), 1.8));
    p.setPen(QPen(motif.ground.darker(170), 0.6));
    p.drawPath(shape);

    const QPointF at(c.x(), panel.top() + (c.y() - panel.top()) / 2 + 0.5);
    const double rx = std::min(panel.width() * 0.4, 21.0), ry = 18.5;
    QPainterPath cartouche;
    cartouche.addEllipse(at, rx, ry);
    Paint(p, cartouche, artgen::palette::Gold, artgen::palette::GoldDark, 0.6);
    QRadialGradient cream(at - QPointF(rx * 0.3, ry * 0.4), ry * 1.5);
    cream.setColorAt(0, Qt::white);
    cream.setColorAt(1, artgen::palette::CreamShade);
    QPainterPath inside;
    inside.addEllipse(at, rx - 1.4, ry - 1.4);
    Paint(p, inside, cream, artgen::palette::GoldDark, 0.4);
    const double box = (ry - 1.4) * 1.45;
    DrawEmoji(p, QRectF(at - QPointF(box / 2, box / 2), QSizeF(box, box)),
              QString::fromUtf8(motif.emoji));
  });
}

const Motif& Pick(const std::array<Motif, 10>& motifs, int picture) {
  return motifs[static_cast<std::size_t>(picture % 10)];
}

}  // namespace

void DrawAnimalBack(QPainter& p, const QSizeF& card, int picture) {
  static const std::array<Motif, 10> Animals{{
      {"\U0001F981", {176, 112, 36}},  // lion
      {"\U0001F418", {70, 110, 150}},  // elephant
      {"\U0001F98A", {46, 110, 60}},   // fox
      {"\U0001F43C", {90, 140, 60}},   // panda
      {"\U0001F989", {60, 56, 110}},   // owl
      {"\U0001F42C", {24, 96, 150}},   // dolphin
      {"\U0001F992", {150, 120, 50}},  // giraffe
      {"\U0001F422", {30, 120, 120}},  // turtle
      {"\U0001F99C", {140, 40, 50}},   // parrot
      {"\U0001F43F", {110, 80, 50}},   // chipmunk
  }};
  PictureBack(p, card, Pick(Animals, picture), PawPrint);
}

void DrawFlowerBack(QPainter& p, const QSizeF& card, int picture) {
  static const std::array<Motif, 10> Flowers{{
      {"\U0001F339", {60, 110, 60}},   // rose
      {"\U0001F337", {120, 60, 130}},  // tulip
      {"\U0001F33B", {40, 90, 150}},   // sunflower
      {"\U0001F33C", {150, 70, 90}},   // blossom
      {"\U0001F338", {70, 120, 90}},   // cherry blossom
      {"\U0001F33A", {30, 110, 110}},  // hibiscus
      {"\U0001FAB7", {40, 80, 130}},   // lotus
      {"\U0001FABB", {140, 120, 40}},  // hyacinth
      {"\U0001F490", {110, 50, 70}},   // bouquet
      {"\U0001F3F5", {90, 60, 120}},   // rosette
  }};
  PictureBack(p, card, Pick(Flowers, picture), Blossom);
}

void DrawPlaceBack(QPainter& p, const QSizeF& card, int picture) {
  static const std::array<Motif, 10> Places{{
      {"\U0001F5FC", {40, 90, 150}},   // Tokyo tower
      {"\U0001F5FD", {150, 80, 40}},   // Statue of Liberty
      {"\U0001F3F0", {60, 100, 60}},   // castle
      {"\U0001F54C", {30, 110, 120}},  // mosque
      {"\U000026E9", {130, 40, 40}},   // shrine
      {"\U0001F5FB", {60, 70, 130}},   // Mount Fuji
      {"\U0001F3DD", {20, 120, 150}},  // island
      {"\U0001F30B", {70, 60, 60}},    // volcano
      {"\U0001F3DB", {120, 90, 50}},   // classical building
      {"\U0001F309", {40, 50, 100}},   // bridge at night
  }};
  PictureBack(p, card, Pick(Places, picture), CompassStar);
}

void DrawOtherBack(QPainter& p, const QSizeF& card, int picture) {
  static const std::array<Motif, 10> Others{{
      {"\u26F5", {30, 100, 150}},      // sailing boat
      {"\U0001F682", {120, 50, 40}},   // locomotive
      {"\U0001F3BB", {60, 90, 60}},    // violin
      {"\u2693", {40, 60, 110}},       // anchor
      {"\U0001F3A9", {140, 110, 40}},  // top hat
      {"\U0001F34E", {60, 110, 50}},   // apple
      {"\U0001F308", {70, 90, 150}},   // rainbow
      {"\U0001F680", {50, 40, 90}},    // rocket
      {"\U0001F514", {40, 110, 110}},  // bell
      {"\U0001F388", {110, 60, 120}},  // balloon
  }};
  PictureBack(p, card, Pick(Others, picture), Confetti);
}

}  // namespace fibwick::packgen
