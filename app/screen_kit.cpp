#include "app/screen_kit.h"

#include "ui/skin_button.h"

namespace fibwick {

SkinButton* MakeWindowButton(QWidget& window, const char* name) {
  auto* button = new SkinButton(&window);
  button->setObjectName(name);
  // The window is played with the mouse; a focused button would answer a stray Space with a
  // challenge or a put.
  button->setFocusPolicy(Qt::NoFocus);
  button->hide();
  return button;
}

void PlaceButton(SkinButton* button, const PixelRect& rect) {
  button->setGeometry(AsQRect(rect));
  button->show();
}

}  // namespace fibwick
