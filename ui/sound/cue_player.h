#pragma once

#include <QHash>
#include <QString>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "records/settings.h"
#include "rules/cards.h"
#include "ui/packs.h"
#include "ui/sound/audio_channel.h"
#include "ui/sound/wav_file.h"

// The game's sound cues and spoken card names, on one channel: a new cue stops the one playing.
namespace fibwick {

// A built-in cue by resource name, ignoring case ("whodsdo" finds WHodsDo); nothing when there
// is no such cue or it is not a readable WAV file.
std::optional<WavClip> BuiltinCue(std::string_view resource);

// How long a built-in cue plays, in milliseconds, from its WAV header; 0 for an unknown name.
// The table waits this long after a cue that the next event must wait for.
int CueLengthMs(std::string_view resource);

class CuePlayer {
 public:
  // Reads SoundOn and Language from the settings at each call, so a change applies at once.
  CuePlayer(const Settings& settings, PackShelf packs);

  // Starts a built-in cue when SoundOn is set and returns its length in milliseconds; 0 when
  // nothing was started. Returns at once.
  int Play(std::string_view resource);
  // Plays a cue and returns when it has had its length to play. Events other than user input
  // go on meanwhile, so the window keeps painting and the sound keeps flowing.
  void PlayAndWait(std::string_view resource);
  // Speaks the card in the current language from the voice pack, whatever SoundOn says; false
  // when the pack or that voice is missing.
  bool SpeakCard(CardCode card);

  // What this player has started, cues and voices alike, by resource name.
  int TimesPlayed(std::string_view resource) const;
  int PlayedCount() const { return playedCount_; }
  const std::string& LastPlayed() const { return lastPlayed_; }

 private:
  void Start(std::string name, const WavClip& clip);

  const Settings& settings_;
  PackShelf packs_;
  AudioChannel channel_;
  std::map<std::string, int, std::less<>> timesPlayed_;
  int playedCount_ = 0;
  std::string lastPlayed_;
};

}  // namespace fibwick
