#pragma once

#include <QIODevice>
#include <memory>

#include "ui/sound/sound_output.h"
#include "ui/sound/wav_file.h"

// One voice of the sound output: what it plays now stops when it is given something else.
namespace fibwick {

class AudioChannel {
 public:
  AudioChannel();
  ~AudioChannel();
  AudioChannel(const AudioChannel&) = delete;
  AudioChannel& operator=(const AudioChannel&) = delete;

  // Starts the clip from its beginning.
  void Play(const WavClip& clip);
  // Plays an endless source until stopped.
  void PlayMusic(std::unique_ptr<QIODevice> source, const PcmFormat& format);
  void Stop();

 private:
  SoundOutput* Output();

  std::unique_ptr<SoundOutput> output_;  // opened with the first sound
  bool opened_ = false;
};

}  // namespace fibwick
