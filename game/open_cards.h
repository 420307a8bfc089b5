#pragma once

#include "game/game_state.h"
#include "game/table_events.h"

// The hidden open-cards mode: typing the code while the chat send button has the focus.
namespace fibwick {

// The send button gained or lost the keyboard focus.
void ResetOpenCardsBuffer(GameState& state);
// A key typed while the send button has the focus; events only when it toggled the mode.
TableEvents OpenCardsKey(GameState& state, char key);

}  // namespace fibwick
