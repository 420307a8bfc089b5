#pragma once

#include "ui/sound/audio_channel.h"

// The menu tune, looping on its own channel while it is wanted.
namespace fibwick {

class TunePlayer {
 public:
  // Starts the tune from its beginning or stops it; starting it again while it plays changes
  // nothing.
  void SetPlaying(bool playing);
  bool Wanted() const { return wanted_; }
  // The tune is playing (to the device, when there is one).
  bool Playing() const { return playing_; }

 private:
  AudioChannel channel_;
  bool wanted_ = false;
  bool playing_ = false;
};

}  // namespace fibwick
