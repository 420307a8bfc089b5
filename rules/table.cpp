#include "rules/table.h"

namespace fibwick::rules {
namespace {

Refusal CheckPut(const Table& table, Seat seat, const Move& move) {
  if (move.count < 1 || move.count > MaxPutCards) return Refusal::WrongCardCount;
  for (int k = 1; k <= move.count; ++k) {
    if (!IsDeckCard(move.cards[k]) || !table.Hand(seat).Holds(move.cards[k]))
      return Refusal::CardNotHeld;
    for (int j = 1; j < k; ++j) {
      if (move.cards[j] == move.cards[k]) return Refusal::CardTwice;
    }
  }
  for (int k = move.count + 1; k <= MaxPutCards; ++k) {
    if (move.cards[k] != EmptyCard) return Refusal::WrongCardCount;
  }
  const bool claimFits =
      table.newClaim ? RankOfChar(move.claim) != NoRank : move.claim == table.claim;
  return claimFits ? Refusal::None : Refusal::WrongClaim;
}

// The game is decided only after a challenge or a discard.
void EndIfDecided(Table& table, Happening& happened) {
  table.result = happened.result = ResultOfHands(table);
  if (happened.Ended()) table.toAct.reset();
}

void Put(Table& table, Seat seat, const Move& move, Happening& happened) {
  table.passed[Index(seat)] = false;
  for (int k = 1; k <= move.count; ++k) {
    table.Hand(seat).Remove(move.cards[k]);
    table.pile.Add(move.cards[k]);
    happened.laid.Add(move.cards[k]);
  }
  table.Hand(seat).SortByRank();
  table.lastPut = move.count;
  table.newClaim = false;
  table.toAct = Other(seat);
}

// The last put turned over; whoever was wrong takes the whole pile, and the other seat leads.
void Challenge(Table& table, Seat seat, Happening& happened) {
  table.passed[Index(seat)] = false;
  happened.turned = table.pile.Top(table.lastPut);
  happened.lie = false;
  for (const CardCode card : happened.turned) happened.lie |= card.rank != table.claim;
  happened.taker = happened.lie ? Other(seat) : seat;
  happened.taken = table.pile;
  table.Hand(happened.taker).AddAll(table.pile);
  table.Hand(happened.taker).SortByRank();
  table.pile.Clear();
  table.lastPut = 0;
  table.lastClaimWasLie = happened.lie;
  table.newClaim = true;
  table.toAct = Other(happened.taker);
  EndIfDecided(table, happened);
}

// A pass answering a pass sends the pile out of the game; the seat that passed first leads.
void Pass(Table& table, Seat seat, Happening& happened) {
  table.toAct = Other(seat);
  if (!table.Passed(Other(seat))) {
    table.passed[Index(seat)] = true;
    table.newClaim = false;
    return;
  }
  happened.discarded = true;
  happened.discardedCount = table.pile.Count();
  table.discard.AddAll(table.pile);
  table.pile.Clear();
  table.lastPut = 0;
  table.claim = NoClaim;
  table.passed = {};
  table.newClaim = true;
  EndIfDecided(table, happened);
}

}  // namespace

Refusal Check(const Table& table, Seat seat, const Move& move) {
  if (table.toAct != seat) return Refusal::NotThisSeatsTurn;
  if (move.kind == MoveKind::Put) return CheckPut(table, seat, move);
  if (move.count != 0) return Refusal::WrongCardCount;
  if (move.kind == MoveKind::Pass) {
    if (table.newClaim || table.pile.Empty()) return Refusal::NothingToPass;
  } else if (move.kind == MoveKind::Challenge) {
    // The last put lies open to the seat unless the other seat passed on it (then it is its own).
    const bool open = !table.newClaim && table.lastPut > 0 && !table.Passed(Other(seat));
    if (!open) return Refusal::NothingToChallenge;
  } else {
    return Refusal::WrongClaim;
  }
  return move.claim == table.claim ? Refusal::None : Refusal::WrongClaim;
}

Happening Apply(Table& table, Seat seat, const Move& move) {
  Happening happened;
  happened.refusal = Check(table, seat, move);
  if (!happened.Played()) return happened;
  happened.mover = seat;
  happened.kind = move.kind;
  table.claim = move.claim;
  table.lastAction = move.kind;
  switch (move.kind) {
    case MoveKind::Put:
      Put(table, seat, move, happened);
      break;
    case MoveKind::Challenge:
      Challenge(table, seat, happened);
      break;
    case MoveKind::Pass:
      Pass(table, seat, happened);
      break;
  }
  return happened;
}

Result ResultOfHands(const Table& table) {
  const bool oneEmpty = table.Hand(Seat::One).Empty();
  const bool twoEmpty = table.Hand(Seat::Two).Empty();
  if (oneEmpty && twoEmpty) return Result::Draw;
  if (oneEmpty) return Result::OneWon;
  if (twoEmpty) return Result::TwoWon;
  return Result::Running;
}

}  // namespace fibwick::rules
