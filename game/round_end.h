#pragma once

#include "game/game_state.h"
#include "game/match_parts.h"
#include "game/table_events.h"

// The end of a game, of a match, and leaving the table.
namespace fibwick {

// Decides whether the game is over after a challenge or a discard, scores and shows it.
std::uint8_t CheckRoundEnd(GameState& state, TableEvents& events);

// The buttons of an ended game: "Next game" and "Exit to menu" as the kind of game allows.
void EnableEndOfGameButtons(const GameState& state, TableEvents& events);

// "Next game" is offered after a game of a local match that has not finished its cycle.
bool NextGameOffered(const GameState& state);

// The put button of an ended game; false (and nothing done) while the game runs.
bool ExitToMenu(GameState& state, const SessionParts& parts, TableEvents& events);

// The session's end: one result, carried out by the records, the online services and the
// windows in order.
void FinishSession(GameState& state, const SessionParts& parts, TableEvents& events);

// Leaving a running game without recording it, once the player has agreed to lose it.
void LeaveRunningGame(GameState& state, const SessionParts& parts, TableEvents& events);

}  // namespace fibwick
