#include "records/holiday_dates.h"

#include <string_view>

namespace fibwick {
namespace {

// Programmer's day is the 256th day of the year, so it moves with the leap day.
constexpr std::string_view ProgrammersDay = "День программиста";

std::optional<CalendarDate> FixedDate(const HolidayRecord& holiday, const FixedDay& fixed,
                                      int year) {
  if (holiday.names[0] == ProgrammersDay && IsLeapYear(year)) return CalendarDate{12, 9, year};
  const CalendarDate date{fixed.day, fixed.month, year};
  if (!IsValidDate(date)) return std::nullopt;
  return date;
}

std::optional<CalendarDate> EasterDate(const EasterDay& easter, int year) {
  const auto sunday =
      easter.church == Church::Orthodox ? OrthodoxEaster(year) : CatholicEaster(year);
  return DateOfDayOfYear(DayOfYear(sunday) + easter.offset, year);
}

}  // namespace

std::optional<CalendarDate> HolidayDate(const HolidayRecord& holiday, int year) {
  if (const auto* fixed = std::get_if<FixedDay>(&holiday.date)) {
    return FixedDate(holiday, *fixed, year);
  }
  if (const auto* easter = std::get_if<EasterDay>(&holiday.date)) return EasterDate(*easter, year);
  const auto& weekday = std::get<WeekdayOfMonth>(holiday.date);
  return NthWeekday(weekday.nth, weekday.weekday, weekday.month, year);
}

std::optional<int> Anniversary(const HolidayRecord& holiday, int year) {
  const auto* fixed = std::get_if<FixedDay>(&holiday.date);
  if (fixed == nullptr || fixed->year == 0 || fixed->year >= year) return std::nullopt;
  return year - fixed->year;
}

}  // namespace fibwick
