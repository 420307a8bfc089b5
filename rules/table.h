#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "rules/card_row.h"
#include "rules/move.h"

// A table of two seats and its referee. Nothing here knows who sits at a seat, how the table is
// shown, or how a move arrived.
namespace fibwick::rules {

enum class Seat : std::uint8_t { One, Two };

inline constexpr std::array<Seat, 2> BothSeats = {Seat::One, Seat::Two};

inline Seat Other(Seat seat) {
  return seat == Seat::One ? Seat::Two : Seat::One;
}
inline std::size_t Index(Seat seat) {
  return static_cast<std::size_t>(seat);
}

enum class Result : std::uint8_t { Running, OneWon, TwoWon, Draw };

// The game as the referee keeps it: every card is in a hand, on the pile or in the discard.
struct Table {
  std::array<CardRow, 2> hands;  // by Index(seat), each in rank order
  CardRow pile;                  // bottom first
  CardRow discard;
  int lastPut = 0;  // the cards of the last put lie on top of the pile
  char claim = NoClaim;
  bool newClaim = true;          // the next put opens a claim
  std::optional<Seat> toAct;     // nobody before the deal and after the end
  std::array<bool, 2> passed{};  // by Index(seat): passed on the claim standing
  MoveKind lastAction = MoveKind::Put;
  bool lastClaimWasLie = false;
  Result result = Result::Running;

  CardRow& Hand(Seat seat) { return hands[Index(seat)]; }
  const CardRow& Hand(Seat seat) const { return hands[Index(seat)]; }
  bool Passed(Seat seat) const { return passed[Index(seat)]; }

  friend bool operator==(const Table&, const Table&) = default;
};

// What a move did, in full. Only the referee and a seat's own cards may see all of it; a seat
// sees it through SeenBy.
struct Happening {
  Refusal refusal = Refusal::None;
  Seat mover = Seat::One;
  MoveKind kind = MoveKind::Pass;
  CardRow laid;            // a put: the cards, in the order of the move
  bool discarded = false;  // a pass answering a pass: the pile left the game
  int discardedCount = 0;
  CardRow turned;          // a challenge: the last put, turned face up for both seats
  bool lie = false;        // a challenge: the last put was not all of the claimed rank
  Seat taker = Seat::One;  // a challenge: who was wrong and takes the pile
  CardRow taken;           // a challenge: the whole pile, bottom first, into the taker's hand
  Result result = Result::Running;  // the game ended when this is not Running

  bool Played() const { return refusal == Refusal::None; }
  bool Ended() const { return result != Result::Running; }
};

// Whether `seat` may make `move` now; the table is only read.
Refusal Check(const Table& table, Seat seat, const Move& move);

// Refuses the move, changing nothing, or plays it at once.
Happening Apply(Table& table, Seat seat, const Move& move);

// Who has won, from the hands: a seat whose hand is empty.
Result ResultOfHands(const Table& table);

}  // namespace fibwick::rules
