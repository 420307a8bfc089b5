#include "ui/compose.h"

#include <QCache>
#include <QPainter>
#include <cstring>

#include "ui/resample.h"

namespace fibwick {

void FillWithBackground(PictureControl& control, const QImage& background) {
  const QSize size(std::max(control.rect.width, 0), std::max(control.rect.height, 0));
  if (control.buffer.size() != size || control.buffer.format() != QImage::Format_RGB32) {
    control.buffer = QImage(size, QImage::Format_RGB32);
  }
  if (size.isEmpty()) return;
  const QRect patch(control.rect.left, control.rect.top, size.width(), size.height());
  const QRect covered = patch.intersected(background.rect());
  if (covered != patch) control.buffer.fill(Qt::black);
  if (covered.isEmpty()) return;
  if (background.format() == QImage::Format_RGB32 || background.format() == QImage::Format_ARGB32) {
    // Row copies: this runs before every redraw of a hand or the pile.
    const int bytes = covered.width() * 4;
    for (int y = covered.top(); y <= covered.bottom(); ++y) {
      std::memcpy(control.buffer.scanLine(y - patch.top()) + (covered.left() - patch.left()) * 4,
                  background.constScanLine(y) + covered.left() * 4, bytes);
    }
    return;
  }
  QPainter painter(&control.buffer);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.drawImage(covered.topLeft() - patch.topLeft(), background, covered);
}

namespace {

// Decorative pictures are resized to the same few control sizes over and over; the result of
// each (picture, size) is kept. A picture's cache key changes whenever its pixels do, so a
// picture made anew for each layout (a tinted caption) leaves copies nobody asks for again: the
// cache holds about one layout's decorations at the largest window, not a session's worth.
QImage ResizedCopy(const QImage& picture, QSize size) {
  static QCache<QString, QImage> cache(2 << 20);  // cost in bytes
  const QString key =
      QStringLiteral("%1/%2x%3").arg(picture.cacheKey()).arg(size.width()).arg(size.height());
  if (const QImage* kept = cache.object(key)) return *kept;
  QImage sized = picture;
  ResizePicture(sized, size.width(), size.height());
  sized = sized.convertToFormat(sized.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                        : QImage::Format_RGB32);
  const auto cost = static_cast<qsizetype>(sized.sizeInBytes());
  cache.insert(key, new QImage(sized), cost);
  return sized;
}

}  // namespace

void DrawResized(QImage& canvas, const QImage& picture, int x, int y, int w, int h) {
  if (picture.isNull()) return;
  // A picture already of the size is drawn as it is; resampling it would only blur it.
  const QImage sized = picture.size() == QSize(w, h) ? picture : ResizedCopy(picture, {w, h});
  QPainter painter(&canvas);
  painter.drawImage(x, y, sized);
}

void ComposeOverBackground(PictureControl& control, const QImage& background,
                           const QImage& picture) {
  FillWithBackground(control, background);
  if (control.buffer.isNull()) return;
  DrawResized(control.buffer, picture, 0, 0, control.buffer.width(), control.buffer.height());
}

}  // namespace fibwick
