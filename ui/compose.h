#pragma once

#include <QImage>

#include "ui/layout.h"

// Picture controls hold their own buffer; decorative ones look transparent by starting every
// redraw from the background patch under them.
namespace fibwick {

struct PictureControl {
  PixelRect rect;
  QImage buffer;  // rect's size, Format_RGB32
  bool visible = true;
};

// The buffer becomes the part of the background under the control (black where there is none).
void FillWithBackground(PictureControl& control, const QImage& background);

// The background patch, then the picture resized to the control with its alpha over it.
void ComposeOverBackground(PictureControl& control, const QImage& background,
                           const QImage& picture);

// The picture resized (bilinear, ResizePicture) and drawn with its alpha at (x, y).
void DrawResized(QImage& canvas, const QImage& picture, int x, int y, int w, int h);

}  // namespace fibwick
