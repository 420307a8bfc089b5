#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace fibwick::service {

// The name=value pairs of a form body in their order, decoded to Windows-1251 bytes.
struct FormFields {
  std::vector<std::pair<std::string, std::string>> fields;

  // The first field of that name, or nothing.
  std::optional<std::string_view> Find(std::string_view name) const;
  // The first field of that name as a decimal integer in min..max, or nothing.
  std::optional<std::int64_t> FindNumber(std::string_view name, std::int64_t min,
                                         std::int64_t max) const;
};

// Pairs are joined by '&'; a pair without '=' is a name with an empty value; empty pairs are
// skipped. Nothing when an escape is malformed or a byte is not a Windows-1251 character.
std::optional<FormFields> DecodeForm(std::string_view body);

}  // namespace fibwick::service
