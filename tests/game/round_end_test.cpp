#include "game/round_end.h"

#include <gtest/gtest.h>

#include "game/move_clock.h"
#include "game/turn.h"
#include "table_fixture.h"

namespace fibwick {
namespace {

using testing::TableFixture;
using Calls = std::vector<std::string>;

struct EndCase {
  int opponentCards, localCards;
  std::uint8_t result;
  const char* shown;
  const char* sound;
  int wins, losses, localPoints;
};

TEST(CheckRoundEnd, ResultsScoresAndSounds) {
  const EndCase cases[] = {
      {3, 2, ResultRunning, nullptr, nullptr, 0, 0, 0},
      {0, 2, ResultLocalLost, "result You have lost!", "sound WKoBads", 0, 1, -10},
      {3, 0, ResultLocalWon, "result You have won!", "sound WKoGood", 1, 0, 10},
      {0, 0, ResultDraw, "result Dead heat...", nullptr, 0, 0, 0},
  };
  for (const EndCase& c : cases) {
    TableFixture t;
    t.Running(Turn::Local);
    t.state.session.BaseScore = 50;
    const std::vector<std::string_view> cards = {"9h", "10h", "Jh"};
    t.SetHand(1, {cards.begin(), cards.begin() + c.opponentCards});
    t.SetHand(2, {cards.begin(), cards.begin() + c.localCards});
    EXPECT_EQ(CheckRoundEnd(t.table), c.result);
    EXPECT_EQ(t.state.round.RoundOver, c.result != ResultRunning);
    EXPECT_EQ(t.state.session.SessionWins, c.wins);
    EXPECT_EQ(t.state.session.SessionLosses, c.losses);
    EXPECT_EQ(t.state.session.SessionScore[2], c.localPoints);
    EXPECT_EQ(t.state.session.SessionScore[1], -c.localPoints);
    if (c.result == ResultRunning) {
      EXPECT_TRUE(t.view.calls.empty());
      continue;
    }
    EXPECT_EQ(t.state.session.TotalScore, 50 + c.localPoints);
    EXPECT_EQ(t.state.round.TurnState, Turn::ConnectedOrOver);
    EXPECT_EQ(t.view.Only("result"), (Calls{c.shown}));
    EXPECT_EQ(t.view.Only("sound"), c.sound ? Calls{c.sound} : Calls{});
    EXPECT_EQ(t.view.Only("say"), (Calls{"say 1 y PC", "say 2 y Ann"}));
    EXPECT_EQ(t.view.Only("hand"), (Calls{"hand 1 faces " + std::to_string(c.opponentCards),
                                          "hand 2 faces " + std::to_string(c.localCards)}));
    EXPECT_EQ(t.services.calls, (Calls{"count"}));
  }
}

TEST(CheckRoundEnd, CycleEndOffersOnlyExit) {
  for (const int game : {19, 20, 40}) {
    TableFixture t;
    t.Running(Turn::Local);
    t.state.session.GameNumber = game;
    t.state.hands.SeatCardCount[1] = 0;
    t.state.hands.SeatCardCount[2] = 4;
    CheckRoundEnd(t.table);
    const bool next = game % 20 != 0;
    Calls expected = {std::string("button challenge 'Next game' ") + (next ? "on" : "off"),
                      "button put 'Exit to menu' on"};
    if (!next) expected.push_back("menu exit off count on");
    Calls got = t.view.Only("button");
    for (auto& m : t.view.Only("menu")) got.push_back(m);
    EXPECT_EQ(got, expected) << game;
  }
}

TEST(CheckRoundEnd, NetworkGamesCloseTheConnection) {
  TableFixture t;
  t.Running(Turn::Local);
  t.state.network.NetworkGame = true;
  t.state.network.NetRole = LanRole::Server;
  t.state.hands.SeatCardCount[1] = 2;
  t.state.hands.SeatCardCount[2] = 0;
  CheckRoundEnd(t.table);
  EXPECT_EQ(t.peer.closed, 1);
  EXPECT_EQ(t.view.Only("button"), (Calls{"button put 'Exit to menu' on"}));
  EXPECT_EQ(t.view.Only("menu"), (Calls{"menu exit off count on"}));
}

TEST(CheckRoundEnd, WinThenLossLeavesTheBaseScore) {
  TableFixture t;
  t.Running(Turn::Local);
  t.state.session.BaseScore = 120;
  t.state.hands.SeatCardCount[1] = 3;
  t.state.hands.SeatCardCount[2] = 0;
  CheckRoundEnd(t.table);
  t.state.round.RoundOver = false;
  t.state.hands.SeatCardCount[1] = 0;
  t.state.hands.SeatCardCount[2] = 3;
  CheckRoundEnd(t.table);
  EXPECT_EQ(t.state.session.SessionScore[1], 0);
  EXPECT_EQ(t.state.session.SessionScore[2], 0);
  EXPECT_EQ(t.state.session.TotalScore, 120);
}

TEST(CheckRoundEnd, AnEmptyHandPlaysOnUntilTheChallenge) {
  TableFixture t;
  t.Running(Turn::Opponent);
  t.state.claim.NewClaim = false;
  t.state.claim.ClaimRank = testing::Rank("9");
  t.SetHand(1, {"Kh"});
  t.SetHand(2, {});
  t.SetPile({"9h", "9d"}, 2);  // the local player's last two cards, truthfully
  // Seat 1 passes: the local player, with no cards, still answers.
  ASSERT_TRUE(ApplyMove(t.table, "########00000" + std::string(1, t.state.claim.ClaimRank) + "3"));
  EXPECT_FALSE(t.state.round.RoundOver);
  ASSERT_TRUE(LocalPass(t.table));  // both passed: the pile leaves, the local hand is empty
  EXPECT_EQ(t.state.round.RoundResult, ResultLocalWon);
  EXPECT_EQ(t.state.round.TurnState, Turn::ConnectedOrOver);
  EXPECT_EQ(t.view.Only("button").back(), "button put 'Exit to menu' on");
}

Calls FinishOrder(GameState setup, int score) {
  TableFixture t;
  t.state = setup;
  t.state.round.RoundOver = true;
  t.state.round.TableActive = true;
  t.state.session.SessionScore[2] = score;
  EXPECT_TRUE(ExitToMenu(t.table));
  Calls all = t.services.calls;
  for (auto& s : t.view.Only("sound")) all.push_back(s);
  EXPECT_EQ(t.state.round.TurnState, Turn::Idle);
  EXPECT_FALSE(t.state.round.TableActive);
  return all;
}

// One result travels through the parts: the windows see what the records computed.
TEST(FinishSession, TheEndOfGameWindowSeesTheRecordsResults) {
  TableFixture t;
  t.state.session.GameNumber = 20;
  t.state.session.MatchFirstGame = 1;
  t.state.session.PlayerName = "Ann    ";
  t.state.round.RoundOver = t.state.round.TableActive = true;
  t.state.session.SessionScore[2] = 30;
  ASSERT_TRUE(ExitToMenu(t.table));
  ASSERT_TRUE(t.services.ended);
  EXPECT_EQ(t.services.ended->playerName, "Ann");
  EXPECT_EQ(t.services.ended->rating, 7.5);
  EXPECT_EQ(t.services.ended->topTenPlace, 3);
  EXPECT_TRUE(t.services.ended->cycleEnd);
  EXPECT_EQ(t.services.ended->sessionScore, 30);
}

TEST(FinishSession, StepsInOrderForEveryKindOfGame) {
  GameState local;
  local.session.GameNumber = 7;
  EXPECT_EQ(FinishOrder(local, 20),
            (Calls{"hide table", "rating", "history", "club file", "menu", "sound WKoGood"}));
  local.session.GameNumber = 20;
  EXPECT_EQ(FinishOrder(local, -20), (Calls{"hide table", "rating", "history", "club file",
                                            "end of game", "world top ten", "menu"}));
  GameState rated = local;
  rated.session.RatedGame = true;
  rated.session.GameNumber = 5;
  EXPECT_EQ(FinishOrder(rated, -10), (Calls{"hide table", "settle rated", "rating", "history",
                                            "club file", "submit rated", "menu", "sound WKoBads"}));
  GameState lan;
  lan.network.NetworkGame = true;
  lan.session.GameNumber = 40;
  EXPECT_EQ(FinishOrder(lan, 0),
            (Calls{"hide table", "rating", "history", "club file", "end of game", "menu"}));
  GameState tour;
  tour.network.TourGame = true;
  tour.network.TourSeat = 1;
  tour.session.GameNumber = 3;
  EXPECT_EQ(FinishOrder(tour, 10), (Calls{"tournament result", "hide table", "history", "menu",
                                          "tournament window", "sound WKoGood"}));
}

TEST(LeaveRunningGame, RemovesTheRecordAndClearsTheTable) {
  TableFixture t;
  t.Running(Turn::Local);
  TableEvents events;
  LeaveRunningGame(t.state, t.services.Parts(), events);
  t.Record(events);
  EXPECT_EQ(t.services.calls, (Calls{"remove record", "hide table"}));
  EXPECT_EQ(t.view.calls, (Calls{"menu exit off count off"}));
  EXPECT_EQ(t.peer.closed, 0);  // a game against the computer has no far side
  EXPECT_FALSE(t.state.round.TableActive);
  EXPECT_EQ(t.state.round.TurnState, Turn::Idle);
  EXPECT_FALSE(SeatToAct(t.state));
}

TEST(MoveClock, CountsDownWarnsAndTimesOut) {
  TableFixture t;
  t.Running(Turn::Local);
  t.state.network.TourGame = true;
  t.state.network.TourSeat = 2;
  t.state.network.ClockRunning = true;
  PassMoveClock(t.table, 2);
  EXPECT_EQ(t.view.calls, (Calls{"clock 1 -1"}));
  t.view.calls.clear();
  for (int s = 0; s < 18; ++s) MoveClockTick(t.table);  // 26 -> 8
  EXPECT_EQ(t.view.Only("sound").back(), "sound STimerA");
  MoveClockTick(t.table);  // 7
  EXPECT_EQ(t.view.Only("sound").back(), "sound STimerB");
  for (int s = 0; s < 6; ++s) MoveClockTick(t.table);  // 1
  EXPECT_FALSE(t.state.round.RoundOver);
  t.view.calls.clear();
  MoveClockTick(t.table);  // 0: the local player's time is up
  EXPECT_EQ(t.peer.sent, (Calls{"TOut"}));
  EXPECT_EQ(t.peer.closed, 1);
  EXPECT_TRUE(t.state.round.RoundOver);
  EXPECT_EQ(t.view.calls,
            (Calls{"clock 2 0", "sound WWrongs", "notice Your time is up! You lose!",
                   "button challenge off", "button pass off", "button put 'Exit to menu' on"}));
  MoveClockTick(t.table);  // the clock has stopped
  EXPECT_EQ(t.peer.sent.size(), 1u);

  // The opponent's clock running out has no local effect.
  TableFixture o;
  o.Running(Turn::Opponent);
  o.state.network.TourGame = true;
  o.state.network.ClockRunning = true;
  PassMoveClock(o.table, 1);
  for (int s = 0; s < 30; ++s) MoveClockTick(o.table);
  EXPECT_FALSE(o.state.round.RoundOver);
  EXPECT_TRUE(o.view.Only("sound").empty());
}

}  // namespace
}  // namespace fibwick
