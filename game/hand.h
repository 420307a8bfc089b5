#pragma once

#include "game/game_state.h"
#include "game/table_events.h"
#include "rules/card_row.h"

namespace fibwick {

// Puts the seat's cards in ascending rank order, equal ranks keeping their order, empty slots
// last, and recounts them.
void NormaliseHand(GameState& state, int seat);

template <std::size_t N>
int CountRankInHand(const Slots<RankIndex, N>& ranks, RankIndex rank) {
  int count = 0;
  for (const RankIndex r : ranks.items) count += r == rank ? 1 : 0;
  return count;
}

// Every change of a hand is shown through this: the hand is put in order first. Seat 1's cards
// are face down while a game runs, unless the cards are open.
void RedrawHand(GameState& state, TableEvents& events, int seat);

// A hand as it stands for a moment of a move the rules have already played, put in order first;
// bit p-1 of `selected` raises position p of the ordered hand.
void ShowHand(const GameState& state, TableEvents& events, int seat, rules::CardRow cards,
              std::uint64_t selected = 0);

}  // namespace fibwick
