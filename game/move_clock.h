#pragma once

#include "game/game_state.h"
#include "game/table_events.h"

// The tournament move clock: 26 seconds for every move.
namespace fibwick {

// The turn has changed: the clock of the side that acted is cleared and restarts for `seatToAct`.
void PassMoveClock(GameState& state, TableEvents& events, int seatToAct);
// Hands the clock to whoever is to act now (after any move of a running tournament game).
void PassMoveClockToTurn(GameState& state, TableEvents& events);
// One second has passed.
TableEvents MoveClockTick(GameState& state);

}  // namespace fibwick
