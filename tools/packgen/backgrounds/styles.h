// The background styles. Each draws a picture of w x h in units of the small window
// (760 x 500), so the big picture is the small one at twice the detail, in the dye's colours.
#pragma once

#include <QImage>

#include "table_cloth.h"

namespace fibwick::packgen {

using artgen::ClothDye;

// Soft rays from a glow above the middle.
QImage Sun(int w, int h, const ClothDye& dye);
// Light from the upper left fading into the far corner.
QImage Gradient(int w, int h, const ClothDye& dye);
// Twill-woven threads.
QImage WovenCloth(int w, int h, const ClothDye& dye);
// A pile carpet with a patterned border and a lattice over the field.
QImage TableCarpet(int w, int h, const ClothDye& dye);
// Stained planks with their grain and joints.
QImage Wood(int w, int h, const ClothDye& dye);
// Smooth baize under a spotlight with printed lines and suit signs.
QImage Casino(int w, int h, const ClothDye& dye);
// Damask wallpaper: one motif repeated, tone on tone.
QImage Wallpaper(int w, int h, const ClothDye& dye);
// Folds of silk with their sheen.
QImage Silk(int w, int h, const ClothDye& dye);
// A pressed ornament: a rosette in the middle, corner pieces and a scrolled frame.
QImage Ornament(int w, int h, const ClothDye& dye);

}  // namespace fibwick::packgen
