#include "ui/sound/cue_player.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include "rules/cards.h"
#include "sound/sound_test_support.h"

namespace fibwick {
namespace {

using sound_testing::Peak;
using sound_testing::Samples;
using sound_testing::ToneClip;
using sound_testing::WritePack;

// Every cue an event of the game plays.
constexpr const char* CueNames[] = {"WTasoKo", "WHodsDo", "WPlMore", "WDing_1", "WKoGood",
                                    "WKoBads", "WKoGutX", "WFiBest", "WFiGood", "WFiBads",
                                    "STimerA", "STimerB", "WOpenFo", "WToMenK", "WWrongs"};

TEST(BuiltinCues, EveryCueIsAShortAudibleNormalisedWav) {
  for (const char* name : CueNames) {
    SCOPED_TRACE(name);
    const auto clip = BuiltinCue(name);
    ASSERT_TRUE(clip);
    EXPECT_EQ(clip->channels, 1);
    EXPECT_EQ(clip->bitsPerSample, 16);
    EXPECT_TRUE(clip->sampleRate == 22050 || clip->sampleRate == 44100);
    EXPECT_GE(clip->LengthMs(), 40);
    EXPECT_LE(clip->LengthMs(), 2500);
    EXPECT_EQ(CueLengthMs(name), clip->LengthMs());
    const auto samples = Samples(*clip);
    const double peak = Peak(samples, 0, samples.size());
    EXPECT_GE(peak, 0.8);
    EXPECT_LT(peak, 1.0);  // no clipping
    // Starts at once: the loudest moment of the first 50 ms is well above silence.
    EXPECT_GT(Peak(samples, 0, static_cast<std::size_t>(clip->sampleRate / 20)), 0.1);
    // Ends in silence, so stopping or looping it does not click.
    EXPECT_LT(Peak(samples, samples.size() - 8, samples.size()), 0.01);
  }
}

TEST(BuiltinCues, NamesMatchWithoutCaseAndUnknownNamesHaveNoLength) {
  EXPECT_TRUE(BuiltinCue("whodsdo"));
  EXPECT_EQ(CueLengthMs("WHODSDO"), CueLengthMs("WHodsDo"));
  EXPECT_FALSE(BuiltinCue("WNoSuch"));
  EXPECT_EQ(CueLengthMs("WNoSuch"), 0);
  EXPECT_EQ(CueLengthMs(""), 0);
}

// The program's folder is "Game" in a folder of the test's own; packs go into the folder above.
struct PlayerFixture : ::testing::Test {
  PlayerFixture() : player(settings, PackShelf(folder.filePath("Game"))) {
    QDir(folder.path()).mkdir("Game");
  }

  QTemporaryDir folder;
  Settings settings;
  CuePlayer player;
};

using CuePlaying = PlayerFixture;

TEST_F(CuePlaying, EachCueIsStartedAndItsLengthReturnedWhileSoundIsOn) {
  for (const char* name : CueNames) {
    EXPECT_EQ(player.Play(name), CueLengthMs(name)) << name;
    EXPECT_EQ(player.LastPlayed(), name);
  }
  player.Play("WHodsDo");
  EXPECT_EQ(player.TimesPlayed("WHodsDo"), 2);
  EXPECT_EQ(player.PlayedCount(), static_cast<int>(std::size(CueNames)) + 1);
}

TEST_F(CuePlaying, NothingIsStartedWhileSoundIsOffAndSwitchingAppliesAtOnce) {
  settings.SoundOn = false;
  EXPECT_EQ(player.Play("WHodsDo"), 0);
  EXPECT_EQ(player.PlayedCount(), 0);
  settings.SoundOn = true;
  EXPECT_GT(player.Play("WHodsDo"), 0);
  EXPECT_EQ(player.PlayedCount(), 1);
}

TEST_F(CuePlaying, AnUnknownCueIsSilent) {
  EXPECT_EQ(player.Play("WNoSuch"), 0);
  EXPECT_EQ(player.PlayedCount(), 0);
}

// No sound server and no sound card: the player cannot learn from the device when a cue ends.
TEST_F(CuePlaying, AWaitingCueReturnsOnceItsLengthHasPassedWithoutADevice) {
  QElapsedTimer clock;
  clock.start();
  player.PlayAndWait("WPlMore");
  EXPECT_GE(clock.elapsed(), CueLengthMs("WPlMore"));
  EXPECT_EQ(player.LastPlayed(), "WPlMore");
}

TEST_F(CuePlaying, AWaitingCueWhileSoundIsOffDoesNotWait) {
  settings.SoundOn = false;
  player.PlayAndWait("WKoGood");
  EXPECT_EQ(player.PlayedCount(), 0);
}

using Voices = PlayerFixture;

const CardCode AceOfSpades = MakeCard(RankCount, 3);

TEST_F(Voices, TheCardIsSpokenInTheCurrentLanguageWhateverSoundSays) {
  WritePack(folder.filePath("NuvCVoice3.dll"), {{"Pi5AVoiceDeu.wav", WavFileOf(ToneClip(300))},
                                                {"Pi5AVoiceEng.wav", WavFileOf(ToneClip(200))}});
  const struct {
    int language;
    bool soundOn;
    const char* heard;
  } cases[] = {{2, true, "Pi5AVoiceDeu"},
               {2, false, "Pi5AVoiceDeu"},
               {0, false, "Pi5AVoiceEng"},
               {15, true, "Pi5AVoiceEng"}};
  for (const auto& c : cases) {
    settings.Language = c.language;
    settings.SoundOn = c.soundOn;
    EXPECT_TRUE(player.SpeakCard(AceOfSpades)) << c.heard;
    EXPECT_EQ(player.LastPlayed(), c.heard);
  }
}

TEST_F(Voices, ThePackIsFoundInTheProgramsFolderToo) {
  WritePack(folder.filePath("Game/NuvCVoice3.dll"),
            {{"pi5avoiceeng.WAV", WavFileOf(ToneClip(100))}});
  EXPECT_TRUE(player.SpeakCard(AceOfSpades));
}

TEST_F(Voices, NothingIsSpokenWithoutThePackOrTheVoice) {
  EXPECT_FALSE(player.SpeakCard(AceOfSpades));
  WritePack(folder.filePath("NuvCVoice3.dll"),
            {{"Ch09VoiceEng.wav", WavFileOf(ToneClip(100))},
             {"Pi5AVoiceEng.wav", QByteArray("not a wave file")}});
  EXPECT_FALSE(player.SpeakCard(AceOfSpades));  // unreadable
  EXPECT_FALSE(player.SpeakCard(EmptyCard));
  EXPECT_EQ(player.PlayedCount(), 0);
}

}  // namespace
}  // namespace fibwick
