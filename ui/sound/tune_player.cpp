#include "ui/sound/tune_player.h"

#include <QThread>

#include "ui/sound/menu_tune.h"

namespace fibwick {

TunePlayer::TunePlayer(QString cacheFolder) : cacheFolder_(std::move(cacheFolder)) {}

TunePlayer::~TunePlayer() {
  if (preparing_ != nullptr) {
    preparing_->wait();
    delete preparing_;
  }
}

void TunePlayer::SetPlaying(bool playing) {
  wanted_ = playing;
  if (!playing) {
    channel_.Stop();
    playing_ = false;
    return;
  }
  if (playing_) return;
  if (prepared_) return Begin();
  if (preparing_ != nullptr) return;
  // Rendering takes about a second on first use; the intro keeps moving meanwhile.
  const QString folder = cacheFolder_;
  preparing_ = QThread::create([this, folder] { preparedTune_ = LoadMenuTune(folder); });
  QObject::connect(preparing_, &QThread::finished, &context_, [this] { Prepared(); });
  preparing_->start();
}

void TunePlayer::Prepared() {
  preparing_->wait();
  delete preparing_;
  preparing_ = nullptr;
  tune_ = std::move(preparedTune_);
  prepared_ = true;
  if (wanted_) Begin();
}

void TunePlayer::Begin() {
  if (!tune_) return;
  channel_.Play(*tune_, true);
  playing_ = true;
}

}  // namespace fibwick
