#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A small additive synthesiser for the game's cues: decaying partials, shaped noise, a mixer
// and a normaliser, all at one sample rate.
namespace fibwick::soundgen {

inline constexpr int SampleRate = 22050;

// One overtone of a tone: frequency ratio to the fundamental, level, and how fast it fades
// (seconds for the level to fall to 1/e).
struct Partial {
  double ratio = 1.0;
  double level = 1.0;
  double decay = 0.5;
};

// Struck or plucked timbres as sets of partials.
std::vector<Partial> Bell();               // inharmonic, long ring: dings and chimes
std::vector<Partial> Marimba();            // soft wooden bar: arpeggios
std::vector<Partial> Brass(double decay);  // bright, all harmonics: the challenge
std::vector<Partial> Reed(double decay);   // odd harmonics, hollow: the error buzz

class Sound {
 public:
  explicit Sound(double seconds);

  // A tone starting at `at` seconds with a few-millisecond attack; `hold` > 0 keeps the level
  // flat for that long before the partials start to fade.
  void Tone(double at, double frequency, double level, const std::vector<Partial>& partials,
            double hold = 0.0);
  // White noise through a one-pole low-pass that glides from `fromHz` to `toHz`, with a
  // `attack` second rise and an exponential fall of time constant `decay`.
  void Noise(double at, double seconds, double level, double fromHz, double toHz, double attack,
             double decay);
  // A short damped sine: the body of a card or the thump of a tick.
  void Thump(double at, double frequency, double level, double decay);

  // Fades the last `share` of the sound to silence, then scales the loudest sample to `peak` of
  // full scale.
  void Finish(double share, double peak);

  std::vector<std::int16_t> Pcm() const;

 private:
  std::vector<double> samples_;
  std::uint32_t noiseState_ = 0x2545F491u;
};

// A whole RIFF/WAVE file: 16-bit PCM, mono, SampleRate.
std::vector<char> WavFile(const std::vector<std::int16_t>& pcm);

// MIDI key number of a note name such as "C5", "F#4", "Bb3" (C4 is 60).
int MidiKey(const std::string& name);
// Equal-tempered frequency of a note name such as "C5", "F#4", "Bb3".
double Note(const std::string& name);

}  // namespace fibwick::soundgen
