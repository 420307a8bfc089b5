// "R_VOSKRIS" and the others: the animal of the Chinese year on red lacquer in a gold frame,
// under the animal's character on a gold seal.
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

struct YearArt {
  CalendarText year;
  const char* animal;     // emoji
  const char* character;  // its name in Chinese
};

const std::array<YearArt, 12> Years = {{
    {CalYearRat, "🐀", "鼠"},
    {CalYearOx, "🐂", "牛"},
    {CalYearTiger, "🐅", "虎"},
    {CalYearRabbit, "🐇", "兔"},
    {CalYearDragon, "🐉", "龙"},
    {CalYearSnake, "🐍", "蛇"},
    {CalYearHorse, "🐎", "马"},
    {CalYearGoat, "🐐", "羊"},
    {CalYearMonkey, "🐒", "猴"},
    {CalYearRooster, "🐓", "鸡"},
    {CalYearDog, "🐕", "狗"},
    {CalYearPig, "🐖", "猪"},
}};

const QColor Lacquer{206, 30, 36};
const QColor LacquerDark{112, 10, 16};

// Every year's picture name as the calendar asks for it: any twelve years in a row.
SignPictures PicturesOfYears() {
  SignPictures pictures;
  for (int year = 2000; year < 2012; ++year) {
    const CalendarSign sign = ChineseYear(year);
    pictures[sign.text] = sign.picture;
  }
  return pictures;
}

void DrawLacquer(QPainter& p, const QRectF& card) {
  QRadialGradient glow(card.center() - QPointF(0, 8), card.height() * 0.62);
  glow.setColorAt(0, Mix(Lacquer, Qt::white, 0.12));
  glow.setColorAt(0.6, Lacquer);
  glow.setColorAt(1, LacquerDark);
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawPath(RoundedRect(card, 4));
}

// A gold border and, inside it, a line with stepped corners as on a red envelope.
void DrawGoldFrame(QPainter& p, const QRectF& card) {
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(palette::Gold, 1.6));
  p.drawPath(RoundedRect(card.adjusted(0.8, 0.8, -0.8, -0.8), 3.5));
  const QRectF inner = card.adjusted(4, 4, -4, -4);
  constexpr double Step = 3;
  QPainterPath line;
  line.moveTo(inner.left() + Step, inner.top());
  line.lineTo(inner.right() - Step, inner.top());
  line.lineTo(inner.right() - Step, inner.top() + Step);
  line.lineTo(inner.right(), inner.top() + Step);
  line.lineTo(inner.right(), inner.bottom() - Step);
  line.lineTo(inner.right() - Step, inner.bottom() - Step);
  line.lineTo(inner.right() - Step, inner.bottom());
  line.lineTo(inner.left() + Step, inner.bottom());
  line.lineTo(inner.left() + Step, inner.bottom() - Step);
  line.lineTo(inner.left(), inner.bottom() - Step);
  line.lineTo(inner.left(), inner.top() + Step);
  line.lineTo(inner.left() + Step, inner.top() + Step);
  line.closeSubpath();
  p.setPen(QPen(palette::GoldLight, 0.7));
  p.drawPath(line);
}

void DrawSeal(QPainter& p, const YearArt& art, const CalendarFonts& fonts, QPointF centre) {
  QRadialGradient gold(centre - QPointF(3, 3), 13);
  gold.setColorAt(0, palette::GoldLight);
  gold.setColorAt(1, palette::Gold);
  p.setBrush(gold);
  p.setPen(QPen(palette::GoldDark, 0.8));
  p.drawEllipse(centre, 11, 11);
  const QImage character = GlyphArt(QString::fromUtf8(art.character), fonts.chinese, LacquerDark);
  DrawFitted(p, character, QRectF(centre.x() - 7, centre.y() - 7, 14, 14));
}

// Rolling waves along the bottom, as on embroidered hems.
void DrawWaves(QPainter& p, const QRectF& card, double y) {
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(palette::Gold, 0.9));
  QPainterPath waves;
  const double left = card.left() + 9, right = card.right() - 9, width = 7;
  waves.moveTo(left, y);
  for (double x = left; x + width <= right + 0.1; x += width) {
    waves.cubicTo(x + width * 0.25, y - 3.5, x + width * 0.75, y - 3.5, x + width, y);
  }
  p.drawPath(waves);
  p.drawPath(waves.translated(0, 3));
}

}  // namespace

bool AddChineseYears(PackWriter& pack, const CalendarFonts& fonts) {
  std::vector<CalendarText> years;
  for (const YearArt& art : Years) years.push_back(art.year);
  return AddSignCards(pack, PicturesOfYears(), years, [&](QPainter& p, std::size_t index) {
    const YearArt& art = Years[index];
    const QRectF whole(0, 0, PageSize.width(), PageSize.height());
    DrawLacquer(p, whole);
    DrawGoldFrame(p, whole);
    DrawSeal(p, art, fonts, QPointF(30, 20));
    DrawFitted(p, GlyphArt(QString::fromUtf8(art.animal), fonts.emoji), QRectF(8, 36, 44, 42));
    DrawWaves(p, whole, 88);
  });
}

}  // namespace fibwick::packgen
