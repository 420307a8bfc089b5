// Cards of a free SVG deck drawn at the sizes the table uses: faces and suit symbols. Serves the
// built-in set and the face sets of the card packs alike.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <array>

class QSvgRenderer;

namespace fibwick::artgen {

struct DeckSuit {
  const char* prefix;  // picture name prefix of the faces: "Ch"
  const char* symbol;  // picture name of the suit symbol: "Cher"
  const char* id;      // suit in the deck's element ids: "heart"
};

inline constexpr std::array<DeckSuit, 4> DeckSuits{{
    {"Ch", "Cher", "heart"},
    {"Bu", "Bubi", "diamond"},
    {"Kr", "Kres", "club"},
    {"Pi", "Piki", "spade"},
}};

struct DeckRank {
  const char* part;  // picture name part: "09", "2J"
  const char* id;    // rank in the deck's element ids: "9", "jack"
};

inline constexpr std::array<DeckRank, 6> DeckRanks{
    {{"09", "9"}, {"10", "10"}, {"2J", "jack"}, {"3Q", "queen"}, {"4K", "king"}, {"5A", "1"}}};

// KDE's decks name a card "9_heart", GNOME's "heart_9".
enum class CardIds { RankFirst, SuitFirst };

QString CardId(CardIds naming, const DeckRank& rank, const DeckSuit& suit);

// Every small face is 69 x 94: inside the 71 x 96 outline the table draws.
inline constexpr QSize SmallFaceSize{69, 94};
inline constexpr int BigFaceHeight = 198;
inline constexpr int WideBigFaceWidth = 146;    // 71-unit cards
inline constexpr int NarrowBigFaceWidth = 126;  // 61-unit cards

struct SymbolSize {
  int side;
  double margin;
};
inline constexpr SymbolSize SmallSymbol{20, 2.0};
inline constexpr SymbolSize BigSymbol{40, 3.0};

// The deck's card at 71 x 96 with its own proportions, on our card stock where they leave room,
// without the outer pixel the table's outline covers; opaque.
QImage SmallFace(QSvgRenderer& deck, const QString& id);

// The big face, width x 198: our own rounded card with the deck's card laid on it with its own
// proportions, and our outline on top, so every big picture has the same corners.
QImage BigFace(QSvgRenderer& deck, const QString& id, int width);

// A suit symbol drawn from the deck's own element for it, on transparent.
QImage ElementSymbol(QSvgRenderer& deck, const QString& id, SymbolSize size);

// For decks without symbol elements: the pip in the middle of the ace, cut out of the ace's
// picture; null when the ace has nothing in its middle.
QImage AcePipSymbol(QSvgRenderer& deck, const QString& aceId, SymbolSize size);

// Small symbols are keyed bitmaps: smoothed against the silver key they stand on.
QImage KeyedSymbol(const QImage& symbol);

}  // namespace fibwick::artgen
