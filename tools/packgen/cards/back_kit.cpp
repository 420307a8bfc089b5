#include "back_kit.h"

#include <QFontDatabase>
#include <QRadialGradient>
#include <QTransform>

namespace fibwick::packgen {

namespace {

const QString EmojiFamily = QStringLiteral("Noto Color Emoji");

// The font's colour glyphs are bitmaps of one size; drawn large once and cropped to what they
// cover, they are then scaled down smoothly to the pixels they take on the card.
QImage EmojiPicture(const QString& emoji) {
  constexpr int Size = 160;
  QImage image(Size, Size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  {
    QPainter p(&image);
    QFont font(EmojiFamily);
    font.setPixelSize(128);
    p.setFont(font);
    p.drawText(QRect(0, 0, Size, Size), Qt::AlignCenter, emoji);
  }
  QRect covered;
  for (int y = 0; y < Size; ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < Size; ++x) {
      if (qAlpha(line[x]) > 8) covered |= QRect(x, y, 1, 1);
    }
  }
  return image.copy(covered);
}

}  // namespace

QRectF CardStock(QPainter& p, const QSizeF& card, const QColor& stock, double border) {
  p.fillRect(QRectF(QPointF(0, 0), card), stock);
  return QRectF(QPointF(0, 0), card).adjusted(border, border, -border, -border);
}

QPainterPath LitPanel(QPainter& p, const QSizeF& card, const QColor& ground, int lift) {
  QPainterPath panel;
  panel.addRoundedRect(CardStock(p, card, Qt::white, 4), 2.5, 2.5);
  QRadialGradient light(QPointF(card.width() / 2, card.height() / 2), card.height() * 0.6);
  light.setColorAt(0, ground.lighter(100 + lift));
  light.setColorAt(1, ground.darker(100 + lift));
  p.fillPath(panel, light);
  return panel;
}

void Strew(const QSizeF& card, const std::function<void(const QPointF&)>& place) {
  const QPointF c(card.width() / 2, card.height() / 2);
  for (int row = 0; row < 6; ++row) {
    for (double x = c.x() + (row % 2 ? 0 : 4.5) - 45; x < card.width() + 4; x += 9) {
      place({x, c.y() - 4 - 8 * row});
    }
  }
}

namespace {

void HalfTwice(QPainter& p, const QSizeF& card, const QTransform& other,
               const std::function<void()>& draw) {
  const QRectF upper(0, 0, card.width(), card.height() / 2);
  for (const QTransform& t : {QTransform(), other}) {
    p.save();
    p.setTransform(t, true);
    p.setClipRect(upper, Qt::IntersectClip);
    draw();
    p.restore();
  }
}

}  // namespace

void Mirrored(QPainter& p, const QSizeF& card, const std::function<void()>& draw) {
  HalfTwice(p, card, QTransform(1, 0, 0, -1, 0, card.height()), draw);
}

void Turned(QPainter& p, const QSizeF& card, const std::function<void()>& draw) {
  HalfTwice(p, card, QTransform(-1, 0, 0, -1, card.width(), card.height()), draw);
}

bool EmojiFontPresent() {
  return QFontDatabase::families().contains(EmojiFamily);
}

void DrawEmoji(QPainter& p, const QRectF& box, const QString& emoji) {
  const QImage picture = EmojiPicture(emoji);
  if (picture.isNull()) return;
  const QSizeF fitted = QSizeF(picture.size()).scaled(box.size(), Qt::KeepAspectRatio);
  const QRectF target(box.center() - QPointF(fitted.width(), fitted.height()) / 2, fitted);
  const QRect pixels = p.transform().mapRect(target).toAlignedRect();
  p.drawImage(target, picture.scaled(pixels.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

QPainterPath Polygon(std::initializer_list<QPointF> points) {
  QPainterPath path;
  path.addPolygon(QPolygonF(QList<QPointF>(points)));
  path.closeSubpath();
  return path;
}

QPainterPath Circle(const QPointF& centre, double radius) {
  QPainterPath path;
  path.addEllipse(centre, radius, radius);
  return path;
}

QPainterPath Placed(const QPainterPath& shape, const QPointF& centre, double scale,
                    double degrees) {
  QTransform t;
  t.translate(centre.x(), centre.y());
  t.rotate(degrees);
  t.scale(scale, scale);
  return t.map(shape);
}

void Paint(QPainter& p, const QPainterPath& shape, const QBrush& fill, const QColor& line,
           double width) {
  p.fillPath(shape, fill);
  if (width > 0) p.strokePath(shape, QPen(line, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

}  // namespace fibwick::packgen
