#include "backgrounds.h"

#include <array>

#include "styles.h"
#include "table_cloth.h"

namespace fibwick::packgen {

namespace {

using artgen::ClothDye;

struct Colour {
  const char* code;
  ClothDye dye;
};

// Green, red, orange, yellow, light blue, dark blue and violet: dark enough for white text and
// bright cards on top.
const std::array<Colour, 7> Colours{{
    {"Gr", artgen::GreenFelt},
    {"Re", {{58, 8, 12}, {114, 20, 28}, {146, 40, 44}}},
    {"Or", {{76, 32, 6}, {144, 66, 16}, {178, 96, 36}}},
    {"Ye", {{78, 64, 8}, {140, 116, 22}, {172, 148, 48}}},
    {"B1", {{10, 62, 94}, {28, 110, 150}, {58, 146, 186}}},
    {"B2", {{6, 14, 50}, {16, 32, 98}, {36, 58, 138}}},
    {"Fi", {{40, 10, 58}, {80, 28, 110}, {110, 54, 144}}},
}};

using Style = QImage (*)(int w, int h, const ClothDye& dye);

// Styles 1..10 in their order in the options.
const std::array<Style, 10> Styles{
    Sun, artgen::Felt, Gradient, WovenCloth, TableCarpet, Wood, Casino, Wallpaper, Silk, Ornament,
};

}  // namespace

bool AddBackgrounds(PackWriter& pack) {
  for (std::size_t style = 0; style < Styles.size(); ++style) {
    for (std::size_t colour = 0; colour < Colours.size(); ++colour) {
      // Style 2 in green is the built-in felt.
      if (style == 1 && colour == 0) continue;
      const QString name = QStringLiteral("Fon%1").arg(style + 1, 2, 10, QChar('0')) +
                           QString::fromLatin1(Colours[colour].code);
      pack.AddJpeg(name, Styles[style](760, 500, Colours[colour].dye));
      pack.AddJpeg(name + "B", Styles[style](1520, 1000, Colours[colour].dye));
    }
  }
  return true;
}

}  // namespace fibwick::packgen
