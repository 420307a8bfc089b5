#pragma once

#include <memory>

#include "ui/sound/wav_file.h"

class QAudioSink;
class QIODevice;

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
  // The sink is declared after the samples it reads, so it is gone before them.
  std::unique_ptr<QIODevice> samples_;
  std::unique_ptr<QAudioSink> sink_;
};

}  // namespace fibwick
