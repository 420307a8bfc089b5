#pragma once

#include "game/game_state.h"
#include "game/move.h"
#include "game/table_events.h"
#include "rules/table.h"

// How the client's table shows a move the rules have played: sounds, speech, the claim plate,
// the buttons, the pause over a turned pile, the flights, the message for the far side.
namespace fibwick {

// Whether the player watches the cards fly: it changes the events a move returns, never the state.
enum class CardFlights : bool { Off, On };

// The table as it stood and as the move left it, and what the move did.
struct PlayedMove {
  const rules::Table& before;
  const rules::Table& after;
  const rules::Happening& happened;
  const Move& move;
};

// `state` holds the table after the move already. Brings the client's own fields along (the
// computer's counters, the chosen claim, the end of the game) and returns what the table shows.
void ScriptMove(GameState& state, const PlayedMove& played, CardFlights flights,
                TableEvents& events);

}  // namespace fibwick
