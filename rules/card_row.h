#pragma once

#include <array>
#include <cstdint>

#include "rules/cards.h"

namespace fibwick::rules {

// Cards in order, at most the whole deck: a hand, the pile, the discard, a put.
class CardRow {
 public:
  int Count() const { return count_; }
  bool Empty() const { return count_ == 0; }
  // 1-based, as the table counts hand positions and pile places.
  CardCode operator[](int position) const { return cards_[static_cast<std::size_t>(position - 1)]; }
  const CardCode* begin() const { return cards_.data(); }
  const CardCode* end() const { return cards_.data() + count_; }

  bool Holds(CardCode card) const;
  // The card's position, 0 when the row does not hold it.
  int PositionOf(CardCode card) const;
  void Add(CardCode card);
  void AddAll(const CardRow& more);
  // Takes the card out, the later cards closing up; false when it is not there.
  bool Remove(CardCode card);
  // The last `n` cards, in their order.
  CardRow Top(int n) const;
  void Clear() { *this = CardRow{}; }
  // Ascending rank, equal ranks keeping their order: how a hand is held.
  void SortByRank();

  friend bool operator==(const CardRow&, const CardRow&) = default;

 private:
  std::array<CardCode, DeckCardCount> cards_{};
  std::uint8_t count_ = 0;
};

}  // namespace fibwick::rules
