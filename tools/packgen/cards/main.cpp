// Draws the card packs: tool <pack file> <output path> [inputs...]
#include <array>

#include "backs.h"
#include "faces.h"
#include "pack_tool.h"

int main(int argc, char** argv) {
  using namespace fibwick::packgen;
  const std::array<PackRecipe, 3> recipes{{
      {"NuvCards06A.dll",
       [](PackWriter& pack, const QStringList&) { return AddFaceSets(pack, 1, 31); }},
      {"NuvCards06B.dll",
       [](PackWriter& pack, const QStringList&) {
         return AddFaceSets(pack, 32, 39) && AddBackSets(pack);
       }},
      {"NuvCards06C.dll",
       [](PackWriter& pack, const QStringList&) { return AddFaceSets(pack, 40, 47); }},
  }};
  return RunPackTool(argc, argv, recipes);
}
