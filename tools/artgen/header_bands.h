// The header bands of the dialogs: the grey caption band and the red ribbon. The built-in
// pictures are these bands; the graphics pack draws its header pictures to fit over them.
#pragma once

#include <QPainter>
#include <QRectF>

namespace fibwick::artgen {

inline constexpr int CaptionBandHeight = 64;

void CaptionBand(QPainter& p, int width);

// The ribbon of w x h: a satin band in front, its notched tails folding back behind it.
void Ribbon(QPainter& p, int w, int h);
// Where the front of the ribbon lies: the part that carries writing.
QRectF RibbonFront(int w, int h);

}  // namespace fibwick::artgen
