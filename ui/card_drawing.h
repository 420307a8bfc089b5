#pragma once

#include <QImage>
#include <vector>

#include "rules/cards.h"
#include "ui/card_art.h"
#include "ui/compose.h"
#include "ui/layout.h"

// Drawing cards: faces and backs in the three size classes, chosen-card marks, hands and pile.
namespace fibwick {

// The corner ellipse of a drawn card: Scaled(8), and 16 for the big pictures' mark.
int CardCornerSize(const Layout& layout);

// The black cut-corner outline of a small card at (x, y), 71 x 96.
void DrawCardOutline(QImage& canvas, int x, int y);

void DrawCardFace(QImage& canvas, int x, int y, CardCode card, CardArt& art, const Layout& layout);
void DrawCardBack(QImage& canvas, int x, int y, CardArt& art, const Layout& layout);

// The picture ready to draw at w x h: unchanged when it has that size already; otherwise
// flattened onto black, Spline36-resampled and, with round corners, its corners cut away.
QImage PrepareCardPicture(const QImage& picture, bool roundCorners, int w, int h, int corner);
void DrawCardPicture(QImage& canvas, int x, int y, const QImage& picture, bool roundCorners, int w,
                     int h, int corner);

// Inverts the visible part of card i of a hand whose cards start at `positions`; a second call
// restores it.
void HighlightCard(QImage& hand, const Layout& layout, const std::vector<int>& positions, int i);
// Inverts a whole card at (x, y), as the pile marks the last put.
void InvertCard(QImage& canvas, const Layout& layout, int x, int y);

// Redraws a hand over the background and returns the cards' left positions.
std::vector<int> RedrawHand(PictureControl& hand, const QImage& background, CardArt& art,
                            const Layout& layout, const std::vector<CardCode>& cards,
                            bool showFaces);

// Redraws the pile over the background, in the order put; face up, the last `markLast` cards
// can be inverted.
void DrawPile(PictureControl& pile, const QImage& background, CardArt& art, const Layout& layout,
              const std::vector<CardCode>& cards, bool showFaces, int markLast);

}  // namespace fibwick
