#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Readers of the service's short text replies. A reply is Windows-1251 text whose meaning lies
// in two-letter result words, `$` and `*` delimiters and separated fields; line breaks mean
// nothing.
namespace fibwick {

// Anywhere in the reply, even inside a word: "Book saved" holds "ok".
bool ReplyHas(std::string_view reply, std::string_view marker);

// The text after the first `$`, up to the next `$` or to the end.
std::optional<std::string> ReplyRecord(std::string_view reply);

// The records of a list reply: each starts after a `$` and runs to the next `*` or the end.
std::vector<std::string> ReplyRecords(std::string_view reply, std::size_t limit);

// The digits right after the last `$` that is not the reply's final character.
std::optional<int> ReplyNumber(std::string_view reply);

// Field 0 is always empty; the record's own fields are 1, 2, 3, ...; two separators in a row
// give an empty field that keeps its number.
std::vector<std::string> SplitFields(std::string_view record, char separator);

// A decimal field of any width as a 32-bit integer; nothing for anything else.
std::optional<int> ParseServiceInteger(std::string_view text);

// The service writes reals with whatever decimal mark its host uses: the first character that
// is no digit, space or minus is taken as the mark. Empty text gives `emptyValue`; text that
// still does not read is nothing (the request fails).
std::optional<double> ParseServiceReal(std::string_view text, double emptyValue = 0.0);

// Always with a point, "0" for anything nearer zero than 0.00001.
std::string FormatServiceReal(double x);

// A rating as players read it: three decimals after a comma ("12,500").
std::string FormatRating3(double x);

}  // namespace fibwick
