#pragma once

#include <QImage>
#include <stdexcept>

// Resizing of pictures: the bilinear resize of decorative pictures and the Spline36 resample of
// card pictures.
namespace fibwick {

inline constexpr const char* UnsupportedColourTypeError =
    "Only COLOR_RGBALPHA and COLOR_RGB formats are supported";

// Bilinear resize in place, alpha included, each channel rounded with ties to even. A picture or
// target of one pixel or less in either direction is left as it is. Pictures that are not RGB or
// RGB with alpha (palette, grey, mono) throw std::invalid_argument(UnsupportedColourTypeError).
void ResizePicture(QImage& picture, int w, int h);

// Spline36 resample of an opaque picture to w x h, separable, the kernel widened by the ratio of
// the sizes when shrinking. Returns Format_RGB32.
QImage Spline36Resample(const QImage& picture, int w, int h);

// Whether pixel (x, y) lies in the rounded rectangle (0, 0, w, h) whose corners are ellipses of
// cornerW x cornerH.
bool InsideRoundRect(int x, int y, int w, int h, int cornerW, int cornerH);

}  // namespace fibwick
