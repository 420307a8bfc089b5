#pragma once

#include <QAudioSink>
#include <QPointer>

#include "ui/sound/wav_file.h"

// One voice of the sound output: what it plays now stops when it is given something else.
namespace fibwick {

class AudioChannel {
 public:
  AudioChannel();
  ~AudioChannel();
  AudioChannel(const AudioChannel&) = delete;
  AudioChannel& operator=(const AudioChannel&) = delete;

  // Starts the clip from its beginning, once or over and over until stopped. Without a sound
  // device (no card, no sound server) nothing is heard and nothing waits for the device.
  void Play(const WavClip& clip, bool loop);
  void Stop();

 private:
  QPointer<QAudioSink> sink_;  // owns the samples it reads
};

}  // namespace fibwick
