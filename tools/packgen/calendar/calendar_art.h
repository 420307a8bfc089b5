// The pictures of the calendar pack and the sizes the menu's calendar draws them at.
#pragma once

#include <QPainter>
#include <QSize>
#include <functional>
#include <map>
#include <span>
#include <string>

#include "glyph_art.h"
#include "pack_writer.h"
#include "records/calendar_words.h"

namespace fibwick::packgen {

// The blank page, the zodiac signs and the Chinese years fill the calendar's picture.
inline constexpr QSize PageSize{60, 100};
// A holiday's picture is drawn on a copy of the blank page at (3, 27), below the page's binding,
// with a margin of 3 pixels left, right and at the bottom.
inline constexpr QSize HolidayPictureSize{54, 70};

// The picture names the calendar asks for, by the sign (zodiac sign, Chinese year) they show.
using SignPictures = std::map<CalendarText, std::string>;

// One page-sized card for each of the `drawn` signs, under the name the calendar asks for;
// `draw` paints the card of drawn[index]. False, with a message, when the calendar shows a sign
// that is not drawn, or the other way round.
bool AddSignCards(PackWriter& pack, const SignPictures& pictures,
                  std::span<const CalendarText> drawn,
                  const std::function<void(QPainter&, std::size_t index)>& draw);

bool AddPage(PackWriter& pack);
bool AddZodiacSigns(PackWriter& pack, const CalendarFonts& fonts);
bool AddChineseYears(PackWriter& pack, const CalendarFonts& fonts);
bool AddHolidayPictures(PackWriter& pack, const CalendarFonts& fonts);

}  // namespace fibwick::packgen
