#include "rules/deal.h"

#include <array>

namespace fibwick::rules {

Deck ShuffledDeck(UniformSource& random) {
  Deck deck;
  std::array<bool, DeckCardCount + 1> taken{};
  for (int p = 1; p <= DeckCardCount; ++p) {
    int v = 0;
    do {
      v = random.Draw(DeckCardCount) + 1;
    } while (taken[static_cast<std::size_t>(v)]);
    taken[static_cast<std::size_t>(v)] = true;
    deck[p] =
        MakeCard(static_cast<RankIndex>((v - 1) / 4 + 1), static_cast<SuitIndex>((v - 1) % 4));
  }
  return deck;
}

Table DealtTable(const Deck& deck, Seat first) {
  CardRow one;
  CardRow two;
  for (int i = 1; i <= DealtCards; ++i) {
    one.Add(deck[i]);
    two.Add(deck[DealtCards + i]);
  }
  return DealtTable(one, two, first);
}

Table DealtTable(const CardRow& one, const CardRow& two, Seat first) {
  Table table;
  table.Hand(Seat::One) = one;
  table.Hand(Seat::Two) = two;
  for (CardRow& hand : table.hands) hand.SortByRank();
  table.toAct = first;
  return table;
}

}  // namespace fibwick::rules
