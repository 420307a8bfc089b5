#include "polish.h"

#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace fibwick::packgen {
namespace {

constexpr double FullScale = 32767.0;
// Quieter than this, relative to the peak, counts as silence at either end.
constexpr double SilenceBelowPeak = 0.02;
// Kept around the sound: a breath before it, and the fading end of the last syllable after it.
constexpr double LeadSeconds = 0.02;
constexpr double TailSeconds = 0.06;
// Short fades keep the cut edges from clicking.
constexpr double FadeInSeconds = 0.005;
constexpr double FadeOutSeconds = 0.02;
// Loudness is measured over windows of this length that are at least this loud relative to the
// peak, so the pauses between words do not count.
constexpr double WindowSeconds = 0.01;
constexpr double SpeakingBelowPeak = 0.1;

std::vector<double> Samples(const WavClip& clip) {
  std::vector<double> samples(static_cast<std::size_t>(clip.pcm.size() / 2));
  for (std::size_t i = 0; i < samples.size(); ++i) {
    samples[i] = qFromLittleEndian<std::int16_t>(clip.pcm.constData() + 2 * i);
  }
  return samples;
}

QByteArray Pcm(const std::vector<double>& samples) {
  QByteArray pcm(static_cast<qsizetype>(samples.size() * 2), Qt::Uninitialized);
  for (std::size_t i = 0; i < samples.size(); ++i) {
    const double value = std::clamp(std::round(samples[i]), -FullScale, FullScale);
    qToLittleEndian(static_cast<std::int16_t>(value), pcm.data() + 2 * i);
  }
  return pcm;
}

double Peak(const std::vector<double>& samples) {
  double peak = 0;
  for (const double s : samples) peak = std::max(peak, std::abs(s));
  return peak;
}

std::vector<double> Trimmed(const std::vector<double>& samples, double peak, int rate) {
  const auto loud = [&](double s) { return std::abs(s) > peak * SilenceBelowPeak; };
  const auto first = std::find_if(samples.begin(), samples.end(), loud) - samples.begin();
  const auto last = samples.rend() - std::find_if(samples.rbegin(), samples.rend(), loud);
  const auto lead = static_cast<std::ptrdiff_t>(LeadSeconds * rate);
  const auto tail = static_cast<std::ptrdiff_t>(TailSeconds * rate);
  const auto size = static_cast<std::ptrdiff_t>(samples.size());
  std::vector<double> kept(samples.begin() + std::max<std::ptrdiff_t>(0, first - lead),
                           samples.begin() + std::min(size, last + tail));
  const auto fadeIn = static_cast<std::size_t>(FadeInSeconds * rate);
  const auto fadeOut = static_cast<std::size_t>(FadeOutSeconds * rate);
  for (std::size_t i = 0; i < std::min(fadeIn, kept.size()); ++i) {
    kept[i] *= static_cast<double>(i) / static_cast<double>(fadeIn);
  }
  for (std::size_t i = 0; i < std::min(fadeOut, kept.size()); ++i) {
    kept[kept.size() - 1 - i] *= static_cast<double>(i) / static_cast<double>(fadeOut);
  }
  return kept;
}

// The root mean square of the windows in which someone is speaking.
double SpeakingLevel(const std::vector<double>& samples, double peak, int rate) {
  const auto window = std::max<std::size_t>(1, static_cast<std::size_t>(WindowSeconds * rate));
  double energy = 0;
  std::size_t counted = 0;
  for (std::size_t at = 0; at + window <= samples.size(); at += window) {
    double sum = 0;
    for (std::size_t i = at; i < at + window; ++i) sum += samples[i] * samples[i];
    if (std::sqrt(sum / static_cast<double>(window)) < peak * SpeakingBelowPeak) continue;
    energy += sum;
    counted += window;
  }
  return counted == 0 ? peak : std::sqrt(energy / static_cast<double>(counted));
}

}  // namespace

std::optional<WavClip> PolishSpeech(const WavClip& raw) {
  if (raw.channels != 1 || raw.bitsPerSample != 16) return {};
  const std::vector<double> samples = Samples(raw);
  const double peak = Peak(samples);
  if (peak <= 0) return {};
  std::vector<double> speech = Trimmed(samples, peak, raw.sampleRate);
  const double gain =
      std::min(SpeechLevel * FullScale / SpeakingLevel(speech, peak, raw.sampleRate),
               PeakCeiling * FullScale / peak);
  for (double& s : speech) s *= gain;
  WavClip clip = raw;
  clip.pcm = Pcm(speech);
  return clip;
}

}  // namespace fibwick::packgen
