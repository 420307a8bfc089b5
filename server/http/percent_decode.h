#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace fibwick::service {

// Decodes %XX escapes (two hex digits) and, in form bodies, '+' as a space. A '%' without two
// hex digits after it makes the whole text malformed: nothing.
std::optional<std::string> PercentDecode(std::string_view text, bool plusIsSpace);

}  // namespace fibwick::service
