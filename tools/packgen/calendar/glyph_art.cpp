#include "glyph_art.h"

#include <QFontDatabase>
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace fibwick::packgen {
namespace {

// The emoji font holds bitmaps of 136 pixels: drawn at that size they are not scaled twice.
constexpr int GlyphPixels = 136;

QString LoadFamily(const QString& file) {
  const int id = QFontDatabase::addApplicationFont(file);
  const QStringList families = QFontDatabase::applicationFontFamilies(id);
  if (id < 0 || families.isEmpty()) {
    std::fprintf(stderr, "%s: not a usable font\n", qPrintable(file));
    return {};
  }
  return families.first();
}

}  // namespace

bool LoadCalendarFonts(const QStringList& files, CalendarFonts& fonts) {
  if (files.size() < 3) {
    std::fprintf(stderr, "the emoji, symbol and Chinese fonts are not given\n");
    return false;
  }
  fonts = {LoadFamily(files[0]), LoadFamily(files[1]), LoadFamily(files[2])};
  return !fonts.emoji.isEmpty() && !fonts.symbols.isEmpty() && !fonts.chinese.isEmpty();
}

QImage GlyphArt(const QString& text, const QString& family, const QColor& colour) {
  QFont font(family);
  font.setPixelSize(GlyphPixels);
  font.setStyleStrategy(QFont::NoFontMerging);
  QImage canvas(GlyphPixels * 2 * static_cast<int>(text.size()), GlyphPixels * 2,
                QImage::Format_ARGB32_Premultiplied);
  canvas.fill(Qt::transparent);
  {
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(canvas.rect(), Qt::AlignCenter, text);
  }
  int left = canvas.width(), top = canvas.height(), right = -1, bottom = -1;
  for (int y = 0; y < canvas.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
    for (int x = 0; x < canvas.width(); ++x) {
      if (qAlpha(line[x]) == 0) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  if (right < 0) return {};
  return canvas.copy(left, top, right - left + 1, bottom - top + 1);
}

QImage Tinted(const QImage& art, const QColor& colour) {
  QImage out = art.convertToFormat(QImage::Format_ARGB32);
  // The art's middle tone becomes the colour itself; darker parts shade it, lighter ones shine.
  double sum = 0;
  double weight = 0;
  for (int y = 0; y < out.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(out.constScanLine(y));
    for (int x = 0; x < out.width(); ++x) {
      sum += qGray(line[x]) * qAlpha(line[x]);
      weight += qAlpha(line[x]);
    }
  }
  const double middle = weight > 0 ? std::max(1.0, sum / weight) : 128.0;
  for (int y = 0; y < out.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x) {
      const double tone = qGray(line[x]) / middle;
      const double shine = std::pow(std::clamp((tone - 1) / 0.3, 0.0, 1.0), 2);
      const auto channel = [&](int c) {
        return static_cast<int>(std::lround(c * std::min(tone, 1.0) * (1 - shine) + 255 * shine));
      };
      line[x] = qRgba(channel(colour.red()), channel(colour.green()), channel(colour.blue()),
                      qAlpha(line[x]));
    }
  }
  return out;
}

QImage WithoutTile(const QImage& art) {
  const int w = art.width(), h = art.height();
  const auto opaque = [&](double fx, double fy) {
    return qAlpha(art.pixel(static_cast<int>(fx * (w - 1)), static_cast<int>(fy * (h - 1)))) == 255;
  };
  // Flags are opaque to their corners as well, but wider than high.
  const bool square = std::abs(w - h) <= std::max(w, h) / 30;
  if (art.isNull() || !square ||
      !(opaque(0.1, 0.1) && opaque(0.9, 0.1) && opaque(0.1, 0.9) && opaque(0.9, 0.9))) {
    return art;
  }
  QImage out = art.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < h; ++y) {
    auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < w; ++x) {
      const double r = std::hypot((x + 0.5) / w - 0.5, (y + 0.5) / h - 0.5) * 2;
      const double t = std::clamp((r - 0.72) / 0.28, 0.0, 1.0);
      const double keep = 1 - t * t * (3 - 2 * t);
      const auto scaled = [&](int c) { return static_cast<int>(std::lround(c * keep)); };
      line[x] = qRgba(scaled(qRed(line[x])), scaled(qGreen(line[x])), scaled(qBlue(line[x])),
                      scaled(qAlpha(line[x])));
    }
  }
  return out;
}

void DrawFitted(QPainter& p, const QImage& art, const QRectF& box) {
  if (art.isNull()) return;
  const QSizeF fitted = QSizeF(art.size()).scaled(box.size(), Qt::KeepAspectRatio);
  const QImage small = art.scaled(std::max(1, static_cast<int>(std::lround(fitted.width()))),
                                  std::max(1, static_cast<int>(std::lround(fitted.height()))),
                                  Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  const QPointF at(std::round(box.center().x() - small.width() / 2.0),
                   std::round(box.center().y() - small.height() / 2.0));
  p.drawImage(at, small);
}

}  // namespace fibwick::packgen
