#pragma once

#include <optional>
#include <string_view>

#include "game/messages.h"
#include "game/table_events.h"
#include "rules/move.h"

// The referee's answer to a move as the client's table takes it, and a move's wire form.
namespace fibwick {

struct Outcome {
  Refusal refusal = Refusal::None;
  TableEvents events;  // empty when refused

  bool Played() const { return refusal == Refusal::None; }
};

// The wire form of a move: the 15 characters of the protocol.
MoveMessage MessageOfMove(const Move& move);
Move MoveOfMessage(const MoveMessage& message);

}  // namespace fibwick
