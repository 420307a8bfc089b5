#include "ui/dialogs/options_rules.h"

#include <gtest/gtest.h>

#include <vector>

namespace fibwick {
namespace {

using Mod = BackModification;

TEST(BackModification, SetsOfTenPicturesAlwaysChangeAtRandom) {
  struct Case {
    int backSet;
    Mod selected;
    Mod shown;
    std::array<bool, 3> enabled;
  };
  const std::array<bool, 3> weekday{true, true, false};
  const std::array<bool, 3> random{false, false, true};
  const std::vector<Case> cases = {
      {0, Mod::ChangeDecks, Mod::ChangeDecks, weekday},
      {7, Mod::AlwaysOne, Mod::AlwaysOne, weekday},
      {7, Mod::Random, Mod::ChangeDecks, weekday},
      {8, Mod::ChangeDecks, Mod::Random, random},
      {11, Mod::AlwaysOne, Mod::Random, random},
      {12, Mod::Random, Mod::ChangeDecks, weekday},
      {12, Mod::AlwaysOne, Mod::AlwaysOne, weekday},
  };
  for (const Case& c : cases) {
    const ModificationChoice choice = ModificationFor(c.backSet, c.selected);
    EXPECT_EQ(choice.selected, c.shown) << c.backSet;
    EXPECT_EQ(choice.enabled, c.enabled) << c.backSet;
  }
}

TEST(BackModification, TheSettingsSayWhichItemIsSelected) {
  struct Case {
    int backSet;
    bool alwaysOne;
    Mod selected;
  };
  for (const Case& c : std::vector<Case>{{0, false, Mod::ChangeDecks},
                                         {0, true, Mod::AlwaysOne},
                                         {9, true, Mod::Random},
                                         {12, true, Mod::AlwaysOne}}) {
    Settings settings;
    settings.BackSet = c.backSet;
    settings.AlwaysOneBack = c.alwaysOne;
    EXPECT_EQ(ModificationOf(settings), c.selected) << c.backSet << c.alwaysOne;
  }
}

TEST(PackFallbacks, OnlyTheBuiltInChoicesNeedNoPack) {
  EXPECT_TRUE(BackSetLoadable(0, false));
  EXPECT_FALSE(BackSetLoadable(1, false));
  EXPECT_FALSE(BackSetLoadable(12, false));
  EXPECT_TRUE(BackSetLoadable(12, true));

  struct Case {
    int item;
    bool library;
    int design;
  };
  for (const Case& c : std::vector<Case>{
           {0, false, 0}, {1, false, 0}, {3, false, 0}, {0, true, 0}, {1, true, 1}, {3, true, 3}}) {
    EXPECT_EQ(AvailableDesign(c.item, c.library), c.design) << c.item << c.library;
  }
}

TEST(PackFallbacks, TheBackgroundIsChosenUnlessMenuAndTableArePurple) {
  EXPECT_TRUE(BackgroundChoosable(0, 0));
  EXPECT_TRUE(BackgroundChoosable(1, 0));
  EXPECT_TRUE(BackgroundChoosable(0, 1));
  EXPECT_FALSE(BackgroundChoosable(1, 1));
}

TEST(FontSlots, EachSlotHasItsOwnNameAndScaleAndDefaultRestoresAll) {
  Settings settings;
  for (int slot = 0; slot < FontSlotCount; ++slot) {
    FontNameOf(settings, slot) = "Font" + std::to_string(slot);
    FontScaleOf(settings, slot) = 60 + slot;
  }
  EXPECT_EQ(settings.FontLarge, "Font0");
  EXPECT_EQ(settings.FontSmall, "Font1");
  EXPECT_EQ(settings.FontSpecial1, "Font2");
  EXPECT_EQ(settings.FontSpecial2, "Font3");
  EXPECT_EQ(settings.ScaleLarge, 60);
  EXPECT_EQ(settings.ScaleSmall, 61);
  EXPECT_EQ(settings.ScaleSpecial1, 62);
  EXPECT_EQ(settings.ScaleSpecial2, 63);

  settings.MarkLastCards = true;
  RestoreDefaultFonts(settings);
  Settings expected;
  expected.MarkLastCards = true;  // only the fonts go back
  EXPECT_EQ(settings, expected);
}

}  // namespace
}  // namespace fibwick
