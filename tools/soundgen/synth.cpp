#include "synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace fibwick::soundgen {
namespace {

constexpr double TwoPi = 2.0 * std::numbers::pi;

std::size_t SampleAt(double seconds) {
  return static_cast<std::size_t>(std::max(0.0, seconds) * SampleRate);
}

void PutLittleEndian(std::vector<char>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

std::vector<Partial> Bell() {
  return {
      {1.0, 1.0, 0.9}, {2.0, 0.5, 0.5}, {2.76, 0.35, 0.35}, {5.4, 0.15, 0.18}, {8.93, 0.06, 0.1}};
}

std::vector<Partial> Marimba() {
  return {{1.0, 1.0, 0.35}, {3.93, 0.25, 0.08}, {9.2, 0.05, 0.03}};
}

std::vector<Partial> Brass(double decay) {
  std::vector<Partial> partials;
  for (int n = 1; n <= 7; ++n) partials.push_back({double(n), 1.0 / n, decay / std::sqrt(n)});
  return partials;
}

std::vector<Partial> Reed(double decay) {
  std::vector<Partial> partials;
  for (int n = 1; n <= 9; n += 2) partials.push_back({double(n), 1.0 / n, decay});
  return partials;
}

Sound::Sound(double seconds) : samples_(SampleAt(seconds), 0.0) {}

void Sound::Tone(double at, double frequency, double level, const std::vector<Partial>& partials,
                 double hold) {
  constexpr double Attack = 0.006;
  const double nyquist = SampleRate / 2.0;
  for (std::size_t i = SampleAt(at); i < samples_.size(); ++i) {
    const double t = static_cast<double>(i) / SampleRate - at;
    const double rise = std::min(1.0, t / Attack);
    const double fading = std::max(0.0, t - hold);
    double value = 0.0;
    for (const Partial& p : partials) {
      if (frequency * p.ratio >= nyquist * 0.9) continue;
      value += p.level * std::exp(-fading / p.decay) * std::sin(TwoPi * frequency * p.ratio * t);
    }
    samples_[i] += level * rise * value;
  }
}

void Sound::Noise(double at, double seconds, double level, double fromHz, double toHz,
                  double attack, double decay) {
  const std::size_t first = SampleAt(at);
  const std::size_t last = std::min(samples_.size(), SampleAt(at + seconds));
  double low = 0.0;
  for (std::size_t i = first; i < last; ++i) {
    const double t = static_cast<double>(i - first) / SampleRate;
    const double cutoff = fromHz + (toHz - fromHz) * (t / seconds);
    const double alpha = 1.0 - std::exp(-TwoPi * cutoff / SampleRate);
    // xorshift: the same noise on every build, so the resources do not change between builds
    noiseState_ ^= noiseState_ << 13;
    noiseState_ ^= noiseState_ >> 17;
    noiseState_ ^= noiseState_ << 5;
    const double white = static_cast<double>(noiseState_) / 2147483648.0 - 1.0;
    low += alpha * (white - low);
    const double envelope =
        std::min(1.0, t / attack) * std::exp(-std::max(0.0, t - attack) / decay);
    samples_[i] += level * envelope * low;
  }
}

void Sound::Thump(double at, double frequency, double level, double decay) {
  Tone(at, frequency, level, {{1.0, 1.0, decay}});
}

void Sound::Finish(double share, double peak) {
  const auto fade = static_cast<std::size_t>(static_cast<double>(samples_.size()) * share);
  for (std::size_t k = 0; k < fade; ++k) {
    samples_[samples_.size() - 1 - k] *= static_cast<double>(k) / static_cast<double>(fade);
  }
  double loudest = 0.0;
  for (const double s : samples_) loudest = std::max(loudest, std::abs(s));
  if (loudest == 0.0) return;
  for (double& s : samples_) s *= peak / loudest;
}

std::vector<std::int16_t> Sound::Pcm() const {
  std::vector<std::int16_t> pcm;
  pcm.reserve(samples_.size());
  for (const double s : samples_) {
    pcm.push_back(static_cast<std::int16_t>(std::lround(std::clamp(s, -1.0, 1.0) * 32767.0)));
  }
  return pcm;
}

std::vector<char> WavFile(const std::vector<std::int16_t>& pcm) {
  const auto dataBytes = static_cast<std::uint32_t>(pcm.size() * 2);
  std::vector<char> out;
  out.reserve(44 + dataBytes);
  const auto tag = [&](const char* four) { out.insert(out.end(), four, four + 4); };
  tag("RIFF");
  PutLittleEndian(out, 36 + dataBytes, 4);
  tag("WAVE");
  tag("fmt ");
  PutLittleEndian(out, 16, 4);
  PutLittleEndian(out, 1, 2);  // PCM
  PutLittleEndian(out, 1, 2);  // mono
  PutLittleEndian(out, SampleRate, 4);
  PutLittleEndian(out, SampleRate * 2, 4);
  PutLittleEndian(out, 2, 2);
  PutLittleEndian(out, 16, 2);
  tag("data");
  PutLittleEndian(out, dataBytes, 4);
  for (const std::int16_t s : pcm) PutLittleEndian(out, static_cast<std::uint16_t>(s), 2);
  return out;
}

int MidiKey(const std::string& name) {
  static constexpr int Steps[7] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G, from C
  int semitone = Steps[name.at(0) - 'A'];
  std::size_t i = 1;
  if (name.at(i) == '#') ++semitone, ++i;
  if (name.at(i) == 'b') --semitone, ++i;
  return 12 * (std::stoi(name.substr(i)) + 1) + semitone;
}

double Note(const std::string& name) {
  return 440.0 * std::pow(2.0, (MidiKey(name) - 69) / 12.0);
}

}  // namespace fibwick::soundgen
