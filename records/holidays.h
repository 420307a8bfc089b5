#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// The holidays of the calendar: records read from a ten-language table.
namespace fibwick {

// The order of the kind labels among the calendar texts; All shows no label.
enum class HolidayKind : std::uint8_t { Eng, Rus, Deu, Fra, Isp, Usa, Pra, Kat, All };

// dd.mm.yyyy: the same day every year; year 0 when there is no anniversary to count.
struct FixedDay {
  int day;
  int month;
  int year;
};

enum class Church : std::uint8_t { Orthodox, Catholic };

// pasha.p+39: days after (or before) Easter.
struct EasterDay {
  Church church;
  int offset;
};

// ****w.d.mm: the w-th weekday d (1 Sunday .. 7 Saturday) of a month, LastWeek for the last.
struct WeekdayOfMonth {
  int nth;
  int weekday;
  int month;
};

using HolidayDay = std::variant<FixedDay, EasterDay, WeekdayOfMonth>;

struct HolidayRecord {
  HolidayDay date;
  HolidayKind kind = HolidayKind::All;
  std::string picture;                // drawn on the blank page, from the calendar pack
  std::array<std::string, 10> names;  // Russian first, then English, German, ... Korean
  std::string comment;
};

// One row: date, kind, picture, ten names and a comment, separated by tabs. On failure returns
// nothing and says why in `error`.
std::optional<HolidayRecord> ParseHolidayRecord(std::string_view row, std::string& error);

struct HolidayTable {
  std::vector<HolidayRecord> records;
  std::vector<std::string> errors;  // "line 7: ...", one per row that could not be read
};

// Lines starting with "#" and blank lines are skipped; a bad row is reported and left out.
HolidayTable ReadHolidayTable(std::string_view text);

// The table compiled into the program, and its records read once.
extern const std::string_view BuiltInHolidayTable;
const std::vector<HolidayRecord>& BuiltInHolidays();

// The holiday's name in an interface language (English 0, Russian 1, ...); English outside 0..9.
std::string_view HolidayName(const HolidayRecord& holiday, int language);

}  // namespace fibwick
