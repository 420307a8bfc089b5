#include "rules/move.h"

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

}  // namespace fibwick
