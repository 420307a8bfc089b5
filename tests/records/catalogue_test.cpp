#include "records/catalogue.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <string_view>

namespace fibwick {
namespace {

constexpr int Korean = static_cast<int>(Language::Korean);

Message Row(int index) {
  return static_cast<Message>(index);
}

int Count(std::string_view text, std::string_view part) {
  int count = 0;
  for (auto at = text.find(part); at != std::string_view::npos; at = text.find(part, at + 1)) {
    ++count;
  }
  return count;
}

class CatalogueTest : public ::testing::Test {
 protected:
  void TearDown() override { SetLanguage(0); }
};

TEST_F(CatalogueTest, EnglishTextsStandAsQuoted) {
  EXPECT_EQ(MessageText(MsgIDontBelieve, 0), "I don`t believe!");
  EXPECT_EQ(MessageText(MsgIThink, 0), "I think... ");  // trailing blank kept
  EXPECT_EQ(MessageText(MsgClubHeaderScore, 0), " The members of club    Games    Score ");
  EXPECT_EQ(MessageText(MsgOneJocker, 0), "one jocker");
  EXPECT_EQ(MessageText(MsgFlyCards, 0), "\"Fly\" cards");
  EXPECT_EQ(MessageText(MsgTheFile, 0), "The file \"");
  EXPECT_EQ(MessageText(MsgFontSettingsWarning, 0),
            "Attention!\n\rThese installations should be changed only in case of incorrect map "
            "of fonts!");
}

// The history window of the Korean interface shows an empty header over its player column;
// that is the one empty text of the table.
TEST_F(CatalogueTest, EveryTextIsPresentButTheKoreanHistoryPlayer) {
  for (int m = 0; m < MessageCount; ++m) {
    for (int language = 0; language < LanguageCount; ++language) {
      const bool documentedGap = m == MsgPlayerHistory && language == Korean;
      EXPECT_EQ(MessageText(Row(m), language).empty(), documentedGap)
          << "row " << m << ", language " << language;
    }
  }
}

// Message boxes split on the line breaks and callers append names and numbers after trailing
// blanks, so every translation keeps them where the English text has them.
TEST_F(CatalogueTest, TranslationsKeepLineBreaksAndEdgeBlanks) {
  for (int m = 0; m < MessageCount; ++m) {
    const auto english = MessageText(Row(m), 0);
    for (int language = 1; language < LanguageCount; ++language) {
      const auto text = MessageText(Row(m), language);
      if (text.empty()) continue;
      EXPECT_EQ(Count(text, "\n\r"), Count(english, "\n\r")) << "row " << m << ", " << language;
      EXPECT_EQ(Count(text, "\n"), Count(english, "\n")) << "row " << m << ", " << language;
      EXPECT_EQ(text.back() == ' ', english.back() == ' ') << "row " << m << ", " << language;
      EXPECT_EQ(text.front() == ' ', english.front() == ' ') << "row " << m << ", " << language;
    }
  }
}

TEST_F(CatalogueTest, ChoosingALanguageChangesTheTextsAtOnce) {
  const std::array<std::string_view, LanguageCount> pass = {
      "Pass", "Пас", "Passe", "Je passe", "Paso", "过", "Passo", "Pas", "パス", "패스"};
  for (int language = 0; language < LanguageCount; ++language) {
    SetLanguage(language);
    EXPECT_EQ(CurrentLanguage(), language);
    EXPECT_EQ(MessageText(MsgPass), pass[language]);
    EXPECT_EQ(MessageText(MsgPass), MessageText(MsgPass, language));
  }
  SetLanguage(Korean);
  EXPECT_EQ(MessageText(MsgPlayerHistory), "");
  EXPECT_EQ(MessageText(MsgPlayerCount), "플레이어");
}

TEST_F(CatalogueTest, LanguageOutsideTheTenReadsAsEnglish) {
  for (const int index : {10, 20, 255, -1}) {
    SetLanguage(index);
    EXPECT_EQ(CurrentLanguage(), index);
    EXPECT_EQ(MessageText(MsgPass), "Pass") << index;
    EXPECT_EQ(MessageText(MsgOneAce), "one ace") << index;
    EXPECT_EQ(LanguageSuffix(index), "Eng") << index;
  }
}

TEST_F(CatalogueTest, PictureSuffixes) {
  const std::array<std::string_view, LanguageCount> suffixes = {"Eng", "Rus", "Deu", "Fra", "Spa",
                                                                "Chi", "Ita", "Cze", "Eng", "Eng"};
  for (int language = 0; language < LanguageCount; ++language) {
    EXPECT_EQ(LanguageSuffix(language), suffixes[language]);
  }
}

// Claims are looked up as MsgOneSix + 4 x rank + (count - 1), six to ace; the claim plate as
// MsgSixes + rank.
TEST_F(CatalogueTest, ClaimWordsFormACompleteBlock) {
  struct Rank {
    std::string_view one, many, plate;
  };
  constexpr std::array<std::string_view, 4> counts = {"one", "two", "three", "four"};
  constexpr std::array<Rank, 9> ranks = {{{"six", "sixes", "Sixes"},
                                          {"seven", "sevens", "Sevens"},
                                          {"eight", "eights", "Eights"},
                                          {"nine", "nines", "Nines"},
                                          {"ten", "tens", "Tens"},
                                          {"jocker", "jockers", "Jockers"},
                                          {"queen", "queens", "Queens"},
                                          {"king", "kings", "Kings"},
                                          {"ace", "aces", "Aces"}}};
  static_assert(MsgFourAces - MsgOneSix + 1 == 36 && MsgAces - MsgSixes + 1 == 9);
  for (int rank = 0; rank < 9; ++rank) {
    EXPECT_EQ(MessageText(Row(MsgSixes + rank), 0), ranks[rank].plate);
    for (int count = 0; count < 4; ++count) {
      const auto& word = count == 0 ? ranks[rank].one : ranks[rank].many;
      EXPECT_EQ(MessageText(Row(MsgOneSix + 4 * rank + count), 0),
                std::string(counts[count]) + " " + std::string(word));
    }
  }
  for (int language = 0; language < LanguageCount; ++language) {
    std::set<std::string_view> claims;
    for (int m = MsgOneSix; m <= MsgFourAces; ++m) claims.insert(MessageText(Row(m), language));
    EXPECT_EQ(claims.size(), 36U) << "two claims read alike in language " << language;
    std::set<std::string_view> letters;
    for (const auto m : {MsgJ, MsgQ, MsgK, MsgA}) letters.insert(MessageText(m, language));
    EXPECT_EQ(letters.size(), 4U) << "rank letters clash in language " << language;
  }
}

TEST_F(CatalogueTest, TwoLineBoxesAreAdjacentPairs) {
  EXPECT_EQ(MsgLeaveToMainMenu + 1, MsgAllDataWillBeLost);
  EXPECT_EQ(MsgTheFile + 1, MsgHasIncorrectAttributes);
  EXPECT_EQ(MsgHasInterruptedGame + 1, MsgPressOKForExitTo);
}

TEST_F(CatalogueTest, LanguageChooserShowsEachLanguageUnderItsOwnName) {
  const std::array<std::string_view, LanguageCount> names = {
      "English", "Русский",  "Deutsch", "Français", "Español",
      "中文",    "Italiano", "Čeština", "日本語",   "한국어"};
  for (int language = 0; language < LanguageCount; ++language) {
    for (int shownIn = 0; shownIn < LanguageCount; ++shownIn) {
      EXPECT_EQ(MessageText(Row(MsgLanguageEnglish + language), shownIn), names[language]);
    }
  }
}

}  // namespace
}  // namespace fibwick
