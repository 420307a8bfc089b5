// Table cloths: the built-in green felt, and the same felt in the colours the pack dyes it in.
#pragma once

#include <QColor>
#include <QImage>

#include "palette.h"

namespace fibwick::artgen {

// A cloth's colours from its shadows through its body to where the light falls.
struct ClothDye {
  QColor dark, body, light;
};

inline const ClothDye GreenFelt{palette::FeltDark, palette::Felt, palette::FeltLight};

// The dye at t in [0, 1] (shadow .. light), each channel times the grain, as an opaque pixel.
QRgb Dyed(const ClothDye& dye, double t, double grain);

// Felt with a fine fibre grain, lit from the middle. Drawn in units of the small window
// (760 x 500), so every size is the same cloth.
QImage Felt(int w, int h, const ClothDye& dye);

}  // namespace fibwick::artgen
