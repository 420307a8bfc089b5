#include "base/fixed_field.h"

namespace fibwick {

std::string FitLeft(std::string_view text, std::size_t width, char fill) {
  std::string out(Cut(text, width));
  out.resize(width, fill);
  return out;
}

std::string PadLeft(std::string_view text, std::size_t width, char fill) {
  if (text.size() >= width) return std::string(text);
  return std::string(width - text.size(), fill) + std::string(text);
}

std::string_view Cut(std::string_view text, std::size_t width) {
  return text.substr(0, width);
}

std::string_view Columns(std::string_view text, std::size_t first, std::size_t last) {
  if (first == 0 || first > text.size() || last < first) return {};
  return text.substr(first - 1, last - first + 1);
}

std::string_view TrimRight(std::string_view text, char blank) {
  const auto end = text.find_last_not_of(blank);
  return end == std::string_view::npos ? std::string_view{} : text.substr(0, end + 1);
}

std::string_view Trim(std::string_view text) {
  const auto begin = text.find_first_not_of(' ');
  if (begin == std::string_view::npos) return {};
  return TrimRight(text.substr(begin));
}

}  // namespace fibwick
