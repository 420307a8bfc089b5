#pragma once

#include <string_view>

#include "game/messages.h"
#include "game/table.h"

// The turn cycle: putting, passing and challenging, for the local player and the opponent.
namespace fibwick {

// True when a click on this hand position may select or unselect it now.
bool CanChooseCard(const GameState& state, int position);
// Selects or unselects a card of the local hand; false when the click does nothing.
bool ToggleCardSelection(Table& table, int position);

bool CanPut(const GameState& state);
bool CanChallenge(const GameState& state);
bool CanPass(const GameState& state);

// The local player's actions; each returns false and changes nothing when not allowed now.
bool LocalPut(Table& table);
bool LocalChallenge(Table& table);
bool LocalPass(Table& table);

// The opponent's move, from the computer, the LAN peer or the relay. A move that is not
// well formed, comes out of turn, or would overfill the pile is refused and changes nothing.
bool ApplyMove(Table& table, std::string_view message);

void ResolveChallenge(Table& table, Seat challenger);
void DiscardPile(Table& table);
std::uint8_t NextTurnAfterSend(const GameState& state);

// The move message of the local player's current action, from the move buffer.
MoveMessage CurrentMove(const GameState& state);

}  // namespace fibwick
