#include "records/general_count.h"

#include "base/fixed_field.h"
#include "records/number_format.h"

namespace fibwick {

TCount MakeCount(const CountInputs& in) {
  // Game 20 of a cycle is its twentieth, not its zeroth.
  const int inCycle =
      in.gameNumber > 0 && in.gamesPerCycle > 0 ? (in.gameNumber - 1) % in.gamesPerCycle + 1 : 0;
  return TCount{
      .Count_KonAll = std::to_string(in.gameNumber),
      .Count_KonCur = std::to_string(inCycle),
      .Count_ScoBeg = std::to_string(in.baseScore),
      .Count_ScoCur = std::to_string(in.sessionScore),
      .Count_ScoAll = std::to_string(in.baseScore + in.sessionScore),
      .Count_ReiBeg = std::string(Trim(FormatFixed6(in.startRating))),
      .Count_ReiCur = std::string(Trim(FormatFixed6(in.currentRating))),
  };
}

}  // namespace fibwick
