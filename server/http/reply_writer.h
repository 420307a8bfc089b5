#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The text replies of the form scripts, in Windows-1251: the client looks for two-letter words
// after a '$' and cuts list records at '$' and '*' and their fields at spaces.
namespace fibwick::service {

inline constexpr std::string_view OkReply = "$ ok#";
inline constexpr std::string_view NoReply = "$ no#";

// Builds one record "$field field ... field*".
class RecordWriter {
 public:
  // Capped to the client's 32-bit fields.
  RecordWriter& Number(std::int64_t value);
  // A UTF-8 text, written in Windows-1251 with '_' for every character the client would cut
  // at; an empty text is written as "-" so that the fields after it keep their places.
  RecordWriter& Text(std::string_view utf8);
  std::string Finish() const { return "$" + fields_ + "*"; }

 private:
  void Append(const std::string& field);

  std::string fields_;
};

}  // namespace fibwick::service
