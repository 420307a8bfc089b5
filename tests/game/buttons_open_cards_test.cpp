#include <gtest/gtest.h>

#include "game/buttons.h"
#include "game/open_cards.h"
#include "table_fixture.h"

namespace fibwick {
namespace {

using testing::Rank;
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
    t.Running(Turn::ConnectedOrOver);
    t.state.round.RoundOver = true;
    t.state.session.GameNumber = c.gameNumber;
    t.state.session.RatedGame = c.rated;
    t.state.network.NetworkGame = c.network;
    t.state.network.NetRole = c.network ? LanRole::Server : LanRole::None;
    t.state.session.PlayerSlot = SlotNewPlayer;
    EXPECT_EQ(ChallengeButtonCommand(t.state),
              c.nextGame ? TableCommand::NextGame : TableCommand::None)
        << c.gameNumber;
    EXPECT_EQ(PutButtonCommand(t.state), TableCommand::ExitToMenu);
    EXPECT_EQ(PassButtonCommand(t.state), TableCommand::None);
  }
}

TEST(Buttons, WhilePlayingTheyMeanTheMovesThatAreOpen) {
  TableFixture t;
  t.Running(Turn::Local);
  t.SetHand(2, {"9h", "Kd"});
  EXPECT_EQ(PutButtonCommand(t.state), TableCommand::None);  // nothing selected
  ToggleCardSelection(t.table, 1);
  EXPECT_EQ(PutButtonCommand(t.state), TableCommand::Put);
  EXPECT_EQ(ChallengeButtonCommand(t.state), TableCommand::None);  // the player leads
  EXPECT_EQ(PassButtonCommand(t.state), TableCommand::None);
  t.SetPile({"Kh"}, 1);
  t.state.claim.NewClaim = false;
  t.state.claim.ClaimRank = Rank("K");
  EXPECT_EQ(ChallengeButtonCommand(t.state), TableCommand::Challenge);
  EXPECT_EQ(PassButtonCommand(t.state), TableCommand::Pass);
  t.state.round.TurnState = Turn::Opponent;
  EXPECT_EQ(ChallengeButtonCommand(t.state), TableCommand::None);
  EXPECT_EQ(PutButtonCommand(t.state), TableCommand::None);
}

TEST(OpenCards, TheCodeTogglesTheModeAndRedraws) {
  TableFixture t;
  t.Running(Turn::Local);
  t.SetHand(1, {"9h"});
  t.SetHand(2, {"Ah"});
  for (char k : std::string("4821")) EXPECT_FALSE(OpenCardsKey(t.table, k));
  EXPECT_TRUE(OpenCardsKey(t.table, '7'));
  EXPECT_TRUE(t.state.session.OpenCards);
  EXPECT_EQ(t.view.calls, (Calls{"hand 1 faces 1", "hand 2 faces 1", "pile faces 0"}));
  EXPECT_TRUE(t.state.session.OpenCardsBuffer.empty());

  // A stray key spoils the number until the focus moves and the buffer starts again.
  for (char k : std::string("x48217")) EXPECT_FALSE(OpenCardsKey(t.table, k));
  ResetOpenCardsBuffer(t.state);
  for (char k : std::string("4821")) OpenCardsKey(t.table, k);
  EXPECT_TRUE(OpenCardsKey(t.table, '7'));
  EXPECT_FALSE(t.state.session.OpenCards);
  // Leading zeros still read as the same number.
  for (char k : std::string("048217")) OpenCardsKey(t.table, k);
  EXPECT_TRUE(t.state.session.OpenCards);
}

}  // namespace
}  // namespace fibwick
