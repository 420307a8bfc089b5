#pragma once

#include <string>
#include <string_view>

#include "records/calendar_dates.h"
#include "records/calendar_words.h"

// The calendar's own words in the ten interface languages, and the signs of a date.
namespace fibwick {

// A language outside 0..9 reads as English, as in the message catalogue.
std::string_view CalendarWord(CalendarText text, int language);

std::string_view MonthName(int month, int language);

// The name of the holiday kind label, ENG..KAT in their order (0..7).
std::string_view HolidayKindLabel(int kindIndex, int language);

struct CalendarSign {
  std::string picture;  // in the calendar pack
  CalendarText text;
};

// The zodiac sign of the day: "R_01" Aries .. "R_12" Pisces.
CalendarSign ZodiacSign(int day, int month);

// The animal of the calendar year alone: the Chinese new year moves, the picture does not.
CalendarSign ChineseYear(int year);

// The date written out for the page's hint, e.g. "May 9, 2025" or "9 мая 2025 г.".
std::string DateHint(const CalendarDate& date, int language);

}  // namespace fibwick
