#include "symbols.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

#include "paint_kit.h"
#include "palette.h"

namespace fibwick::artgen {

namespace {

constexpr double Pi = std::numbers::pi;

// Fills the shape in the ink; holes are cut with the odd-even rule.
void Fill(QPainter& p, QPainterPath path, const QColor& ink) {
  path.setFillRule(Qt::OddEvenFill);
  p.fillPath(path, ink);
}

void Stroke(QPainter& p, const QPainterPath& path, const QColor& ink, double width) {
  p.strokePath(path, QPen(ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

QPainterPath Ellipse(double cx, double cy, double rx, double ry) {
  QPainterPath path;
  path.addEllipse(QPointF(cx, cy), rx, ry);
  return path;
}

QPainterPath Rect(double x, double y, double w, double h, double radius = 0) {
  QPainterPath path;
  path.addRoundedRect(QRectF(x, y, w, h), radius, radius);
  return path;
}

QPainterPath Polygon(std::initializer_list<QPointF> points) {
  QPainterPath path;
  path.addPolygon(QPolygonF(QList<QPointF>(points)));
  path.closeSubpath();
  return path;
}

}  // namespace

void GearSymbol(QPainter& p, const QColor& ink) {
  QPainterPath gear;
  constexpr int Teeth = 8;
  for (int i = 0; i < 4 * Teeth; ++i) {
    const double a = 2 * Pi * i / (4 * Teeth);
    const double r = (i % 4 < 2) ? 38.0 : 29.0;
    const QPointF point(50 + r * std::cos(a), 50 + r * std::sin(a));
    if (i == 0)
      gear.moveTo(point);
    else
      gear.lineTo(point);
  }
  gear.closeSubpath();
  gear.addEllipse(QPointF(50, 50), 12, 12);
  Fill(p, gear, ink);
}

void BookSymbol(QPainter& p, const QColor& ink) {
  QPainterPath pages;
  pages.moveTo(50, 30);
  pages.cubicTo(38, 22, 24, 22, 12, 26);
  pages.lineTo(12, 78);
  pages.cubicTo(24, 74, 38, 74, 50, 82);
  pages.cubicTo(62, 74, 76, 74, 88, 78);
  pages.lineTo(88, 26);
  pages.cubicTo(76, 22, 62, 22, 50, 30);
  pages.closeSubpath();
  Fill(p, pages, ink);
  QPainterPath lines;
  lines.moveTo(50, 32);
  lines.lineTo(50, 78);
  for (const double y : {38.0, 48.0, 58.0}) {
    lines.moveTo(20, y);
    lines.lineTo(42, y + 2);
    lines.moveTo(58, y + 2);
    lines.lineTo(80, y);
  }
  Stroke(p, lines, ink.darker(190), 3);
}

void CupSymbol(QPainter& p, const QColor& ink) {
  QPainterPath cup;
  cup.moveTo(28, 16);
  cup.lineTo(72, 16);
  cup.cubicTo(72, 44, 64, 58, 50, 60);
  cup.cubicTo(36, 58, 28, 44, 28, 16);
  cup.addRect(QRectF(45, 58, 10, 14));
  cup.addRoundedRect(QRectF(32, 72, 36, 12), 3, 3);
  p.fillPath(cup, ink);
  QPainterPath handles;
  handles.moveTo(29, 24);
  handles.cubicTo(12, 22, 12, 44, 34, 46);
  handles.moveTo(71, 24);
  handles.cubicTo(88, 22, 88, 44, 66, 46);
  Stroke(p, handles, ink, 6);
}

void GaugeSymbol(QPainter& p, const QColor& ink) {
  QPainterPath dial;
  dial.moveTo(12, 70);
  dial.arcTo(QRectF(12, 22, 76, 76), 180, -180);
  dial.lineTo(78, 70);
  dial.arcTo(QRectF(22, 32, 56, 56), 0, 180);
  dial.closeSubpath();
  Fill(p, dial, ink);
  const double a = Pi * 0.25;
  QPainterPath needle;
  needle.moveTo(50, 60);
  needle.lineTo(50 + 34 * std::cos(a), 60 - 34 * std::sin(a));
  Stroke(p, needle, ink, 7);
  p.fillPath(Ellipse(50, 60, 8, 8), ink);
}

void CardIdSymbol(QPainter& p, const QColor& ink) {
  QPainterPath card = Rect(10, 24, 80, 54, 8);
  card.addEllipse(QPointF(32, 44), 8, 8);
  QPainterPath shoulders;
  shoulders.moveTo(18, 68);
  shoulders.cubicTo(18, 56, 46, 56, 46, 68);
  shoulders.closeSubpath();
  card.addPath(shoulders);
  card.addRect(QRectF(54, 38, 28, 5));
  card.addRect(QRectF(54, 50, 28, 5));
  card.addRect(QRectF(54, 62, 18, 5));
  Fill(p, card, ink);
}

void PersonSymbol(QPainter& p, const QColor& ink) {
  QPainterPath person = Ellipse(50, 32, 16, 17);
  QPainterPath body;
  body.moveTo(18, 88);
  body.cubicTo(18, 60, 32, 52, 50, 52);
  body.cubicTo(68, 52, 82, 60, 82, 88);
  body.closeSubpath();
  person.addPath(body);
  p.fillPath(person, ink);
}

void TallySymbol(QPainter& p, const QColor& ink) {
  QPainterPath board = Rect(18, 14, 64, 76, 6);
  board.addRect(QRectF(28, 30, 44, 52));
  Fill(p, board, ink);
  p.fillPath(Rect(36, 8, 28, 12, 4), ink);
  QPainterPath marks;
  for (const double x : {34.0, 42.0, 50.0, 58.0}) {
    marks.moveTo(x, 40);
    marks.lineTo(x, 60);
  }
  marks.moveTo(30, 58);
  marks.lineTo(64, 42);
  marks.moveTo(34, 72);
  marks.lineTo(66, 72);
  Stroke(p, marks, ink, 3.5);
}

void BubbleSymbol(QPainter& p, const QColor& ink) {
  QPainterPath bubble = Rect(10, 16, 80, 54, 20);
  bubble.addPath(Polygon({{26, 64}, {22, 88}, {46, 66}}));
  bubble.setFillRule(Qt::WindingFill);
  bubble = bubble.simplified();
  for (const double x : {32.0, 50.0, 68.0}) bubble.addEllipse(QPointF(x, 43), 6, 6);
  Fill(p, bubble, ink);
}

void BarsSymbol(QPainter& p, const QColor& ink) {
  QPainterPath bars;
  bars.addRect(QRectF(16, 56, 16, 28));
  bars.addRect(QRectF(42, 36, 16, 48));
  bars.addRect(QRectF(68, 16, 16, 68));
  bars.addRect(QRectF(10, 86, 80, 5));
  p.fillPath(bars, ink);
}

void QuestionSymbol(QPainter& p, const QColor& ink) {
  QPainterPath hook;
  hook.moveTo(32, 34);
  hook.cubicTo(32, 10, 70, 10, 70, 32);
  hook.cubicTo(70, 48, 50, 48, 50, 64);
  Stroke(p, hook, ink, 13);
  p.fillPath(Ellipse(50, 84, 8, 8), ink);
}

void GlobeSymbol(QPainter& p, const QColor& ink) {
  QPainterPath lines = Ellipse(50, 50, 38, 38);
  lines.addEllipse(QPointF(50, 50), 16, 38);
  lines.moveTo(50, 12);
  lines.lineTo(50, 88);
  lines.moveTo(12, 50);
  lines.lineTo(88, 50);
  lines.moveTo(18, 31);
  lines.lineTo(82, 31);
  lines.moveTo(18, 69);
  lines.lineTo(82, 69);
  Stroke(p, lines, ink, 5);
}

void GiftSymbol(QPainter& p, const QColor& ink) {
  QPainterPath box = Rect(16, 42, 68, 44, 3);
  box.addRect(QRectF(12, 30, 76, 14));
  p.fillPath(box, ink);
  p.fillPath(Rect(45, 30, 10, 56), ink.darker(170));
  QPainterPath bow;
  bow.moveTo(50, 30);
  bow.cubicTo(30, 8, 20, 28, 48, 30);
  bow.moveTo(50, 30);
  bow.cubicTo(70, 8, 80, 28, 52, 30);
  Stroke(p, bow, ink.darker(170), 6);
}

void PhoneSymbol(QPainter& p, const QColor& ink) {
  QPainterPath phone = Rect(28, 8, 44, 84, 9);
  phone.addRect(QRectF(33, 18, 34, 58));
  phone.addEllipse(QPointF(50, 84), 4, 4);
  Fill(p, phone, ink);
  SuitGlyph(p, QString::fromUtf8("\u2660"), QPointF(50, 47), 30, ink);
}

void BagSymbol(QPainter& p, const QColor& ink) {
  QPainterPath bag;
  bag.moveTo(18, 36);
  bag.lineTo(82, 36);
  bag.lineTo(86, 88);
  bag.lineTo(14, 88);
  bag.closeSubpath();
  p.fillPath(bag, ink);
  QPainterPath handle;
  handle.moveTo(36, 44);
  handle.cubicTo(36, 10, 64, 10, 64, 44);
  Stroke(p, handle, ink, 6);
  SuitGlyph(p, QString::fromUtf8("\u2605"), QPointF(50, 62), 30, ink.darker(200));
}

void ExclamationSymbol(QPainter& p, const QColor& ink) {
  p.fillPath(Polygon({{42, 12}, {58, 12}, {55, 66}, {45, 66}}), ink);
  p.fillPath(Ellipse(50, 82, 8, 8), ink);
}

void DoorSymbol(QPainter& p, const QColor& ink) {
  QPainterPath frame = Rect(16, 10, 50, 80, 3);
  frame.addRect(QRectF(24, 18, 34, 64));
  Fill(p, frame, ink);
  QPainterPath arrow;
  arrow.moveTo(40, 50);
  arrow.lineTo(86, 50);
  arrow.moveTo(72, 36);
  arrow.lineTo(88, 50);
  arrow.lineTo(72, 64);
  Stroke(p, arrow, ink, 8);
}

void PencilSymbol(QPainter& p, const QColor& ink) {
  p.save();
  p.translate(50, 50);
  p.rotate(-45);
  QPainterPath pencil = Rect(-30, -9, 52, 18, 2);
  pencil.addPath(Polygon({{22, -9}, {40, 0}, {22, 9}}));
  pencil.setFillRule(Qt::WindingFill);
  p.fillPath(pencil.simplified(), ink);
  p.fillPath(Rect(-40, -9, 8, 18, 3), ink.darker(160));
  p.restore();
}

void InfoSymbol(QPainter& p, const QColor& ink) {
  p.fillPath(Ellipse(50, 22, 9, 9), ink);
  QPainterPath stem = Rect(42, 38, 16, 46, 3);
  stem.addRect(QRectF(34, 38, 12, 8));
  stem.addRect(QRectF(34, 78, 32, 8));
  stem.setFillRule(Qt::WindingFill);
  p.fillPath(stem.simplified(), ink);
}

void RadioSymbol(QPainter& p, const QColor& ink) {
  QPainterPath set = Rect(10, 34, 80, 54, 8);
  set.addEllipse(QPointF(34, 61), 16, 16);
  set.addRect(QRectF(58, 48, 24, 5));
  set.addRect(QRectF(58, 60, 24, 5));
  set.addRect(QRectF(58, 72, 24, 5));
  Fill(p, set, ink);
  p.fillPath(Ellipse(34, 61, 8, 8), ink);
  QPainterPath aerial;
  aerial.moveTo(28, 34);
  aerial.lineTo(70, 10);
  Stroke(p, aerial, ink, 4);
}

void NewsSymbol(QPainter& p, const QColor& ink) {
  QPainterPath sheet = Rect(12, 16, 76, 70, 5);
  sheet.addRect(QRectF(20, 24, 60, 12));
  sheet.addRect(QRectF(20, 42, 26, 22));
  for (const double y : {44.0, 54.0, 64.0, 74.0}) sheet.addRect(QRectF(52, y, 28, 4));
  sheet.addRect(QRectF(20, 70, 26, 4));
  Fill(p, sheet, ink);
}

void StarSymbol(QPainter& p, const QColor& ink) {
  p.fillPath(Star(QPointF(50, 53), 40, 17, 5), ink);
}

void MonitorSymbol(QPainter& p, const QColor& ink) {
  QPainterPath screen = Rect(8, 14, 84, 58, 6);
  screen.addRect(QRectF(15, 21, 70, 44));
  Fill(p, screen, ink);
  p.fillPath(Polygon({{42, 72}, {58, 72}, {62, 84}, {38, 84}}), ink);
  p.fillPath(Rect(28, 84, 44, 6, 3), ink);
}

void PadlockSymbol(QPainter& p, const QColor& ink) {
  QPainterPath shackle;
  shackle.moveTo(30, 46);
  shackle.lineTo(30, 32);
  shackle.cubicTo(30, 6, 70, 6, 70, 32);
  shackle.lineTo(70, 46);
  Stroke(p, shackle, ink, 9);
  QPainterPath body = Rect(18, 44, 64, 46, 8);
  body.addEllipse(QPointF(50, 62), 7, 7);
  body.addRect(QRectF(47, 64, 6, 16));
  Fill(p, body, ink);
}

void PlaySymbol(QPainter& p, const QColor& ink) {
  p.fillPath(Polygon({{30, 16}, {84, 50}, {30, 84}}), ink);
}

void PauseSymbol(QPainter& p, const QColor& ink) {
  p.fillPath(Rect(24, 16, 18, 68, 3), ink);
  p.fillPath(Rect(58, 16, 18, 68, 3), ink);
}

void NextSymbol(QPainter& p, const QColor& ink) {
  p.fillPath(Polygon({{14, 20}, {48, 50}, {14, 80}}), ink);
  p.fillPath(Polygon({{46, 20}, {80, 50}, {46, 80}}), ink);
  p.fillPath(Rect(80, 20, 8, 60), ink);
}

void SpeakerSymbol(QPainter& p, const QColor& ink) {
  p.fillPath(Polygon({{12, 38}, {30, 38}, {52, 18}, {52, 82}, {30, 62}, {12, 62}}), ink);
  QPainterPath waves;
  waves.arcMoveTo(QRectF(40, 30, 30, 40), -50);
  waves.arcTo(QRectF(40, 30, 30, 40), -50, 100);
  waves.arcMoveTo(QRectF(36, 16, 52, 68), -50);
  waves.arcTo(QRectF(36, 16, 52, 68), -50, 100);
  Stroke(p, waves, ink, 6);
}

void SuitGlyph(QPainter& p, const QString& suit, const QPointF& centre, double size,
               const QColor& colour) {
  QFont font("DejaVu Sans");
  font.setPixelSize(100);
  QPainterPath glyph;
  glyph.addText(0, 0, font, suit);
  const QRectF box = glyph.boundingRect();
  const double k = size / std::max(box.width(), box.height());
  QTransform t;
  t.translate(centre.x(), centre.y());
  t.scale(k, k);
  t.translate(-box.center().x(), -box.center().y());
  p.fillPath(t.map(glyph), colour);
}

QFont FitToWidth(QFont font, const QString& text, double width, int smallest) {
  for (int pixels = font.pixelSize(); pixels > smallest; --pixels) {
    font.setPixelSize(pixels);
    QPainterPath path;
    path.addText(0, 0, font, text);
    if (path.boundingRect().width() <= width) break;
  }
  return font;
}

void OutlinedText(QPainter& p, const QRectF& box, const QString& text, const QFont& font,
                  const QBrush& fill, const QColor& outline, double outlineWidth) {
  QPainterPath path;
  path.addText(0, 0, font, text);
  const QRectF bounds = path.boundingRect();
  path.translate(box.center() - bounds.center());
  if (outlineWidth > 0) {
    p.strokePath(path, QPen(outline, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  }
  p.fillPath(path, fill);
}

void Medallion(QPainter& p, const QColor& body, Symbol symbol, const QTransform& turn) {
  QLinearGradient rim(0, 2, 0, 98);
  rim.setColorAt(0, palette::GoldLight);
  rim.setColorAt(0.5, palette::Gold);
  rim.setColorAt(1, palette::GoldDark);
  p.setPen(QPen(palette::GoldDark.darker(150), 1.5));
  p.setBrush(rim);
  p.drawEllipse(QPointF(50, 50), 47, 47);
  QRadialGradient face(QPointF(40, 34), 60);
  face.setColorAt(0, body.lighter(150));
  face.setColorAt(0.6, body);
  face.setColorAt(1, body.darker(170));
  p.setPen(QPen(body.darker(220), 1.2));
  p.setBrush(face);
  p.drawEllipse(QPointF(50, 50), 40, 40);
  p.save();
  p.translate(50, 51);
  p.setTransform(turn, true);
  p.scale(0.58, 0.58);
  p.translate(-50, -50);
  p.translate(2.5, 3);
  symbol(p, WithAlpha(Qt::black, 90));
  p.translate(-2.5, -3);
  symbol(p, palette::Cream);
  p.restore();
  QLinearGradient shine(0, 12, 0, 50);
  shine.setColorAt(0, QColor(255, 255, 255, 120));
  shine.setColorAt(1, QColor(255, 255, 255, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(shine);
  p.drawEllipse(QRectF(22, 12, 56, 34));
}

}  // namespace fibwick::artgen
