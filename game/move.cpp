#include "game/move.h"

#include <algorithm>

namespace fibwick {

Move Move::Put(std::initializer_list<CardCode> laid, char claim) {
  Move move = Without(MoveKind::Put, claim);
  for (const CardCode card : laid) {
    if (move.count == MaxPutCards) break;
    move.cards[++move.count] = card;
  }
  return move;
}

std::string_view RefusalName(Refusal refusal) {
  switch (refusal) {
    case Refusal::None:
      return "played";
    case Refusal::NotThisSeatsTurn:
      return "not this seat's turn";
    case Refusal::WrongCardCount:
      return "wrong number of cards";
    case Refusal::CardNotHeld:
      return "card not held";
    case Refusal::CardTwice:
      return "card named twice";
    case Refusal::WrongClaim:
      return "wrong claim";
    case Refusal::NothingToChallenge:
      return "nothing to challenge";
    case Refusal::NothingToPass:
      return "nothing to pass on";
  }
  return "unknown";
}

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
