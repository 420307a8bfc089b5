#include "ui/card_sprite.h"

#include "ui/card_drawing.h"

namespace fibwick {

TSprite MakeCardSprite(CardCode card, CardArt& art, const Layout& layout) {
  const bool small = layout.cardSizeClass == CardSizeClass::Small;
  TSprite sprite;
  sprite.Width = small ? SmallFaceSize.width() + 2 : layout.cardWidth;
  sprite.Height = small ? SmallFaceSize.height() + 2 : layout.cardHeight;
  sprite.picture = QImage(sprite.Width, sprite.Height, QImage::Format_ARGB32_Premultiplied);
  sprite.picture.fill(Qt::transparent);
  if (card == BackCard) {
    DrawCardBack(sprite.picture, 0, 0, art, layout);
  } else {
    DrawCardFace(sprite.picture, 0, 0, card, art, layout);
  }
  return sprite;
}

}  // namespace fibwick
