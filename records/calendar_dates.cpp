#include "records/calendar_dates.h"

#include <array>

namespace fibwick {
namespace {

constexpr std::array<int, 12> MonthDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

int PositiveMod(int value, int modulus) {
  return (value % modulus + modulus) % modulus;
}

// Days between the Julian and the Gregorian date of one day from March on: 13 through 2099.
int JulianLag(int year) {
  return year / 100 - year / 400 - 2;
}

CalendarDate DateOfEasterDay(int dayOfYear, int year) {
  // Even with the Julian lag of the year 9999, Easter stays well inside its year.
  return *DateOfDayOfYear(dayOfYear, year);
}

}  // namespace

bool IsLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int month, int year) {
  return MonthDays[month - 1] + (month == 2 && IsLeapYear(year) ? 1 : 0);
}

int DaysInYear(int year) {
  return IsLeapYear(year) ? 366 : 365;
}

bool IsValidDate(const CalendarDate& date) {
  return date.year >= 1 && date.year <= 9999 && date.month >= 1 && date.month <= 12 &&
         date.day >= 1 && date.day <= DaysInMonth(date.month, date.year);
}

int Weekday(const CalendarDate& date) {
  // Sakamoto's method: the year is counted from March so that February's leap day comes last.
  static constexpr std::array<int, 12> Shift = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
  const int year = date.month < 3 ? date.year - 1 : date.year;
  const int sunday0 =
      (year + year / 4 - year / 100 + year / 400 + Shift[date.month - 1] + date.day) % 7;
  return sunday0 + 1;
}

int DayOfYear(const CalendarDate& date) {
  int day = date.day;
  for (int month = 1; month < date.month; ++month) day += DaysInMonth(month, date.year);
  return day;
}

std::optional<CalendarDate> DateOfDayOfYear(int dayOfYear, int year) {
  if (dayOfYear < 1 || dayOfYear > DaysInYear(year)) return std::nullopt;
  int month = 1;
  while (dayOfYear > DaysInMonth(month, year)) dayOfYear -= DaysInMonth(month++, year);
  return CalendarDate{dayOfYear, month, year};
}

CalendarDate OrthodoxEaster(int year) {
  const int leap = IsLeapYear(year) ? 1 : 0;
  const int d = (19 * (year % 19) + 15) % 30;
  const int e = (2 * (year % 4) + 4 * (year % 7) + 6 * d + 6) % 7;
  // March (22 + d + e) of the Julian calendar; the same count runs on into April.
  return DateOfEasterDay(leap + 81 + d + e + JulianLag(year), year);
}

CalendarDate CatholicEaster(int year) {
  const int leap = IsLeapYear(year) ? 1 : 0;
  const int golden = year % 19 + 1;
  const int century = year / 100 + 1;
  const int skippedLeaps = 3 * century / 4 - 12;
  const int moonCorrection = (8 * century + 5) / 25 - 5;
  const int sundayKey = 5 * year / 4 - skippedLeaps - 10;
  int epact = PositiveMod(11 * golden + 20 + moonCorrection - skippedLeaps, 30);
  if ((epact == 25 && golden > 11) || epact == 24) ++epact;
  int fullMoon = 44 - epact;  // a day of March, counted on into April
  if (fullMoon < 21) fullMoon += 30;
  const int sunday = fullMoon + 7 - (sundayKey + fullMoon) % 7;
  return DateOfEasterDay(leap + sunday + 59, year);
}

std::optional<CalendarDate> NthWeekday(int nth, int weekday, int month, int year) {
  if (nth == LastWeek) {
    const int last = DaysInMonth(month, year);
    const int back = PositiveMod(Weekday({last, month, year}) - weekday, 7);
    return CalendarDate{last - back, month, year};
  }
  const int ahead = PositiveMod(weekday - Weekday({1, month, year}), 7);
  const int day = 1 + ahead + 7 * (nth - 1);
  if (day > DaysInMonth(month, year)) return std::nullopt;
  return CalendarDate{day, month, year};
}

}  // namespace fibwick
