#pragma once

#include <optional>
#include <string_view>

#include "game/match_parts.h"
#include "game/messages.h"
#include "game/table_events.h"
#include "rules/uniform_source.h"

// A fresh game: reset, the player's standing values, shuffle, deal, who acts first.
namespace fibwick {

// A permutation of the 24 cards by rejection draws.
void ShuffleDeck(GameState& state, UniformSource& random);

// The standing values of a new match come from `standing`; a LAN server's deal leaves as a
// PeerMessage.
TableEvents StartGame(GameState& state, UniformSource& random, StandingSource& standing,
                      bool continueMatch);

// The twelve cards of each seat from the shuffled deck: seat 1 takes 1..12, seat 2 13..24.
Deal DealFromDeck(const GameState& state);

// A deal that arrived from the LAN server (its first twelve are ours) or from the tournament
// relay (the twelve of our tournament seat are ours); starts the game. Nothing for a malformed
// deal or one that is not awaited.
std::optional<TableEvents> ReceiveLanDeal(GameState& state, UniformSource& random,
                                          StandingSource& standing, std::string_view message);
std::optional<TableEvents> ReceiveRelayDeal(GameState& state, UniformSource& random,
                                            StandingSource& standing, std::string_view message);

}  // namespace fibwick
