#pragma once

#include <vector>

namespace fibwick::soundgen {

// The menu tune: a standard MIDI file (format 0) of our own melody, forty seconds long, whose
// last bar leads back into the first so it loops.
std::vector<char> MenuTune();

}  // namespace fibwick::soundgen
