#pragma once

#include "game/table.h"

// The three action buttons of the table mean different things once a game has ended.
namespace fibwick {

// "I don`t believe!" while playing, "Next game" after a game of a local match.
bool ChallengeButtonClick(Table& table);
// "I put still!" while playing, "Exit to menu" after the game.
bool PutButtonClick(Table& table);
bool PassButtonClick(Table& table);

}  // namespace fibwick
