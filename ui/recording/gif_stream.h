#pragma once

#include <QImage>
#include <QRect>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct GifFileType;

// An animated GIF built frame by frame in memory. The first frame is stored whole; every later
// one only as the rectangle that changed, drawn over the earlier picture, with the unchanged
// pixels inside it transparent. Each stored rectangle gets its own palette of the colours it
// really holds, so the table keeps its colours.
namespace fibwick {

class GifStream {
 public:
  GifStream();
  ~GifStream();
  GifStream(const GifStream&) = delete;
  GifStream& operator=(const GifStream&) = delete;

  // The first frame fixes the picture's size; later frames are cut or padded to it.
  void AddFrame(const QImage& frame, int delayMs);
  // The last frame is shown for `lastDelayMs`; returns the file's bytes, empty without frames.
  std::string Finish(int lastDelayMs);

  int FrameCount() const { return frames_; }

 private:
  struct Pending {
    QRect rect;
    std::vector<std::uint8_t> indices;
    std::vector<std::uint8_t> palette;  // r, g, b per colour
    int transparent = -1;
    int delayMs = 0;
  };
  void Open(QSize size);
  void Write(Pending& frame, int delayMs);

  std::string bytes_;
  ::GifFileType* gif_ = nullptr;
  QImage previous_;
  std::unique_ptr<Pending> pending_;
  int frames_ = 0;
};

// A GIF delay in hundredths of a second, from milliseconds.
int GifDelayUnits(int milliseconds);

}  // namespace fibwick
