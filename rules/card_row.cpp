#include "rules/card_row.h"

#include <algorithm>

namespace fibwick::rules {

bool CardRow::Holds(CardCode card) const {
  return std::find(begin(), end(), card) != end();
}

int CardRow::PositionOf(CardCode card) const {
  const auto* at = std::find(begin(), end(), card);
  return at == end() ? 0 : static_cast<int>(at - begin()) + 1;
}

void CardRow::Add(CardCode card) {
  // Only a broken table could hold more than the deck; the card is then dropped, never written
  // past the row.
  if (count_ < DeckCardCount) cards_[count_++] = card;
}

void CardRow::AddAll(const CardRow& more) {
  for (const CardCode card : more) Add(card);
}

bool CardRow::Remove(CardCode card) {
  auto* last = cards_.data() + count_;
  auto* at = std::find(cards_.data(), last, card);
  if (at == last) return false;
  std::copy(at + 1, last, at);
  cards_[--count_] = EmptyCard;
  return true;
}

CardRow CardRow::Top(int n) const {
  CardRow top;
  for (int p = std::max(1, count_ - n + 1); p <= count_; ++p) top.Add((*this)[p]);
  return top;
}

// An insertion sort: stable, and quick for the two dozen cards a row can hold.
void CardRow::SortByRank() {
  for (int i = 1; i < count_; ++i) {
    const CardCode card = cards_[static_cast<std::size_t>(i)];
    const RankIndex rank = RankOfChar(card.rank);
    int j = i;
    for (; j > 0 && RankOfChar(cards_[static_cast<std::size_t>(j - 1)].rank) > rank; --j)
      cards_[static_cast<std::size_t>(j)] = cards_[static_cast<std::size_t>(j - 1)];
    cards_[static_cast<std::size_t>(j)] = card;
  }
}

}  // namespace fibwick::rules
