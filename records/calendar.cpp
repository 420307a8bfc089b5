#include "records/calendar.h"

#include <stdexcept>

#include "records/calendar_texts.h"
#include "records/holiday_dates.h"

namespace fibwick {
namespace {

std::size_t Utf8Length(std::string_view text) {
  std::size_t count = 0;
  for (const char c : text) {
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
  }
  return count;
}

CalendarPage Page(const CalendarDate& today, int language) {
  CalendarPage page;
  page.day = today.day;
  page.sunday = Weekday(today) == Sunday;
  page.month = MonthName(today.month, language);
  if (Utf8Length(page.month) > 8) page.monthPointSize = LongMonthPointSize;
  page.hint = DateHint(today, language);
  return page;
}

CalendarPicture SignPicture(const CalendarSign& sign, int language) {
  return {sign.picture, false, std::string(CalendarWord(sign.text, language))};
}

}  // namespace

std::string HolidayHint(const HolidayRecord& holiday, int year, int language) {
  std::string parts;
  if (const auto years = Anniversary(holiday, year)) {
    parts = std::to_string(*years) + std::string(CalendarWord(CalAnniversary, language));
  }
  if (holiday.kind != HolidayKind::All) {
    if (!parts.empty()) parts += ", ";
    parts += HolidayKindLabel(static_cast<int>(holiday.kind), language);
  }
  std::string hint(HolidayName(holiday, language));
  if (!parts.empty()) hint += " (" + parts + ")";
  return hint;
}

Calendar BuildCalendar(const CalendarDate& today, int language,
                       const std::vector<HolidayRecord>& holidays) {
  if (!IsValidDate(today)) throw std::invalid_argument("no such date");
  Calendar calendar{Page(today, language), {}};
  calendar.pictures.push_back(SignPicture(ZodiacSign(today.day, today.month), language));
  calendar.pictures.push_back(SignPicture(ChineseYear(today.year), language));
  for (const auto& holiday : holidays) {
    if (static_cast<int>(calendar.pictures.size()) + 1 >= CalendarMaxPictures) break;
    if (HolidayDate(holiday, today.year) != today) continue;
    calendar.pictures.push_back(
        {holiday.picture, true, HolidayHint(holiday, today.year, language)});
  }
  return calendar;
}

}  // namespace fibwick
