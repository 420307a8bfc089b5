#pragma once

#include <initializer_list>
#include <string_view>

#include "rules/cards.h"
#include "rules/slots.h"

// A move of either seat, and why the referee may refuse it.
namespace fibwick {

inline constexpr int MaxPutCards = 4;

// The actions as they travel in a move message.
inline constexpr char ActionChallenge = '1';
inline constexpr char ActionPut = '2';
inline constexpr char ActionPass = '3';

enum class MoveKind : char { Challenge = ActionChallenge, Put = ActionPut, Pass = ActionPass };

struct Move {
  MoveKind kind = MoveKind::Pass;
  Slots<CardCode, MaxPutCards> cards{};  // a put: the cards laid, packed from slot 1
  int count = 0;
  // A put opening a claim names its rank; every other move names the claim it answers.
  char claim = NoClaim;

  static Move Put(std::initializer_list<CardCode> laid, char claim);
  static Move Challenge(char claim) { return Without(MoveKind::Challenge, claim); }
  static Move Pass(char claim) { return Without(MoveKind::Pass, claim); }
  // A move that lays no card.
  static Move Without(MoveKind kind, char claim) {
    Move move;
    move.kind = kind;
    move.claim = claim;
    return move;
  }
  friend bool operator==(const Move&, const Move&) = default;
};

// Why a move was not played.
enum class Refusal {
  None,
  NotThisSeatsTurn,    // out of turn, no game running, or the game is over
  WrongCardCount,      // a put of no card or of more than four
  CardNotHeld,         // a put names a card the seat does not hold
  CardTwice,           // a put names the same card twice
  WrongClaim,          // a new claim that is no rank of the deck, or a move answering another claim
  NothingToChallenge,  // no put of the other seat lies open
  NothingToPass,       // nothing on the table: the seat must open a claim
};

std::string_view RefusalName(Refusal refusal);

}  // namespace fibwick
