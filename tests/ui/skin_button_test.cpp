#include "ui/skin_button.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEnterEvent>
#include <QPainter>
#include <map>

#include "ui/resample.h"
#include "ui_test_support.h"

namespace fibwick {
namespace {

using testing_support::Solid;

// Skin pictures made here: caps with a vertical ramp so resampling shows, a flat middle.
struct Skins {
  std::vector<QString> asked;

  PictureLookup Lookup() {
    return [this](const QString& name) {
      asked.push_back(name);
      const int h = name.mid(1, 2).toInt();
      const int capW = h == 29 ? 8 : h == 44 ? 13 : 17;
      if (name.endsWith("_2")) return Solid(4, h, qRgb(150, 40, 40));
      QImage cap(capW, h, QImage::Format_ARGB32);
      for (int y = 0; y < h; ++y) {
        for (int x = 0; x < capW; ++x) cap.setPixel(x, y, qRgb(100 + 4 * y, 2 * y, 0));
      }
      return cap;
    };
  }
};

QImage Render(const ButtonFace& face, const PictureLookup& pictures) {
  QImage image(face.size + QSize(1, 1), QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  PaintButton(painter, face, pictures);
  return image;
}

struct RowCase {
  TColorSB colour;
  int row;
  QRgb expected;
};

class ClassicRows : public testing::TestWithParam<RowCase> {};

TEST_P(ClassicRows, ThirtyPixelGradient) {
  Skins skins;
  ButtonFace face;
  face.colour = GetParam().colour;
  const QImage skin = PaintSkin(face, skins.Lookup());
  EXPECT_EQ(skin.pixel(50, GetParam().row), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, ClassicRows,
                         testing::Values(RowCase{TColorSB::DRed, 0, qRgb(128, 0, 0)},
                                         RowCase{TColorSB::DRed, 3, qRgb(232, 173, 173)},
                                         RowCase{TColorSB::DRed, 28, qRgb(128, 0, 0)},
                                         RowCase{TColorSB::DNavy, 3, qRgb(173, 173, 232)},
                                         RowCase{TColorSB::DYellow, 3, qRgb(232, 232, 173)},
                                         RowCase{TColorSB::DGreen, 3, qRgb(173, 232, 173)},
                                         RowCase{TColorSB::DBlue, 0, qRgb(0, 128, 128)},
                                         RowCase{TColorSB::DOrang, 3, qRgb(232, 165, 121)},
                                         RowCase{TColorSB::DViolet, 14, qRgb(152, 36, 152)}));

TEST(SkinButton, ThirtyPixelRedButtonKeepsItsCapsAndLastRow) {
  Skins skins;
  const ButtonFace face;
  const QImage skin = PaintSkin(face, skins.Lookup());
  const QImage cap = skins.Lookup()("R29_L");
  for (int y = 0; y < 29; ++y) {
    for (int x = 0; x < 8; ++x) ASSERT_EQ(skin.pixel(x, y), cap.pixel(x, y)) << x << "," << y;
  }
  EXPECT_EQ(skin.pixel(91, 5), cap.pixel(0, 5));  // the right cap at width - capW - 1
  EXPECT_EQ(qAlpha(skin.pixel(99, 5)), 0);
  EXPECT_EQ(qAlpha(skin.pixel(50, 29)), 0);  // the gradient leaves the last row alone
  EXPECT_EQ(skin.pixel(90, 3), qRgb(232, 173, 173));
}

TEST(SkinButton, Lightening) {
  EXPECT_EQ(Recolour(qRgb(128, 0, 0), TColorSB::DRed, 50, false), qRgb(192, 128, 128));
  EXPECT_EQ(Recolour(qRgb(128, 0, 0), TColorSB::DCards, 0, false), qRgb(90, 0, 128));
  EXPECT_EQ(Recolour(qRgba(10, 20, 30, 77), TColorSB::DNavy, 0, false), qRgba(30, 20, 10, 77));
}

TEST(SkinButton, NewFamilyTouchesOnlyReddishPixelsWhenLightening) {
  // Distance from pure red: (200, 40, 40) is 75 away, (60, 60, 60) is 213 away.
  EXPECT_EQ(Recolour(qRgb(200, 40, 40), TColorSB::DRed, 50, true), qRgb(228, 148, 148));
  EXPECT_EQ(Recolour(qRgb(60, 60, 60), TColorSB::DRed, 50, true), qRgb(60, 60, 60));
  EXPECT_EQ(Recolour(qRgb(200, 40, 40), TColorSB::DCards, 0, true), qRgb(120, 28, 200));
  EXPECT_EQ(Recolour(qRgb(60, 60, 60), TColorSB::DCards, 0, true), qRgb(60, 60, 60));
  // The channel exchanges of the other colours apply everywhere.
  EXPECT_EQ(Recolour(qRgb(60, 70, 80), TColorSB::DNavy, 50, true), qRgb(80, 70, 60));
}

TEST(SkinButton, HeightRows) {
  EXPECT_EQ(SkinRowFor(39).baseHeight, 45);
  EXPECT_EQ(CapWidth(39), 11);  // round(11.27)
  EXPECT_EQ(CapWidth(51), 14);  // round(14.45)
  EXPECT_EQ(CapWidth(30), 8);
  EXPECT_EQ(SkinRowFor(30).baseHeight, 30);
  EXPECT_EQ(SkinRowFor(46).baseHeight, 60);
  EXPECT_FALSE(IsStandardHeight(39));
}

TEST(SkinButton, NonStandardHeightUsesTheMiddlePictureAndResampledCaps) {
  Skins skins;
  ButtonFace face;
  face.size = {120, 39};
  const QImage smooth = PaintSkin(face, skins.Lookup());
  EXPECT_EQ(std::count(skins.asked.begin(), skins.asked.end(), "R44_2"), 1);
  EXPECT_EQ(smooth.pixel(60, 20), qRgb(150, 40, 40));
  EXPECT_EQ(smooth.pixel(11, 20), qRgb(150, 40, 40));  // the middle starts at capW = 11
  EXPECT_EQ(qAlpha(smooth.pixel(60, 38)), 0);

  // The smooth cap is the bilinear resize of the 13 x 44 cap to 11 x 38.
  QImage expected = skins.Lookup()("R44_L");
  ResizePicture(expected, 11, 38);
  for (int y = 0; y < 38; ++y) ASSERT_EQ(smooth.pixel(0, y), expected.pixel(0, y)) << y;

  face.smooth = false;
  const QImage stretched = PaintSkin(face, skins.Lookup());
  bool differs = false;
  for (int y = 0; y < 38; ++y) differs |= stretched.pixel(3, y) != smooth.pixel(3, y);
  EXPECT_TRUE(differs);
}

TEST(SkinButton, PressedMovesFaceAndTextOnePixel) {
  Skins skins;
  ButtonFace face;
  face.text = "Put";
  face.font.setPixelSize(14);
  face.textColour = Qt::white;
  face.glyph = Solid(10, 10, qRgb(0, 0, 255));
  const QImage up = Render(face, skins.Lookup());
  face.pressed = true;
  const QImage down = Render(face, skins.Lookup());
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 100; ++x) ASSERT_EQ(down.pixel(x + 1, y + 1), up.pixel(x, y)) << x << y;
  }
}

TEST(SkinButton, GlyphAndTextPlacement) {
  ButtonFace face;
  face.glyph = Solid(16, 16, qRgb(0, 0, 255));
  EXPECT_EQ(GlyphPosition(face), QPoint(15, 6));  // round(13 / 2) = 6
  EXPECT_EQ(TextRect(face).left(), 16 + 25);
  face.glyphLayout = GlyphLayout::Right;
  EXPECT_EQ(GlyphPosition(face), QPoint(100 - 16 - 15, 6));
  EXPECT_EQ(TextRect(face).right(), 99 - 41);
  face.size = {100, 39};
  face.glyphLayout = GlyphLayout::Left;
  EXPECT_EQ(GlyphPosition(face), QPoint(18, 11));  // round(17.6); round(22 / 2)
  EXPECT_EQ(TextRect(face).left(), 16 + 18 + 10);
  face.glyphLayout = GlyphLayout::Top;
  EXPECT_EQ(GlyphPosition(face).x(), 42);
  EXPECT_EQ(TextRect(face), QRect(0, 0, 100, 39));
  face.nata = true;
  EXPECT_EQ(TextRect(face), QRect(0, -1, 100, 39));
}

TEST(SkinButton, FocusMarks) {
  Skins skins;
  ButtonFace face;
  face.focusMark = true;
  face.colour = TColorSB::DGreen;
  const QImage classic = Render(face, skins.Lookup());
  EXPECT_EQ(classic.pixel(50, 4), FocusColour(TColorSB::DGreen, false).rgb());
  EXPECT_EQ(classic.pixel(50, 25), FocusColour(TColorSB::DGreen, false).rgb());

  face.nata = true;
  face.colour = TColorSB::DNavy;
  const QImage dots = Render(face, skins.Lookup());
  // Diameter 4 at y = 13, one at x = 10 and its mirror at 100 - 10 - 4.
  EXPECT_EQ(dots.pixel(11, 14), qRgb(0, 255, 0));
  EXPECT_EQ(dots.pixel(87, 15), qRgb(0, 255, 0));
  EXPECT_EQ(FocusColour(TColorSB::DCards, true), QColor(220, 180, 255));
  EXPECT_EQ(FocusColour(TColorSB::DOrang, false), QColor(255, 128, 64));
}

TEST(SkinButton, WidgetProperties) {
  Skins skins;
  SkinButton button;
  button.SetPictures(skins.Lookup());
  EXPECT_EQ(button.size(), QSize(100, 30));
  button.SetHeightSB(THeightSB::D45);
  EXPECT_EQ(button.height(), 45);
  button.SetFontColour(Qt::white);
  button.SetLightFont(true);
  button.SetColorMouse(QColor(255, 255, 0));
  EXPECT_EQ(button.Face().textColour, QColor(Qt::white));
  int entered = 0;
  button.OnMouseEnter = [&](SkinButton&) { ++entered; };
  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
  QCoreApplication::sendEvent(&button, &enter);
  EXPECT_EQ(entered, 1);
  EXPECT_EQ(button.Face().textColour, QColor(255, 255, 0));
  button.SetGrayDis(true);
  button.setEnabled(false);
  EXPECT_EQ(button.Face().textColour, QColor(192, 192, 192));

  int drawn = 0;
  button.OnDrawButton = [&](SkinButton&, QPainter&, QRect rect) {
    ++drawn;
    EXPECT_EQ(rect, QRect(0, 0, 100, 45));
  };
  const QImage shot = button.grab().toImage();
  EXPECT_EQ(drawn, 1);
  EXPECT_EQ(shot.pixel(50, 3), qRgb(239, 180, 180));
}

}  // namespace
}  // namespace fibwick
