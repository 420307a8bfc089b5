#include "game/card_census.h"

namespace fibwick {

namespace {

std::size_t CardIndex(CardCode card) {
  return static_cast<std::size_t>((RankOfChar(card.rank) - 1) * SuitCount + SuitOfChar(card.suit));
}

}  // namespace

CardSet CardsInPlay(const GameState& s, std::string& problem) {
  CardSet cards;
  const auto add = [&](CardCode card, RankIndex rank, const char* where) {
    if (!IsDeckCard(card) || RankOfChar(card.rank) != rank) {
      problem = std::string("a slot of ") + where + " holds no proper card";
    } else if (cards.test(CardIndex(card))) {
      problem = "card " + CardLabel(card) + " stands twice";
    } else {
      cards.set(CardIndex(card));
    }
  };
  for (int seat = 1; seat <= 2; ++seat) {
    int count = 0;
    for (int p = 1; p <= HandCapacity; ++p) {
      if (s.hands.SeatHand[seat][p] == EmptyCard) continue;
      ++count;
      add(s.hands.SeatHand[seat][p], s.hands.SeatHandRank[seat][p], "a hand");
    }
    if (count != s.hands.SeatCardCount[seat]) problem = "a hand's count differs from its cards";
  }
  for (int p = 1; p <= DeckCardCount; ++p) {
    const bool used = p <= s.table.PileCount;
    if (used) add(s.table.PileCards[p], s.table.PileRanks[p], "the pile");
    if (!used && s.table.PileCards[p] != EmptyCard) problem = "a card lies above the pile's count";
  }
  return cards;
}

std::optional<std::string> CardCensus::Check(const GameState& state) {
  std::string problem;
  const CardSet inPlay = CardsInPlay(state, problem);
  if (!problem.empty()) return problem;
  if ((inPlay & discarded_).any()) return "a discarded card came back";
  discarded_ |= previous_ & ~inPlay;
  if ((inPlay | discarded_).count() != DeckCardCount) return "cards were lost";
  previous_ = inPlay;
  return std::nullopt;
}

}  // namespace fibwick
