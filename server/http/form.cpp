#include "server/http/form.h"

#include <charconv>

#include "base/cp1251.h"
#include "server/http/percent_decode.h"

namespace fibwick::service {

std::optional<std::string_view> FormFields::Find(std::string_view name) const {
  for (const auto& [key, value] : fields) {
    if (key == name) return value;
  }
  return std::nullopt;
}

std::optional<std::int64_t> FormFields::FindNumber(std::string_view name, std::int64_t min,
                                                   std::int64_t max) const {
  const auto text = Find(name);
  if (!text) return std::nullopt;
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), value);
  if (error != std::errc() || end != text->data() + text->size()) return std::nullopt;
  if (value < min || value > max) return std::nullopt;
  return value;
}

std::optional<FormFields> DecodeForm(std::string_view body) {
  FormFields form;
  while (!body.empty()) {
    const auto end = body.find('&');
    const auto pair = body.substr(0, end);
    body = end == std::string_view::npos ? std::string_view() : body.substr(end + 1);
    if (pair.empty()) continue;
    const auto equals = pair.find('=');
    auto name = PercentDecode(pair.substr(0, equals), true);
    auto value = PercentDecode(
        equals == std::string_view::npos ? std::string_view() : pair.substr(equals + 1), true);
    // A byte the code page does not define could only be stored as a guess.
    if (!name || !value || !DefinedInCp1251(*name) || !DefinedInCp1251(*value)) {
      return std::nullopt;
    }
    form.fields.emplace_back(std::move(*name), std::move(*value));
  }
  return form;
}

}  // namespace fibwick::service
