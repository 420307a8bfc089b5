#include <gtest/gtest.h>

#include <QMouseEvent>
#include <map>
#include <random>

#include "app/app_support.h"
#include "app/match_player.h"
#include "records/settings_file.h"
#include "sound/sound_test_support.h"
#include "ui/card_names.h"
#include "ui/dialogs/options_dialog.h"
#include "ui/layout.h"
#include "ui/sound/voice_names.h"

namespace fibwick {
namespace {

using namespace testing;

// A window over fresh files with the settings given, on the menu.
struct SoundWindow {
  SoundWindow(const std::string& name, const Settings& settings, double pauseFactor = 0.0)
      : folder(FreshProgramFolder(name)) {
    SaveSettings(folder / "Fibwick.ini", settings, false);
    form = std::make_unique<MainWindow>(folder,
                                        Pacing{.pauseFactor = pauseFactor, .computerTickMs = 1});
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
  void RightClick(const QPoint& at) {
    QMouseEvent release(QEvent::MouseButtonRelease, at, form->mapToGlobal(at), Qt::RightButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(form.get(), &release);
  }

  DialogAnswerer answerer;
  fs::path folder;
  std::unique_ptr<MainWindow> form;
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

TEST(Sounds, WithSoundAndMusicOffOnlySpokenCardsAreHeard) {
  Settings quiet;
  quiet.SoundOn = false;
  quiet.MusicOn = false;
  quiet.Language = 1;
  SoundWindow w("sounds-off", quiet, 0.4);
  EXPECT_FALSE(w.form->Tune().Wanted());
  w.StartMatch();
  ASSERT_TRUE(WaitFor(
      [&] { return w.form->Game().round.TurnState == Turn::Local && w.form->TableQuiet(); }));
  EXPECT_EQ(w.form->Sounds().PlayedCount(), 0);

  // A voice pack that names every card in Russian.
  std::map<QString, QByteArray> voices;
  for (RankIndex rank = 1; rank <= RankCount; ++rank) {
    for (SuitIndex suit = 0; suit < SuitCount; ++suit) {
      voices[VoiceName(MakeCard(rank, suit), 1) + ".wav"] = WavFileOf(sound_testing::ToneClip(20));
    }
  }
  sound_testing::WritePack(QString::fromStdString((w.folder / "NuvCVoice3.dll").string()), voices);

  const PixelRect hand = w.form->HandRect(2);
  w.RightClick(QPoint(hand.left + w.form->HandPositions(2)[0] + 2, hand.top + 5));
  EXPECT_EQ(w.form->Sounds().PlayedCount(), 1);
  const CardCode first = w.form->Game().hands.SeatHand[static_cast<int>(Seat::Local)][1];
  EXPECT_EQ(w.form->Sounds().LastPlayed(), VoiceName(first, 1).toStdString());

  // The pile speaks only while it lies turned over after a challenge.
  const PixelRect pile = w.form->PileRect();
  const QPoint onPile(pile.left + PilePosition(w.form->CurrentLayout(), 0).x + 3,
                      pile.top + PilePosition(w.form->CurrentLayout(), 0).y + 3);
  w.RightClick(onPile);
  EXPECT_EQ(w.form->Sounds().PlayedCount(), 1) << "the pile lies face down";
  ASSERT_TRUE(ButtonNamed(*w.form, "Button7")->isEnabled());
  ButtonNamed(*w.form, "Button7")->click();
  ASSERT_FALSE(w.form->TableQuiet());  // the turned pile is shown for a while
  w.RightClick(onPile);
  EXPECT_GE(w.form->Sounds().PlayedCount(), 2);
  EXPECT_TRUE(QString::fromStdString(w.form->Sounds().LastPlayed()).endsWith("VoiceRus"));
}

TEST(Sounds, TheOptionsSwitchMusicAndSoundAtOnce) {
  const fs::path folder = FreshProgramFolder("sounds-options");
  {
    MainWindow form(folder, Pacing{.pauseFactor = 0.0, .computerTickMs = 1});
    form.show();
    PassIntro(form);
    ASSERT_TRUE(form.Tune().Wanted());
    bool tuneWantedInDialog = true;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
      auto* options = qobject_cast<OptionsDialog*>(QApplication::activeModalWidget());
      if (options == nullptr) return;
      answer.stop();
      options->MusicBox()->click();
      tuneWantedInDialog = form.Tune().Wanted();
      options->SoundBox()->click();
      options->OkButton()->click();
    });
    answer.start(5);
    ButtonNamed(form, "Button10")->click();
    EXPECT_FALSE(tuneWantedInDialog);
    EXPECT_EQ(form.Sounds().TimesPlayed("WOpenFo"), 1);  // opening the options
    ButtonNamed(form, "BMode")->click();
    EXPECT_EQ(form.Sounds().TimesPlayed("WOpenFo"), 1);  // sound is off now
    form.close();
  }
  fs::remove_all(folder);
}

}  // namespace
}  // namespace fibwick
