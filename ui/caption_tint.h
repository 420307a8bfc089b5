#pragma once

#include <QImage>
#include <QRgb>

// The title pictures of the main menu are stored in red and recoloured into one of seven tints.
namespace fibwick {

inline constexpr int CaptionTintCount = 7;

// Tint 1 red leaves the colour as it is; 2 orange, 3 yellow, 4 green, 5 aqua, 6 blue, 7 violet.
QRgb TintPixel(QRgb pixel, int tint);
QImage TintPicture(const QImage& picture, int tint);
int NextCaptionTint(int tint);

}  // namespace fibwick
