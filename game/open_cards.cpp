#include "game/open_cards.h"

#include <charconv>

#include "game/hand.h"

namespace fibwick {

void ResetOpenCardsBuffer(GameState& state) { state.OpenCardsBuffer.clear(); }

bool OpenCardsKey(Table& table, char key) {
  GameState& state = table.state;
  state.OpenCardsBuffer += key;
  const std::string& typed = state.OpenCardsBuffer;
  int value = 0;
  const auto [end, error] = std::from_chars(typed.data(), typed.data() + typed.size(), value);
  if (error != std::errc{} || end != typed.data() + typed.size() || value != OpenCardsCode) {
    return false;
  }
  state.OpenCards = !state.OpenCards;
  state.OpenCardsBuffer.clear();
  RedrawHand(state, table.view, 1);
  RedrawHand(state, table.view, 2);
  table.view.DrawPile(state, state.OpenCards, false);
  return true;
}

}  // namespace fibwick
