#pragma once

#include <optional>

#include "records/calendar_dates.h"
#include "records/holidays.h"

// Where each holiday falls in a given year.
namespace fibwick {

// None when the rule finds no such day this year (a fifth weekday the month lacks, an offset
// that leaves the year, 29 February in a common year).
std::optional<CalendarDate> HolidayDate(const HolidayRecord& holiday, int year);

// Years since the event, when the record names one and it lies in the past.
std::optional<int> Anniversary(const HolidayRecord& holiday, int year);

}  // namespace fibwick
