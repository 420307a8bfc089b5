#include "ui/text_helpers.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <algorithm>

#include "base/round_even.h"
#include "ui/layout.h"

namespace fibwick {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Catalogue(Message message) {
  return FromUtf8(MessageText(message));
}

int FontSize(int base, int percent) {
  return RoundEven(base * percent / 100.0);
}

int FontSize(int base, const FontRoles& roles, FontRole role) {
  return FontSize(base, roles[role].percent);
}

QFont RoleFont(const FontRoles& roles, FontRole role, int pixelSize, bool bold) {
  QFont font(roles[role].name);
  font.setPixelSize(std::max(1, pixelSize));
  font.setBold(bold);
  return font;
}

int MainButtonFontHeight(const Layout& layout, const FontRoles& roles) {
  const double k = layout.windowSizeMode == 1 ? 1.0 : 0.9;
  return RoundEven(FontSize(20, roles, FontRole::Decor) * layout.scale * k);
}

namespace {

QFont FixedPitch(QFont font) {
  font.setFixedPitch(true);
  font.setStyleHint(QFont::Monospace);
  return font;
}

}  // namespace

// The fixed role stands for a bitmap font: bold, hinted to whole pixels and not smoothed, as
// such a font draws, so 11 pixels stay legible in aqua on the blue skin.
QFont ClubListMeasureFont(const FontRoles& roles) {
  QFont font =
      FixedPitch(RoleFont(roles, FontRole::Fixed, FontSize(11, roles, FontRole::Fixed), true));
  font.setHintingPreference(QFont::PreferFullHinting);
  font.setStyleStrategy(QFont::NoAntialias);
  return font;
}

QFont ClubListFont(const Layout& layout, const FontRoles& roles) {
  if (layout.windowSizeMode == 1) return ClubListMeasureFont(roles);
  return FixedPitch(RoleFont(roles, FontRole::Conew,
                             FontSize(RoundEven(layout.scale * 16), roles, FontRole::Conew),
                             false));
}

void TextAt(QPainter& painter, int x, int y, const QString& text) {
  painter.drawText(QPoint(x, y + painter.fontMetrics().ascent()), text);
}

int TextCentredX(int left, int right, int textWidth) {
  return left + (right - left - textWidth) / 2;
}

void TextCentred(QPainter& painter, int left, int right, int y, const QString& text) {
  TextAt(painter, TextCentredX(left, right, painter.fontMetrics().horizontalAdvance(text)), y,
         text);
}

void TextRight(QPainter& painter, int right, int y, const QString& text) {
  TextAt(painter, right - painter.fontMetrics().horizontalAdvance(text), y, text);
}

QColor ShadowColour(QColor colour) {
  return QColor(RoundEven(colour.red() / 2.0), RoundEven(colour.green() / 2.0),
                RoundEven(colour.blue() / 2.0));
}

void ShadowText(QPainter& painter, const QString& text, int left, int right, char align,
                QColor colour, int y) {
  const auto draw = [&](int dx, int dy) {
    switch (align) {
      case 'c':
        TextCentred(painter, left + dx, right + dx, y + dy, text);
        break;
      case 'r':
        TextRight(painter, right + dx, y + dy, text);
        break;
      default:
        TextAt(painter, left + dx, y + dy, text);
        break;
    }
  };
  painter.save();
  painter.setPen(ShadowColour(colour));
  draw(1, 1);
  painter.setPen(colour);
  draw(0, 0);
  painter.restore();
}

int PixelHeight(const QFont& font) {
  return font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
}

bool TextFits(const QString& text, const QFont& font, QSize room, bool wrapped) {
  const QFontMetrics metrics(font);
  if (!wrapped) {
    return metrics.horizontalAdvance(text) <= room.width() && metrics.height() <= room.height();
  }
  const QRect lines =
      metrics.boundingRect(QRect(0, 0, room.width(), 1 << 20), Qt::TextWordWrap, text);
  return lines.width() <= room.width() && lines.height() <= room.height();
}

FittedText FitText(const QString& text, const QFont& font, QSize room, bool mayWrap, int floor) {
  QFont sized = font;
  for (int px = std::max(PixelHeight(font), floor); px >= floor; --px) {
    sized.setPixelSize(px);
    if (TextFits(text, sized, room, false)) return {sized, false, true};
    if (mayWrap && text.contains(' ') && TextFits(text, sized, room, true)) {
      return {sized, true, true};
    }
  }
  return {sized, mayWrap && text.contains(' '), false};
}

void LineInclusive(QPainter& painter, QPoint from, QPoint to) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.drawLine(from, to);
  painter.drawPoint(to);
  painter.restore();
}

void FrameRect(QPainter& painter, const QRect& rect, QColor colour) {
  if (rect.isEmpty()) return;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour);
  painter.drawRect(rect.left(), rect.top(), rect.width(), 1);
  painter.drawRect(rect.left(), rect.bottom(), rect.width(), 1);
  painter.drawRect(rect.left(), rect.top(), 1, rect.height());
  painter.drawRect(rect.right(), rect.top(), 1, rect.height());
  painter.restore();
}

int NoticeClientWidth(int widestTextWidth) {
  const int w = widestTextWidth + NoticeTextLeft;
  return w >= 350 ? w + 50 : 400;
}

int NoticeOkWidth(int clientWidth) {
  return clientWidth - 10;
}

QFont NoticeFont() {
  QFont font("Comic Sans MS");
  font.setPixelSize(20);
  font.setBold(true);
  return font;
}

int NoticeClientWidth(const QStringList& lines) {
  const QFontMetrics metrics(NoticeFont());
  int widest = 0;
  for (const QString& line : lines) widest = std::max(widest, metrics.horizontalAdvance(line));
  return NoticeClientWidth(widest);
}

}  // namespace fibwick
