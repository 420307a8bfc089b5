#include <gtest/gtest.h>

#include "game/buttons.h"
#include "game/open_cards.h"
#include "table_fixture.h"

namespace fibwick {
namespace {

using testing::TableFixture;
using Calls = std::vector<std::string>;

TEST(Buttons, AfterTheGameTheyMeanNextGameAndExit) {
  struct Case {
    int gameNumber;
    bool rated;
    bool network;
    bool nextGame;
  };
  for (const Case c : {Case{5, false, false, true}, Case{20, false, false, false},
                       Case{5, true, false, false}, Case{1, false, true, false}}) {
    TableFixture t;
    t.Running(TurnConnectedOrOver);
    t.state.RoundOver = true;
    t.state.GameNumber = c.gameNumber;
    t.state.RatedGame = c.rated;
    t.state.NetworkGame = c.network;
    t.state.NetRole = c.network ? 1 : 0;
    t.state.PlayerSlot = SlotNewPlayer;
    for (int d = 0; d < 24; ++d) t.random.draws.push_back(d);
    EXPECT_EQ(ChallengeButtonClick(t.table), c.nextGame) << c.gameNumber;
    EXPECT_EQ(t.state.GameNumber, c.nextGame ? c.gameNumber + 1 : c.gameNumber);
    EXPECT_EQ(t.state.RoundOver, !c.nextGame);
  }
  TableFixture t;
  t.Running(TurnConnectedOrOver);
  t.state.RoundOver = true;
  EXPECT_TRUE(PutButtonClick(t.table));
  EXPECT_EQ(t.services.calls.back(), "menu");
}

TEST(OpenCards, TheCodeTogglesTheModeAndRedraws) {
  TableFixture t;
  t.Running(TurnLocal);
  t.SetHand(1, {"9h"});
  t.SetHand(2, {"Ah"});
  for (char k : std::string("4821")) EXPECT_FALSE(OpenCardsKey(t.table, k));
  EXPECT_TRUE(OpenCardsKey(t.table, '7'));
  EXPECT_TRUE(t.state.OpenCards);
  EXPECT_EQ(t.view.calls, (Calls{"hand 1 faces 1", "hand 2 faces 1", "pile faces 0"}));
  EXPECT_TRUE(t.state.OpenCardsBuffer.empty());

  // A stray key spoils the number until the focus moves and the buffer starts again.
  for (char k : std::string("x48217")) EXPECT_FALSE(OpenCardsKey(t.table, k));
  ResetOpenCardsBuffer(t.state);
  for (char k : std::string("4821")) OpenCardsKey(t.table, k);
  EXPECT_TRUE(OpenCardsKey(t.table, '7'));
  EXPECT_FALSE(t.state.OpenCards);
  // Leading zeros still read as the same number.
  for (char k : std::string("048217")) OpenCardsKey(t.table, k);
  EXPECT_TRUE(t.state.OpenCards);
}

}  // namespace
}  // namespace fibwick
