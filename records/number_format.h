#pragma once

#include <optional>
#include <string>
#include <string_view>

// Numbers of the data files: decimal comma, right-aligned in fixed widths.
namespace fibwick {

// Six decimals, right-aligned in 10 characters: "  0,000000".
std::string FormatFixed6(double x);

// Two decimals, right-aligned in `width` characters (never cut): "0,05", " -3,50".
std::string FormatFixed2(int width, double x);

// The decimal integer left-padded with `fill` (blank or '0'); never cut. Zero padding keeps the
// sign in front: PadNumber(-5, 4, '0') is "-005".
std::string PadNumber(long long n, int width, char fill = ' ');

// A whole decimal number, blanks around it allowed; nothing for anything else.
std::optional<long long> ParseInteger(std::string_view text);

// A number written by FormatFixed6 or FormatFixed2 (comma or point); nothing for anything else.
std::optional<double> ParseDecimal(std::string_view text);

}  // namespace fibwick
