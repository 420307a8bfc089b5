// Draws the graphics pack: tool NuvCGraph1.dll <output path> <fonts, catalogue...>
#include <array>

#include "graphics_painters.h"
#include "pack_tool.h"

int main(int argc, char** argv) {
  using namespace fibwick::packgen;
  const std::array<PackRecipe, 1> recipes{{
      {"NuvCGraph1.dll",
       [](PackWriter& pack, const QStringList& inputs) {
         Lettering lettering;
         if (!LoadLettering(inputs, lettering)) return false;
         AddPurpleBackgrounds(pack);
         AddHeaderPictures(pack, lettering);
         AddIconFilms(pack);
         AddSaluteFilm(pack);
         return true;
       }},
  }};
  return RunPackTool(argc, argv, recipes);
}
