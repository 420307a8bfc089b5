#include "ui/sound/menu_tune.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QTemporaryDir>

#include "sound/sound_test_support.h"
#include "ui/sound/tune_player.h"

namespace fibwick {
namespace {

using sound_testing::Peak;
using sound_testing::Samples;
using sound_testing::ToneClip;

// The tune is rendered once for the whole suite: it takes a good second.
class MenuTune : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder_ = new QTemporaryDir;
    tune_ = new std::optional<WavClip>(LoadMenuTune(folder_->path()));
  }
  static void TearDownTestSuite() {
    delete tune_;
    delete folder_;
  }
  static QTemporaryDir* folder_;
  static std::optional<WavClip>* tune_;
};
QTemporaryDir* MenuTune::folder_ = nullptr;
std::optional<WavClip>* MenuTune::tune_ = nullptr;

TEST_F(MenuTune, RendersToHalfAMinuteOrSoOfMusicThatLoopsWithoutAGap) {
  ASSERT_FALSE(GeneralMidiSoundFont().isEmpty()) << "install timgm6mb-soundfont";
  ASSERT_TRUE(*tune_);
  const WavClip& tune = **tune_;
  EXPECT_EQ(tune.channels, 2);
  EXPECT_EQ(tune.bitsPerSample, 16);
  EXPECT_GE(tune.LengthMs(), 30000);
  EXPECT_LE(tune.LengthMs(), 60000);
  const auto samples = Samples(tune);
  const auto halfSecond = static_cast<std::size_t>(tune.sampleRate);  // two channels
  EXPECT_GT(Peak(samples, 0, halfSecond), 0.1);
  EXPECT_GT(Peak(samples, samples.size() - halfSecond, samples.size()), 0.1);
  const double peak = Peak(samples, 0, samples.size());
  EXPECT_GT(peak, 0.5);  // normalised, as the quiet soundfont leaves it far below full scale
  EXPECT_LT(peak, 1.0);
}

TEST_F(MenuTune, TheRenderingIsKeptInTheFolderAndReusedFromThere) {
  const QString path = TuneCachePath(folder_->path());
  EXPECT_TRUE(path.contains("temp22_25"));
  QFile cached(path);
  ASSERT_TRUE(cached.open(QIODevice::ReadOnly));
  const auto stored = ReadWav(cached.readAll());
  cached.close();
  ASSERT_TRUE(stored);
  EXPECT_EQ(stored->pcm, (*tune_)->pcm);

  // Whatever the cache holds is what the next call plays: it is not rendered again.
  const WavClip marker = ToneClip(120);
  ASSERT_TRUE(cached.open(QIODevice::WriteOnly));
  cached.write(WavFileOf(marker));
  cached.close();
  const auto again = LoadMenuTune(folder_->path());
  ASSERT_TRUE(again);
  EXPECT_EQ(again->pcm, marker.pcm);
  ASSERT_TRUE(cached.open(QIODevice::WriteOnly));
  cached.write(WavFileOf(**tune_));
}

TEST_F(MenuTune, AnUnreadableCacheIsRenderedAgain) {
  const QString path = TuneCachePath(folder_->path());
  QFile cached(path);
  ASSERT_TRUE(cached.open(QIODevice::WriteOnly));
  cached.write("RIFF broken");
  cached.close();
  const auto tune = LoadMenuTune(folder_->path());
  ASSERT_TRUE(tune);
  EXPECT_EQ(tune->pcm.size(), (*tune_)->pcm.size());
  EXPECT_TRUE(ReadWav([&] {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
  }()));
}

TEST_F(MenuTune, ASongThatCannotBeRenderedGivesNoTune) {
  EXPECT_FALSE(RenderMidi(QByteArray("MThd not a song"), GeneralMidiSoundFont()));
  EXPECT_FALSE(RenderMidi(MenuTuneMidi(), folder_->filePath("missing.sf2")));
  EXPECT_FALSE(RenderMidi(QByteArray(), GeneralMidiSoundFont()));
}

bool ProcessEventsUntil(const std::function<bool()>& done) {
  QDeadlineTimer deadline(30000);
  while (!done() && !deadline.hasExpired()) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  return done();
}

TEST_F(MenuTune, ThePlayerLoopsTheTuneWhileWantedAndStaysSilentWhenStoppedEarly) {
  {
    TunePlayer player(folder_->path());
    player.SetPlaying(true);
    ASSERT_TRUE(ProcessEventsUntil([&] { return player.Playing(); }));
    player.SetPlaying(false);
    EXPECT_FALSE(player.Playing());
    player.SetPlaying(true);  // prepared: starts at once
    EXPECT_TRUE(player.Playing());
  }
  TunePlayer late(folder_->path());
  late.SetPlaying(true);
  late.SetPlaying(false);  // the menu was left before the tune was ready
  ASSERT_TRUE(ProcessEventsUntil([&] { return late.Ready(); }));
  EXPECT_FALSE(late.Playing());
}

}  // namespace
}  // namespace fibwick
