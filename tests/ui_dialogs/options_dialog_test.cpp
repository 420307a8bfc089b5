#include "ui/dialogs/options_dialog.h"

#include "dialogs_support.h"

namespace fibwick {
namespace {

using testing_support::DialogTest;
using testing_support::Text;

using Options = DialogTest;

TEST(WindowSizes, TheScreenDecidesWhichSizesAreOffered) {
  struct Case {
    QSize screen;
    std::vector<int> modes;
  };
  const std::vector<Case> cases = {
      {{800, 600}, {1, 2}},     {{990, 669}, {1, 2}},         {{990, 670}, {1, 2, 3}},
      {{1289, 900}, {1, 2, 3}}, {{1920, 1019}, {1, 2, 3, 4}}, {{1920, 1080}, {1, 2, 3, 4, 5}},
  };
  for (const Case& c : cases) EXPECT_EQ(WindowSizeChoices(c.screen), c.modes) << c.screen.width();
}

TEST_F(Options, EveryLanguageHasItsLargeFlag) {
  EXPECT_EQ(LargeFlagPicture(0), "FlagOEng");
  EXPECT_EQ(LargeFlagPicture(7), "FlagOCze");
  EXPECT_EQ(LargeFlagPicture(8), "FlagOJap");
  EXPECT_EQ(LargeFlagPicture(9), "FlagOKor");
  for (int language = 0; language < LanguageCount; ++language) {
    EXPECT_FALSE(LoadBuiltinPicture(LargeFlagPicture(language)).isNull()) << language;
  }
}

TEST_F(Options, SwitchesChangeTheSettingsAtOnce) {
  int music = 0;
  int buttons = 0;
  int club = 0;
  OptionsHooks hooks;
  hooks.musicChanged = [&] { ++music; };
  hooks.newButtonsChanged = [&] { ++buttons; };
  hooks.networkGameChanged = [&] { ++club; };
  OptionsDialog dialog(*context_, hooks, QSize(1920, 1080), nullptr);
  dialog.show();
  EXPECT_TRUE(dialog.SoundBox()->isChecked());
  EXPECT_FALSE(dialog.NewButtonsBox()->isChecked());

  dialog.MusicBox()->click();
  dialog.SoundBox()->click();
  dialog.GifBox()->click();
  dialog.FlyBox()->click();
  dialog.CursorBox()->click();
  dialog.NewButtonsBox()->click();
  dialog.MultiplayerBox()->click();
  EXPECT_FALSE(settings_.MusicOn);
  EXPECT_FALSE(settings_.SoundOn);
  EXPECT_FALSE(settings_.GifAnimation);
  EXPECT_FALSE(settings_.FlyCards);
  EXPECT_FALSE(settings_.RedCursor);
  EXPECT_TRUE(settings_.NewButtons);
  EXPECT_TRUE(settings_.NetworkGame);
  EXPECT_EQ(music, 1);
  EXPECT_EQ(buttons, 1);
  EXPECT_EQ(club, 1);
  EXPECT_TRUE(dialog.OkButton()->Nata());  // this dialog's own buttons follow at once
  // Without their dialogs the two buttons are not offered.
  EXPECT_FALSE(dialog.SpeedButton()->isEnabled());
  EXPECT_EQ(dialog.SpeedButton()->text(), "Speed=4");
}

TEST_F(Options, LanguageRecaptionsTheDialogAndKeepsTheSelections) {
  int recaptioned = 0;
  OptionsHooks hooks;
  hooks.languageChanged = [&] { ++recaptioned; };
  OptionsDialog dialog(*context_, hooks, QSize(1920, 1080), nullptr);
  dialog.show();
  dialog.WindowSizeBox()->setCurrentIndex(3);
  emit dialog.WindowSizeBox()->activated(3);
  EXPECT_EQ(settings_.WindowSizeMode, 4);

  dialog.LanguageBox()->setCurrentIndex(1);
  emit dialog.LanguageBox()->activated(1);
  EXPECT_EQ(CurrentLanguage(), 1);
  EXPECT_EQ(settings_.Language, 1);
  EXPECT_EQ(recaptioned, 1);
  EXPECT_EQ(dialog.windowTitle(), Text(MsgOptions));
  EXPECT_EQ(dialog.Tabs()->tabText(0), Text(MsgGeneral));
  EXPECT_EQ(dialog.WindowSizeBox()->currentText(), Text(MsgAverageWindow2));
  EXPECT_EQ(dialog.SoundBox()->text(), Text(MsgSound));
  EXPECT_EQ(dialog.WindowSizeBox()->currentIndex(), 3);
  EXPECT_EQ(dialog.Flag()->pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
            LoadBuiltinPicture("FlagORus").convertToFormat(QImage::Format_ARGB32));
}

}  // namespace
}  // namespace fibwick
