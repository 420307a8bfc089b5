#include "ui/layout.h"

#include <algorithm>
#include <cmath>

#include "base/round_even.h"

namespace fibwick {
namespace {

struct FixedMode {
  int width;
  int height;
  double scale;
  std::string_view hint;
};

// Index mode - 1; the fixed modes use the listed factor on both axes, not the ratio of the sizes.
constexpr std::array<FixedMode, WindowSizeModeCount> FixedModes = {{
    {760, 500, 1.0, "760 x 500"},
    {0, 0, 0.0, ""},
    {990, 650, 1.3, "990 x 650"},
    {1290, 850, 1.7, "1290 x 850"},
    {1520, 1000, 2.0, "1520 x 1000"},
}};

constexpr int HandBaseWidth = 560;
constexpr int PileRowLength = 15;

bool IsValidMode(int mode) {
  return mode >= 1 && mode <= WindowSizeModeCount;
}

}  // namespace

Layout MakeLayout(int windowSizeMode, int fullScreenWidth, int fullScreenHeight, bool wideCards) {
  Layout layout;
  layout.windowSizeMode = IsValidMode(windowSizeMode) ? windowSizeMode : 1;
  layout.wideCards = wideCards;
  if (layout.windowSizeMode == FullScreenMode) {
    layout.tableWidth = fullScreenWidth;
    layout.tableHeight = fullScreenHeight;
    layout.scaleX = static_cast<double>(fullScreenWidth) / BaseWidth;
    layout.scaleY = static_cast<double>(fullScreenHeight) / BaseHeight;
    layout.scale = std::min(layout.scaleX, layout.scaleY);
  } else {
    const FixedMode& mode = FixedModes[layout.windowSizeMode - 1];
    layout.tableWidth = mode.width;
    layout.tableHeight = mode.height;
    layout.scaleX = layout.scaleY = layout.scale = mode.scale;
  }
  ApplyCardSizeRule(layout);
  return layout;
}

std::string_view SizeModeHint(int windowSizeMode) {
  return IsValidMode(windowSizeMode) ? FixedModes[windowSizeMode - 1].hint : std::string_view{};
}

void ApplyCardSizeRule(Layout& layout) {
  const int baseWidth = layout.wideCards ? 71 : 61;
  if (layout.scale < 1.3) {
    layout.cardWidth = 71;
    layout.cardHeight = 96;
    layout.cardSizeClass = CardSizeClass::Small;
  } else if (layout.scale < 2.0) {
    layout.cardWidth = Scaled(layout, baseWidth);
    layout.cardHeight = Scaled(layout, 96);
    layout.cardSizeClass = CardSizeClass::Scaled;
  } else {
    layout.cardWidth = layout.wideCards ? 146 : 126;
    layout.cardHeight = 198;
    layout.cardSizeClass = CardSizeClass::Big;
  }
}

int Scaled(const Layout& layout, double n) {
  return RoundEven(n * layout.scale);
}

int PlaceX(const Layout& layout, int x, int w) {
  return RoundEven(layout.scaleX * x) + RoundEven((layout.scaleX - layout.scale) * w / 2);
}

int PlaceY(const Layout& layout, int y, int h) {
  return RoundEven(layout.scaleY * y) + RoundEven((layout.scaleY - layout.scale) * h / 2);
}

int NaturalX(const Layout& layout, int x, int w) {
  return RoundEven(layout.scaleX * x) + RoundEven((layout.scaleX - 1.0) * w / 2);
}

int NaturalY(const Layout& layout, int y, int h) {
  return RoundEven(layout.scaleY * y) + RoundEven((layout.scaleY - 1.0) * h / 2);
}

PixelRect Place(const Layout& layout, BaseRect rect) {
  return {PlaceX(layout, rect.x, rect.w), PlaceY(layout, rect.y, rect.h), Scaled(layout, rect.w),
          Scaled(layout, rect.h)};
}

int ButtonHeight(const Layout& layout) {
  return Scaled(layout, 30);
}

TableGeometry LayoutTableGeometry(const Layout& layout) {
  struct SeatBase {
    int handY;
    int plateY;
    int stripY;
  };
  constexpr std::array<SeatBase, 2> Shown = {{{10, 115, 115}, {395, 305, 370}}};

  TableGeometry table;
  for (std::size_t i = 0; i < Shown.size(); ++i) {
    SeatRect& seat = table.seats[i];
    seat.hand = {PlaceX(layout, 100, HandBaseWidth), PlaceY(layout, Shown[i].handY, 96),
                 Scaled(layout, HandBaseWidth), layout.cardHeight};
    seat.plate = Place(layout, {25, Shown[i].plateY, 140, 80});
    seat.strip = Place(layout, {300, Shown[i].stripY, 160, 20});
  }
  table.deck = Place(layout, {0, 0, 0, 0});
  table.pile = Place(layout, {200, 150, 360, 200});
  table.claimPlate = Place(layout, {575, 200, 155, 60});
  table.help = Place(layout, {0, 0, 0, 0});
  table.memo = Place(layout, {15, 180, 130, 90});

  const int gap = Scaled(layout, 1);
  const int buttonSide = Scaled(layout, 35);
  table.edit = {table.memo.left,
                table.memo.Bottom() + gap + RoundEven((buttonSide - Scaled(layout, 20)) / 2.0),
                table.memo.width - Scaled(layout, 36), Scaled(layout, 20)};
  table.editFontHeight = Scaled(layout, 14);
  table.sendButton = {table.memo.Right() - buttonSide, table.memo.Bottom() + gap, buttonSide,
                      buttonSide};
  return table;
}

MenuGeometry LayoutMenuGeometry(const Layout& layout, bool calendarShown) {
  const auto x = [&](double v) { return RoundEven(layout.scaleX * v); };
  const auto y = [&](double v) { return RoundEven(layout.scaleY * v); };
  // The boards and animations keep their size and move half their growth inwards.
  const auto driftX = [&](int w) { return RoundEven((layout.scaleX - 1) * w); };
  const auto driftY = [&](int h) { return RoundEven((layout.scaleY - 1) * h); };
  const int bh = ButtonHeight(layout);

  MenuGeometry menu;
  menu.title = {x(230), y(90) - Scaled(layout, 5), x(300), 3 * bh};
  menu.caption = {PlaceX(layout, 180, 400), PlaceY(layout, 12, 70), Scaled(layout, 400),
                  Scaled(layout, 70)};
  menu.elite = {PlaceX(layout, 205, 350), PlaceY(layout, 183, 40), Scaled(layout, 350),
                Scaled(layout, 40)};
  for (int k = 0; k < 5; ++k) {
    menu.clubLines[static_cast<std::size_t>(k)] = {x(180), y(265) + k * bh, x(400), bh};
  }
  menu.listHeader = {x(180), y(265) - bh - Scaled(layout, 10), x(400), bh};
  menu.newPlayer = {x(280), y(265) + 5 * bh + Scaled(layout, 10), x(200), bh};
  menu.topTen = {x(40), y(225), x(100), bh};
  menu.history = {x(40), y(255), x(100), bh};
  menu.options = {x(620), y(225), x(100), bh};
  menu.mode = {x(620), y(255), x(100), bh};
  menu.exit = {x(330), y(465), x(100), bh};

  const int aside = calendarShown ? 20 : 0;
  menu.lampBoardLeft = {x(60 - aside) + driftX(50), y(30) + driftY(100), 100, 200};
  menu.lampBoardRight = {x(600 + aside) + driftX(50), menu.lampBoardLeft.top, 100, 200};
  constexpr std::array<PilePoint, 3> LampOffsets = {{{16, 15}, {41, 1}, {66, 15}}};
  for (std::size_t i = 0; i < menu.lamps.size(); ++i) {
    const PixelRect& board = i < 3 ? menu.lampBoardLeft : menu.lampBoardRight;
    const PilePoint at = LampOffsets[i % 3];
    menu.lamps[i] = {board.left + at.x, board.top + at.y, 20, 30};
  }

  const int animationTop = y(290) + driftY(100);
  menu.animationLeft = {x(7) + driftX(80), animationTop, 160, 200};
  menu.animationRight = {x(592) + driftX(80), animationTop, 160, 200};

  constexpr std::array<int, 4> IconTops = {5, 58, 111, 164};
  for (std::size_t i = 0; i < menu.serviceIcons.size(); ++i) {
    const bool right = i >= IconTops.size();
    menu.serviceIcons[i] = {right ? layout.tableWidth - 53 : 5, IconTops[i % IconTops.size()], 48,
                            48};
  }

  // Each clock stands in the middle of the gap between its board and the buttons under it.
  const auto clockUnder = [](const PixelRect& board, const PixelRect& button) {
    const int gap = button.top - board.top - 200;
    return PixelRect{board.left - 7, board.top + 200 + RoundEven(gap / 2.0) - 36, 115, 64};
  };
  menu.clockLeft = clockUnder(menu.lampBoardLeft, menu.topTen);
  menu.clockRight = clockUnder(menu.lampBoardRight, menu.options);

  const int calendarTop = y(95) + driftY(50);
  menu.calendarLeft = {x(150) + driftX(30), calendarTop, 60, 100};
  menu.calendarRight = {x(550) + driftX(30), calendarTop, 60, 100};
  return menu;
}

PixelRect MoveClockRect(const Layout& layout, const PixelRect& strip) {
  return {strip.Right() + Scaled(layout, 10), strip.top, strip.height, strip.height};
}

std::vector<int> HandPositions(int handWidth, int cardCount, int cardWidth) {
  std::vector<int> positions;
  if (cardCount <= 0) return positions;
  positions.reserve(cardCount);
  const int pitch = cardWidth + 3;
  if (static_cast<double>(handWidth) / cardCount >= pitch) {
    const double first = RoundEven(handWidth / 2.0) - cardCount * pitch / 2.0;
    for (int i = 0; i < cardCount; ++i) positions.push_back(RoundEven(first + i * pitch));
  } else {
    // One card wider than its hand has no step; it simply starts at the left edge.
    const int step = cardCount > 1 ? (handWidth - pitch) / (cardCount - 1) : 0;
    for (int i = 0; i < cardCount; ++i) positions.push_back(i * step);
  }
  return positions;
}

PilePoint PilePosition(const Layout& layout, int k) {
  if (k < PileRowLength) return {Scaled(layout, 20 * k), 0};
  return {Scaled(layout, 20 * k - 240), Scaled(layout, 100)};
}

int CardAt(const std::vector<int>& lefts, int cardWidth, int cardHeight, int x, int y) {
  if (y < 0 || y >= cardHeight) return 0;
  const int count = static_cast<int>(lefts.size());
  for (int k = count; k >= 1; --k) {
    const int left = lefts[static_cast<std::size_t>(k - 1)];
    const int right = k == count ? left + cardWidth : lefts[static_cast<std::size_t>(k)];
    if (x >= left && x < right) return k;
  }
  return 0;
}

}  // namespace fibwick
