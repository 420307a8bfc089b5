#pragma once

#include "game/table.h"

// The tournament move clock: 26 seconds for every move.
namespace fibwick {

// The turn has changed: the clock of the side that acted is cleared and restarts for `seatToAct`.
void PassMoveClock(Table& table, int seatToAct);
// Hands the clock to whoever is to act now (after any move of a running tournament game).
void PassMoveClockToTurn(Table& table);
// One second has passed.
void MoveClockTick(Table& table);

}  // namespace fibwick
