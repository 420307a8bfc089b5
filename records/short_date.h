#pragma once

#include <ctime>
#include <string>

// Dates and times as the history files write them.
namespace fibwick {

// The short date of the user's locale (LC_ALL, LC_TIME or LANG: "%x"), in Windows-1251, cut to
// 10 characters: "12/10/26" in the C locale, "10.12.2026" in de_DE.
std::string LocalShortDate(std::time_t moment);

// "hh:nn" with a blank in front of a one-digit hour: " 9:05".
std::string LocalClockTime(std::time_t moment);

}  // namespace fibwick
