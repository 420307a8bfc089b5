#pragma once

#include "game/game_state.h"
#include "rules/seat_view.h"
#include "rules/table.h"

// The client's table and the rules' table. The local player sits at the bottom, seat Two; the
// top seat (the computer, the LAN peer or the relay's player) is seat One.
namespace fibwick {

rules::Seat RulesSeat(Seat seat);
Seat ClientSeat(rules::Seat seat);

// The client's RoundResult for the rules' result: the local player is seat Two.
std::uint8_t RoundResultOf(rules::Result result);

// The rules' table as the client's state holds it. The client keeps no discard: what left the
// game is simply gone from its table.
rules::Table TableOf(const GameState& state);

// Writes the rules' cards, claim and turn into the client's state; its own fields (selection,
// session, network, the computer's counters) stay. The end of a game is scored by the client.
void StoreTable(GameState& state, const rules::Table& table);

// What a seat of the client's table may see.
rules::SeatView ViewOfSeat(const GameState& state, Seat seat);

}  // namespace fibwick
