#pragma once

#include "rules/slots.h"
#include "rules/table.h"
#include "rules/uniform_source.h"

// The shuffle and the deal of a new game.
namespace fibwick::rules {

inline constexpr int DealtCards = 12;

using Deck = Slots<CardCode, DeckCardCount>;

// A permutation of the 24 cards by rejection draws: every draw names a card of the whole deck
// and a card already placed is drawn again.
Deck ShuffledDeck(UniformSource& random);

// A fresh table: seat One holds the deck's cards 1..12, seat Two 13..24, and `first` leads.
Table DealtTable(const Deck& deck, Seat first);

// A fresh table from the two hands as they were dealt (the hands are put in rank order).
Table DealtTable(const CardRow& one, const CardRow& two, Seat first);

}  // namespace fibwick::rules
