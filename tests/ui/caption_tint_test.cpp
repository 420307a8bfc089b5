#include "ui/caption_tint.h"

#include <gtest/gtest.h>

namespace fibwick {
namespace {

TEST(CaptionTint, EachRuleOnARedPixel) {
  const QRgb red = qRgba(200, 50, 30, 255);
  struct Case {
    int tint;
    QRgb expected;
  };
  for (const Case c : {Case{1, qRgba(200, 50, 30, 255)}, Case{2, qRgba(200, 93, 21, 255)},
                       Case{3, qRgba(200, 200, 30, 255)}, Case{4, qRgba(50, 200, 30, 255)},
                       Case{5, qRgba(30, 200, 200, 255)}, Case{6, qRgba(30, 50, 200, 255)},
                       Case{7, qRgba(200, 50, 200, 255)}}) {
    EXPECT_EQ(TintPixel(red, c.tint), c.expected) << c.tint;
  }
  // Orange changes only pixels where red leads.
  EXPECT_EQ(TintPixel(qRgba(10, 50, 30, 128), 2), qRgba(10, 50, 30, 128));
}

TEST(CaptionTint, ClickCyclesThroughSevenAndBackToRed) {
  EXPECT_EQ(NextCaptionTint(1), 2);
  EXPECT_EQ(NextCaptionTint(6), 7);
  EXPECT_EQ(NextCaptionTint(7), 1);
  QImage picture(2, 1, QImage::Format_ARGB32);
  picture.setPixel(0, 0, qRgba(200, 50, 30, 255));
  picture.setPixel(1, 0, qRgba(0, 0, 0, 0));
  const QImage blue = TintPicture(picture, 6);
  EXPECT_EQ(blue.pixel(0, 0), qRgba(30, 50, 200, 255));
  EXPECT_EQ(qAlpha(blue.pixel(1, 0)), 0);
}

}  // namespace
}  // namespace fibwick
