#pragma once

#include <string>

#include "game/game_state.h"

// What the menu sets before a match begins, and the player's name changing during one.
namespace fibwick {

// A match for a club line (1..5) or a new player, against the computer (LanRole::None) or as one
// end of a LAN game: whatever a game of another kind before it left behind no longer applies.
void SetUpMatch(GameState& state, LanRole role, int playerSlot, const std::string& playerName);

// The player took a new name, and with it the club line the record moved to.
void RenamePlayer(GameState& state, int playerSlot, const std::string& playerName);

// A LAN game that never began is given up: no partner came, or the port could not be taken.
void AbandonLanWait(GameState& state);

// A LAN server whose client left before the game began waits for another.
void AwaitAnotherClient(GameState& state);

}  // namespace fibwick
