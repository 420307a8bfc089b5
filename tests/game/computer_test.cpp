#include "game/computer.h"

#include <gtest/gtest.h>

#include "game/seat_table.h"
#include "game/turn.h"
#include "table_fixture.h"

namespace fibwick {
namespace {

using testing::Card;
using testing::Rank;
using testing::TableFixture;

std::vector<CardCode> Chosen(const GameState& s, const ComputerDecision& d) {
  std::vector<CardCode> out;
  for (int p : d.sel.items) {
    if (p != 0) out.push_back(s.hands.SeatHand[1][p]);
  }
  return out;
}

// The computer's seat as the fixture laid it out; the fixture gives the local hand a count only.
ComputerDecision Decide(TableFixture& t) {
  rules::SeatView view = ViewOfSeat(t.state, Seat::Opponent);
  view.otherCount = t.state.hands.SeatCardCount[2];
  return ComputerDecide(view, {t.state.round.AiMoveCounter, t.state.round.AiClaimCount}, t.random);
}

TEST(SortedHand, SinglesThenPairsThenTriplesLowestRankFirst) {
  TableFixture t;
  t.SetHand(1, {"As", "9h", "Qd", "Ah", "Qs", "Ad", "Kc"});
  const SortedHand s = BuildSortedHand(ViewOfSeat(t.state, Seat::Opponent).own);
  const CardCode expected[] = {Card("9h"), Card("Kc"), Card("Qd"), Card("Qs"),
                               Card("As"), Card("Ah"), Card("Ad"), EmptyCard};
  for (int i = 1; i <= 8; ++i) EXPECT_EQ(s.cards[i], expected[i - 1]) << i;
}

struct LeadCase {
  const char* name;
  std::vector<std::string_view> hand;
  int draw;
  std::string_view claim;
  std::vector<std::string_view> put;
};

TEST(ComputerLeads, ClaimsTheRankItHoldsMostOf) {
  const LeadCase cases[] = {
      {"true aces", {"9h", "Qd", "Qs", "Ah", "As", "Ad"}, 0, "A", {"Ah", "As", "Ad"}},
      {"bluffed aces", {"9h", "Qd", "Qs", "Ah", "As", "Ad"}, 1, "A", {"9h", "Qd", "Qs"}},
      {"four beats two", {"Kh", "9h", "9d", "Ks", "9c", "9s"}, 0, "9", {"9h", "9d", "9c", "9s"}},
      {"equal counts take the higher", {"10h", "Kh", "10s", "Ks"}, 0, "K", {"Kh", "Ks"}},
      {"single card", {"Jc"}, 1, "J", {"Jc"}},
  };
  for (const LeadCase& c : cases) {
    TableFixture t;
    t.SetHand(1, c.hand);
    t.random.draws = {c.draw};
    const ComputerDecision d = Decide(t);
    EXPECT_EQ(d.row, "0.0") << c.name;
    EXPECT_EQ(d.action, ComputerAction::Put) << c.name;
    EXPECT_EQ(RankChar(static_cast<RankIndex>(d.claimRank)), Rank(c.claim)) << c.name;
    std::vector<CardCode> expected;
    for (auto label : c.put) expected.push_back(Card(label));
    auto chosen = Chosen(t.state, d);
    std::sort(chosen.begin(), chosen.end(),
              [](CardCode a, CardCode b) { return a.Bytes() < b.Bytes(); });
    std::sort(expected.begin(), expected.end(),
              [](CardCode a, CardCode b) { return a.Bytes() < b.Bytes(); });
    EXPECT_EQ(chosen, expected) << c.name;
    EXPECT_EQ(d.claimCount, static_cast<int>(c.put.size())) << c.name;
  }
}

// One situation of the answering table.
struct Situation {
  std::vector<std::string_view> hand;  // the computer's cards
  int localCards;                      // H
  int lastPut;                         // L
  bool localPassed;                    // HP
  bool opponentPassed;                 // AP
  int moveCounter;                     // M
  int remembered;                      // Q before the call
};

struct RowCase {
  const char* row;
  Situation s;
  std::vector<int> draws;
  ComputerAction action;
  int cardsPut;
};

class AnsweringTable : public ::testing::TestWithParam<RowCase> {};

TEST_P(AnsweringTable, EveryRowDecidesAsWritten) {
  const RowCase& c = GetParam();
  TableFixture t;
  t.SetHand(1, c.s.hand);
  t.state.hands.SeatCardCount[2] = static_cast<std::uint8_t>(c.s.localCards);
  t.SetPile({"9c", "9d", "9s", "Jd"}, c.s.lastPut);
  t.state.claim.ClaimRank = Rank("K");
  t.state.claim.LocalPassed = c.s.localPassed;
  t.state.claim.OpponentPassed = c.s.opponentPassed;
  t.state.round.AiMoveCounter = static_cast<std::uint8_t>(c.s.moveCounter);
  t.state.round.AiClaimCount = static_cast<std::uint8_t>(c.s.remembered);
  t.random.draws.assign(c.draws.begin(), c.draws.end());
  const ComputerDecision d = Decide(t);
  EXPECT_EQ(d.row, c.row);
  EXPECT_EQ(d.action, c.action);
  EXPECT_EQ(static_cast<int>(Chosen(t.state, d).size()), c.cardsPut);
  EXPECT_TRUE(t.random.draws.empty()) << "a scripted draw was not used";
}

using enum ComputerAction;
// Hands: "kings2" holds two kings (K = 2), "none" no king; Q is set per case.
const std::vector<std::string_view> Kings2 = {"Kh", "Ks", "9h", "Ad"};
const std::vector<std::string_view> NoKing = {"9h", "Ad", "Qs"};

INSTANTIATE_TEST_SUITE_P(
    Rows, AnsweringTable,
    ::testing::Values(
        // A fresh claim of three kings against a computer holding two: it cannot be true.
        RowCase{"0.2", {Kings2, 5, 3, false, false, 2, 0}, {}, Challenge, 0},
        RowCase{"1.1", {{}, 0, 1, true, false, 3, 1}, {}, Pass, 0},
        RowCase{"1.2", {{}, 0, 1, false, false, 3, 0}, {0}, Challenge, 0},
        RowCase{"1.2", {{}, 0, 1, false, false, 3, 0}, {1}, Pass, 0},
        RowCase{"1.3", {{}, 3, 1, true, false, 3, 0}, {}, Pass, 0},
        RowCase{"1.4", {{}, 3, 1, false, false, 3, 0}, {0}, Challenge, 0},
        RowCase{"1.4", {{}, 3, 1, false, false, 3, 0}, {1}, Pass, 0},
        RowCase{"1.5", {Kings2, 0, 1, true, false, 3, 1}, {0}, Put, 2},
        RowCase{"1.5", {Kings2, 0, 1, true, false, 3, 1}, {1}, Put, 1},
        RowCase{"1.6", {Kings2, 0, 1, false, false, 3, 2}, {0}, Put, 2},
        RowCase{"1.6", {Kings2, 0, 1, false, false, 3, 2}, {1}, Put, 2},
        RowCase{"1.6", {Kings2, 0, 1, false, false, 3, 2}, {2}, Challenge, 0},
        RowCase{"1.7", {NoKing, 0, 1, true, false, 3, 2}, {}, Put, 2},
        RowCase{"1.8", {NoKing, 0, 1, false, false, 3, 2}, {0}, Put, 2},
        RowCase{"1.8", {NoKing, 0, 1, false, false, 3, 2}, {1}, Challenge, 0},
        RowCase{"1.8", {NoKing, 0, 1, false, true, 3, 2}, {0}, Challenge, 0},  // AP: never bluffs
        RowCase{"1.9", {NoKing, 0, 1, true, false, 3, 0}, {}, Pass, 0},
        RowCase{"1.10", {NoKing, 0, 1, false, false, 3, 0}, {}, Challenge, 0},
        RowCase{"2.1", {Kings2, 2, 1, false, false, 3, 2}, {0}, Put, 2},
        RowCase{"2.1", {Kings2, 2, 1, false, false, 3, 2}, {1}, Put, 2},
        RowCase{"2.1", {Kings2, 2, 1, false, false, 3, 2}, {2}, Challenge, 0},
        RowCase{"2.1", {Kings2, 2, 1, false, false, 3, 2}, {3}, Challenge, 0},
        RowCase{"2.2", {NoKing, 2, 1, false, false, 3, 1}, {0}, Put, 1},
        RowCase{"2.2", {NoKing, 2, 1, false, true, 3, 1}, {0}, Pass, 0},  // AP: never bluffs
        RowCase{"2.2", {NoKing, 2, 1, false, false, 3, 1}, {1}, Pass, 0},
        RowCase{"2.2", {NoKing, 2, 1, false, false, 3, 1}, {3}, Challenge, 0},
        RowCase{"2.3", {NoKing, 2, 1, false, false, 3, 0}, {0}, Pass, 0},
        RowCase{"2.3", {NoKing, 2, 1, false, false, 3, 0}, {1}, Challenge, 0},
        RowCase{"3.3a", {Kings2, 5, 1, false, true, 3, 2}, {1}, Pass, 0},
        RowCase{"3.3a", {Kings2, 5, 1, false, true, 3, 2}, {2}, Challenge, 0},
        RowCase{"3.3b", {Kings2, 5, 1, false, false, 3, 2}, {2}, Put, 2},
        RowCase{"3.3b", {Kings2, 5, 1, false, false, 3, 2}, {3}, Put, 2},
        RowCase{"3.3b", {Kings2, 5, 1, false, false, 3, 2}, {4}, Challenge, 0},
        RowCase{"3.3b", {Kings2, 2, 1, true, false, 3, 2}, {4}, Put, 2},  // HP: 4 becomes 3
        RowCase{"3.4", {NoKing, 5, 1, false, false, 3, 1}, {0}, Pass, 0},
        RowCase{"3.4", {NoKing, 5, 1, false, false, 3, 1}, {3}, Put, 1},
        RowCase{"3.4", {NoKing, 5, 1, false, false, 3, 1}, {4}, Challenge, 0},
        RowCase{"3.4", {NoKing, 2, 1, true, false, 3, 1}, {4}, Put, 1},  // HP: 4 becomes 3
        RowCase{"3.5", {NoKing, 5, 1, false, false, 3, 0}, {2}, Pass, 0},
        RowCase{"3.5", {NoKing, 5, 1, false, false, 3, 0}, {3}, Challenge, 0},
        RowCase{"3.5", {NoKing, 2, 1, true, false, 3, 0}, {3}, Pass, 0}));  // HP: 3 becomes 0

TEST(ComputerAnswers, RemembersTheCountOnlyOnItsFirstAnswer) {
  TableFixture t;
  t.SetHand(1, {"Kh", "9h"});
  t.state.hands.SeatCardCount[2] = 5;
  t.SetPile({"9c"}, 1);
  t.state.claim.ClaimRank = Rank("K");
  t.state.round.AiClaimCount = 3;
  t.state.round.AiMoveCounter = 3;
  t.random.draws = {3};
  EXPECT_EQ(Decide(t).claimCount, 3);  // an older count is kept
  t.state.round.AiMoveCounter = 2;
  t.random.draws = {3};
  EXPECT_EQ(Decide(t).claimCount, 1);
}

TEST(ComputerTick, MovesThroughApplyMoveOnlyOnItsTurn) {
  TableFixture t;
  t.Running(Turn::Local);
  t.SetHand(1, {"Kh", "Ks", "9h"});
  t.SetHand(2, {"Ah"});
  EXPECT_FALSE(ComputerTick(t.table));
  t.state.round.TurnState = Turn::Opponent;
  t.random.draws = {0};  // leads with its two kings
  ASSERT_TRUE(ComputerTick(t.table));
  EXPECT_EQ(t.state.table.PileCount, 2);
  EXPECT_EQ(t.state.claim.ClaimRank, Rank("K"));
  EXPECT_EQ(t.state.round.AiClaimCount, 2);
  EXPECT_EQ(t.state.hands.SeatCardCount[1], 1);
  EXPECT_EQ(t.state.round.TurnState, Turn::Local);
  EXPECT_EQ(t.view.Only("say 1"), (std::vector<std::string>{"say 1 b I put two kings"}));
}

TEST(ComputerTick, EmptyHandPassesAfterLocalPassAndWins) {
  TableFixture t;
  t.Running(Turn::Local);
  t.SetHand(1, {});
  t.SetHand(2, {"Ah", "Ad"});
  t.SetPile({"Kh"}, 1);  // the computer's last card lies on the pile
  t.state.claim.NewClaim = false;
  t.state.claim.ClaimRank = Rank("K");
  t.state.round.AiMoveCounter = 3;
  ASSERT_TRUE(LocalPass(t.table));
  ASSERT_TRUE(ComputerTick(t.table));  // row 1.3: passes too, the pile is discarded
  EXPECT_TRUE(t.state.round.RoundOver);
  EXPECT_EQ(t.state.round.RoundResult, ResultLocalLost);
}

}  // namespace
}  // namespace fibwick

namespace fibwick {
namespace {

// The stand-in and the computer play whole games against each other: every move the stand-in
// makes for the local seat is one the referee accepts, and the cards stay twenty-four.
TEST(StandIn, PlaysTheLocalSeatThroughWholeGames) {
  for (std::uint64_t seed = 1; seed <= 30; ++seed) {
    testing::TableFixture f;
    ClockSeededSource random(seed);
    f.state.session.PlayerSlot = SlotNewPlayer;
    f.state.session.PlayerName = "Tester";
    f.Record(StartGame(f.state, random, f.services, false));
    int moves = 0;
    EXPECT_FALSE(SeatToAct(f.state) == Seat::Opponent &&
                 StandInTick(f.state, random, CardFlights::Off).has_value());
    while (!f.state.round.RoundOver) {
      ASSERT_LT(++moves, 3000) << "seed " << seed;
      const bool local = SeatToAct(f.state) == Seat::Local;
      auto outcome = local ? StandInTick(f.state, random, CardFlights::Off)
                           : ComputerTick(f.state, random, CardFlights::Off);
      ASSERT_TRUE(outcome) << "seed " << seed;
      ASSERT_TRUE(outcome->Played())
          << "seed " << seed << ": " << RefusalName(outcome->refusal) << "\n"
          << DescribeState(f.state);
      const int cards =
          f.state.hands.SeatCardCount[1] + f.state.hands.SeatCardCount[2] + f.state.table.PileCount;
      ASSERT_LE(cards, DeckCardCount);
    }
  }
}

}  // namespace
}  // namespace fibwick
