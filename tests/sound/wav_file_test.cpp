#include "ui/sound/wav_file.h"

#include <gtest/gtest.h>

#include <QtEndian>

#include "sound/sound_test_support.h"

namespace fibwick {
namespace {

using sound_testing::ToneClip;

QByteArray Patched(QByteArray file, qsizetype at, std::uint16_t value) {
  qToLittleEndian(value, file.data() + at);
  return file;
}

TEST(WavFile, AWrittenClipReadsBackWithItsLength) {
  const WavClip clip = ToneClip(250);
  const auto read = ReadWav(WavFileOf(clip));
  ASSERT_TRUE(read);
  EXPECT_EQ(read->sampleRate, 22050);
  EXPECT_EQ(read->channels, 1);
  EXPECT_EQ(read->bitsPerSample, 16);
  EXPECT_EQ(read->pcm, clip.pcm);
  EXPECT_EQ(read->LengthMs(), 249);  // 5512 frames: a fraction short of 250 ms
}

TEST(WavFile, ChunksBeforeTheDataAreSkippedWithTheirPadding) {
  const QByteArray plain = WavFileOf(ToneClip(10));
  // An odd-sized LIST chunk between the format and the data, padded to an even size.
  QByteArray file = plain.left(36) + QByteArray("LIST\x03\0\0\0abc\0", 12) + plain.mid(36);
  const auto read = ReadWav(file);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->pcm, ToneClip(10).pcm);
}

TEST(WavFile, WhatIsNotPlainPcmIsRefused) {
  const QByteArray good = WavFileOf(ToneClip(10));
  const struct {
    const char* what;
    QByteArray file;
  } cases[] = {
      {"empty", {}},
      {"not RIFF", QByteArray("RIFX") + good.mid(4)},
      {"not WAVE", good.left(8) + "AVI " + good.mid(12)},
      {"float samples", Patched(good, 20, 3)},
      {"six channels", Patched(good, 22, 6)},
      {"24-bit samples", Patched(good, 34, 24)},
      {"no data chunk", good.left(36)},
      {"data before format", good.left(12) + good.mid(36) + good.mid(12, 24)},
  };
  for (const auto& c : cases) EXPECT_FALSE(ReadWav(c.file)) << c.what;
}

TEST(WavFile, ATruncatedDataChunkKeepsTheWholeFramesThatArrived) {
  const QByteArray file = WavFileOf(ToneClip(100)).left(44 + 1001);
  const auto read = ReadWav(file);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->pcm.size(), 1000);
}

}  // namespace
}  // namespace fibwick
