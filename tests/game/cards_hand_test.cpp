#include <gtest/gtest.h>

#include "game/claim.h"
#include "game/hand.h"
#include "game/seat_table.h"
#include "table_fixture.h"

namespace fibwick {
namespace {

using testing::Card;
using testing::Rank;
using testing::TableFixture;

TEST(Cards, BytesOfTheDeck) {
  EXPECT_EQ(MakeCard(5, 3).Bytes(), "\xCA\xEF");  // king of spades
  EXPECT_EQ(MakeCard(2, 0).Bytes(), "1\xF7");     // ten of hearts
  EXPECT_EQ(MakeCard(3, 1).Bytes(), "\xC2\xE1");  // jack of diamonds
  EXPECT_EQ(MakeCard(4, 2).Bytes(), "\xC4\xEA");  // queen of clubs
  EXPECT_EQ(MakeCard(6, 0).Bytes(), "\xD2\xF7");  // ace of hearts
  EXPECT_EQ(MakeCard(1, 3).Bytes(), "9\xEF");     // nine of spades
  EXPECT_EQ(EmptyCard.Bytes(), "##");
  EXPECT_EQ(BackCard.Bytes(), "00");
  EXPECT_FALSE(IsDeckCard(EmptyCard));
  EXPECT_FALSE(IsDeckCard(BackCard));
  EXPECT_FALSE(IsDeckCard({'6', '\xF7'}));  // no sixes in this deck
  EXPECT_EQ(RankOfChar(NoClaim), NoRank);
  EXPECT_EQ(RankOfChar('\xD2'), 6);
}

TEST(Hand, NormaliseSortsByRankKeepingArrivalOrder) {
  TableFixture t;
  // A hand that has just taken the pile: new cards appended after its last card.
  t.SetHand(2, {"Ks", "9h", "Qd", "9c", "Kh"});
  t.state.hands.SeatHand[2][2] = EmptyCard;  // a card was put from position 2
  t.state.hands.SeatHandRank[2][2] = NoRank;
  NormaliseHand(t.state, 2);
  EXPECT_EQ(t.state.hands.SeatCardCount[2], 4);
  const CardCode expected[] = {Card("9c"), Card("Qd"), Card("Ks"), Card("Kh"), EmptyCard};
  for (int p = 1; p <= 5; ++p) EXPECT_EQ(t.state.hands.SeatHand[2][p], expected[p - 1]) << p;
  EXPECT_EQ(t.state.hands.SeatHandRank[2][5], NoRank);
}

TEST(Hand, FullHandKeepsItsCount) {
  TableFixture t;
  for (int p = 1; p <= 24; ++p) {
    t.state.hands.SeatHand[1][p] =
        MakeCard(static_cast<RankIndex>((24 - p) / 4 + 1), static_cast<SuitIndex>(p % 4));
    t.state.hands.SeatHandRank[1][p] = static_cast<RankIndex>((24 - p) / 4 + 1);
  }
  NormaliseHand(t.state, 1);
  EXPECT_EQ(t.state.hands.SeatCardCount[1], 24);
  for (int p = 2; p <= 24; ++p)
    EXPECT_LE(t.state.hands.SeatHandRank[1][p - 1], t.state.hands.SeatHandRank[1][p]);
}

TEST(Hand, EmptyCardIsNeverACard) {
  TableFixture t;
  t.SetHand(1, {"9h", "Ad"});
  const rules::CardRow hand = TableOf(t.state).Hand(rules::Seat::One);
  EXPECT_EQ(hand.PositionOf(EmptyCard), 0);
  EXPECT_EQ(hand.PositionOf(Card("Ad")), 2);
  EXPECT_EQ(hand.PositionOf(Card("As")), 0);
  EXPECT_EQ(CountRankInHand(t.state.hands.SeatHandRank[1], NoRank), 62);
  EXPECT_EQ(CountRankInHand(t.state.hands.SeatHandRank[1], 6), 1);
}

TEST(Claim, PhraseAsSpoken) {
  struct Case {
    int count;
    std::string_view rank;
    bool newClaim;
    std::string expected;
  };
  const Case cases[] = {
      {3, "J", true, "I put three jockers"}, {1, "10", false, "I put still one ten"},
      {2, "K", true, "I put two kings"},     {4, "A", false, "I put still four aces"},
      {1, "9", true, "I put one nine"},      {0, "9", true, "I put "},
      {5, "Q", false, "I put still "},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ClaimPhrase(c.count, Rank(c.rank), c.newClaim, 0), c.expected) << c.expected;
  }
  EXPECT_EQ(ClaimPhrase(2, NoClaim, true, 0), "I put ");
}

TEST(Claim, PlateLabels) {
  EXPECT_EQ(MessageText(*ClaimPlateLabel(Rank("9"))), "Nines");
  EXPECT_EQ(MessageText(*ClaimPlateLabel(Rank("J"))), "Jockers");
  EXPECT_EQ(MessageText(*ClaimPlateLabel(Rank("A"))), "Aces");
  EXPECT_FALSE(ClaimPlateLabel(NoClaim));
}

TEST(Claim, PlateHintByKindOfGame) {
  GameState local;
  local.session.GameNumber = 40;
  EXPECT_EQ(ClaimPlateHint(local, 0),
            "General number of game: 40\nNumber of round in a current cycle: 20 / 20");
  local.session.GameNumber = 41;
  EXPECT_EQ(ClaimPlateHint(local, 0),
            "General number of game: 41\nNumber of round in a current cycle: 1 / 20");
  GameState lan = local;
  lan.network.NetworkGame = true;
  EXPECT_EQ(ClaimPlateHint(lan, 0),
            "General number of game: 41\nNumber of round in a current cycle: 1 / 20\n"
            "Number of round in a current session: 1 / 1");
  GameState tour = local;
  tour.network.TourGame = true;
  EXPECT_EQ(ClaimPlateHint(tour, 0),
            "General number of game: 41\nNumber of round in a current session: 1 / 1");
}

}  // namespace
}  // namespace fibwick
