#pragma once

#include <QImage>
#include <QPainter>
#include <QPoint>
#include <vector>

// Pictures of a table drawn for the tests: a background, flat or textured, and cards on it.
namespace fibwick::testing {

inline constexpr QRgb TableGreen = qRgb(0, 100, 0);
inline constexpr QSize TestCardSize{30, 40};

// A textured background holds far more than 256 colours, as a real table does.
inline QImage TableBackground(QSize size, bool textured) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(TableGreen);
  if (!textured) return image;
  for (int y = 0; y < size.height(); ++y) {
    for (int x = 0; x < size.width(); ++x) {
      image.setPixel(x, y, qRgb((x * 3 + y) % 64, 80 + (x + y * 2) % 70, (x * y) % 48));
    }
  }
  return image;
}

// Cards: white with a red frame and a dark blue pip in the middle.
inline QImage TableWithCards(const QImage& background, const std::vector<QPoint>& cards) {
  QImage image = background.copy();
  QPainter painter(&image);
  for (const QPoint& at : cards) {
    const QRect card(at, TestCardSize);
    painter.fillRect(card, QColor(255, 255, 255));
    painter.setPen(QColor(200, 0, 0));
    painter.drawRect(card.adjusted(0, 0, -1, -1));
    painter.fillRect(QRect(card.center() - QPoint(3, 3), QSize(7, 7)), QColor(0, 0, 128));
  }
  return image;
}

}  // namespace fibwick::testing
