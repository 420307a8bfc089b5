#include "ui/card_drawing.h"

#include <gtest/gtest.h>

#include "ui_test_support.h"

namespace fibwick {
namespace {

using testing_support::Solid;

constexpr QRgb White = 0xFFFFFFFF;
constexpr QRgb Black = 0xFF000000;
constexpr QRgb Grey = 0xFF808080;
constexpr QRgb Green = 0xFF008000;

CardArt SolidArt(QSize big) {
  CardArt art;
  for (int slot = 13; slot <= 36; ++slot) {
    art.smallFaces[slot] = Solid(69, 94, Grey, QImage::Format_RGB32);
    art.bigFaces[slot] = Solid(big.width(), big.height(), Grey);
  }
  for (int i = 0; i < BackSlotCount; ++i) {
    art.smallBacks[i] = Solid(69, 94, qRgb(0, 0, 200), QImage::Format_RGB32);
    art.bigBacks[i] = Solid(big.width(), big.height(), qRgb(0, 0, 200));
  }
  return art;
}

QImage Canvas(int w, int h) {
  return Solid(w, h, White, QImage::Format_RGB32);
}

const CardCode NineOfHearts = MakeCard(1, 0);

TEST(CardDrawing, SmallFaceHasTheCutCornerOutline) {
  CardArt art = SolidArt({146, 198});
  const Layout layout = MakeLayout(1, 0, 0, true);
  QImage canvas = Canvas(80, 100);
  DrawCardFace(canvas, 3, 2, NineOfHearts, art, layout);
  for (int y = 0; y < 100; ++y) {
    for (int x = 0; x < 80; ++x) {
      const int lx = x - 3;
      const int ly = y - 2;
      QRgb expected = White;
      if (lx >= 1 && lx <= 69 && ly >= 1 && ly <= 94) expected = Grey;
      const bool rows = (ly == 0 || ly == 95) && lx >= 2 && lx <= 68;
      const bool columns = (lx == 0 || lx == 70) && ly >= 2 && ly <= 93;
      if (rows || columns) expected = Black;
      ASSERT_EQ(canvas.pixel(x, y), expected) << lx << "," << ly;
    }
  }
}

TEST(CardDrawing, EmptySlotDrawsNothing) {
  CardArt art = SolidArt({146, 198});
  QImage canvas = Canvas(80, 100);
  DrawCardFace(canvas, 0, 0, EmptyCard, art, MakeLayout(1, 0, 0, true));
  EXPECT_EQ(canvas, Canvas(80, 100));
}

TEST(CardDrawing, SmallBackUsesTheCurrentBack) {
  CardArt art = SolidArt({146, 198});
  art.smallBacks[4] = Solid(69, 94, qRgb(1, 2, 250), QImage::Format_RGB32);
  art.currentBack = 5;
  QImage canvas = Canvas(80, 100);
  DrawCardBack(canvas, 0, 0, art, MakeLayout(1, 0, 0, true));
  EXPECT_EQ(canvas.pixel(35, 50), qRgb(1, 2, 250));
  EXPECT_EQ(canvas.pixel(0, 50), Black);
}

TEST(CardDrawing, PictureOfTheCardSizeIsDrawnUnchanged) {
  QImage picture = Solid(92, 125, qRgba(10, 20, 30, 255));
  picture.setPixel(0, 0, qRgb(255, 0, 0));  // would be cut by the corner mask
  picture.setPixel(50, 60, qRgba(0, 0, 0, 0));
  QImage canvas = Canvas(100, 130);
  DrawCardPicture(canvas, 4, 3, picture, true, 92, 125, 10);
  EXPECT_EQ(canvas.pixel(4, 3), qRgb(255, 0, 0));
  EXPECT_EQ(canvas.pixel(54, 63), White);  // its own alpha is kept
  EXPECT_EQ(canvas.pixel(60, 60), qRgb(10, 20, 30));
  EXPECT_EQ(canvas.pixel(3, 3), White);
}

TEST(CardDrawing, ResampledCardGetsRoundCorners) {
  CardArt art = SolidArt({146, 198});
  const Layout layout = MakeLayout(3, 0, 0, true);
  QImage canvas = Solid(100, 130, Green, QImage::Format_RGB32);
  DrawCardFace(canvas, 0, 0, NineOfHearts, art, layout);
  EXPECT_EQ(canvas.pixel(0, 0), Green);
  EXPECT_EQ(canvas.pixel(91, 124), Green);
  EXPECT_EQ(canvas.pixel(46, 0), Grey);
  EXPECT_EQ(canvas.pixel(91, 60), Grey);
  EXPECT_EQ(canvas.pixel(92, 60), Green);
  EXPECT_EQ(canvas.pixel(46, 125), Green);
  // Drawn again from the prepared copy: the same pixels.
  QImage again = Solid(100, 130, Green, QImage::Format_RGB32);
  DrawCardFace(again, 0, 0, NineOfHearts, art, layout);
  EXPECT_EQ(again, canvas);
  EXPECT_EQ(art.prepared.size(), 1);
}

TEST(CardDrawing, ResampledCardIsFlattenedOntoBlack) {
  const QImage picture = Solid(146, 198, qRgba(200, 100, 50, 128));
  QImage canvas = Canvas(100, 130);
  DrawCardPicture(canvas, 0, 0, picture, false, 92, 125, 10);
  // Premultiplied onto black: 200 x 128 / 255 = 100.4, and the card is opaque.
  EXPECT_EQ(canvas.pixel(0, 0), qRgb(100, 50, 25));
}

TEST(Highlight, SmallCardNotOverlappedKeepsItsCorners) {
  CardArt art = SolidArt({146, 198});
  const Layout layout = MakeLayout(1, 0, 0, true);
  PictureControl hand{{0, 0, 560, 96}, {}, true};
  const QImage background = Solid(760, 500, Green, QImage::Format_RGB32);
  const std::vector<CardCode> cards(6, NineOfHearts);
  const std::vector<int> positions = RedrawHand(hand, background, art, layout, cards, true);
  ASSERT_EQ(positions.front(), 58);
  const QImage before = hand.buffer;
  HighlightCard(hand.buffer, layout, positions, 0);
  for (int y = 0; y < 96; ++y) {
    for (int x = 50; x < 135; ++x) {
      const int lx = x - 58;
      const bool corner = (lx <= 1 || lx >= 69) && (y <= 1 || y >= 94);
      const bool inverted = lx >= 0 && lx <= 70 && !corner;
      const QRgb old = before.pixel(x, y);
      ASSERT_EQ(hand.buffer.pixel(x, y), inverted ? (old ^ 0x00FFFFFF) : old) << lx << "," << y;
    }
  }
  HighlightCard(hand.buffer, layout, positions, 0);
  EXPECT_EQ(hand.buffer, before);
}

TEST(Highlight, SmallCardOverlappedStopsAtTheNextCard) {
  CardArt art = SolidArt({146, 198});
  const Layout layout = MakeLayout(1, 0, 0, true);
  PictureControl hand{{0, 0, 560, 96}, {}, true};
  const QImage background = Solid(760, 500, Green, QImage::Format_RGB32);
  const std::vector<int> positions =
      RedrawHand(hand, background, art, layout, std::vector<CardCode>(12, NineOfHearts), true);
  const QImage before = hand.buffer;
  HighlightCard(hand.buffer, layout, positions, 0);
  EXPECT_NE(hand.buffer.pixel(43, 50), before.pixel(43, 50));
  EXPECT_EQ(hand.buffer.pixel(44, 50), before.pixel(44, 50));
  EXPECT_NE(hand.buffer.pixel(0, 2), before.pixel(0, 2));
  EXPECT_EQ(hand.buffer.pixel(1, 1), before.pixel(1, 1));
  hand.buffer = before;
  HighlightCard(hand.buffer, layout, positions, 11);  // the last card: its whole width
  EXPECT_NE(hand.buffer.pixel(554, 50), before.pixel(554, 50));
  EXPECT_EQ(hand.buffer.pixel(555, 50), before.pixel(555, 50));
  EXPECT_EQ(hand.buffer.pixel(554, 95), before.pixel(554, 95));
}

TEST(Highlight, ScaledCardLosesTheNextCardsShape) {
  const Layout layout = MakeLayout(3, 0, 0, true);  // cards 92 x 125, corner 10
  QImage hand = Solid(728, 125, Grey, QImage::Format_RGB32);
  const std::vector<int> positions = HandPositions(728, 12, layout.cardWidth);
  ASSERT_EQ(positions[1], 57);  // trunc((728 - 95) / 11)
  HighlightCard(hand, layout, positions, 0);
  const QRgb inverted = Grey ^ 0x00FFFFFF;
  EXPECT_EQ(hand.pixel(0, 0), Grey);  // its own rounded corner
  EXPECT_EQ(hand.pixel(30, 0), inverted);
  EXPECT_EQ(hand.pixel(56, 60), inverted);
  EXPECT_EQ(hand.pixel(57, 60), Grey);     // under the next card
  EXPECT_EQ(hand.pixel(57, 0), inverted);  // the next card's corner leaves it visible
  EXPECT_EQ(hand.pixel(91, 60), Grey);
}

TEST(Highlight, ScaledCardAloneIsWhollyMarked) {
  const Layout layout = MakeLayout(3, 0, 0, true);
  QImage hand = Solid(728, 125, Grey, QImage::Format_RGB32);
  const std::vector<int> positions = HandPositions(728, 6, layout.cardWidth);
  HighlightCard(hand, layout, positions, 2);
  const int x = positions[2];
  const QRgb inverted = Grey ^ 0x00FFFFFF;
  EXPECT_EQ(hand.pixel(x + 91, 60), inverted);
  EXPECT_EQ(hand.pixel(x + 92, 60), Grey);
  EXPECT_EQ(hand.pixel(x + 46, 124), inverted);
  EXPECT_EQ(hand.pixel(x, 0), Grey);
}

TEST(Pile, LastPutIsInvertedOnce) {
  CardArt art = SolidArt({146, 198});
  const Layout layout = MakeLayout(1, 0, 0, true);
  const QImage background = Solid(760, 500, Green, QImage::Format_RGB32);
  const std::vector<CardCode> cards(17, NineOfHearts);
  PictureControl plain{{200, 150, 360, 200}, {}, true};
  PictureControl marked = plain;
  DrawPile(plain, background, art, layout, cards, true, 0);
  DrawPile(marked, background, art, layout, cards, true, 2);
  EXPECT_EQ(plain.buffer.pixel(10, 50), Grey);   // first row
  EXPECT_EQ(plain.buffer.pixel(70, 150), Grey);  // k = 15 starts the second row at 60
  EXPECT_EQ(plain.buffer.pixel(59, 150), Green);
  EXPECT_EQ(marked.buffer.pixel(300, 50), Grey);  // k = 14 is not in the last put
  EXPECT_EQ(marked.buffer.pixel(70, 150), Grey ^ 0x00FFFFFF);
  EXPECT_EQ(marked.buffer.pixel(90, 150), Grey ^ 0x00FFFFFF);
  EXPECT_EQ(marked.buffer.pixel(140, 150), Grey ^ 0x00FFFFFF);
  EXPECT_EQ(marked.buffer.pixel(150, 150), White);  // the inverted outline
}

TEST(Pile, FaceDownShowsBacks) {
  CardArt art = SolidArt({146, 198});
  const Layout layout = MakeLayout(5, 0, 0, true);
  PictureControl pile{Place(layout, {200, 150, 360, 200}), {}, true};
  DrawPile(pile, Solid(1520, 1000, Green, QImage::Format_RGB32), art, layout,
           std::vector<CardCode>(2, NineOfHearts), false, 2);
  EXPECT_EQ(pile.buffer.pixel(100, 100), qRgb(0, 0, 200));  // big backs at their own size
  EXPECT_EQ(pile.buffer.pixel(185, 100), qRgb(0, 0, 200));
  EXPECT_EQ(pile.buffer.pixel(186, 100), Green);
}

}  // namespace
}  // namespace fibwick
