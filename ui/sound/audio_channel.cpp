#include "ui/sound/audio_channel.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace fibwick {
namespace {

// A clip's samples, read once to the end.
class ClipDevice final : public QIODevice {
 public:
  explicit ClipDevice(QByteArray pcm) : pcm_(std::move(pcm)) { open(QIODevice::ReadOnly); }
  bool isSequential() const override { return true; }
  qint64 bytesAvailable() const override { return pcm_.size() - at_ + QIODevice::bytesAvailable(); }

 protected:
  qint64 readData(char* data, qint64 maxSize) override {
    const qint64 n = std::min(maxSize, pcm_.size() - at_);
    std::memcpy(data, pcm_.constData() + at_, static_cast<std::size_t>(n));
    at_ += n;
    return n;
  }
  qint64 writeData(const char*, qint64) override { return -1; }

 private:
  QByteArray pcm_;
  qint64 at_ = 0;
};

}  // namespace

AudioChannel::AudioChannel() = default;

AudioChannel::~AudioChannel() {
  Stop();
}

SoundOutput* AudioChannel::Output() {
  if (!std::exchange(opened_, true)) output_ = OpenSoundOutput();
  return output_.get();
}

void AudioChannel::Play(const WavClip& clip) {
  if (SoundOutput* output = Output()) {
    output->Play(std::make_unique<ClipDevice>(clip.pcm),
                 {clip.sampleRate, clip.channels, clip.bitsPerSample}, false);
  }
}

void AudioChannel::PlayMusic(std::unique_ptr<QIODevice> source, const PcmFormat& format) {
  if (SoundOutput* output = Output()) output->Play(std::move(source), format, true);
}

void AudioChannel::Stop() {
  if (output_) output_->Stop();
}

}  // namespace fibwick
