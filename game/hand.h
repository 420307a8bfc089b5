#pragma once

#include "game/game_state.h"
#include "game/table_events.h"

namespace fibwick {

// Puts the seat's cards in ascending rank order, equal ranks keeping their order, empty slots
// last, and recounts them.
void NormaliseHand(GameState& state, int seat);

// Last position holding `code`, or 0 when there is none or the code is EmptyCard.
int FindCardInHand(CardCode code, const Hand& hand);

template <std::size_t N>
int CountRankInHand(const Slots<RankIndex, N>& ranks, RankIndex rank) {
  int count = 0;
  for (const RankIndex r : ranks.items) count += r == rank ? 1 : 0;
  return count;
}

// Appends a card after the seat's last card. A hand never outgrows its storage; only a peer
// that sends cards it does not hold could make it try, and then the extra card is dropped.
void AppendToHand(GameState& state, int seat, CardCode card, RankIndex rank);

// Every change of a hand is shown through this: the hand is put in order first. Seat 1's cards
// are face down while a game runs, unless the cards are open.
void RedrawHand(GameState& state, TableEvents& events, int seat);

}  // namespace fibwick
