#pragma once

#include <QImage>
#include <QString>
#include <optional>
#include <string_view>
#include <vector>

#include "records/calendar.h"

class QFont;

// The calendar's pictures for the main menu: the date page and the pictures that take turns
// beside it, taken from the calendar pack.
namespace fibwick {

class PackShelf;

inline constexpr std::string_view CalendarPackName = "NuvCalendar01.dll";

struct CalendarArt {
  QImage page;  // 60 x 100, with the day and the month written on it
  QString pageHint;
  std::vector<QImage> pictures;  // a picture missing from the pack stays blank (null)
  std::vector<QString> hints;
};

// None when the calendar pack cannot be opened. `font` gives the family the date is written in.
std::optional<CalendarArt> DrawCalendar(const Calendar& calendar, const PackShelf& packs,
                                        const QFont& font);

}  // namespace fibwick
