#pragma once

#include <gif_lib.h>

#include <QImage>
#include <QRect>
#include <filesystem>
#include <string>
#include <vector>

// Reading a written GIF back with giflib, as an image viewer would show it.
namespace fibwick::testing {

struct DecodedFrame {
  QRect rect;
  int delayUnits = 0;
  int disposal = 0;
  int transparent = -1;
  QImage shown;  // the whole picture once this frame is drawn over the ones before
};

struct DecodedGif {
  bool ok = false;
  QSize size;
  bool loops = false;
  std::vector<DecodedFrame> frames;
};

inline DecodedGif DecodeGif(const std::filesystem::path& file) {
  DecodedGif out;
  int error = 0;
  GifFileType* gif = DGifOpenFileName(file.c_str(), &error);
  if (!gif) return out;
  if (DGifSlurp(gif) != GIF_OK) {
    DGifCloseFile(gif, &error);
    return out;
  }
  out.ok = true;
  out.size = QSize(gif->SWidth, gif->SHeight);
  QImage canvas(out.size, QImage::Format_RGB32);
  canvas.fill(Qt::black);
  for (int i = 0; i < gif->ImageCount; ++i) {
    const SavedImage& image = gif->SavedImages[i];
    for (int e = 0; e < image.ExtensionBlockCount; ++e) {
      const ExtensionBlock& block = image.ExtensionBlocks[e];
      if (block.Function == APPLICATION_EXT_FUNC_CODE && block.ByteCount == 11 &&
          std::string(reinterpret_cast<const char*>(block.Bytes), 11) == "NETSCAPE2.0") {
        out.loops = true;
      }
    }
    DecodedFrame frame;
    const GifImageDesc& desc = image.ImageDesc;
    frame.rect = QRect(desc.Left, desc.Top, desc.Width, desc.Height);
    GraphicsControlBlock control{};
    if (DGifSavedExtensionToGCB(gif, i, &control) == GIF_OK) {
      frame.delayUnits = control.DelayTime;
      frame.disposal = control.DisposalMode;
      frame.transparent = control.TransparentColor;
    }
    const ColorMapObject* map = desc.ColorMap ? desc.ColorMap : gif->SColorMap;
    for (int y = 0; y < desc.Height; ++y) {
      for (int x = 0; x < desc.Width; ++x) {
        const int index = image.RasterBits[y * desc.Width + x];
        if (index == frame.transparent || !map) continue;
        const GifColorType& c = map->Colors[index];
        canvas.setPixel(desc.Left + x, desc.Top + y, qRgb(c.Red, c.Green, c.Blue));
      }
    }
    frame.shown = canvas.copy();
    out.frames.push_back(std::move(frame));
  }
  DGifCloseFile(gif, &error);
  return out;
}

// The largest difference of one colour channel between two pictures of the same size.
inline int LargestDifference(const QImage& a, const QImage& b) {
  int largest = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y);
      const QRgb q = b.pixel(x, y);
      largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q))});
    }
  }
  return largest;
}

// How many pixels differ by more than `threshold` in some colour channel.
inline int PixelsOff(const QImage& a, const QImage& b, int threshold) {
  int off = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y);
      const QRgb q = b.pixel(x, y);
      off += std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                       std::abs(qBlue(p) - qBlue(q))}) > threshold;
    }
  }
  return off;
}

}  // namespace fibwick::testing
