#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "records/calendar_dates.h"
#include "records/holidays.h"

// The main menu's calendar for one day: which pictures of the calendar pack it shows, and their
// texts. Drawing them is the menu's business.
namespace fibwick {

// The blank page: the date is written on it, and every holiday's picture is drawn on a copy.
inline constexpr std::string_view CalendarPagePicture = "R_BASE";
inline constexpr int CalendarMaxPictures = 8;  // the date page included
inline constexpr int DayPointSize = 12;
inline constexpr int MonthPointSize = 8;
inline constexpr int LongMonthPointSize = 7;  // for names of more than eight characters

// Picture 1, the left one.
struct CalendarPage {
  int day = 1;
  bool sunday = false;  // the day is written in red
  std::string month;    // in Russian in the genitive
  int monthPointSize = MonthPointSize;
  std::string hint;
};

// The pictures that take turns on the right.
struct CalendarPicture {
  std::string picture;
  bool onPage = false;  // a holiday: drawn over a copy of the blank page
  std::string hint;
};

struct Calendar {
  CalendarPage page;
  std::vector<CalendarPicture> pictures;  // zodiac sign, Chinese year, then the holidays
};

// The hint of a holiday: its name, then " (80-th anniversary, Russian Festival)" as it applies.
std::string HolidayHint(const HolidayRecord& holiday, int year, int language);

// The calendar of `today`, a valid date (throws std::invalid_argument otherwise); holidays past
// the eighth picture are left out.
Calendar BuildCalendar(const CalendarDate& today, int language,
                       const std::vector<HolidayRecord>& holidays = BuiltInHolidays());

}  // namespace fibwick
