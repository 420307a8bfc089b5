#pragma once

#include <optional>

#include "base/message_ids.h"

namespace fibwick {

// The words for `count` cards of a rank, e.g. MsgTwoKings; nullopt outside the deck.
std::optional<Message> ClaimWords(int count, char claimRank);

// The claim plate's label ("Kings"); nullopt when nothing is claimed.
std::optional<Message> ClaimPlateLabel(char claimRank);

}  // namespace fibwick
