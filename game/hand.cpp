#include "game/hand.h"

#include <algorithm>
#include <numeric>

namespace fibwick {

void NormaliseHand(GameState& state, int seat) {
  Hand& cards = state.SeatHand[seat];
  HandRanks& ranks = state.SeatHandRank[seat];
  std::array<int, HandCapacity> order{};
  std::iota(order.begin(), order.end(), 1);
  // Empty slots sort after every card, as if they had the highest rank.
  const auto key = [&](int position) {
    return cards[position] == EmptyCard ? RankCount + 1 : int{ranks[position]};
  };
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return key(a) < key(b); });

  Hand sortedCards;
  HandRanks sortedRanks;
  int count = 0;
  for (int i = 0; i < HandCapacity; ++i) {
    const int from = order[static_cast<std::size_t>(i)];
    const bool empty = cards[from] == EmptyCard;
    sortedCards[i + 1] = cards[from];
    sortedRanks[i + 1] = empty ? NoRank : ranks[from];
    count += empty ? 0 : 1;
  }
  cards = sortedCards;
  ranks = sortedRanks;
  state.SeatCardCount[seat] = static_cast<std::uint8_t>(count);
}

int FindCardInHand(CardCode code, const Hand& hand) {
  if (code == EmptyCard) return 0;
  for (int position = HandCapacity; position >= 1; --position) {
    if (hand[position] == code) return position;
  }
  return 0;
}

void AppendToHand(GameState& state, int seat, CardCode card, RankIndex rank) {
  Hand& cards = state.SeatHand[seat];
  int last = HandCapacity;
  while (last >= 1 && cards[last] == EmptyCard) --last;
  if (last == HandCapacity) return;
  cards[last + 1] = card;
  state.SeatHandRank[seat][last + 1] = rank;
  ++state.SeatCardCount[seat];
}

void RedrawHand(GameState& state, TableEvents& events, int seat) {
  NormaliseHand(state, seat);
  HandDrawn hand;
  hand.seat = seat;
  hand.faces = seat == SeatNumber(Seat::Local) || state.OpenCards || state.RoundOver;
  for (int p = 1; p <= state.SeatCardCount[seat]; ++p) {
    hand.cards.push_back(state.SeatHand[seat][p]);
    if (seat == SeatNumber(Seat::Local) && state.SelectedCards.test(static_cast<std::size_t>(p))) {
      hand.selected |= std::uint64_t{1} << (p - 1);
    }
  }
  events.emplace_back(std::move(hand));
}

}  // namespace fibwick
