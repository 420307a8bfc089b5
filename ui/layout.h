#pragma once

#include <array>
#include <string_view>
#include <vector>

// Window sizes, the mapping of the 760 x 500 base space to pixels, and where the table items go.
namespace fibwick {

inline constexpr int BaseWidth = 760;
inline constexpr int BaseHeight = 500;
inline constexpr int WindowSizeModeCount = 5;
inline constexpr int FullScreenMode = 2;

enum class CardSizeClass { Small, Scaled, Big };

struct Layout {
  int windowSizeMode = 1;
  int tableWidth = BaseWidth;
  int tableHeight = BaseHeight;
  double scaleX = 1.0;
  double scaleY = 1.0;
  double scale = 1.0;
  bool wideCards = true;
  int cardWidth = 71;
  int cardHeight = 96;
  CardSizeClass cardSizeClass = CardSizeClass::Small;
};

struct BaseRect {
  int x = 0;
  int y = 0;
  int w = 0;
  int h = 0;
};

struct PixelRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  int Right() const { return left + width; }
  int Bottom() const { return top + height; }
  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// Factors and client size of a mode; full screen takes the client size the window got from its
// monitor's work area. A mode outside 1..5 is the small window. Applies the card size rule.
Layout MakeLayout(int windowSizeMode, int fullScreenWidth, int fullScreenHeight, bool wideCards);

// The options dialog's hint for a fixed mode ("990 x 650"); empty for full screen.
std::string_view SizeModeHint(int windowSizeMode);

// Sets CardWidth, CardHeight and the card size class from the factors and the face set's width.
void ApplyCardSizeRule(Layout& layout);

int Scaled(const Layout& layout, double n);
int PlaceX(const Layout& layout, int x, int w);
int PlaceY(const Layout& layout, int y, int h);
// For items drawn at their own pixel size, which do not grow with Scale.
int NaturalX(const Layout& layout, int x, int w);
int NaturalY(const Layout& layout, int y, int h);
PixelRect Place(const Layout& layout, BaseRect rect);

int ButtonHeight(const Layout& layout);

inline constexpr int SeatCount = 4;
inline constexpr int SeatSlotCount = 36;

// Seat 1 is the opponent at the top, seat 2 the local player; seats 3 and 4 exist with zero size.
struct SeatRect {
  PixelRect hand;
  PixelRect plate;
  PixelRect strip;
};

struct TableGeometry {
  std::array<SeatRect, SeatCount> seats;  // index seat - 1
  PixelRect deck;
  PixelRect pile;
  PixelRect claimPlate;
  PixelRect help;
  PixelRect memo;
  PixelRect edit;
  int editFontHeight = 0;
  PixelRect sendButton;
};

TableGeometry LayoutTableGeometry(const Layout& layout);

// Where the main menu's items go. Boards, animations, icons and clocks are drawn at their own
// pixel size; the rest grows with the window.
struct MenuGeometry {
  PixelRect title;
  PixelRect caption;
  PixelRect elite;
  std::array<PixelRect, 5> clubLines;  // the club list, top down
  PixelRect listHeader;
  PixelRect newPlayer;
  PixelRect topTen;
  PixelRect history;
  PixelRect options;
  PixelRect mode;
  PixelRect exit;
  PixelRect lampBoardLeft;
  PixelRect lampBoardRight;
  std::array<PixelRect, 6> lamps;  // three on the left board, then three on the right
  PixelRect animationLeft;
  PixelRect animationRight;
  std::array<PixelRect, 8> serviceIcons;  // the left column top down, then the right one
  PixelRect clockLeft;
  PixelRect clockRight;
  PixelRect calendarLeft;  // the date page
  PixelRect calendarRight;
};

// With the calendar shown, the lamp boards (and the clocks under them) move outwards for it.
MenuGeometry LayoutMenuGeometry(const Layout& layout, bool calendarShown = false);

// A tournament move clock: a square of the strip's height, a little right of the strip.
PixelRect MoveClockRect(const Layout& layout, const PixelRect& strip);

// Left edges of the n cards of a hand control of the given width (its cards sit at y = 0).
std::vector<int> HandPositions(int handWidth, int cardCount, int cardWidth);

// The card under a point of the hand control (x, y from its corner): 1-based, 0 for none. Card
// k reaches up to one pixel before card k + 1; the last card shows its whole width.
int CardAt(const std::vector<int>& lefts, int cardWidth, int cardHeight, int x, int y);

struct PilePoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const PilePoint&, const PilePoint&) = default;
};

// Where the k-th card on the table (k from 0, in the order put) is drawn inside the pile control.
PilePoint PilePosition(const Layout& layout, int k);

}  // namespace fibwick
