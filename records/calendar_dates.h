#pragma once

#include <optional>

// Gregorian dates for the holiday calendar: leap years, weekdays and the movable feasts.
namespace fibwick {

struct CalendarDate {
  int day = 1;
  int month = 1;
  int year = 2000;
  friend bool operator==(const CalendarDate&, const CalendarDate&) = default;
};

// Weekdays as the holiday rules count them.
inline constexpr int Sunday = 1;
inline constexpr int Monday = 2;
inline constexpr int Thursday = 5;
inline constexpr int Saturday = 7;

bool IsLeapYear(int year);
int DaysInMonth(int month, int year);
int DaysInYear(int year);

// Years 1 to 9999, months 1 to 12, days that the month has.
bool IsValidDate(const CalendarDate& date);

// 1 = Sunday .. 7 = Saturday, in the proleptic Gregorian calendar.
int Weekday(const CalendarDate& date);

// 1 for the first of January.
int DayOfYear(const CalendarDate& date);

// The date of a day of the year; none outside 1 .. DaysInYear(year).
std::optional<CalendarDate> DateOfDayOfYear(int dayOfYear, int year);

// Orthodox Easter: the Julian computus, moved into the Gregorian calendar.
CalendarDate OrthodoxEaster(int year);

// Catholic Easter: the Gregorian computus.
CalendarDate CatholicEaster(int year);

// The nth (1..5) weekday of a month, or its last one with LastWeek; none when the month has no
// fifth such day.
inline constexpr int LastWeek = 0;
std::optional<CalendarDate> NthWeekday(int nth, int weekday, int month, int year);

}  // namespace fibwick
