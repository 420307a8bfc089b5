#pragma once

#include <algorithm>
#include <string>
#include <string_view>

// The radio window's pictures: their names in the radio pack and the sizes the window lays
// them out at.
namespace fibwick {

inline constexpr std::string_view RadioPackName = "NuvRadio02.dll";

struct RadioPictureSize {
  int width;
  int height;
};

// The big picture that switches the radio: lit while it plays, dark while it is off.
inline constexpr std::string_view RadioOnPicture = "RRADIO_MAING";
inline constexpr std::string_view RadioOffPicture = "RRADIO_MAINR";
inline constexpr RadioPictureSize RadioSetSize{220, 125};

// The volume scale, "RRADIO_VOLUME00" (silent) to "RRADIO_VOLUME10" (full).
inline constexpr int RadioVolumeSteps = 10;
inline constexpr RadioPictureSize RadioVolumeSize{220, 28};
// Each started tenth of the volume lights one more step: 1..10 shows "01", 91..100 "10".
inline std::string RadioVolumePicture(int volume) {
  const int step = std::clamp((volume + 9) / 10, 0, RadioVolumeSteps);
  return std::string("RRADIO_VOLUME") + static_cast<char>('0' + step / 10) +
         static_cast<char>('0' + step % 10);
}

// The station's logo stands in the frame, inset by the frame's border.
inline constexpr std::string_view RadioFramePicture = "RRADIO_RAMKA";
inline constexpr RadioPictureSize RadioFrameSize{180, 110};
inline constexpr int RadioFrameBorder = 10;
inline constexpr RadioPictureSize StationLogoSize{RadioFrameSize.width - 2 * RadioFrameBorder,
                                                  RadioFrameSize.height - 2 * RadioFrameBorder};
inline constexpr std::string_view DefaultStationLogo = "RRADIO_LOGO_AVTORADIO";
// The logo of a station whose line names none.
inline constexpr std::string_view UnnamedStationLogo = "RRADIO_LOGO_RADIOUN";

}  // namespace fibwick
