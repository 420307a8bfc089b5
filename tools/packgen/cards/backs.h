// Card backs of every back set, drawn by our own painters.
#pragma once

#include "pack_writer.h"

namespace fibwick::packgen {

// The backs the program does not hold itself: every size of sets 1..12, and the narrow big
// backs of set 0.
bool AddBackSets(PackWriter& pack);

}  // namespace fibwick::packgen
