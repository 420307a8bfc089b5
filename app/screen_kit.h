#pragma once

#include <QImage>
#include <QRect>

#include "records/settings.h"
#include "ui/card_art.h"
#include "ui/compose.h"
#include "ui/layout.h"
#include "ui/text_helpers.h"

class QWidget;

namespace fibwick {

class SkinButton;

// What the window lends its screens to draw with; it alone changes them.
struct ScreenKit {
  const Layout& layout;
  const QImage& background;
  CardArt& art;  // caches the cards it has drawn
  const FontRoles& fonts;
  const Settings& settings;
};

inline QRect AsQRect(const PixelRect& r) {
  return {r.left, r.top, r.width, r.height};
}

// A hidden skinned button of the window, named as its control.
SkinButton* MakeWindowButton(QWidget& window, const char* name);
void PlaceButton(SkinButton* button, const PixelRect& rect);

}  // namespace fibwick
