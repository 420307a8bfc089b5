#include "online/field_check.h"

namespace fibwick {
namespace {

bool Latin(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool Sign(unsigned char c) {
  return (c >= '0' && c <= '9') ||
         std::string_view("!(),-.@_").find(static_cast<char>(c)) != std::string_view::npos;
}

// А..я, Ё and ё in Windows-1251.
bool Cyrillic(unsigned char c) {
  return c >= 0xC0 || c == 0xA8 || c == 0xB8;
}

}  // namespace

int FieldLevel(std::string_view text, std::size_t maxLength) {
  if (text.size() < 2 || text.size() > maxLength) return 1;
  bool cyrillic = false;
  for (const char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if (Cyrillic(c)) {
      cyrillic = true;
    } else if (!Latin(c) && !Sign(c)) {
      return 1;
    }
  }
  return cyrillic ? 2 : 3;
}

bool ValidNick(std::string_view text) {
  return FieldLevel(text, 12) == 3;
}

}  // namespace fibwick
