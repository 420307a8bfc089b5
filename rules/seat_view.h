#pragma once

#include <optional>

#include "rules/table.h"

// The table and its moves as one seat may see them: its own cards, the other hand's size, the
// pile's size, and only the cards turned face up for it. A player, the computer or a far client
// decides from this, never from the table.
namespace fibwick::rules {

struct SeatView {
  Seat seat = Seat::One;
  CardRow own;  // in hand order
  int otherCount = 0;
  int pileCount = 0;
  int lastPut = 0;
  char claim = NoClaim;
  bool newClaim = true;
  bool ownPassed = false;
  bool otherPassed = false;
  std::optional<Seat> toAct;
  Result result = Result::Running;

  friend bool operator==(const SeatView&, const SeatView&) = default;
};

SeatView ViewFor(const Table& table, Seat seat);

// A move as one seat may see it.
struct SeenHappening {
  Seat mover = Seat::One;
  MoveKind kind = MoveKind::Pass;
  int laidCount = 0;
  CardRow laid;  // the cards only when the seat laid them itself
  bool discarded = false;
  int discardedCount = 0;
  CardRow turned;  // a challenge's turned cards, seen by both seats
  bool lie = false;
  Seat taker = Seat::One;
  int takenCount = 0;
  CardRow taken;  // the pile's cards only when they came into this seat's hand
  Result result = Result::Running;

  friend bool operator==(const SeenHappening&, const SeenHappening&) = default;
};

// Nothing for a refused move: a refusal is told only to the seat that tried it.
std::optional<SeenHappening> SeenBy(const Happening& happened, Seat seat);

}  // namespace fibwick::rules
