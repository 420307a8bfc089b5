#pragma once

#include <string>
#include <string_view>

// Files, wire messages and requests carry Windows-1251 bytes; only the interface speaks UTF-8.
namespace fibwick {

std::string Cp1251ToUtf8(std::string_view cp1251);

// A character with no Windows-1251 form becomes '?'; so do malformed UTF-8 sequences.
std::string Utf8ToCp1251(std::string_view utf8);

}  // namespace fibwick
