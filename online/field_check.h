#pragma once

#include <cstddef>
#include <string_view>

// The check of names and other account fields typed by the player (Windows-1251 text).
namespace fibwick {

// 1 invalid, 2 valid with Cyrillic letters, 3 valid without. Invalid: empty, one character,
// longer than `maxLength`, or a character that is no Latin letter, Cyrillic letter or one of
// the signs ! ( ) , - . 0-9 @ _.
int FieldLevel(std::string_view text, std::size_t maxLength);

// A nick: up to 12 characters, Cyrillic not allowed.
bool ValidNick(std::string_view text);

}  // namespace fibwick
