#include "faces.h"

#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>
#include <map>
#include <memory>

#include "deck_cards.h"
#include "face_decks.h"
#include "palette.h"

namespace fibwick::packgen {
namespace {

using artgen::CardIds;
using artgen::DeckRank;
using artgen::DeckRanks;
using artgen::DeckSuit;
using artgen::DeckSuits;

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString DeckPath(const SvgDeck& deck) {
  const char* folder =
      deck.package == DeckPackage::Kde ? "/usr/share/carddecks/" : "/usr/share/aisleriot/cards/";
  return folder + Text(deck.file);
}

CardIds Naming(const SvgDeck& deck) {
  return deck.package == DeckPackage::Kde ? CardIds::RankFirst : CardIds::SuitFirst;
}

// Sets 28 and up have 61-unit cards, except the French and the Chinese ones.
int BigFaceWidth(int faceSet) {
  const bool wide = faceSet < 28 || faceSet == 40 || faceSet == 45;
  return wide ? artgen::WideBigFaceWidth : artgen::NarrowBigFaceWidth;
}

// DeckRanks runs nine, ten, jack, queen, king, ace.
FacePart PartOf(size_t rankIndex) {
  if (rankIndex < 2) return NumberCards;
  return rankIndex + 1 < DeckRanks.size() ? CourtCards : Aces;
}

QImage Silhouette(const QImage& symbol, const QColor& ink) {
  QImage filled = symbol.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  QPainter p(&filled);
  p.setCompositionMode(QPainter::CompositionMode_SourceIn);
  p.fillRect(filled.rect(), ink);
  p.end();
  return filled.convertToFormat(QImage::Format_ARGB32);
}

bool AddSymbols(PackWriter& pack, QSvgRenderer& deck, const FaceDeck& row) {
  for (size_t s = 0; s < DeckSuits.size(); ++s) {
    const DeckSuit& suit = DeckSuits[s];
    const QString element = Text(row.deck.symbols[s]);
    if (!element.isEmpty() && !deck.elementExists(element)) {
      std::fprintf(stderr, "%s has no suit symbol %s\n", qPrintable(DeckPath(row.deck)),
                   qPrintable(element));
      return false;
    }
    const QString ace = CardId(Naming(row.deck), DeckRanks.back(), suit);
    const QColor& ink = s < 2 ? artgen::palette::Crimson : artgen::palette::Ink;
    const auto draw = [&](artgen::SymbolSize size) {
      const QImage symbol = element.isEmpty() ? artgen::AcePipSymbol(deck, ace, size)
                                              : artgen::ElementSymbol(deck, element, size);
      return row.deck.silhouetteSymbols ? Silhouette(symbol, ink) : symbol;
    };
    const QImage small = draw(artgen::SmallSymbol);
    const QImage big = draw(artgen::BigSymbol);
    if (small.isNull() || big.isNull()) {
      std::fprintf(stderr, "%s: nothing in the middle of %s to be the suit symbol\n",
                   qPrintable(DeckPath(row.deck)), qPrintable(ace));
      return false;
    }
    const QString name = suit.symbol + Text(row.code);
    pack.AddPng(name, artgen::KeyedSymbol(small));
    pack.AddPng(name + "B", big);
  }
  return true;
}

bool AddFaceDeck(PackWriter& pack, QSvgRenderer& deck, const FaceDeck& row) {
  const int bigWidth = BigFaceWidth(row.faceSet);
  for (const DeckSuit& suit : DeckSuits) {
    for (size_t r = 0; r < DeckRanks.size(); ++r) {
      if ((row.parts & PartOf(r)) == 0) continue;
      const DeckRank& rank = DeckRanks[r];
      const QString id = CardId(Naming(row.deck), rank, suit);
      if (!deck.elementExists(id)) {
        std::fprintf(stderr, "%s has no card %s\n", qPrintable(DeckPath(row.deck)), qPrintable(id));
        return false;
      }
      const QString name = suit.prefix + QString(rank.part) + Text(row.code);
      pack.AddPng(name, artgen::SmallFace(deck, id));
      pack.AddPng(name + "B", artgen::BigFace(deck, id, bigWidth));
    }
  }
  return (row.parts & NumberCards) == 0 || AddSymbols(pack, deck, row);
}

}  // namespace

bool AddFaceSets(PackWriter& pack, int first, int last) {
  std::map<QString, std::unique_ptr<QSvgRenderer>> opened;  // a deck serving two codes is read once
  for (const FaceDeck& row : FaceDecks()) {
    if (row.faceSet < first || row.faceSet > last) continue;
    const QString path = DeckPath(row.deck);
    std::unique_ptr<QSvgRenderer>& deck = opened[path];
    if (!deck) {
      deck = std::make_unique<QSvgRenderer>(path);
      if (!deck->isValid()) {
        std::fprintf(stderr, "cannot read the card deck %s\n", qPrintable(path));
        return false;
      }
    }
    if (!AddFaceDeck(pack, *deck, row)) return false;
  }
  return true;
}

}  // namespace fibwick::packgen
