// Header pictures of the dialogs: grey caption bands that carry the title, and red ribbons.
#include <array>

#include "header_bands.h"
#include "paint_kit.h"
#include "painters.h"

namespace fibwick::artgen {

void AddDialogBands(ArtSet& set) {
  set.SetGroup("Dialog caption bands (width x 64)");
  for (const int width : {150, 280, 300, 430, 550, 610}) {
    set.Add(QString("GCap%1").arg(width),
            DrawScaled(width, CaptionBandHeight, 1.0, [&](QPainter& p) { CaptionBand(p, width); }));
  }
  set.SetGroup("Dialog ribbons");
  constexpr std::array<std::pair<int, int>, 6> Ribbons{
      {{200, 100}, {280, 90}, {300, 100}, {360, 100}, {380, 120}, {590, 116}}};
  for (const auto& [w, h] : Ribbons) {
    set.Add(QString("GLenta%1x%2").arg(w, 3, 10, QChar('0')).arg(h, 3, 10, QChar('0')),
            DrawScaled(w, h, 1.0, [&](QPainter& p) { Ribbon(p, w, h); }));
  }
}

}  // namespace fibwick::artgen
