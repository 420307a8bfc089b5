#pragma once

// Files that must not be edited by hand carry the character of code 100 + this game's number on
// the game service (22): "z".
namespace fibwick {

inline constexpr int ServiceGameNumber = 22;
inline constexpr char DataFileMarker = static_cast<char>(100 + ServiceGameNumber);

}  // namespace fibwick
