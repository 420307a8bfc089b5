#include <gtest/gtest.h>

#include <QMouseEvent>
#include <random>

#include "app/app_support.h"
#include "app/match_player.h"
#include "records/settings_file.h"
#include "sound/sound_test_support.h"
#include "ui/card_names.h"
#include "ui/sound/voice_names.h"

namespace fibwick {
namespace {

using namespace testing;

// A window over fresh files with the settings given, on the menu.
struct SoundWindow {
  SoundWindow(const std::string& name, const Settings& settings)
      : folder(FreshProgramFolder(name)) {
    SaveSettings(folder / "Fibwick.ini", settings, false);
    form = std::make_unique<TForm1>(folder, Pacing{.pauseFactor = 0.0, .computerTickMs = 1});
    form->show();
    PassIntro(*form);
  }
  ~SoundWindow() {
    form->close();
    form.reset();
    fs::remove_all(folder);
  }
  void StartMatch() {
    ButtonNamed(*form, "Button6")->click();
    EXPECT_TRUE(WaitFor([&] { return form->CurrentScreen() == Screen::Table; }));
  }
  // Plays at random until the first game is over.
  void PlayOneGame() {
    std::mt19937 random(7);
    while (!form->Game().round.RoundOver) {
      ASSERT_TRUE(WaitFor([&] {
        return form->Game().round.RoundOver ||
               (form->Game().round.TurnState == Turn::Local && form->TableQuiet());
      }));
      if (!form->Game().round.RoundOver) PlayLocalTurn(*form, random);
    }
    ASSERT_TRUE(WaitFor([&] { return form->TableQuiet(); }));
  }
  int Played(const char* cue) const { return form->Sounds().TimesPlayed(cue); }

  DialogAnswerer answerer;
  fs::path folder;
  std::unique_ptr<TForm1> form;
};

TEST(Sounds, AGameSoundsItsEventsAndTheTuneRunsOnlyOffTheTable) {
  SoundWindow w("sounds-on", Settings{});
  EXPECT_TRUE(w.form->Tune().Wanted());
  w.StartMatch();
  EXPECT_FALSE(w.form->Tune().Wanted());
  EXPECT_EQ(w.Played("WOpenFo"), 1);  // the new player's start dialog
  EXPECT_EQ(w.Played("WTasoKo"), 1);
  w.PlayOneGame();
  EXPECT_GE(w.Played("WHodsDo"), 1);
  EXPECT_GE(w.Played("WPlMore") + w.Played("WDing_1"), 1);  // a claim ends in a challenge or passes
  const std::uint8_t result = w.form->Game().round.RoundResult;
  EXPECT_EQ(w.Played("WKoGood"), result == ResultLocalWon ? 1 : 0);
  EXPECT_EQ(w.Played("WKoBads"), result == ResultLocalLost ? 1 : 0);
}

TEST(Sounds, WithSoundAndMusicOffOnlyASpokenCardIsHeard) {
  Settings quiet;
  quiet.SoundOn = false;
  quiet.MusicOn = false;
  quiet.Language = 1;
  SoundWindow w("sounds-off", quiet);
  EXPECT_FALSE(w.form->Tune().Wanted());
  w.StartMatch();
  ASSERT_TRUE(WaitFor(
      [&] { return w.form->Game().round.TurnState == Turn::Local && w.form->TableQuiet(); }));
  EXPECT_EQ(w.form->Sounds().PlayedCount(), 0);

  const CardCode first = w.form->Game().hands.SeatHand[static_cast<int>(Seat::Local)][1];
  const QString voice = VoiceName(first, 1);
  sound_testing::WritePack(QString::fromStdString((w.folder / "NuvCVoice3.dll").string()),
                           {{voice + ".wav", WavFileOf(sound_testing::ToneClip(100))}});
  const PixelRect hand = w.form->HandRect(2);
  const QPointF at(hand.left + w.form->HandPositions(2)[0] + 2, hand.top + 5);
  QMouseEvent release(QEvent::MouseButtonRelease, at, w.form->mapToGlobal(at), Qt::RightButton,
                      Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(w.form.get(), &release);
  EXPECT_EQ(w.form->Sounds().PlayedCount(), 1);
  EXPECT_EQ(w.form->Sounds().LastPlayed(), voice.toStdString());
  EXPECT_TRUE(voice.endsWith("VoiceRus"));
}

}  // namespace
}  // namespace fibwick
