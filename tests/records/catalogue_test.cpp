#include <gtest/gtest.h>

#include "records/catalogue.h"

namespace fibwick {
namespace {

class CatalogueTest : public ::testing::Test {
 protected:
  void TearDown() override { SetLanguage(0); }
};

TEST_F(CatalogueTest, EnglishTextsStandAsQuoted) {
  EXPECT_EQ(MessageText(MsgIDontBelieve, 0), "I don`t believe!");
  EXPECT_EQ(MessageText(MsgIThink, 0), "I think... ");  // trailing blank kept
  EXPECT_EQ(MessageText(MsgClubHeaderScore, 0), " The members of club    Games    Score ");
  EXPECT_EQ(MessageText(MsgOneJocker, 0), "one jocker");
}

TEST_F(CatalogueTest, EveryRowHasAnEnglishText) {
  for (int m = 0; m < MessageCount; ++m) {
    EXPECT_FALSE(MessageText(static_cast<Message>(m), 0).empty()) << "row " << m;
  }
}

TEST_F(CatalogueTest, LanguageOutsideTheTenReadsAsEnglish) {
  SetLanguage(12);
  EXPECT_EQ(CurrentLanguage(), 12);
  EXPECT_EQ(MessageText(MsgPass), "Pass");
  EXPECT_EQ(LanguageSuffix(12), "Eng");
  EXPECT_EQ(LanguageSuffix(-1), "Eng");
}

TEST_F(CatalogueTest, PictureSuffixes) {
  EXPECT_EQ(LanguageSuffix(1), "Rus");
  EXPECT_EQ(LanguageSuffix(7), "Cze");
  EXPECT_EQ(LanguageSuffix(8), "Eng");
  EXPECT_EQ(LanguageSuffix(9), "Eng");
}

}  // namespace
}  // namespace fibwick
