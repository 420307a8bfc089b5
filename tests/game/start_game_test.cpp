#include "game/start_game.h"

#include <gtest/gtest.h>

#include <set>

#include "table_fixture.h"

namespace fibwick {
namespace {

using testing::TableFixture;
using Calls = std::vector<std::string>;

TEST(ShuffleDeck, RejectionDrawsNameTheExactCards) {
  TableFixture t;
  // Draws 0,0 repeat card 1 (rejected), then 1; the rest run downwards from 23.
  t.random.draws = {0, 0, 1, 1, 23};
  for (int d = 22; d >= 2; --d) t.random.draws.push_back(d);
  ShuffleDeck(t.state, t.random);
  EXPECT_TRUE(t.random.draws.empty());
  EXPECT_EQ(t.state.table.DeckCards[1], MakeCard(1, 0));   // 1: nine of hearts
  EXPECT_EQ(t.state.table.DeckCards[2], MakeCard(1, 1));   // 2: nine of diamonds
  EXPECT_EQ(t.state.table.DeckCards[3], MakeCard(6, 3));   // 24: ace of spades
  EXPECT_EQ(t.state.table.DeckCards[24], MakeCard(1, 2));  // 3: nine of clubs
  EXPECT_EQ(t.state.table.DeckRanks[3], 6);
}

TEST(ShuffleDeck, EveryCardExactlyOnce) {
  GameState state;
  ClockSeededSource random(7);
  for (int round = 0; round < 200; ++round) {
    ShuffleDeck(state, random);
    std::set<std::string> seen;
    for (int p = 1; p <= 24; ++p) {
      ASSERT_TRUE(IsDeckCard(state.table.DeckCards[p]));
      EXPECT_EQ(RankOfChar(state.table.DeckCards[p].rank), state.table.DeckRanks[p]);
      seen.insert(state.table.DeckCards[p].Bytes());
    }
    ASSERT_EQ(seen.size(), 24u);
  }
}

struct SlotCase {
  int slot;
  std::optional<PlayerRecord> record;
  int gameNumber;
  int baseScore;
  double rating;
  std::string name;
};

TEST(StartGame, StandingValuesByPlayerSlot) {
  const SlotCase cases[] = {
      {3, PlayerRecord{"Member", 0, 0, 0.0}, 1, 0, 0.0, "Member"},
      {2, PlayerRecord{"Veteran", 41, 130, 12.5}, 42, 130, 12.5, "Veteran"},
      {6, std::nullopt, 1, 0, 0.0, "Newcomer"},
      {7, PlayerRecord{"", 9, -40, 3.25}, 10, -40, 3.25, "Newcomer"},
      {7, PlayerRecord{"", 0, 0, 0.0}, 1, 0, 0.0, "Newcomer             "},  // padded to 21
  };
  for (const SlotCase& c : cases) {
    TableFixture t;
    t.state.session.PlayerSlot = c.slot;
    t.state.session.PlayerName = "Newcomer";
    t.state.session.RatedGame = c.slot == 7;
    t.services.record = c.record;
    t.random.draws.clear();
    for (int d = 0; d < 24; ++d) t.random.draws.push_back(d);
    StartGame(t.table, false);
    EXPECT_EQ(t.state.session.GameNumber, c.gameNumber) << c.slot;
    EXPECT_EQ(t.state.session.BaseScore, c.baseScore) << c.slot;
    EXPECT_DOUBLE_EQ(t.state.session.PlayerRating, c.rating) << c.slot;
    EXPECT_EQ(t.state.session.PlayerName, c.name) << c.slot;
    EXPECT_EQ(t.services.calls.empty(), c.slot == 6) << c.slot;
  }
}

TEST(StartGame, LocalGameDealsAndAlternatesTheOpener) {
  TableFixture t;
  t.state.session.PlayerSlot = 1;
  t.state.session.PlayerName = "Ann   ";
  t.services.record = PlayerRecord{"Ann   ", 0, 0, 0.0};
  for (int d = 0; d < 24; ++d) t.random.draws.push_back(d);
  StartGame(t.table, false);
  EXPECT_EQ(t.state.session.GameNumber, 1);
  EXPECT_EQ(t.state.round.TurnState, Turn::Opponent);  // odd game: the computer opens
  EXPECT_EQ(t.state.hands.SeatCardCount[1], 12);
  EXPECT_EQ(t.state.hands.SeatCardCount[2], 12);
  EXPECT_EQ(t.state.hands.SeatHand[1][1], MakeCard(1, 0));   // deck entries 1..12 to seat 1
  EXPECT_EQ(t.state.hands.SeatHand[2][12], MakeCard(6, 3));  // 13..24 to seat 2
  EXPECT_EQ(t.state.session.Seat1Name, "PC");
  EXPECT_EQ(t.state.session.Seat2Name, "Ann");
  EXPECT_TRUE(t.state.claim.NewClaim);
  EXPECT_TRUE(t.state.round.TableActive);
  EXPECT_EQ(t.view.calls, (Calls{
                              "table",
                              "menu exit on count on",
                              "claim none",
                              "hand 1 backs 12",
                              "hand 2 faces 12",
                              "button challenge 'I don`t believe!' off",
                              "button put 'I put still!' off",
                              "button pass 'Pass' off",
                              "say 1 r I think... ",
                              "say 2 y Ann",
                              "sound WTasoKo",
                              "hints PC/Ann/Game: 1 / 20",
                          }));

  // "Next game": the number grows and the local player opens the even game.
  t.state.round.RoundOver = true;
  for (int d = 0; d < 24; ++d) t.random.draws.push_back(d);
  StartGame(t.table, true);
  EXPECT_EQ(t.state.session.GameNumber, 2);
  EXPECT_EQ(t.state.round.TurnState, Turn::Local);
  EXPECT_FALSE(t.state.round.RoundOver);
  EXPECT_EQ(t.services.calls, (Calls{"load 1"}));  // the record is read once per match
}

TEST(StartGame, LanServerDealsSendsAndOpens) {
  TableFixture t;
  t.state.network.NetworkGame = true;
  t.state.network.NetRole = LanRole::Server;
  t.state.session.PlayerSlot = 6;
  t.state.session.Seat1Name = "Client";
  t.state.session.GameNumber = 7;
  for (int d = 0; d < 24; ++d) t.random.draws.push_back(d);
  StartGame(t.table, false);
  ASSERT_EQ(t.peer.sent.size(), 1u);
  const auto deal = ReadDeal(t.peer.sent[0]);
  ASSERT_TRUE(deal);
  EXPECT_EQ(deal->firstCards[1],
            t.state.hands.SeatHand[1][1]);          // the client's cards are seat 1 here
  EXPECT_EQ(t.state.round.TurnState, Turn::Local);  // the server always opens

  // The client shows the banner until the deal, then its own cards are the first twelve.
  TableFixture c;
  c.state.network.NetworkGame = true;
  c.state.network.NetRole = LanRole::Client;
  c.state.session.PlayerSlot = 6;
  c.state.round.TurnState = Turn::ConnectedOrOver;
  StartGame(c.table, false);
  EXPECT_EQ(c.state.session.GameNumber, 0);
  EXPECT_EQ(c.view.Only("wait"), (Calls{"wait Expectation of the server..."}));
  EXPECT_TRUE(c.view.Only("hand").empty());
  EXPECT_FALSE(c.state.round.TableActive);
  c.state.session.Seat1Name = "Server";
  ASSERT_TRUE(ReceiveLanDeal(c.table, t.peer.sent[0]));
  EXPECT_EQ(c.state.hands.SeatHand[2][1], t.state.hands.SeatHand[1][1]);
  EXPECT_EQ(c.state.round.TurnState, Turn::Opponent);
  EXPECT_EQ(c.state.session.GameNumber, 1);
  EXPECT_TRUE(c.state.round.TableActive);
}

TEST(StartGame, TournamentDealFromTheRelay) {
  for (const int seat : {1, 2}) {
    TableFixture t;
    t.state.network.TourGame = true;
    t.state.network.TourSeat = static_cast<std::uint8_t>(seat);
    t.services.record = PlayerRecord{"", 4, 60, 2.0};
    Deal deal;
    for (int i = 1; i <= 12; ++i) {
      deal.firstCards[i] =
          MakeCard(static_cast<RankIndex>((i - 1) / 2 + 1), static_cast<SuitIndex>((i - 1) % 2));
      deal.firstRanks[i] = RankOfChar(deal.firstCards[i].rank);
      deal.secondCards[i] = MakeCard(static_cast<RankIndex>((i - 1) / 2 + 1),
                                     static_cast<SuitIndex>(2 + (i - 1) % 2));
      deal.secondRanks[i] = RankOfChar(deal.secondCards[i].rank);
    }
    ASSERT_TRUE(ReceiveRelayDeal(t.table, RelayDealMessage(deal)));
    EXPECT_EQ(t.state.hands.SeatHand[2][1], seat == 1 ? deal.firstCards[1] : deal.secondCards[1]);
    EXPECT_EQ(t.state.session.PlayerSlot, SlotTournament);
    EXPECT_EQ(t.state.session.GameNumber, 5);
    EXPECT_EQ(t.state.session.TotalScore, 60);
    EXPECT_EQ(t.state.session.Seat2Name, seat == 1 ? "Alice" : "Bob");
    EXPECT_EQ(t.state.session.Seat1Name, seat == 1 ? "Bob" : "Alice");
    // Tournament seat 1 opens and its clock starts at 26.
    EXPECT_EQ(t.state.round.TurnState, seat == 1 ? Turn::Local : Turn::Opponent);
    EXPECT_EQ(t.state.network.ClockOwner, seat == 1 ? 2 : 1);
    EXPECT_EQ(t.state.network.MoveClock, 26);
    EXPECT_EQ(t.view.Only("hints").back(),
              (seat == 1 ? "hints Bob/Alice/Game: 5 / 1" : "hints Alice/Bob/Game: 5 / 1"));
  }
}

}  // namespace
}  // namespace fibwick
