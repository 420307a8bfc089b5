#pragma once

#include "game/messages.h"

// Files that must not be edited by hand carry the character of code 100 + this game's number on
// the game service: "z".
namespace fibwick {

inline constexpr char DataFileMarker = static_cast<char>(100 + GameId);

}  // namespace fibwick
