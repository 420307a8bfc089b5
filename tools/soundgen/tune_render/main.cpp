// Renders the menu tune's MIDI song with a General MIDI soundfont into the IMA ADPCM file the
// program plays, so the synthesiser and its soundfont are needed only when the game is built.
// Usage: fibwick-tunerender <song.mid> <soundfont.sf2> <tune.wav>
#include <fluidsynth.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <vector>

#include "ui/sound/ima_adpcm.h"

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

// 16-bit stereo samples of the song from its start to its end of track, with what still rings
// after the last bar laid over the first, so the loop has no seam; normalised.
std::optional<std::vector<std::int16_t>> RenderMidi(const std::vector<char>& midi,
                                                    const char* soundFont) {
  for (const int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG}) {
    fluid_set_log_function(level, Quiet, nullptr);
  }
  const SettingsPtr settings(new_fluid_settings());
  if (!settings) return {};
  fluid_settings_setnum(settings.get(), "synth.sample-rate", TuneSampleRate);
  // Time follows the samples rendered, not the clock: the song renders faster than it plays.
  fluid_settings_setstr(settings.get(), "player.timing-source", "sample");
  const SynthPtr synth(new_fluid_synth(settings.get()));
  if (!synth || fluid_synth_sfload(synth.get(), soundFont, 1) == FLUID_FAILED) return {};
  const PlayerPtr player(new_fluid_player(synth.get()));
  if (!player || fluid_player_add_mem(player.get(), midi.data(), midi.size()) != FLUID_OK ||
      fluid_player_play(player.get()) != FLUID_OK) {
    return {};
  }

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
  std::vector<std::int16_t> tune;
  tune.reserve(mixed.size());
  for (const double s : mixed)
    tune.push_back(static_cast<std::int16_t>(std::lround(s * TunePeak / peak)));
  return tune;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: fibwick-tunerender <song.mid> <soundfont.sf2> <tune.wav>\n");
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  const std::vector<char> midi{std::istreambuf_iterator<char>(in), {}};
  const auto tune = RenderMidi(midi, argv[2]);
  if (!tune) {
    std::fprintf(stderr, "cannot render %s with %s\n", argv[1], argv[2]);
    return 1;
  }
  const std::vector<char> file = fibwick::AdpcmWavFile(*tune, 2, TuneSampleRate);
  std::ofstream out(argv[3], std::ios::binary);
  out.write(file.data(), static_cast<std::streamsize>(file.size()));
  if (out) return 0;
  std::fprintf(stderr, "cannot write %s\n", argv[3]);
  return 1;
}
