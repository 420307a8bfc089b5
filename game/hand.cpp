#include "game/hand.h"

#include <algorithm>

namespace fibwick {

void NormaliseHand(GameState& state, int seat) {
  Hand& cards = state.hands.SeatHand[seat];
  HandRanks& ranks = state.hands.SeatHandRank[seat];
  // A stable counting sort by rank; empty slots sort after every card.
  constexpr int EmptyKey = RankCount + 1;
  const auto key = [&](int position) {
    return cards[position] == EmptyCard ? EmptyKey : std::min<int>(ranks[position], RankCount);
  };
  std::array<int, EmptyKey + 2> start{};
  for (int position = 1; position <= HandCapacity; ++position)
    ++start[static_cast<std::size_t>(key(position) + 1)];
  for (std::size_t k = 1; k < start.size(); ++k) start[k] += start[k - 1];

  Hand sortedCards;
  HandRanks sortedRanks;
  int count = 0;
  for (int position = 1; position <= HandCapacity; ++position) {
    const int k = key(position);
    const int to = 1 + start[static_cast<std::size_t>(k)]++;
    const bool empty = k == EmptyKey;
    sortedCards[to] = cards[position];
    sortedRanks[to] = empty ? NoRank : ranks[position];
    count += empty ? 0 : 1;
  }
  cards = sortedCards;
  ranks = sortedRanks;
  state.hands.SeatCardCount[seat] = static_cast<std::uint8_t>(count);
}

int FindCardInHand(CardCode code, const Hand& hand) {
  if (code == EmptyCard) return 0;
  for (int position = HandCapacity; position >= 1; --position) {
    if (hand[position] == code) return position;
  }
  return 0;
}

void AppendToHand(GameState& state, int seat, CardCode card, RankIndex rank) {
  Hand& cards = state.hands.SeatHand[seat];
  int last = HandCapacity;
  while (last >= 1 && cards[last] == EmptyCard) --last;
  if (last == HandCapacity) return;
  cards[last + 1] = card;
  state.hands.SeatHandRank[seat][last + 1] = rank;
  ++state.hands.SeatCardCount[seat];
}

void RedrawHand(GameState& state, TableEvents& events, int seat) {
  NormaliseHand(state, seat);
  HandDrawn hand;
  hand.seat = seat;
  hand.faces = seat == SeatNumber(Seat::Local) || state.session.OpenCards || state.round.RoundOver;
  for (int p = 1; p <= state.hands.SeatCardCount[seat]; ++p) {
    hand.cards.push_back(state.hands.SeatHand[seat][p]);
    if (seat == SeatNumber(Seat::Local) &&
        state.hands.SelectedCards.test(static_cast<std::size_t>(p))) {
      hand.selected |= std::uint64_t{1} << (p - 1);
    }
  }
  events.emplace_back(std::move(hand));
}

}  // namespace fibwick
