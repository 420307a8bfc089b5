#include <gtest/gtest.h>

#include <QImage>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "drawn_pack.h"
#include "records/calendar.h"
#include "records/calendar_texts.h"
#include "records/holidays.h"

namespace fibwick {
namespace {

constexpr std::string_view CalendarPackName = "NuvCalendar01.dll";
const QSize PageSize(60, 100);
// Where the menu draws a holiday's picture on a copy of the page.
const QPoint HolidayAt(3, 27);
const QSize HolidaySize(54, 70);

QString Name(std::string_view name) {
  return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

struct PictureGroup {
  const char* what;
  std::set<std::string> names;
  QSize size;
};

// Every picture the calendar can ask for, from the program's own tables.
std::vector<PictureGroup> EveryPicture() {
  PictureGroup page{"the page", {std::string(CalendarPagePicture)}, PageSize};
  PictureGroup zodiac{"zodiac signs", {}, PageSize};
  for (int day = 1; day <= DaysInYear(2024); ++day) {
    const CalendarDate date = *DateOfDayOfYear(day, 2024);
    zodiac.names.insert(ZodiacSign(date.day, date.month).picture);
  }
  PictureGroup years{"Chinese years", {}, PageSize};
  for (int year = 2020; year < 2032; ++year) years.names.insert(ChineseYear(year).picture);
  PictureGroup holidays{"holidays", {}, HolidaySize};
  for (const HolidayRecord& holiday : BuiltInHolidays()) holidays.names.insert(holiday.picture);
  return {page, zodiac, years, holidays};
}

double OpaqueShare(const QImage& image) {
  int opaque = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) opaque += qAlpha(image.pixel(x, y)) == 255;
  }
  return static_cast<double>(opaque) / (image.width() * image.height());
}

std::size_t ColourCount(const QImage& image) {
  std::set<QRgb> colours;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
  }
  return colours.size();
}

TEST(CalendarPack, EveryPictureTheCalendarShowsIsThereInItsSizeAndOfItsOwn) {
  const auto pack = OpenDrawnPack(CalendarPackName);
  ASSERT_NE(pack, nullptr) << CalendarPackName << " was not drawn";
  const std::vector<PictureGroup> groups = EveryPicture();
  EXPECT_EQ(groups[1].names.size(), 12u);
  EXPECT_EQ(groups[2].names.size(), 12u);
  EXPECT_GE(groups[3].names.size(), 80u);
  std::map<QByteArray, std::string> seen;
  for (const PictureGroup& group : groups) {
    SCOPED_TRACE(group.what);
    for (const std::string& name : group.names) {
      SCOPED_TRACE(name);
      const QImage picture = pack->Picture(Name(name)).convertToFormat(QImage::Format_ARGB32);
      ASSERT_FALSE(picture.isNull()) << "missing";
      EXPECT_EQ(picture.size(), group.size);
      // A drawn picture, not an empty card: mostly opaque and of many colours.
      EXPECT_GT(OpaqueShare(picture), 0.9);
      EXPECT_GT(ColourCount(picture), 100u);
      const QByteArray pixels(reinterpret_cast<const char*>(picture.constBits()),
                              picture.sizeInBytes());
      const auto [at, added] = seen.emplace(pixels, name);
      EXPECT_TRUE(added) << "the same picture as " << at->second;
    }
  }
}

TEST(CalendarPack, ThePageTakesTheDateAndAHolidayBelowItsBinding) {
  const auto pack = OpenDrawnPack(CalendarPackName);
  ASSERT_NE(pack, nullptr) << CalendarPackName << " was not drawn";
  const QImage page =
      pack->Picture(Name(CalendarPagePicture)).convertToFormat(QImage::Format_ARGB32);
  ASSERT_EQ(page.size(), PageSize);
  // The day (y 22) and the month (y 42) are written in black or red: the paper there is plain
  // and light.
  for (int y = 22; y < 58; ++y) {
    for (int x = 4; x < 56; ++x) {
      const QRgb px = page.pixel(x, y);
      ASSERT_EQ(qAlpha(px), 255) << x << "," << y;
      ASSERT_GT(qGray(px), 220) << x << "," << y;
    }
  }
  // A holiday's picture lies wholly on the paper, and the binding stays in sight above it.
  const QRect holiday(HolidayAt, HolidaySize);
  EXPECT_TRUE(QRect(QPoint(0, 0), PageSize).contains(holiday));
  for (int y = holiday.top(); y <= holiday.bottom(); ++y) {
    for (int x = holiday.left(); x <= holiday.right(); ++x) {
      ASSERT_EQ(qAlpha(page.pixel(x, y)), 255) << x << "," << y;
    }
  }
  int darkAbove = 0;
  for (int y = 0; y < holiday.top(); ++y) {
    for (int x = 0; x < PageSize.width(); ++x) darkAbove += qGray(page.pixel(x, y)) < 128;
  }
  EXPECT_GT(darkAbove, PageSize.width() * 8);
}

}  // namespace
}  // namespace fibwick
