#include "ui/sound/sound_output.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "ui/sound/cue_player.h"
#include "ui/sound/tune_player.h"

namespace fibwick {
namespace {

bool Mapped(const char* library) {
  QFile maps(QStringLiteral("/proc/self/maps"));
  return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(library);
}

// The audio toolkit and the libraries under it weigh on every start; a program that has
// played nothing has no use for them.
TEST(SoundOutput, TheAudioLibrariesAreLoadedWithTheFirstSound) {
  if (Mapped("fibwick-audio")) GTEST_SKIP() << "a sound was played before in this process";
  const QTemporaryDir folder;
  Settings settings;
  settings.SoundOn = false;
  CuePlayer cues(settings, PackShelf(folder.path()));
  cues.Play("WTasoKo");
  TunePlayer tune;
  EXPECT_FALSE(Mapped("libQt6Multimedia"));
  EXPECT_FALSE(Mapped("fibwick-audio"));
  tune.SetPlaying(true);
  EXPECT_TRUE(Mapped("fibwick-audio"));
  EXPECT_TRUE(Mapped("libQt6Multimedia"));
}

TEST(SoundOutput, TheModuleMakesAnOutputForEachChannel) {
  const auto first = OpenSoundOutput();
  const auto second = OpenSoundOutput();
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  EXPECT_NE(first.get(), second.get());
}

}  // namespace
}  // namespace fibwick
