// The program's own cursors, 32 x 32: the arrow, and the hand, wait and edit cursors as
// films of eight frames named base + "_" + two-digit frame ("CURHAND_00".."CURHAND_07").
// Hot spots: arrow (2, 2), hand (12, 2), wait and edit (16, 16).
#include <QLinearGradient>
#include <cmath>
#include <numbers>

#include "paint_kit.h"
#include "painters.h"
#include "palette.h"
#include "symbols.h"

namespace fibwick::artgen {

namespace {

constexpr int Size = 32;
constexpr int Frames = 8;
constexpr double Pi = std::numbers::pi;

// Cream body with a dark outline and a thin white rim outside it, readable on any colour.
void CursorShape(QPainter& p, const QPainterPath& shape) {
  p.strokePath(shape,
               QPen(WithAlpha(Qt::white, 210), 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  QLinearGradient fill(0, 0, 0, Size);
  fill.setColorAt(0, Qt::white);
  fill.setColorAt(1, palette::CreamShade);
  p.fillPath(shape, fill);
  p.strokePath(shape, QPen(palette::GraphiteDark, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void Arrow(QPainter& p) {
  QPainterPath arrow;
  arrow.moveTo(2, 2);
  arrow.lineTo(2, 25);
  arrow.lineTo(7.5, 20);
  arrow.lineTo(11.5, 29);
  arrow.lineTo(15.5, 27.2);
  arrow.lineTo(11.5, 18.5);
  arrow.lineTo(19, 18.5);
  arrow.closeSubpath();
  CursorShape(p, arrow);
  p.fillPath(QPainterPath([] {
               QPainterPath tip;
               tip.moveTo(3.6, 6);
               tip.lineTo(3.6, 12);
               tip.lineTo(8.6, 11.5);
               tip.closeSubpath();
               return tip;
             }()),
             palette::Gold);
}

// A pointing glove; the finger taps once per film.
void Hand(QPainter& p, int frame) {
  const double press = 1.6 * std::sin(Pi * frame / Frames);
  QPainterPath hand;
  hand.addRoundedRect(QRectF(9.5, 2 + press, 5.5, 17), 2.7, 2.7);
  QPainterPath palm;
  palm.addRoundedRect(QRectF(8, 13 + press, 17, 16 - press), 4.5, 4.5);
  hand = hand.united(palm);
  for (const double x : {15.0, 18.5}) {
    QPainterPath finger;
    finger.addRoundedRect(QRectF(x, 10.5 + press * 0.6, 3.8, 9), 1.9, 1.9);
    hand = hand.united(finger);
  }
  QPainterPath little;
  little.addRoundedRect(QRectF(22, 12.5 + press * 0.6, 3.4, 8), 1.7, 1.7);
  hand = hand.united(little);
  QPainterPath thumb;
  thumb.moveTo(9, 22 + press);
  thumb.cubicTo(6, 18, 3, 15.5, 2.5, 17.5);
  thumb.cubicTo(2, 19.5, 5, 24, 9, 27);
  thumb.closeSubpath();
  hand = hand.united(thumb);
  CursorShape(p, hand);
  p.setPen(QPen(palette::GraphiteLight, 0.8));
  p.drawLine(QPointF(15, 19 + press), QPointF(15, 22 + press));
  p.drawLine(QPointF(18.5, 19 + press), QPointF(18.5, 22 + press));
  p.drawLine(QPointF(22, 19 + press), QPointF(22, 22 + press));
  p.fillRect(QRectF(10, 26, 13, 2.5), palette::Crimson);
}

// A card turning about its upright axis: back, edge, face, edge.
void Wait(QPainter& p, int frame) {
  const double angle = 2 * Pi * frame / Frames;
  const double width = 20 * std::abs(std::cos(angle));
  const bool face = std::cos(angle) < 0;
  const QRectF card(16 - std::max(width, 1.6) / 2, 3, std::max(width, 1.6), 26);
  p.setPen(QPen(palette::GraphiteDark, 1.2));
  p.setBrush(face ? palette::Cream : palette::Crimson);
  p.drawRoundedRect(card, 2.5, 2.5);
  p.save();
  p.translate(card.center());
  p.scale(std::max(width, 1.6) / 20, 1);
  if (face) {
    SuitGlyph(p, QString::fromUtf8("\u2665"), QPointF(0, 0), 12, palette::Crimson);
  } else {
    p.setPen(QPen(palette::Gold, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(-7, -10, 14, 20), 1.5, 1.5);
    SuitGlyph(p, QString::fromUtf8("\u2666"), QPointF(0, 0), 8, palette::Gold);
  }
  p.restore();
}

// An I-beam with a gold glint running along its stem.
void Edit(QPainter& p, int frame) {
  QPainterPath beam;
  beam.moveTo(11, 5);
  beam.cubicTo(14, 5, 16, 6, 16, 8);
  beam.cubicTo(16, 6, 18, 5, 21, 5);
  beam.moveTo(16, 8);
  beam.lineTo(16, 24);
  beam.moveTo(11, 27);
  beam.cubicTo(14, 27, 16, 26, 16, 24);
  beam.cubicTo(16, 26, 18, 27, 21, 27);
  beam.moveTo(13, 16);
  beam.lineTo(19, 16);
  p.strokePath(beam, QPen(WithAlpha(Qt::white, 220), 4.2, Qt::SolidLine, Qt::RoundCap));
  p.strokePath(beam, QPen(palette::GraphiteDark, 1.9, Qt::SolidLine, Qt::RoundCap));
  const double y = 8 + 16 * (0.5 - 0.5 * std::cos(2 * Pi * frame / Frames));
  p.setPen(Qt::NoPen);
  p.setBrush(palette::GoldLight);
  p.drawEllipse(QPointF(16, y), 1.6, 1.6);
  p.setBrush(WithAlpha(palette::Gold, 110));
  p.drawEllipse(QPointF(16, y), 3.2, 3.2);
}

void AddFilm(ArtSet& set, const QString& name, void (*draw)(QPainter&, int)) {
  for (int frame = 0; frame < Frames; ++frame) {
    set.Add(FrameName(name, frame),
            DrawScaled(Size, Size, 1.0, [&](QPainter& p) { draw(p, frame); }));
  }
}

}  // namespace

void AddCursors(ArtSet& set) {
  set.SetGroup("Cursors (32 x 32; films of 8 frames)");
  set.Add("CURARROW", DrawScaled(Size, Size, 1.0, Arrow));
  AddFilm(set, "CURHAND", Hand);
  AddFilm(set, "CURWAIT", Wait);
  AddFilm(set, "CUREDIT", Edit);
}

}  // namespace fibwick::artgen
