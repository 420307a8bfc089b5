#include "records/number_format.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "base/fixed_field.h"

namespace fibwick {
namespace {

std::string FixedWithComma(double x, int decimals) {
  const double scale = std::pow(10.0, decimals);
  // A value that rounds to zero must not print as "-0,00".
  if (std::round(std::fabs(x) * scale) == 0.0) x = 0.0;
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, x);
  std::string text = buffer;
  if (const auto point = text.find('.'); point != std::string::npos) text[point] = ',';
  return text;
}

}  // namespace

std::string FormatFixed6(double x) {
  return PadLeft(FixedWithComma(x, 6), 10);
}

std::string FormatFixed2(int width, double x) {
  return PadLeft(FixedWithComma(x, 2), static_cast<std::size_t>(width > 0 ? width : 0));
}

std::string PadNumber(long long n, int width, char fill) {
  const auto size = static_cast<std::size_t>(width > 0 ? width : 0);
  if (fill == '0' && n < 0) {
    return "-" + PadLeft(std::to_string(-n), size > 0 ? size - 1 : 0, '0');
  }
  return PadLeft(std::to_string(n), size, fill);
}

std::optional<long long> ParseInteger(std::string_view text) {
  text = Trim(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  long long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<double> ParseDecimal(std::string_view text) {
  std::string copy(Trim(text));
  if (const auto comma = copy.find(','); comma != std::string::npos) copy[comma] = '.';
  if (copy.empty() || copy.find_first_not_of("+-.0123456789") != std::string::npos) {
    return std::nullopt;
  }
  char* end = nullptr;
  const double value = std::strtod(copy.c_str(), &end);
  if (end != copy.c_str() + copy.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

}  // namespace fibwick
