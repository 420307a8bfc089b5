#include "ui/resample.h"

#include <gtest/gtest.h>

#include "ui/compose.h"
#include "ui_test_support.h"

namespace fibwick {
namespace {

using testing_support::Solid;

TEST(ResizePicture, TinyPicturesAndTargetsAreLeftAsTheyAre) {
  const QImage one = Solid(1, 1, qRgb(9, 8, 7));
  QImage picture = one;
  ResizePicture(picture, 50, 40);
  EXPECT_EQ(picture, one);

  const QImage wide = Solid(4, 4, qRgb(1, 2, 3));
  picture = wide;
  ResizePicture(picture, 1, 40);
  EXPECT_EQ(picture, wide);
}

TEST(ResizePicture, BilinearWithTiesToEven) {
  QImage picture(2, 2, QImage::Format_ARGB32);
  picture.setPixel(0, 0, qRgba(0, 0, 10, 255));
  picture.setPixel(1, 0, qRgba(1, 255, 10, 0));
  picture.setPixel(0, 1, qRgba(2, 0, 10, 255));
  picture.setPixel(1, 1, qRgba(3, 255, 10, 0));
  ResizePicture(picture, 2, 2);
  ASSERT_EQ(picture.format(), QImage::Format_ARGB32);
  // Source positions 0 and 0.5 on both axes.
  EXPECT_EQ(picture.pixel(0, 0), qRgba(0, 0, 10, 255));
  EXPECT_EQ(picture.pixel(1, 0), qRgba(0, 128, 10, 128));  // 0.5 to 0, 127.5 to 128
  EXPECT_EQ(picture.pixel(0, 1), qRgba(1, 0, 10, 255));
  EXPECT_EQ(picture.pixel(1, 1), qRgba(2, 128, 10, 128));  // 1.5 to 2
}

TEST(ResizePicture, PicturesWithoutAlphaStaySo) {
  QImage picture = Solid(3, 3, qRgb(40, 50, 60), QImage::Format_RGB32);
  ResizePicture(picture, 7, 5);
  EXPECT_EQ(picture.size(), QSize(7, 5));
  EXPECT_FALSE(picture.hasAlphaChannel());
  EXPECT_EQ(picture.pixel(6, 4), qRgb(40, 50, 60));
}

TEST(ResizePicture, OnlyRgbColourTypes) {
  for (QImage::Format format :
       {QImage::Format_Indexed8, QImage::Format_Grayscale8, QImage::Format_Mono}) {
    QImage picture = Solid(4, 4, qRgb(0, 0, 0), QImage::Format_RGB32).convertToFormat(format);
    try {
      ResizePicture(picture, 8, 8);
      ADD_FAILURE() << "format " << format << " accepted";
    } catch (const std::invalid_argument& error) {
      EXPECT_STREQ(error.what(), "Only COLOR_RGBALPHA and COLOR_RGB formats are supported");
    }
  }
}

TEST(Spline36, UniformStaysUniform) {
  const QImage resampled = Spline36Resample(Solid(146, 198, qRgb(200, 30, 90)), 92, 125);
  ASSERT_EQ(resampled.size(), QSize(92, 125));
  for (int y = 0; y < 125; ++y) {
    for (int x = 0; x < 92; ++x) ASSERT_EQ(resampled.pixel(x, y), qRgb(200, 30, 90));
  }
}

TEST(Spline36, ShrinkingWidensTheKernelAgainstAliasing) {
  // Alternating black and white columns halved: a narrow kernel would keep stripes, the
  // widened one gives an even grey.
  QImage stripes(146, 20, QImage::Format_RGB32);
  for (int x = 0; x < 146; ++x) {
    for (int y = 0; y < 20; ++y)
      stripes.setPixel(x, y, x % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
  }
  const QImage half = Spline36Resample(stripes, 73, 20);
  for (int x = 4; x < 69; ++x) {
    EXPECT_NEAR(qRed(half.pixel(x, 10)), 128, 4) << x;
  }
}

TEST(Spline36, SameSizeIsTheIdentity) {
  QImage noise(31, 17, QImage::Format_RGB32);
  for (int y = 0; y < 17; ++y) {
    for (int x = 0; x < 31; ++x) noise.setPixel(x, y, qRgb(x * 8, y * 15, (x * y) % 256));
  }
  EXPECT_EQ(Spline36Resample(noise, 31, 17), noise);
}

TEST(RoundRect, CornersAreCut) {
  EXPECT_FALSE(InsideRoundRect(0, 0, 92, 125, 10, 10));
  EXPECT_FALSE(InsideRoundRect(91, 124, 92, 125, 10, 10));
  EXPECT_TRUE(InsideRoundRect(5, 0, 92, 125, 10, 10));
  EXPECT_TRUE(InsideRoundRect(0, 5, 92, 125, 10, 10));
  EXPECT_TRUE(InsideRoundRect(2, 2, 92, 125, 10, 10));
  EXPECT_FALSE(InsideRoundRect(92, 5, 92, 125, 10, 10));
}

TEST(Compose, BackgroundPatchThenPictureWithAlpha) {
  QImage background(100, 60, QImage::Format_RGB32);
  for (int y = 0; y < 60; ++y) {
    for (int x = 0; x < 100; ++x) background.setPixel(x, y, qRgb(x, y, 7));
  }
  PictureControl control{{90, 50, 20, 20}, {}, true};
  QImage picture = Solid(10, 10, qRgba(0, 0, 0, 0));
  picture.setPixel(9, 9, qRgb(255, 0, 0));
  ComposeOverBackground(control, background, picture);
  ASSERT_EQ(control.buffer.size(), QSize(20, 20));
  EXPECT_EQ(control.buffer.pixel(0, 0), qRgb(90, 50, 7));
  EXPECT_EQ(control.buffer.pixel(9, 9), qRgb(99, 59, 7));
  EXPECT_EQ(control.buffer.pixel(15, 5), qRgb(0, 0, 0));   // beyond the background
  EXPECT_EQ(control.buffer.pixel(5, 5), qRgb(95, 55, 7));  // transparent: background shows
  EXPECT_GT(qRed(control.buffer.pixel(19, 19)), 0);        // the red pixel, stretched
}

TEST(Compose, AChangedPictureIsResizedAgain) {
  QImage canvas = Solid(20, 20, qRgb(0, 0, 0), QImage::Format_RGB32);
  QImage picture = Solid(10, 10, qRgb(10, 10, 10));
  DrawResized(canvas, picture, 0, 0, 20, 20);
  EXPECT_EQ(canvas.pixel(5, 5), qRgb(10, 10, 10));
  picture.fill(qRgb(200, 0, 0));
  DrawResized(canvas, picture, 0, 0, 20, 20);
  EXPECT_EQ(canvas.pixel(5, 5), qRgb(200, 0, 0));
}

}  // namespace
}  // namespace fibwick
