#include "game/open_cards.h"

#include <charconv>

#include "game/hand.h"

namespace fibwick {

void ResetOpenCardsBuffer(GameState& state) {
  state.session.OpenCardsBuffer.clear();
}

TableEvents OpenCardsKey(GameState& state, char key) {
  TableEvents events;
  state.session.OpenCardsBuffer += key;
  const std::string& typed = state.session.OpenCardsBuffer;
  int value = 0;
  const auto [end, error] = std::from_chars(typed.data(), typed.data() + typed.size(), value);
  if (error != std::errc{} || end != typed.data() + typed.size() || value != OpenCardsCode) {
    return events;
  }
  state.session.OpenCards = !state.session.OpenCards;
  state.session.OpenCardsBuffer.clear();
  RedrawHand(state, events, 1);
  RedrawHand(state, events, 2);
  PileDrawn pile;
  pile.faces = state.session.OpenCards;
  for (int p = 1; p <= state.table.PileCount; ++p) pile.cards.push_back(state.table.PileCards[p]);
  events.emplace_back(std::move(pile));
  return events;
}

}  // namespace fibwick
