#include "online/reply_readers.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace fibwick {

bool ReplyHas(std::string_view reply, std::string_view marker) {
  return reply.find(marker) != std::string_view::npos;
}

std::optional<std::string> ReplyRecord(std::string_view reply) {
  const std::size_t first = reply.find('$');
  if (first == std::string_view::npos || first + 1 == reply.size()) return std::nullopt;
  const std::size_t next = reply.find('$', first + 1);
  return std::string(reply.substr(
      first + 1, next == std::string_view::npos ? std::string_view::npos : next - first - 1));
}

std::vector<std::string> ReplyRecords(std::string_view reply, std::size_t limit) {
  std::vector<std::string> records;
  std::size_t dollar = reply.find('$');
  while (dollar != std::string_view::npos && records.size() < limit) {
    const std::size_t start = dollar + 1;
    const std::size_t star = reply.find('*', start);
    records.emplace_back(reply.substr(
        start, star == std::string_view::npos ? std::string_view::npos : star - start));
    dollar = reply.find('$', start);
  }
  return records;
}

std::optional<int> ParseServiceInteger(std::string_view text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc{} || stop != end) return std::nullopt;
  return value;
}

std::optional<int> ReplyNumber(std::string_view reply) {
  if (reply.size() < 2) return std::nullopt;
  // The final character is never the `$` the number follows.
  const std::size_t dollar = reply.rfind('$', reply.size() - 2);
  if (dollar == std::string_view::npos) return std::nullopt;
  const std::string_view rest = reply.substr(dollar + 1);
  const std::size_t digits = std::min(rest.find_first_not_of("0123456789"), rest.size());
  return ParseServiceInteger(rest.substr(0, digits));
}

std::vector<std::string> SplitFields(std::string_view record, char separator) {
  std::vector<std::string> fields{std::string()};
  std::size_t start = 0;
  while (true) {
    const std::size_t next = record.find(separator, start);
    if (next == std::string_view::npos) {
      fields.emplace_back(record.substr(start));
      return fields;
    }
    fields.emplace_back(record.substr(start, next - start));
    start = next + 1;
  }
}

std::optional<double> ParseServiceReal(std::string_view text, double emptyValue) {
  if (text.empty()) return emptyValue;
  std::string number(text);
  const std::size_t mark = number.find_first_not_of("0123456789 -");
  if (mark != std::string::npos) number[mark] = '.';
  // Blanks around the number are allowed, as the usual number reading allows them.
  const std::size_t first = number.find_first_not_of(' ');
  if (first == std::string::npos) return std::nullopt;
  const std::size_t last = number.find_last_not_of(' ');
  const char* begin = number.data() + first;
  const char* end = number.data() + last + 1;
  double value = 0.0;
  const auto [stop, error] = std::from_chars(begin, end, value, std::chars_format::fixed);
  if (error != std::errc{} || stop != end) return std::nullopt;
  return value;
}

std::string FormatServiceReal(double x) {
  if (std::fabs(x) < 0.00001) return "0";
  char buffer[64];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, x);
  std::string text(buffer, error == std::errc{} ? end : buffer);
  for (char& c : text) {
    if (c == ',') c = '.';
  }
  return text;
}

std::string FormatRating3(double x) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.3f", x);
  std::string text(buffer);
  if (text == "-0.000") text = "0.000";
  for (char& c : text) {
    if (c == '.') c = ',';
  }
  return text;
}

}  // namespace fibwick
