// Which free SVG deck each face set is drawn from, and which of the set's pictures it supplies.
#pragma once

#include <array>
#include <span>
#include <string_view>

namespace fibwick::packgen {

// kdegames-card-data-kf5, in /usr/share/carddecks, names a card "9_heart"; gnome-cards-data, in
// /usr/share/aisleriot/cards, names it "heart_9".
enum class DeckPackage { Kde, Gnome };

struct SvgDeck {
  DeckPackage package;
  std::string_view file;  // within the package's folder of decks
  // The deck's suit symbol elements, hearts, diamonds, clubs, spades; where one is empty the
  // symbol is the pip cut from the middle of that suit's ace.
  std::array<std::string_view, 4> symbols;
  // The deck's pips are pale on dark cards: its symbols are drawn as red and black silhouettes.
  bool silhouetteSymbols = false;
};

// The pictures of a set under one code. A set that borrows its number cards or aces from another
// code draws only the rest; the suit symbols go with the number cards.
enum FacePart : unsigned {
  NumberCards = 1,  // nine, ten and the suit symbols
  CourtCards = 2,   // jack, queen, king
  Aces = 4,
  AllCards = NumberCards | CourtCards | Aces,
};

struct FaceDeck {
  int faceSet;
  std::string_view code;
  unsigned parts;
  const SvgDeck& deck;
};

// Every set with a deck behind it, by face set; a set missing here is not in its pack.
std::span<const FaceDeck> FaceDecks();

}  // namespace fibwick::packgen
