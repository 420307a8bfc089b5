// The sound output module: Qt Multimedia's audio sink behind the game's SoundOutput.
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>
#include <QPointer>
#include <QTimer>
#include <algorithm>

#include "ui/sound/sound_output.h"

namespace fibwick {
namespace {

constexpr qint64 MusicBufferUs = 1'000'000;

class QtSoundOutput final : public SoundOutput {
 public:
  ~QtSoundOutput() override { Stop(); }

  void Play(std::unique_ptr<QIODevice> source, const PcmFormat& pcm, bool music) override {
    Stop();
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) return;
    QAudioFormat format;
    format.setSampleRate(pcm.sampleRate);
    format.setChannelCount(pcm.channels);
    format.setSampleFormat(pcm.bitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    if (!device.isFormatSupported(format)) return;
    sink_ = new QAudioSink(device, format);
    source->setParent(sink_);
    QIODevice* samples = source.release();
    if (!music) {
      sink_->start(samples);
      return;
    }
    // Music plays for as long as a screen shows: a second of it is kept ahead of the device and
    // topped up four times per buffer (the server may grant less than asked), where a pulling
    // device would wake the program fifty times a second.
    sink_->setBufferSize(format.bytesForDuration(MusicBufferUs));
    QIODevice* output = sink_->start();
    if (output == nullptr) return;
    const auto feed = [sink = sink_.data(), samples, output] {
      if (sink->state() == QAudio::StoppedState) return;  // stopped, waiting to be deleted
      const qint64 room = sink->bytesFree();
      if (room > 0) output->write(samples->read(room));
    };
    auto* feeder = new QTimer(sink_);
    QObject::connect(feeder, &QTimer::timeout, feeder, feed);
    feed();
    const qint64 bufferedUs = format.durationForBytes(static_cast<qint32>(sink_->bufferSize()));
    feeder->start(static_cast<int>(std::clamp<qint64>(bufferedUs / 4000, 10, 250)));
  }

  // Stopping is immediate, but a sink of the PulseAudio backend runs the event loop while it is
  // destroyed; here that could run the table's next event inside the one playing this sound,
  // so the sink goes once control is back in the event loop.
  void Stop() override {
    if (sink_.isNull()) return;
    sink_->stop();
    sink_->deleteLater();
    sink_.clear();
  }

 private:
  QPointer<QAudioSink> sink_;  // owns the source it reads
};

}  // namespace
}  // namespace fibwick

extern "C" Q_DECL_EXPORT fibwick::SoundOutput* FibwickMakeSoundOutput() {
  return new fibwick::QtSoundOutput;
}
