#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>
#include <QTime>
#include <deque>
#include <optional>

#include "rules/cards.h"
#include "ui/builtin_pictures.h"
#include "ui/compose.h"
#include "ui/layout.h"
#include "ui/text_helpers.h"

class QFontMetrics;

// The small displays around the cards: speech strips, claim plate, message strip, move clocks,
// the menu clocks, the account lamp and the wait banner. Each redraw starts from the background.
namespace fibwick {

struct HudKit {
  const Layout& layout;
  const QImage& background;  // TableBackground
  const FontRoles& fonts;
  PictureLookup pictures = LoadBuiltinPicture;
};

// The strip's font steps down from 18 to 16 to 14 (scaled) while the text is too wide.
int SpeechFontSize(const Layout& layout, const FontRoles& fonts, const QString& text);
// Colour letter b, g, r, y or o; an empty text clears the strip.
void ShowSpeech(const HudKit& kit, PictureControl& strip, const QString& text, char colour);

// The rank character claimed in the current round; NoClaim shows only the frame.
void RedrawClaimLabel(const HudKit& kit, PictureControl& plate, char claimRank);

struct ChatLine {
  QString text;
  QColor colour;
};

// The last four lines of the message strip of a network game.
struct MessageStrip {
  std::deque<ChatLine> lines;
};

QColor AuthorColour(int author);
// Drops the last characters, at most 12, while wider than maxWidth; "..." marks a cut.
QString FitChatText(const QFontMetrics& metrics, QString text, int maxWidth);
// The text's first character is its type mark and is not shown.
void ShowChatLine(const HudKit& kit, PictureControl& control, MessageStrip& strip, int author,
                  const QString& text);
void DrawMessageStrip(const HudKit& kit, PictureControl& control, const MessageStrip& strip);
void ClearStrip(const HudKit& kit, PictureControl& control);

struct MoveClockLook {
  QString picture;
  QColor digits;
};
MoveClockLook MoveClockLookFor(int seconds);
// Seconds -1 clears the clock.
void ShowMoveClock(const HudKit& kit, PictureControl& clock, int seconds);

inline constexpr QSize MenuClockSize{115, 64};
// Average window 2, the large window, and a full screen larger than Average window 2.
bool MenuClocksVisible(const Layout& layout);
void DrawLocalClock(const HudKit& kit, PictureControl& clock, QTime now);

// What the colour indicator shows; the request that fetches it belongs to the online services.
struct IndicatorReading {
  QString figure;       // digits and '-', at most six characters
  QChar magnitude;      // style 2: 'K', 'M' or 'G' when the count was shortened
  QChar marker = u'#';  // a mark sent with the reply; '#' for none
  QImage flag;          // styles 3..5: the record holder's country
};

inline constexpr int IndicatorStyleCount = 7;
QChar IndicatorLetter(int style);
// Style 1: the share of games people lost against the computer, in percent.
QString IqFigure(long long humanWins, long long computerWins);
// Style 2: games against the computer, shortened to thousands, millions or billions.
IndicatorReading GamesFigure(long long games);
// The hint of the indicator, with the no-connection and no-record marks.
QString IndicatorHint(int style, const QString& nick, bool connected, bool hasRecord);
// At start the style follows the minute of the hour. The Nuvs balance (style 6) needs a
// signed-in member; signed out the club's member count is shown instead.
int IndicatorStyleForMinute(int minute, bool signedIn);
// What the indicator shows when the game service cannot be reached.
IndicatorReading UnconnectedReading();
void DrawIndicator(const HudKit& kit, PictureControl& indicator, int style,
                   const IndicatorReading& reading);

// State 1 signed out (red lamp), 2 signed in (yellow), 3 in a rated game (green).
void ShowAccountState(const HudKit& kit, PictureControl& icon, int state);

// Moves the control to the middle of the window and shows "Please, wait..." on it; hiding only
// makes it invisible.
void ShowWaitBanner(const HudKit& kit, PictureControl& banner, bool show, QSize client);

// A player's photo for the picture balloon over a speech strip, when the file exists.
std::optional<QString> PhotoHintPath(const QString& dataFolder, const QString& name);

}  // namespace fibwick
