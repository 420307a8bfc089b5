#include "rules/seat_view.h"

#include <gtest/gtest.h>

#include <string>

#include "rules/census.h"
#include "rules/deal.h"

namespace fibwick::rules {
namespace {

constexpr int Games = 300;
constexpr int StepLimit = 5000;

// A player that sees only its seat's view and picks uniformly among what the view allows.
Move ChooseFromView(const SeatView& view, UniformSource& random) {
  const bool canPass = !view.newClaim && view.pileCount > 0;
  const bool canChallenge = !view.newClaim && view.lastPut > 0 && !view.otherPassed;
  const int choice = random.Draw(3);
  if (choice == 1 && canPass) return Move::Pass(view.claim);
  if (choice == 2 && canChallenge) return Move::Challenge(view.claim);
  if (view.own.Empty()) return canPass ? Move::Pass(view.claim) : Move::Challenge(view.claim);
  CardRow left = view.own;
  const int count = 1 + random.Draw(std::min(left.Count(), MaxPutCards));
  Move move = Move::Without(MoveKind::Put, view.claim);
  for (int k = 1; k <= count; ++k) {
    const CardCode card = left[1 + random.Draw(left.Count())];
    left.Remove(card);
    move.cards[++move.count] = card;
  }
  if (view.newClaim) move.claim = RankChar(static_cast<RankIndex>(1 + random.Draw(RankCount)));
  return move;
}

// Every card the seat is shown must be its own, or turned face up for it.
void ExpectNothingHiddenShown(const Table& before, const Table& after, const Happening& happened,
                              Seat seat) {
  CardRow known = before.Hand(seat);
  known.AddAll(happened.turned);
  if (happened.kind == MoveKind::Challenge && happened.taker == seat) known.AddAll(happened.taken);
  const auto seen = SeenBy(happened, seat);
  ASSERT_TRUE(seen.has_value());
  const SeatView view = ViewFor(after, seat);
  for (const CardRow* row : {&seen->laid, &seen->turned, &seen->taken, &view.own}) {
    for (const CardCode card : *row) {
      EXPECT_TRUE(known.Holds(card))
          << "seat " << int(Index(seat)) << " was shown " << CardLabel(card);
    }
  }
  EXPECT_EQ(view.own, after.Hand(seat));
  EXPECT_EQ(view.otherCount, after.Hand(Other(seat)).Count());
  EXPECT_EQ(seen->laidCount, happened.laid.Count());
  EXPECT_EQ(seen->takenCount, happened.taken.Count());
}

TEST(RulesSeatViews, NoSeatIsShownACardOfTheOtherThatWasNotTurnedForIt) {
  for (int game = 1; game <= Games; ++game) {
    SCOPED_TRACE("seed " + std::to_string(game));
    ClockSeededSource random(static_cast<std::uint64_t>(game));
    Table table = DealtTable(ShuffledDeck(random), game % 2 == 0 ? Seat::One : Seat::Two);
    ASSERT_EQ(CensusProblem(table), std::nullopt);
    int step = 0;
    for (; table.toAct && step < StepLimit; ++step) {
      const Seat seat = *table.toAct;
      const Move move = ChooseFromView(ViewFor(table, seat), random);
      const Table before = table;
      const Happening happened = Apply(table, seat, move);
      ASSERT_TRUE(happened.Played()) << RefusalName(happened.refusal);
      ASSERT_EQ(CensusProblem(table), std::nullopt);
      for (const Seat watcher : BothSeats) {
        ExpectNothingHiddenShown(before, table, happened, watcher);
        if (HasFailure()) return;
      }
    }
    ASSERT_LT(step, StepLimit) << "the game did not end";
    EXPECT_NE(table.result, Result::Running);
  }
}

TEST(RulesSeatViews, ARefusalIsShownToNobody) {
  ClockSeededSource random(7);
  Table table = DealtTable(ShuffledDeck(random), Seat::One);
  const Happening refused = Apply(table, Seat::Two, Move::Pass(NoClaim));
  ASSERT_FALSE(refused.Played());
  EXPECT_FALSE(SeenBy(refused, Seat::One).has_value());
  EXPECT_FALSE(SeenBy(refused, Seat::Two).has_value());
}

}  // namespace
}  // namespace fibwick::rules
