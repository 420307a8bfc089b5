// "R_01" .. "R_12": the zodiac signs, each the sign's figure under its symbol on a starry card.
#include <QRadialGradient>
#include <array>
#include <vector>

#include "calendar_art.h"
#include "paint_kit.h"
#include "palette.h"
#include "records/calendar_texts.h"

namespace fibwick::packgen {
namespace {

using namespace artgen;

struct SignArt {
  CalendarText sign;
  const char* symbol;  // drawn as a plain glyph, in gold
  const char* figure;  // the emoji of what the sign is named after
  bool mirroredPair;   // the figure twice, head to tail (the two fishes)
};

const std::array<SignArt, 12> Signs = {{
    {CalAries, "\u2648", "🐏", false},
    {CalTaurus, "\u2649", "🐂", false},
    {CalGemini, "\u264A", "👬", false},
    {CalCancer, "\u264B", "🦀", false},
    {CalLeo, "\u264C", "🦁", false},
    {CalVirgo, "\u264D", "👸", false},
    {CalLibra, "\u264E", "⚖️", false},
    {CalScorpio, "\u264F", "🦂", false},
    {CalSagittarius, "\u2650", "🏹", false},
    {CalCapricorn, "\u2651", "🐐", false},
    {CalAquarius, "\u2652", "🏺", false},
    {CalPisces, "\u2653", "🐟", true},
}};

// Every sign's picture name as the calendar asks for it: the sign of the 1st and of the 28th of
// each month covers all twelve.
SignPictures PicturesOfSigns() {
  SignPictures pictures;
  for (int month = 1; month <= 12; ++month) {
    for (const int day : {1, 28}) {
      const CalendarSign sign = ZodiacSign(day, month);
      pictures[sign.text] = sign.picture;
    }
  }
  return pictures;
}

void DrawSky(QPainter& p, const QRectF& card, unsigned seed) {
  QLinearGradient night(card.topLeft(), card.bottomLeft());
  night.setColorAt(0, QColor(18, 22, 66));
  night.setColorAt(1, QColor(58, 26, 96));
  p.setPen(Qt::NoPen);
  p.setBrush(night);
  p.drawPath(RoundedRect(card, 5));
  for (int i = 0; i < 46; ++i) {
    const double x =
        card.left() + 3 + (ValueNoise(i * 7.1, 3.3, 1, seed) + 1) / 2 * (card.width() - 6);
    const double y =
        card.top() + 3 + (ValueNoise(5.7, i * 6.3, 1, seed) + 1) / 2 * (card.height() - 6);
    const double size = 0.35 + (ValueNoise(i * 3.9, i * 2.1, 1, seed + 1) + 1) * 0.35;
    p.setBrush(QColor(255, 250, 220, 120 + static_cast<int>(size * 100)));
    p.drawEllipse(QPointF(x, y), size, size);
  }
}

void DrawFrame(QPainter& p, const QRectF& card) {
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(palette::Gold, 1.4));
  p.drawPath(RoundedRect(card.adjusted(0.7, 0.7, -0.7, -0.7), 4.5));
  p.setPen(QPen(WithAlpha(palette::GoldLight, 140), 0.6));
  p.drawPath(RoundedRect(card.adjusted(3, 3, -3, -3), 3));
}

void DrawSymbol(QPainter& p, const SignArt& art, const CalendarFonts& fonts, QPointF centre) {
  QRadialGradient disc(centre, 12);
  disc.setColorAt(0, QColor(40, 36, 100));
  disc.setColorAt(1, QColor(14, 14, 48));
  p.setBrush(disc);
  p.setPen(QPen(palette::Gold, 1.2));
  p.drawEllipse(centre, 11.5, 11.5);
  const QImage symbol = GlyphArt(QString::fromUtf8(art.symbol), fonts.symbols, palette::GoldLight);
  DrawFitted(p, symbol, QRectF(centre.x() - 7, centre.y() - 7, 14, 14));
}

void DrawFigure(QPainter& p, const SignArt& art, const CalendarFonts& fonts, const QRectF& box) {
  const QImage figure = GlyphArt(QString::fromUtf8(art.figure), fonts.emoji);
  if (!art.mirroredPair) {
    DrawFitted(p, figure, box);
    return;
  }
  const QRectF upper(box.left(), box.top(), box.width() * 0.72, box.height() / 2);
  DrawFitted(p, figure, upper);
  DrawFitted(p, figure.mirrored(true, false),
             upper.translated(box.width() - upper.width(), box.height() / 2));
}

void DrawTwinkles(QPainter& p, double y) {
  p.setPen(Qt::NoPen);
  p.setBrush(palette::GoldLight);
  for (const double x : {22.0, 30.0, 38.0}) {
    QPainterPath star;
    const double r = x == 30.0 ? 2.6 : 1.8;
    star.moveTo(x, y - r);
    star.quadTo(x, y, x + r, y);
    star.quadTo(x, y, x, y + r);
    star.quadTo(x, y, x - r, y);
    star.quadTo(x, y, x, y - r);
    p.drawPath(star);
  }
}

}  // namespace

bool AddZodiacSigns(PackWriter& pack, const CalendarFonts& fonts) {
  std::vector<CalendarText> signs;
  for (const SignArt& art : Signs) signs.push_back(art.sign);
  return AddSignCards(pack, PicturesOfSigns(), signs, [&](QPainter& p, std::size_t index) {
    const SignArt& art = Signs[index];
    const QRectF whole(0, 0, PageSize.width(), PageSize.height());
    DrawSky(p, whole, 100u + art.sign);
    DrawFrame(p, whole);
    DrawSymbol(p, art, fonts, QPointF(30, 19));
    DrawFigure(p, art, fonts, QRectF(7, 36, 46, 44));
    DrawTwinkles(p, 88.5);
  });
}

}  // namespace fibwick::packgen
