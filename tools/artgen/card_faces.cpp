// Faces of the built-in set: rendered from a free SVG deck whose cards have the 71 x 96 shape
// of our small cards, so the small faces are the deck at its own size.
#include <QSvgRenderer>
#include <cstdio>

#include "deck_cards.h"
#include "painters.h"

namespace fibwick::artgen {

bool AddCardFaces(ArtSet& set, const QString& deckPath) {
  QSvgRenderer deck(deckPath);
  if (!deck.isValid()) {
    std::fprintf(stderr, "cannot read the card deck %s\n", qPrintable(deckPath));
    return false;
  }
  for (const auto& suit : DeckSuits) {
    for (const auto& rank : DeckRanks) {
      const QString id = CardId(CardIds::RankFirst, rank, suit);
      if (!deck.elementExists(id)) {
        std::fprintf(stderr, "the card deck has no card %s\n", qPrintable(id));
        return false;
      }
    }
  }

  set.SetGroup("Card faces, small (69 x 94)");
  for (const auto& suit : DeckSuits) {
    for (const auto& rank : DeckRanks) {
      set.Add(QString(suit.prefix) + rank.part,
              SmallFace(deck, CardId(CardIds::RankFirst, rank, suit)));
    }
  }
  set.SetGroup("Card faces, big (146 x 198)");
  for (const auto& suit : DeckSuits) {
    for (const auto& rank : DeckRanks) {
      set.Add(QString(suit.prefix) + rank.part + "B",
              BigFace(deck, CardId(CardIds::RankFirst, rank, suit), WideBigFaceWidth));
    }
  }
  set.SetGroup("Suit symbols");
  for (const auto& suit : DeckSuits) {
    if (!deck.elementExists(suit.id)) {
      std::fprintf(stderr, "the card deck has no suit %s\n", suit.id);
      return false;
    }
    set.Add(suit.symbol, KeyedSymbol(ElementSymbol(deck, suit.id, SmallSymbol)));
    set.Add(QString(suit.symbol) + "B", ElementSymbol(deck, suit.id, BigSymbol));
  }
  return true;
}

}  // namespace fibwick::artgen
