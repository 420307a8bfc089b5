#include "rules/cards.h"

#include <array>

namespace fibwick {
namespace {

constexpr std::array<char, RankCount> RankChars = {'9', '1', '\xC2', '\xC4', '\xCA', '\xD2'};
constexpr std::array<char, SuitCount> SuitChars = {'\xF7', '\xE1', '\xEA', '\xEF'};
constexpr std::array<std::string_view, RankCount> RankLabels = {"9", "10", "J", "Q", "K", "A"};
constexpr std::array<char, SuitCount> SuitLabels = {'h', 'd', 'c', 's'};

// Every byte's rank and suit, looked up rather than searched: the rules ask on every move.
template <class Index, std::size_t N>
constexpr std::array<Index, 256> ByByte(const std::array<char, N>& chars, Index none, Index first) {
  std::array<Index, 256> table{};
  table.fill(none);
  for (std::size_t i = 0; i < N; ++i)
    table[static_cast<unsigned char>(chars[i])] = static_cast<Index>(first + i);
  return table;
}
constexpr auto RankOfByte = ByByte<RankIndex>(RankChars, NoRank, 1);
constexpr auto SuitOfByte = ByByte<SuitIndex>(SuitChars, SuitCount, 0);

}  // namespace

char RankChar(RankIndex rank) {
  return rank >= 1 && rank <= RankCount ? RankChars[rank - 1] : NoClaim;
}

RankIndex RankOfChar(char rank) {
  return RankOfByte[static_cast<unsigned char>(rank)];
}

char SuitChar(SuitIndex suit) {
  return suit < SuitCount ? SuitChars[suit] : '#';
}

SuitIndex SuitOfChar(char suit) {
  return SuitOfByte[static_cast<unsigned char>(suit)];
}

CardCode MakeCard(RankIndex rank, SuitIndex suit) {
  return {RankChar(rank), SuitChar(suit)};
}

bool IsDeckCard(CardCode card) {
  return RankOfChar(card.rank) != NoRank && SuitOfChar(card.suit) != SuitCount;
}

CardCode CardFromBytes(std::string_view bytes) {
  return bytes.size() < 2 ? EmptyCard : CardCode{bytes[0], bytes[1]};
}

std::string CardLabel(CardCode card) {
  if (card == EmptyCard) return "--";
  if (!IsDeckCard(card)) return "??";
  return std::string(RankLabels[RankOfChar(card.rank) - 1]) + SuitLabels[SuitOfChar(card.suit)];
}

CardCode CardOfLabel(std::string_view label) {
  if (label.size() < 2) return EmptyCard;
  const std::string_view rank = label.substr(0, label.size() - 1);
  for (RankIndex r = 1; r <= RankCount; ++r) {
    for (SuitIndex s = 0; s < SuitCount; ++s) {
      if (RankLabels[r - 1] == rank && SuitLabels[s] == label.back()) return MakeCard(r, s);
    }
  }
  return EmptyCard;
}

}  // namespace fibwick
