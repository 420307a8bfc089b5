#include "records/holidays.h"

#include <algorithm>

#include "records/calendar_dates.h"
#include "records/catalogue.h"

namespace fibwick {
namespace {

// The table's kind codes in the order of HolidayKind.
constexpr std::array<std::string_view, 9> KindCodes = {"ENG", "RUS", "DEU", "FRA", "ISP",
                                                       "USA", "PRA", "KAT", "ALL"};
constexpr std::size_t NameCount = 10;
constexpr std::size_t FieldsWithComment = 3 + NameCount + 1;
constexpr std::size_t DateLength = 10;

std::vector<std::string_view> SplitTabs(std::string_view row) {
  std::vector<std::string_view> fields;
  for (;;) {
    const auto tab = row.find('\t');
    fields.push_back(row.substr(0, tab));
    if (tab == std::string_view::npos) return fields;
    row.remove_prefix(tab + 1);
  }
}

std::optional<int> Digits(std::string_view text) {
  if (text.empty()) return std::nullopt;
  int value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

// pasha.p+39, pasha.k-02, pasha.p000
std::optional<HolidayDay> ParseEaster(std::string_view date) {
  if (date[6] != 'p' && date[6] != 'k') return std::nullopt;
  const auto days = Digits(date.substr(8, 2));
  const char sign = date[7];
  if (!days || (sign != '+' && sign != '-' && !(sign == '0' && *days == 0))) return std::nullopt;
  return EasterDay{date[6] == 'p' ? Church::Orthodox : Church::Catholic,
                   sign == '-' ? -*days : *days};
}

// ****3.2.01: the third Monday of January; ****l.1.05: the last Sunday of May.
std::optional<HolidayDay> ParseWeekday(std::string_view date) {
  const auto nth = date[4] == 'l' ? std::optional<int>(LastWeek) : Digits(date.substr(4, 1));
  const auto weekday = Digits(date.substr(6, 1));
  const auto month = Digits(date.substr(8, 2));
  if (date[5] != '.' || date[7] != '.' || !nth || !weekday || !month) return std::nullopt;
  if (*nth > 5 || (*nth == 0 && date[4] != 'l') || *weekday < Sunday || *weekday > Saturday ||
      *month < 1 || *month > 12) {
    return std::nullopt;
  }
  return WeekdayOfMonth{*nth, *weekday, *month};
}

// 09.05.1945 or 01.01.0000; 29.02 is a day of the leap years only.
std::optional<HolidayDay> ParseFixed(std::string_view date) {
  const auto day = Digits(date.substr(0, 2));
  const auto month = Digits(date.substr(3, 2));
  const auto year = Digits(date.substr(6, 4));
  if (date[2] != '.' || date[5] != '.' || !day || !month || !year) return std::nullopt;
  if (*month < 1 || *month > 12 || *day < 1 || *day > DaysInMonth(*month, 2000)) {
    return std::nullopt;
  }
  return FixedDay{*day, *month, *year};
}

std::optional<HolidayDay> ParseDate(std::string_view date) {
  if (date.size() != DateLength) return std::nullopt;
  if (date.starts_with("pasha.")) return ParseEaster(date);
  if (date.starts_with("****")) return ParseWeekday(date);
  return ParseFixed(date);
}

}  // namespace

std::optional<HolidayRecord> ParseHolidayRecord(std::string_view row, std::string& error) {
  const auto fields = SplitTabs(row);
  if (fields.size() != FieldsWithComment && fields.size() != FieldsWithComment - 1) {
    error = "expected a date, a kind, a picture, ten names and a comment, found " +
            std::to_string(fields.size()) + " fields";
    return std::nullopt;
  }
  HolidayRecord record;
  const auto date = ParseDate(fields[0]);
  if (!date) {
    error = "unknown date \"" + std::string(fields[0]) + "\"";
    return std::nullopt;
  }
  record.date = *date;
  const auto kind = std::find(KindCodes.begin(), KindCodes.end(), fields[1]);
  if (kind == KindCodes.end()) {
    error = "unknown kind \"" + std::string(fields[1]) + "\"";
    return std::nullopt;
  }
  record.kind = static_cast<HolidayKind>(kind - KindCodes.begin());
  if (fields[2].empty()) {
    error = "no picture";
    return std::nullopt;
  }
  record.picture = fields[2];
  for (std::size_t i = 0; i < NameCount; ++i) record.names[i] = fields[3 + i];
  if (fields.size() == FieldsWithComment) record.comment = fields.back();
  return record;
}

HolidayTable ReadHolidayTable(std::string_view text) {
  HolidayTable table;
  for (int number = 1; !text.empty(); ++number) {
    const auto end = text.find('\n');
    auto line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (line.empty() || line.starts_with('#')) continue;
    std::string error;
    if (auto record = ParseHolidayRecord(line, error)) {
      table.records.push_back(std::move(*record));
    } else {
      table.errors.push_back("line " + std::to_string(number) + ": " + error);
    }
  }
  return table;
}

const std::vector<HolidayRecord>& BuiltInHolidays() {
  static const std::vector<HolidayRecord> records = ReadHolidayTable(BuiltInHolidayTable).records;
  return records;
}

std::string_view HolidayName(const HolidayRecord& holiday, int language) {
  if (language < 0 || language >= LanguageCount) language = 0;
  // The records put Russian before English; the interface has English first.
  constexpr std::array<int, 10> Column = {1, 0, 2, 3, 4, 5, 6, 7, 8, 9};
  return holiday.names[Column[language]];
}

}  // namespace fibwick
