#include "ui/flight_scene.h"

#include <QPainter>
#include <algorithm>
#include <cstring>

namespace fibwick {

void FlightScene::Begin(const QImage& clean, std::vector<FlyingCard> cards) {
  clean_ = clean.convertToFormat(QImage::Format_RGB32);
  work_ = clean_.copy();
  cards_.clear();
  cards_.reserve(cards.size());
  for (FlyingCard& card : cards) {
    Flying flying{std::move(card)};
    flying.steps = FlightSteps(flying.card.from, flying.card.to);
    flying.card.sprite.Left = flying.card.from.x;
    flying.card.sprite.Top = flying.card.from.y;
    cards_.push_back(std::move(flying));
  }
  DrawCards(CardsBounds());
}

QRect FlightScene::Advance(int steps) {
  const QRect before = CardsBounds();
  for (Flying& flying : cards_) {
    flying.done = steps >= flying.steps - flying.done ? flying.steps : flying.done + steps;
    const FlightPixel at = FlightPointAt(flying.card.from, flying.card.to, flying.done);
    flying.card.sprite.Left = at.x;
    flying.card.sprite.Top = at.y;
  }
  const QRect changed = (before | CardsBounds()) & work_.rect();
  Restore(changed);
  DrawCards(changed);
  return changed;
}

bool FlightScene::Arrived() const {
  return std::all_of(cards_.begin(), cards_.end(),
                     [](const Flying& f) { return f.done == f.steps; });
}

QRect FlightScene::Erase() {
  const QRect changed = CardsBounds() & work_.rect();
  Restore(changed);
  cards_.clear();
  return changed;
}

QRect FlightScene::CardsBounds() const {
  QRect bounds;
  for (const Flying& f : cards_) {
    const TSprite& s = f.card.sprite;
    bounds |= QRect(s.Left, s.Top, s.Width, s.Height);
  }
  return bounds;
}

void FlightScene::Restore(const QRect& area) {
  if (area.isEmpty()) return;
  const auto bytes = static_cast<std::size_t>(area.width()) * sizeof(QRgb);
  for (int y = area.top(); y <= area.bottom(); ++y) {
    const auto* from = reinterpret_cast<const QRgb*>(clean_.constScanLine(y)) + area.left();
    auto* to = reinterpret_cast<QRgb*>(work_.scanLine(y)) + area.left();
    std::memcpy(to, from, bytes);
  }
}

void FlightScene::DrawCards(const QRect& area) {
  if (area.isEmpty()) return;
  QPainter painter(&work_);
  painter.setClipRect(area);
  for (const Flying& f : cards_) {
    painter.drawImage(f.card.sprite.Left, f.card.sprite.Top, f.card.sprite.picture);
  }
}

}  // namespace fibwick
