#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <optional>

#include "ui/sound/audio_channel.h"
#include "ui/sound/wav_file.h"

class QThread;

// The menu tune, looping on its own channel while it is wanted.
namespace fibwick {

class TunePlayer {
 public:
  // The rendered tune is kept in `cacheFolder` (the system's temporary folder in the program).
  explicit TunePlayer(QString cacheFolder);
  ~TunePlayer();
  TunePlayer(const TunePlayer&) = delete;
  TunePlayer& operator=(const TunePlayer&) = delete;

  // Starts the tune from its beginning or stops it; starting it again while it plays changes
  // nothing. The first start prepares the tune in the background, and it begins when ready
  // if it is still wanted then.
  void SetPlaying(bool playing);
  bool Wanted() const { return wanted_; }
  // The preparation has ended, with or without a tune.
  bool Ready() const { return prepared_; }
  // The tune is ready and playing (to the device, when there is one).
  bool Playing() const { return playing_; }

 private:
  void Prepared();
  void Begin();

  QString cacheFolder_;
  AudioChannel channel_;
  QObject context_;  // receives the end of the background preparation on this thread
  QThread* preparing_ = nullptr;
  std::optional<WavClip> preparedTune_;  // written by the preparation, read after it ended
  std::optional<WavClip> tune_;
  bool prepared_ = false;
  bool wanted_ = false;
  bool playing_ = false;
};

}  // namespace fibwick
