// The table backgrounds of NuvBackG03.dll, looked up as the program looks them up.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <cmath>

#include "drawn_pack.h"
#include "ui/card_names.h"

namespace fibwick {
namespace {

constexpr QSize SmallWindow(760, 500), BigWindow(1520, 1000);

// Mean of the colour over a grid of pixels, 0..255 a channel.
QColor MeanColour(const QImage& image) {
  double r = 0, g = 0, b = 0;
  int n = 0;
  for (int y = 0; y < image.height(); y += 5) {
    for (int x = 0; x < image.width(); x += 5) {
      const QRgb p = image.pixel(x, y);
      r += qRed(p);
      g += qGreen(p);
      b += qBlue(p);
      ++n;
    }
  }
  return QColor::fromRgbF(static_cast<float>(r / n / 255), static_cast<float>(g / n / 255),
                          static_cast<float>(b / n / 255));
}

// Mean difference of the brightness of two pictures of one size, 0..255.
double Difference(const QImage& a, const QImage& b) {
  double sum = 0;
  int n = 0;
  for (int y = 0; y < a.height(); y += 3) {
    for (int x = 0; x < a.width(); x += 3) {
      sum += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y)));
      ++n;
    }
  }
  return sum / n;
}

class Backgrounds : public testing::Test {
 protected:
  void SetUp() override {
    pack_ = OpenDrawnPack(BackgroundPackName);
    ASSERT_NE(pack_, nullptr) << "no " << BackgroundPackName << " in FIBWICK_PROGRAM_FOLDER";
  }
  QImage Picture(int style, int colour, bool smallWindow) const {
    return pack_->Picture(BackgroundPictureName(style, colour, smallWindow));
  }
  std::unique_ptr<Pack> pack_;
};

TEST_F(Backgrounds, EveryStyleInEveryColourButTheBuiltInFeltIsAJpegInBothSizes) {
  int found = 0;
  for (int style = 1; style < BackgroundStyleCount; ++style) {
    for (int colour = 0; colour < BackgroundColourCount; ++colour) {
      if (BackgroundIsBuiltIn(style, colour)) {
        EXPECT_TRUE(pack_->Entry(BackgroundPictureName(style, colour, true)).isEmpty());
        continue;
      }
      for (const bool smallWindow : {true, false}) {
        const QString name = BackgroundPictureName(style, colour, smallWindow);
        SCOPED_TRACE(name.toStdString());
        EXPECT_TRUE(pack_->Entry(name).startsWith("\xFF\xD8\xFF"));
        EXPECT_EQ(Picture(style, colour, smallWindow).size(),
                  smallWindow ? SmallWindow : BigWindow);
        ++found;
      }
    }
  }
  EXPECT_EQ(found, 138);
}

// Cards and white text lie on the background: whatever its colour, it stays dark and calm, and
// its hue is the one the colour is named after.
TEST_F(Backgrounds, EachColourIsTheNamedHueDarkAndCalm) {
  struct Hue {
    int colour;
    double from, to;  // degrees; red reaches round from below 360 past 0
  };
  const Hue Hues[] = {{0, 110, 160}, {1, -20, 10},  {2, 15, 35},  {3, 40, 60},
                      {4, 185, 210}, {5, 215, 245}, {6, 265, 295}};
  for (int style = 1; style < BackgroundStyleCount; ++style) {
    for (const Hue& hue : Hues) {
      if (BackgroundIsBuiltIn(style, hue.colour)) continue;
      for (const bool smallWindow : {true, false}) {
        const QImage picture = Picture(style, hue.colour, smallWindow);
        SCOPED_TRACE(BackgroundPictureName(style, hue.colour, smallWindow).toStdString());
        const QColor mean = MeanColour(picture);
        double degrees = mean.hsvHueF() * 360;
        if (degrees > 300 && hue.from < 0) degrees -= 360;
        EXPECT_GE(degrees, hue.from);
        EXPECT_LE(degrees, hue.to);
        EXPECT_LT(mean.valueF(), 0.75);
        double spread = 0;
        for (int y = 0; y < picture.height(); y += 5) {
          for (int x = 0; x < picture.width(); x += 5) {
            spread += std::abs(qGray(picture.pixel(x, y)) - qGray(mean.rgb()));
          }
        }
        spread /= (picture.height() / 5.0) * (picture.width() / 5.0);
        EXPECT_GT(spread, 2.0) << "a plain picture";
        EXPECT_LT(spread, 20.0) << "too busy under the cards";
      }
    }
  }
}

TEST_F(Backgrounds, LightBlueIsLighterThanDarkBlue) {
  for (int style = 1; style < BackgroundStyleCount; ++style) {
    EXPECT_GT(MeanColour(Picture(style, 4, true)).valueF(),
              MeanColour(Picture(style, 5, true)).valueF() + 0.1)
        << "style " << style;
  }
}

TEST_F(Backgrounds, TheStylesOfOneColourDiffer) {
  for (int colour = 0; colour < BackgroundColourCount; ++colour) {
    for (int a = 1; a < BackgroundStyleCount; ++a) {
      for (int b = a + 1; b < BackgroundStyleCount; ++b) {
        if (BackgroundIsBuiltIn(a, colour) || BackgroundIsBuiltIn(b, colour)) continue;
        EXPECT_GT(Difference(Picture(a, colour, true), Picture(b, colour, true)), 1.0)
            << "styles " << a << " and " << b << " in colour " << colour;
      }
    }
  }
}

}  // namespace
}  // namespace fibwick
