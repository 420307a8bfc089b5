#include "ui/sound/menu_tune.h"

#include <fluidsynth.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>
#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <vector>

namespace fibwick {
namespace {

constexpr int TuneSampleRate = 44100;
constexpr double TunePeak = 0.7 * 32767;  // quieter than the cues it plays under

void Quiet(int, const char*, void*) {}

template <class T, void (*Delete)(T*)>
struct Deleter {
  void operator()(T* p) const { Delete(p); }
};
using SettingsPtr =
    std::unique_ptr<fluid_settings_t, Deleter<fluid_settings_t, delete_fluid_settings>>;
using SynthPtr = std::unique_ptr<fluid_synth_t, Deleter<fluid_synth_t, delete_fluid_synth>>;
using PlayerPtr = std::unique_ptr<fluid_player_t, Deleter<fluid_player_t, delete_fluid_player>>;

}  // namespace

QByteArray MenuTuneMidi() {
  QFile file(QStringLiteral(":/sound/MidiSong.mid"));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString GeneralMidiSoundFont() {
  for (const char* path :
       {"/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf2/default-GM.sf2",
        "/usr/share/sounds/sf2/FluidR3_GM.sf2"}) {
    if (QFileInfo(QString::fromLatin1(path)).isFile()) return QString::fromLatin1(path);
  }
  return {};
}

std::optional<WavClip> RenderMidi(const QByteArray& midi, const QString& soundFont) {
  if (midi.isEmpty() || soundFont.isEmpty()) return {};
  // The library reports to stderr by default; a missing tune is not worth a console line.
  for (const int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG}) {
    fluid_set_log_function(level, Quiet, nullptr);
  }
  const SettingsPtr settings(new_fluid_settings());
  if (!settings) return {};
  fluid_settings_setnum(settings.get(), "synth.sample-rate", TuneSampleRate);
  // Time follows the samples rendered, not the clock: the song renders faster than it plays.
  fluid_settings_setstr(settings.get(), "player.timing-source", "sample");
  const SynthPtr synth(new_fluid_synth(settings.get()));
  if (!synth) return {};
  if (fluid_synth_sfload(synth.get(), QFile::encodeName(soundFont).constData(), 1) ==
      FLUID_FAILED) {
    return {};
  }
  const PlayerPtr player(new_fluid_player(synth.get()));
  if (!player || fluid_player_add_mem(player.get(), midi.constData(),
                                      static_cast<std::size_t>(midi.size())) != FLUID_OK) {
    return {};
  }
  if (fluid_player_play(player.get()) != FLUID_OK) return {};

  constexpr int Frames = 256;
  std::vector<std::int16_t> samples;
  std::array<std::int16_t, 2 * Frames> block{};
  const auto render = [&] {
    if (fluid_synth_write_s16(synth.get(), Frames, block.data(), 0, 2, block.data(), 1, 2) !=
        FLUID_OK) {
      return false;
    }
    samples.insert(samples.end(), block.begin(), block.end());
    return true;
  };
  // A broken song could claim hours; ten minutes is far beyond any tune.
  constexpr std::size_t Limit = std::size_t{TuneSampleRate} * 2 * 600;
  // The player reads the song in its first step; until then it knows no length.
  const auto playing = [&] {
    const int total = fluid_player_get_total_ticks(player.get());
    return fluid_player_get_status(player.get()) == FLUID_PLAYER_PLAYING &&
           (total == 0 || fluid_player_get_current_tick(player.get()) < total);
  };
  while (playing()) {
    if (samples.size() >= Limit || !render()) return {};
  }
  const std::size_t songEnd = samples.size();
  // What still rings after the last bar is laid over the first, so the loop has no seam.
  fluid_player_stop(player.get());
  while (samples.size() < songEnd + std::size_t{TuneSampleRate} * 2 * 2) {
    if (!render()) return {};
  }
  std::vector<double> mixed(samples.begin(),
                            samples.begin() + static_cast<std::ptrdiff_t>(songEnd));
  for (std::size_t i = songEnd; i < samples.size() && i - songEnd < songEnd; ++i) {
    mixed[i - songEnd] += samples[i];
  }
  double peak = 0;
  for (const double s : mixed) peak = std::max(peak, std::abs(s));
  // The library dithers its output: silence comes out as the lowest bit flickering.
  if (peak < 64) return {};  // nothing sounded: not a song
  WavClip clip{.sampleRate = TuneSampleRate, .channels = 2, .bitsPerSample = 16, .pcm = {}};
  clip.pcm.reserve(static_cast<qsizetype>(2 * mixed.size()));
  for (const double s : mixed) {
    char bytes[2];
    qToLittleEndian(static_cast<std::int16_t>(std::lround(s * TunePeak / peak)), bytes);
    clip.pcm.append(bytes, 2);
  }
  return clip;
}

QString TuneCachePath(const QString& folder) {
  const quint16 check = qChecksum(MenuTuneMidi());
  return QDir(folder).filePath(QStringLiteral("temp22_25_%1.wav").arg(check, 4, 16, QChar('0')));
}

std::optional<WavClip> LoadMenuTune(const QString& folder) {
  const QString path = TuneCachePath(folder);
  QFile cached(path);
  if (cached.open(QIODevice::ReadOnly)) {
    if (auto clip = ReadWav(cached.readAll())) return clip;
  }
  auto clip = RenderMidi(MenuTuneMidi(), GeneralMidiSoundFont());
  if (!clip) return {};
  // Written whole or not at all: two programs starting at once may both render it.
  QSaveFile file(path);
  if (file.open(QIODevice::WriteOnly)) {
    file.write(WavFileOf(*clip));
    file.commit();
  }
  return clip;
}

}  // namespace fibwick
