#include "ui/dialogs/save_games_page.h"

#include "dialogs_support.h"
#include "ui/dialogs/options_dialog.h"

namespace fibwick {
namespace {

using SaveGames = testing_support::DialogTest;

TEST_F(SaveGames, RecordingIsChosenInTheSmallWindowWithItsSourceAndDelay) {
  settings_.WindowSizeMode = 1;
  OptionsDialog dialog(*context_, {}, QSize(1920, 1080), nullptr);
  dialog.show();
  SaveGamesPage* page = dialog.SaveGamesTab();
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(dialog.Tabs()->tabText(dialog.Tabs()->indexOf(page)), "Save games");
  EXPECT_EQ(page->SaveBox()->text(), "Save games as GIFs");
  EXPECT_TRUE(page->SaveBox()->isEnabled());
  EXPECT_FALSE(page->ContentBox()->isEnabled());
  EXPECT_FALSE(page->DelayBox()->isEnabled());

  page->SaveBox()->click();
  EXPECT_TRUE(settings_.SaveGif);
  EXPECT_TRUE(page->ContentBox()->isEnabled());
  EXPECT_TRUE(page->DelayBox()->isEnabled());
  EXPECT_EQ(page->ContentBox()->itemText(1), "Save screen contents");
  page->ContentBox()->setCurrentIndex(1);
  emit page->ContentBox()->activated(1);
  EXPECT_EQ(settings_.GifContent, 2);
  page->DelayBox()->setValue(250);
  EXPECT_EQ(settings_.GifDelay, 250);
  dialog.Tabs()->setCurrentWidget(page);
  Shot(dialog, "options-save-games");
  page->DelayBox()->setValue(9000);  // the box keeps to 10..5000
  EXPECT_EQ(settings_.GifDelay, 5000);
}

TEST_F(SaveGames, AnotherWindowSizeSwitchesRecordingOffAndGreysItOut) {
  settings_.WindowSizeMode = 1;
  settings_.SaveGif = true;
  OptionsDialog dialog(*context_, {}, QSize(1920, 1080), nullptr);
  dialog.show();
  SaveGamesPage* page = dialog.SaveGamesTab();
  EXPECT_TRUE(page->SaveBox()->isChecked());

  QComboBox* sizes = dialog.WindowSizeBox();
  const int large = sizes->findData(5);
  sizes->setCurrentIndex(large);
  emit sizes->activated(large);
  EXPECT_FALSE(settings_.SaveGif);
  EXPECT_FALSE(page->SaveBox()->isChecked());
  EXPECT_FALSE(page->SaveBox()->isEnabled());
  EXPECT_FALSE(page->ContentBox()->isEnabled());

  // Back in the small window it may be chosen again.
  const int small = sizes->findData(1);
  sizes->setCurrentIndex(small);
  emit sizes->activated(small);
  EXPECT_TRUE(page->SaveBox()->isEnabled());
  EXPECT_FALSE(settings_.SaveGif);
}

TEST_F(SaveGames, OpenedInAnotherSizeRecordingIsOff) {
  settings_.WindowSizeMode = 3;
  settings_.SaveGif = true;
  OptionsDialog dialog(*context_, {}, QSize(1920, 1080), nullptr);
  EXPECT_FALSE(settings_.SaveGif);
  EXPECT_FALSE(dialog.SaveGamesTab()->SaveBox()->isEnabled());
  EXPECT_FALSE(dialog.SaveGamesTab()->SaveBox()->isChecked());
}

}  // namespace
}  // namespace fibwick
