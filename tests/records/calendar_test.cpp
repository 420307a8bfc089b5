#include "records/calendar.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "records/calendar_texts.h"
#include "records/holiday_dates.h"

namespace fibwick {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

constexpr int English = 0;
constexpr int Russian = 1;
constexpr int German = 2;
constexpr int Chinese = 5;

// Day number of the Julian Day count, for the independent Easter computations below.
int JulianDayFromJulian(int day, int month, int year) {
  const int a = (14 - month) / 12;
  const int y = year + 4800 - a;
  const int m = month + 12 * a - 3;
  return day + (153 * m + 2) / 5 + 365 * y + y / 4 - 32083;
}

CalendarDate GregorianFromJulianDay(int julianDay) {
  const int a = julianDay + 32044;
  const int b = (4 * a + 3) / 146097;
  const int c = a - 146097 * b / 4;
  const int d = (4 * c + 3) / 1461;
  const int e = c - 1461 * d / 4;
  const int m = (5 * e + 2) / 153;
  return {e - (153 * m + 2) / 5 + 1, m + 3 - 12 * (m / 10), 100 * b + d - 4800 + m / 10};
}

// Meeus's Julian algorithm, then through the Julian Day count into the Gregorian calendar.
CalendarDate MeeusOrthodoxEaster(int year) {
  const int d = (19 * (year % 19) + 15) % 30;
  const int e = (2 * (year % 4) + 4 * (year % 7) - d + 34) % 7;
  const int month = (d + e + 114) / 31;
  const int day = (d + e + 114) % 31 + 1;
  return GregorianFromJulianDay(JulianDayFromJulian(day, month, year));
}

// The "anonymous Gregorian algorithm" (Meeus, Jones, Butcher).
CalendarDate AnonymousCatholicEaster(int year) {
  const int a = year % 19, b = year / 100, c = year % 100;
  const int d = b / 4, e = b % 4, f = (b + 8) / 25, g = (b - f + 1) / 3;
  const int h = (19 * a + b - d - g + 15) % 30;
  const int i = c / 4, k = c % 4;
  const int l = (32 + 2 * e + 2 * i - h - k) % 7;
  const int m = (a + 11 * h + 22 * l) / 451;
  return {(h + l - 7 * m + 114) % 31 + 1, (h + l - 7 * m + 114) / 31, year};
}

std::vector<std::string> HolidayHints(const CalendarDate& date, int language = English) {
  std::vector<std::string> hints;
  for (const auto& picture : BuildCalendar(date, language).pictures) {
    if (picture.onPage) hints.push_back(picture.hint);
  }
  return hints;
}

const HolidayRecord& BuiltIn(std::string_view englishName) {
  for (const auto& holiday : BuiltInHolidays()) {
    if (HolidayName(holiday, English) == englishName) return holiday;
  }
  throw std::logic_error("no built-in holiday " + std::string(englishName));
}

HolidayRecord Parsed(const std::string& date, const std::string& kind = "ALL") {
  std::string row = date + "\t" + kind + "\tR_TESTPIC";
  for (int i = 0; i < 10; ++i) row += "\tname " + std::to_string(i);
  std::string error;
  auto record = ParseHolidayRecord(row + "\t", error);
  if (!record) throw std::logic_error(date + ": " + error);
  return *record;
}

TEST(CalendarDatesTest, EasterMatchesIndependentComputations) {
  for (int year = 1583; year <= 4099; ++year) {
    ASSERT_EQ(OrthodoxEaster(year), MeeusOrthodoxEaster(year)) << year;
    ASSERT_EQ(CatholicEaster(year), AnonymousCatholicEaster(year)) << year;
    ASSERT_EQ(Weekday(OrthodoxEaster(year)), Sunday) << year;
  }
}

TEST(CalendarDatesTest, EasterOfKnownYears) {
  struct Case {
    int year;
    CalendarDate orthodox;
    CalendarDate catholic;
  };
  const Case cases[] = {
      {2024, {5, 5, 2024}, {31, 3, 2024}},  {2025, {20, 4, 2025}, {20, 4, 2025}},
      {2008, {27, 4, 2008}, {23, 3, 2008}}, {2038, {25, 4, 2038}, {25, 4, 2038}},
      {2285, {26, 4, 2285}, {22, 3, 2285}}, {2100, {2, 5, 2100}, {28, 3, 2100}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(OrthodoxEaster(c.year), c.orthodox) << c.year;
    EXPECT_EQ(CatholicEaster(c.year), c.catholic) << c.year;
  }
}

TEST(CalendarDatesTest, WeekdaysAndLeapYears) {
  EXPECT_EQ(Weekday({1, 1, 2000}), Saturday);
  EXPECT_EQ(Weekday({29, 2, 2024}), Thursday);
  EXPECT_EQ(Weekday({11, 5, 2025}), Sunday);
  EXPECT_EQ(Weekday({1, 3, 2100}), Monday);
  EXPECT_TRUE(IsLeapYear(2000));
  EXPECT_TRUE(IsLeapYear(2024));
  EXPECT_FALSE(IsLeapYear(2100));
  EXPECT_FALSE(IsValidDate({29, 2, 2025}));
  EXPECT_EQ(DateOfDayOfYear(60, 2024), (CalendarDate{29, 2, 2024}));
  EXPECT_EQ(DateOfDayOfYear(366, 2025), std::nullopt);
}

TEST(HolidayDatesTest, FeastsAroundOrthodoxEasterKeepTheirWeekdays) {
  const auto& palmSunday = BuiltIn("The entry into Jerusalem");
  const auto& ascension = BuiltIn("Ascension Of Our Lord");
  const auto& trinity = BuiltIn("Trinity Sunday");
  EXPECT_EQ(HolidayDate(palmSunday, 2025), (CalendarDate{13, 4, 2025}));
  EXPECT_EQ(HolidayDate(ascension, 2025), (CalendarDate{29, 5, 2025}));
  EXPECT_EQ(HolidayDate(trinity, 2025), (CalendarDate{8, 6, 2025}));
  for (int year = 1900; year <= 2100; ++year) {
    EXPECT_EQ(Weekday(*HolidayDate(palmSunday, year)), Sunday) << year;
    EXPECT_EQ(Weekday(*HolidayDate(ascension, year)), Thursday) << year;
    EXPECT_EQ(Weekday(*HolidayDate(trinity, year)), Sunday) << year;
  }
}

TEST(HolidayDatesTest, WeekdayRules) {
  EXPECT_EQ(HolidayDate(BuiltIn("Thanksgiving"), 2024), (CalendarDate{28, 11, 2024}));
  EXPECT_EQ(HolidayDate(BuiltIn("Martin Luther King Day"), 2025), (CalendarDate{20, 1, 2025}));
  const auto lastSundayOfMay = Parsed("****l.1.05");
  EXPECT_EQ(HolidayDate(lastSundayOfMay, 2024), (CalendarDate{26, 5, 2024}));
  EXPECT_EQ(HolidayDate(lastSundayOfMay, 2025), (CalendarDate{25, 5, 2025}));
  const auto lastSaturdayOfMay = Parsed("****l.7.05");
  EXPECT_EQ(HolidayDate(lastSaturdayOfMay, 2026), (CalendarDate{30, 5, 2026}));
  const auto fifthFridayOfMay = Parsed("****5.6.05");
  EXPECT_EQ(HolidayDate(fifthFridayOfMay, 2026), (CalendarDate{29, 5, 2026}));
  EXPECT_EQ(HolidayDate(fifthFridayOfMay, 2027), std::nullopt);
}

TEST(HolidayDatesTest, DaysThatDoNotExistThisYearNeverMatch) {
  EXPECT_EQ(HolidayDate(Parsed("29.02.0000"), 2025), std::nullopt);
  EXPECT_EQ(HolidayDate(Parsed("29.02.0000"), 2024), (CalendarDate{29, 2, 2024}));
  // 99 days before a Catholic Easter on 31 March would be in the year before.
  EXPECT_EQ(HolidayDate(Parsed("pasha.k-99"), 2024), std::nullopt);
  EXPECT_EQ(HolidayDate(Parsed("pasha.k-99"), 2025), (CalendarDate{11, 1, 2025}));
}

TEST(HolidayDatesTest, ProgrammersDayIsTheTwoHundredFiftySixthDay) {
  EXPECT_THAT(HolidayHints({12, 9, 2024}), Contains("Programmer`s day"));
  EXPECT_THAT(HolidayHints({13, 9, 2024}), Not(Contains("Programmer`s day")));
  EXPECT_THAT(HolidayHints({13, 9, 2025}), Contains("Programmer`s day"));
  EXPECT_THAT(HolidayHints({12, 9, 2025}), Not(Contains("Programmer`s day")));
}

TEST(CalendarTest, HolidayHints) {
  struct Case {
    CalendarDate date;
    int language;
    std::string hint;
  };
  const Case cases[] = {
      {{9, 5, 2025},
       English,
       "Victory day in Great Patriotic war (80-th anniversary, Russian Festival)"},
      {{9, 5, 2025},
       Russian,
       "День Победы в Великой Отечественной войне (80-летие, Российский праздник)"},
      {{9, 5, 1945}, English, "Victory day in Great Patriotic war (Russian Festival)"},
      {{27, 11, 2025}, English, "Thanksgiving (Holiday United States)"},
      {{28, 11, 2024}, German, "Thanksgiving (Feiertag in den USA)"},
      {{20, 1, 2025}, English, "Martin Luther King Day (Holiday United States)"},
      {{20, 1, 2025}, English, "Inauguration day (Holiday United States)"},
      {{1, 1, 2024}, English, "New Year"},
      {{28, 7, 2025}, Chinese, "罗斯受洗日 (1037周年, 俄罗斯节日)"},
      {{3, 10, 2025}, 15, "Day of German unity (German holiday)"},
  };
  for (const auto& c : cases) {
    EXPECT_THAT(HolidayHints(c.date, c.language), Contains(c.hint))
        << c.date.day << "." << c.date.month << "." << c.date.year;
  }
  EXPECT_THAT(HolidayHints({20, 11, 2025}), Not(Contains(HasSubstr("Thanksgiving"))));
}

TEST(CalendarTest, EasterSundayOfBothChurches) {
  const auto calendar = BuildCalendar({20, 4, 2025}, English);
  EXPECT_EQ(calendar.page.day, 20);
  EXPECT_TRUE(calendar.page.sunday);
  EXPECT_EQ(calendar.page.month, "April");
  EXPECT_EQ(calendar.page.monthPointSize, MonthPointSize);
  EXPECT_EQ(calendar.page.hint, "April 20, 2025");
  ASSERT_EQ(calendar.pictures.size(), 4u);
  const auto& p = calendar.pictures;
  EXPECT_EQ(p[0].picture, "R_01");
  EXPECT_EQ(p[0].hint, "Aries");
  EXPECT_FALSE(p[0].onPage);
  EXPECT_EQ(p[1].picture, "R_VOSSNAK");
  EXPECT_EQ(p[1].hint, "Year Of The Snake");
  EXPECT_EQ(p[2].picture, "R_EASTERP");
  EXPECT_EQ(p[2].hint, "Easter (The Orthodox holiday)");
  EXPECT_TRUE(p[2].onPage);
  EXPECT_EQ(p[3].picture, "R_EASTERK");
  EXPECT_EQ(p[3].hint, "Easter (Catholic feast)");
}

TEST(CalendarTest, DatePage) {
  const auto september = BuildCalendar({9, 9, 2025}, English).page;
  EXPECT_FALSE(september.sunday);
  EXPECT_EQ(september.monthPointSize, LongMonthPointSize);  // nine letters
  const auto russian = BuildCalendar({9, 9, 2025}, Russian).page;
  EXPECT_EQ(russian.month, "сентября");  // eight letters, sixteen bytes
  EXPECT_EQ(russian.monthPointSize, MonthPointSize);
  EXPECT_EQ(russian.hint, "9 сентября 2025 г.");
  EXPECT_EQ(BuildCalendar({9, 5, 2025}, Chinese).page.hint, "2025年5月9日");
  EXPECT_EQ(BuildCalendar({9, 5, 2025}, 12).page.month, "May");
}

TEST(CalendarTest, ChineseYearGoesByTheCalendarYear) {
  const auto newYear = BuildCalendar({1, 1, 2024}, English);
  EXPECT_EQ(newYear.pictures[1].picture, "R_VOSDRAG");
  EXPECT_EQ(newYear.pictures[1].hint, "Year Of The Dragon");
  struct Case {
    int year;
    std::string picture;
    CalendarText text;
  };
  const Case cases[] = {{2020, "R_VOSKRIS", CalYearRat},    {2021, "R_VOSBULL", CalYearOx},
                        {2016, "R_VOSMONK", CalYearMonkey}, {2017, "R_VOSPETU", CalYearRooster},
                        {2019, "R_VOSPIG0", CalYearPig},    {2027, "R_VOSKOZA", CalYearGoat}};
  for (const auto& c : cases) {
    EXPECT_EQ(ChineseYear(c.year).picture, c.picture) << c.year;
    EXPECT_EQ(ChineseYear(c.year).text, c.text) << c.year;
  }
}

TEST(CalendarTest, ZodiacSignBoundaries) {
  struct Case {
    int day;
    int month;
    std::string picture;
    CalendarText text;
  };
  const Case cases[] = {
      {20, 3, "R_12", CalPisces},       {21, 3, "R_01", CalAries},
      {21, 6, "R_03", CalGemini},       {22, 6, "R_04", CalCancer},
      {23, 9, "R_06", CalVirgo},        {24, 9, "R_07", CalLibra},
      {21, 12, "R_09", CalSagittarius}, {22, 12, "R_10", CalCapricorn},
      {1, 1, "R_10", CalCapricorn},     {20, 1, "R_10", CalCapricorn},
      {21, 1, "R_11", CalAquarius},     {29, 2, "R_12", CalPisces},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ZodiacSign(c.day, c.month).picture, c.picture) << c.day << "." << c.month;
    EXPECT_EQ(ZodiacSign(c.day, c.month).text, c.text) << c.day << "." << c.month;
  }
}

TEST(CalendarTest, AtMostEightPictures) {
  std::vector<HolidayRecord> crowded;
  for (int i = 0; i < 7; ++i) crowded.push_back(Parsed("01.01.0000"));
  EXPECT_EQ(BuildCalendar({1, 1, 2025}, English, crowded).pictures.size(),
            static_cast<std::size_t>(CalendarMaxPictures - 1));
}

TEST(CalendarTest, ImpossibleDatesAreRefused) {
  EXPECT_THROW(BuildCalendar({29, 2, 2025}, English), std::invalid_argument);
  EXPECT_THROW(BuildCalendar({1, 13, 2025}, English), std::invalid_argument);
  EXPECT_THROW(BuildCalendar({0, 1, 2025}, English), std::invalid_argument);
}

TEST(HolidayTableTest, BuiltInTableReadsWhole) {
  const auto table = ReadHolidayTable(BuiltInHolidayTable);
  EXPECT_THAT(table.errors, ElementsAre());
  EXPECT_EQ(table.records.size(), 81u);
  for (const auto& holiday : table.records) {
    for (const auto& name : holiday.names) EXPECT_FALSE(name.empty()) << holiday.picture;
    EXPECT_TRUE(HolidayDate(holiday, 2024) && HolidayDate(holiday, 2025)) << holiday.picture;
  }
}

TEST(HolidayTableTest, NamesFollowTheInterfaceLanguages) {
  const auto& victory = BuiltIn("Victory day in Great Patriotic war");
  EXPECT_EQ(HolidayName(victory, Russian), "День Победы в Великой Отечественной войне");
  EXPECT_EQ(HolidayName(victory, German), "Tag des Sieges im Großen Vaterländischen Krieg");
  EXPECT_EQ(HolidayName(victory, -1), "Victory day in Great Patriotic war");
  EXPECT_EQ(HolidayName(victory, 10), "Victory day in Great Patriotic war");
}

TEST(HolidayTableTest, BadRowsAreReportedAndSkipped) {
  const std::string names = "\ta\tb\tc\td\te\tf\tg\th\ti\tj";
  const std::string text =
      "# a comment\n"
      "\n"
      "01.05.0000\tALL\tR_LABORDY" +
      names +
      "\tcomment\r\n"
      "31.02.0000\tALL\tR_NOWHERE" +
      names +
      "\t\n"
      "01.05.0000\tXYZ\tR_LABORDY" +
      names +
      "\t\n"
      "pasha.x000\tPRA\tR_EASTERP" +
      names +
      "\t\n"
      "pasha.p+7\tPRA\tR_EASTERP" +
      names +
      "\t\n"
      "****0.1.05\tUSA\tR_NOWHERE" +
      names +
      "\t\n"
      "****2.8.05\tUSA\tR_NOWHERE" +
      names +
      "\t\n"
      "01.05.0000\tALL\t" +
      names +
      "\t\n"
      "01.05.0000\tALL\tR_LABORDY\ta\tb\n"
      "****l.2.05\tUSA\tR_MEMORIA" +
      names;  // the comment may be left off
  const auto table = ReadHolidayTable(text);
  ASSERT_EQ(table.records.size(), 2u);
  EXPECT_EQ(table.records[0].comment, "comment");
  EXPECT_EQ(HolidayName(table.records[0], English), "b");
  EXPECT_EQ(HolidayName(table.records[0], Russian), "a");
  EXPECT_EQ(table.records[1].picture, "R_MEMORIA");
  EXPECT_THAT(
      table.errors,
      ElementsAre("line 4: unknown date \"31.02.0000\"", "line 5: unknown kind \"XYZ\"",
                  "line 6: unknown date \"pasha.x000\"", "line 7: unknown date \"pasha.p+7\"",
                  "line 8: unknown date \"****0.1.05\"", "line 9: unknown date \"****2.8.05\"",
                  "line 10: no picture", StartsWith("line 11: expected a date")));
}

TEST(CalendarTextsTest, EveryTextInTenLanguages) {
  for (int row = 0; row < CalendarTextCount; ++row) {
    for (int language = 0; language < 10; ++language) {
      EXPECT_FALSE(CalendarWord(static_cast<CalendarText>(row), language).empty())
          << "row " << row << ", language " << language;
    }
  }
  EXPECT_EQ(MonthName(5, Russian), "мая");
  EXPECT_EQ(HolidayKindLabel(7, English), "Catholic feast");
}

}  // namespace
}  // namespace fibwick
