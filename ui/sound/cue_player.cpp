#include "ui/sound/cue_player.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTimer>

#include "ui/packs.h"
#include "ui/sound/voice_names.h"

namespace fibwick {
namespace {

// The cues compiled in, read once: lower-case name -> clip.
const QHash<QString, WavClip>& BuiltinCues() {
  static const QHash<QString, WavClip> cues = [] {
    QHash<QString, WavClip> clips;
    QDirIterator it(QStringLiteral(":/sound"), {QStringLiteral("*.wav")}, QDir::Files);
    while (it.hasNext()) {
      const QString path = it.next();
      QFile file(path);
      if (!file.open(QIODevice::ReadOnly)) continue;
      if (auto clip = ReadWav(file.readAll())) clips.insert(ResourceKey(path), std::move(*clip));
    }
    return clips;
  }();
  return cues;
}

QString NameOf(std::string_view resource) {
  return QString::fromUtf8(resource.data(), static_cast<qsizetype>(resource.size()));
}

}  // namespace

std::optional<WavClip> BuiltinCue(std::string_view resource) {
  const auto found = BuiltinCues().constFind(NameOf(resource).toLower());
  if (found == BuiltinCues().constEnd()) return {};
  return found.value();
}

int CueLengthMs(std::string_view resource) {
  const auto clip = BuiltinCue(resource);
  return clip ? clip->LengthMs() : 0;
}

CuePlayer::CuePlayer(const Settings& settings, PackShelf packs)
    : settings_(settings), packs_(std::move(packs)) {}

int CuePlayer::Play(std::string_view resource) {
  if (!settings_.SoundOn) return 0;
  const auto clip = BuiltinCue(resource);
  if (!clip) return 0;
  Start(std::string(resource), *clip);
  return clip->LengthMs();
}

void CuePlayer::PlayAndWait(std::string_view resource) {
  const int length = Play(resource);
  // The device is never asked when the cue has ended: without one it would never say.
  QElapsedTimer clock;
  clock.start();
  QEventLoop loop;
  QTimer timer;
  timer.setTimerType(Qt::PreciseTimer);
  timer.setSingleShot(true);
  QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
  for (qint64 left = length; left > 0; left = length - clock.elapsed()) {
    timer.start(static_cast<int>(left));
    loop.exec(QEventLoop::ExcludeUserInputEvents);
  }
}

bool CuePlayer::SpeakCard(CardCode card) {
  const QString name = VoiceName(card, settings_.Language);
  if (name.isEmpty()) return false;
  const auto pack = packs_.Open(VoicePackName);
  if (!pack) return false;
  const auto clip = ReadWav(pack->Entry(name));
  if (!clip) return false;
  Start(name.toStdString(), *clip);
  return true;
}

int CuePlayer::TimesPlayed(std::string_view resource) const {
  const auto found = timesPlayed_.find(resource);
  return found == timesPlayed_.end() ? 0 : found->second;
}

void CuePlayer::Start(std::string name, const WavClip& clip) {
  channel_.Play(clip);
  ++timesPlayed_[name];
  ++playedCount_;
  lastPlayed_ = std::move(name);
}

}  // namespace fibwick
