#include "ui/hud.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QPainter>
#include <array>

#include "base/round_even.h"
#include "records/catalogue.h"

namespace fibwick {
namespace {

bool SmallWindow(const Layout& layout) {
  return layout.windowSizeMode == 1;
}

void DrawAt(QImage& canvas, const QImage& picture, int x, int y) {
  if (picture.isNull()) return;
  QPainter painter(&canvas);
  painter.drawImage(x, y, picture);
}

// A frame drawn as it is in the small window, and its big version stretched to the control
// everywhere else.
void ComposeFrame(const HudKit& kit, PictureControl& control, const QString& smallName,
                  const QString& bigName) {
  FillWithBackground(control, kit.background);
  if (control.buffer.isNull()) return;
  if (SmallWindow(kit.layout)) {
    DrawAt(control.buffer, kit.pictures(smallName), 0, 0);
  } else {
    DrawResized(control.buffer, kit.pictures(bigName), 0, 0, control.buffer.width(),
                control.buffer.height());
  }
}

QString SpeechPicture(char colour) {
  switch (colour) {
    case 'b':
      return QStringLiteral("SPBlue");
    case 'g':
      return QStringLiteral("SPGreen");
    case 'r':
      return QStringLiteral("SPRed");
    case 'y':
      return QStringLiteral("SPYellow");
    case 'o':
      return QStringLiteral("SPFiolet");
    default:
      return {};
  }
}

QFont PlainFont(const QString& name, int pixelSize, bool bold) {
  QFont font(name);
  font.setPixelSize(std::max(1, pixelSize));
  font.setBold(bold);
  return font;
}

constexpr std::array<Message, RankCount> ClaimTexts = {MsgNines,  MsgTens,  MsgJockers,
                                                       MsgQueens, MsgKings, MsgAces};
constexpr int ChatLineCount = 4;
constexpr int MaxChatCut = 12;

}  // namespace

int SpeechFontSize(const Layout& layout, const FontRoles& fonts, const QString& text) {
  const int room = Scaled(layout, 150);
  int size = 0;
  for (int base : {18, 16, 14}) {
    size = FontSize(Scaled(layout, base), fonts, FontRole::Serif);
    const QFont font = RoleFont(fonts, FontRole::Serif, size, false);
    if (QFontMetrics(font).horizontalAdvance(text) <= room) break;
  }
  return size;
}

void ShowSpeech(const HudKit& kit, PictureControl& strip, const QString& text, char colour) {
  FillWithBackground(strip, kit.background);
  if (text.isEmpty() || strip.buffer.isNull()) return;
  const Layout& layout = kit.layout;

  QString shown = text;
  while (shown.endsWith(' ')) shown.chop(1);
  QFont font =
      RoleFont(kit.fonts, FontRole::Serif, SpeechFontSize(layout, kit.fonts, shown), false);

  const QString picture = SpeechPicture(colour);
  if (!picture.isEmpty()) {
    if (SmallWindow(layout)) {
      DrawAt(strip.buffer, kit.pictures(picture), 0, 0);
    } else {
      DrawResized(strip.buffer, kit.pictures(picture + 'B'), 0, 0, strip.buffer.width(),
                  strip.buffer.height());
    }
  }
  font.setBold(true);
  QPainter painter(&strip.buffer);
  painter.setFont(font);
  painter.setPen(Qt::white);
  const int y = RoundEven((strip.buffer.height() - painter.fontMetrics().height()) / 2.0);
  TextCentred(painter, 0, Scaled(layout, 160), y, shown);
}

void RedrawClaimLabel(const HudKit& kit, PictureControl& plate, char claimRank) {
  ComposeFrame(kit, plate, QStringLiteral("RamkaFBSm"), QStringLiteral("RamkaFBBg"));
  const RankIndex claimed = RankOfChar(claimRank);
  if (claimed == NoRank || plate.buffer.isNull()) return;
  QPainter painter(&plate.buffer);
  painter.setFont(RoleFont(kit.fonts, FontRole::Decor,
                           FontSize(Scaled(kit.layout, 28), kit.fonts, FontRole::Decor), false));
  painter.setPen(QColor(255, 0, 0));
  TextCentred(painter, 0, plate.buffer.width(), Scaled(kit.layout, 15),
              Catalogue(ClaimTexts[claimed - 1]));
}

QColor AuthorColour(int author) {
  switch (author) {
    case 1:
      return {128, 0, 0};
    case 2:
      return {0, 0, 128};
    case 3:
      return {0, 128, 0};
    case 4:
      return {128, 128, 0};
    default:
      return {0, 0, 0};
  }
}

QString FitChatText(const QFontMetrics& metrics, QString text, int maxWidth) {
  int cut = 0;
  while (cut < MaxChatCut && !text.isEmpty() && metrics.horizontalAdvance(text) > maxWidth) {
    text.chop(1);
    ++cut;
  }
  return cut > 0 ? text + QStringLiteral("...") : text;
}

namespace {

QFont ChatFont(const HudKit& kit) {
  return RoleFont(kit.fonts, FontRole::Serif, Scaled(kit.layout, 14), false);
}

}  // namespace

void ShowChatLine(const HudKit& kit, PictureControl& control, MessageStrip& strip, int author,
                  const QString& text) {
  const QString shown =
      FitChatText(QFontMetrics(ChatFont(kit)), text.mid(1), Scaled(kit.layout, 85));
  if (strip.lines.size() >= ChatLineCount) strip.lines.pop_front();
  strip.lines.push_back({shown, AuthorColour(author)});
  DrawMessageStrip(kit, control, strip);
}

void DrawMessageStrip(const HudKit& kit, PictureControl& control, const MessageStrip& strip) {
  ClearStrip(kit, control);
  if (control.buffer.isNull()) return;
  QPainter painter(&control.buffer);
  painter.setFont(ChatFont(kit));
  int j = 1;
  for (const ChatLine& line : strip.lines) {
    painter.setPen(line.colour);
    TextAt(painter, Scaled(kit.layout, 20), Scaled(kit.layout, 14 * j + 3), line.text);
    ++j;
  }
}

void ClearStrip(const HudKit& kit, PictureControl& control) {
  ComposeFrame(kit, control, QStringLiteral("RamkaERSm"), QStringLiteral("RamkaERBg"));
}

MoveClockLook MoveClockLookFor(int seconds) {
  if (seconds < 8) return {QStringLiteral("GTimerR"), QColor(255, 255, 0)};
  return {QStringLiteral("GTimerY"), QColor(255, 0, 0)};
}

void ShowMoveClock(const HudKit& kit, PictureControl& clock, int seconds) {
  FillWithBackground(clock, kit.background);
  if (seconds == -1 || clock.buffer.isNull()) return;
  const MoveClockLook look = MoveClockLookFor(seconds);
  DrawResized(clock.buffer, kit.pictures(look.picture), 0, 0, clock.buffer.width(),
              clock.buffer.height());
  QPainter painter(&clock.buffer);
  painter.setFont(RoleFont(kit.fonts, FontRole::Serif,
                           FontSize(Scaled(kit.layout, 18), kit.fonts, FontRole::Serif), true));
  painter.setPen(look.digits);
  const int y = RoundEven((clock.buffer.height() - painter.fontMetrics().height()) / 2.0);
  TextCentred(painter, 0, clock.buffer.height(), y, QString::number(seconds));
}

bool MenuClocksVisible(const Layout& layout) {
  constexpr int Average2 = 4, Large = 5;
  if (layout.windowSizeMode == FullScreenMode) {
    return layout.tableWidth > 1290 && layout.tableHeight > 850;
  }
  return layout.windowSizeMode == Average2 || layout.windowSizeMode == Large;
}

void DrawLocalClock(const HudKit& kit, PictureControl& clock, QTime now) {
  ComposeOverBackground(clock, kit.background, kit.pictures(QStringLiteral("GClockBG")));
  if (clock.buffer.isNull()) return;
  const auto digit = [&](int value, int x) {
    DrawAt(clock.buffer, kit.pictures(QStringLiteral("GBClock%1").arg(value)), x, 15);
  };
  if (now.hour() / 10 != 0) digit(now.hour() / 10, 14);
  digit(now.hour() % 10, 34);
  digit(now.minute() / 10, 61);
  digit(now.minute() % 10, 81);
  if (now.msec() > 500) DrawAt(clock.buffer, kit.pictures(QStringLiteral("GBClockP")), 55, 24);
}

namespace {

struct IndicatorStyleInfo {
  char letter;
  Message hint;
  const char* icon;
};

constexpr std::array<IndicatorStyleInfo, IndicatorStyleCount> IndicatorStyles = {{
    {'R', MsgDynamicIQForWindowsPercent, "Windows"},
    {'A', MsgGamesPlayedWithPC2, "Windows"},
    {'G', MsgBestWindowsPlayer, "Windows"},
    {'Y', MsgBestAndroidPlayer, "Android"},
    {'V', MsgBestAccountPlayer, "Account48"},
    {'L', MsgNuvs, "GNuvs128"},
    {'N', MsgClubMembers, "Account48"},
}};

const IndicatorStyleInfo& StyleInfo(int style) {
  return IndicatorStyles[style >= 1 && style <= IndicatorStyleCount ? style - 1 : 0];
}

struct FigureLayout {
  QSize size;  // empty: the digit pictures' own size
  std::array<int, 6> x;
};

constexpr std::array<FigureLayout, 6> FigureLayouts = {{
    {{}, {50}},
    {{}, {38, 58}},
    {{}, {29, 49, 69}},
    {{15, 40}, {27, 42, 57, 72}},
    {{12, 40}, {28, 40, 52, 64, 76}},
    {{9, 40}, {15, 24, 33, 42, 51, 60}},
}};

void IndicatorText(QPainter& painter, int x, int y, int size, QColor colour, const QString& text) {
  painter.setFont(PlainFont(QStringLiteral("MS Sans Serif"), size, true));
  painter.setPen(colour);
  TextAt(painter, x, y, text);
}

}  // namespace

QChar IndicatorLetter(int style) {
  return QChar(StyleInfo(style).letter);
}

QString IqFigure(long long humanWins, long long computerWins) {
  const long long total = humanWins + computerWins;
  if (total <= 0) return QStringLiteral("0");
  return QString::number(
      RoundEven(100.0 * static_cast<double>(computerWins) / static_cast<double>(total)));
}

IndicatorReading GamesFigure(long long games) {
  struct Step {
    long long above;
    long long unit;
    char letter;
  };
  static constexpr std::array<Step, 3> Steps = {
      {{999999999LL, 1000000000LL, 'G'}, {999999LL, 1000000LL, 'M'}, {999LL, 1000LL, 'K'}}};
  IndicatorReading reading;
  for (const Step& step : Steps) {
    if (games > step.above) {
      reading.figure = QString::number(games / step.unit);
      reading.magnitude = QChar(step.letter);
      return reading;
    }
  }
  reading.figure = QString::number(games);
  return reading;
}

QString IndicatorHint(int style, const QString& nick, bool connected, bool hasRecord) {
  const int s = style >= 1 && style <= IndicatorStyleCount ? style : 1;
  QString hint = Catalogue(StyleInfo(s).hint);
  const bool board = s >= 3 && s <= 5;
  if (board && connected && hasRecord) hint += nick;
  if (!connected) {
    // The same mark in every language, as the service's own status words are.
    hint += board    ? QStringLiteral("NO CONNECT")
            : s == 7 ? QStringLiteral(" NO CONNECT")
                     : QStringLiteral(": NO CONNECT");
  } else if (board && !hasRecord) {
    hint += Catalogue(MsgNo);
  }
  return hint;
}

int IndicatorStyleForMinute(int minute, bool signedIn) {
  constexpr int Nuvs = 6, Members = 7;
  const int style = minute % IndicatorStyleCount + 1;
  return style == Nuvs && !signedIn ? Members : style;
}

IndicatorReading UnconnectedReading() {
  IndicatorReading reading;
  reading.figure = QStringLiteral("00");
  return reading;
}

void DrawIndicator(const HudKit& kit, PictureControl& indicator, int style,
                   const IndicatorReading& reading) {
  ComposeOverBackground(indicator, kit.background, kit.pictures(QStringLiteral("GClockBG")));
  if (indicator.buffer.isNull()) return;
  const int s = style >= 1 && style <= IndicatorStyleCount ? style : 1;
  const IndicatorStyleInfo& info = StyleInfo(s);
  DrawResized(indicator.buffer, kit.pictures(QString::fromLatin1(info.icon)), 10, 10, 16, 16);

  const qsizetype length = reading.figure.size();
  if (length >= 1 && length <= 6) {
    const FigureLayout& figure = FigureLayouts[length - 1];
    const QString prefix = QStringLiteral("G%1Clock").arg(QChar(info.letter));
    for (qsizetype i = 0; i < length; ++i) {
      const QChar c = reading.figure[i];
      const QImage picture = kit.pictures(prefix + (c == u'-' ? QChar(u'M') : c));
      const int x = figure.x[i];
      if (figure.size.isEmpty()) {
        DrawAt(indicator.buffer, picture, x, 15);
      } else {
        DrawResized(indicator.buffer, picture, x, 15, figure.size.width(), figure.size.height());
      }
    }
  }

  if (s >= 3 && s <= 5) DrawAt(indicator.buffer, reading.flag, 90, 10);
  QPainter painter(&indicator.buffer);
  const QColor aqua(0, 255, 255);
  if (s == 2 && !reading.magnitude.isNull()) {
    IndicatorText(painter, 90, 25, 12, aqua, reading.magnitude);
  }
  if (reading.marker != u'#' && !reading.marker.isNull()) {
    IndicatorText(painter, 90, 25, 12, aqua, reading.marker);
  }
  if (s == 1) IndicatorText(painter, 90, 10, 8, QColor(255, 0, 0), QStringLiteral("IQ"));
  if (s == 2) IndicatorText(painter, 90, 10, 8, aqua, QStringLiteral("D"));
}

void ShowAccountState(const HudKit& kit, PictureControl& icon, int state) {
  static const std::array<QString, 3> Lamps = {QStringLiteral("LampR24"), QStringLiteral("LampY24"),
                                               QStringLiteral("LampG24")};
  FillWithBackground(icon, kit.background);
  if (icon.buffer.isNull()) return;
  DrawAt(icon.buffer, kit.pictures(QStringLiteral("Account48")), 0, 0);
  DrawAt(icon.buffer, kit.pictures(Lamps[state >= 1 && state <= 3 ? state - 1 : 0]), 24, 0);
}

void ShowWaitBanner(const HudKit& kit, PictureControl& banner, bool show, QSize client) {
  if (!show) {
    banner.visible = false;
    return;
  }
  banner.rect = {RoundEven(client.width() / 2.0 - 175), RoundEven(client.height() / 2.0 - 40), 350,
                 80};
  banner.visible = true;
  ComposeOverBackground(banner, kit.background, kit.pictures(QStringLiteral("AdvBar3")));
  QPainter painter(&banner.buffer);
  // The decorative font's name at the size of the serif role, as the banner always had.
  painter.setFont(
      PlainFont(kit.fonts[FontRole::Decor].name, FontSize(32, kit.fonts, FontRole::Serif), false));
  painter.setPen(QColor(255, 0, 0));
  TextCentred(painter, 0, 350, 22, Catalogue(MsgPleaseWaitMenu));
}

std::optional<QString> PhotoHintPath(const QString& dataFolder, const QString& name) {
  const QString path =
      QDir(dataFolder).filePath(QStringLiteral("History/") + name + QStringLiteral(".bmp"));
  if (!QFileInfo(path).isFile()) return std::nullopt;
  return path;
}

}  // namespace fibwick
