#include "server/http/reply_writer.h"

#include <algorithm>
#include <limits>

#include "base/cp1251.h"

namespace fibwick::service {

RecordWriter& RecordWriter::Number(std::int64_t value) {
  const std::int64_t capped = std::clamp<std::int64_t>(
      value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max());
  Append(std::to_string(capped));
  return *this;
}

RecordWriter& RecordWriter::Text(std::string_view utf8) {
  std::string field = Utf8ToCp1251(utf8);
  for (char& c : field) {
    if (std::string_view(" $*#~&=\r\n\t").find(c) != std::string_view::npos) c = '_';
  }
  Append(field.empty() ? "-" : field);
  return *this;
}

void RecordWriter::Append(const std::string& field) {
  if (!fields_.empty()) fields_ += ' ';
  fields_ += field;
}

}  // namespace fibwick::service
