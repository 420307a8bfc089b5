#include "records/calendar_texts.h"

#include <array>

#include "records/catalogue.h"

namespace fibwick {
namespace {

struct ZodiacStart {
  int day;
  int month;
};

// The first day of each sign, Aries to Pisces.
constexpr std::array<ZodiacStart, 12> ZodiacStarts = {{{21, 3},
                                                       {21, 4},
                                                       {21, 5},
                                                       {22, 6},
                                                       {23, 7},
                                                       {24, 8},
                                                       {24, 9},
                                                       {24, 10},
                                                       {23, 11},
                                                       {22, 12},
                                                       {21, 1},
                                                       {21, 2}}};

// Indexed by year mod 12: the year 0 would have been a monkey's.
constexpr std::array<std::string_view, 12> YearPictures = {
    "R_VOSMONK", "R_VOSPETU", "R_VOSDOG0", "R_VOSPIG0", "R_VOSKRIS", "R_VOSBULL",
    "R_VOSTIGR", "R_VOSRABB", "R_VOSDRAG", "R_VOSSNAK", "R_VOSHORS", "R_VOSKOZA"};
constexpr int MonkeyAfterRat = 8;  // the texts start with the rat, the year 0 with the monkey

void ReplaceAll(std::string& text, std::string_view key, std::string_view value) {
  for (auto at = text.find(key); at != std::string::npos; at = text.find(key, at + value.size())) {
    text.replace(at, key.size(), value);
  }
}

}  // namespace

std::string_view CalendarWord(CalendarText text, int language) {
  if (language < 0 || language >= LanguageCount) language = 0;
  return CalendarTextTexts[text][language];
}

std::string_view MonthName(int month, int language) {
  return CalendarWord(static_cast<CalendarText>(CalJanuary + month - 1), language);
}

std::string_view HolidayKindLabel(int kindIndex, int language) {
  return CalendarWord(static_cast<CalendarText>(CalKindEng + kindIndex), language);
}

CalendarSign ZodiacSign(int day, int month) {
  // The sign that started last: walk back from this month's start to the previous month's.
  int sign = 0;
  for (int i = 0; i < 12; ++i) {
    if (ZodiacStarts[i].month == month) {
      sign = day >= ZodiacStarts[i].day ? i : (i + 11) % 12;
    }
  }
  const int number = sign + 1;
  return {std::string("R_") + (number < 10 ? "0" : "") + std::to_string(number),
          static_cast<CalendarText>(CalAries + sign)};
}

CalendarSign ChineseYear(int year) {
  const int cycle = year % 12;
  return {std::string(YearPictures[cycle]),
          static_cast<CalendarText>(CalYearRat + (cycle + MonkeyAfterRat) % 12)};
}

std::string DateHint(const CalendarDate& date, int language) {
  std::string text(CalendarWord(CalDateHint, language));
  ReplaceAll(text, "{d}", std::to_string(date.day));
  ReplaceAll(text, "{n}", std::to_string(date.month));
  ReplaceAll(text, "{y}", std::to_string(date.year));
  ReplaceAll(text, "{m}", MonthName(date.month, language));
  return text;
}

}  // namespace fibwick
