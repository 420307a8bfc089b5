// Card faces of the face sets beyond the built-in one, rendered from SVG decks.
#pragma once

#include "pack_writer.h"

namespace fibwick::packgen {

// Adds the faces and suit symbols of face sets first..last that have a deck behind them;
// false with a message when a deck cannot be read.
bool AddFaceSets(PackWriter& pack, int first, int last);

}  // namespace fibwick::packgen
