#pragma once

#include <optional>
#include <string>

#include "records/catalogue.h"

namespace fibwick {

// The claim as spoken: "I put" + " " + "two kings", or "I put still" + " " + "one ace".
// A count outside 1..4 (or no rank) gives only the prefix and the blank.
std::string ClaimPhrase(int count, char claimRank, bool newClaim);

// The words for `count` cards of a rank, e.g. MsgTwoKings; nullopt outside the deck.
std::optional<Message> ClaimWords(int count, char claimRank);

// The claim plate's label ("Kings"); nullopt when nothing is claimed.
std::optional<Message> ClaimPlateLabel(char claimRank);

struct GameState;

// The lines of the claim plate's hint: the game's number overall and in its cycle or session.
std::string ClaimPlateHint(const GameState& state);

}  // namespace fibwick
