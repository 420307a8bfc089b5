#pragma once

#include <QImage>

#include "rules/cards.h"
#include "ui/card_art.h"
#include "ui/layout.h"

namespace fibwick {

// One card picture that can be drawn at any position over the table. The picture is transparent
// where the table shows through: the cut corners of a small card, the round ones of the others.
struct TSprite {
  QImage picture;  // premultiplied
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
};

// The face of `card`, or the current back for BackCard, in the layout's card size class.
TSprite MakeCardSprite(CardCode card, CardArt& art, const Layout& layout);

}  // namespace fibwick
