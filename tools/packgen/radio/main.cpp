// Draws the radio pack: tool NuvRadio02.dll <output path> <fonts...>
#include <array>

#include "input_fonts.h"
#include "pack_tool.h"
#include "radio_painters.h"

int main(int argc, char** argv) {
  using namespace fibwick::packgen;
  const std::array<PackRecipe, 1> recipes{{
      {"NuvRadio02.dll",
       [](PackWriter& pack, const QStringList& inputs) {
         const RadioLettering lettering{InputFontFamily(inputs, "DejaVuSans-Bold.ttf"),
                                        InputFontFamily(inputs, "DejaVuSerif-Bold.ttf")};
         if (lettering.sans.isEmpty() || lettering.serif.isEmpty()) return false;
         AddRadioSet(pack, lettering);
         AddStationLogos(pack, lettering);
         return true;
       }},
  }};
  return RunPackTool(argc, argv, recipes);
}
