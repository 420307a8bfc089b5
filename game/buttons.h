#pragma once

#include "game/game_state.h"

// The three action buttons of the table mean different things once a game has ended.
namespace fibwick {

enum class TableCommand { None, Challenge, Put, Pass, NextGame, ExitToMenu };

// "I don`t believe!" while playing, "Next game" after a game of a local match.
TableCommand ChallengeButtonCommand(const GameState& state);
// "I put still!" while playing, "Exit to menu" after the game.
TableCommand PutButtonCommand(const GameState& state);
TableCommand PassButtonCommand(const GameState& state);

}  // namespace fibwick
