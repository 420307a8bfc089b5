#pragma once

#include <bitset>
#include <optional>
#include <string>

#include "game/game_state.h"

// Where the 24 cards of a game are: for the soak, the fuzzer and anyone checking a table.
namespace fibwick {

using CardSet = std::bitset<DeckCardCount>;

// The cards in both hands and on the pile; `problem` names the first slot that breaks the
// table's shape (a card twice, a count that lies, a card above the pile).
CardSet CardsInPlay(const GameState& state, std::string& problem);

// Follows one game: every card stays in play until a discard takes it, and never comes back.
class CardCensus {
 public:
  // A new game has been dealt.
  void Restart() {
    previous_.reset();
    discarded_.reset();
  }
  // Checks the table after a change; the first broken rule in words, or nothing.
  std::optional<std::string> Check(const GameState& state);

 private:
  CardSet previous_;
  CardSet discarded_;
};

}  // namespace fibwick
