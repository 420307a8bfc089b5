#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <array>
#include <string_view>

#include "records/catalogue.h"

class QPainter;
class QPoint;
class QRect;
class QSize;

// Font roles and the small text and line helpers every drawing part uses.
namespace fibwick {

struct Layout;

enum class FontRole { Decor, Serif, Fixed, Conew };

struct FontChoice {
  QString name;
  int percent = 100;  // 50..150, the user's scale for the role
};

struct FontRoles {
  std::array<FontChoice, 4> choices = {
      {{"Comic Sans MS", 100}, {"Comic Sans MS", 100}, {"FixedSys", 100}, {"Courier New", 100}}};

  const FontChoice& operator[](FontRole role) const { return choices[static_cast<int>(role)]; }
};

// A catalogue text in the current language, as the interface takes it.
QString Catalogue(Message message);
// Any UTF-8 text the rules hand to the screen.
QString FromUtf8(std::string_view text);

int FontSize(int base, int percent);
int FontSize(int base, const FontRoles& roles, FontRole role);

// A font of the role's name at a pixel height that already went through FontSize.
QFont RoleFont(const FontRoles& roles, FontRole role, int pixelSize, bool bold);

// The big buttons of the main window, and the font of its club list.
int MainButtonFontHeight(const Layout& layout, const FontRoles& roles);
QFont ClubListFont(const Layout& layout, const FontRoles& roles);
// The small window's list font: club names are shortened by their width in it at every size.
QFont ClubListMeasureFont(const FontRoles& roles);

// Text is placed by the top of its line, as the table's coordinates are written.
void TextAt(QPainter& painter, int x, int y, const QString& text);
int TextCentredX(int left, int right, int textWidth);
void TextCentred(QPainter& painter, int left, int right, int y, const QString& text);
void TextRight(QPainter& painter, int right, int y, const QString& text);

QColor ShadowColour(QColor colour);
// align is 'l', 'c' or 'r'; the shadow lies one pixel right of and below the text.
void ShadowText(QPainter& painter, const QString& text, int left, int right, char align,
                QColor colour, int y);

// The smallest text a caption shrinks to; a caption that needs less takes more lines instead.
inline constexpr int ReadableFloorPx = 10;

// A font's height in pixels, whether it was given in pixels or in points.
int PixelHeight(const QFont& font);

struct FittedText {
  QFont font;
  bool wrapped = false;  // broken at blanks into lines (Qt::TextWordWrap)
  bool fits = false;     // false: even the floor, wrapped where allowed, overflows the room
};
// The text at the largest pixel size, from the font's own down to the floor, at which it fits
// the room on one line or, where wrapping is allowed, on as many lines as the height takes.
FittedText FitText(const QString& text, const QFont& font, QSize room, bool mayWrap,
                   int floor = ReadableFloorPx);
// Whether the text in this font fits the room: on one line, or broken at blanks when wrapped.
bool TextFits(const QString& text, const QFont& font, QSize room, bool wrapped);

// A one-pixel line that paints both of its end points.
void LineInclusive(QPainter& painter, QPoint from, QPoint to);
// The outline of a rectangle, inside its bounds.
void FrameRect(QPainter& painter, const QRect& rect, QColor colour);

// The attention dialog grows with its widest line, from a floor of 400 pixels.
inline constexpr int NoticeTextLeft = 59;
int NoticeClientWidth(int widestTextWidth);
int NoticeOkWidth(int clientWidth);
QFont NoticeFont();
int NoticeClientWidth(const QStringList& lines);

}  // namespace fibwick
