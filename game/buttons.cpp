#include "game/buttons.h"

#include "game/round_end.h"
#include "game/turn.h"

namespace fibwick {

TableCommand ChallengeButtonCommand(const GameState& state) {
  if (!state.round.RoundOver)
    return CanChallenge(state) ? TableCommand::Challenge : TableCommand::None;
  return state.round.TableActive && NextGameOffered(state) ? TableCommand::NextGame
                                                           : TableCommand::None;
}

TableCommand PutButtonCommand(const GameState& state) {
  if (!state.round.RoundOver) return CanPut(state) ? TableCommand::Put : TableCommand::None;
  return state.round.TableActive ? TableCommand::ExitToMenu : TableCommand::None;
}

TableCommand PassButtonCommand(const GameState& state) {
  return CanPass(state) ? TableCommand::Pass : TableCommand::None;
}

}  // namespace fibwick
