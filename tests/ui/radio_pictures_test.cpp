#include "ui/radio_pictures.h"

#include <gtest/gtest.h>

namespace fibwick {
namespace {

TEST(RadioPictures, EachStartedTenthOfTheVolumeLightsOneMoreStep) {
  const std::pair<int, const char*> cases[] = {
      {0, "RRADIO_VOLUME00"},  {1, "RRADIO_VOLUME01"},  {10, "RRADIO_VOLUME01"},
      {11, "RRADIO_VOLUME02"}, {30, "RRADIO_VOLUME03"}, {31, "RRADIO_VOLUME04"},
      {90, "RRADIO_VOLUME09"}, {91, "RRADIO_VOLUME10"}, {100, "RRADIO_VOLUME10"},
  };
  for (const auto& [volume, picture] : cases) {
    EXPECT_EQ(RadioVolumePicture(volume), picture) << volume;
  }
}

}  // namespace
}  // namespace fibwick
