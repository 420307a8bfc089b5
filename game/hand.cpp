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

namespace {

HandDrawn Drawn(const GameState& state, int seat) {
  HandDrawn hand;
  hand.seat = seat;
  hand.faces = seat == SeatNumber(Seat::Local) || state.session.OpenCards || state.round.RoundOver;
  return hand;
}

}  // namespace

void RedrawHand(GameState& state, TableEvents& events, int seat) {
  NormaliseHand(state, seat);
  HandDrawn hand = Drawn(state, seat);
  for (int p = 1; p <= state.hands.SeatCardCount[seat]; ++p) {
    hand.cards.push_back(state.hands.SeatHand[seat][p]);
    if (seat == SeatNumber(Seat::Local) &&
        state.hands.SelectedCards.test(static_cast<std::size_t>(p))) {
      hand.selected |= std::uint64_t{1} << (p - 1);
    }
  }
  events.emplace_back(std::move(hand));
}

void ShowHand(const GameState& state, TableEvents& events, int seat, rules::CardRow cards,
              std::uint64_t selected) {
  cards.SortByRank();
  HandDrawn hand = Drawn(state, seat);
  hand.cards.assign(cards.begin(), cards.end());
  hand.selected = selected;
  events.emplace_back(std::move(hand));
}

}  // namespace fibwick
