#include "ui/calendar_pictures.h"

#include <QFont>
#include <QPainter>

#include "ui/packs.h"

namespace fibwick {
namespace {

constexpr int PageWidth = 60;
constexpr int PageHeight = 100;
constexpr int DayTop = 22;
constexpr int MonthTop = 42;
constexpr QPoint HolidayPictureAt(3, 27);

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Point sizes are meant at the classic 96 dots per inch, whatever the screen says.
QFont PointFont(QFont font, int points) {
  font.setPixelSize((points * 96 + 36) / 72);
  return font;
}

void WriteCentred(QPainter& painter, int top, const QString& text) {
  const int height = painter.fontMetrics().height();
  painter.drawText(QRect(0, top, PageWidth, height), Qt::AlignHCenter | Qt::AlignTop, text);
}

QImage DatePage(const QImage& blank, const CalendarPage& page, const QFont& font) {
  QImage picture = blank.isNull() ? QImage(PageWidth, PageHeight, QImage::Format_ARGB32)
                                  : blank.convertToFormat(QImage::Format_ARGB32);
  if (blank.isNull()) picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.setPen(page.sunday ? Qt::red : Qt::black);
  painter.setFont(PointFont(font, DayPointSize));
  WriteCentred(painter, DayTop, QString::number(page.day));
  painter.setPen(Qt::black);
  painter.setFont(PointFont(font, page.monthPointSize));
  WriteCentred(painter, MonthTop, FromUtf8(page.month));
  return picture;
}

QImage OnPage(const QImage& blank, const QImage& holiday) {
  if (blank.isNull() || holiday.isNull()) return {};
  QImage picture = blank.convertToFormat(QImage::Format_ARGB32);
  QPainter painter(&picture);
  painter.drawImage(HolidayPictureAt, holiday);
  return picture;
}

}  // namespace

std::optional<CalendarArt> DrawCalendar(const Calendar& calendar, const PackShelf& packs,
                                        const QFont& font) {
  const std::unique_ptr<Pack> pack = packs.Open(CalendarPackName);
  if (!pack) return std::nullopt;
  const QImage blank = pack->Picture(FromUtf8(CalendarPagePicture));
  CalendarArt art;
  art.page = DatePage(blank, calendar.page, font);
  art.pageHint = FromUtf8(calendar.page.hint);
  for (const CalendarPicture& shown : calendar.pictures) {
    const QImage picture = pack->Picture(FromUtf8(shown.picture));
    art.pictures.push_back(shown.onPage ? OnPage(blank, picture) : picture);
    art.hints.push_back(FromUtf8(shown.hint));
  }
  return art;
}

}  // namespace fibwick
