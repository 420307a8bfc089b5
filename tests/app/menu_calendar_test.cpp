#include <gtest/gtest.h>

#include <QDate>

#include "app/app_support.h"
#include "ui/ui_test_support.h"

namespace fibwick {
namespace {

using namespace testing;
using testing_support::Solid;
using testing_support::WritePack;

// A calendar pack of plain colours: the page white, the victory day's picture red.
void WriteCalendarPack(const fs::path& folder) {
  WritePack(QString::fromStdString((folder / "NuvCalendar01.dll").string()),
            {{"R_BASE.png", Solid(60, 100, qRgb(255, 255, 255))},
             {"R_02.png", Solid(60, 100, qRgb(0, 0, 200))},
             {"R_VOSSNAK.png", Solid(60, 100, qRgb(0, 160, 0))},
             {"R_VICTORY.png", Solid(54, 70, qRgb(220, 0, 0))}});
}

QString HintAt(MenuScreen& menu, const PictureControl& control) {
  const MenuHover hover = menu.HoverAt(QPoint(control.rect.left + 30, control.rect.top + 50));
  return hover.hints.empty() ? QString() : hover.hints.back();
}

// On 9 May 2025 the page shows the date, and the picture beside it turns every ten seconds from
// the sign to the year to the day's holiday, each with its text; the boards stand aside for it.
TEST(MenuCalendar, TheDayItsSignsAndItsHolidayTakeTurns) {
  const fs::path folder = FreshProgramFolder("menu-calendar");
  WriteCalendarPack(folder);
  {
    MainWindow form(folder, Pacing{.computerTickMs = 100000, .today = QDate(2025, 5, 9)});
    form.show();
    PassIntro(form);
    MenuScreen& menu = form.Menu();
    ASSERT_TRUE(menu.CalendarShown());
    const MenuGeometry g = LayoutMenuGeometry(form.CurrentLayout(), true);
    const PictureControl& page = menu.CalendarImage(1);
    const PictureControl& turning = menu.CalendarImage(2);
    EXPECT_TRUE(page.visible);
    EXPECT_EQ(page.rect, g.calendarLeft);
    EXPECT_EQ(turning.rect, g.calendarRight);

    // The day "9" in black on the white page, in the band where it is written.
    int dark = 0;
    for (int y = 22; y < 40; ++y) {
      for (int x = 20; x < 40; ++x) dark += qGray(page.buffer.pixel(x, y)) < 100 ? 1 : 0;
    }
    EXPECT_GT(dark, 10);
    EXPECT_EQ(HintAt(menu, page), "May 9, 2025");

    const struct {
      QRgb colour;
      QPoint at;
      const char* hint;
    } turns[] = {{qRgb(0, 0, 200), {30, 50}, "Taurus"},
                 {qRgb(0, 160, 0), {30, 50}, "Year Of The Snake"},
                 {qRgb(220, 0, 0),
                  {30, 60},
                  "Victory day in Great Patriotic war (80-th anniversary, Russian Festival)"},
                 {qRgb(0, 0, 200), {30, 50}, "Taurus"}};
    for (const auto& turn : turns) {
      EXPECT_EQ(turning.buffer.pixel(turn.at), turn.colour) << turn.hint;
      EXPECT_EQ(HintAt(menu, turning), QString::fromUtf8(turn.hint));
      menu.CalendarTimer();
    }
    // The holiday stands on a copy of the page: white around its picture.
    menu.CalendarTimer();
    EXPECT_EQ(turning.buffer.pixel(1, 90), qRgb(255, 255, 255));
    form.close();
  }
  fs::remove_all(folder);
}

// Without the pack there is no calendar and no place kept for it.
TEST(MenuCalendar, WithoutThePackNothingIsShownAndTheBoardsStayPut) {
  const fs::path folder = FreshProgramFolder("menu-no-calendar");
  {
    MainWindow form(folder, Pacing{.computerTickMs = 100000, .today = QDate(2025, 5, 9)});
    form.show();
    PassIntro(form);
    EXPECT_FALSE(form.Menu().CalendarShown());
    EXPECT_FALSE(form.Menu().CalendarImage(1).visible);
    EXPECT_FALSE(form.Menu().CalendarImage(2).visible);
    form.SetWindowSizeMode(5);
    EXPECT_EQ(form.MenuClock(1).rect, LayoutMenuGeometry(form.CurrentLayout(), false).clockLeft);
    form.close();
  }
  fs::remove_all(folder);
}

}  // namespace
}  // namespace fibwick
