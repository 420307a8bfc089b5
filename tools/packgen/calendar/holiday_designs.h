// What each holiday's picture shows: a backdrop, one or two large motifs and a row of small ones.
#pragma once

#include <QColor>
#include <cstdint>
#include <string_view>
#include <vector>

namespace fibwick::packgen {

enum class Ornament : std::uint8_t {
  None,
  Stars,
  Snow,
  Confetti,
  Ribbon,       // the orange and black ribbon of St George across a corner
  RoundArch,    // a gold line like an icon case's
  PointedArch,  // a white line like a church window's
};

// The card under the motifs: a gradient from top to bottom and what is strewn over it.
struct Backdrop {
  QColor top;
  QColor bottom;
  Ornament ornament = Ornament::None;
};

// A drawing of our own for what no emoji shows well.
enum class Painted : std::uint8_t { None, OrthodoxCross, LatinCross, RedStar, Cannon };

// Implicit, so that the designs read as lists of emoji.
struct Motif {
  Motif(const char* emojiText) : emoji(emojiText) {}
  Motif(Painted drawing) : painted(drawing) {}
  Motif(const char* emojiText, QRgb colour) : emoji(emojiText), tint(colour) {}

  const char* emoji = "";
  Painted painted = Painted::None;
  QRgb tint = 0;  // 0: the emoji's own colours
};

// What glows behind the large motifs.
enum class Glow : std::uint8_t { None, Halo, Rays };

struct HolidayDesign {
  std::string_view picture;  // the picture name the holiday table gives
  Backdrop backdrop;
  std::vector<Motif> large;  // one or two
  std::vector<Motif> small;  // up to three, in a row below
  Glow glow = Glow::None;
};

const std::vector<HolidayDesign>& HolidayDesigns();

}  // namespace fibwick::packgen
