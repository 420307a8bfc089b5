// Draws the calendar pack: tool <pack file> <output path> <emoji font> <symbol font>
// <Chinese font> [other files it is made from...]
#include <array>

#include "calendar_art.h"
#include "pack_tool.h"

namespace fibwick::packgen {
namespace {

bool AddCalendar(PackWriter& pack, const QStringList& inputs) {
  CalendarFonts fonts;
  return LoadCalendarFonts(inputs, fonts) && AddPage(pack) && AddZodiacSigns(pack, fonts) &&
         AddChineseYears(pack, fonts) && AddHolidayPictures(pack, fonts);
}

}  // namespace
}  // namespace fibwick::packgen

int main(int argc, char** argv) {
  using namespace fibwick::packgen;
  const std::array<PackRecipe, 1> recipes{{{"NuvCalendar01.dll", AddCalendar}}};
  return RunPackTool(argc, argv, recipes);
}
