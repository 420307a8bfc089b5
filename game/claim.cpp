#include "game/claim.h"

#include "rules/cards.h"

namespace fibwick {
namespace {

// The catalogue lists words and labels from the six upwards; the deck starts at the nine.
constexpr int RanksBelowNine = 3;

}  // namespace

std::optional<Message> ClaimWords(int count, char claimRank) {
  const RankIndex rank = RankOfChar(claimRank);
  if (rank == NoRank || count < 1 || count > 4) return std::nullopt;
  return static_cast<Message>(MsgOneSix + (rank - 1 + RanksBelowNine) * 4 + (count - 1));
}

std::optional<Message> ClaimPlateLabel(char claimRank) {
  const RankIndex rank = RankOfChar(claimRank);
  if (rank == NoRank) return std::nullopt;
  return static_cast<Message>(MsgSixes + rank - 1 + RanksBelowNine);
}

}  // namespace fibwick
