#include "rules/census.h"

#include <bitset>

namespace fibwick::rules {

std::optional<std::string> CensusProblem(const Table& table) {
  std::bitset<DeckCardCount> seen;
  const CardRow* rows[] = {&table.hands[0], &table.hands[1], &table.pile, &table.discard};
  for (const CardRow* row : rows) {
    for (const CardCode card : *row) {
      if (!IsDeckCard(card)) return "a card outside the deck: " + CardLabel(card);
      const auto index =
          static_cast<std::size_t>((RankOfChar(card.rank) - 1) * SuitCount + SuitOfChar(card.suit));
      if (seen.test(index)) return "card " + CardLabel(card) + " stands twice";
      seen.set(index);
    }
  }
  if (!seen.all()) return "cards were lost";
  if (table.lastPut < 0 || table.lastPut > table.pile.Count() || table.lastPut > MaxPutCards)
    return "the last put is not on the pile";
  return std::nullopt;
}

}  // namespace fibwick::rules
