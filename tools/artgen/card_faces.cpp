// Faces of the built-in set: rendered from a free SVG deck whose cards have the 71 x 96 shape
// of our small cards, so the small faces are the deck at its own size.
#include <QSvgRenderer>
#include <array>
#include <cstdio>

#include "paint_kit.h"
#include "painters.h"
#include "palette.h"

namespace fibwick::artgen {

namespace {

struct Suit {
  const char* prefix;  // picture name prefix of the faces
  const char* symbol;  // picture name of the suit symbol
  const char* deckId;  // suit name in the deck's element ids
};

constexpr std::array<Suit, 4> Suits{{
    {"Ch", "Cher", "heart"},
    {"Bu", "Bubi", "diamond"},
    {"Kr", "Kres", "club"},
    {"Pi", "Piki", "spade"},
}};

struct Rank {
  const char* part;
  const char* deckId;
};

constexpr std::array<Rank, 6> Ranks{
    {{"09", "9"}, {"10", "10"}, {"2J", "jack"}, {"3Q", "queen"}, {"4K", "king"}, {"5A", "1"}}};

constexpr int SmallW = 69, SmallH = 94;  // inside the 71 x 96 outline the table draws
constexpr int BigW = 146, BigH = 198;
constexpr double BigRadius = 7.0;  // matches the round-corner mask of scaled cards
constexpr int SymbolSmall = 20, SymbolBig = 40;

// The card fitted into w x h with the deck's own proportions, centred.
QRectF FitCard(const QRectF& bounds, double w, double h) {
  const double scale = std::min(w / bounds.width(), h / bounds.height());
  const double cw = bounds.width() * scale;
  const double ch = bounds.height() * scale;
  return QRectF((w - cw) / 2, (h - ch) / 2, cw, ch);
}

// The deck's card at 71 x 96 without its outline: the table draws its own cut-corner outline
// one pixel outside. Corner pixels left by the deck's rounding turn dark like that outline.
QImage SmallFace(QSvgRenderer& deck, const QString& id) {
  QImage card(SmallW + 2, SmallH + 2, QImage::Format_ARGB32_Premultiplied);
  card.fill(Qt::transparent);
  QPainter p(&card);
  p.setRenderHint(QPainter::Antialiasing);
  deck.render(&p, id, FitCard(deck.boundsOnElement(id), card.width(), card.height()));
  p.end();
  return Flatten(card.copy(1, 1, SmallW, SmallH), palette::Ink);
}

// The big face: our own rounded card with the deck's card laid on it and our outline on top,
// so every big picture has the same corners whatever the deck draws.
QImage BigFace(QSvgRenderer& deck, const QString& id) {
  return DrawScaled(BigW, BigH, 1.0, [&](QPainter& p) {
    const QRectF card(0, 0, BigW, BigH);
    const auto shape = RoundedRect(card, BigRadius);
    p.fillPath(shape, Qt::white);
    p.setClipPath(shape);
    deck.render(&p, id, FitCard(deck.boundsOnElement(id), BigW, BigH));
    p.setClipping(false);
    p.setPen(QPen(palette::Ink, 2.0));
    p.drawPath(RoundedRect(card.adjusted(1, 1, -1, -1), BigRadius - 1));
  });
}

QImage Symbol(QSvgRenderer& deck, const QString& id, int size, double margin) {
  return DrawScaled(size, size, 1.0, [&](QPainter& p) {
    const double inner = size - 2 * margin;
    const auto fit = FitCard(deck.boundsOnElement(id), inner, inner);
    deck.render(&p, id, fit.translated(margin, margin));
  });
}

}  // namespace

bool AddCardFaces(ArtSet& set, const QString& deckPath) {
  QSvgRenderer deck(deckPath);
  if (!deck.isValid()) {
    std::fprintf(stderr, "cannot read the card deck %s\n", qPrintable(deckPath));
    return false;
  }
  for (const auto& suit : Suits) {
    for (const auto& rank : Ranks) {
      const QString id = QString("%1_%2").arg(rank.deckId, suit.deckId);
      if (!deck.elementExists(id)) {
        std::fprintf(stderr, "the card deck has no card %s\n", qPrintable(id));
        return false;
      }
    }
  }

  set.SetGroup("Card faces, small (69 x 94)");
  for (const auto& suit : Suits) {
    for (const auto& rank : Ranks) {
      set.Add(QString(suit.prefix) + rank.part,
              SmallFace(deck, QString("%1_%2").arg(rank.deckId, suit.deckId)));
    }
  }
  set.SetGroup("Card faces, big (146 x 198)");
  for (const auto& suit : Suits) {
    for (const auto& rank : Ranks) {
      set.Add(QString(suit.prefix) + rank.part + "B",
              BigFace(deck, QString("%1_%2").arg(rank.deckId, suit.deckId)));
    }
  }
  set.SetGroup("Suit symbols");
  for (const auto& suit : Suits) {
    if (!deck.elementExists(suit.deckId)) {
      std::fprintf(stderr, "the card deck has no suit %s\n", suit.deckId);
      return false;
    }
    // Small symbols are keyed bitmaps: smoothed against the silver key they stand on.
    set.Add(suit.symbol, Flatten(Symbol(deck, suit.deckId, SymbolSmall, 2.0), palette::SilverKey));
    set.Add(QString(suit.symbol) + "B", Symbol(deck, suit.deckId, SymbolBig, 3.0));
  }
  return true;
}

}  // namespace fibwick::artgen
