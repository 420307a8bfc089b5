#include "ui/sound/audio_channel.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QIODevice>
#include <QMediaDevices>
#include <QTimer>
#include <algorithm>
#include <cstring>

namespace fibwick {
namespace {

constexpr qint64 LoopBufferUs = 1'000'000;

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
  auto* source = new ClipDevice(clip.pcm, loop, sink_);
  if (!loop) {
    sink_->start(source);
    return;
  }
  // A loop is music that plays for as long as a screen shows: a second of it is kept ahead of
  // the device and topped up four times per buffer (the server may grant less than asked),
  // where a pulling device would wake the program fifty times a second.
  sink_->setBufferSize(format.bytesForDuration(LoopBufferUs));
  QIODevice* output = sink_->start();
  if (output == nullptr) return;
  const auto feed = [sink = sink_.data(), source, output] {
    if (sink->state() == QAudio::StoppedState) return;  // stopped, waiting to be deleted
    const qint64 room = sink->bytesFree();
    if (room > 0) output->write(source->read(room));
  };
  auto* feeder = new QTimer(sink_);
  QObject::connect(feeder, &QTimer::timeout, feeder, feed);
  feed();
  const qint64 bufferedUs = format.durationForBytes(static_cast<qint32>(sink_->bufferSize()));
  feeder->start(static_cast<int>(std::clamp<qint64>(bufferedUs / 4000, 10, 250)));
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
