#include <gtest/gtest.h>

#include <QAudioDevice>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QTemporaryDir>

#include "sound/device/null_sink_server.h"
#include "ui/sound/cue_player.h"
#include "ui/sound/tune_player.h"

namespace fibwick {
namespace {

class ToADevice : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!sound_testing::NullSinkProblem.isEmpty()) {
      GTEST_SKIP() << sound_testing::NullSinkProblem.toStdString();
    }
    ASSERT_FALSE(QMediaDevices::defaultAudioOutput().isNull());
  }
  // Stopped sound outputs are released from the event loop, as the program does at its end.
  void TearDown() override { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

  // True when an event posted before `action` has run by the time it returns.
  static bool RunsEventsMeanwhile(const std::function<void()>& action) {
    bool ran = false;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [&ran] { ran = true; }, Qt::QueuedConnection);
    action();
    const bool early = ran;
    QCoreApplication::processEvents();
    return early;
  }

  QTemporaryDir folder;
  Settings settings;
};

// The table plays its events one after another; a cue that let the event loop run would start
// the next event inside the one that sounds it.
TEST_F(ToADevice, StartingReplacingAndStoppingSoundsRunsNoOtherEvent) {
  CuePlayer player(settings, PackShelf(folder.path()));
  TunePlayer tune;
  for (const char* cue : {"WTasoKo", "WHodsDo", "WHodsDo", "WPlMore", "WKoGood"}) {
    EXPECT_FALSE(RunsEventsMeanwhile([&] { player.Play(cue); })) << cue;
  }
  tune.SetPlaying(true);
  ASSERT_TRUE(tune.Playing());
  EXPECT_FALSE(RunsEventsMeanwhile([&] { tune.SetPlaying(false); }));
  EXPECT_FALSE(RunsEventsMeanwhile([&] { tune.SetPlaying(true); }));
}

TEST_F(ToADevice, AWaitingCueReturnsOnceItsLengthHasPassed) {
  CuePlayer player(settings, PackShelf(folder.path()));
  QElapsedTimer clock;
  clock.start();
  player.PlayAndWait("WWrongs");
  EXPECT_GE(clock.elapsed(), CueLengthMs("WWrongs"));
}

}  // namespace
}  // namespace fibwick
