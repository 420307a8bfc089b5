#pragma once

#include <string_view>

#include "game/messages.h"
#include "game/table.h"

// A fresh game: reset, the player's standing values, shuffle, deal, who acts first.
namespace fibwick {

// A permutation of the 24 cards by rejection draws.
void ShuffleDeck(GameState& state, UniformSource& random);

void StartGame(Table& table, bool continueMatch);

// The twelve cards of each seat from the shuffled deck: seat 1 takes 1..12, seat 2 13..24.
Deal DealFromDeck(const GameState& state);

// A deal that arrived from the LAN server (its first twelve are ours) or from the tournament
// relay (the twelve of our tournament seat are ours); starts the game. False for a malformed deal.
bool ReceiveLanDeal(Table& table, std::string_view message);
bool ReceiveRelayDeal(Table& table, std::string_view message);

}  // namespace fibwick
