#include "rules/seat_view.h"

namespace fibwick::rules {

SeatView ViewFor(const Table& table, Seat seat) {
  SeatView view;
  view.seat = seat;
  view.own = table.Hand(seat);
  view.otherCount = table.Hand(Other(seat)).Count();
  view.pileCount = table.pile.Count();
  view.lastPut = table.lastPut;
  view.claim = table.claim;
  view.newClaim = table.newClaim;
  view.ownPassed = table.Passed(seat);
  view.otherPassed = table.Passed(Other(seat));
  view.toAct = table.toAct;
  view.result = table.result;
  return view;
}

std::optional<SeenHappening> SeenBy(const Happening& happened, Seat seat) {
  if (!happened.Played()) return std::nullopt;
  SeenHappening seen;
  seen.mover = happened.mover;
  seen.kind = happened.kind;
  seen.laidCount = happened.laid.Count();
  if (happened.mover == seat) seen.laid = happened.laid;
  seen.discarded = happened.discarded;
  seen.discardedCount = happened.discardedCount;
  seen.turned = happened.turned;
  seen.lie = happened.lie;
  seen.taker = happened.taker;
  seen.takenCount = happened.taken.Count();
  if (happened.taker == seat) seen.taken = happened.taken;
  seen.result = happened.result;
  return seen;
}

}  // namespace fibwick::rules
