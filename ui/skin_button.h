#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <functional>
#include <span>

#include "ui/builtin_pictures.h"
#include "ui/text_helpers.h"

// Skinned push buttons: caps and a middle from small pictures (or a gradient), recoloured into
// one of eight colours and optionally lightened.
namespace fibwick {

enum class TColorSB { DRed, DGreen, DBlue, DNavy, DYellow, DViolet, DOrang, DCards };
enum class THeightSB { D30, D45, D60 };
enum class GlyphLayout { Left, Right, Top, Bottom };

// The row of the skin table a button height uses.
struct SkinRow {
  int baseHeight;  // 30, 45, 60
  int capBase;     // 8, 13, 17
  const char* classicPrefix;
  const char* newPrefix;
};
SkinRow SkinRowFor(int height);
bool IsStandardHeight(int height);
int CapWidth(int height);

QRgb Recolour(QRgb source, TColorSB colour, int kLight, bool nata);
// The picture recoloured pixel by pixel, alpha kept; DRed without lightening is left unchanged.
QImage RecolourPicture(const QImage& picture, TColorSB colour, int kLight, bool nata);

// The classic middle of a standard height: one source colour per row, the last row excluded.
std::span<const QRgb> ClassicGradient(int standardHeight);

QColor FocusColour(TColorSB colour, bool nata);

// Everything a paint of the button depends on.
struct ButtonFace {
  QSize size{100, 30};
  TColorSB colour = TColorSB::DRed;
  int kLight = 0;
  bool nata = false;
  bool smooth = true;
  QImage glyph;
  GlyphLayout glyphLayout = GlyphLayout::Left;
  QString text;
  QFont font;
  QColor textColour{0, 0, 0};
  bool pressed = false;
  bool focusMark = false;  // focused, and the outline is wanted
};

// The skin alone (caps and middle) on a transparent picture of the button's size.
QImage PaintSkin(const ButtonFace& face, const PictureLookup& pictures);
// Where the glyph goes, and the rectangle the text is laid out in (before the pressed shift).
QPoint GlyphPosition(const ButtonFace& face);
QRect TextRect(const ButtonFace& face);
// Where the caption has to stay: the text rectangle less the rounded ends.
QRect CaptionRoom(const ButtonFace& face);
// The caption as the button draws it: a long one in a smaller font, or on two lines where the
// button is tall enough.
FittedText FitCaption(const ButtonFace& face);
// The whole button: skin, glyph, text and focus mark, shifted by one pixel when pressed.
void PaintButton(QPainter& painter, const ButtonFace& face, const PictureLookup& pictures,
                 const std::function<void(QPainter&)>& afterDrawn = {});

class SkinButton : public QAbstractButton {
  Q_OBJECT

 public:
  explicit SkinButton(QWidget* parent = nullptr);

  TColorSB ColorSB() const { return colorSB_; }
  void SetColorSB(TColorSB colour);
  QColor ColorMouse() const { return colorMouse_; }
  void SetColorMouse(QColor colour);
  QColor FontColour() const { return fontColour_; }
  void SetFontColour(QColor colour);
  bool LightFont() const { return lightFont_; }
  void SetLightFont(bool on);
  bool GrayDis() const { return grayDis_; }
  void SetGrayDis(bool on);
  THeightSB HeightSB() const { return heightSB_; }
  void SetHeightSB(THeightSB height);
  int KLightSB() const { return kLightSB_; }
  void SetKLightSB(int percent);
  bool Kontur() const { return kontur_; }
  void SetKontur(bool on);
  bool Smooth() const { return smooth_; }
  void SetSmooth(bool on);
  bool Nata() const { return nata_; }
  void SetNata(bool on);
  void SetGlyph(const QImage& glyph, GlyphLayout layout = GlyphLayout::Left);
  void SetPictures(PictureLookup pictures);

  bool MouseInPos() const { return mouseInPos_; }
  // The face as the next paint would draw it.
  ButtonFace Face() const;

  std::function<void(SkinButton&, QPainter&, QRect)> OnDrawButton;
  std::function<void(SkinButton&)> OnMouseEnter;
  std::function<void(SkinButton&)> OnMouseLeave;

  QSize sizeHint() const override { return {100, 30}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  template <typename T>
  void Set(T& field, T value);

  TColorSB colorSB_ = TColorSB::DRed;
  QColor colorMouse_{255, 255, 0};
  QColor fontColour_{0, 0, 0};
  bool lightFont_ = false;
  bool grayDis_ = false;
  THeightSB heightSB_ = THeightSB::D30;
  int kLightSB_ = 0;
  bool kontur_ = true;
  bool smooth_ = true;
  bool nata_ = false;
  QImage glyph_;
  GlyphLayout glyphLayout_ = GlyphLayout::Left;
  bool mouseInPos_ = false;
  PictureLookup pictures_ = LoadBuiltinPicture;
};

}  // namespace fibwick
