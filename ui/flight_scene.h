#pragma once

#include <QImage>
#include <QRect>
#include <vector>

#include "ui/card_sprite.h"
#include "ui/flight_path.h"

namespace fibwick {

struct FlyingCard {
  TSprite sprite;
  FlightPixel from;
  FlightPixel to;
};

// Cards flying together over a still picture of the table: each step restores the part of the
// picture the cards covered from the clean copy and draws them one pixel further on their lines.
// Nothing is allocated per step.
class FlightScene {
 public:
  // `clean` is the table as it must look without the flying cards; they are drawn at their
  // starts. A card whose start is its end is drawn once and has arrived.
  void Begin(const QImage& clean, std::vector<FlyingCard> cards);
  // Moves every card that has not arrived by up to `steps` pixels; returns the rectangle of the
  // picture that changed.
  QRect Advance(int steps);
  bool Arrived() const;
  // Takes the cards off the picture, which shows the clean table again; returns what changed.
  QRect Erase();

  const QImage& Picture() const { return work_; }

 private:
  QRect CardsBounds() const;
  void Restore(const QRect& area);
  void DrawCards(const QRect& area);

  struct Flying {
    FlyingCard card;
    int steps = 0;
    int done = 0;
  };
  QImage clean_;
  QImage work_;
  std::vector<Flying> cards_;
};

}  // namespace fibwick
