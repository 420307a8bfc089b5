// Draws the backgrounds pack: tool <pack file> <output path>
#include <array>

#include "backgrounds.h"
#include "pack_tool.h"

int main(int argc, char** argv) {
  using namespace fibwick::packgen;
  const std::array<PackRecipe, 1> recipes{{
      {"NuvBackG03.dll", [](PackWriter& pack, const QStringList&) { return AddBackgrounds(pack); }},
  }};
  return RunPackTool(argc, argv, recipes);
}
