#include "ui/layout.h"

#include <gtest/gtest.h>

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
