#include "rules/table.h"

#include <gtest/gtest.h>

#include "rules/census.h"
#include "rules/table_builder.h"

namespace fibwick::rules {
namespace {

using testing::Claim;
using testing::Labels;
using testing::Row;
using testing::Side;
using testing::TableFrom;
using testing::Who;
using testing::Won;

Move Put(const Labels& labels, std::string_view claim) {
  Move move = Move::Without(MoveKind::Put, Claim(claim));
  for (const std::string_view label : labels) move.cards[++move.count] = CardOfLabel(label);
  return move;
}
Move Challenge(std::string_view claim) {
  return Move::Challenge(Claim(claim));
}
Move Pass(std::string_view claim) {
  return Move::Pass(Claim(claim));
}
Move PassWithACard() {
  Move move = Pass("K");
  move.cards[++move.count] = CardOfLabel("9h");
  return move;
}

// What a played move did, from the mover's side.
struct Did {
  Labels turned{};
  bool lie = false;
  Who taker = Who::Mine;
  bool discarded = false;
};

struct Case {
  const char* name;
  Side before;
  Move move{};
  Refusal refusal = Refusal::None;
  Side after{};
  Did did{};
};

// The cards that left the game, in the deck's order, so two tables compare by what they hold.
Table WithSortedDiscard(Table table) {
  CardRow discard;
  for (RankIndex r = 1; r <= RankCount; ++r) {
    for (SuitIndex s = 0; s < SuitCount; ++s) {
      if (table.discard.Holds(MakeCard(r, s))) discard.Add(MakeCard(r, s));
    }
  }
  table.discard = discard;
  return table;
}

std::string Describe(const Table& table) {
  std::string text;
  for (const CardRow* row : {&table.hands[0], &table.hands[1], &table.pile}) {
    text += "[";
    for (const CardCode card : *row) text += ' ' + CardLabel(card);
    text += " ] ";
  }
  return text + "last put " + std::to_string(table.lastPut);
}

const Case Cases[] = {
    {"a put opens a claim; the hand stays in rank order",
     {.mine = {"Jd", "9h", "Kh", "Ks"}, .theirs = {"Ad", "Ac"}},
     Put({"Kh", "Ks"}, "K"),
     Refusal::None,
     {.mine = {"9h", "Jd"},
      .theirs = {"Ad", "Ac"},
      .pile = {"Kh", "Ks"},
      .lastPut = 2,
      .claim = "K",
      .newClaim = false,
      .toAct = Who::Theirs}},
    {"a put under the standing claim clears only the mover's pass",
     {.mine = {"9h", "Qd", "Ad"},
      .theirs = {"Ac"},
      .pile = {"9c"},
      .lastPut = 1,
      .claim = "9",
      .newClaim = false,
      .minePassed = true},
     Put({"Ad", "Qd"}, "9"),
     Refusal::None,
     {.mine = {"9h"},
      .theirs = {"Ac"},
      .pile = {"9c", "Ad", "Qd"},
      .lastPut = 2,
      .claim = "9",
      .newClaim = false,
      .toAct = Who::Theirs}},
    {"a challenged lie: the liar takes the pile and the challenger leads",
     {.mine = {"9h"},
      .theirs = {"Ac"},
      .pile = {"9c", "Kh", "9d"},
      .lastPut = 2,
      .claim = "K",
      .newClaim = false},
     Challenge("K"),
     Refusal::None,
     {.mine = {"9h"}, .theirs = {"9c", "9d", "Kh", "Ac"}, .claim = "K", .toAct = Who::Mine},
     {.turned = {"Kh", "9d"}, .lie = true, .taker = Who::Theirs}},
    {"a challenged truth: the challenger takes the pile and the other leads",
     {.mine = {"9h"},
      .theirs = {"Ac"},
      .pile = {"9c", "Kh", "Ks"},
      .lastPut = 2,
      .claim = "K",
      .newClaim = false},
     Challenge("K"),
     Refusal::None,
     {.mine = {"9h", "9c", "Kh", "Ks"}, .theirs = {"Ac"}, .claim = "K", .toAct = Who::Theirs},
     {.turned = {"Kh", "Ks"}, .lie = false, .taker = Who::Mine}},
    {"a true last put that emptied the hand wins once challenged",
     {.mine = {"9h"}, .pile = {"Kh"}, .lastPut = 1, .claim = "K", .newClaim = false},
     Challenge("K"),
     Refusal::None,
     {.mine = {"9h", "Kh"}, .claim = "K", .toAct = Who::Nobody, .won = Won::Theirs},
     {.turned = {"Kh"}, .lie = false, .taker = Who::Mine}},
    {"an emptied hand caught lying takes the pile and plays on",
     {.mine = {"9h"}, .pile = {"9d"}, .lastPut = 1, .claim = "K", .newClaim = false},
     Challenge("K"),
     Refusal::None,
     {.mine = {"9h"}, .theirs = {"9d"}, .claim = "K", .toAct = Who::Mine},
     {.turned = {"9d"}, .lie = true, .taker = Who::Theirs}},
    {"a first pass hands the turn over",
     {.mine = {"9h"},
      .theirs = {"Ac"},
      .pile = {"Kh"},
      .lastPut = 1,
      .claim = "K",
      .newClaim = false},
     Pass("K"),
     Refusal::None,
     {.mine = {"9h"},
      .theirs = {"Ac"},
      .pile = {"Kh"},
      .lastPut = 1,
      .claim = "K",
      .newClaim = false,
      .minePassed = true,
      .toAct = Who::Theirs}},
    {"a pass answering a pass discards the pile and the first to pass leads",
     {.mine = {"9h"},
      .theirs = {"Ac"},
      .pile = {"Kh", "Qd"},
      .lastPut = 1,
      .claim = "K",
      .newClaim = false,
      .theirsPassed = true},
     Pass("K"),
     Refusal::None,
     {.mine = {"9h"}, .theirs = {"Ac"}, .toAct = Who::Theirs},
     {.discarded = true}},
    {"a discard decides for the empty hand",
     {.theirs = {"Ac"},
      .pile = {"Kh"},
      .lastPut = 1,
      .claim = "K",
      .newClaim = false,
      .theirsPassed = true},
     Pass("K"),
     Refusal::None,
     {.theirs = {"Ac"}, .toAct = Who::Nobody, .won = Won::Mine},
     {.discarded = true}},
    {"a discard with both hands empty is a draw",
     {.pile = {"Kh"}, .lastPut = 1, .claim = "K", .newClaim = false, .theirsPassed = true},
     Pass("K"),
     Refusal::None,
     {.toAct = Who::Nobody, .won = Won::Both},
     {.discarded = true}},
    {"out of turn",
     {.mine = {"9h"}, .toAct = Who::Theirs},
     Put({"9h"}, "9"),
     Refusal::NotThisSeatsTurn},
    {"after the end",
     {.mine = {"9h"}, .toAct = Who::Nobody, .won = Won::Theirs},
     Put({"9h"}, "9"),
     Refusal::NotThisSeatsTurn},
    {"a put of no card", {.mine = {"9h"}}, Put({}, "9"), Refusal::WrongCardCount},
    {"a card of the other hand",
     {.mine = {"9h"}, .theirs = {"Ac"}},
     Put({"Ac"}, "A"),
     Refusal::CardNotHeld},
    {"a card named twice", {.mine = {"9h", "9d"}}, Put({"9h", "9h"}, "9"), Refusal::CardTwice},
    {"a new claim that is no rank", {.mine = {"9h"}}, Put({"9h"}, ""), Refusal::WrongClaim},
    {"a put answering another claim",
     {.mine = {"9h"}, .pile = {"Kh"}, .lastPut = 1, .claim = "K", .newClaim = false},
     Put({"9h"}, "Q"),
     Refusal::WrongClaim},
    {"a challenge before anything was laid",
     {.mine = {"9h"}},
     Challenge(""),
     Refusal::NothingToChallenge},
    {"a challenge of a put the other seat has passed on",
     {.mine = {"9h"},
      .pile = {"Kh"},
      .lastPut = 1,
      .claim = "K",
      .newClaim = false,
      .theirsPassed = true},
     Challenge("K"),
     Refusal::NothingToChallenge},
    {"a challenge naming another claim",
     {.mine = {"9h"}, .pile = {"Kh"}, .lastPut = 1, .claim = "K", .newClaim = false},
     Challenge("Q"),
     Refusal::WrongClaim},
    {"a pass on an empty table", {.mine = {"9h"}}, Pass(""), Refusal::NothingToPass},
    {"a pass that lays a card",
     {.mine = {"9h"}, .pile = {"Kh"}, .lastPut = 1, .claim = "K", .newClaim = false},
     PassWithACard(),
     Refusal::WrongCardCount},
    {"an action no seat can take",
     {.mine = {"9h"}, .pile = {"Kh"}, .lastPut = 1, .claim = "K", .newClaim = false},
     Move::Without(static_cast<MoveKind>('7'), Claim("K")),
     Refusal::WrongClaim},
};

class RulesReferee : public ::testing::TestWithParam<Seat> {};

TEST_P(RulesReferee, EveryCaseHoldsForEitherSeat) {
  const Seat mine = GetParam();
  for (const Case& c : Cases) {
    SCOPED_TRACE(c.name);
    Table table = TableFrom(c.before, mine);
    const Table before = table;
    EXPECT_EQ(Check(table, mine, c.move), c.refusal);
    const Happening happened = Apply(table, mine, c.move);
    EXPECT_EQ(happened.refusal, c.refusal);
    if (c.refusal != Refusal::None) {
      EXPECT_EQ(table, before) << "a refused move changed the table";
      continue;
    }
    EXPECT_EQ(CensusProblem(table), std::nullopt);
    Table expected = TableFrom(c.after, mine);
    expected.lastAction = c.move.kind;
    expected.lastClaimWasLie =
        c.move.kind == MoveKind::Challenge ? c.did.lie : before.lastClaimWasLie;
    EXPECT_EQ(WithSortedDiscard(table), WithSortedDiscard(expected))
        << Describe(table) << "\nexpected " << Describe(expected);
    EXPECT_EQ(happened.mover, mine);
    EXPECT_EQ(happened.kind, c.move.kind);
    EXPECT_EQ(happened.result, expected.result);
    EXPECT_EQ(happened.discarded, c.did.discarded);
    EXPECT_EQ(happened.turned, Row(c.did.turned));
    if (c.move.kind == MoveKind::Put) {
      EXPECT_EQ(happened.laid.Count(), c.move.count);
      for (int k = 1; k <= c.move.count; ++k) EXPECT_EQ(happened.laid[k], c.move.cards[k]);
    }
    if (c.move.kind == MoveKind::Challenge) {
      EXPECT_EQ(happened.lie, c.did.lie);
      EXPECT_EQ(happened.taker, testing::SeatOf(c.did.taker, mine));
      EXPECT_EQ(happened.taken, before.pile);
    }
    EXPECT_EQ(happened.discardedCount, happened.discarded ? before.pile.Count() : 0);
  }
}

std::string SeatName(const ::testing::TestParamInfo<Seat>& seat) {
  return seat.param == Seat::One ? "One" : "Two";
}

INSTANTIATE_TEST_SUITE_P(BothSeats, RulesReferee, ::testing::Values(Seat::One, Seat::Two),
                         SeatName);

}  // namespace
}  // namespace fibwick::rules
