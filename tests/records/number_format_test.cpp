#include "records/number_format.h"

#include <gtest/gtest.h>

#include "records/general_count.h"
#include "records/rating.h"

namespace fibwick {
namespace {

TEST(NumberFormat, FixedTwoDecimals) {
  struct Case {
    int width;
    double x;
    const char* text;
  };
  for (const Case c :
       {Case{10, 0.05, "      0,05"}, Case{6, -3.5, " -3,50"}, Case{10, -3.5, "     -3,50"},
        Case{4, 0.0, "0,00"}, Case{0, 0.0, "0,00"}, Case{10, 0.0, "      0,00"},
        Case{6, -0.001, "  0,00"}, Case{3, 123.456, "123,46"}, Case{6, 99.99, " 99,99"}}) {
    EXPECT_EQ(FormatFixed2(c.width, c.x), c.text) << c.x;
  }
}

TEST(NumberFormat, FixedSixDecimals) {
  struct Case {
    double x;
    const char* text;
  };
  for (const Case c : {Case{0.0, "  0,000000"}, Case{1.5, "  1,500000"}, Case{-99.99, "-99,990000"},
                       Case{2.0 / 3.0, "  0,666667"}, Case{-0.0000001, "  0,000000"}}) {
    EXPECT_EQ(FormatFixed6(c.x), c.text) << c.x;
  }
}

TEST(NumberFormat, PadNumberPadsButNeverCuts) {
  EXPECT_EQ(PadNumber(5, 3, ' '), "  5");
  EXPECT_EQ(PadNumber(7, 4, '0'), "0007");
  EXPECT_EQ(PadNumber(12345, 3, ' '), "12345");
  EXPECT_EQ(PadNumber(-40, 6, ' '), "   -40");
  EXPECT_EQ(PadNumber(-5, 4, '0'), "-005");
}

TEST(NumberFormat, ParsersAcceptWhatTheWritersWriteOnly) {
  EXPECT_EQ(ParseDecimal("  1,500000"), 1.5);
  EXPECT_EQ(ParseDecimal("     -3,50"), -3.5);
  EXPECT_EQ(ParseInteger("   -40"), -40);
  for (const char* bad : {"", "  ", "12a", "1,5,", "######", "--1"}) {
    EXPECT_FALSE(ParseInteger(bad).has_value()) << bad;
  }
  EXPECT_FALSE(ParseDecimal("######").has_value());
  EXPECT_FALSE(ParseDecimal("1e5").has_value());
}

TEST(Rating, AveragePointsPerGameHeldInRange) {
  struct Case {
    int startGames;
    double startRating;
    int points;
    int gamesNow;
    double rating;
  };
  for (const Case c : {Case{0, 0.0, 10, 1, 10.0}, Case{20, 2.5, -30, 23, (50.0 - 30.0) / 23.0},
                       Case{2, 0.0, 10, 3, 3.333333}, Case{0, 0.0, 200, 1, 99.99},
                       Case{0, 0.0, -200, 1, -99.99}, Case{5, 1.25, 0, 0, 1.25}}) {
    EXPECT_NEAR(NewRating(c.startGames, c.startRating, c.points, c.gamesNow), c.rating, 5e-7)
        << c.startGames << " " << c.points << " " << c.gamesNow;
  }
  // Six decimals exactly: the stored text and the value agree.
  EXPECT_EQ(FormatFixed6(NewRating(2, 0.0, 10, 3)), "  3,333333");
}

TEST(GeneralCount, SevenFiguresOfTheSession) {
  const auto count = MakeCount({.gameNumber = 45,
                                .gamesPerCycle = 20,
                                .baseScore = 30,
                                .sessionScore = -10,
                                .startRating = 1.5,
                                .currentRating = 1.25});
  EXPECT_EQ(count.Count_KonAll, "45");
  EXPECT_EQ(count.Count_KonCur, "5");
  EXPECT_EQ(count.Count_ScoBeg, "30");
  EXPECT_EQ(count.Count_ScoCur, "-10");
  EXPECT_EQ(count.Count_ScoAll, "20");
  EXPECT_EQ(count.Count_ReiBeg, "1,500000");
  EXPECT_EQ(count.Count_ReiCur, "1,250000");
  EXPECT_EQ(MakeCount({.gameNumber = 40}).Count_KonCur, "20");
}

}  // namespace
}  // namespace fibwick
