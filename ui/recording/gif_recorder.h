#pragma once

#include <QImage>
#include <QObject>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <memory>

#include "ui/recording/serial_worker.h"

// A game as an animated picture: the window is sampled on its own thread ten times a second, and
// every new picture goes to an encoder on a thread of its own, so the table never waits for it.
namespace fibwick {

class GifStream;

struct GifSaveResult {
  std::filesystem::path file;
  bool written = false;
};

class GifRecorder final : public QObject {
 public:
  using Capture = std::function<QImage()>;
  using Saved = std::function<void(const GifSaveResult&)>;

  static constexpr int MaxFrames = 250;
  static constexpr int SampleMs = 100;
  // The last picture stays long, the game's result being on it.
  static constexpr int LastFrameMs = 5000;

  explicit GifRecorder(Capture capture);
  // Waits until the file being written is finished.
  ~GifRecorder() override;

  // Starts a new picture, each frame shown for `frameDelayMs`, and keeps its first frame.
  void StartRecording(int frameDelayMs);
  // Keeps a frame when the window looks different from the last one kept.
  void CaptureFrame();
  // Ends the picture and writes it to `file`; `saved` hears of the outcome on this thread.
  void SaveRecording(const std::filesystem::path& file, Saved saved);

  bool Recording() const { return recording_; }
  int FrameCount() const { return frames_; }
  // Returns once every frame and file handed to the encoder is done.
  void WaitForEncoder() { worker_.WaitIdle(); }

 private:
  Capture capture_;
  QTimer timerGIF_;
  bool recording_ = false;
  int frames_ = 0;
  int frameDelayMs_ = 1000;
  QImage last_;
  std::shared_ptr<GifStream> stream_;
  // Last, so it ends first and finishes its jobs while everything they use still exists.
  SerialWorker worker_;
};

}  // namespace fibwick
