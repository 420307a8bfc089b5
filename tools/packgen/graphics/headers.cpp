// The header pictures that carry a window's title: the concise grey captions of the second
// design, as wide as the window's caption band, and the pictures laid over the red ribbons of
// the third, drawn at (-20, -5) of the ribbon standing at (10, 0).
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <set>
#include <string>

#include "graphics_painters.h"
#include "header_bands.h"
#include "paint_kit.h"
#include "palette.h"
#include "records/catalogue.h"
#include "symbols.h"

namespace fibwick::packgen {

namespace {

using namespace artgen;

const QColor Engraving{40, 44, 54};
const QPointF RibbonPictureOffset{30, 5};  // where the ribbon lies in its picture
constexpr double RibbonPictureShown = 20;  // the picture's columns left of the window

int BandWidth(std::string_view band) {
  return std::stoi(std::string(band.substr(band.find_first_of("0123456789"))));
}

QSize RibbonSize(std::string_view ribbon) {
  const std::string digits(ribbon.substr(ribbon.find_first_of("0123456789")));
  const auto x = digits.find('x');
  return {std::stoi(digits.substr(0, x)), std::stoi(digits.substr(x + 1))};
}

// The family that has every letter of the text: the Latin one unless it lacks some.
QString FamilyFor(const QString& text, const QString& latin, const Lettering& lettering) {
  const QFontMetricsF metrics{QFont(latin)};
  for (const char32_t letter : text.toUcs4()) {
    if (!metrics.inFontUcs4(letter)) return lettering.cjk;
  }
  return latin;
}

QFont Bold(const QString& family, int pixels) {
  QFont font(family);
  font.setPixelSize(pixels);
  font.setBold(true);
  return font;
}

void Emblem(QPainter& p, QPointF centre, double diameter, const QColor& body, Symbol emblem) {
  p.save();
  p.translate(centre - QPointF(diameter / 2, diameter / 2));
  p.scale(diameter / 100, diameter / 100);
  Medallion(p, body, emblem);
  p.restore();
}

QImage ConciseCaption(int width, const QString& text, const Lettering& lettering, Symbol emblem) {
  return DrawScaled(width, CaptionBandHeight, 1.0, [&](QPainter& p) {
    const QRectF plate(0.5, 0.5, width - 1, CaptionBandHeight - 1);
    QLinearGradient metal(plate.topLeft(), plate.bottomLeft());
    metal.setColorAt(0, QColor(238, 240, 244));
    metal.setColorAt(0.45, QColor(204, 208, 216));
    metal.setColorAt(1, QColor(148, 153, 165));
    p.fillPath(RoundedRect(plate, 8), metal);
    // Brushed: fine horizontal strokes of light and shade.
    p.save();
    p.setClipPath(RoundedRect(plate, 8));
    for (int y = 2; y < CaptionBandHeight; y += 2) {
      const double n = ValueNoise(0, y, 3, 5);
      p.setPen(QPen(n > 0 ? QColor(255, 255, 255, static_cast<int>(n * 60))
                          : QColor(0, 0, 0, static_cast<int>(-n * 24)),
                    1));
      p.drawLine(QPointF(0, y + 0.5), QPointF(width, y + 0.5));
    }
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(palette::GraphiteDark, 1));
    p.drawPath(RoundedRect(plate, 8));
    p.setPen(QPen(QColor(255, 255, 255, 170), 1));
    p.drawLine(QPointF(8, 2), QPointF(width - 8, 2));

    Emblem(p, QPointF(32, CaptionBandHeight / 2.0), 50, palette::Graphite, emblem);
    const QRectF box(62, 6, width - 72, CaptionBandHeight - 12);
    const QFont font =
        FitToWidth(Bold(FamilyFor(text, lettering.sans, lettering), 26), text, box.width(), 10);
    OutlinedText(p, box.translated(0, 1), text, font, QBrush(QColor(255, 255, 255, 200)),
                 Qt::transparent, 0);
    OutlinedText(p, box, text, font, QBrush(Engraving), Qt::transparent, 0);
  });
}

QImage RibbonPicture(QSize ribbon, const QString& text, const Lettering& lettering, Symbol emblem) {
  const QSize size = ribbon + QSize(static_cast<int>(RibbonPictureOffset.x()),
                                    static_cast<int>(RibbonPictureOffset.y()));
  return DrawScaled(size.width(), size.height(), 1.0, [&](QPainter& p) {
    const QRectF front =
        RibbonFront(ribbon.width(), ribbon.height()).translated(RibbonPictureOffset);
    // A rosette pinned over the left end of the ribbon leaves the whole front to the title; the
    // window shows the picture from x 20 on.
    const double radius = std::min(front.height() * 0.6, 34.0);
    const QPointF seal(RibbonPictureShown + radius + 1, front.center().y() + 3);
    const double left = std::max(front.left() + 4, seal.x() + radius + 4);
    const QRectF box(left, front.top() + 5, front.right() - 8 - left, front.height() - 10);
    const QFont font = FitToWidth(
        Bold(FamilyFor(text, lettering.serif, lettering), static_cast<int>(front.height() * 0.52)),
        text, box.width(), 10);
    const double outline = std::max(1.2, font.pixelSize() * 0.085);
    QLinearGradient gold(0, box.top(), 0, box.bottom());
    gold.setColorAt(0, palette::GoldLight);
    gold.setColorAt(0.5, palette::Gold);
    gold.setColorAt(1, palette::GoldDark.lighter(115));
    OutlinedText(p, box.translated(1.5, 2), text, font, QBrush(QColor(40, 0, 6, 140)),
                 QColor(40, 0, 6, 90), outline * 1.2);
    OutlinedText(p, box, text, font, QBrush(gold), palette::Burgundy.darker(170), outline);
    QRadialGradient shadow(seal + QPointF(2, 4), radius + 4);
    shadow.setColorAt(0.7, QColor(0, 0, 0, 110));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(seal + QPointF(2, 4), radius + 4, radius + 4);
    Emblem(p, seal, 2 * radius, palette::Graphite, emblem);
  });
}

}  // namespace

void AddHeaderPictures(PackWriter& pack, const Lettering& lettering) {
  std::set<std::string> drawn;
  for (const DialogArtRow& row : DialogArtTable) {
    const DialogPictures& pictures = row.pictures;
    const DialogLook look = LookOf(row.dialog);
    const bool hasRibbonPicture = !pictures.picture.empty() || !pictures.ribbonPicture.empty();
    // Japanese and Korean share the English pictures: the first language of a name draws it.
    for (int language = 0; language < LanguageCount; ++language) {
      const std::string_view utf8 = MessageText(look.title, language);
      const QString title = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
      if (!pictures.captionBase.empty()) {
        const std::string name = CaptionPictureName(pictures, language);
        if (drawn.insert(name).second) {
          pack.AddPng(ResourceName(name),
                      ConciseCaption(BandWidth(pictures.band), title, lettering, look.emblem));
        }
      }
      if (!pictures.ribbon.empty() && hasRibbonPicture) {
        const std::string name = RibbonPictureName(pictures, language);
        if (drawn.insert(name).second) {
          pack.AddPng(ResourceName(name),
                      RibbonPicture(RibbonSize(pictures.ribbon), title, lettering, look.emblem));
        }
      }
    }
  }
}

}  // namespace fibwick::packgen
