#include "ui/card_drawing.h"

#include <QPainter>
#include <optional>

#include "ui/card_names.h"
#include "ui/resample.h"

namespace fibwick {
namespace {

constexpr int SmallCardWidth = 71;
constexpr int SmallCardHeight = 96;
constexpr QRgb CornerKey = 0xFF010203;  // marks the cut corners, then becomes transparent

enum class PictureKind : quint64 { Face = 1, Back = 2 };

quint64 PreparedKey(PictureKind kind, int index, int w, int h) {
  return (static_cast<quint64>(kind) << 56) | (static_cast<quint64>(index) << 40) |
         (static_cast<quint64>(w) << 20) | static_cast<quint64>(h);
}

const QImage& Prepared(CardArt& art, PictureKind kind, int index, const QImage& picture,
                       const Layout& layout) {
  const quint64 key = PreparedKey(kind, index, layout.cardWidth, layout.cardHeight);
  auto found = art.prepared.find(key);
  if (found == art.prepared.end()) {
    found = art.prepared.insert(key, PrepareCardPicture(picture, true, layout.cardWidth,
                                                        layout.cardHeight, CardCornerSize(layout)));
  }
  return found.value();
}

void DrawImage(QImage& canvas, int x, int y, const QImage& picture) {
  if (picture.isNull()) return;
  QPainter painter(&canvas);
  painter.drawImage(x, y, picture);
}

void InvertPixel(QImage& canvas, int x, int y) {
  if (x < 0 || y < 0 || x >= canvas.width() || y >= canvas.height()) return;
  auto* line = reinterpret_cast<QRgb*>(canvas.scanLine(y));
  line[x] ^= 0x00FFFFFF;
}

// One card's mark, from its left column to `right`; `nextX` takes the next card's shape away.
void InvertCardArea(QImage& canvas, const Layout& layout, int x, int y, std::optional<int> nextX) {
  if (canvas.format() != QImage::Format_RGB32 && canvas.format() != QImage::Format_ARGB32) {
    canvas = canvas.convertToFormat(QImage::Format_ARGB32);
  }
  if (layout.cardSizeClass == CardSizeClass::Small) {
    const int right = nextX ? *nextX - 1 : x + SmallCardWidth - 1;
    for (int row = 0; row < SmallCardHeight; ++row) {
      const bool cornerRow = row <= 1 || row >= SmallCardHeight - 2;
      for (int column = x; column <= right; ++column) {
        const int local = column - x;
        const bool cornerColumn = local <= 1 || local >= SmallCardWidth - 2;
        if (!(cornerRow && cornerColumn)) InvertPixel(canvas, column, y + row);
      }
    }
    return;
  }
  const int corner = CardCornerSize(layout);
  const int w = layout.cardWidth;
  const int h = layout.cardHeight;
  for (int row = 0; row < h; ++row) {
    for (int local = 0; local < w; ++local) {
      if (!InsideRoundRect(local, row, w + 1, h + 1, corner, corner)) continue;
      if (nextX && InsideRoundRect(x + local - *nextX, row, w + 1, h + 1, corner, corner)) continue;
      InvertPixel(canvas, x + local, y + row);
    }
  }
}

}  // namespace

int CardCornerSize(const Layout& layout) {
  return layout.cardSizeClass == CardSizeClass::Big ? 16 : Scaled(layout, 8);
}

void DrawCardOutline(QImage& canvas, int x, int y) {
  QPainter painter(&canvas);
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::black);
  painter.drawRect(x + 2, y, 67, 1);
  painter.drawRect(x + 2, y + 95, 67, 1);
  painter.drawRect(x, y + 2, 1, 92);
  painter.drawRect(x + 70, y + 2, 1, 92);
}

void DrawCardFace(QImage& canvas, int x, int y, CardCode card, CardArt& art, const Layout& layout) {
  if (card == EmptyCard) return;
  const int slot = CardSlot(card);
  if (layout.cardSizeClass == CardSizeClass::Small) {
    DrawCardOutline(canvas, x, y);
    if (slot != 0) DrawImage(canvas, x + 1, y + 1, art.smallFaces[slot]);
    return;
  }
  if (slot == 0 || art.bigFaces[slot].isNull()) return;
  DrawImage(canvas, x, y, Prepared(art, PictureKind::Face, slot, art.bigFaces[slot], layout));
}

void DrawCardBack(QImage& canvas, int x, int y, CardArt& art, const Layout& layout) {
  const int index = std::clamp(art.currentBack, 1, BackSlotCount) - 1;
  if (layout.cardSizeClass == CardSizeClass::Small) {
    DrawCardOutline(canvas, x, y);
    DrawImage(canvas, x + 1, y + 1, art.smallBacks[index]);
    return;
  }
  if (art.bigBacks[index].isNull()) return;
  DrawImage(canvas, x, y, Prepared(art, PictureKind::Back, index, art.bigBacks[index], layout));
}

QImage PrepareCardPicture(const QImage& picture, bool roundCorners, int w, int h, int corner) {
  // Premultiplied draws several times faster and shows the same pixels.
  if (picture.size() == QSize(w, h)) {
    return picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  }
  QImage flat(picture.size(), QImage::Format_RGB32);
  flat.fill(Qt::black);
  {
    QPainter painter(&flat);
    painter.drawImage(0, 0, picture);
  }
  QImage card = Spline36Resample(flat, w, h);
  if (!roundCorners || card.isNull()) return card;

  for (int y = 0; y < h; ++y) {
    auto* line = reinterpret_cast<QRgb*>(card.scanLine(y));
    for (int x = 0; x < w; ++x) {
      if (!InsideRoundRect(x, y, w, h, corner, corner)) line[x] = CornerKey;
    }
  }
  // The top-left pixel's colour is the transparent one, wherever it also occurs in the card.
  const QRgb key = card.pixel(0, 0);
  QImage keyed = card.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < h; ++y) {
    auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
    for (int x = 0; x < w; ++x) {
      if (line[x] == key) line[x] = 0;
    }
  }
  return keyed.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

void DrawCardPicture(QImage& canvas, int x, int y, const QImage& picture, bool roundCorners, int w,
                     int h, int corner) {
  DrawImage(canvas, x, y, PrepareCardPicture(picture, roundCorners, w, h, corner));
}

void HighlightCard(QImage& hand, const Layout& layout, const std::vector<int>& positions, int i) {
  const int n = static_cast<int>(positions.size());
  if (i < 0 || i >= n) return;
  const int width =
      layout.cardSizeClass == CardSizeClass::Small ? SmallCardWidth : layout.cardWidth;
  const bool overlapped = hand.width() < n * width;
  const bool last = i == n - 1;
  InvertCardArea(hand, layout, positions[i], 0,
                 overlapped && !last ? std::optional<int>(positions[i + 1]) : std::nullopt);
}

void InvertCard(QImage& canvas, const Layout& layout, int x, int y) {
  InvertCardArea(canvas, layout, x, y, std::nullopt);
}

std::vector<int> RedrawHand(PictureControl& hand, const QImage& background, CardArt& art,
                            const Layout& layout, const std::vector<CardCode>& cards,
                            bool showFaces) {
  FillWithBackground(hand, background);
  const std::vector<int> positions =
      HandPositions(hand.rect.width, static_cast<int>(cards.size()), layout.cardWidth);
  for (std::size_t i = 0; i < cards.size(); ++i) {
    if (cards[i] == EmptyCard) continue;
    if (showFaces) {
      DrawCardFace(hand.buffer, positions[i], 0, cards[i], art, layout);
    } else {
      DrawCardBack(hand.buffer, positions[i], 0, art, layout);
    }
  }
  return positions;
}

void DrawPile(PictureControl& pile, const QImage& background, CardArt& art, const Layout& layout,
              const std::vector<CardCode>& cards, bool showFaces, int markLast) {
  FillWithBackground(pile, background);
  const int count = static_cast<int>(cards.size());
  for (int k = 0; k < count; ++k) {
    const PilePoint at = PilePosition(layout, k);
    if (!showFaces) {
      DrawCardBack(pile.buffer, at.x, at.y, art, layout);
      continue;
    }
    DrawCardFace(pile.buffer, at.x, at.y, cards[k], art, layout);
    // Marked as each card is drawn, so overlapping cards of the last put are inverted once.
    if (k >= count - markLast) InvertCard(pile.buffer, layout, at.x, at.y);
  }
}

}  // namespace fibwick
