#include "game/move.h"

#include <algorithm>

namespace fibwick {

MoveMessage MessageOfMove(const Move& move) {
  MoveMessage message;
  message.count = move.count;
  for (int k = 1; k <= move.count; ++k) {
    message.cards[k] = move.cards[k];
    message.ranks[k] = RankOfChar(move.cards[k].rank);
  }
  message.claim = move.claim;
  message.action = static_cast<char>(move.kind);
  return message;
}

Move MoveOfMessage(const MoveMessage& message) {
  Move move = Move::Without(static_cast<MoveKind>(message.action), message.claim);
  const int count = std::min(message.count, MaxPutCards);
  for (int k = 1; k <= count; ++k) move.cards[++move.count] = message.cards[k];
  return move;
}

}  // namespace fibwick
