// Pictures cut from font glyphs: colour emoji, zodiac signs and Chinese characters, drawn large
// and scaled down smoothly, which looks far better at 16 to 48 pixels than drawing the glyph small.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QStringList>

namespace fibwick::packgen {

struct CalendarFonts {
  QString emoji;    // Noto Color Emoji
  QString symbols;  // DejaVu Sans, for the zodiac signs as plain glyphs
  QString chinese;  // WenQuanYi Micro Hei
};

// Loads the three font files (in that order) for this run; false with a message when one is
// missing or unreadable.
bool LoadCalendarFonts(const QStringList& files, CalendarFonts& fonts);

// The text in that family, cropped to its ink; a null picture when nothing was drawn.
QImage GlyphArt(const QString& text, const QString& family, const QColor& colour = Qt::black);

// The picture tinted: its shading kept, its hue that of `colour` (a red Easter egg).
QImage Tinted(const QImage& art, const QColor& colour);

// A few emoji come on a square tile of their own sky (fireworks, sparklers); on our backdrops the
// square's edge would show, so the tile fades out towards a circle and the burst stays.
QImage WithoutTile(const QImage& art);

// Draws the picture scaled smoothly, its proportions kept, as large as fits the box and centred
// in it.
void DrawFitted(QPainter& p, const QImage& art, const QRectF& box);

}  // namespace fibwick::packgen
