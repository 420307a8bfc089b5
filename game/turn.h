#pragma once

#include <optional>

#include "game/move.h"
#include "game/table_script.h"

// The client's turn cycle: every seat's move goes through the rules' referee, the local player
// (seat 2) and the computer, the LAN peer or the relay (seat 1) alike, and comes back as events.
namespace fibwick {

// The seat whose move the table waits for; nothing while no game runs.
std::optional<Seat> SeatToAct(const GameState& state);

// Checks the move against the rules' table; refuses it, changing nothing, or applies it at once
// and returns what the table must show. A local move of a network game is returned as a
// PeerMessage for the far side.
Outcome Play(GameState& state, Seat seat, const Move& move, CardFlights flights);
Refusal CheckMove(const GameState& state, Seat seat, const Move& move);

// True when a click on this hand position may select or unselect it now.
bool CanChooseCard(const GameState& state, int position);
// Selects or unselects a card of the local hand; no events when the click does nothing.
TableEvents ToggleCardSelection(GameState& state, int position);
// The local player's selected cards in ascending hand position, as a put under `claim`.
Move SelectedPut(const GameState& state, char claim);

bool CanPut(const GameState& state);
bool CanChallenge(const GameState& state);
bool CanPass(const GameState& state);

Turn NextTurnAfterSend(const GameState& state);

}  // namespace fibwick
