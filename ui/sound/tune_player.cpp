#include "ui/sound/tune_player.h"

#include "ui/sound/menu_tune.h"

namespace fibwick {

void TunePlayer::SetPlaying(bool playing) {
  wanted_ = playing;
  if (!playing) {
    channel_.Stop();
    playing_ = false;
    return;
  }
  if (playing_) return;
  const auto tune = MenuTune();
  if (!tune) return;
  channel_.PlayMusic(std::make_unique<AdpcmLoop>(*tune), {tune->sampleRate, tune->channels, 16});
  playing_ = true;
}

}  // namespace fibwick
