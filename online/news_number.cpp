#include "online/news_number.h"

#include "online/reply_readers.h"

namespace fibwick {

int NewsNumber(std::string_view page) {
  constexpr std::string_view Word = "NuvNews";
  const std::size_t at = page.find(Word);
  if (at == std::string_view::npos) return 0;
  const std::string_view digits = page.substr(at + Word.size(), 5);
  if (digits.find_first_not_of("0123456789") != std::string_view::npos) return 0;
  return ParseServiceInteger(digits).value_or(0);
}

}  // namespace fibwick
