#include "ui/card_names.h"

#include <gtest/gtest.h>

namespace fibwick {
namespace {

CardCode Card(RankIndex rank, SuitIndex suit) {
  return MakeCard(rank, suit);
}

TEST(CardNames, SlotsOfTheDeck) {
  EXPECT_EQ(CardSlot(Card(1, 0)), 13);  // nine of hearts
  EXPECT_EQ(CardSlot(Card(6, 3)), 36);  // ace of spades
  EXPECT_EQ(CardSlot(EmptyCard), 0);
  for (int slot = 13; slot <= 36; ++slot) EXPECT_EQ(CardSlot(CardOfSlot(slot)), slot);
  EXPECT_EQ(CardOfSlot(12), EmptyCard);
  EXPECT_EQ(CardOfSlot(37), EmptyCard);
}

struct FaceCase {
  int faceSet;
  RankIndex rank;
  SuitIndex suit;
  CardSizeClass sizeClass;
  const char* name;
};

class FaceNames : public testing::TestWithParam<FaceCase> {};

TEST_P(FaceNames, Name) {
  const FaceCase& c = GetParam();
  EXPECT_EQ(FacePictureName(c.faceSet, Card(c.rank, c.suit), c.sizeClass), c.name);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FaceNames,
    testing::Values(
        // Corona borrows the modern nine and ten; its court cards and aces are its own.
        FaceCase{6, 1, 0, CardSizeClass::Small, "Ch09Mod"},
        FaceCase{6, 2, 0, CardSizeClass::Small, "Ch10Mod"},
        FaceCase{6, 3, 0, CardSizeClass::Small, "Ch2JCor"},
        FaceCase{6, 4, 0, CardSizeClass::Small, "Ch3QCor"},
        FaceCase{6, 5, 0, CardSizeClass::Small, "Ch4KCor"},
        FaceCase{6, 6, 0, CardSizeClass::Small, "Ch5ACor"},
        FaceCase{0, 1, 0, CardSizeClass::Scaled, "Ch09B"},
        FaceCase{1, 4, 3, CardSizeClass::Small, "Pi3QMed"},
        FaceCase{7, 6, 1, CardSizeClass::Big, "Bu5AModB"},
        FaceCase{27, 1, 2, CardSizeClass::Small, "Kr09Big"},
        FaceCase{27, 6, 2, CardSizeClass::Small, "Kr5AUSR"},
        FaceCase{27, 5, 2, CardSizeClass::Small, "Kr4KUSR"},
        FaceCase{25, 2, 1, CardSizeClass::Scaled, "Bu10RhiB"}));

TEST(CardNames, SuitSymbols) {
  EXPECT_EQ(SymbolPictureName(6, 0), "CherMod");
  EXPECT_EQ(SymbolPictureName(0, 3), "Piki");
  EXPECT_EQ(BigSymbolPictureName(0, 1), "BubiB");
  EXPECT_EQ(SymbolPictureName(11, 2), "KresMod");  // Native Americans borrow the modern symbols
  EXPECT_EQ(BigSymbolPictureName(19, 2), "KresSeaB");
}

TEST(CardNames, WideAndNarrowSets) {
  EXPECT_TRUE(IsWideFaceSet(27));
  EXPECT_FALSE(IsWideFaceSet(28));
  EXPECT_FALSE(IsWideFaceSet(33));
  EXPECT_TRUE(IsWideFaceSet(40));
  EXPECT_TRUE(IsWideFaceSet(45));
  EXPECT_FALSE(IsWideFaceSet(47));
  EXPECT_EQ(FacePackName(0), "");
  EXPECT_EQ(FacePackName(31), "NuvCards06A.dll");
  EXPECT_EQ(FacePackName(32), "NuvCards06B.dll");
  EXPECT_EQ(FacePackName(47), "NuvCards06C.dll");
}

TEST(CardNames, Backs) {
  EXPECT_EQ(BackPictureName(1, 1, CardSizeClass::Scaled, false), "Ob01MoCl1U");
  EXPECT_EQ(BackPictureName(0, 3, CardSizeClass::Scaled, false), "Ob03WeU");
  EXPECT_EQ(BackPictureName(0, 7, CardSizeClass::Big, true), "Ob07SuB");
  EXPECT_EQ(BackPictureName(9, 10, CardSizeClass::Small, true), "Ob10XXFlo");
  EXPECT_EQ(BackPictureCount(8), 10);
  EXPECT_EQ(BackPictureCount(12), 7);
  EXPECT_TRUE(BackSetIsBuiltIn(0, CardSizeClass::Small, false));
  EXPECT_TRUE(BackSetIsBuiltIn(0, CardSizeClass::Big, true));
  EXPECT_FALSE(BackSetIsBuiltIn(0, CardSizeClass::Scaled, false));
  EXPECT_FALSE(BackSetIsBuiltIn(1, CardSizeClass::Small, true));
}

TEST(CardNames, Backgrounds) {
  EXPECT_EQ(BackgroundPictureName(1, 0, true), "Fon01Gr");
  EXPECT_EQ(BackgroundPictureName(10, 6, false), "Fon10FiB");
  EXPECT_EQ(BackgroundPictureName(2, 0, true), "FonG");
  EXPECT_EQ(BackgroundPictureName(2, 0, false), "FonGB");
  EXPECT_EQ(BackgroundPictureName(2, 1, true), "Fon02Re");
}

}  // namespace
}  // namespace fibwick
