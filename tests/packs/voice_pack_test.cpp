#include <gtest/gtest.h>

#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <vector>

#include "drawn_pack.h"
#include "records/catalogue.h"
#include "ui/sound/voice_names.h"
#include "ui/sound/wav_file.h"

namespace fibwick {
namespace {

struct Voice {
  QString name;
  WavClip clip;
  std::vector<double> samples;  // -1 .. 1
};

std::vector<double> Samples(const WavClip& clip) {
  std::vector<double> samples(static_cast<std::size_t>(clip.pcm.size() / 2));
  for (std::size_t i = 0; i < samples.size(); ++i) {
    samples[i] = qFromLittleEndian<std::int16_t>(clip.pcm.constData() + 2 * i) / 32768.0;
  }
  return samples;
}

// Every voice of every card and language, read as the program reads it; a voice missing or
// unreadable fails the test that asked.
std::vector<Voice> EveryVoice() {
  const auto pack = OpenDrawnPack(VoicePackName);
  if (pack == nullptr) {
    ADD_FAILURE() << VoicePackName << " was not drawn";
    return {};
  }
  std::vector<Voice> voices;
  for (int language = 0; language < LanguageCount; ++language) {
    for (RankIndex rank = 1; rank <= RankCount; ++rank) {
      for (SuitIndex suit = 0; suit < SuitCount; ++suit) {
        const QString name = VoiceName(MakeCard(rank, suit), language);
        const auto clip = ReadWav(pack->Entry(name));
        if (!clip) {
          ADD_FAILURE() << qPrintable(name) << " is missing or not a WAV file";
          continue;
        }
        if (clip->channels != 1 || clip->bitsPerSample != 16) {
          ADD_FAILURE() << qPrintable(name) << " is not 16-bit mono";
          continue;
        }
        voices.push_back({name, *clip, Samples(*clip)});
      }
    }
  }
  return voices;
}

double Decibels(double level) {
  return 20 * std::log10(std::max(level, 1e-9));
}

// The root mean square of the 10 ms windows within 20 dB of the peak: how loud the speaking is,
// whatever the pauses between the words.
double SpeakingLevel(const Voice& voice) {
  const auto window = static_cast<std::size_t>(voice.clip.sampleRate / 100);
  double peak = 0;
  for (const double s : voice.samples) peak = std::max(peak, std::abs(s));
  double energy = 0;
  std::size_t counted = 0;
  for (std::size_t at = 0; at + window <= voice.samples.size(); at += window) {
    double sum = 0;
    for (std::size_t i = at; i < at + window; ++i) sum += voice.samples[i] * voice.samples[i];
    if (std::sqrt(sum / static_cast<double>(window)) < peak / 10) continue;
    energy += sum;
    counted += window;
  }
  return counted == 0 ? 0 : std::sqrt(energy / static_cast<double>(counted));
}

TEST(VoicePack, EveryCardIsSpokenInEveryLanguageAtOnceAndAudibly) {
  const std::vector<Voice> voices = EveryVoice();
  EXPECT_EQ(voices.size(), std::size_t{LanguageCount} * DeckCardCount);
  for (const Voice& voice : voices) {
    SCOPED_TRACE(qPrintable(voice.name));
    // Rates every sound card plays without the server converting.
    EXPECT_TRUE(voice.clip.sampleRate == 22050 || voice.clip.sampleRate == 44100 ||
                voice.clip.sampleRate == 48000 || voice.clip.sampleRate == 16000)
        << voice.clip.sampleRate;
    EXPECT_GE(voice.clip.LengthMs(), 300);
    EXPECT_LE(voice.clip.LengthMs(), 3000);
    // The name is heard as soon as the card is clicked, and the next click is not kept waiting
    // by silence at the end.
    const auto audible = [](double s) { return std::abs(s) > 0.02; };
    const auto first = std::find_if(voice.samples.begin(), voice.samples.end(), audible);
    ASSERT_NE(first, voice.samples.end()) << "silent";
    const auto last = std::find_if(voice.samples.rbegin(), voice.samples.rend(), audible);
    const double rate = voice.clip.sampleRate;
    EXPECT_LT(static_cast<double>(first - voice.samples.begin()) / rate, 0.1);
    EXPECT_LT(static_cast<double>(last - voice.samples.rbegin()) / rate, 0.15);
  }
}

TEST(VoicePack, EveryVoiceIsAsLoudAsTheOthers) {
  const std::vector<Voice> voices = EveryVoice();
  ASSERT_FALSE(voices.empty());
  const auto [quietest, loudest] = std::minmax_element(
      voices.begin(), voices.end(),
      [](const Voice& a, const Voice& b) { return SpeakingLevel(a) < SpeakingLevel(b); });
  EXPECT_GT(Decibels(SpeakingLevel(*quietest)), -20) << qPrintable(quietest->name);
  EXPECT_LT(Decibels(SpeakingLevel(*loudest)) - Decibels(SpeakingLevel(*quietest)), 2)
      << qPrintable(quietest->name) << " against " << qPrintable(loudest->name);
}

// Two entries with the same sound were spoken from the same words: a card named like another,
// or a language that fell back to another one's words.
TEST(VoicePack, EveryVoiceSaysSomethingOfItsOwn) {
  std::map<QByteArray, QString> seen;
  for (const Voice& voice : EveryVoice()) {
    const auto [at, added] = seen.emplace(voice.clip.pcm, voice.name);
    EXPECT_TRUE(added) << qPrintable(voice.name) << " sounds like " << qPrintable(at->second);
  }
}

}  // namespace
}  // namespace fibwick
