#pragma once

#include <string>
#include <string_view>

// Files, wire messages and requests carry Windows-1251 bytes; only the interface speaks UTF-8.
namespace fibwick {

// A byte the code page leaves undefined (0x98) becomes U+FFFD; see DefinedInCp1251.
std::string Cp1251ToUtf8(std::string_view cp1251);

// Whether every byte stands for a character of the code page.
bool DefinedInCp1251(std::string_view bytes);

// A character with no Windows-1251 form becomes '?'; so does each maximal piece of a malformed
// UTF-8 sequence (overlong forms, surrogates, code points past U+10FFFF, stray or missing
// continuation bytes).
std::string Utf8ToCp1251(std::string_view utf8);

}  // namespace fibwick
