#include "ui/skin_button.h"

#include <QEnterEvent>
#include <QPainter>
#include <array>
#include <cmath>

#include "base/round_even.h"
#include "ui/resample.h"

namespace fibwick {
namespace {

constexpr QRgb Red(int r) {
  return qRgb(r, 0, 0);
}
constexpr QRgb Pink(int r, int g) {
  return qRgb(r, g, g);
}

constexpr std::array<QRgb, 29> Gradient30 = {
    Red(128),       Red(17),        Pink(135, 91),  Pink(232, 173), Pink(223, 163), Pink(215, 153),
    Pink(207, 145), Pink(200, 136), Pink(194, 127), Pink(188, 117), Pink(184, 108), Pink(180, 99),
    Pink(178, 89),  Pink(176, 80),  Pink(152, 36),  Red(136),       Red(144),       Red(153),
    Red(161),       Red(170),       Red(178),       Red(187),       Red(195),       Red(204),
    Red(212),       Red(221),       Red(229),       Red(238),       Red(128)};

constexpr std::array<QRgb, 44> Gradient45 = {
    Red(128),       Red(11),        Pink(132, 93),  Pink(239, 180), Pink(233, 175), Pink(227, 169),
    Pink(221, 162), Pink(215, 156), Pink(210, 150), Pink(206, 144), Pink(201, 139), Pink(196, 133),
    Pink(193, 127), Pink(189, 121), Pink(186, 115), Pink(183, 109), Pink(181, 103), Pink(178, 97),
    Pink(178, 91),  Pink(176, 85),  Pink(176, 79),  Pink(175, 74),  Pink(153, 34),  Red(136),
    Red(141),       Red(147),       Red(153),       Red(158),       Red(164),       Red(170),
    Red(175),       Red(181),       Red(187),       Red(192),       Red(198),       Red(204),
    Red(209),       Red(215),       Red(221),       Red(227),       Red(232),       Red(238),
    Red(244),       Red(128)};

constexpr std::array<QRgb, 59> Gradient60 = {
    Red(128),       Red(9),         Pink(131, 94),  Pink(243, 183), Pink(237, 178), Pink(232, 174),
    Pink(228, 169), Pink(224, 165), Pink(219, 159), Pink(214, 156), Pink(210, 151), Pink(206, 147),
    Pink(202, 142), Pink(199, 138), Pink(196, 134), Pink(193, 129), Pink(190, 125), Pink(189, 120),
    Pink(185, 116), Pink(183, 111), Pink(181, 107), Pink(180, 102), Pink(177, 97),  Pink(176, 93),
    Pink(175, 89),  Pink(174, 84),  Pink(173, 80),  Pink(172, 75),  Pink(172, 71),  Pink(150, 33),
    Red(132),       Red(136),       Red(140),       Red(144),       Red(148),       Red(153),
    Red(157),       Red(161),       Red(165),       Red(170),       Red(174),       Red(178),
    Red(182),       Red(187),       Red(191),       Red(195),       Red(200),       Red(204),
    Red(208),       Red(212),       Red(217),       Red(221),       Red(225),       Red(229),
    Red(234),       Red(238),       Red(242),       Red(246),       Red(128)};

constexpr std::array<SkinRow, 3> SkinRows = {{
    {30, 8, "R29", "Q29"},
    {45, 13, "R44", "Q44"},
    {60, 17, "R59", "Q59"},
}};

struct FocusColours {
  QRgb classic;
  QRgb dots;
};

constexpr std::array<FocusColours, 8> FocusTable = {{
    {qRgb(255, 200, 200), qRgb(255, 255, 0)},
    {qRgb(200, 200, 255), qRgb(0, 0, 255)},
    {qRgb(200, 255, 200), qRgb(0, 0, 255)},
    {qRgb(200, 255, 200), qRgb(0, 255, 0)},
    {qRgb(255, 200, 200), qRgb(255, 0, 0)},
    {qRgb(255, 255, 200), qRgb(255, 255, 255)},
    {qRgb(255, 128, 64), qRgb(255, 255, 255)},
    {qRgb(200, 175, 50), qRgb(220, 180, 255)},
}};

// Offsets of the standard heights 30, 45, 60.
int ByStandardHeight(int baseHeight, int at30, int at45, int at60) {
  return baseHeight == 30 ? at30 : baseHeight == 45 ? at45 : at60;
}

int Lighten(int v, int kLight) {
  return RoundEven(v + (255 - v) * kLight / 100.0);
}

QString SkinName(const ButtonFace& face, char part) {
  const SkinRow row = SkinRowFor(face.size.height());
  return QString::fromLatin1(face.nata ? row.newPrefix : row.classicPrefix) + '_' + QChar(part);
}

QImage SkinPicture(const ButtonFace& face, const PictureLookup& pictures, char part) {
  return RecolourPicture(pictures(SkinName(face, part)), face.colour, face.kLight, face.nata);
}

void DrawCap(QPainter& painter, const ButtonFace& face, QImage cap, int x) {
  if (cap.isNull()) return;
  const int h = face.size.height();
  const int capW = CapWidth(h);
  if (!IsStandardHeight(h) && face.smooth) {
    if (cap.format() != QImage::Format_ARGB32 && cap.format() != QImage::Format_RGB32) {
      cap =
          cap.convertToFormat(cap.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    }
    ResizePicture(cap, capW, h - 1);
    painter.drawImage(x, 0, cap);
    return;
  }
  painter.drawImage(QRect(x, 0, capW, h - 1), cap);
}

QImage TransparentGlyph(const QImage& glyph) {
  if (glyph.isNull() || glyph.hasAlphaChannel()) return glyph;
  // A glyph without alpha is keyed by its bottom-left pixel, as glyph buttons do.
  QImage keyed = glyph.convertToFormat(QImage::Format_ARGB32);
  const QRgb key = keyed.pixel(0, keyed.height() - 1);
  for (int y = 0; y < keyed.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
    for (int x = 0; x < keyed.width(); ++x) {
      if (line[x] == key) line[x] = 0;
    }
  }
  return keyed;
}

bool SideGlyph(const ButtonFace& face) {
  return !face.glyph.isNull() &&
         (face.glyphLayout == GlyphLayout::Left || face.glyphLayout == GlyphLayout::Right);
}

int GlyphOffset(const ButtonFace& face) {
  const int h = face.size.height();
  if (!IsStandardHeight(h)) return RoundEven(1.6 * CapWidth(h));
  return ByStandardHeight(h, 15, 18, 20);
}

int TextShift(const ButtonFace& face) {
  const int h = face.size.height();
  if (!IsStandardHeight(h)) return face.glyph.width() + RoundEven(1.6 * CapWidth(h)) + 10;
  return face.glyph.width() + ByStandardHeight(h, 25, 28, 30);
}

void DrawFocusMark(QPainter& painter, const ButtonFace& face) {
  const int w = face.size.width();
  const int h = face.size.height();
  const bool standard = IsStandardHeight(h);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, face.nata);
  const QColor colour = FocusColour(face.colour, face.nata);
  if (face.nata) {
    const int d = h <= 30 ? (h <= 20 ? 3 : 4) : h <= 45 ? 5 : h <= 60 ? 6 : 7;
    const int y = RoundEven(h / 2.0 - d / 2.0);
    const int x = standard ? ByStandardHeight(h, 10, 13, 15) : CapWidth(h);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(QRect(x, y, d, d));
    painter.drawEllipse(QRect(w - x - d, y, d, d));
  } else {
    int a = 0;
    int b = 0;
    int corner = 0;
    if (standard) {
      a = ByStandardHeight(h, 7, 9, 11);
      b = ByStandardHeight(h, 4, 5, 6);
      corner = a;
    } else {
      a = RoundEven(0.8 * CapWidth(h));
      b = h <= 20 ? 3 : h <= 30 ? 4 : h <= 60 ? 5 : 6;
      corner = 2 * b;
    }
    painter.setPen(colour);
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRect(a, b, w - 2 * a - 1, h - 2 * b - 1), corner / 2.0, corner / 2.0);
  }
  painter.restore();
}

}  // namespace

SkinRow SkinRowFor(int height) {
  if (height <= 30) return SkinRows[0];
  if (height <= 45) return SkinRows[1];
  return SkinRows[2];
}

bool IsStandardHeight(int height) {
  return height == 30 || height == 45 || height == 60;
}

int CapWidth(int height) {
  const SkinRow row = SkinRowFor(height);
  return RoundEven(static_cast<double>(row.capBase) * height / row.baseHeight);
}

QRgb Recolour(QRgb source, TColorSB colour, int kLight, bool nata) {
  const int r = qRed(source);
  const int g = qGreen(source);
  const int b = qBlue(source);
  const bool nearRed = std::sqrt(double((r - 255) * (r - 255) + g * g + b * b)) < 180.0;
  int r2 = r;
  int g2 = g;
  int b2 = b;
  switch (colour) {
    case TColorSB::DRed:
      break;
    case TColorSB::DGreen:
      r2 = g, g2 = r;
      break;
    case TColorSB::DBlue:
      r2 = b, g2 = r, b2 = r;
      break;
    case TColorSB::DNavy:
      r2 = b, b2 = r;
      break;
    case TColorSB::DYellow:
      g2 = r;
      break;
    case TColorSB::DViolet:
      b2 = r;
      break;
    case TColorSB::DOrang:
      if (g < r && b < r) {
        b2 = RoundEven(0.7 * b);
        g2 = b2 + RoundEven(0.4 * std::abs(r - b2));
      }
      break;
    case TColorSB::DCards:
      if (!nata) {
        r2 = RoundEven(0.7 * r), g2 = 0, b2 = r;
      } else if (nearRed) {
        r2 = RoundEven(0.6 * r), g2 = RoundEven(0.7 * g), b2 = r;
      }
      break;
  }
  if (kLight != 0 && (!nata || nearRed)) {
    r2 = Lighten(r2, kLight), g2 = Lighten(g2, kLight), b2 = Lighten(b2, kLight);
  }
  return qRgba(r2, g2, b2, qAlpha(source));
}

QImage RecolourPicture(const QImage& picture, TColorSB colour, int kLight, bool nata) {
  if (picture.isNull() || (colour == TColorSB::DRed && kLight == 0)) return picture;
  QImage result = picture.convertToFormat(picture.hasAlphaChannel() ? QImage::Format_ARGB32
                                                                    : QImage::Format_RGB32);
  for (int y = 0; y < result.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
    for (int x = 0; x < result.width(); ++x) line[x] = Recolour(line[x], colour, kLight, nata);
  }
  return result;
}

std::span<const QRgb> ClassicGradient(int standardHeight) {
  if (standardHeight == 45) return Gradient45;
  if (standardHeight == 60) return Gradient60;
  return Gradient30;
}

QColor FocusColour(TColorSB colour, bool nata) {
  const FocusColours& entry = FocusTable[static_cast<int>(colour)];
  return QColor(nata ? entry.dots : entry.classic);
}

QImage PaintSkin(const ButtonFace& face, const PictureLookup& pictures) {
  const int w = face.size.width();
  const int h = face.size.height();
  QImage skin(face.size, QImage::Format_ARGB32_Premultiplied);
  skin.fill(Qt::transparent);
  if (w <= 0 || h <= 1) return skin;
  const int capW = CapWidth(h);
  QPainter painter(&skin);
  DrawCap(painter, face, SkinPicture(face, pictures, 'L'), 0);
  DrawCap(painter, face, SkinPicture(face, pictures, 'R'), w - capW - 1);

  const bool gradient = IsStandardHeight(h) && !face.nata && face.colour != TColorSB::DCards;
  if (gradient) {
    const std::span<const QRgb> rows = ClassicGradient(h);
    for (int y = 0; y < h - 1; ++y) {
      painter.fillRect(QRect(capW, y, w - 2 * capW - 1, 1),
                       QColor(Recolour(rows[y], face.colour, face.kLight, false)));
    }
  } else {
    const QImage middle = SkinPicture(face, pictures, '2');
    if (!middle.isNull()) painter.drawImage(QRect(capW, 0, w - 2 * capW, h - 1), middle);
  }
  return skin;
}

QPoint GlyphPosition(const ButtonFace& face) {
  const int w = face.size.width();
  const int h = face.size.height();
  const int y = RoundEven((h - face.glyph.height() - 1) / 2.0);
  switch (face.glyphLayout) {
    case GlyphLayout::Left:
      return {GlyphOffset(face), y};
    case GlyphLayout::Right:
      return {w - face.glyph.width() - GlyphOffset(face), y};
    default:
      return {(w - face.glyph.width()) / 2, y};
  }
}

QRect TextRect(const ButtonFace& face) {
  QRect rect(QPoint(0, 0), face.size);
  if (SideGlyph(face)) {
    if (face.glyphLayout == GlyphLayout::Left) {
      rect.setLeft(rect.left() + TextShift(face));
    } else {
      rect.setRight(rect.right() - TextShift(face));
    }
  }
  if (face.nata) rect.translate(0, -1);
  return rect;
}

QRect CaptionRoom(const ButtonFace& face) {
  const QRect text = TextRect(face);
  const int end = CapWidth(face.size.height()) / 2 + 2;
  return text.adjusted(SideGlyph(face) && face.glyphLayout == GlyphLayout::Left ? 0 : end, 0,
                       SideGlyph(face) && face.glyphLayout == GlyphLayout::Right ? 0 : -end, 0);
}

FittedText FitCaption(const ButtonFace& face) {
  return FitText(face.text, face.font, CaptionRoom(face).size(), true);
}

void PaintButton(QPainter& painter, const ButtonFace& face, const PictureLookup& pictures,
                 const std::function<void(QPainter&)>& afterDrawn) {
  QImage bitmap = PaintSkin(face, pictures);
  if (!face.glyph.isNull()) {
    QPainter glyphPainter(&bitmap);
    glyphPainter.drawImage(GlyphPosition(face), TransparentGlyph(face.glyph));
  }
  const QPoint shift = face.pressed ? QPoint(1, 1) : QPoint(0, 0);
  painter.drawImage(shift, bitmap);

  painter.save();
  const FittedText caption = FitCaption(face);
  painter.setFont(caption.font);
  painter.setPen(face.textColour);
  const Qt::Alignment horizontal =
      SideGlyph(face) ? (face.glyphLayout == GlyphLayout::Left ? Qt::AlignLeft : Qt::AlignRight)
                      : Qt::AlignHCenter;
  painter.drawText(
      CaptionRoom(face).translated(shift),
      horizontal | Qt::AlignVCenter | (caption.wrapped ? Qt::TextWordWrap : Qt::TextSingleLine),
      face.text);
  painter.restore();

  if (afterDrawn) afterDrawn(painter);
  if (face.focusMark) {
    painter.save();
    painter.translate(shift);
    DrawFocusMark(painter, face);
    painter.restore();
  }
}

SkinButton::SkinButton(QWidget* parent) : QAbstractButton(parent) {
  resize(100, 30);
  setFocusPolicy(Qt::StrongFocus);
}

template <typename T>
void SkinButton::Set(T& field, T value) {
  if (field == value) return;
  field = value;
  update();
}

void SkinButton::SetColorSB(TColorSB colour) {
  Set(colorSB_, colour);
}
void SkinButton::SetColorMouse(QColor colour) {
  Set(colorMouse_, colour);
}
void SkinButton::SetFontColour(QColor colour) {
  Set(fontColour_, colour);
}
void SkinButton::SetLightFont(bool on) {
  Set(lightFont_, on);
}
void SkinButton::SetGrayDis(bool on) {
  Set(grayDis_, on);
}
void SkinButton::SetKLightSB(int percent) {
  Set(kLightSB_, std::clamp(percent, 0, 100));
}
void SkinButton::SetKontur(bool on) {
  Set(kontur_, on);
}
void SkinButton::SetSmooth(bool on) {
  Set(smooth_, on);
}
void SkinButton::SetNata(bool on) {
  Set(nata_, on);
}

void SkinButton::SetHeightSB(THeightSB height) {
  heightSB_ = height;
  static constexpr std::array<int, 3> Heights = {30, 45, 60};
  resize(width(), Heights[static_cast<int>(height)]);
  update();
}

void SkinButton::SetGlyph(const QImage& glyph, GlyphLayout layout) {
  glyph_ = glyph;
  glyphLayout_ = layout;
  update();
}

void SkinButton::SetPictures(PictureLookup pictures) {
  pictures_ = std::move(pictures);
  update();
}

ButtonFace SkinButton::Face() const {
  ButtonFace face;
  face.size = size();
  face.colour = colorSB_;
  face.kLight = kLightSB_;
  face.nata = nata_;
  face.smooth = smooth_;
  face.glyph = glyph_;
  face.glyphLayout = glyphLayout_;
  face.text = text();
  face.font = font();
  face.textColour = fontColour_;
  // A disabled button (the club list's header) does not answer the pointer.
  if (lightFont_ && mouseInPos_ && isEnabled()) face.textColour = colorMouse_;
  if (!isEnabled() && grayDis_) face.textColour = QColor(192, 192, 192);
  face.pressed = isDown();
  face.focusMark = hasFocus() && kontur_;
  return face;
}

void SkinButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintButton(painter, Face(), pictures_, [this](QPainter& p) {
    if (OnDrawButton) OnDrawButton(*this, p, rect());
  });
}

void SkinButton::enterEvent(QEnterEvent* event) {
  mouseInPos_ = true;
  update();
  if (OnMouseEnter) OnMouseEnter(*this);
  QAbstractButton::enterEvent(event);
}

void SkinButton::leaveEvent(QEvent* event) {
  mouseInPos_ = false;
  update();
  if (OnMouseLeave) OnMouseLeave(*this);
  QAbstractButton::leaveEvent(event);
}

void SkinButton::changeEvent(QEvent* event) {
  if (event->type() == QEvent::EnabledChange || event->type() == QEvent::FontChange) update();
  QAbstractButton::changeEvent(event);
}

}  // namespace fibwick
