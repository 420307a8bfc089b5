#include "records/catalogue.h"

#include <array>

namespace fibwick {
namespace {

int currentLanguage = 0;

constexpr std::array<std::string_view, LanguageCount> Suffixes = {
    "Eng", "Rus", "Deu", "Fra", "Spa", "Chi", "Ita", "Cze", "Eng", "Eng"};

int Defined(int language) {
  return language >= 0 && language < LanguageCount ? language : 0;
}

}  // namespace

void SetLanguage(int index) {
  currentLanguage = index;
}

int CurrentLanguage() {
  return currentLanguage;
}

std::string_view MessageText(Message message) {
  return MessageText(message, currentLanguage);
}

std::string_view MessageText(Message message, int language) {
  if (message >= MessageCount) return {};
  return MessageTexts[message][Defined(language)];
}

std::string_view LanguageSuffix(int language) {
  return Suffixes[Defined(language)];
}

}  // namespace fibwick
