#include "ui/recording/gif_recorder.h"

#include "ui/recording/gif_file.h"
#include "ui/recording/gif_stream.h"

namespace fibwick {

GifRecorder::GifRecorder(Capture capture) : capture_(std::move(capture)) {
  timerGIF_.setObjectName("TimerGIF");
  connect(&timerGIF_, &QTimer::timeout, this, [this] { CaptureFrame(); });
}

GifRecorder::~GifRecorder() = default;

void GifRecorder::StartRecording(int frameDelayMs) {
  stream_ = std::make_shared<GifStream>();
  frames_ = 0;
  frameDelayMs_ = frameDelayMs;
  last_ = QImage();
  recording_ = true;
  timerGIF_.start(SampleMs);
  CaptureFrame();
}

void GifRecorder::CaptureFrame() {
  if (!recording_ || frames_ >= MaxFrames) return;
  QImage frame = capture_();
  if (frame.isNull() || frame == last_) return;
  last_ = frame;
  ++frames_;
  // The picture is shared, never changed: the encoder reads it while this thread goes on.
  worker_.Post([stream = stream_, frame = std::move(frame), delay = frameDelayMs_] {
    stream->AddFrame(frame, delay);
  });
}

void GifRecorder::SaveRecording(const std::filesystem::path& file, Saved saved) {
  if (!recording_) return;
  recording_ = false;
  timerGIF_.stop();
  last_ = QImage();
  worker_.Post([this, stream = std::move(stream_), file, saved = std::move(saved)] {
    const std::string bytes = stream->Finish(LastFrameMs);
    const GifSaveResult result{file, !bytes.empty() && WriteGifFile(file, bytes)};
    if (saved) QMetaObject::invokeMethod(this, [saved, result] { saved(result); });
  });
}

}  // namespace fibwick
