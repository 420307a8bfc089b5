#pragma once

#include <string_view>

#include "game/move.h"
#include "game/turn.h"
#include "rules/seat_view.h"
#include "rules/uniform_source.h"

// The computer player: seat 1 of a game against the computer, or the stand-in at seat 2.
namespace fibwick {

enum class ComputerAction { Challenge, Put, Pass };

// The computer's cards, single cards first (lowest rank first), then pairs, triples, a four.
struct SortedHand {
  Slots<CardCode, DeckCardCount> cards{};
  Slots<RankIndex, DeckCardCount> ranks{};
};
SortedHand BuildSortedHand(const rules::CardRow& own);

struct ComputerDecision {
  ComputerAction action = ComputerAction::Pass;
  // Hand positions of the cards to put, 0 where unused.
  Slots<int, DeckCardCount> sel{};
  int claimRank = 0;     // R: the rank claimed, as a RankIndex
  int claimCount = 0;    // Q: the remembered count of that rank
  std::string_view row;  // which line of the decision table decided, for tests and logs
};

// What the computer carries from one of its moves to the next.
struct ComputerMemory {
  int moveCounter = 1;  // M: 1 when it opens a claim, 2 on its first answer
  int claimCount = 0;   // Q: the count of the claimed rank it remembers
};

// Decides from what the seat sees, never from the table.
ComputerDecision ComputerDecide(const rules::SeatView& view, const ComputerMemory& memory,
                                UniformSource& random);

// The decision as a move of the seat that made it.
Move ComputerMove(const rules::SeatView& view, const ComputerDecision& decision);

// One tick of the table timer: the computer moves when it is its turn. Nothing otherwise.
std::optional<Outcome> ComputerTick(GameState& state, UniformSource& random, CardFlights flights);

// The computer plays the local seat (seat 2) by the same decisions, from that seat's view: the
// stand-in that lets a test or a demonstration run a side of a game unattended.
std::optional<Outcome> StandInTick(GameState& state, UniformSource& random, CardFlights flights);

}  // namespace fibwick
