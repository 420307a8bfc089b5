#pragma once

#include "game/table.h"

// The hidden open-cards mode: typing the code while the chat send button has the focus.
namespace fibwick {

// The send button gained or lost the keyboard focus.
void ResetOpenCardsBuffer(GameState& state);
// A key typed while the send button has the focus; true when it toggled the mode.
bool OpenCardsKey(Table& table, char key);

}  // namespace fibwick
