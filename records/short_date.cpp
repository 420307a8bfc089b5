#include "records/short_date.h"

#include <locale.h>

#include "base/cp1251.h"
#include "base/fixed_field.h"
#include "records/number_format.h"

namespace fibwick {
namespace {

constexpr std::size_t DateWidth = 10;

std::tm LocalTime(std::time_t moment) {
  std::tm local{};
  ::localtime_r(&moment, &local);
  return local;
}

}  // namespace

std::string LocalShortDate(std::time_t moment) {
  const std::tm local = LocalTime(moment);
  locale_t userLocale = ::newlocale(LC_TIME_MASK, "", static_cast<locale_t>(0));
  if (userLocale == static_cast<locale_t>(0)) {
    userLocale = ::newlocale(LC_TIME_MASK, "C", static_cast<locale_t>(0));
  }
  char buffer[64] = {};
  ::strftime_l(buffer, sizeof buffer, "%x", &local, userLocale);
  ::freelocale(userLocale);
  return std::string(Cut(Utf8ToCp1251(buffer), DateWidth));
}

std::string LocalClockTime(std::time_t moment) {
  const std::tm local = LocalTime(moment);
  return PadLeft(std::to_string(local.tm_hour) + ":" + PadNumber(local.tm_min, 2, '0'), 5);
}

}  // namespace fibwick
