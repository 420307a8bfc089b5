#include "game/turn.h"

#include <gtest/gtest.h>

#include "game/hand.h"
#include "table_fixture.h"

namespace fibwick {
namespace {

using testing::Card;
using testing::Rank;
using testing::TableFixture;
using Calls = std::vector<std::string>;

std::string Move(std::initializer_list<std::string_view> cards, std::string_view claim) {
  MoveMessage m;
  for (auto label : cards) {
    ++m.count;
    m.cards[m.count] = Card(label);
    m.ranks[m.count] = RankOfChar(m.cards[m.count].rank);
  }
  m.claim = Rank(claim);
  m.action = ActionPut;
  return BuildMoveMessage(m);
}

std::string Challenge(std::string_view claim) {
  return "########00000" + std::string(1, Rank(claim)) + "1";
}
std::string Pass(char claim) {
  return "########00000" + std::string(1, claim) + "3";
}

TEST(Selection, AtMostFourCardsAndOnlyOnTheLocalTurn) {
  TableFixture t;
  t.Running(Turn::Local);
  t.SetHand(2, {"9h", "9d", "10c", "Js", "Qh", "Kd"});
  for (int p = 1; p <= 4; ++p) EXPECT_TRUE(ToggleCardSelection(t.table, p));
  EXPECT_FALSE(CanChooseCard(t.state, 5));
  EXPECT_FALSE(ToggleCardSelection(t.table, 5));  // a fifth card cannot be selected
  EXPECT_TRUE(ToggleCardSelection(t.table, 2));   // unselecting makes room again
  EXPECT_TRUE(ToggleCardSelection(t.table, 6));
  EXPECT_EQ(t.state.hands.SelectedCards.count(), 4u);
  // The move buffer holds the selected cards in ascending hand position.
  EXPECT_EQ(t.state.table.PutCards[1], Card("9h"));
  EXPECT_EQ(t.state.table.PutCards[2], Card("10c"));
  EXPECT_EQ(t.state.table.PutCards[3], Card("Js"));
  EXPECT_EQ(t.state.table.PutCards[4], Card("Kd"));
  EXPECT_FALSE(ToggleCardSelection(t.table, 7));  // no card there
  EXPECT_FALSE(ToggleCardSelection(t.table, 0));

  t.state.round.TurnState = Turn::Opponent;
  EXPECT_FALSE(ToggleCardSelection(t.table, 1));
}

TEST(Selection, PutButtonFollowsTheSelection) {
  TableFixture t;
  t.Running(Turn::Local);
  t.SetHand(2, {"9h", "9d"});
  ToggleCardSelection(t.table, 1);
  ToggleCardSelection(t.table, 1);
  EXPECT_EQ(t.view.Only("button"), (Calls{"button put on", "button put off"}));
}

TEST(LocalPut, NewClaimWithoutFlights) {
  TableFixture t;
  t.Running(Turn::Local);
  t.SetHand(2, {"9h", "Kd", "Ks", "As"});
  ToggleCardSelection(t.table, 2);
  ToggleCardSelection(t.table, 3);
  t.view.calls.clear();
  t.view.nextClaim = Rank("K");
  ASSERT_TRUE(LocalPut(t.table));
  EXPECT_EQ(t.view.calls, (Calls{
                              "choose rank",
                              "claim Kh",
                              "hand 2 faces 2",
                              "pile backs 2",
                              "sound WHodsDo",
                              "button challenge off",
                              "button put off",
                              "button pass off",
                              "say 1 r I think... ",
                              "say 2 b I put two kings",
                          }));
  EXPECT_EQ(t.state.table.PileCount, 2);
  EXPECT_EQ(t.state.table.LastPutCount, 2);
  EXPECT_EQ(t.state.table.PileCards[1], Card("Kd"));
  EXPECT_EQ(t.state.table.PileCards[2], Card("Ks"));
  EXPECT_EQ(t.state.hands.SeatHand[2][2], Card("As"));
  EXPECT_EQ(t.state.round.TurnState, Turn::Opponent);
  EXPECT_FALSE(t.state.claim.NewClaim);
  EXPECT_TRUE(t.state.claim.ClaimChosen);
  EXPECT_EQ(t.state.round.AiMoveCounter, 2);  // reset to 1 by the new claim, then one local put
  EXPECT_TRUE(t.state.hands.SelectedCards.none());
  EXPECT_TRUE(t.peer.sent.empty());
}

TEST(LocalPut, FlightsGoHighestPositionFirst) {
  TableFixture t;
  t.Running(Turn::Local);
  t.flights = CardFlights::On;
  t.state.claim.NewClaim = false;
  t.state.claim.ClaimRank = Rank("9");
  t.SetPile({"9c"}, 1);
  t.SetHand(2, {"9h", "10d", "Jc", "Qs"});
  ToggleCardSelection(t.table, 1);
  ToggleCardSelection(t.table, 3);
  t.view.calls.clear();
  ASSERT_TRUE(LocalPut(t.table));
  EXPECT_EQ(t.view.Only("fly"), (Calls{"fly back:hand2@3>pile@2", "fly back:hand2@1>pile@3"}));
  EXPECT_EQ(t.view.Only("sound"), (Calls{"sound WHodsDo", "sound WHodsDo"}));
  EXPECT_EQ(t.view.Only("say 2"), (Calls{"say 2 b I put still two nines"}));
  EXPECT_EQ(t.state.table.PileCount, 3);
  EXPECT_EQ(t.state.hands.SeatCardCount[2], 2);
  EXPECT_EQ(t.state.hands.SeatHand[2][1], Card("10d"));
  EXPECT_EQ(t.state.hands.SeatHand[2][2], Card("Qs"));
}

TEST(LocalPut, NetworkGameSendsTheMoveBeforeTheCardsMove) {
  TableFixture t;
  t.Running(Turn::Local);
  t.state.network.NetworkGame = true;
  t.state.network.NetRole = LanRole::Server;
  t.SetHand(2, {"Ah", "Ad"});
  ToggleCardSelection(t.table, 1);
  t.view.nextClaim = Rank("A");
  ASSERT_TRUE(LocalPut(t.table));
  EXPECT_EQ(t.peer.sent, (Calls{Move({"Ah"}, "A")}));
  EXPECT_EQ(t.state.round.TurnState, Turn::Opponent);
}

TEST(LocalActions, RefusedWhenNotAllowed) {
  TableFixture t;
  t.Running(Turn::Local);
  t.SetHand(2, {"Ah"});
  // Leading: no pass, no challenge, and no put without a selection.
  EXPECT_FALSE(LocalPass(t.table));
  EXPECT_FALSE(LocalChallenge(t.table));
  EXPECT_FALSE(LocalPut(t.table));
  // After seat 1 passed, the last put was the local player's own: no challenge.
  t.state.claim.NewClaim = false;
  t.SetPile({"Kh"}, 1);
  t.state.claim.OpponentPassed = true;
  EXPECT_FALSE(LocalChallenge(t.table));
  EXPECT_TRUE(CanPass(t.state));
  EXPECT_TRUE(t.view.calls.empty());
}

struct ChallengeCase {
  const char* name;
  std::vector<std::string_view> pile;
  int lastPut;
  std::string_view claim;
  bool lie;
};

class LocalChallengeOutcomes : public ::testing::TestWithParam<ChallengeCase> {};

TEST_P(LocalChallengeOutcomes, ThePileGoesToWhoeverWasWrong) {
  const ChallengeCase& c = GetParam();
  TableFixture t;
  t.Running(Turn::Local);
  t.state.claim.NewClaim = false;
  t.state.claim.ClaimRank = Rank(c.claim);
  t.SetHand(1, {"9h"});
  t.SetHand(2, {"Ah"});
  t.SetPile(c.pile, c.lastPut);
  const int pile = t.state.table.PileCount;
  ASSERT_TRUE(LocalChallenge(t.table));
  EXPECT_EQ(t.state.claim.LastClaimWasLie, c.lie);
  // The turned pile and the pause are the same either way; then whoever was wrong takes it.
  Calls expected = {"hand 2 faces 1",
                    "sound WPlMore",
                    "sound WPlMore",
                    "pile faces marked " + std::to_string(pile),
                    "say 2 b I don`t believe!",
                    "button challenge off",
                    "button put off",
                    "button pass off",
                    "pause 2500"};
  const Calls liar = {"hand 1 backs " + std::to_string(1 + pile), "table area",
                      "say 2 o Your move...", "say 1 y PC", "claim none"};
  const Calls truthful = {"hand 2 faces " + std::to_string(1 + pile), "table area",
                          "say 1 r I think... ", "say 2 y Ann", "claim none"};
  const Calls& taken = c.lie ? liar : truthful;
  expected.insert(expected.end(), taken.begin(), taken.end());
  EXPECT_EQ(t.view.calls, expected);
  EXPECT_EQ(t.state.hands.SeatCardCount[c.lie ? 1 : 2], 1 + pile);
  EXPECT_EQ(t.state.table.PileCount, 0);
  EXPECT_EQ(t.state.table.LastPutCount, 0);
  EXPECT_EQ(t.state.round.TurnState, c.lie ? Turn::Local : Turn::Opponent);
  EXPECT_TRUE(t.state.claim.NewClaim);
  EXPECT_EQ(t.state.claim.ClaimRank, Rank(c.claim));  // kept for the message that may follow
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LocalChallengeOutcomes,
    ::testing::Values(ChallengeCase{"lie", {"Kh", "Ks", "9d"}, 2, "K", true},
                      ChallengeCase{"truth", {"9d", "Kh", "Ks"}, 2, "K", false},
                      // Older off-rank cards are never examined.
                      ChallengeCase{"older cards ignored", {"9d", "10c", "Kh", "Qs"}, 2, "K", true},
                      ChallengeCase{
                          "older cards ignored truth", {"9d", "10c", "Kh", "Ks"}, 2, "K", false}),
    [](const auto& param) {
      std::string n = param.param.name;
      for (char& ch : n) ch = ch == ' ' ? '_' : ch;
      return n;
    });

TEST(OpponentMove, PutWithoutFlights) {
  TableFixture t;
  t.Running(Turn::Opponent);
  t.SetHand(1, {"9h", "Kd", "Ks"});
  t.SetHand(2, {"Ah"});
  ASSERT_TRUE(ApplyMove(t.table, Move({"Kd", "9h"}, "K")));
  EXPECT_EQ(t.view.calls, (Calls{"hand 1 backs 1", "pile backs 2", "sound WHodsDo",
                                 "say 1 b I put two kings", "say 2 o Your move...", "claim Kh",
                                 "button challenge on", "button pass on", "button put off"}));
  EXPECT_EQ(t.state.hands.SeatHand[1][1], Card("Ks"));
  EXPECT_EQ(t.state.round.TurnState, Turn::Local);
  EXPECT_FALSE(t.state.claim.NewClaim);
  EXPECT_TRUE(CanChallenge(t.state));
  EXPECT_EQ(t.state.table.PutCards[1], EmptyCard);  // cleared after every move
}

TEST(OpponentMove, PutWithFlightsCardByCard) {
  TableFixture t;
  t.Running(Turn::Opponent);
  t.flights = CardFlights::On;
  t.SetHand(1, {"9h", "Kd", "Ac"});
  ASSERT_TRUE(ApplyMove(t.table, Move({"Kd", "Ac"}, "K")));
  EXPECT_EQ(t.view.Only("fly"), (Calls{"fly back:hand1>pile@1", "fly back:hand1>pile@2"}));
  EXPECT_EQ(t.view.Only("hand"), (Calls{"hand 1 backs 2", "hand 1 backs 1"}));
  EXPECT_EQ(t.state.table.PileCount, 2);
  EXPECT_EQ(t.state.table.PileCards[2], Card("Ac"));
  EXPECT_EQ(t.state.hands.SeatCardCount[1], 1);
}

TEST(OpponentMove, ChallengeOfEachOutcome) {
  for (const bool lie : {true, false}) {
    TableFixture t;
    t.Running(Turn::Opponent);
    t.state.claim.NewClaim = false;
    t.state.claim.ClaimRank = Rank("Q");
    t.SetHand(1, {"9h"});
    t.SetHand(2, {"Ah"});
    t.SetPile({lie ? "Kh" : "Qh"}, 1);
    ASSERT_TRUE(ApplyMove(t.table, Challenge("Q")));
    EXPECT_EQ(t.view.calls[0], "say 1 b I don`t believe!");
    EXPECT_EQ(t.view.calls[1], "say 2 o Your move...");
    EXPECT_EQ(t.view.Only("sound"), (Calls{"sound WPlMore", "sound WPlMore"}));
    // A lie by the local player: the local player takes the pile and seat 1 leads.
    EXPECT_EQ(t.state.hands.SeatCardCount[2], lie ? 2 : 1);
    EXPECT_EQ(t.state.round.TurnState, lie ? Turn::Opponent : Turn::Local);
    EXPECT_TRUE(t.state.claim.NewClaim);
  }
}

TEST(DoublePass, LocalThenOpponentDiscardsAndLocalLeads) {
  TableFixture t;
  t.Running(Turn::Local);
  t.state.claim.NewClaim = false;
  t.state.claim.ClaimRank = Rank("J");
  t.SetHand(1, {"9h"});
  t.SetHand(2, {"Ah"});
  t.SetPile({"Jh", "Qd"}, 1);
  ASSERT_TRUE(LocalPass(t.table));
  EXPECT_EQ(t.view.calls,
            (Calls{"sound WDing_1", "hand 2 faces 1", "say 2 g Pass", "say 1 r I think... ",
                   "button challenge off", "button put off", "button pass off"}));
  EXPECT_EQ(t.state.round.TurnState, Turn::Opponent);
  EXPECT_TRUE(t.state.claim.LocalPassed);
  t.view.calls.clear();
  ASSERT_TRUE(ApplyMove(t.table, Pass(Rank("J"))));
  EXPECT_EQ(t.view.calls,
            (Calls{"say 1 g Pass", "say 2 o Your move...", "sound WDing_1", "claim none",
                   "table area", "button challenge off", "button put off", "button pass off"}));
  EXPECT_EQ(t.state.table.PileCount, 0);
  EXPECT_EQ(t.state.claim.ClaimRank, NoClaim);
  EXPECT_TRUE(t.state.claim.NewClaim);
  EXPECT_EQ(t.state.round.TurnState, Turn::Local);  // the side that passed first leads
  EXPECT_FALSE(t.state.claim.LocalPassed || t.state.claim.OpponentPassed);
}

TEST(DoublePass, OpponentThenLocalDiscardsAndOpponentLeads) {
  TableFixture t;
  t.Running(Turn::Opponent);
  t.state.claim.NewClaim = false;
  t.state.claim.ClaimRank = Rank("J");
  t.state.network.NetworkGame = true;
  t.state.network.NetRole = LanRole::Client;
  t.state.network.DealArrived = true;
  t.SetHand(1, {"9h"});
  t.SetHand(2, {"Ah"});
  t.SetPile({"Jh"}, 1);
  ASSERT_TRUE(ApplyMove(t.table, Pass(Rank("J"))));
  EXPECT_TRUE(t.state.claim.OpponentPassed);
  EXPECT_FALSE(CanChallenge(t.state));
  ASSERT_TRUE(LocalPass(t.table));
  // The pass message carries the claim that stood.
  EXPECT_EQ(t.peer.sent, (Calls{Pass(Rank("J"))}));
  EXPECT_EQ(t.state.table.PileCount, 0);
  EXPECT_EQ(t.state.round.TurnState, Turn::Opponent);
  EXPECT_EQ(t.view.calls.back(), "say 1 r I think... ");
}

TEST(Discard, TwentyFourCardsFlyInBatchesTopFirst) {
  TableFixture t;
  t.Running(Turn::Local);
  t.flights = CardFlights::On;
  for (int p = 1; p <= 24; ++p) {
    t.state.table.PileCards[p] =
        MakeCard(static_cast<RankIndex>((p - 1) / 4 + 1), static_cast<SuitIndex>((p - 1) % 4));
    t.state.table.PileRanks[p] = static_cast<RankIndex>((p - 1) / 4 + 1);
  }
  t.state.table.PileCount = 24;
  t.state.table.LastPutCount = 3;
  t.state.claim.NewClaim = false;
  t.state.claim.ClaimRank = Rank("9");
  t.state.claim.OpponentPassed = true;  // the second pass discards
  ASSERT_TRUE(LocalPass(t.table));
  const Calls flights = t.view.Only("fly");
  ASSERT_EQ(flights.size(), 2u);
  EXPECT_TRUE(flights[0].starts_with("fly back:pile@24>off back:pile@23>off")) << flights[0];
  EXPECT_TRUE(flights[0].ends_with("back:pile@13>off")) << flights[0];
  EXPECT_TRUE(flights[1].starts_with("fly back:pile@12>off")) << flights[1];
  EXPECT_TRUE(flights[1].ends_with("back:pile@1>off")) << flights[1];
  EXPECT_EQ(t.view.Only("pile"), (Calls{"pile backs 12", "pile backs 0"}));
  EXPECT_EQ(t.state.table.PileCount, 0);
  EXPECT_EQ(t.state.table.LastPutCount, 0);
}

TEST(Discard, OpenCardsShowTheFaces) {
  TableFixture t;
  t.Running(Turn::Opponent);
  t.flights = CardFlights::On;
  t.state.session.OpenCards = true;
  t.SetHand(1, {"9h"});
  t.SetHand(2, {"Ah"});
  t.SetPile({"Kh"}, 1);
  t.state.claim.NewClaim = false;
  t.state.claim.ClaimRank = Rank("K");
  t.state.claim.LocalPassed = true;
  ASSERT_TRUE(ApplyMove(t.table, Pass(Rank("K"))));
  EXPECT_EQ(t.view.Only("fly"), (Calls{"fly Kh:pile@1>off"}));
}

TEST(ApplyMoveSafety, MalformedOrUntimelyMovesChangeNothing) {
  TableFixture t;
  t.Running(Turn::Opponent);
  t.SetHand(1, {"9h", "Kd", "As"});
  t.SetPile({"9c", "9d", "10h", "10d", "Jh", "Jd", "Qh", "Qd", "Kh", "Ks", "Ah",
             "Ad", "9s", "10c", "10s", "Jc", "Js", "Qc", "Qs", "Kc", "Ac"},
            1);
  const GameState before = t.state;
  const std::string moves[] = {
      "\xCA\xEF\xCA\xF7####55009\xCA"
      "2",  // count 9
      "\xCA\xEF\xCA\xF7####59002\xCA"
      "2",  // rank 9
      "6\xEF\xCA\xF7####15002\xCA"
      "2",                                  // a card outside the deck
      Move({"9h", "Kd", "As", "Kc"}, "K"),  // a card on the pile: 21 + 4 would overfill it
      Move({"9h", "9h"}, "K"),              // the same card twice
      "garbage",
  };
  for (const std::string& m : moves) EXPECT_FALSE(ApplyMove(t.table, m));
  EXPECT_TRUE(t.view.calls.empty());
  EXPECT_EQ(DescribeState(t.state), DescribeState(before));
  // Three more cards still fit.
  EXPECT_TRUE(ApplyMove(t.table, Move({"9h", "Kd", "As"}, "K")));
  EXPECT_EQ(t.state.table.PileCount, 24);

  t.state.round.TurnState = Turn::Local;  // out of turn
  EXPECT_FALSE(ApplyMove(t.table, Challenge("K")));
}

// Every seat's move goes through one referee; each illegal move is refused with its reason and
// leaves the table exactly as it was.
TEST(Referee, RefusesIllegalMovesOfEitherSeatAndChangesNothing) {
  struct Case {
    const char* what;
    Turn turn;
    bool newClaim;
    bool otherPassed;  // the seat that is not moving passed on the last put
    Seat seat;
    fibwick::Move move;
    Refusal refusal;
  };
  const auto put = [](std::initializer_list<std::string_view> labels, char claim) {
    fibwick::Move move = fibwick::Move::Without(MoveKind::Put, claim);
    for (auto label : labels) move.cards[++move.count] = Card(label);
    return move;
  };
  const Case cases[] = {
      {"seat 1 out of turn", Turn::Local, false, false, Seat::Opponent,
       fibwick::Move::Pass(Rank("Q")), Refusal::NotThisSeatsTurn},
      {"seat 2 out of turn", Turn::Opponent, false, false, Seat::Local,
       fibwick::Move::Pass(Rank("Q")), Refusal::NotThisSeatsTurn},
      {"no game", Turn::Idle, false, false, Seat::Local, fibwick::Move::Pass(Rank("Q")),
       Refusal::NotThisSeatsTurn},
      {"seat 2 lays seat 1's card", Turn::Local, false, false, Seat::Local, put({"9h"}, Rank("Q")),
       Refusal::CardNotHeld},
      {"seat 1 lays seat 2's card", Turn::Opponent, false, false, Seat::Opponent,
       put({"Ks"}, Rank("Q")), Refusal::CardNotHeld},
      {"a card from the pile", Turn::Opponent, false, false, Seat::Opponent, put({"Qh"}, Rank("Q")),
       Refusal::CardNotHeld},
      {"a card twice", Turn::Opponent, false, false, Seat::Opponent, put({"9h", "9h"}, Rank("Q")),
       Refusal::CardTwice},
      {"no card", Turn::Local, false, false, Seat::Local, put({}, Rank("Q")),
       Refusal::WrongCardCount},
      {"an add under another claim", Turn::Local, false, false, Seat::Local, put({"Ks"}, Rank("K")),
       Refusal::WrongClaim},
      {"a new claim of no rank", Turn::Local, true, false, Seat::Local, put({"Ks"}, '6'),
       Refusal::WrongClaim},
      {"a challenge of another claim", Turn::Local, false, false, Seat::Local,
       fibwick::Move::Challenge(Rank("A")), Refusal::WrongClaim},
      {"a challenge of one's own put", Turn::Local, false, true, Seat::Local,
       fibwick::Move::Challenge(Rank("Q")), Refusal::NothingToChallenge},
      {"seat 1 challenges its own put", Turn::Opponent, false, true, Seat::Opponent,
       fibwick::Move::Challenge(Rank("Q")), Refusal::NothingToChallenge},
      {"a challenge while leading", Turn::Local, true, false, Seat::Local,
       fibwick::Move::Challenge(Rank("Q")), Refusal::NothingToChallenge},
      {"a pass while leading", Turn::Opponent, true, false, Seat::Opponent,
       fibwick::Move::Pass(Rank("Q")), Refusal::NothingToPass},
  };
  for (const Case& c : cases) {
    TableFixture t;
    t.Running(c.turn);
    t.SetHand(1, {"9h", "10d", "Ad"});
    t.SetHand(2, {"Ks", "Qs", "Jc"});
    t.SetPile({"Qh", "Qd"}, 2);
    t.state.claim.NewClaim = c.newClaim;
    t.state.claim.ClaimRank = c.newClaim ? NoClaim : Rank("Q");
    (c.seat == Seat::Opponent ? t.state.claim.LocalPassed : t.state.claim.OpponentPassed) =
        c.otherPassed;
    if (c.newClaim) t.SetPile({}, 0);
    const GameState before = t.state;
    const Outcome outcome = Play(t.state, c.seat, c.move, CardFlights::Off);
    EXPECT_EQ(outcome.refusal, c.refusal) << c.what << ": " << RefusalName(outcome.refusal);
    EXPECT_TRUE(outcome.events.empty()) << c.what;
    EXPECT_EQ(DescribeState(t.state), DescribeState(before)) << c.what;
  }
}

// A LAN peer or the relay cannot put cards on the table that the seat does not hold, so the
// local player's put that follows always fits the 24-card pile.
TEST(Referee, APeerNamingCardsItDoesNotHoldCannotOverfillThePile) {
  TableFixture t;
  t.Running(Turn::Opponent);
  t.state.network.NetworkGame = true;
  t.state.network.NetRole = LanRole::Client;
  t.SetHand(1, {"9h"});
  t.SetHand(2, {"Ks", "Qs", "Jc", "Ac"});
  t.SetPile({"9c", "9d", "9s", "10h", "10d", "10c", "10s", "Jh", "Jd", "Js", "Qh", "Qd", "Qc", "Kh",
             "Kd", "Kc", "Ah", "Ad", "As"},
            1);
  t.state.claim.ClaimRank = Rank("A");
  t.state.claim.NewClaim = false;
  EXPECT_FALSE(ApplyMove(t.table, Move({"9h", "Ks", "Qs", "Jc"}, "A")));
  EXPECT_EQ(t.state.table.PileCount, 19);
  ASSERT_TRUE(ApplyMove(t.table, Move({"9h"}, "A")));
  for (int p = 1; p <= 4; ++p) ASSERT_TRUE(ToggleCardSelection(t.table, p));
  ASSERT_TRUE(LocalPut(t.table));
  EXPECT_EQ(t.state.table.PileCount, 24);
  EXPECT_EQ(t.peer.sent.size(), 1u);
}

TEST(TurnStates, NextTurnAfterSend) {
  GameState s;
  s.claim.LastAction = ActionChallenge;
  s.claim.LastClaimWasLie = true;
  EXPECT_EQ(NextTurnAfterSend(s), Turn::Local);
  s.claim.LastClaimWasLie = false;
  EXPECT_EQ(NextTurnAfterSend(s), Turn::Opponent);
  s.claim.LastAction = ActionPut;
  EXPECT_EQ(NextTurnAfterSend(s), Turn::Opponent);
  s.claim.LastAction = ActionPass;
  EXPECT_EQ(NextTurnAfterSend(s), Turn::Opponent);
}

}  // namespace
}  // namespace fibwick
