#include "ui/sound/menu_tune.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <numbers>

#include "ui/sound/tune_player.h"

namespace fibwick {
namespace {

// Frames of interleaved 16-bit samples read from the loop.
std::vector<std::int16_t> ReadFrames(AdpcmLoop& loop, int channels, std::size_t frames) {
  std::vector<std::int16_t> samples(frames * static_cast<std::size_t>(channels));
  const auto bytes = static_cast<qint64>(samples.size() * 2);
  EXPECT_EQ(loop.read(reinterpret_cast<char*>(samples.data()), bytes), bytes);
  return samples;
}

double Peak(const std::vector<std::int16_t>& samples, std::size_t from, std::size_t to) {
  int peak = 0;
  for (std::size_t i = from; i < std::min(to, samples.size()); ++i) {
    peak = std::max(peak, std::abs(int(samples[i])));
  }
  return peak / 32768.0;
}

TEST(MenuTune, IsHalfAMinuteOrSoOfStereoMusicThatLoopsWithoutAGap) {
  const auto tune = MenuTune();
  ASSERT_TRUE(tune);
  EXPECT_EQ(tune->channels, 2);
  EXPECT_GE(tune->LengthMs(), 30000);
  EXPECT_LE(tune->LengthMs(), 60000);
  // A quarter of its samples' size, and nothing else is kept of it.
  EXPECT_LT(tune->data.size(), std::size_t{tune->frames} * 4 / 3);
  AdpcmLoop loop(*tune);
  const auto samples = ReadFrames(loop, 2, tune->frames);
  const std::size_t halfSecond = static_cast<std::size_t>(tune->sampleRate);  // two channels
  EXPECT_GT(Peak(samples, 0, halfSecond), 0.1);
  EXPECT_GT(Peak(samples, samples.size() - halfSecond, samples.size()), 0.1);
  const double peak = Peak(samples, 0, samples.size());
  EXPECT_GT(peak, 0.5);  // normalised, as the quiet soundfont leaves it far below full scale
  EXPECT_LT(peak, 1.0);
  // Round and round: after the last frame comes the first again.
  EXPECT_EQ(ReadFrames(loop, 2, 1000),
            std::vector<std::int16_t>(samples.begin(), samples.begin() + 2000));
}

// A chord whose channels differ, at a little under full scale.
std::vector<std::int16_t> Chord(std::size_t frames, int channels) {
  std::vector<std::int16_t> samples;
  for (std::size_t i = 0; i < frames; ++i) {
    for (int c = 0; c < channels; ++c) {
      const double t = static_cast<double>(i) / 44100;
      const double s = 0.5 * std::sin(2 * std::numbers::pi * (440 + 110 * c) * t) +
                       0.3 * std::sin(2 * std::numbers::pi * 1320 * t);
      samples.push_back(static_cast<std::int16_t>(std::lround(s * 30000)));
    }
  }
  return samples;
}

// Lengths that end inside a block, on its edge and after one frame of the next.
TEST(MenuTune, AdpcmKeepsTheLengthAndTheShapeOfWhatWasEncoded) {
  for (const int channels : {1, 2}) {
    const std::vector<char> probe = AdpcmWavFile(Chord(1, channels), channels, 44100);
    const int perBlock = ReadAdpcmWav(probe)->FramesPerBlock();
    for (const std::size_t frames :
         {std::size_t{1}, std::size_t{700}, std::size_t(perBlock), std::size_t(perBlock) * 3 + 1}) {
      const auto original = Chord(frames, channels);
      const std::vector<char> file = AdpcmWavFile(original, channels, 44100);
      const auto wav = ReadAdpcmWav(file);
      ASSERT_TRUE(wav) << channels << " channels, " << frames << " frames";
      EXPECT_EQ(wav->frames, frames);
      EXPECT_EQ(wav->sampleRate, 44100);
      AdpcmLoop loop(*wav);
      const auto decoded = ReadFrames(loop, channels, frames);
      EXPECT_EQ(decoded.front(), original.front());
      // Once the steps have grown to the signal (a few milliseconds), better than 20 dB: the
      // tune sounds as rendered, not as noise.
      double error = 0, signal = 0;
      for (std::size_t i = 100 * channels; i < original.size(); ++i) {
        error += std::pow(decoded[i] - original[i], 2);
        signal += std::pow(original[i], 2);
      }
      EXPECT_LE(error, signal / 100) << channels << " channels, " << frames << " frames";
    }
  }
}

std::vector<char> Patched(std::vector<char> file, std::size_t at, std::uint16_t value) {
  file[at] = static_cast<char>(value & 0xff);
  file[at + 1] = static_cast<char>(value >> 8);
  return file;
}

TEST(MenuTune, WhatIsNotImaAdpcmIsRefused) {
  const std::vector<char> good = AdpcmWavFile(Chord(100, 2), 2, 44100);
  ASSERT_TRUE(ReadAdpcmWav(good));
  const struct {
    const char* what;
    std::vector<char> file;
  } cases[] = {
      {"plain PCM", Patched(good, 20, 1)},
      {"three channels", Patched(good, 22, 3)},
      {"eight bits a sample", Patched(good, 34, 8)},
      {"a block too small for its headers", Patched(good, 32, 4)},
      {"no fact chunk",
       [&] {
         auto file = good;
         file[40] = 'x';  // "fact" becomes an unknown chunk
         return file;
       }()},
      {"cut before the data", std::vector<char>(good.begin(), good.begin() + 56)},
  };
  for (const auto& c : cases) EXPECT_FALSE(ReadAdpcmWav(c.file)) << c.what;
}

TEST(MenuTune, ATruncatedFileStillLoopsOverWhatArrived) {
  const auto original = Chord(5000, 2);
  std::vector<char> file = AdpcmWavFile(original, 2, 44100);
  file.resize(file.size() - 1500);
  const auto wav = ReadAdpcmWav(file);
  ASSERT_TRUE(wav);
  AdpcmLoop loop(*wav);
  // More than the file holds comes back: round and round over the blocks that are there.
  const auto decoded = ReadFrames(loop, 2, 20000);
  EXPECT_EQ(decoded[0], original[0]);
}

TEST(MenuTune, ThePlayerPlaysWhileWantedWithoutADevice) {
  TunePlayer player;
  player.SetPlaying(true);
  EXPECT_TRUE(player.Playing());
  player.SetPlaying(true);
  EXPECT_TRUE(player.Playing());
  player.SetPlaying(false);
  EXPECT_FALSE(player.Playing());
  EXPECT_FALSE(player.Wanted());
}

}  // namespace
}  // namespace fibwick
