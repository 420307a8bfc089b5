#include "selfplay/self_play.h"

#include <gtest/gtest.h>

#include <sstream>

namespace fibwick {
namespace {

TEST(SelfPlay, ManyGamesKeepEveryRule) {
  std::ostringstream log;
  const SelfPlayReport report = RunSelfPlay({.games = 2000, .seed = 42, .verbose = false}, log);
  ASSERT_FALSE(report.violation) << *report.violation;
  EXPECT_EQ(report.gamesPlayed, 2000);
  EXPECT_EQ(report.localWins + report.localLosses + report.draws, 2000);
  // Against a random player the computer should win most games.
  EXPECT_GT(report.localLosses, report.localWins);
}

TEST(SelfPlay, VerboseGameIsToldInWords) {
  std::ostringstream log;
  const SelfPlayReport report = RunSelfPlay({.games = 1, .seed = 3, .verbose = true}, log);
  ASSERT_FALSE(report.violation) << *report.violation;
  const std::string text = log.str();
  EXPECT_NE(text.find("Game 1"), std::string::npos);
  EXPECT_NE(text.find(": I put "), std::string::npos) << text;
  EXPECT_TRUE(text.find("You have won!") != std::string::npos ||
              text.find("You have lost!") != std::string::npos ||
              text.find("Dead heat...") != std::string::npos)
      << text;
}

}  // namespace
}  // namespace fibwick
