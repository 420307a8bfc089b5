#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace fibwick::soundgen {

struct Cue {
  std::string name;
  std::vector<std::int16_t> pcm;
};

// Every sound cue the game plays, under its resource name.
std::vector<Cue> AllCues();

}  // namespace fibwick::soundgen
