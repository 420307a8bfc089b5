#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The 24-card deck: nine to ace in four suits, each card two Windows-1251 bytes.
namespace fibwick {

using RankIndex = std::uint8_t;  // 1 nine .. 6 ace; 0 no card
using SuitIndex = std::uint8_t;  // 0 hearts, 1 diamonds, 2 clubs, 3 spades

inline constexpr RankIndex NoRank = 0;
inline constexpr RankIndex RankCount = 6;
inline constexpr SuitIndex SuitCount = 4;
inline constexpr int DeckCardCount = 24;

// The bytes are what matters: they go on the wire and pick the face picture.
struct CardCode {
  char rank = '#';  // a default card is the empty slot "##"
  char suit = '#';

  friend bool operator==(const CardCode&, const CardCode&) = default;
  std::string Bytes() const { return {rank, suit}; }
};

inline constexpr CardCode EmptyCard{'#', '#'};
inline constexpr CardCode BackCard{'0', '0'};  // a flying card drawn face down
inline constexpr char NoClaim = '#';

// Rank characters by RankIndex 1..6: '9', '1', then Cyrillic В, Д, К, Т.
char RankChar(RankIndex rank);
// RankIndex of a rank character; 0 for anything else (the no-claim '#' included).
RankIndex RankOfChar(char rank);

// Suit characters by SuitIndex: Cyrillic ч, б, к, п.
char SuitChar(SuitIndex suit);
// SuitIndex of a suit character, or SuitCount for anything else.
SuitIndex SuitOfChar(char suit);

CardCode MakeCard(RankIndex rank, SuitIndex suit);
// True for the 24 cards of the deck, false for "##", "00" and any other bytes.
bool IsDeckCard(CardCode card);

// Reads two bytes as a card code; a shorter text gives EmptyCard.
CardCode CardFromBytes(std::string_view bytes);

// A readable name for logs and test messages: "Ks", "10h"; "--" for an empty slot.
std::string CardLabel(CardCode card);
// The card a readable name stands for; EmptyCard for anything that names no card of the deck.
CardCode CardOfLabel(std::string_view label);

}  // namespace fibwick
