#include "ui/sound/audio_channel.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QIODevice>
#include <QMediaDevices>
#include <algorithm>
#include <cstring>

namespace fibwick {
namespace {

// The clip's samples, read to the end or round and round.
class ClipDevice final : public QIODevice {
 public:
  ClipDevice(QByteArray pcm, bool loop, QObject* parent)
      : QIODevice(parent), pcm_(std::move(pcm)), loop_(loop) {
    open(QIODevice::ReadOnly);
  }
  bool isSequential() const override { return true; }
  qint64 bytesAvailable() const override {
    return (loop_ ? pcm_.size() : pcm_.size() - at_) + QIODevice::bytesAvailable();
  }

 protected:
  qint64 readData(char* data, qint64 maxSize) override {
    qint64 done = 0;
    while (done < maxSize && !pcm_.isEmpty()) {
      if (at_ == pcm_.size()) {
        if (!loop_) break;
        at_ = 0;
      }
      const qint64 n = std::min(maxSize - done, pcm_.size() - at_);
      std::memcpy(data + done, pcm_.constData() + at_, static_cast<std::size_t>(n));
      done += n;
      at_ += n;
    }
    return done;
  }
  qint64 writeData(const char*, qint64) override { return -1; }

 private:
  QByteArray pcm_;
  bool loop_;
  qint64 at_ = 0;
};

}  // namespace

AudioChannel::AudioChannel() = default;

AudioChannel::~AudioChannel() {
  Stop();
}

void AudioChannel::Play(const WavClip& clip, bool loop) {
  Stop();
  const QAudioDevice device = QMediaDevices::defaultAudioOutput();
  if (device.isNull()) return;
  QAudioFormat format;
  format.setSampleRate(clip.sampleRate);
  format.setChannelCount(clip.channels);
  format.setSampleFormat(clip.bitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
  if (!device.isFormatSupported(format)) return;
  sink_ = new QAudioSink(device, format);
  sink_->start(new ClipDevice(clip.pcm, loop, sink_));
}

// Stopping is immediate, but a sink of the PulseAudio backend runs the event loop while it is
// destroyed; here that could run the table's next event inside the one playing this sound, so
// the sink goes once control is back in the event loop.
void AudioChannel::Stop() {
  if (sink_.isNull()) return;
  sink_->stop();
  sink_->deleteLater();
  sink_.clear();
}

}  // namespace fibwick
