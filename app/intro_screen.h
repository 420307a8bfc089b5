#pragma once

#include <QImage>

class QPainter;
class QRect;

namespace fibwick {

// The opening picture with the title drifting in over it.
class IntroScreen {
 public:
  void Load();
  // Lets the picture go once the intro has ended.
  void Release() { picture_ = QImage(); }
  void Tick() { ++frame_; }
  void Paint(QPainter& painter, const QRect& all) const;

 private:
  QImage picture_;
  int frame_ = 0;
};

}  // namespace fibwick
