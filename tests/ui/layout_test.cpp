#include "ui/layout.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "base/round_even.h"

namespace fibwick {
namespace {

struct SizeCase {
  int mode;
  int screenW;
  int screenH;
  bool wide;
  int tableW;
  int tableH;
  double scale;
  int cardW;
  int cardH;
  CardSizeClass cardClass;
};

class SizeModes : public testing::TestWithParam<SizeCase> {};

TEST_P(SizeModes, FactorsAndCardSize) {
  const SizeCase& c = GetParam();
  const Layout layout = MakeLayout(c.mode, c.screenW, c.screenH, c.wide);
  EXPECT_EQ(layout.tableWidth, c.tableW);
  EXPECT_EQ(layout.tableHeight, c.tableH);
  EXPECT_DOUBLE_EQ(layout.scale, c.scale);
  EXPECT_EQ(layout.cardWidth, c.cardW);
  EXPECT_EQ(layout.cardHeight, c.cardH);
  EXPECT_EQ(layout.cardSizeClass, c.cardClass);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SizeModes,
    testing::Values(SizeCase{1, 0, 0, true, 760, 500, 1.0, 71, 96, CardSizeClass::Small},
                    // 92.3 and 124.8 round to 92 and 125.
                    SizeCase{3, 0, 0, true, 990, 650, 1.3, 92, 125, CardSizeClass::Scaled},
                    SizeCase{4, 0, 0, false, 1290, 850, 1.7, 104, 163, CardSizeClass::Scaled},
                    SizeCase{5, 0, 0, true, 1520, 1000, 2.0, 146, 198, CardSizeClass::Big},
                    SizeCase{5, 0, 0, false, 1520, 1000, 2.0, 126, 198, CardSizeClass::Big},
                    SizeCase{2, 1920, 1080, true, 1920, 1080, 2.16, 146, 198, CardSizeClass::Big},
                    SizeCase{2, 1920, 1080, false, 1920, 1080, 2.16, 126, 198, CardSizeClass::Big},
                    SizeCase{2, 700, 450, true, 700, 450, 0.9, 71, 96, CardSizeClass::Small},
                    SizeCase{9, 1920, 1080, true, 760, 500, 1.0, 71, 96, CardSizeClass::Small}));

TEST(Layout, MediumWindowPlacesTheLocalHand) {
  const Layout layout = MakeLayout(3, 0, 0, true);
  const SeatRect seat = LayoutTableGeometry(layout).seats[1];
  // 513.5 rounds to the even 514.
  EXPECT_EQ(seat.hand, (PixelRect{130, 514, 728, 125}));
}

TEST(Layout, FullScreenKeepsTheHandCentred) {
  const Layout layout = MakeLayout(2, 1920, 1080, true);
  EXPECT_DOUBLE_EQ(layout.scaleX, 1920.0 / 760);
  EXPECT_DOUBLE_EQ(layout.scaleY, 2.16);
  const SeatRect seat = LayoutTableGeometry(layout).seats[1];
  // round(252.63) + round(0.3663 x 280 = 102.57)
  EXPECT_EQ(seat.hand.left, 253 + 103);
  EXPECT_EQ(seat.hand.top, 853);
  EXPECT_EQ(seat.hand.width, 1210);
  EXPECT_EQ(seat.hand.height, 198);
  EXPECT_EQ(NaturalX(layout, 100, 115), 253 + RoundEven((1920.0 / 760 - 1) * 57.5));
}

TEST(Layout, ScaledRoundsTiesToEven) {
  const Layout small = MakeLayout(1, 0, 0, true);
  EXPECT_EQ(Scaled(small, 2.5), 2);
  EXPECT_EQ(Scaled(small, 3.5), 4);
  EXPECT_EQ(ButtonHeight(MakeLayout(4, 0, 0, true)), 51);
  EXPECT_EQ(ButtonHeight(MakeLayout(3, 0, 0, true)), 39);
}

TEST(Layout, SmallWindowTableItems) {
  const TableGeometry table = LayoutTableGeometry(MakeLayout(1, 0, 0, true));
  EXPECT_EQ(table.seats[0].hand, (PixelRect{100, 10, 560, 96}));
  EXPECT_EQ(table.seats[0].strip, (PixelRect{300, 115, 160, 20}));
  EXPECT_EQ(table.seats[1].plate, (PixelRect{25, 305, 140, 80}));
  EXPECT_EQ(table.seats[2].hand, PixelRect{});
  EXPECT_EQ(table.pile, (PixelRect{200, 150, 360, 200}));
  EXPECT_EQ(table.claimPlate, (PixelRect{575, 200, 155, 60}));
  // Below the message strip: 270 + 1 + round(7.5); the send button in its right corner.
  EXPECT_EQ(table.edit, (PixelRect{15, 279, 94, 20}));
  EXPECT_EQ(table.sendButton, (PixelRect{110, 271, 35, 35}));
  EXPECT_EQ(MoveClockRect(MakeLayout(1, 0, 0, true), table.seats[1].strip),
            (PixelRect{470, 370, 20, 20}));
}

// Every rect of the menu, named for the message of a failing case.
std::vector<std::pair<std::string, PixelRect>> Named(const MenuGeometry& g) {
  std::vector<std::pair<std::string, PixelRect>> named = {{"title", g.title},
                                                          {"caption", g.caption},
                                                          {"elite", g.elite},
                                                          {"listHeader", g.listHeader},
                                                          {"newPlayer", g.newPlayer},
                                                          {"topTen", g.topTen},
                                                          {"history", g.history},
                                                          {"options", g.options},
                                                          {"mode", g.mode},
                                                          {"exit", g.exit},
                                                          {"lampBoardLeft", g.lampBoardLeft},
                                                          {"lampBoardRight", g.lampBoardRight},
                                                          {"animationLeft", g.animationLeft},
                                                          {"animationRight", g.animationRight},
                                                          {"clockLeft", g.clockLeft},
                                                          {"clockRight", g.clockRight},
                                                          {"calendarLeft", g.calendarLeft},
                                                          {"calendarRight", g.calendarRight}};
  const auto add = [&](const char* name, const auto& rects) {
    for (std::size_t i = 0; i < rects.size(); ++i)
      named.emplace_back(name + std::to_string(i), rects[i]);
  };
  add("clubLine", g.clubLines);
  add("lamp", g.lamps);
  add("serviceIcon", g.serviceIcons);
  return named;
}

struct MenuCase {
  int mode;
  int screenW;
  int screenH;
  MenuGeometry want;
};

class MenuPlaces : public testing::TestWithParam<MenuCase> {};

// The places the menu has had at each window size; full screen on a 1920 x 1080 work area.
TEST_P(MenuPlaces, EveryItem) {
  const MenuCase& c = GetParam();
  const auto got = Named(LayoutMenuGeometry(MakeLayout(c.mode, c.screenW, c.screenH, true)));
  const auto want = Named(c.want);
  ASSERT_EQ(got.size(), want.size());
  for (std::size_t i = 0; i < got.size(); ++i) {
    const auto& [name, rect] = got[i];
    const PixelRect& w = want[i].second;
    EXPECT_EQ(rect, w) << "mode " << c.mode << " " << name << ": " << rect.left << "," << rect.top
                       << " " << rect.width << "x" << rect.height;
  }
}

INSTANTIATE_TEST_SUITE_P(Table, MenuPlaces,
                         testing::Values(MenuCase{1,
                                                  0,
                                                  0,
                                                  {{230, 85, 300, 90},
                                                   {180, 12, 400, 70},
                                                   {205, 183, 350, 40},
                                                   {{{180, 265, 400, 30},
                                                     {180, 295, 400, 30},
                                                     {180, 325, 400, 30},
                                                     {180, 355, 400, 30},
                                                     {180, 385, 400, 30}}},
                                                   {180, 225, 400, 30},
                                                   {280, 425, 200, 30},
                                                   {40, 225, 100, 30},
                                                   {40, 255, 100, 30},
                                                   {620, 225, 100, 30},
                                                   {620, 255, 100, 30},
                                                   {330, 465, 100, 30},
                                                   {60, 30, 100, 200},
                                                   {600, 30, 100, 200},
                                                   {{{76, 45, 20, 30},
                                                     {101, 31, 20, 30},
                                                     {126, 45, 20, 30},
                                                     {616, 45, 20, 30},
                                                     {641, 31, 20, 30},
                                                     {666, 45, 20, 30}}},
                                                   {7, 290, 160, 200},
                                                   {592, 290, 160, 200},
                                                   {{{5, 5, 48, 48},
                                                     {5, 58, 48, 48},
                                                     {5, 111, 48, 48},
                                                     {5, 164, 48, 48},
                                                     {707, 5, 48, 48},
                                                     {707, 58, 48, 48},
                                                     {707, 111, 48, 48},
                                                     {707, 164, 48, 48}}},
                                                   {53, 192, 115, 64},
                                                   {593, 192, 115, 64},
                                                   {150, 95, 60, 100},
                                                   {550, 95, 60, 100}}},
                                         MenuCase{2,
                                                  1920,
                                                  1080,
                                                  {{581, 183, 758, 195},
                                                   {528, 26, 864, 151},
                                                   {582, 395, 756, 86},
                                                   {{{455, 572, 1011, 65},
                                                     {455, 637, 1011, 65},
                                                     {455, 702, 1011, 65},
                                                     {455, 767, 1011, 65},
                                                     {455, 832, 1011, 65}}},
                                                   {455, 485, 1011, 65},
                                                   {707, 919, 505, 65},
                                                   {101, 486, 253, 65},
                                                   {101, 551, 253, 65},
                                                   {1566, 486, 253, 65},
                                                   {1566, 551, 253, 65},
                                                   {834, 1004, 253, 65},
                                                   {228, 181, 100, 200},
                                                   {1592, 181, 100, 200},
                                                   {{{244, 196, 20, 30},
                                                     {269, 182, 20, 30},
                                                     {294, 196, 20, 30},
                                                     {1608, 196, 20, 30},
                                                     {1633, 182, 20, 30},
                                                     {1658, 196, 20, 30}}},
                                                   {140, 742, 160, 200},
                                                   {1618, 742, 160, 200},
                                                   {{{5, 5, 48, 48},
                                                     {5, 58, 48, 48},
                                                     {5, 111, 48, 48},
                                                     {5, 164, 48, 48},
                                                     {1867, 5, 48, 48},
                                                     {1867, 58, 48, 48},
                                                     {1867, 111, 48, 48},
                                                     {1867, 164, 48, 48}}},
                                                   {221, 397, 115, 64},
                                                   {1585, 397, 115, 64},
                                                   {425, 263, 60, 100},
                                                   {1435, 263, 60, 100}}},
                                         MenuCase{3,
                                                  0,
                                                  0,
                                                  {{299, 111, 390, 117},
                                                   {234, 16, 520, 91},
                                                   {266, 238, 455, 52},
                                                   {{{234, 344, 520, 39},
                                                     {234, 383, 520, 39},
                                                     {234, 422, 520, 39},
                                                     {234, 461, 520, 39},
                                                     {234, 500, 520, 39}}},
                                                   {234, 292, 520, 39},
                                                   {364, 552, 260, 39},
                                                   {52, 292, 130, 39},
                                                   {52, 332, 130, 39},
                                                   {806, 292, 130, 39},
                                                   {806, 332, 130, 39},
                                                   {429, 604, 130, 39},
                                                   {93, 69, 100, 200},
                                                   {795, 69, 100, 200},
                                                   {{{109, 84, 20, 30},
                                                     {134, 70, 20, 30},
                                                     {159, 84, 20, 30},
                                                     {811, 84, 20, 30},
                                                     {836, 70, 20, 30},
                                                     {861, 84, 20, 30}}},
                                                   {33, 407, 160, 200},
                                                   {794, 407, 160, 200},
                                                   {{{5, 5, 48, 48},
                                                     {5, 58, 48, 48},
                                                     {5, 111, 48, 48},
                                                     {5, 164, 48, 48},
                                                     {937, 5, 48, 48},
                                                     {937, 58, 48, 48},
                                                     {937, 111, 48, 48},
                                                     {937, 164, 48, 48}}},
                                                   {86, 245, 115, 64},
                                                   {788, 245, 115, 64},
                                                   {204, 139, 60, 100},
                                                   {724, 139, 60, 100}}},
                                         MenuCase{4,
                                                  0,
                                                  0,
                                                  {{391, 145, 510, 153},
                                                   {306, 20, 680, 119},
                                                   {348, 311, 595, 68},
                                                   {{{306, 450, 680, 51},
                                                     {306, 501, 680, 51},
                                                     {306, 552, 680, 51},
                                                     {306, 603, 680, 51},
                                                     {306, 654, 680, 51}}},
                                                   {306, 382, 680, 51},
                                                   {476, 722, 340, 51},
                                                   {68, 382, 170, 51},
                                                   {68, 434, 170, 51},
                                                   {1054, 382, 170, 51},
                                                   {1054, 434, 170, 51},
                                                   {561, 790, 170, 51},
                                                   {137, 121, 100, 200},
                                                   {1055, 121, 100, 200},
                                                   {{{153, 136, 20, 30},
                                                     {178, 122, 20, 30},
                                                     {203, 136, 20, 30},
                                                     {1071, 136, 20, 30},
                                                     {1096, 122, 20, 30},
                                                     {1121, 136, 20, 30}}},
                                                   {68, 563, 160, 200},
                                                   {1062, 563, 160, 200},
                                                   {{{5, 5, 48, 48},
                                                     {5, 58, 48, 48},
                                                     {5, 111, 48, 48},
                                                     {5, 164, 48, 48},
                                                     {1237, 5, 48, 48},
                                                     {1237, 58, 48, 48},
                                                     {1237, 111, 48, 48},
                                                     {1237, 164, 48, 48}}},
                                                   {130, 315, 115, 64},
                                                   {1048, 315, 115, 64},
                                                   {276, 197, 60, 100},
                                                   {956, 197, 60, 100}}},
                                         MenuCase{5,
                                                  0,
                                                  0,
                                                  {{460, 170, 600, 180},
                                                   {360, 24, 800, 140},
                                                   {410, 366, 700, 80},
                                                   {{{360, 530, 800, 60},
                                                     {360, 590, 800, 60},
                                                     {360, 650, 800, 60},
                                                     {360, 710, 800, 60},
                                                     {360, 770, 800, 60}}},
                                                   {360, 450, 800, 60},
                                                   {560, 850, 400, 60},
                                                   {80, 450, 200, 60},
                                                   {80, 510, 200, 60},
                                                   {1240, 450, 200, 60},
                                                   {1240, 510, 200, 60},
                                                   {660, 930, 200, 60},
                                                   {170, 160, 100, 200},
                                                   {1250, 160, 100, 200},
                                                   {{{186, 175, 20, 30},
                                                     {211, 161, 20, 30},
                                                     {236, 175, 20, 30},
                                                     {1266, 175, 20, 30},
                                                     {1291, 161, 20, 30},
                                                     {1316, 175, 20, 30}}},
                                                   {94, 680, 160, 200},
                                                   {1264, 680, 160, 200},
                                                   {{{5, 5, 48, 48},
                                                     {5, 58, 48, 48},
                                                     {5, 111, 48, 48},
                                                     {5, 164, 48, 48},
                                                     {1467, 5, 48, 48},
                                                     {1467, 58, 48, 48},
                                                     {1467, 111, 48, 48},
                                                     {1467, 164, 48, 48}}},
                                                   {163, 369, 115, 64},
                                                   {1243, 369, 115, 64},
                                                   {330, 240, 60, 100},
                                                   {1130, 240, 60, 100}}}));

// The calendar stands between the boards and the list, so the boards and their clocks move
// twenty units outwards while it is shown; nothing else moves.
TEST(MenuPlaces, TheCalendarPushesTheLampBoardsOutwards) {
  for (const int mode : {1, 4}) {
    const Layout layout = MakeLayout(mode, 0, 0, true);
    const MenuGeometry plain = LayoutMenuGeometry(layout, false);
    const MenuGeometry shown = LayoutMenuGeometry(layout, true);
    const int shift = Scaled(layout, 20);
    EXPECT_NEAR(plain.lampBoardLeft.left - shown.lampBoardLeft.left, shift, 1) << mode;
    EXPECT_NEAR(shown.lampBoardRight.left - plain.lampBoardRight.left, shift, 1) << mode;
    EXPECT_EQ(shown.clockLeft.left, shown.lampBoardLeft.left - 7) << mode;
    EXPECT_EQ(shown.lamps[0].left, shown.lampBoardLeft.left + 16) << mode;
    EXPECT_EQ(shown.clubLines, plain.clubLines) << mode;
    EXPECT_EQ(shown.calendarLeft, plain.calendarLeft) << mode;
  }
}

TEST(Layout, SizeHints) {
  EXPECT_EQ(SizeModeHint(3), "990 x 650");
  EXPECT_EQ(SizeModeHint(2), "");
}

struct HandCase {
  int width;
  int count;
  int cardWidth;
  std::vector<int> positions;
};

class HandSpacing : public testing::TestWithParam<HandCase> {};

TEST_P(HandSpacing, Positions) {
  const HandCase& c = GetParam();
  EXPECT_EQ(HandPositions(c.width, c.count, c.cardWidth), c.positions);
}

INSTANTIATE_TEST_SUITE_P(
    Table, HandSpacing,
    testing::Values(
        // 560 / 6 = 93.3 >= 74: centred, x1 = 280 - 222.
        HandCase{560, 6, 71, {58, 132, 206, 280, 354, 428}},
        // 46.7 < 74: overlapped with step trunc(486 / 11) = 44; the last card ends at 555.
        HandCase{560, 12, 71, {0, 44, 88, 132, 176, 220, 264, 308, 352, 396, 440, 484}},
        // One card: centred on the rounded half width with its gap.
        HandCase{560, 1, 71, {243}}, HandCase{60, 1, 71, {0}}, HandCase{560, 0, 71, {}}));

TEST(Layout, PileRows) {
  const Layout layout = MakeLayout(3, 0, 0, true);
  EXPECT_EQ(PilePosition(layout, 0), (PilePoint{0, 0}));
  EXPECT_EQ(PilePosition(layout, 14), (PilePoint{364, 0}));
  EXPECT_EQ(PilePosition(layout, 15), (PilePoint{78, 130}));
  EXPECT_EQ(PilePosition(layout, 23), (PilePoint{286, 130}));
}

}  // namespace
}  // namespace fibwick

namespace fibwick {
namespace {

TEST(CardAt, EachCardReachesToTheNextAndTheLastShowsItsWidth) {
  const std::vector<int> lefts{10, 30, 50};  // overlapping cards 71 wide, 96 high
  struct Case {
    int x, y, card;
  };
  const Case cases[] = {{9, 5, 0},  {10, 5, 1},  {29, 5, 1},  {30, 0, 2},  {49, 95, 2},
                        {50, 5, 3}, {120, 5, 3}, {121, 5, 0}, {30, 96, 0}, {30, -1, 0}};
  for (const Case& c : cases)
    EXPECT_EQ(CardAt(lefts, 71, 96, c.x, c.y), c.card) << c.x << "," << c.y;
  EXPECT_EQ(CardAt({}, 71, 96, 10, 5), 0);
}

}  // namespace
}  // namespace fibwick
