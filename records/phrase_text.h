#pragma once

#include <string>

#include "game/game_state.h"
#include "game/table_events.h"

// The rules' words in an interface language, UTF-8.
namespace fibwick {

std::string PhraseText(const Phrase& words, int language);

// The claim as spoken: "I put" + " " + "two kings", or "I put still" + " " + "one ace".
// A count outside 1..4 (or no rank) gives only the prefix and the blank.
std::string ClaimPhrase(int count, char claimRank, bool newClaim, int language);

// The lines of the claim plate's hint: the game's number overall and in its cycle or session.
std::string ClaimPlateHint(const GameState& state, int language);

}  // namespace fibwick
