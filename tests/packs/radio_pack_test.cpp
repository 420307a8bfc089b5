// The radio pack the build drew: the window's pictures by the names and at the sizes the radio
// window lays out.
#include <gtest/gtest.h>

#include "packs/packs_support.h"
#include "ui/radio_pictures.h"

namespace fibwick {
namespace {

using testing_support::Drawn;
using testing_support::DrawnPack;
using testing_support::Latin;

const Pack& Radio() {
  return DrawnPack(RadioPackName);
}

QSize SizeOf(RadioPictureSize size) {
  return {size.width, size.height};
}

// Pixels far from grey: the lit steps of the scale.
int Coloured(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      count += c.alpha() > 128 && c.saturation() > 120 && c.value() > 120;
    }
  }
  return count;
}

TEST(RadioPack, EveryPictureIsThereAtItsSize) {
  const std::pair<std::string, RadioPictureSize> pictures[] = {
      {std::string(RadioOnPicture), RadioSetSize},
      {std::string(RadioOffPicture), RadioSetSize},
      {std::string(RadioFramePicture), RadioFrameSize},
      {std::string(DefaultStationLogo), StationLogoSize},
      {std::string(UnnamedStationLogo), StationLogoSize},
  };
  for (const auto& [name, size] : pictures) {
    const QImage picture = Radio().Picture(Latin(name));
    EXPECT_EQ(picture.size(), SizeOf(size)) << name;
    EXPECT_TRUE(Drawn(picture)) << name;
  }
  EXPECT_NE(Radio().Picture(Latin(RadioOnPicture)), Radio().Picture(Latin(RadioOffPicture)));
}

TEST(RadioPack, TheVolumeScaleShowsMoreAtEveryStep) {
  int before = -1;
  for (int volume = 0; volume <= 100; volume += 10) {
    const std::string name = RadioVolumePicture(volume);
    const QImage scale = Radio().Picture(Latin(name));
    ASSERT_EQ(scale.size(), SizeOf(RadioVolumeSize)) << name;
    const int lit = Coloured(scale);
    EXPECT_GT(lit, before) << name;
    before = lit;
  }
}

// The logo is drawn inside the frame: the frame is see-through where the logo goes.
TEST(RadioPack, TheFrameLeavesRoomForTheLogo) {
  const QImage frame = Radio().Picture(Latin(RadioFramePicture));
  const QRect room(QPoint(RadioFrameBorder, RadioFrameBorder), SizeOf(StationLogoSize));
  EXPECT_EQ(qAlpha(frame.pixel(room.center())), 0);
  EXPECT_EQ(qAlpha(frame.pixel(room.topLeft() + QPoint(2, 2))), 0);
  EXPECT_EQ(qAlpha(frame.pixel(room.bottomRight() - QPoint(2, 2))), 0);
  EXPECT_EQ(qAlpha(frame.pixel(RadioFrameBorder / 2, frame.height() / 2)), 255);
  EXPECT_EQ(qAlpha(frame.pixel(frame.width() / 2, RadioFrameBorder / 2)), 255);
}

}  // namespace
}  // namespace fibwick
