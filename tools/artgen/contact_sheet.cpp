// One picture showing everything the generator made, grouped and labelled, on a faint
// checker so transparent parts show.
#include <QFont>
#include <QFontMetrics>
#include <algorithm>
#include <vector>

#include "paint_kit.h"
#include "painters.h"

namespace fibwick::artgen {

namespace {

constexpr int SheetWidth = 1800;
constexpr int Margin = 16;
constexpr int Gap = 12;
constexpr int MaxShown = 420;  // wider pictures are shown reduced
constexpr int HeadingHeight = 30;
constexpr int LabelHeight = 28;

struct Placed {
  const Picture* picture;
  QRect area;  // where the picture is shown
};

QSize ShownSize(const QImage& image) {
  if (image.width() <= MaxShown) return image.size();
  return image.size().scaled(MaxShown, MaxShown * 10, Qt::KeepAspectRatio);
}

}  // namespace

QImage ContactSheet(const ArtSet& set) {
  const QFont heading("DejaVu Sans", 13, QFont::Bold);
  const QFont label("DejaVu Sans", 7);
  const QFontMetrics labelMetrics(label);

  std::vector<std::pair<QString, int>> headings;  // text and top
  std::vector<Placed> placed;
  int y = Margin;
  QString group;
  int x = Margin, rowHeight = 0;
  for (const auto& picture : set.Pictures()) {
    const QSize shown = ShownSize(picture.image);
    const int cellWidth =
        std::max(shown.width(), labelMetrics.horizontalAdvance(picture.name + "  000 x 000"));
    if (picture.group != group || x + cellWidth > SheetWidth - Margin) {
      y += rowHeight + (rowHeight ? LabelHeight + Gap : 0);
      x = Margin;
      rowHeight = 0;
      if (picture.group != group) {
        group = picture.group;
        headings.emplace_back(group, y);
        y += HeadingHeight;
      }
    }
    placed.push_back({&picture, QRect(QPoint(x, y), shown)});
    x += cellWidth + Gap;
    rowHeight = std::max(rowHeight, shown.height());
  }
  y += rowHeight + LabelHeight + Margin;

  QImage sheet(SheetWidth, y, QImage::Format_RGB32);
  QPainter p(&sheet);
  for (int ty = 0; ty < sheet.height(); ty += 8)
    for (int tx = 0; tx < sheet.width(); tx += 8)
      p.fillRect(tx, ty, 8, 8, ((tx + ty) / 8) % 2 ? QColor(58, 96, 72) : QColor(66, 106, 80));
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setPen(QColor(255, 236, 160));
  p.setFont(heading);
  for (const auto& [text, top] : headings) p.drawText(Margin, top + 20, text);
  p.setFont(label);
  for (const auto& item : placed) {
    const auto& image = item.picture->image;
    p.drawImage(item.area, image);
    QString text =
        FileName(*item.picture) + QString("  %1 x %2").arg(image.width()).arg(image.height());
    if (item.area.size() != image.size())
      text += QString(" (shown %1%)").arg(100 * item.area.width() / image.width());
    p.setPen(QColor(240, 240, 240));
    p.drawText(item.area.left(), item.area.bottom() + 14, text);
  }
  p.end();
  return sheet;
}

}  // namespace fibwick::artgen
