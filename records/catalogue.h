#pragma once

#include <cstdint>
#include <string_view>

#include "base/message_ids.h"

// Every text the program shows, in the ten interface languages.
namespace fibwick {

enum class Language : std::uint8_t {
  English,
  Russian,
  German,
  French,
  Spanish,
  Chinese,
  Italian,
  Czech,
  Japanese,
  Korean
};
inline constexpr int LanguageCount = 10;

// Stores any index the settings file can hold; one outside 0..9 reads as English.
void SetLanguage(int index);
int CurrentLanguage();

// The text of a message in the current language, UTF-8.
std::string_view MessageText(Message message);
std::string_view MessageText(Message message, int language);

// Suffix of pictures that carry written words; Japanese and Korean use the English ones.
std::string_view LanguageSuffix(int language);

}  // namespace fibwick
