#pragma once

#include "game/table.h"

// The end of a game, of a match, and leaving the table.
namespace fibwick {

// Decides whether the game is over after a challenge or a discard, scores and shows it.
std::uint8_t CheckRoundEnd(Table& table);

// The buttons of an ended game: "Next game" and "Exit to menu" as the kind of game allows.
void EnableEndOfGameButtons(Table& table);

// The put button of an ended game.
bool ExitToMenu(Table& table);

// The session's end, carried out by the records, the online services and the windows in order.
void FinishSession(Table& table, int sessionScore, int gameNumber);

// The table menu's "Exit to menu" during a game: asks, then drops the session unrecorded.
bool AbandonGame(Table& table);
// Leaving without recording, once the player has agreed (the menu item or closing the window).
void LeaveRunningGame(Table& table);

}  // namespace fibwick
