#pragma once

#include <string_view>

// The click effect's film in the graphics pack: its frames side by side, played 12 ms apart.
namespace fibwick {

inline constexpr std::string_view SaluteFilmName = "GTouch";
inline constexpr int SaluteFrameSize = 100;
inline constexpr int SaluteFrameCount = 30;
inline constexpr int SaluteFrameMs = 12;

}  // namespace fibwick
