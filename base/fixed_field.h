#pragma once

#include <string>
#include <string_view>

// Fixed-width fields of the data files: names left-aligned, numbers right-aligned.
namespace fibwick {

// Left-aligned in exactly `width` characters: padded with `fill`, or cut.
std::string FitLeft(std::string_view text, std::size_t width, char fill = ' ');

// Right-aligned in at least `width` characters; a longer text is kept whole.
std::string PadLeft(std::string_view text, std::size_t width, char fill = ' ');

// The first `width` characters (all of a shorter text).
std::string_view Cut(std::string_view text, std::size_t width);

// Characters `first`..`last` (1-based, inclusive) as far as the text reaches.
std::string_view Columns(std::string_view text, std::size_t first, std::size_t last);

std::string_view TrimRight(std::string_view text, char blank = ' ');
std::string_view Trim(std::string_view text);

}  // namespace fibwick
