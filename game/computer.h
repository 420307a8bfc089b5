#pragma once

#include <string_view>

#include "game/move.h"
#include "game/turn.h"
#include "game/uniform_source.h"

// The computer player at seat 1.
namespace fibwick {

enum class ComputerAction { Challenge, Put, Pass };

// The computer's cards, single cards first (lowest rank first), then pairs, triples, a four.
struct SortedHand {
  Slots<CardCode, DeckCardCount> cards{};
  Slots<RankIndex, DeckCardCount> ranks{};
};
SortedHand BuildSortedHand(const GameState& state);

struct ComputerDecision {
  ComputerAction action = ComputerAction::Pass;
  // Hand positions of the cards to put, 0 where unused.
  Slots<int, DeckCardCount> sel{};
  int claimRank = 0;     // R: the rank claimed, as a RankIndex
  int claimCount = 0;    // Q: the remembered count of that rank
  std::string_view row;  // which line of the decision table decided, for tests and logs
};

ComputerDecision ComputerDecide(const GameState& state, UniformSource& random);

// The decision as a move of seat 1.
Move ComputerMove(const GameState& state, const ComputerDecision& decision);

// One tick of the table timer: the computer moves when it is its turn. Nothing otherwise.
std::optional<Outcome> ComputerTick(GameState& state, UniformSource& random, CardFlights flights);

// The computer plays the local seat (seat 2) by the same decisions, seeing the table from that
// seat: the stand-in that lets a test or a demonstration run a side of a game unattended.
std::optional<Outcome> StandInTick(GameState& state, UniformSource& random, CardFlights flights);

}  // namespace fibwick
